#include "support/frame_fixture.h"
#include "support/mouse.h"

#include "canvas/myedit.h"
#include "canvas/myimage.h"
#include "platform/qimage_view.h"

#include <QScrollBar>
#include <QPainter>
#include <QTest>

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kInk = qRgb(200, 30, 40);

class ToolsTest : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        OpenBlankPage(300, 200);
        m_view->m_previewLine.clr = m_view->m_previewRect.clr = m_view->m_previewEllipse.clr = {200, 30, 40};
        m_view->m_clrFill = m_view->m_clrEraser = {200, 30, 40};
    }
    QWidget* Canvas() const { return m_view->viewport(); }
    // Client point of page pixel (x, y), with the view not scrolled.
    QPoint AtPage(int x, int y) const { return QPoint(m_view->m_rectPage.left + x, m_view->m_rectPage.top + y); }
    QImage Current() const { return PageImage(m_view->m_nCurPage); }
    // A white page with draw applied, to compare against.
    QImage Expected(const std::function<void(const raster::PixelView&)>& draw) const
    {
        QImage image(Current().size(), QImage::Format_RGB32);
        image.fill(kWhite);
        draw(PixelViewOf(image));
        return image;
    }
    void Shape(int shape) { m_frame->m_nShape = shape; }
};

TEST_F(ToolsTest, PointsSnapToThePenGridFromTheClientOrigin)
{
    Shape(SHAPE_LINE);
    m_frame->m_nPenWidth = 5;
    SendPress(Canvas(), QPoint(12, 13));
    SendMove(Canvas(), QPoint(27, 31));
    EXPECT_EQ(m_view->m_previewLine.ptStart, CPoint(10, 10));
    EXPECT_EQ(m_view->m_previewLine.ptEnd, CPoint(25, 30));
    m_frame->m_nPenWidth = 1;
    EXPECT_EQ(m_view->Snap(CPoint(27, 31)), CPoint(27, 31));
}

TEST_F(ToolsTest, CommittedShapesAreOnePixelStrokesOnThePage)
{
    struct Case {
        const char* name;
        int shape;
        QPoint from, to;  // page pixels
        std::function<void(const raster::PixelView&)> draw;
    };
    const Pixel ink = PixelFromColor(RGB(200, 30, 40));
    const std::vector<Case> cases = {
        {"line", SHAPE_LINE, {10, 20}, {90, 61}, [&](auto& v) { raster::DrawLine(v, {10, 20}, {90, 61}, ink); }},
        {"lineBackwards", SHAPE_LINE, {90, 61}, {10, 20}, [&](auto& v) { raster::DrawLine(v, {90, 61}, {10, 20}, ink); }},
        {"rectangle", SHAPE_RECT, {10, 20}, {90, 61}, [&](auto& v) { raster::FrameRect(v, {10, 20, 90, 61}, ink); }},
        {"rectangleUpLeft", SHAPE_RECT, {90, 61}, {10, 20}, [&](auto& v) { raster::FrameRect(v, {10, 20, 90, 61}, ink); }},
        {"ellipse", SHAPE_ELLIPSE, {90, 61}, {10, 20}, [&](auto& v) { raster::DrawEllipse(v, {10, 20, 90, 61}, ink); }},
    };
    for (const Case& c : cases) {
        Shape(c.shape);
        SendDrag(Canvas(), AtPage(c.from.x(), c.from.y()), {AtPage(c.to.x(), c.to.y())});
        EXPECT_EQ(Current(), Expected(c.draw)) << c.name;
        m_frame->RouteCommand(ID_EDIT_UNDO);
        EXPECT_EQ(Current(), Expected([](auto&) {})) << c.name;
    }
}

