#include "panel_fixture.h"

#include <QComboBox>
#include <QListWidget>

namespace {

enum class Set { Text, Shape, Both };
constexpr int kNaturalHeight = -1;  // a combo box is as high as its style makes it

struct ControlCase {
    const char* name;
    int id;
    Set set;
    QRect textRect;   // in pixels, with the text set shown
    QRect shapeRect;  // with the shape set shown
};

// Hand-converted from the dialog-unit template: x * 6 / 4 and y * 13 / 8, rounded.
const ControlCase kControls[] = {
    {"IDC_FONT_NAME", IDC_FONT_NAME, Set::Text, {12, 11, 123, kNaturalHeight}, {12, 11, 123, kNaturalHeight}},
    {"IDC_FONT_SIZE", IDC_FONT_SIZE, Set::Text, {143, 11, 48, kNaturalHeight}, {143, 11, 48, kNaturalHeight}},
    {"IDC_BOLD", IDC_BOLD, Set::Text, {11, 36, 17, 16}, {11, 36, 17, 16}},
    {"IDC_ITALIC", IDC_ITALIC, Set::Text, {35, 36, 17, 16}, {35, 36, 17, 16}},
    {"IDC_UNDERLINE", IDC_UNDERLINE, Set::Text, {59, 36, 17, 16}, {59, 36, 17, 16}},
    {"IDC_PALETTE", IDC_PALETTE, Set::Both, {20, 59, 160, 160}, {20, 34, 160, 160}},
    {"IDC_TEXT_COLOR", IDC_TEXT_COLOR, Set::Text, {96, 37, 17, 16}, {96, 37, 17, 16}},
    {"IDC_TEXT_BACK", IDC_TEXT_BACK, Set::Text, {122, 37, 17, 16}, {122, 37, 17, 16}},
    {"IDC_PAGE_LIST", IDC_PAGE_LIST, Set::Both, {11, 232, 180, 341}, {11, 207, 180, 341}},
    {"IDC_TOOL_FRAME", IDC_TOOL_FRAME, Set::Both, {5, 0, 191, 226}, {5, 0, 191, 201}},
    {"IDC_COLOR_SAMPLE", IDC_COLOR_SAMPLE, Set::Both, {144, 34, 45, 23}, {144, 9, 45, 23}},
    {"IDC_SHAPE_RECT", IDC_SHAPE_RECT, Set::Shape, {11, 11, 17, 16}, {11, 11, 17, 16}},
    {"IDC_SHAPE_LINE", IDC_SHAPE_LINE, Set::Shape, {33, 11, 17, 16}, {33, 11, 17, 16}},
    {"IDC_SHAPE_ELLIPSE", IDC_SHAPE_ELLIPSE, Set::Shape, {56, 11, 17, 16}, {56, 11, 17, 16}},
    {"IDC_SHAPE_ERASER", IDC_SHAPE_ERASER, Set::Shape, {81, 11, 17, 16}, {81, 11, 17, 16}},
    {"IDC_PEN_WIDTH", IDC_PEN_WIDTH, Set::Shape, {104, 11, 17, 16}, {104, 11, 17, 16}},
    {"IDC_SHAPE_FILL", IDC_SHAPE_FILL, Set::Shape, {126, 11, 17, 16}, {126, 11, 17, 16}},
};

class PanelControls : public PanelTest, public ::testing::WithParamInterface<ControlCase> {
protected:
    QWidget* Subject() const { return m_panel->findChild<QWidget*>(QString::fromLatin1(GetParam().name)); }

    void ExpectPlaced(const QRect& expected, Set hiddenIn) const
    {
        QWidget* control = Subject();
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control, Control(GetParam().id));
        QRect rect = expected;
        if (rect.height() == kNaturalHeight)
            rect.setHeight(control->sizeHint().height());
        EXPECT_EQ(control->geometry(), rect);
        EXPECT_EQ(control->isHidden(), GetParam().set == hiddenIn);
    }
};

TEST_P(PanelControls, StartAtTheTextLayout)
{
    ExpectPlaced(GetParam().textRect, Set::Shape);
}

TEST_P(PanelControls, DrawingToolShowsTheShapeLayout)
{
    SwitchTool(MODE_DRAW);
    ExpectPlaced(GetParam().shapeRect, Set::Text);
}

TEST_P(PanelControls, LeavingTheDrawingToolRestoresTheTextLayout)
{
    SwitchTool(MODE_DRAW);
    SwitchTool(MODE_NONE);
    ExpectPlaced(GetParam().textRect, Set::Shape);
}

INSTANTIATE_TEST_SUITE_P(Template, PanelControls, ::testing::ValuesIn(kControls),
                         [](const auto& info) { return std::string(info.param.name); });

// Every control's rectangle and visibility, in id order.
std::vector<std::pair<QRect, bool>> Layout(const CWorkPanel* panel)
{
    std::vector<std::pair<QRect, bool>> layout;
    for (const ControlCase& control : kControls)
        layout.emplace_back(panel->GetDlgItem(control.id)->geometry(), panel->GetDlgItem(control.id)->isHidden());
    return layout;
}

struct RepeatCase {
    const char* name;
    std::vector<int> before;  // tool modes switched to first
    int again;                // a mode whose set is already shown
};

class PanelSetAlreadyShown : public PanelTest, public ::testing::WithParamInterface<RepeatCase> {};

TEST_P(PanelSetAlreadyShown, MovesNothing)
{
    for (int mode : GetParam().before)
        SwitchTool(mode);
    const auto before = Layout(m_panel);
    SwitchTool(GetParam().again);
    EXPECT_EQ(Layout(m_panel), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, PanelSetAlreadyShown,
                         ::testing::Values(RepeatCase{"textToolAtStart", {}, MODE_TEXT},
                                           RepeatCase{"noToolAtStart", {}, MODE_NONE},
                                           RepeatCase{"drawingToolTwice", {MODE_DRAW}, MODE_DRAW},
                                           RepeatCase{"textToolAfterTextTool", {MODE_DRAW, MODE_TEXT}, MODE_TEXT}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PanelTest, SizeBoxListsTheSizesInOrderStartingAtEight)
{
    const QComboBox* sizes = m_panel->m_cmbFontSize;
    QStringList entries;
    for (int i = 0; i < sizes->count(); ++i)
        entries << sizes->itemText(i);
    EXPECT_EQ(entries, QString("8 10 12 14 16 18 20 22 24 26 28 30 32 36 40 44 48 52 58 66 72").split(' '));
    EXPECT_EQ(sizes->currentText(), "8");
    EXPECT_TRUE(sizes->isEditable());
}

}  // namespace
