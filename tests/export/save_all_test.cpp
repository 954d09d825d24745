#include "export/save_all.h"
#include "support/frame_fixture.h"

#include <QDir>
#include <QFile>

namespace {

class SaveAllTest : public FrameTest {
protected:
    void SaveAllInto(const QString& chosenPath)
    {
        AnswerFileDialogs({chosenPath});
        m_frame->RouteCommand(ID_FILE_SAVE_ALL);
        m_view->m_pageWriter.WaitForAll();
    }
    QStringList FilesIn(const QString& folder) const
    {
        return QDir(folder).entryList(QDir::Files, QDir::Name);
    }
};

TEST_F(SaveAllTest, EveryPageIsWrittenInPageOrder)
{
    for (int k = 1; k <= 3; ++k)
        OpenPatternPage(40 + k, 30, k);
    m_view->ShowPage(0);
    OpenPatternPage(49, 30, 9);  // inserted as the second page
    const QString folder = TempPath("out");
    ASSERT_TRUE(QDir().mkpath(folder));
    SaveAllInto(folder + "/Select Directory");
    ASSERT_EQ(m_fileDialogs.back().initialName, "Select Directory");
    EXPECT_EQ(m_fileDialogs.back().filters, (QList<platform::FileFilter>{{"All Files", "*.*"}}));
    EXPECT_EQ(FilesIn(folder), (QStringList{"List1.png", "List2.png", "List3.png", "List4.png"}));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(QImage(QDir(folder).filePath(PageFileName(i))).convertToFormat(QImage::Format_RGB32), PageImage(i)) << i;
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(SaveAllTest, EarlierExportKeepsItsExtraPagesAndTheTypedNameIsNeverCreated)
{
    const QString folder = TempPath("again");
    ASSERT_TRUE(QDir().mkpath(folder));
    for (int i = 0; i < 5; ++i)
        WriteImageFile(QDir(folder).filePath(PageFileName(i)), PatternImage(5, 5, 50 + i));
    OpenPatternPage(41, 30, 1);
    OpenPatternPage(42, 30, 2);
    SaveAllInto(folder + "/my flyer.png");
    EXPECT_EQ(FilesIn(folder), (QStringList{"List1.png", "List2.png", "List3.png", "List4.png", "List5.png"}));
    EXPECT_EQ(QImage(QDir(folder).filePath("List2.png")).width(), 42);
    EXPECT_EQ(QImage(QDir(folder).filePath("List3.png")).width(), 5);
}

TEST_F(SaveAllTest, PathWithoutFolderIsRefused)
{
    OpenPatternPage(41, 30);
    SaveAllInto("Select Directory");
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].text, "Wrong Directory! Try again!");
}

TEST_F(SaveAllTest, PagesThatCannotBeWrittenAreNamedInOneMessage)
{
    const QString folder = TempPath("blocked");
    ASSERT_TRUE(QDir().mkpath(folder + "/List2.png"));  // a folder where the second file should go
    for (int k = 1; k <= 3; ++k)
        OpenPatternPage(40 + k, 30, k);
    SaveAllInto(folder + "/Select Directory");
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_TRUE(m_messages[0].text.contains("List2.png"));
    EXPECT_FALSE(m_messages[0].text.contains("List1.png"));
    EXPECT_TRUE(QFile::exists(folder + "/List1.png"));
    EXPECT_TRUE(QFile::exists(folder + "/List3.png"));
}

TEST_F(SaveAllTest, CancelWritesNothingAndWithoutPagesItIsDisabled)
{
    EXPECT_FALSE(IsEnabled(ID_FILE_SAVE_ALL));
    OpenPatternPage(41, 30);
    SaveAllInto(QString());
    EXPECT_TRUE(m_messages.empty());
}

TEST(SaveAllFolder, FolderIsThePartBeforeTheLastSlash)
{
    EXPECT_EQ(FolderOfChosenPath("/home/a/Select Directory"), QString("/home/a"));
    EXPECT_EQ(FolderOfChosenPath("/Select Directory"), QString("/"));
    EXPECT_EQ(FolderOfChosenPath("Select Directory"), std::nullopt);
}

}  // namespace
