#include "platform/image.h"
#include "support/files.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include <unistd.h>

namespace {

// Twelve distinct colours, so any palette or channel mix-up shows.
QImage FewColourPage()
{
    QImage image(4, 3, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb(x * 80, y * 120, (x + y) * 30 + 5));
    return image;
}

// Exactly 256 colours, neighbours one step apart: the most a GIF palette holds.
QImage FullPalettePage()
{
    QImage image(16, 16, QImage::Format_RGB32);
    for (int i = 0; i < 256; ++i) image.setPixel(i % 16, i / 16, qRgb(i, 255 - i, (i * 7) & 255));
    return image;
}

// Thousands of colours in soft gradients, like a photo.
QImage SmoothPage()
{
    QImage image(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb(x * 4, y * 5, 128 + (x - y)));
    return image;
}

// Noise does not compress: every format needs at least side * side bytes for it.
QImage NoisyPage(int side)
{
    QRandomGenerator random(7);
    QImage image(side, side, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, random.generate() | 0xFF000000u);
    return image;
}

// Opaque red, fully transparent green, half-transparent blue.
QImage TranslucentPicture()
{
    QImage image(3, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(255, 0, 0, 255));
    image.setPixel(1, 0, qRgba(0, 255, 0, 0));
    image.setPixel(2, 0, qRgba(0, 0, 255, 128));
    return image;
}

QImage IndexedWithTransparentEntry()
{
    QImage image(2, 1, QImage::Format_Indexed8);
    image.setColorTable({qRgb(10, 20, 30), qRgba(0, 0, 0, 0)});
    image.setPixel(0, 0, 0);
    image.setPixel(1, 0, 1);
    return image;
}

std::vector<QRgb> PixelsOf(const QImage& image)
{
    std::vector<QRgb> pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) pixels.push_back(image.pixel(x, y));
    return pixels;
}

// The largest difference of one colour channel; -1 when the sizes differ.
int MaxChannelDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size()) return -1;
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

QByteArray PngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "png");
    return bytes;
}

std::string CaseName(const char* name) { return name; }

std::string FormatName(ImageFormat format)
{
    switch (format) {
    case ImageFormat::Jpeg: return "Jpeg";
    case ImageFormat::Gif: return "Gif";
    case ImageFormat::Bmp: return "Bmp";
    case ImageFormat::Png: return "Png";
    }
    return "Unknown";
}

// ---------------------------------------------------------------- round trips

struct RoundTripCase {
    const char* name;
    ImageFormat format;
    const char* fileName;
    QImage (*make)();
    int tolerance;  // per channel
};

class ImageRoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(ImageRoundTrip, ReadsBackAnOpaquePage)
{
    const RoundTripCase& c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(c.fileName);
    const QImage original = c.make();
    CImage written;
    written.SetImage(original);
    const IoResult saved = written.Save(path, c.format);
    ASSERT_TRUE(saved.ok) << saved.reason.toStdString();

    CImage read;
    const IoResult loaded = read.Load(path);
    ASSERT_TRUE(loaded.ok) << loaded.reason.toStdString();
    EXPECT_EQ(read.Image().format(), QImage::Format_RGB32);
    const int difference = MaxChannelDifference(read.Image(), original);
    EXPECT_TRUE(difference >= 0 && difference <= c.tolerance) << "difference " << difference;
}

INSTANTIATE_TEST_SUITE_P(
    Formats, ImageRoundTrip,
    testing::Values(RoundTripCase{"Png", ImageFormat::Png, "page.png", FewColourPage, 0},
                    RoundTripCase{"Bmp", ImageFormat::Bmp, "page.bmp", FewColourPage, 0},
                    RoundTripCase{"Gif", ImageFormat::Gif, "page.gif", FewColourPage, 0},
                    RoundTripCase{"GifFullPalette", ImageFormat::Gif, "full.gif", FullPalettePage, 0},
                    RoundTripCase{"GifManyColours", ImageFormat::Gif, "photo.gif", SmoothPage, 24},
                    RoundTripCase{"Jpeg", ImageFormat::Jpeg, "photo.jpg", SmoothPage, 8},
                    // The content decides, not the name.
                    RoundTripCase{"PngNamedJpg", ImageFormat::Png, "renamed.jpg", FewColourPage, 0},
                    RoundTripCase{"BmpNamedGif", ImageFormat::Bmp, "renamed.gif", FewColourPage, 0}),
    [](const auto& info) { return CaseName(info.param.name); });

// ---------------------------------------------------------------- transparency

enum class Route { PngFile, SetImage };

