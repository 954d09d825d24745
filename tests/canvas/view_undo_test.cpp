#include "support/frame_fixture.h"

#include "platform/qimage_view.h"

#include <QApplication>
#include <QScrollBar>
#include <QStatusBar>

namespace {

class UndoTest : public FrameTest {
protected:
    // One editing step as every tool makes it: record, change the page, record again.
    void FillStep(CRect docRect, QRgb color)
    {
        m_view->SaveUndo(docRect);
        raster::FillRect(m_view->PagePixels(), docRect - m_view->m_rectPage.TopLeft(), color);
        m_view->SaveRedo(docRect);
    }
    QImage Current() const { return PageImage(m_view->m_nCurPage); }
    CRect Doc(int l, int t, int r, int b) const { return CRect(l, t, r, b) + m_view->m_rectPage.TopLeft(); }
};

TEST_F(UndoTest, WorkedExampleOfTwoEditsUndoneRedoneAndReplaced)
{
    OpenPatternPage(60, 40);
    const QImage start = Current();
    FillStep(Doc(5, 5, 30, 20), qRgb(255, 0, 0));
    const QImage afterA = Current();
    FillStep(Doc(20, 10, 50, 35), qRgb(0, 255, 0));

    m_frame->RouteCommand(ID_EDIT_UNDO);
    EXPECT_EQ(m_view->m_nUndoPos, 1);
    EXPECT_EQ(Current(), afterA);
    m_frame->RouteCommand(ID_TOOLBAR_UNDO);
    EXPECT_EQ(m_view->m_nUndoPos, 0);
    EXPECT_EQ(Current(), start);
    m_frame->RouteCommand(ID_EDIT_REDO);
    EXPECT_EQ(m_view->m_nUndoPos, 1);
    EXPECT_EQ(Current(), afterA);

    FillStep(Doc(0, 0, 10, 10), qRgb(0, 0, 255));
    EXPECT_EQ(m_view->m_undoList.m_nCount, 2);
    EXPECT_EQ(m_view->m_redoList.m_nCount, 2);
    EXPECT_EQ(m_view->m_nUndoPos, 2);
    EXPECT_FALSE(IsEnabled(ID_EDIT_REDO));
    const QImage afterC = Current();
    m_frame->RouteCommand(ID_EDIT_UNDO);
    EXPECT_EQ(Current(), afterA);
    m_frame->RouteCommand(ID_EDIT_REDO);
    EXPECT_EQ(Current(), afterC);
}

TEST_F(UndoTest, EmptyRectangleMovesThePositionOnly)
{
    OpenPatternPage(60, 40);
    const QImage start = Current();
    FillStep(Doc(10, 10, 10, 30), qRgb(255, 0, 0));
    EXPECT_EQ(m_view->m_undoList.GetAt(0)->StoredBytes(), 0u);
    EXPECT_EQ(m_view->m_nUndoPos, 1);
    m_frame->RouteCommand(ID_EDIT_UNDO);
    EXPECT_EQ(m_view->m_nUndoPos, 0);
    EXPECT_EQ(Current(), start);
}

TEST_F(UndoTest, EnableRulesFollowThePosition)
{
    OpenPatternPage(60, 40);
    struct State {
        const char* name;
        std::function<void()> reach;
        bool undo;
        bool redo;
    };
    const std::vector<State> states = {
        {"empty", [] {}, false, false},
        {"latest", [this] { FillStep(Doc(0, 0, 5, 5), qRgb(1, 2, 3)); FillStep(Doc(0, 0, 6, 6), qRgb(4, 5, 6)); }, true, false},
        {"between", [this] { m_frame->RouteCommand(ID_EDIT_UNDO); }, true, true},
        {"allUndone", [this] { m_frame->RouteCommand(ID_EDIT_UNDO); }, false, true},
    };
    for (const State& state : states) {
        state.reach();
        EXPECT_EQ(IsEnabled(ID_EDIT_UNDO), state.undo) << state.name;
        EXPECT_EQ(IsEnabled(ID_TOOLBAR_UNDO), state.undo) << state.name;
        EXPECT_EQ(IsEnabled(ID_EDIT_REDO), state.redo) << state.name;
    }
}

TEST_F(UndoTest, UndoAtPositionZeroDoesNothing)
{
    OpenPatternPage(60, 40);
    const QImage start = Current();
    m_view->OnEditUndo();
    EXPECT_EQ(m_view->m_nUndoPos, 0);
    EXPECT_EQ(Current(), start);
}

TEST_F(UndoTest, EditPartlyScrolledOutOfViewUndoesAndRedoesExactly)
{
    OpenPatternPage(3000, 2000);
    m_view->horizontalScrollBar()->setValue(1000);
    m_view->verticalScrollBar()->setValue(900);
    const QImage start = Current();
    // Starts inside the window and runs far past its right and bottom edges.
    FillStep(Doc(1200, 1000, 2900, 1990), qRgb(10, 20, 30));
    const QImage edited = Current();
    ASSERT_NE(edited, start);
    m_frame->RouteCommand(ID_EDIT_UNDO);
    EXPECT_EQ(Current(), start);
    m_frame->RouteCommand(ID_EDIT_REDO);
    EXPECT_EQ(Current(), edited);
}

TEST_F(UndoTest, RecordReachingOffThePageLeavesThePageAloneThere)
{
    OpenPatternPage(60, 40);
    const QImage start = Current();
    FillStep(Doc(-20, -10, 15, 12), qRgb(200, 0, 0));
    m_frame->RouteCommand(ID_EDIT_UNDO);
    EXPECT_EQ(Current(), start);
}

TEST_F(UndoTest, WindowResizeBetweenEditAndUndoDoesNotShiftTheWriteBack)
{
    OpenPatternPage(60, 40);
    const QImage start = Current();
    FillStep(Doc(5, 5, 30, 20), qRgb(255, 0, 0));
    const int leftBefore = m_view->m_rectPage.left;
    m_frame->resize(700, 600);  // the page is centred anew
    QApplication::processEvents();
    m_view->RedrawView();
    ASSERT_NE(m_view->m_rectPage.left, leftBefore);
    m_frame->RouteCommand(ID_EDIT_UNDO);
    EXPECT_EQ(Current(), start);
}

}  // namespace