TEST_F(ToolsTest, RubberBandShowsExactlyWhatIsCommitted)
{
    Shape(SHAPE_ELLIPSE);
    SendPress(Canvas(), AtPage(20, 30));
    SendMove(Canvas(), AtPage(140, 101));
    const QImage screen = Canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    SendRelease(Canvas(), AtPage(140, 101));
    const QRect pageOnScreen(AtPage(0, 0), Current().size());
    EXPECT_EQ(screen.copy(pageOnScreen), Current());
}

TEST_F(ToolsTest, UndoTakesAwayEveryPixelOfALine)
{
    Shape(SHAPE_LINE);
    for (auto [from, to] : {std::pair{AtPage(10, 50), AtPage(80, 50)}, std::pair{AtPage(80, 50), AtPage(10, 50)},
                            std::pair{AtPage(30, 10), AtPage(30, 90)}, std::pair{AtPage(0, 0), AtPage(1, 4)}}) {
        SendDrag(Canvas(), from, {to});
        ASSERT_EQ(Current().pixel(from - AtPage(0, 0)), kInk);
        m_frame->RouteCommand(ID_EDIT_UNDO);
        EXPECT_EQ(Current(), Expected([](auto&) {})) << from.x() << "," << from.y();
    }
}

TEST_F(ToolsTest, RightPressCancelsWithoutAnUndoStep)
{
    Shape(SHAPE_RECT);
    SendPress(Canvas(), AtPage(10, 10));
    SendMove(Canvas(), AtPage(50, 50));
    SendPress(Canvas(), AtPage(50, 50), Qt::RightButton);
    SendRelease(Canvas(), AtPage(50, 50));
    EXPECT_FALSE(m_view->m_previewRect.bActive);
    EXPECT_EQ(m_view->m_undoList.m_nCount, 0);
    EXPECT_EQ(Current(), Expected([](auto&) {}));
}

TEST_F(ToolsTest, EndPointFreezesPastTheRightAndBottomEdgesOnly)
{
    Shape(SHAPE_LINE);
    SendPress(Canvas(), AtPage(100, 100));
    struct Step {
        const char* name;
        QPoint to;
        QPoint expectedEnd;
    };
    const QPoint inside = AtPage(150, 150);
    for (const Step& s : {Step{"inside", inside, inside}, Step{"pastRight", AtPage(300, 120), inside},
                          Step{"pastBottom", AtPage(120, 200), inside}, Step{"pastLeft", AtPage(-5, 120), AtPage(-5, 120)},
                          Step{"pastTop", AtPage(120, -5), AtPage(120, -5)}}) {
        SendMove(Canvas(), s.to);
        EXPECT_EQ(m_view->m_previewLine.ptEnd, CPoint(s.expectedEnd)) << s.name;
    }
}

TEST_F(ToolsTest, EraserPaintsOneSquarePerMoveAndNoneWithoutMoving)
{
    Shape(SHAPE_ERASER);
    SendPress(Canvas(), AtPage(50, 50));
    EXPECT_EQ(m_view->m_undoList.m_nCount, 0);
    SendMove(Canvas(), AtPage(50, 50));
    SendMove(Canvas(), AtPage(60, 52));
    SendRelease(Canvas(), AtPage(60, 52));
    SendMove(Canvas(), AtPage(70, 52), Qt::NoButton);
    EXPECT_EQ(m_view->m_undoList.m_nCount, 2);
    const Pixel ink = PixelFromColor(RGB(200, 30, 40));
    EXPECT_EQ(Current(), Expected([&](auto& v) {
                  raster::FillRect(v, {48, 48, 52, 52}, ink);
                  raster::FillRect(v, {58, 50, 62, 54}, ink);
              }));
    m_frame->RouteCommand(ID_EDIT_UNDO);
    EXPECT_EQ(Current(), Expected([&](auto& v) { raster::FillRect(v, {48, 48, 52, 52}, ink); }));
}

