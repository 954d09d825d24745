// Saves that cannot be written. Each tells the user, in a message box with the
// path and the reason, and leaves whatever was at the target as it was.

#include "support/files.h"
#include "support/frame_fixture.h"

#include <QDir>
#include <QFileInfo>

#include <functional>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kOldFile = "the flyer saved last week";

struct FailingWrite {
    std::string name;
    // Prepares the target in the folder and returns the path to answer the dialog with.
    std::function<QString(const QDir&)> target;
    QString reason;  // part of the message
    rlim_t fileSizeCap = RLIM_INFINITY;
};

QString OldFileAt(const QDir& dir, const QString& name)
{
    WriteBytes(dir.filePath(name), kOldFile);
    return dir.filePath(name);
}

std::vector<FailingWrite> AllFailingWrites()
{
    return {
        // A write cut short by the file size limit fails as one on a full disk does.
        {"DiskFullWhileWriting", [](const QDir& dir) { return OldFileAt(dir, "flyer.png"); }, "File too large", 1024},
        // Renaming over a device would replace it; it is refused before anything is written.
        {"LinkToDevFull", [](const QDir& dir) {
             QFile::link("/dev/full", dir.filePath("full.png"));
             return dir.filePath("full.png");
         }, "not a regular file"},
        {"TargetIsAFifo", [](const QDir& dir) {
             mkfifo(dir.filePath("pipe.bmp").toLocal8Bit().constData(), 0644);
             return dir.filePath("pipe.bmp");
         }, "not a regular file"},
        // Nobody, root included, creates files in /proc.
        {"FolderNobodyCanWriteTo", [](const QDir&) { return QStringLiteral("/proc/flyer.png"); }, "cannot be created"},
        {"TargetIsAFolder", [](const QDir& dir) {
             dir.mkdir("flyer.jpg");
             return dir.filePath("flyer.jpg");
         }, "folder"},
        {"NameTooLong", [](const QDir& dir) { return dir.filePath(QString(300, QLatin1Char('n')) + ".png"); },
         "name too long"},
        {"FolderMissing", [](const QDir& dir) { return dir.filePath("gone/flyer.gif"); }, "does not exist"},
        {"FolderIsAFile", [](const QDir& dir) { return OldFileAt(dir, "notes") + "/flyer.png"; }, "not a folder"},
        {"UnknownExtension", [](const QDir& dir) { return OldFileAt(dir, "flyer.tif"); }, ".png files only"},
    };
}

// Everything in the folder, with the kind and content of each entry.
QStringList Listing(const QDir& dir)
{
    QStringList entries;
    for (const QFileInfo& info : dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name)) {
        const QString kind = info.isSymLink() ? "link to " + info.symLinkTarget() : info.isDir() ? "folder" : "file";
        entries << info.fileName() + " " + kind + " " + (info.isFile() ? ReadBytes(info.filePath()) : QByteArray());
    }
    return entries;
}

class FailingWriteTest : public FrameTest, public testing::WithParamInterface<FailingWrite> {};

TEST_P(FailingWriteTest, IsReportedAndLeavesTargetAsItWas)
{
    const FailingWrite& write = GetParam();
    OpenPatternPage(200, 150);
    const QDir dir(TempPath("out"));
    ASSERT_TRUE(dir.mkpath("."));
    const QString path = write.target(dir);
    const QStringList before = Listing(dir);
    AnswerFileDialogs({path});
    {
        const FileSizeCap cap(write.fileSizeCap);
        m_frame->RouteCommand(ID_FILE_SAVE);
        m_view->m_pageWriter.WaitForAll();
    }
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_TRUE(m_messages[0].text.startsWith(QStringLiteral("Can't save '%1'.").arg(path))) << m_messages[0].text.toStdString();
    EXPECT_TRUE(m_messages[0].text.contains(write.reason, Qt::CaseInsensitive)) << m_messages[0].text.toStdString();
    EXPECT_EQ(Listing(dir), before);
}

INSTANTIATE_TEST_SUITE_P(Targets, FailingWriteTest, testing::ValuesIn(AllFailingWrites()),
                         [](const testing::TestParamInfo<FailingWrite>& info) { return info.param.name; });

using ReadOnlyFolderTest = FrameTest;

// Permissions do not stop root; FolderNobodyCanWriteTo covers root.
TEST_F(ReadOnlyFolderTest, SaveIntoReadOnlyFolderIsReported)
{
    OpenPatternPage(20, 10);
    const QDir dir(TempPath("locked"));
    ASSERT_TRUE(dir.mkpath("."));
    const QString path = OldFileAt(dir, "flyer.png");
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    if (access(dir.path().toLocal8Bit().constData(), W_OK) == 0) GTEST_SKIP() << "running as root: permissions do not apply";
    AnswerFileDialogs({path});
    m_frame->RouteCommand(ID_FILE_SAVE);
    m_view->m_pageWriter.WaitForAll();
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_TRUE(m_messages[0].text.contains("cannot be created")) << m_messages[0].text.toStdString();
    EXPECT_EQ(ReadBytes(path), kOldFile);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

}  // namespace
