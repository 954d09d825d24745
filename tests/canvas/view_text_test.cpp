#include "support/frame_fixture.h"

#include "canvas/myedit.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QTest>

namespace {

const QRgb kWhite = qRgb(255, 255, 255);

class TextTest : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        OpenBlankPage(400, 300);
        QFont big(QStringLiteral("DejaVu Sans"));
        big.setPixelSize(40);
        m_view->m_font = big;
        Box()->ApplyFont(big);
    }
    CMyEdit* Box() const { return m_view->m_wndEdit; }
    QImage Current() const { return PageImage(m_view->m_nCurPage); }
    // Opens the text box over page pixels (x, y) of size w x h and types text.
    void OpenBox(int x, int y, int w, int h, const QString& text)
    {
        m_view->m_rectEdit = CRect(CPoint(x, y) + m_view->m_rectPage.TopLeft(), CSize(w, h));
        m_frame->RouteCommand(ID_TOOL_TEXT);
        ASSERT_TRUE(m_view->IsTextBoxVisible());
        QTest::keyClicks(Box(), text);
    }
    void PressF2() { QTest::keyClick(Box(), Qt::Key_F2); }
    // Pixels of the page that differ from white, inside and outside rect.
    static std::pair<int, int> ChangedInsideOutside(const QImage& page, const QRect& rect)
    {
        int inside = 0, outside = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (page.pixel(x, y) != kWhite)
                    ++(rect.contains(x, y) ? inside : outside);
        return {inside, outside};
    }
};

TEST_F(TextTest, BlackTextLandsAsNearBlackAndOnlyGlyphsChange)
{
    OpenBox(50, 60, 200, 60, "Hi");
    PressF2();
    const QImage page = Current();
    const auto [inside, outside] = ChangedInsideOutside(page, QRect(50, 60, 200, 60));
    EXPECT_GT(inside, 50);
    EXPECT_LT(inside, 200 * 60 / 2);
    EXPECT_EQ(outside, 0);
    int darkest = 255 * 3;
    for (int y = 60; y < 120; ++y)
        for (int x = 50; x < 250; ++x) {
            const QRgb p = page.pixel(x, y);
            EXPECT_NE(p & 0xFFFFFF, 0u) << "pure black at " << x << "," << y;
            darkest = std::min(darkest, qRed(p) + qGreen(p) + qBlue(p));
        }
    EXPECT_EQ(darkest, 1);  // the text colour (1, 0, 0)
}

TEST_F(TextTest, BackgroundColourFillsTheWholeBox)
{
    OpenBox(50, 60, 200, 60, "Hi");
    Box()->m_clrBack = {255, 255, 0};
    Box()->UpdateColors();
    PressF2();
    const QImage page = Current();
    EXPECT_EQ(page.pixel(50, 60), qRgb(255, 255, 0));
    EXPECT_EQ(page.pixel(249, 119), qRgb(255, 255, 0));
    EXPECT_EQ(page.pixel(250, 119), kWhite);
    EXPECT_EQ(page.pixel(249, 120), kWhite);
    EXPECT_EQ(page.pixel(49, 60), kWhite);
}

TEST_F(TextTest, FixingMatchesWhatTheBoxShows)
{
    OpenBox(50, 60, 200, 60, "Ag");
    Box()->m_clrText = {20, 90, 200};
    Box()->UpdateColors();
    Box()->setTextCursor(QTextCursor(Box()->document()));  // caret at the start, no selection
    Box()->setCursorWidth(0);
    const QImage shown = m_view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Inset by the frame's handles, which show through the see-through box but are not part of it.
    const QRect inner = m_view->m_rectEdit.ToQRect().adjusted(5, 5, -5, -5);
    PressF2();
    EXPECT_EQ(Current().copy(inner.translated(-m_view->m_rectPage.left, -m_view->m_rectPage.top)), shown.copy(inner));
}

TEST_F(TextTest, F2EndsTheToolWithOneUndoStepAndEscKeepsIt)
{
    OpenBox(50, 60, 200, 60, "Hi");
    QTest::keyClick(Box(), Qt::Key_Escape);
    EXPECT_FALSE(m_view->IsTextBoxVisible());
    EXPECT_EQ(m_frame->m_nToolMode, MODE_TEXT);
    EXPECT_TRUE(IsChecked(ID_TOOL_TEXT));
    EXPECT_EQ(ChangedInsideOutside(Current(), QRect()).second, 0);
    EXPECT_EQ(m_view->m_undoList.m_nCount, 0);

    m_frame->RouteCommand(ID_TOOL_TEXT);  // off
    EXPECT_EQ(m_frame->m_nToolMode, MODE_NONE);
    OpenBox(50, 60, 200, 60, "Hi");
    PressF2();
    EXPECT_EQ(m_frame->m_nToolMode, MODE_NONE);
    EXPECT_FALSE(IsChecked(ID_TOOL_TEXT));
    EXPECT_EQ(m_view->m_undoList.m_nCount, 1);
    m_frame->RouteCommand(ID_EDIT_UNDO);
    EXPECT_EQ(ChangedInsideOutside(Current(), QRect()).second, 0);
}

