#include "panel_fixture.h"

#include "panel/wndpickcolor.h"
#include "platform/popupmenu.h"
#include "res/artwork.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {

bool ShowsPipette(const QWidget* widget)
{
    return widget->cursor().shape() == Qt::BitmapCursor &&
           widget->cursor().hotSpot() == QPoint(artwork::kPipetteHotX, artwork::kPipetteHotY);
}

sColor ColourAt(QWidget* widget, QPoint point)
{
    return SColorFromPixel(widget->grab(QRect(point, QSize(1, 1))).toImage().pixel(0, 0));
}

struct PickButtonCase {
    const char* name;
    int id;
    int toolMode;  // shows the set the button belongs to
    int shapeAfter;
    bool CWorkPanel::*request;
    sColor CWorkPanel::*remembered;
};

const PickButtonCase kPickButtons[] = {
    {"rect", IDC_SHAPE_RECT, MODE_DRAW, SHAPE_RECT, &CWorkPanel::m_bPickRectColor, &CWorkPanel::m_rgbRect},
    {"line", IDC_SHAPE_LINE, MODE_DRAW, SHAPE_LINE, &CWorkPanel::m_bPickLineColor, &CWorkPanel::m_rgbLine},
    {"ellipse", IDC_SHAPE_ELLIPSE, MODE_DRAW, SHAPE_ELLIPSE, &CWorkPanel::m_bPickEllipseColor, &CWorkPanel::m_rgbEllipse},
    {"eraser", IDC_SHAPE_ERASER, MODE_DRAW, SHAPE_ERASER, &CWorkPanel::m_bPickEraserColor, &CWorkPanel::m_rgbEraser},
    {"fill", IDC_SHAPE_FILL, MODE_DRAW, SHAPE_FILL, &CWorkPanel::m_bPickFillColor, &CWorkPanel::m_rgbFill},
    {"textColor", IDC_TEXT_COLOR, MODE_TEXT, SHAPE_NONE, &CWorkPanel::m_bPickTextColor, &CWorkPanel::m_rgbText},
    {"textBack", IDC_TEXT_BACK, MODE_TEXT, SHAPE_NONE, &CWorkPanel::m_bPickBackColor, &CWorkPanel::m_rgbBack},
};

class PanelPickButton : public PanelTest, public ::testing::WithParamInterface<PickButtonCase> {};

TEST_P(PanelPickButton, RaisesItsRequestAndShowsItsColourUnderThePipette)
{
    const PickButtonCase& button = GetParam();
    SwitchTool(button.toolMode);
    const sColor remembered{30, 140, 220};
    m_panel->*button.remembered = remembered;
    QTest::mouseClick(Control(button.id), Qt::LeftButton);
    EXPECT_EQ(m_frame->m_nShape, button.shapeAfter);
    EXPECT_TRUE(m_panel->*button.request);
    const QWidget* sample = m_panel->m_wndColorSample;
    EXPECT_EQ(ColourAt(m_panel->m_wndColorSample, sample->rect().center()), remembered);
    EXPECT_TRUE(ShowsPipette(m_panel));
    EXPECT_TRUE(ShowsPipette(m_panel->m_cmbFontName->lineEdit()));
}

INSTANTIATE_TEST_SUITE_P(Buttons, PanelPickButton, ::testing::ValuesIn(kPickButtons),
                         [](const auto& info) { return std::string(info.param.name); });

// One click on the palette answers every pending request with the swatch's colour.
struct SwatchCase {
    const char* name;
    int row;
    int column;
};

class PanelPaletteClick : public PanelTest, public ::testing::WithParamInterface<SwatchCase> {};

TEST_P(PanelPaletteClick, ServesEveryPendingShapeRequest)
{
    SwitchTool(MODE_DRAW);
    for (int id : {IDC_SHAPE_RECT, IDC_SHAPE_LINE, IDC_SHAPE_ELLIPSE, IDC_SHAPE_ERASER, IDC_SHAPE_FILL})
        QTest::mouseClick(Control(id), Qt::LeftButton);
    const int swatch = artwork::kPaletteSwatchSize;
    const QPoint point =
        Control(IDC_PALETTE)->pos() + QPoint(GetParam().column * swatch + swatch / 2, GetParam().row * swatch + swatch / 2);
    QTest::mouseClick(m_panel, Qt::LeftButton, {}, point);

    const sColor picked = artwork::PaletteSwatch(GetParam().row, GetParam().column);
    const std::vector<sColor> all(5, picked);
    EXPECT_EQ((std::vector<sColor>{m_view->m_previewRect.clr, m_view->m_previewLine.clr, m_view->m_previewEllipse.clr,
                                   m_view->m_clrEraser, m_view->m_clrFill}),
              all);
    EXPECT_EQ((std::vector<sColor>{m_panel->m_rgbRect, m_panel->m_rgbLine, m_panel->m_rgbEllipse, m_panel->m_rgbEraser,
                                   m_panel->m_rgbFill}),
              all);
    EXPECT_EQ((std::vector<bool>{m_panel->m_bPickRectColor, m_panel->m_bPickLineColor, m_panel->m_bPickEllipseColor,
                                 m_panel->m_bPickEraserColor, m_panel->m_bPickFillColor}),
              std::vector<bool>(5, false));
    EXPECT_EQ(g_rgbSample, picked);
    EXPECT_EQ(m_panel->cursor().shape(), Qt::ArrowCursor);
}

