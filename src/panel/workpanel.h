#pragma once
// The docked tool panel: font or shape controls, colours and the page list.

#include <QWidget>

class CWorkPanel : public QWidget {
    Q_OBJECT

public:
    // The panel's size in pixels, from its 134 x 360 dialog-unit layout.
    static constexpr int kWidth = 201;
    static constexpr int kHeight = 585;

    explicit CWorkPanel(QWidget* parent = nullptr);

    void UpdateControlSet();
    void RebuildPageList();
};
