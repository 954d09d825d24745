// Saves run on the page writer's thread; what the user is told still arrives on the
// interface thread, and edits made meanwhile never reach the file being written.
#include "export/save_all.h"
#include "support/frame_fixture.h"

#include <QDir>
#include <QFile>

namespace {

class BackgroundSaveTest : public FrameTest {
protected:
    void StartSaveAs(const QString& path)
    {
        AnswerFileDialogs({path});
        m_frame->RouteCommand(ID_FILE_SAVE);
    }
    QStringList FilesIn(const QString& folder) const { return QDir(folder).entryList(QDir::Files, QDir::Name); }
};

TEST_F(BackgroundSaveTest, FailureMessageArrivesWhenTheWriterIsDone)
{
    OpenPatternPage(40, 30);
    const QString path = TempPath("missing-folder/flyer.png");
    StartSaveAs(path);
    // Nothing has been handed back to the interface thread yet.
    EXPECT_TRUE(m_messages.empty());
    m_view->m_pageWriter.WaitForAll();
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_TRUE(m_messages[0].text.contains(path));
    EXPECT_TRUE(m_messages[0].text.contains("does not exist"));
}

TEST_F(BackgroundSaveTest, DrawingDuringTheSaveDoesNotReachTheFile)
{
    OpenPatternPage(40, 30, 3);
    const QImage before = PageImage(0);
    StartSaveAs(TempPath("flyer.png"));
    raster::FillRect(m_view->PagePixels(), CRect(0, 0, 40, 30), 0xFF000000u);
    m_view->m_pageWriter.WaitForAll();
    EXPECT_EQ(QImage(TempPath("flyer.png")).convertToFormat(QImage::Format_RGB32), before);
    EXPECT_NE(PageImage(0), before);
}

TEST_F(BackgroundSaveTest, LaterSaveOfTheSameFileLandsLast)
{
    OpenPatternPage(300, 200, 1);
    OpenPatternPage(20, 10, 2);
    m_view->ShowPage(0);
    StartSaveAs(TempPath("flyer.png"));
    m_view->ShowPage(1);
    StartSaveAs(TempPath("flyer.png"));
    m_view->m_pageWriter.WaitForAll();
    EXPECT_EQ(QImage(TempPath("flyer.png")).convertToFormat(QImage::Format_RGB32), PageImage(1));
}

TEST_F(BackgroundSaveTest, SaveAllCancelledAfterTheSecondPageKeepsTwoFilesAndSaysSo)
{
    for (int k = 1; k <= 5; ++k)
        OpenPatternPage(40 + k, 30, k);
    const QString folder = TempPath("out");
    ASSERT_TRUE(QDir().mkpath(folder));
    // The Cancel button's part: asked on the writer's thread, as soon as page 3 is announced.
    QObject::connect(&m_view->m_pageWriter, &PageWriter::starting, [](SaveJob* job) {
        QObject::connect(job, &SaveJob::pageStarting, job, [job](int index, int) {
            if (index == 2) job->Cancel();
        }, Qt::DirectConnection);
    });
    AnswerFileDialogs({folder + "/Select Directory"});
    m_frame->RouteCommand(ID_FILE_SAVE_ALL);
    m_view->m_pageWriter.WaitForAll();

    EXPECT_EQ(FilesIn(folder), (QStringList{"List1.png", "List2.png"}));
    ASSERT_EQ(m_messages.size(), 1u);
    const QString& text = m_messages[0].text;
    EXPECT_TRUE(text.contains("cancelled before page 3 of 5")) << text.toStdString();
    EXPECT_TRUE(text.contains("List1.png, List2.png")) << text.toStdString();
}

TEST_F(BackgroundSaveTest, ClosingWaitsForTheSaveThenCloses)
{
    OpenPatternPage(40, 30);
    StartSaveAs(TempPath("flyer.gif"));
    EXPECT_FALSE(m_frame->close());
    EXPECT_TRUE(m_frame->isVisible());
    m_view->m_pageWriter.WaitForAll();
    EXPECT_FALSE(m_frame->isVisible());
    EXPECT_TRUE(QFile::exists(TempPath("flyer.gif")));
}

struct AllMessageCase {
    const char* name;
    SaveAllReport report;
    QStringList mentions;  // empty: no message at all
};

class SaveAllMessages : public testing::TestWithParam<AllMessageCase> {};

TEST_P(SaveAllMessages, TellWhatWasAndWasNotWritten)
{
    const QString message = SaveAllMessage("/out", GetParam().report);
    if (GetParam().mentions.isEmpty())
        EXPECT_TRUE(message.isEmpty()) << message.toStdString();
    for (const QString& part : GetParam().mentions)
        EXPECT_TRUE(message.contains(part)) << message.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveAllMessages,
    testing::Values(
        AllMessageCase{"AllWritten", {{"List1.png", "List2.png"}, {}, 2, std::nullopt}, {}},
        AllMessageCase{"OneFailed", {{"List1.png"}, {"List2.png: disk full"}, 2, std::nullopt},
                       {"could not be saved in '/out'", "List2.png: disk full"}},
        AllMessageCase{"CancelledAtOnce", {{}, {}, 3, 0}, {"before page 1 of 3", "No page was written"}},
        AllMessageCase{"CancelledAfterAFailure", {{"List1.png"}, {"List2.png: disk full"}, 4, 2},
                       {"before page 3 of 4", "Written in '/out': List1.png.", "List2.png: disk full"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
