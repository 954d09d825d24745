#pragma once
// The page list: one large thumbnail per page on the panel's grey.

#include "platform/color.h"

#include <QListWidget>

class CMyListCtrl : public QListWidget {
    Q_OBJECT

public:
    // The list's background and the margins around a thumbnail.
    static constexpr COLORREF kBackColor = RGB(212, 208, 200);

    CMyListCtrl(QSize iconSize, QWidget* parent);
};
