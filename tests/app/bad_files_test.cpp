// Files that are not what they claim, opened as a background. Each is refused with
// the load message and leaves the pages, the current page and the undo history as
// they were, or it opens as a page like any good file.

#include "platform/image.h"
#include "support/files.h"
#include "support/frame_fixture.h"

#include <QDir>
#include <QFile>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

enum class Outcome { Refused, Opens, Either };  // Either: damaged data a reader may still show

struct BadFile {
    std::string name;
    // Makes the file in the given folder and returns the path to open.
    std::function<QString(const QDir&)> make;
    Outcome outcome;
    QString reason;                     // part of the message when refused
    std::function<QImage()> page = {};  // the page it opens as, when known
};

QImage Fixture() { return PatternImage(7, 5, 9); }

QString SavedFixture(const QDir& dir, const char* name, ImageFormat format)
{
    CImage image;
    image.SetImage(Fixture());
    const QString path = dir.filePath(QString::fromLatin1(name));
    EXPECT_TRUE(image.Save(path, format).ok) << name;
    return path;
}

void AppendLe(QByteArray& bytes, quint32 value, int size)
{
    for (int i = 0; i < size; ++i) bytes.append(char((value >> (8 * i)) & 0xFF));
}

// A 24-bit BMP whose header says width x heightField; rows are given as stored.
QByteArray BmpBytes(int width, qint32 heightField, const QByteArray& rows)
{
    QByteArray bytes("BM");
    AppendLe(bytes, 54 + rows.size(), 4);
    AppendLe(bytes, 0, 4);
    AppendLe(bytes, 54, 4);
    AppendLe(bytes, 40, 4);
    AppendLe(bytes, quint32(width), 4);
    AppendLe(bytes, quint32(heightField), 4);
    AppendLe(bytes, 1, 2);   // planes
    AppendLe(bytes, 24, 2);  // bits per pixel
    AppendLe(bytes, 0, 4);   // no compression
    AppendLe(bytes, rows.size(), 4);
    for (int i = 0; i < 4; ++i) AppendLe(bytes, i < 2 ? 2835 : 0, 4);  // 72 dpi, no palette
    return bytes + rows;
}

// The fixture's rows top first, as a negative height declares them.
QByteArray TopDownRows(const QImage& image)
{
    QByteArray rows;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            rows.append(char(qBlue(p))).append(char(qGreen(p))).append(char(qRed(p)));
        }
        while (rows.size() % 4) rows.append('\0');
    }
    return rows;
}

// A 4 x 3 GIF screen with one frame of 0 x 0 pixels.
QByteArray GifWithEmptyFrame()
{
    QByteArray bytes("GIF89a");
    AppendLe(bytes, 4, 2);
    AppendLe(bytes, 3, 2);
    bytes.append("\x80\x00\x00", 3);                          // a two-colour global palette
    bytes.append("\xff\x00\x00\x00\x00\xff", 6);              // red, blue
    bytes.append("\x2c\x00\x00\x00\x00\x00\x00\x00\x00\x00", 10);  // the frame: at 0,0, 0 x 0
    bytes.append("\x02\x01\x2c\x00\x3b", 5);                  // clear + end codes, trailer
    return bytes;
}

QString WrittenFile(const QDir& dir, const QString& name, const QByteArray& bytes)
{
    WriteBytes(dir.filePath(name), bytes);
    return dir.filePath(name);
}

struct FormatFixture {
    const char* tag;
    const char* file;
    ImageFormat format;
};

constexpr FormatFixture kFormats[] = {
    {"Png", "good.png", ImageFormat::Png},
    {"Bmp", "good.bmp", ImageFormat::Bmp},
    {"Gif", "good.gif", ImageFormat::Gif},
    {"Jpeg", "good.jpg", ImageFormat::Jpeg},
};

