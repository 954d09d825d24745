#include "panel/panel_fixture.h"

#include "canvas/myedit.h"
#include "panel/wndpickcolor.h"
#include "res/artwork.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QTest>

namespace {

class PanelFontTest : public PanelTest {
protected:
    void Choose(QComboBox* box, const QString& entry)
    {
        const int index = box->findText(entry);
        ASSERT_GE(index, 0) << entry.toStdString();
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    QFont BoxFont() const { return m_view->m_wndEdit->font(); }
};

TEST_F(PanelFontTest, NothingIsAppliedAtStart)
{
    EXPECT_EQ(m_panel->m_cmbFontName->currentIndex(), 0);
    EXPECT_EQ(m_panel->m_cmbFontSize->currentText(), "8");
    EXPECT_FALSE(m_view->m_font.has_value());
    EXPECT_EQ(BoxFont(), CMyEdit(nullptr).font());
}

TEST_F(PanelFontTest, FontListHoldsTheInstalledFamiliesSorted)
{
    QStringList shown;
    for (int i = 0; i < m_panel->m_cmbFontName->count(); ++i)
        shown << m_panel->m_cmbFontName->itemText(i);
    EXPECT_EQ(shown.size(), QFontDatabase::families().size());
    for (int i = 1; i < shown.size(); ++i)
        EXPECT_LE(shown[i - 1].compare(shown[i], Qt::CaseInsensitive), 0) << i;
    EXPECT_TRUE(shown.contains("DejaVu Sans"));
}

TEST_F(PanelFontTest, SizeIsTheCellHeightInPixels)
{
    for (const QString family : {"DejaVu Sans", "Liberation Sans", "Liberation Serif"}) {
        if (m_panel->m_cmbFontName->findText(family) < 0)
            continue;
        Choose(m_panel->m_cmbFontName, family);
        for (const QString size : {"72", "20"}) {
            Choose(m_panel->m_cmbFontSize, size);
            EXPECT_NEAR(QFontMetrics(BoxFont()).height(), size.toInt(), 1) << family.toStdString() << " " << size.toStdString();
            EXPECT_EQ(m_view->m_font->family(), family);
        }
    }
}

TEST_F(PanelFontTest, StyleButtonsToggleAndRebuildAtOnce)
{
    Choose(m_panel->m_cmbFontName, "DejaVu Sans");
    struct Toggle {
        int id;
        std::function<bool(const QFont&)> styled;
    };
    for (const Toggle& t : {Toggle{IDC_BOLD, [](const QFont& f) { return f.bold(); }},
                            Toggle{IDC_ITALIC, [](const QFont& f) { return f.italic(); }},
                            Toggle{IDC_UNDERLINE, [](const QFont& f) { return f.underline(); }}}) {
        QTest::mouseClick(Control(t.id), Qt::LeftButton);
        EXPECT_TRUE(t.styled(BoxFont())) << t.id;
        QTest::mouseClick(Control(t.id), Qt::LeftButton);
        EXPECT_FALSE(t.styled(BoxFont())) << t.id;
    }
}

TEST_F(PanelFontTest, TypingInTheClosedSizeBoxChangesNothingUntilAnEntryIsChosen)
{
    Choose(m_panel->m_cmbFontName, "DejaVu Sans");
    Choose(m_panel->m_cmbFontSize, "20");
    const QFont before = BoxFont();
    QLineEdit* edit = m_panel->m_cmbFontSize->lineEdit();
    edit->clear();
    QTest::keyClicks(edit, "13");
    EXPECT_EQ(BoxFont(), before);
    Choose(m_panel->m_cmbFontSize, "14");
    EXPECT_NEAR(QFontMetrics(BoxFont()).height(), 14, 1);
}

class PanelTextColourTest : public PanelTest {
protected:
    void ClickSwatch(int row, int column)
    {
        const int s = artwork::kPaletteSwatchSize;
        QTest::mouseClick(m_panel, Qt::LeftButton, {}, Control(IDC_PALETTE)->pos() + QPoint(column * s + s / 2, row * s + s / 2));
    }
    CMyEdit* Box() const { return m_view->m_wndEdit; }
};

TEST_F(PanelTextColourTest, TextColourFromASwatch)
{
    QTest::mouseClick(Control(IDC_TEXT_COLOR), Qt::LeftButton);
    ClickSwatch(0, 9);
    EXPECT_EQ(Box()->m_clrText, (sColor{255, 0, 0}));
    EXPECT_EQ(g_rgbSample, (sColor{255, 0, 0}));
    EXPECT_EQ(Box()->palette().color(QPalette::Text), QColor(255, 0, 0));
}

TEST_F(PanelTextColourTest, BlackTextIsKeptOneStepOffBlack)
{
    QTest::mouseClick(Control(IDC_TEXT_COLOR), Qt::LeftButton);
    ClickSwatch(0, 0);
    EXPECT_EQ(m_panel->m_rgbText, (sColor{0, 0, 0}));
    EXPECT_EQ(g_rgbSample, (sColor{0, 0, 0}));
    EXPECT_EQ(Box()->m_clrText, (sColor{1, 0, 0}));
}

TEST_F(PanelTextColourTest, OneSwatchServesTextAndBackground)
{
    QTest::mouseClick(Control(IDC_TEXT_COLOR), Qt::LeftButton);
    QTest::mouseClick(Control(IDC_TEXT_BACK), Qt::LeftButton);
    ClickSwatch(0, 11);
    EXPECT_EQ(Box()->m_clrText, (sColor{255, 255, 0}));
    EXPECT_EQ(Box()->m_clrBack, (sColor{255, 255, 0}));
}

TEST_F(PanelTextColourTest, ShapeRequestStaysPendingAcrossCanvasWorkAndPageSwitches)
{
    OpenPatternPage(200, 150, 1);
    OpenPatternPage(200, 150, 2);
    SwitchTool(MODE_DRAW);
    QTest::mouseClick(Control(IDC_SHAPE_RECT), Qt::LeftButton);
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, QPoint(300, 100));
    m_view->ShowPage(0);
    EXPECT_TRUE(m_panel->m_bPickRectColor);
    ClickSwatch(0, 12);
    EXPECT_EQ(m_view->m_previewRect.clr, (sColor{0, 0, 255}));
}

}  // namespace
