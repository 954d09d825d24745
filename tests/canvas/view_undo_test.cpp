#include "support/frame_fixture.h"

#include "platform/qimage_view.h"

#include <QApplication>
#include <QScrollBar>

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
    EXPECT_EQ(m_view->m_undoList.GetAt(0)->pixels.size(), 0u);
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