namespace {

// Records keep only what a step changed, run-length encoded; their sizes are exact.
struct RecordSizeCase {
    const char* name;
    bool patternPage;  // every pixel differs from its neighbours; otherwise plain white
    CRect record;      // page coordinates
    CRect filled;      // page coordinates, filled red
    size_t undoBytes;
    size_t redoBytes;
};

class UndoRecordSize : public UndoTest, public ::testing::WithParamInterface<RecordSizeCase> {};

TEST_P(UndoRecordSize, KeepsOnlyTheChangedPixels)
{
    const RecordSizeCase& c = GetParam();
    if (c.patternPage)
        OpenPatternPage(60, 40);
    else
        OpenBlankPage(60, 40);
    m_view->SaveUndo(c.record + m_view->m_rectPage.TopLeft());
    raster::FillRect(m_view->PagePixels(), c.filled, qRgb(255, 0, 0));
    m_view->SaveRedo(c.record + m_view->m_rectPage.TopLeft());
    EXPECT_EQ(m_view->m_undoList.GetAt(0)->StoredBytes(), c.undoBytes);
    EXPECT_EQ(m_view->m_redoList.GetAt(0)->StoredBytes(), c.redoBytes);
    EXPECT_EQ(m_view->HistoryBytes(), int64_t(c.undoBytes + c.redoBytes));
}

// A run is a header and a colour (8 bytes), a skip a header (4), a literal a header and its pixels.
INSTANTIATE_TEST_SUITE_P(
    Cases, UndoRecordSize,
    ::testing::Values(
        RecordSizeCase{"AllChangedOneColour", false, {10, 10, 20, 20}, {10, 10, 20, 20}, 8, 8},
        RecordSizeCase{"NothingChanged", false, {10, 10, 20, 20}, {0, 0, 0, 0}, 4, 4},
        // A skip to (5, 5), then ten rows of a run and a skip to the next row; the white
        // run of the before state goes on to the row's end, white in both states there.
        RecordSizeCase{"SmallChangeInAFullPageRecord", false, {0, 0, 60, 40}, {5, 5, 15, 15}, 4 + 10 * 12, 4 + 10 * 12},
        RecordSizeCase{"OffThePagePartIsNotKept", false, {-20, -10, 15, 12}, {0, 0, 15, 12}, 8, 8},
        RecordSizeCase{"ChangedPatternPixelsKeptOneByOne", true, {0, 0, 4, 1}, {0, 0, 4, 1}, 4 + 4 * 4, 8}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UndoTest, BudgetDropsTheOldestStepsAndSaysSo)
{
    OpenPatternPage(60, 40);
    // Each step: a literal of 100 pattern pixels before (404 bytes), one red run after (8).
    m_view->m_nHistoryBudget = 2 * 412;
    std::vector<QImage> states{Current()};
    for (int step = 0; step < 4; ++step) {
        FillStep(Doc(step * 10, 0, step * 10 + 10, 10), qRgb(255, 0, 0));
        states.push_back(Current());
    }
    EXPECT_EQ(m_view->m_undoList.m_nCount, 2);
    EXPECT_EQ(m_view->m_redoList.m_nCount, 2);
    EXPECT_EQ(m_view->m_nUndoPos, 2);
    EXPECT_EQ(m_view->HistoryBytes(), 2 * 412);
    EXPECT_EQ(m_frame->m_wndStatusBar->currentMessage(),
              QStringLiteral("Oldest undo steps dropped to stay within the memory budget."));
    m_frame->RouteCommand(ID_EDIT_UNDO);
    EXPECT_EQ(Current(), states[3]);
    m_frame->RouteCommand(ID_EDIT_UNDO);
    EXPECT_EQ(Current(), states[2]);
    m_frame->RouteCommand(ID_EDIT_UNDO);  // the dropped steps are gone
    EXPECT_EQ(Current(), states[2]);
    m_frame->RouteCommand(ID_EDIT_REDO);
    m_frame->RouteCommand(ID_EDIT_REDO);
    EXPECT_EQ(Current(), states[4]);
}

TEST_F(UndoTest, StepLargerThanTheBudgetIsNotKept)
{
    OpenPatternPage(60, 40);
    m_view->m_nHistoryBudget = 100;
    FillStep(Doc(0, 0, 10, 10), qRgb(255, 0, 0));
    const QImage edited = Current();
    EXPECT_EQ(m_view->m_undoList.m_nCount, 0);
    EXPECT_EQ(m_view->m_nUndoPos, 0);
    EXPECT_EQ(m_view->HistoryBytes(), 0);
    m_frame->RouteCommand(ID_EDIT_UNDO);
    EXPECT_EQ(Current(), edited);
}

TEST_F(UndoTest, SaveUndoWithoutSaveRedoStillUndoesItsWholeRectangle)
{
    OpenPatternPage(60, 40);
    const QImage start = Current();
    m_view->SaveUndo(Doc(0, 0, 30, 20));
    raster::FillRect(m_view->PagePixels(), CRect(0, 0, 30, 20), qRgb(0, 0, 255));
    m_frame->RouteCommand(ID_EDIT_UNDO);
    EXPECT_EQ(Current(), start);
}

// Every step of a long session undoes and redoes to exactly the page it left.
struct SessionPage {
    const char* name;
    bool photoLike;
};

class UndoSession : public UndoTest, public ::testing::WithParamInterface<SessionPage> {
protected:
    // A page of smooth gradients with noise, where neighbouring pixels rarely match.
    static QImage PhotoLike(int w, int h)
    {
        QImage image(w, h, QImage::Format_RGB32);
        uint32_t noise = 12345;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                noise = noise * 1103515245u + 12345u;
                const int n = int(noise >> 28);
                image.setPixel(x, y, qRgb((x * 3 + n) & 0xFF, (y * 5 + n) & 0xFF, (x + y) & 0xFF));
            }
        return image;
    }
    // A white flyer with a few coloured blocks and a framed box.
    static QImage Flyer(int w, int h)
    {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(Qt::white);
        const raster::PixelView v = PixelViewOf(image);
        raster::FillRect(v, CRect(5, 5, 40, 15), qRgb(200, 30, 30));
        raster::FrameRect(v, CRect(10, 20, 70, 45), qRgb(0, 0, 0));
        raster::FillRect(v, CRect(50, 2, 78, 9), qRgb(20, 90, 200));
        return image;
    }
};

TEST_P(UndoSession, EveryStepUndoesAndRedoesExactly)
{
    const QImage page = GetParam().photoLike ? PhotoLike(80, 50) : Flyer(80, 50);
    AnswerFileDialogs({WriteImageFile(TempPath(QStringLiteral("session.png")), page)});
    m_frame->RouteCommand(ID_FILE_OPEN);
    const CRect whole(0, 0, 80, 50);
    using Edit = std::function<void(const raster::PixelView&)>;
    const std::vector<std::pair<CRect, Edit>> edits = {
        {whole, [](const raster::PixelView& v) { raster::FloodFill(v, CPoint(1, 48), qRgb(0, 200, 0)); }},
        {whole, [](const raster::PixelView& v) { raster::FloodFill(v, CPoint(12, 22), qRgb(250, 250, 0)); }},
        {CRect(3, 3, 60, 40), [](const raster::PixelView& v) { raster::DrawLine(v, CPoint(3, 3), CPoint(59, 39), 0xFF102030u); }},
        {CRect(-5, 30, 30, 60), [](const raster::PixelView& v) { raster::FillRect(v, CRect(-5, 30, 30, 60), 0xFF0000FFu); }},
        {CRect(20, 10, 70, 40), [](const raster::PixelView& v) { raster::DrawEllipse(v, CRect(20, 10, 70, 40), 0xFFFFFFFFu); }},
        {whole, [](const raster::PixelView& v) { raster::FloodFill(v, CPoint(1, 48), qRgb(0, 200, 0)); }},
        {whole, [](const raster::PixelView& v) { raster::FloodFill(v, CPoint(79, 0), qRgb(9, 9, 9)); }},
    };
    std::vector<QImage> states{Current()};
    for (const auto& [rect, edit] : edits) {
        m_view->SaveUndo(Doc(rect.left, rect.top, rect.right, rect.bottom));
        edit(m_view->PagePixels());
        m_view->SaveRedo(Doc(rect.left, rect.top, rect.right, rect.bottom));
        states.push_back(Current());
    }
    for (size_t k = edits.size(); k > 0; --k) {
        m_frame->RouteCommand(ID_EDIT_UNDO);
        EXPECT_EQ(Current(), states[k - 1]) << "undo to step " << k - 1;
    }
    for (size_t k = 1; k <= edits.size(); ++k) {
        m_frame->RouteCommand(ID_EDIT_REDO);
        EXPECT_EQ(Current(), states[k]) << "redo to step " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, UndoSession,
                         ::testing::Values(SessionPage{"PhotoLike", true}, SessionPage{"Flyer", false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
