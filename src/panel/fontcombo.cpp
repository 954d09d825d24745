#include "panel/fontcombo.h"

#include <QCollator>
#include <QFontDatabase>

#include <algorithm>

CFontCombo::CFontCombo(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    FillFontList();
}

void CFontCombo::FillFontList()
{
    m_listFonts = QFontDatabase::families();
    QStringList sorted = m_listFonts;
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(sorted.begin(), sorted.end(), collator);
    addItems(sorted);
}
