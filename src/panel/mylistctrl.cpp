#include "panel/mylistctrl.h"

CMyListCtrl::CMyListCtrl(QSize iconSize, QWidget* parent) : QListWidget(parent)
{
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(iconSize);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, QColor(GetRValue(kBackColor), GetGValue(kBackColor), GetBValue(kBackColor)));
    setPalette(colours);
}