// Every good fixture cut short and with a byte flipped. Cuts inside the header are
// refused; the rest of a damaged file may still be shown (Qt's GIF reader, chosen by
// the name when the content says nothing, does not look at the signature).
void AddDamagedFixtures(std::vector<BadFile>& cases)
{
    struct Damage { const char* tag; std::function<void(QByteArray&)> apply; Outcome outcome; };
    const auto flip = [](QByteArray& bytes, qsizetype at) { bytes[at] = char(bytes[at] ^ 0xFF); };
    const Damage damages[] = {
        {"CutTo1Byte", [](QByteArray& b) { b.truncate(1); }, Outcome::Refused},
        {"CutTo8Bytes", [](QByteArray& b) { b.truncate(8); }, Outcome::Refused},
        {"CutTo26Bytes", [](QByteArray& b) { b.truncate(26); }, Outcome::Refused},
        {"CutInHalf", [](QByteArray& b) { b.truncate(b.size() / 2); }, Outcome::Either},
        {"WithoutLastByte", [](QByteArray& b) { b.chop(1); }, Outcome::Either},
        {"FlippedFirstByte", [flip](QByteArray& b) { flip(b, 0); }, Outcome::Either},
        {"FlippedByte12", [flip](QByteArray& b) { flip(b, 12); }, Outcome::Either},
        {"FlippedByte20", [flip](QByteArray& b) { flip(b, 20); }, Outcome::Either},
        {"FlippedMiddleByte", [flip](QByteArray& b) { flip(b, b.size() / 2); }, Outcome::Either},
        {"FlippedNearEnd", [flip](QByteArray& b) { flip(b, b.size() - 3); }, Outcome::Either},
    };
    for (const FormatFixture& f : kFormats)
        for (const Damage& damage : damages)
            cases.push_back({std::string(f.tag) + damage.tag, [f, apply = damage.apply](const QDir& dir) {
                QByteArray bytes = ReadBytes(SavedFixture(dir, f.file, f.format));
                apply(bytes);
                return WrittenFile(dir, QStringLiteral("damaged-%1").arg(f.file), bytes);
            }, damage.outcome, {}});
}

std::vector<BadFile> AllBadFiles()
{
    std::vector<BadFile> cases = {
        {"EmptyFile", [](const QDir& dir) { return WrittenFile(dir, "empty.png", {}); }, Outcome::Refused,
         "not an image"},
        {"PngClaiming100000x100000", [](const QDir& dir) {
             const QByteArray png = ReadBytes(SavedFixture(dir, "real.png", ImageFormat::Png));
             return WrittenFile(dir, "huge.png", PngClaimingSize(png, 100000, 100000));
         }, Outcome::Refused, "100000 x 100000"},
        {"BmpTopDownWithNegativeHeight", [](const QDir& dir) {
             return WrittenFile(dir, "topdown.bmp", BmpBytes(7, -5, TopDownRows(Fixture())));
         }, Outcome::Opens, {}, Fixture},
        {"BmpWithZeroHeight", [](const QDir& dir) {
             return WrittenFile(dir, "flat.bmp", BmpBytes(7, 0, {}));
         }, Outcome::Refused, {}},
        {"BmpWithHeightIntMin", [](const QDir& dir) {
             return WrittenFile(dir, "intmin.bmp", BmpBytes(7, INT_MIN, TopDownRows(Fixture())));
         }, Outcome::Refused, {}},
        // Nothing is drawn on the screen, which shows its background colour.
        {"GifWithZeroSizeFrame", [](const QDir& dir) {
             return WrittenFile(dir, "emptyframe.gif", GifWithEmptyFrame());
         }, Outcome::Opens, {}, [] {
             QImage red(4, 3, QImage::Format_RGB32);
             red.fill(qRgb(255, 0, 0));
             return red;
         }},
        {"Folder", [](const QDir& dir) {
             dir.mkdir("folder.png");
             return dir.filePath("folder.png");
         }, Outcome::Refused, "folder"},
        {"PathThroughAFile", [](const QDir& dir) {
             return WrittenFile(dir, "plain", "text") + "/inside.png";
         }, Outcome::Refused, "does not exist"},
        // Opens for everyone, root too, and fails on the first read.
        {"UnreadableFile", [](const QDir&) { return QStringLiteral("/proc/self/mem"); }, Outcome::Refused, {}},
        {"NameWithSpacesAndNonAscii", [](const QDir& dir) {
             return SavedFixture(dir, "Plakát na jaře – ž.png", ImageFormat::Png);
         }, Outcome::Opens, {}, Fixture},
        {"JpegNamedPng", [](const QDir& dir) {
             return WrittenFile(dir, "photo.png", ReadBytes(SavedFixture(dir, "photo.jpg", ImageFormat::Jpeg)));
         }, Outcome::Opens, {}},
    };
    AddDamagedFixtures(cases);
    return cases;
}

