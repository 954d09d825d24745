#include "app/commands.h"

#include "app/resource.h"

const QList<CommandInfo>& CommandTable()
{
    using K = QKeySequence;
    static const QList<CommandInfo> table = {
        {ID_FILE_NEW, "&New\tCtrl+N", {K(Qt::CTRL | Qt::Key_N)}, "Create a new document"},
        {ID_FILE_OPEN, "&Open Background...\tCtrl+O", {K(Qt::CTRL | Qt::Key_O)}, "Open an existing document"},
        {ID_FILE_SAVE, "Save Pavlix As...", {K(Qt::CTRL | Qt::Key_S)}, "Save the active document"},
        {ID_FILE_SAVE_ALL, "Save All...", {}, {}},
        {ID_APP_EXIT, "E&xit", {}, "Quit the application; prompts to save documents"},
        {ID_EDIT_UNDO, "&Undo\tCtrl+Z", {K(Qt::CTRL | Qt::Key_Z), K(Qt::ALT | Qt::Key_Backspace)}, "Undo the last action"},
        {ID_EDIT_REDO, "Redo\tCtrl+Y", {K(Qt::CTRL | Qt::Key_Y)}, {}},
        {ID_VIEW_TOOLBAR, "&Toolbar", {}, "Show or hide the toolbar", true},
        {ID_VIEW_STATUS_BAR, "&Status Bar", {}, "Show or hide the status bar", true},
        {ID_APP_ABOUT, "&About Quorvin Pavlix Maker...", {}, "Display program information, version number and copyright"},
        {ID_PAGE_DELETE, "", {}, {}},
        {ID_TEXT_CUT, "", {}, {}},
        {ID_TEXT_COPY, "", {}, {}},
        {ID_TEXT_PASTE, "", {}, {}},
        {ID_TOOLBAR_UNDO, "", {}, {}},
        {ID_TOOL_TEXT, "", {}, {}, true},
        {ID_TOOL_IMAGE, "", {}, {}},
        {ID_TOOL_DRAW, "", {}, {}, true},
        {ID_EDIT_COPY, "", {K(Qt::CTRL | Qt::Key_C), K(Qt::CTRL | Qt::Key_Insert)}, {}},
        {ID_EDIT_CUT, "", {K(Qt::CTRL | Qt::Key_X), K(Qt::SHIFT | Qt::Key_Delete)}, {}},
        {ID_EDIT_PASTE, "", {K(Qt::CTRL | Qt::Key_V), K(Qt::SHIFT | Qt::Key_Insert)}, {}},
        {ID_NEXT_PANE, "", {K(Qt::Key_F6)}, {}},
        {ID_PREV_PANE, "", {K(Qt::SHIFT | Qt::Key_F6)}, {}},
    };
    return table;
}

const QList<MenuInfo>& MenuTable()
{
    static const QList<MenuInfo> menus = {
        {"&File", {ID_FILE_NEW, ID_FILE_OPEN, 0, ID_FILE_SAVE, ID_FILE_SAVE_ALL, 0, ID_APP_EXIT}},
        {"&Edit", {ID_EDIT_UNDO, ID_EDIT_REDO}},
        {"&View", {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR}},
        {"&Help", {ID_APP_ABOUT}},
    };
    return menus;
}

const QList<int>& ToolbarTable()
{
    static const QList<int> buttons = {
        ID_FILE_NEW, ID_PAGE_DELETE, 0, ID_FILE_SAVE, ID_FILE_SAVE_ALL, 0, ID_TEXT_CUT, ID_TEXT_COPY, ID_TEXT_PASTE, 0,
        ID_TOOLBAR_UNDO, ID_EDIT_REDO, 0, ID_TOOL_TEXT, ID_TOOL_IMAGE, ID_TOOL_DRAW,
    };
    return buttons;
}
