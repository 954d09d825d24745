#pragma once
// A pop-up menu of checkable items that returns the chosen command, like a
// menu tracked with "return the command". Tests answer it through the seam.

#include <QList>
#include <QPoint>
#include <QString>

#include <functional>

class QWidget;

namespace platform {

struct PopupMenuItem {
    int id = 0;
    QString text;
    bool checked = false;
};

struct PopupMenuCall {
    QList<PopupMenuItem> items;
    QPoint globalPos;  // where the menu's top-left corner goes
};

// The id of the chosen item, or 0 when the menu was dismissed.
int TrackPopupMenu(const PopupMenuCall& call, QWidget* owner);

// Empty means the real menu; tests install their own answer and reset it afterwards.
std::function<int(const PopupMenuCall&)>& PopupMenuSeam();

}  // namespace platform