struct AlphaCase {
    const char* name;
    QImage (*make)();
    Route route;
    CImage::Kind kind;
    QImage::Format format;
    std::vector<QRgb> expected;
};

class ImageAlpha : public testing::TestWithParam<AlphaCase> {};

TEST_P(ImageAlpha, PageIsOverWhitePictureKeepsAlpha)
{
    const AlphaCase& c = GetParam();
    CImage image;
    if (c.route == Route::SetImage) {
        image.SetImage(c.make(), c.kind);
    } else {
        QTemporaryDir dir;
        const QString path = dir.filePath("alpha.png");
        WriteBytes(path, PngBytes(c.make()));
        const IoResult loaded = image.Load(path, c.kind);
        ASSERT_TRUE(loaded.ok) << loaded.reason.toStdString();
    }
    EXPECT_EQ(image.Image().format(), c.format);
    EXPECT_EQ(PixelsOf(image.Image()), c.expected);
}

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kHalfBlueOverWhite = qRgb(127, 127, 255);

INSTANTIATE_TEST_SUITE_P(
    Kinds, ImageAlpha,
    testing::Values(AlphaCase{"PngAsPage", TranslucentPicture, Route::PngFile, CImage::Kind::Page,
                              QImage::Format_RGB32, {qRgb(255, 0, 0), kWhite, kHalfBlueOverWhite}},
                    AlphaCase{"PngAsPicture", TranslucentPicture, Route::PngFile, CImage::Kind::Picture,
                              QImage::Format_ARGB32, PixelsOf(TranslucentPicture())},
                    AlphaCase{"PalettePngAsPage", IndexedWithTransparentEntry, Route::PngFile, CImage::Kind::Page,
                              QImage::Format_RGB32, {qRgb(10, 20, 30), kWhite}},
                    AlphaCase{"SetAsPage", TranslucentPicture, Route::SetImage, CImage::Kind::Page,
                              QImage::Format_RGB32, {qRgb(255, 0, 0), kWhite, kHalfBlueOverWhite}},
                    AlphaCase{"SetAsPicture", TranslucentPicture, Route::SetImage, CImage::Kind::Picture,
                              QImage::Format_ARGB32, PixelsOf(TranslucentPicture())}),
    [](const auto& info) { return CaseName(info.param.name); });

// ---------------------------------------------------------------- refused loads

// A path made ready in a fresh folder, and what the refusal's reason must mention.
struct FailureCase {
    const char* name;
    QString (*prepare)(const QDir& dir);  // returns the path to load or save
    const char* reasonMentions;
};

class ImageLoadFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(ImageLoadFailure, GivesReasonAndKeepsImage)
{
    const FailureCase& c = GetParam();
    QTemporaryDir dir;
    const QString path = c.prepare(QDir(dir.path()));
    CImage image;
    image.SetImage(FewColourPage());

    const IoResult loaded = image.Load(path);
    EXPECT_FALSE(loaded.ok);
    EXPECT_TRUE(loaded.reason.contains(c.reasonMentions, Qt::CaseInsensitive)) << loaded.reason.toStdString();
    EXPECT_EQ(image.Image(), FewColourPage());
}

QString Written(const QDir& dir, const char* name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    WriteBytes(path, bytes);
    return path;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImageLoadFailure,
    testing::Values(
        FailureCase{"Missing", [](const QDir& dir) { return dir.filePath("missing.png"); }, "does not exist"},
        FailureCase{"Directory",
                        [](const QDir& dir) {
                            dir.mkdir("folder.png");
                            return dir.filePath("folder.png");
                        },
                        "folder"},
        FailureCase{"Text", [](const QDir& dir) { return Written(dir, "notes.png", "Meeting at noon.\n"); },
                        "not an image"},
        FailureCase{"Empty", [](const QDir& dir) { return Written(dir, "empty.bmp", {}); }, "not an image"},
        FailureCase{"TruncatedPng",
                        [](const QDir& dir) {
                            const QByteArray png = PngBytes(NoisyPage(64));
                            return Written(dir, "cut.png", png.left(png.size() / 2));
                        },
                        "damaged"},
        FailureCase{"SideOverLimit",
                        [](const QDir& dir) { return Written(dir, "huge.png", PngClaimingSize(PngBytes(FewColourPage()), 100000, 100000)); },
                        "too large (100000 x 100000"},
        FailureCase{"MoreBytesThanAllowed",
                        [](const QDir& dir) { return Written(dir, "big.png", PngClaimingSize(PngBytes(FewColourPage()), 20000, 20000)); },
                        "too large"}),
    [](const auto& info) { return CaseName(info.param.name); });

