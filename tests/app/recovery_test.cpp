#include "app/recovery.h"
#include "support/frame_fixture.h"

#include <QDir>
#include <QTest>

namespace {

class RecoveryTest : public FrameTest {
protected:
    QString Folder() const { return TempPath("recovery"); }
    std::unique_ptr<SessionRecovery> StartRecovery()
    {
        auto recovery = std::make_unique<SessionRecovery>(m_view, Folder());
        QObject::connect(m_view, &CPavlixMakerView::pagesChanged, recovery.get(), &SessionRecovery::MarkChanged);
        return recovery;
    }
    // Two pages, the second drawn on.
    std::vector<QImage> EditTwoPages()
    {
        OpenPatternPage(80, 60, 1);
        OpenPatternPage(90, 50, 2);
        m_view->SaveUndo(m_view->m_rectPage);
        raster::FillRect(m_view->PagePixels(), {10, 10, 40, 30}, 0xFF112233);
        m_view->SaveRedo(m_view->m_rectPage);
        return {PageImage(0), PageImage(1)};
    }
    // A new main frame, as after a restart.
    void Restart()
    {
        m_frame = std::make_unique<CMainFrame>();
        m_view = m_frame->GetActiveView();
    }
};

TEST_F(RecoveryTest, PagesSurviveACrashPixelForPixel)
{
    std::vector<QImage> pages;
    {
        auto recovery = StartRecovery();
        pages = EditTwoPages();
        recovery->SaveNow();
        recovery->WaitForWriter();
        EXPECT_EQ(recovery->SavedPageFiles().size(), 2);
    }  // gone without a normal exit
    Restart();
    auto recovery = StartRecovery();
    recovery->OfferRestore();
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].text, "Restore the pages of the last session?");
    EXPECT_EQ(m_messages[0].buttons, platform::Buttons::YesNo);
    ASSERT_EQ(m_view->PageCount(), 2);
    EXPECT_EQ(PageImage(0), pages[0]);
    EXPECT_EQ(PageImage(1), pages[1]);
}

TEST_F(RecoveryTest, DecliningThrowsTheOldPagesAway)
{
    {
        auto recovery = StartRecovery();
        EditTwoPages();
        recovery->SaveNow();
    }
    Restart();
    AnswerMessageBoxes({platform::Answer::No});
    auto recovery = StartRecovery();
    recovery->OfferRestore();
    EXPECT_EQ(m_view->PageCount(), 0);
    EXPECT_TRUE(recovery->SavedPageFiles().isEmpty());
    EXPECT_TRUE(QDir(Folder()).entryList({"page-*.png"}, QDir::Files).isEmpty());
}

TEST_F(RecoveryTest, NormalExitLeavesNothingToRestore)
{
    {
        auto recovery = StartRecovery();
        EditTwoPages();
        recovery->SaveNow();
        recovery->Discard();
    }
    Restart();
    auto recovery = StartRecovery();
    recovery->OfferRestore();
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(RecoveryTest, LaterSavesFollowDeletionsAndKeepUnchangedPages)
{
    auto recovery = StartRecovery();
    EditTwoPages();
    recovery->SaveNow();
    recovery->WaitForWriter();
    const QString firstPageFile = recovery->SavedPageFiles().at(0);
    m_frame->RouteCommand(ID_PAGE_DELETE);  // the second page goes
    recovery->SaveNow();
    recovery->WaitForWriter();
    EXPECT_EQ(recovery->SavedPageFiles(), QStringList{firstPageFile});
    EXPECT_EQ(QDir(Folder()).entryList({"page-*.png"}, QDir::Files).size(), 1);
}

TEST_F(RecoveryTest, ChangesScheduleAnAutosave)
{
    auto recovery = StartRecovery();
    OpenPatternPage(30, 20);
    QTRY_VERIFY_WITH_TIMEOUT(recovery->SavedPageFiles().size() == 1, 5000);
}

TEST_F(RecoveryTest, SecondEditorLeavesTheFolderToTheFirst)
{
    auto first = StartRecovery();
    auto second = std::make_unique<SessionRecovery>(m_view, Folder());
    EXPECT_TRUE(first->IsActive());
    EXPECT_FALSE(second->IsActive());
}

}  // namespace