TEST_F(ToolsTest, FillOnAPageLargerThanTheWindowUndoesExactly)
{
    QImage page = PatternImage(2500, 1800);
    QPainter(&page).fillRect(100, 100, 2300, 1600, Qt::white);
    AnswerFileDialogs({WriteImageFile(TempPath("big.png"), page)});
    m_frame->RouteCommand(ID_FILE_OPEN);
    const QImage before = Current();
    m_view->horizontalScrollBar()->setValue(900);
    m_view->verticalScrollBar()->setValue(700);
    Shape(SHAPE_FILL);
    SendPress(Canvas(), QPoint(30, 30));
    SendRelease(Canvas(), QPoint(30, 30));
    const QImage filled = Current();
    EXPECT_EQ(filled.pixel(100, 100), kInk);
    EXPECT_EQ(filled.pixel(2399, 1699), kInk);
    EXPECT_EQ(filled.pixel(99, 100), before.pixel(99, 100));
    m_frame->RouteCommand(ID_EDIT_UNDO);
    EXPECT_EQ(Current(), before);
    m_frame->RouteCommand(ID_EDIT_REDO);
    EXPECT_EQ(Current(), filled);
}

TEST_F(ToolsTest, FillOutsideThePageStillRecordsItsStep)
{
    Shape(SHAPE_FILL);
    SendPress(Canvas(), QPoint(2, 2));  // on the grey band
    EXPECT_EQ(m_view->m_undoList.m_nCount, 1);
    EXPECT_EQ(Current(), Expected([](auto&) {}));
}

TEST_F(ToolsTest, DrawToolTogglesAndDiscardsOpenOverlays)
{
    m_frame->RouteCommand(ID_TOOL_TEXT);
    ASSERT_TRUE(m_view->IsTextBoxVisible());
    QTest::keyClicks(m_view->m_wndEdit, "gone");
    m_frame->RouteCommand(ID_TOOL_DRAW);
    EXPECT_EQ(m_frame->m_nToolMode, MODE_DRAW);
    EXPECT_TRUE(IsChecked(ID_TOOL_DRAW));
    EXPECT_FALSE(m_view->IsTextBoxVisible());
    EXPECT_EQ(m_view->m_undoList.m_nCount, 0);
    EXPECT_EQ(Current(), Expected([](auto&) {}));
    m_frame->RouteCommand(ID_TOOL_DRAW);
    EXPECT_EQ(m_frame->m_nToolMode, MODE_NONE);
    EXPECT_FALSE(IsChecked(ID_TOOL_DRAW));
}

TEST_F(ToolsTest, DrawToolIsDisabledWithoutPages)
{
    EXPECT_TRUE(IsEnabled(ID_TOOL_DRAW));
    m_frame->RouteCommand(ID_PAGE_DELETE);
    EXPECT_FALSE(IsEnabled(ID_TOOL_DRAW));
}

class FrameTrackingTest : public ToolsTest {
protected:
    // Opens the text box at page (40, 40)-(140, 100).
    void OpenTextBox()
    {
        m_view->m_rectEdit = CRect(40, 40, 140, 100) + m_view->m_rectPage.TopLeft();
        m_frame->RouteCommand(ID_TOOL_TEXT);
        ASSERT_TRUE(m_view->IsTextBoxVisible());
    }
    QPoint BorderTopMiddle() const
    {
        const CRect r = m_view->m_rectEdit;
        return QPoint((r.left + r.right) / 2 + 20, r.top - 3);
    }
};

TEST_F(FrameTrackingTest, DraggingPastTheRightEdgeKeepsTheWidth)
{
    OpenTextBox();
    const QPoint grab = BorderTopMiddle();
    SendDrag(Canvas(), grab, {grab + QPoint(400, 0)});
    EXPECT_EQ(m_view->m_rectEdit.right, m_view->m_rectPage.right);
    EXPECT_EQ(m_view->m_rectEdit.Width(), 100);
    EXPECT_EQ(CRect(m_view->m_wndEdit->geometry()), m_view->m_rectEdit);
    const QPoint again = BorderTopMiddle();
    SendDrag(Canvas(), again, {again - QPoint(600, 0)});
    EXPECT_EQ(m_view->m_rectEdit.left, m_view->m_rectPage.left);
    EXPECT_EQ(m_view->m_rectEdit.Width(), 100);
}