class BadFileTest : public FrameTest, public testing::WithParamInterface<BadFile> {
protected:
    // Three pages, the middle one current, with one edit in its undo history.
    void SetUp() override
    {
        FrameTest::SetUp();
        for (int k = 0; k < 3; ++k) OpenPatternPage(31 + k, 20, k);
        m_view->ShowPage(1);
        m_beforeEdit = PageImage(1);
        const CRect edit = CRect(2, 2, 10, 10) + m_view->m_rectPage.TopLeft();
        m_view->SaveUndo(edit);
        raster::FillRect(m_view->PagePixels(), CRect(2, 2, 10, 10), 0xFF123456u);
        m_view->SaveRedo(edit);
        for (int k = 0; k < 3; ++k) m_pages.push_back(PageImage(k));
        m_messages.clear();
    }

    std::vector<QImage> Pages() const
    {
        std::vector<QImage> pages;
        for (int k = 0; k < m_view->PageCount(); ++k) pages.push_back(PageImage(k));
        return pages;
    }

    void ExpectRefused(const QString& path, const QString& reason)
    {
        ASSERT_EQ(m_messages.size(), 1u);
        EXPECT_TRUE(m_messages[0].text.startsWith(QStringLiteral("Can't load '%1' image file!").arg(path)))
            << m_messages[0].text.toStdString();
        EXPECT_TRUE(m_messages[0].text.contains(reason, Qt::CaseInsensitive)) << m_messages[0].text.toStdString();
        EXPECT_EQ(Pages(), m_pages);
        EXPECT_EQ(m_view->m_nCurPage, 1);
        m_frame->RouteCommand(ID_EDIT_UNDO);
        EXPECT_EQ(PageImage(1), m_beforeEdit);
    }

    // Opened as a new page after the current one, which it becomes.
    void ExpectOpened(const std::function<QImage()>& page)
    {
        EXPECT_TRUE(m_messages.empty()) << m_messages.front().text.toStdString();
        ASSERT_EQ(m_view->PageCount(), 4);
        EXPECT_EQ(m_view->m_nCurPage, 2);
        const std::vector<QImage> pages = Pages();
        EXPECT_EQ((std::vector<QImage>{pages[0], pages[1], pages[3]}), m_pages);
        if (page) EXPECT_EQ(pages[2], page().convertToFormat(QImage::Format_RGB32));
    }

    std::vector<QImage> m_pages;
    QImage m_beforeEdit;
};

TEST_P(BadFileTest, IsRefusedWithMessageOrOpensAsPage)
{
    const BadFile& bad = GetParam();
    const QDir dir(TempPath("files"));
    ASSERT_TRUE(dir.mkpath("."));
    const QString path = bad.make(dir);
    AnswerFileDialogs({path});
    m_frame->RouteCommand(ID_FILE_OPEN);
    const bool refused = bad.outcome == Outcome::Refused || (bad.outcome == Outcome::Either && !m_messages.empty());
    if (refused) ExpectRefused(path, bad.reason);
    else ExpectOpened(bad.page);
}

INSTANTIATE_TEST_SUITE_P(Files, BadFileTest, testing::ValuesIn(AllBadFiles()),
                         [](const testing::TestParamInfo<BadFile>& info) { return info.param.name; });

using UnreadableFileTest = FrameTest;

// Permissions do not stop root, so this case only means something for other users.
TEST_F(UnreadableFileTest, FileWithoutReadPermissionIsRefused)
{
    const QString path = WriteImageFile(TempPath("locked.png"), PatternImage(5, 5));
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::WriteOwner));
    if (access(path.toLocal8Bit().constData(), R_OK) == 0) GTEST_SKIP() << "running as root: permissions do not apply";
    AnswerFileDialogs({path});
    m_frame->RouteCommand(ID_FILE_OPEN);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_TRUE(m_messages[0].text.contains("cannot be opened")) << m_messages[0].text.toStdString();
    EXPECT_EQ(m_view->PageCount(), 0);
}

}  // namespace