// ---------------------------------------------------------------- refused saves

class ImageSaveFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(ImageSaveFailure, GivesReason)
{
    const FailureCase& c = GetParam();
    QTemporaryDir dir;
    const QString path = c.prepare(QDir(dir.path()));
    CImage image;
    image.SetImage(FewColourPage());

    const IoResult saved = image.Save(path, ImageFormat::Png);
    EXPECT_FALSE(saved.ok);
    EXPECT_TRUE(saved.reason.contains(c.reasonMentions, Qt::CaseInsensitive)) << saved.reason.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImageSaveFailure,
    testing::Values(
        FailureCase{"MissingFolder", [](const QDir& dir) { return dir.filePath("nowhere/page.png"); },
                        "does not exist"},
        FailureCase{"ParentIsFile",
                        [](const QDir& dir) { return Written(dir, "plain.txt", "text") + "/page.png"; },
                        "not a folder"},
        FailureCase{"TargetIsFolder",
                        [](const QDir& dir) {
                            dir.mkdir("page.png");
                            return dir.filePath("page.png");
                        },
                        "folder"}),
    [](const auto& info) { return CaseName(info.param.name); });

TEST(ImageSave, NullImageIsRefusedWithoutCreatingAFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("empty.png");
    const IoResult saved = CImage().Save(path, ImageFormat::Png);
    EXPECT_FALSE(saved.ok);
    EXPECT_FALSE(saved.reason.isEmpty());
    EXPECT_FALSE(QFile::exists(path));
}

// A save over an existing file, cut short by the file size cap. A small file is
// only written out at the end; a large one fails while it is being encoded.
constexpr int kSmallSide = 64;   // under Qt's 16 KB write buffer in every format
constexpr int kLargeSide = 128;  // over it

class ImageInterruptedSave : public testing::TestWithParam<std::tuple<ImageFormat, int>> {};

TEST_P(ImageInterruptedSave, LeavesExistingFileIntactAndNoLeftovers)
{
    const auto [format, side] = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath("page");
    const QByteArray original = "the page saved last time";
    WriteBytes(path, original);
    CImage image;
    image.SetImage(NoisyPage(side));

    IoResult saved;
    {
        const FileSizeCap cap(1024);
        saved = image.Save(path, format);
    }
    EXPECT_FALSE(saved.ok);
    // The cause is named, as "disk full" would be.
    EXPECT_TRUE(saved.reason.contains("File too large")) << saved.reason.toStdString();
    EXPECT_EQ(ReadBytes(path), original);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"page"});
}

INSTANTIATE_TEST_SUITE_P(Formats, ImageInterruptedSave,
                         testing::Combine(testing::Values(ImageFormat::Png, ImageFormat::Bmp, ImageFormat::Jpeg,
                                                          ImageFormat::Gif),
                                          testing::Values(kSmallSide, kLargeSide)),
                         [](const auto& info) {
                             return FormatName(std::get<0>(info.param)) +
                                    (std::get<1>(info.param) == kSmallSide ? "Small" : "Large");
                         });

TEST(ImagePermissions, UnreadableFileAndReadOnlyFolderGiveReasons)
{
    if (geteuid() == 0) GTEST_SKIP() << "root reads and writes regardless of permissions";
    QTemporaryDir dir;
    const QString locked = Written(QDir(dir.path()), "locked.png", PngBytes(FewColourPage()));
    QFile::setPermissions(locked, QFileDevice::Permissions());
    const QString readOnly = dir.filePath("read-only");
    QDir(dir.path()).mkdir("read-only");
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    CImage image;
    image.SetImage(FewColourPage());

    const IoResult loaded = image.Load(locked);
    EXPECT_FALSE(loaded.ok);
    EXPECT_FALSE(loaded.reason.isEmpty());
    const IoResult saved = image.Save(readOnly + "/page.png", ImageFormat::Png);
    EXPECT_FALSE(saved.ok);
    EXPECT_FALSE(saved.reason.isEmpty());
}

// ---------------------------------------------------------------- pixels

TEST(ImagePixels, WritesReachThisImageOnly)
{
    CImage image;
    image.SetImage(FewColourPage());
    const QImage earlierCopy = image.Image();

    image.Pixels().Row(2)[3] = 0xFF123456u;
    EXPECT_EQ(image.Image().pixel(3, 2), 0xFF123456u);
    EXPECT_EQ(earlierCopy.pixel(3, 2), FewColourPage().pixel(3, 2));
}

}  // namespace