TEST_F(FrameTrackingTest, KeepAspectFrameShrunkFromTheRightHandleHalvesItsHeight)
{
    QImage picture(120, 60, QImage::Format_ARGB32);
    picture.fill(Qt::blue);
    AnswerFileDialogs({WriteImageFile(TempPath("pic.png"), picture)});
    m_view->m_rectImage = CRect(CPoint(20, 20) + m_view->m_rectPage.TopLeft(), CSize(10, 10));
    m_frame->RouteCommand(ID_TOOL_IMAGE);
    ASSERT_TRUE(m_view->IsPictureVisible());
    const CRect r = m_view->m_rectImage;
    ASSERT_EQ(r.Size(), CSize(120, 60));
    const QPoint rightHandle(r.right + 1, (r.top + r.bottom) / 2);
    SendDrag(Canvas(), rightHandle, {rightHandle - QPoint(60, 0)});
    EXPECT_EQ(m_view->m_rectImage, CRect(r.left, r.top, r.left + 60, r.top + 30));
}

TEST_F(FrameTrackingTest, EscDuringADragKeepsTheOverlayAndTheShapeStarts)
{
    OpenTextBox();
    Shape(SHAPE_FILL);
    const QPoint grab = BorderTopMiddle();
    SendPress(Canvas(), grab);
    SendMove(Canvas(), grab + QPoint(30, 20));
    const CRect moved = m_view->m_rectEdit;
    ASSERT_NE(moved.left, 40 + m_view->m_rectPage.left);
    QTest::keyClick(m_view->m_wndEdit, Qt::Key_Escape);  // the keyboard stays in the box
    EXPECT_TRUE(m_view->IsTextBoxVisible());
    EXPECT_EQ(m_view->m_rectEdit, moved);
    EXPECT_EQ(m_view->m_undoList.m_nCount, 1);  // the fill at the press point
    SendRelease(Canvas(), grab + QPoint(30, 20));
}

TEST_F(FrameTrackingTest, PressOnTheFrameThatMovesNothingFallsThroughToTheFill)
{
    OpenTextBox();
    Shape(SHAPE_FILL);
    const QPoint grab = BorderTopMiddle();
    SendPress(Canvas(), grab);
    SendRelease(Canvas(), grab);
    EXPECT_EQ(m_view->m_undoList.m_nCount, 1);
    EXPECT_EQ(Current().pixel(0, 0), kInk);
}

TEST_F(FrameTrackingTest, LineDrawsOutsideTheTextBoxWhileTheTextToolIsOn)
{
    OpenTextBox();
    Shape(SHAPE_LINE);
    SendDrag(Canvas(), AtPage(150, 120), {AtPage(250, 180)});
    EXPECT_EQ(Current().pixel(150, 120), kInk);
    EXPECT_TRUE(m_view->IsTextBoxVisible());
}

TEST_F(FrameTrackingTest, HoverShowsTheHandleCursors)
{
    OpenTextBox();
    const CRect r = m_view->m_rectEdit;
    struct Case {
        QPoint at;
        Qt::CursorShape cursor;
    };
    for (const Case& c : {Case{{r.left - 2, r.top - 2}, Qt::SizeFDiagCursor}, Case{{r.right + 2, r.top - 2}, Qt::SizeBDiagCursor},
                          Case{BorderTopMiddle(), Qt::SizeAllCursor}, Case{{r.right + 40, r.bottom + 40}, Qt::ArrowCursor}}) {
        SendMove(Canvas(), c.at, Qt::NoButton);
        EXPECT_EQ(Canvas()->cursor().shape(), c.cursor) << c.at.x() << "," << c.at.y();
    }
}

}  // namespace
