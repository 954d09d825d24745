#include "platform/popupmenu.h"

#include <QAction>
#include <QMenu>

namespace platform {

std::function<int(const PopupMenuCall&)>& PopupMenuSeam()
{
    static std::function<int(const PopupMenuCall&)> seam;
    return seam;
}

int TrackPopupMenu(const PopupMenuCall& call, QWidget* owner)
{
    if (PopupMenuSeam())
        return PopupMenuSeam()(call);
    QMenu menu(owner);
    for (const PopupMenuItem& item : call.items) {
        QAction* action = menu.addAction(item.text);
        action->setCheckable(true);
        action->setChecked(item.checked);
        action->setData(item.id);
    }
    const QAction* chosen = menu.exec(call.globalPos);
    return chosen ? chosen->data().toInt() : 0;
}

}  // namespace platform