INSTANTIATE_TEST_SUITE_P(Swatches, PanelPaletteClick,
                         ::testing::Values(SwatchCase{"black", 0, 0}, SwatchCase{"classicRed", 0, 9},
                                           SwatchCase{"greyRamp", 1, 6}, SwatchCase{"hueTint", 9, 13},
                                           SwatchCase{"lastSwatch", 15, 15}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PanelTest, ClickOnTheBareBackgroundPicksTheBackgroundColour)
{
    QTest::mouseClick(Control(IDC_TEXT_COLOR), Qt::LeftButton);
    QTest::mouseClick(Control(IDC_TEXT_BACK), Qt::LeftButton);
    const QPoint belowTheList(CWorkPanel::kWidth / 2, CWorkPanel::kHeight - 4);
    QTest::mouseClick(m_panel, Qt::LeftButton, {}, belowTheList);
    const QColor window = m_panel->palette().color(QPalette::Window);
    const sColor background{uint8_t(window.red()), uint8_t(window.green()), uint8_t(window.blue())};
    EXPECT_EQ(m_panel->m_rgbText, background);
    EXPECT_EQ(m_panel->m_rgbBack, background);
    EXPECT_FALSE(m_panel->m_bPickTextColor || m_panel->m_bPickBackColor);
}

TEST_F(PanelTest, ClickWithoutARequestChangesNoColour)
{
    const sColor before = m_view->m_previewRect.clr;
    QTest::mouseClick(m_panel, Qt::LeftButton, {}, Control(IDC_PALETTE)->geometry().center());
    EXPECT_EQ(m_view->m_previewRect.clr, before);
    EXPECT_EQ(m_panel->m_rgbRect, sColor{});
}

// Answers the pen-width menu for as long as it lives.
class MenuAnswer {
public:
    explicit MenuAnswer(int chosenId)
    {
        platform::PopupMenuSeam() = [this, chosenId](const platform::PopupMenuCall& call) {
            m_calls.push_back(call);
            return chosenId;
        };
    }
    ~MenuAnswer() { platform::PopupMenuSeam() = nullptr; }

    std::vector<platform::PopupMenuCall> m_calls;
};

struct PenCase {
    const char* name;
    int answer;  // 0: the menu is dismissed
    int widthAfter;
};

class PanelPenWidth : public PanelTest, public ::testing::WithParamInterface<PenCase> {};

TEST_P(PanelPenWidth, MenuMarksTheCurrentWidthAndAppliesTheChoice)
{
    SwitchTool(MODE_DRAW);
    m_frame->m_nPenWidth = 3;
    MenuAnswer menu(GetParam().answer);
    QTest::mouseClick(Control(IDC_PEN_WIDTH), Qt::LeftButton);
    ASSERT_EQ(menu.m_calls.size(), 1u);
    std::vector<QString> texts;
    std::vector<int> checkedIds;
    for (const platform::PopupMenuItem& item : menu.m_calls[0].items) {
        texts.push_back(item.text);
        if (item.checked)
            checkedIds.push_back(item.id);
    }
    EXPECT_EQ(texts, (std::vector<QString>{"1 Pixel", "2 Pixels", "3 Pixels", "4 Pixels", "5 Pixels"}));
    EXPECT_EQ(checkedIds, std::vector<int>{ID_PEN_3});
    EXPECT_EQ(m_frame->m_nPenWidth, GetParam().widthAfter);
}

INSTANTIATE_TEST_SUITE_P(Cases, PanelPenWidth,
                         ::testing::Values(PenCase{"chooseFive", ID_PEN_5, 5}, PenCase{"chooseOne", ID_PEN_1, 1},
                                           PenCase{"dismissed", 0, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PanelTest, DoubleClickOnAToolButtonIsOneClick)
{
    SwitchTool(MODE_DRAW);
    MenuAnswer menu(0);
    // Through the window, as the system delivers it: press, release, press, release.
    QWidget* button = Control(IDC_PEN_WIDTH);
    QTest::mouseDClick(m_frame->windowHandle(), Qt::LeftButton, {}, button->mapTo(m_frame.get(), button->rect().center()));
    EXPECT_EQ(menu.m_calls.size(), 1u);
}

}  // namespace