TEST_F(TextTest, ReopenedBoxIsEmptyClearAndInsideThePage)
{
    OpenBox(50, 60, 200, 60, "Hi");
    Box()->m_clrBack = {255, 255, 0};
    m_view->m_rectEdit = CRect(CPoint(350, 280) + m_view->m_rectPage.TopLeft(), CSize(200, 60));
    QTest::keyClick(Box(), Qt::Key_Escape);
    m_frame->RouteCommand(ID_TOOL_TEXT);  // off
    m_frame->RouteCommand(ID_TOOL_TEXT);  // on again
    EXPECT_TRUE(Box()->toPlainText().isEmpty());
    EXPECT_TRUE(Box()->m_clrBack.IsBlack());
    EXPECT_EQ(m_view->m_rectEdit, CRect(CPoint(200, 240) + m_view->m_rectPage.TopLeft(), CSize(200, 60)));
}

TEST_F(TextTest, BoxRefusesLinesItCannotShowUntilEnlarged)
{
    const int line = QFontMetrics(Box()->font()).lineSpacing();
    OpenBox(20, 20, 300, 2 * line + line / 2, "one");
    QTest::keyClick(Box(), Qt::Key_Return);
    QTest::keyClicks(Box(), "two");
    QTest::keyClick(Box(), Qt::Key_Return);
    EXPECT_EQ(Box()->toPlainText(), "one\ntwo");
    m_view->m_rectEdit.bottom += 2 * line;
    m_view->PlaceOverlay(m_view->m_rectEdit);
    QTest::keyClick(Box(), Qt::Key_Return);
    QTest::keyClicks(Box(), "three");
    EXPECT_EQ(Box()->toPlainText(), "one\ntwo\nthree");
}

TEST_F(TextTest, ClipboardCommandsFollowSelectionAndClipboard)
{
    EXPECT_FALSE(IsEnabled(ID_TEXT_COPY));
    QApplication::clipboard()->clear();
    OpenBox(20, 20, 300, 60, "word");
    EXPECT_FALSE(IsEnabled(ID_TEXT_CUT));
    EXPECT_FALSE(IsEnabled(ID_TEXT_COPY));
    EXPECT_FALSE(IsEnabled(ID_TEXT_PASTE));
    Box()->selectAll();
    EXPECT_TRUE(IsEnabled(ID_TEXT_COPY));
    m_frame->RouteCommand(ID_TEXT_CUT);
    EXPECT_TRUE(Box()->toPlainText().isEmpty());
    EXPECT_TRUE(IsEnabled(ID_TEXT_PASTE));
    m_frame->RouteCommand(ID_TEXT_PASTE);
    m_frame->RouteCommand(ID_TEXT_PASTE);
    EXPECT_EQ(Box()->toPlainText(), "wordword");
    QTest::keyClick(Box(), Qt::Key_Escape);
    EXPECT_FALSE(IsEnabled(ID_TEXT_PASTE));
}

TEST_F(TextTest, BoxPartlyScrolledOutOfViewIsFixedWhole)
{
    QImage tall(400, 3000, QImage::Format_RGB32);
    tall.fill(kWhite);
    AnswerFileDialogs({WriteImageFile(TempPath("tall.png"), tall)});
    m_frame->RouteCommand(ID_FILE_OPEN);
    OpenBox(50, 60, 200, 60, "Hi");
    const QImage reference = [this] {
        QImage box(200, 60, QImage::Format_RGB32);
        box.fill(kWhite);
        Box()->RenderContents(box);
        return box;
    }();
    m_view->verticalScrollBar()->setValue(130);  // the box's top half is out of view
    PressF2();
    EXPECT_EQ(Current().copy(50, 60, 200, 60), reference);
}

TEST_F(TextTest, TextToolIsDisabledWithoutPage)
{
    EXPECT_TRUE(IsEnabled(ID_TOOL_TEXT));
    m_frame->RouteCommand(ID_PAGE_DELETE);
    EXPECT_FALSE(IsEnabled(ID_TOOL_TEXT));
}

}  // namespace
