#pragma once
// The font name box: every installed font family, sorted, filled once.

#include <QComboBox>
#include <QStringList>

class CFontCombo : public QComboBox {
    Q_OBJECT

public:
    explicit CFontCombo(QWidget* parent);

    void FillFontList();

    QStringList m_listFonts;  // as the font database listed them
};
