#include "export/save_page.h"
#include "support/frame_fixture.h"

#include <QDir>
#include <QFile>
#include <QImageReader>

namespace {

struct TargetCase {
    const char* chosen;
    const char* path;
    std::optional<ImageFormat> format;
};

class ExportTargets : public ::testing::TestWithParam<TargetCase> {};

TEST_P(ExportTargets, ExtensionDecidesFormatAndNameIsKept)
{
    const ExportTarget target = ResolveExportTarget(QString::fromUtf8(GetParam().chosen));
    EXPECT_EQ(target.path, QString::fromUtf8(GetParam().path));
    EXPECT_EQ(target.format, GetParam().format);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExportTargets,
    ::testing::Values(TargetCase{"/d/flyer", "/d/flyer.gif", ImageFormat::Gif},
                      TargetCase{"/d/flyer.PNG", "/d/flyer.PNG", ImageFormat::Png},
                      TargetCase{"/d/flyer.JPG", "/d/flyer.JPG", ImageFormat::Jpeg},
                      TargetCase{"/d/flyer.jpg", "/d/flyer.jpg", ImageFormat::Jpeg},
                      TargetCase{"/d/flyer.bmp", "/d/flyer.bmp", ImageFormat::Bmp},
                      TargetCase{"/d/flyer.Gif", "/d/flyer.Gif", ImageFormat::Gif},
                      TargetCase{"/d/flyer.jpeg", "/d/flyer.jpeg", std::nullopt},
                      TargetCase{"/d/flyer.tif", "/d/flyer.tif", std::nullopt},
                      TargetCase{"/d.v2/flyer", "/d.v2/flyer.gif", ImageFormat::Gif},
                      TargetCase{"/d/my.flyer.png", "/d/my.flyer.png", ImageFormat::Png}));

class SavePageTest : public FrameTest {
protected:
    void SaveAs(const QString& path)
    {
        AnswerFileDialogs({path});
        m_frame->RouteCommand(ID_FILE_SAVE);
        m_view->m_pageWriter.WaitForAll();
    }
    static QByteArray FormatOf(const QString& path) { return QImageReader(path).format(); }
};

TEST_F(SavePageTest, DialogOffersTheFourTypesInOrder)
{
    OpenPatternPage(40, 30);
    SaveAs(QString());
    ASSERT_EQ(m_fileDialogs.size(), 2u);
    const platform::FileDialogCall& call = m_fileDialogs.back();
    EXPECT_EQ(call.mode, platform::FileDialogMode::Save);
    const QList<platform::FileFilter> expected = {{"JPG Files (*.jpg)", "*.jpg"},
                                                  {"Gif Files (*.gif)", "*.gif"},
                                                  {"Bitmap Files (*.bmp)", "*.bmp"},
                                                  {"Png Files (*.png)", "*.png"}};
    EXPECT_EQ(call.filters, expected);
}

TEST_F(SavePageTest, EachNameIsWrittenInItsFormatAndReadsBack)
{
    OpenPatternPage(40, 30);
    const QImage page = PageImage(0);
    struct Case {
        const char* typed;
        const char* written;
        QByteArray format;
    };
    for (const Case& c : {Case{"flyer", "flyer.gif", "gif"}, Case{"flyer.PNG", "flyer.PNG", "png"},
                          Case{"flyer.JPG", "flyer.JPG", "jpeg"}, Case{"flyer.bmp", "flyer.bmp", "bmp"}}) {
        SaveAs(TempPath(c.typed));
        const QString written = TempPath(c.written);
        ASSERT_TRUE(QFile::exists(written)) << c.typed;
        EXPECT_EQ(FormatOf(written), c.format) << c.typed;
        const QImage back = QImage(written).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(back.size(), page.size()) << c.typed;
        if (c.format == "png" || c.format == "bmp")
            EXPECT_EQ(back, page) << c.typed;
    }
    EXPECT_TRUE(m_messages.empty());
    EXPECT_FALSE(QFile::exists(TempPath("flyer")));
}

TEST_F(SavePageTest, UnknownExtensionWritesNothingAndSaysSo)
{
    OpenPatternPage(40, 30);
    SaveAs(TempPath("flyer.jpeg"));
    EXPECT_FALSE(QFile::exists(TempPath("flyer.jpeg")));
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_TRUE(m_messages[0].text.contains(TempPath("flyer.jpeg")));
}

TEST_F(SavePageTest, ExistingFileIsReplaced)
{
    OpenPatternPage(40, 30, 1);
    const QString path = WriteImageFile(TempPath("old.png"), PatternImage(10, 10, 7));
    SaveAs(path);
    EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_RGB32), PageImage(0));
}

TEST_F(SavePageTest, UnwritableTargetsAreReported)
{
    OpenPatternPage(40, 30);
    // A folder below a regular file cannot exist; /proc takes no new files, even from root.
    const QString blocker = WriteImageFile(TempPath("blocker.png"), PatternImage(4, 4));
    const QStringList paths = {blocker + QStringLiteral("/flyer.png"), QStringLiteral("/proc/pavlix-flyer.png"),
                               TempPath("missing-folder/flyer.png")};
    for (const QString& path : paths) {
        m_messages.clear();
        SaveAs(path);
        ASSERT_EQ(m_messages.size(), 1u) << path.toStdString();
        EXPECT_TRUE(m_messages[0].text.contains(path)) << path.toStdString();
        EXPECT_FALSE(QFile::exists(path)) << path.toStdString();
    }
    EXPECT_EQ(QImage(blocker).size(), QSize(4, 4));
}

TEST_F(SavePageTest, SaveIsDisabledWithoutPage)
{
    EXPECT_FALSE(IsEnabled(ID_FILE_SAVE));
    OpenPatternPage(40, 30);
    EXPECT_TRUE(IsEnabled(ID_FILE_SAVE));
}

}  // namespace
