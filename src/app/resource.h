#pragma once
// Command and control ids. The numbers are kept stable so every part of the
// program names a command the same way.

// Commands
constexpr int ID_FILE_NEW = 57600;
constexpr int ID_FILE_OPEN = 57601;
constexpr int ID_FILE_SAVE = 57603;
constexpr int ID_FILE_SAVE_AS = 57604;
constexpr int ID_FILE_SAVE_ALL = 20004;
constexpr int ID_PAGE_DELETE = 20005;
constexpr int ID_EDIT_UNDO = 57643;
constexpr int ID_TOOLBAR_UNDO = 20000;
constexpr int ID_EDIT_REDO = 32772;
constexpr int ID_EDIT_COPY = 57634;
constexpr int ID_EDIT_CUT = 57635;
constexpr int ID_EDIT_PASTE = 57637;
constexpr int ID_TEXT_CUT = 20003;
constexpr int ID_TEXT_COPY = 20002;
constexpr int ID_TEXT_PASTE = 20001;
constexpr int ID_TOOL_TEXT = 10000;
constexpr int ID_TOOL_IMAGE = 10001;
constexpr int ID_TOOL_DRAW = 10002;
constexpr int ID_PEN_1 = 32777;
constexpr int ID_PEN_2 = 32782;
constexpr int ID_PEN_3 = 32783;
constexpr int ID_PEN_4 = 32784;
constexpr int ID_PEN_5 = 32785;
constexpr int ID_APP_ABOUT = 57664;
constexpr int ID_APP_EXIT = 57665;
constexpr int ID_VIEW_TOOLBAR = 59392;
constexpr int ID_VIEW_STATUS_BAR = 59393;
constexpr int ID_NEXT_PANE = 57680;
constexpr int ID_PREV_PANE = 57681;

// Tool modes held by the main frame
enum ToolMode : int { MODE_NONE = 0, MODE_IMAGE = 4, MODE_TEXT = 5, MODE_DRAW = 6 };

// Shapes held by the main frame
enum ShapeKind : int { SHAPE_NONE = 0, SHAPE_LINE = 1, SHAPE_RECT = 2, SHAPE_ELLIPSE = 3, SHAPE_ERASER = 4, SHAPE_FILL = 5 };
