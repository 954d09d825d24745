#include "platform/exif_orientation.h"
#include "platform/image.h"
#include "platform/jpeg_turbo.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <turbojpeg.h>

#include <string>

namespace {

// ---------------------------------------------------------------- turning pixels

// "abc" over "def", one distinct colour per letter.
QImage LetteredImage()
{
    QImage image(3, 2, QImage::Format_RGB32);
    const char* rows[] = {"abc", "def"};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) image.setPixel(x, y, qRgb(rows[y][x], 0, 0));
    return image;
}

std::string Letters(const QImage& image)
{
    std::string text;
    for (int y = 0; y < image.height(); ++y) {
        if (y > 0) text += '/';
        for (int x = 0; x < image.width(); ++x) text += char(qRed(image.pixel(x, y)));
    }
    return text;
}

struct OrientationCase {
    int orientation;
    const char* upright;  // rows of the result, top first
};

class OrientedImage : public testing::TestWithParam<OrientationCase> {};

TEST_P(OrientedImage, StandsAsTheCameraShowedIt)
{
    EXPECT_EQ(Letters(Oriented(LetteredImage(), GetParam().orientation)), GetParam().upright);
}

INSTANTIATE_TEST_SUITE_P(AllEight, OrientedImage,
                         testing::Values(OrientationCase{1, "abc/def"}, OrientationCase{2, "cba/fed"},
                                         OrientationCase{3, "fed/cba"}, OrientationCase{4, "def/abc"},
                                         OrientationCase{5, "ad/be/cf"}, OrientationCase{6, "da/eb/fc"},
                                         OrientationCase{7, "fc/eb/da"}, OrientationCase{8, "cf/be/ad"},
                                         OrientationCase{0, "abc/def"}, OrientationCase{9, "abc/def"}));

// ---------------------------------------------------------------- reading the tag

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (const int value : values) bytes.append(char(value));
    return bytes;
}

QByteArray Big16(int value)
{
    return Bytes({value >> 8, value & 0xFF});
}

QByteArray Ordered(int value, int size, bool bigEndian)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i) bytes[bigEndian ? size - 1 - i : i] = char((value >> (8 * i)) & 0xFF);
    return bytes;
}

// A TIFF block with one IFD entry, as cameras write it.
QByteArray Tiff(bool bigEndian, int tag, int type, int value)
{
    QByteArray tiff = bigEndian ? "MM" : "II";
    tiff += Ordered(42, 2, bigEndian) + Ordered(8, 4, bigEndian);
    tiff += Ordered(1, 2, bigEndian);
    tiff += Ordered(tag, 2, bigEndian) + Ordered(type, 2, bigEndian) + Ordered(1, 4, bigEndian);
    tiff += Ordered(value, 2, bigEndian) + QByteArray(2, '\0');
    return tiff + Ordered(0, 4, bigEndian);
}

QByteArray Segment(int marker, const QByteArray& payload)
{
    return Bytes({0xFF, marker}) + Big16(int(payload.size()) + 2) + payload;
}

QByteArray ExifSegment(const QByteArray& tiff)
{
    return Segment(0xE1, QByteArray("Exif\0\0", 6) + tiff);
}

const QByteArray kStart = Bytes({0xFF, 0xD8});
const QByteArray kScan = Segment(0xDA, QByteArray(10, '\0'));
const int kOrientationTag = 0x0112;

struct TagCase {
    const char* name;
    QByteArray file;
    int expected;
};

class ExifTag : public testing::TestWithParam<TagCase> {};

TEST_P(ExifTag, IsReadOrUprightIsAssumed)
{
    EXPECT_EQ(JpegExifOrientation(GetParam().file), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExifTag,
    testing::Values(
        TagCase{"IntelOrder", kStart + ExifSegment(Tiff(false, kOrientationTag, 3, 6)) + kScan, 6},
        TagCase{"MotorolaOrder", kStart + ExifSegment(Tiff(true, kOrientationTag, 3, 8)) + kScan, 8},
        TagCase{"AfterJfifSegment",
                kStart + Segment(0xE0, "JFIF" + QByteArray(10, '\0')) + ExifSegment(Tiff(true, kOrientationTag, 3, 3)), 3},
        TagCase{"NoExif", kStart + Segment(0xE0, "JFIF" + QByteArray(10, '\0')) + kScan, 1},
        TagCase{"OtherTagOnly", kStart + ExifSegment(Tiff(false, 0x0110, 3, 6)), 1},
        TagCase{"WrongType", kStart + ExifSegment(Tiff(false, kOrientationTag, 4, 6)), 1},
        TagCase{"ValueOutOfRange", kStart + ExifSegment(Tiff(false, kOrientationTag, 3, 9)), 1},
        TagCase{"AfterTheScanStarts", kStart + kScan + ExifSegment(Tiff(false, kOrientationTag, 3, 6)), 1},
        TagCase{"CutInsideTheEntry", kStart + ExifSegment(Tiff(false, kOrientationTag, 3, 6).left(16)), 1},
        TagCase{"SegmentLongerThanFile", (kStart + ExifSegment(Tiff(false, kOrientationTag, 3, 6))).chopped(3), 1},
        TagCase{"IfdOffsetPastTheEnd",
                kStart + ExifSegment(QByteArray("II\x2A\0", 4) + Ordered(0x7FFFFFF0, 4, false)), 1},
        TagCase{"NotAJpeg", QByteArray("GIF89a") + ExifSegment(Tiff(false, kOrientationTag, 3, 6)), 1}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- files

QByteArray EncodeJpeg(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    tjhandle handle = tjInitCompress();
    unsigned char* encoded = nullptr;
    unsigned long size = 0;
    const int result = tjCompress2(handle, rgb.constBits(), rgb.width(), int(rgb.bytesPerLine()), rgb.height(),
                                   TJPF_RGB, &encoded, &size, TJSAMP_444, 95, 0);
    QByteArray bytes = result == 0 ? QByteArray(reinterpret_cast<const char*>(encoded), qsizetype(size)) : QByteArray();
    tjFree(encoded);
    tjDestroy(handle);
    return bytes;
}

// Inserts the Exif segment right after the start marker, as a phone does.
QByteArray WithOrientation(const QByteArray& jpeg, int orientation)
{
    return jpeg.left(2) + ExifSegment(Tiff(false, kOrientationTag, 3, orientation)) + jpeg.mid(2);
}

QString WriteFile(const QTemporaryDir& dir, const char* name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return path;
}

bool IsNear(QRgb pixel, QRgb expected)
{
    return std::abs(qRed(pixel) - qRed(expected)) < 24 && std::abs(qGreen(pixel) - qGreen(expected)) < 24 &&
           std::abs(qBlue(pixel) - qBlue(expected)) < 24;
}

TEST(JpegFile, PortraitPhotoWithOrientationSixOpensUpright)
{
    // The sensor's landscape frame: the phone's top (red) lies on the left.
    QImage stored(60, 40, QImage::Format_RGB32);
    stored.fill(qRgb(0, 0, 255));
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 30; ++x) stored.setPixel(x, y, qRgb(255, 0, 0));
    QTemporaryDir dir;
    const QString path = WriteFile(dir, "phone.jpg", WithOrientation(EncodeJpeg(stored), 6));

    CImage page;
    const IoResult loaded = page.Load(path);
    ASSERT_TRUE(loaded.ok) << loaded.reason.toStdString();
    ASSERT_EQ(page.Image().size(), QSize(40, 60));
    EXPECT_EQ(page.Image().format(), QImage::Format_RGB32);
    EXPECT_TRUE(IsNear(page.Image().pixel(20, 10), qRgb(255, 0, 0)));
    EXPECT_TRUE(IsNear(page.Image().pixel(20, 50), qRgb(0, 0, 255)));
}

TEST(JpegFile, RoundTripOfAnOddSizeStaysClose)
{
    QImage original(37, 23, QImage::Format_RGB32);
    for (int y = 0; y < original.height(); ++y)
        for (int x = 0; x < original.width(); ++x) original.setPixel(x, y, qRgb(x * 6, y * 10, 200 - x - y));
    QTemporaryDir dir;
    CImage written;
    written.SetImage(original);
    ASSERT_TRUE(written.Save(dir.filePath("page.jpg"), ImageFormat::Jpeg).ok);
    CImage read;
    ASSERT_TRUE(read.Load(dir.filePath("page.jpg")).ok);
    ASSERT_EQ(read.Image().size(), original.size());
    for (int y = 0; y < original.height(); ++y)
        for (int x = 0; x < original.width(); ++x)
            ASSERT_TRUE(IsNear(read.Image().pixel(x, y), original.pixel(x, y))) << x << "," << y;
}

TEST(JpegFile, PictureFromJpegIsOpaque)
{
    QImage original(8, 8, QImage::Format_RGB32);
    original.fill(qRgb(30, 60, 90));
    QTemporaryDir dir;
    const QString path = WriteFile(dir, "picture.jpg", EncodeJpeg(original));
    CImage picture;
    ASSERT_TRUE(picture.Load(path, CImage::Kind::Picture).ok);
    EXPECT_EQ(picture.Image().format(), QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(picture.Image().pixel(3, 3)), 255);
}

TEST(JpegFile, BrokenHeaderIsRefusedAsDamaged)
{
    QTemporaryDir dir;
    const QByteArray jpeg = EncodeJpeg(LetteredImage());
    for (const QByteArray& bytes : {jpeg.left(40), kStart + QByteArray("\xFF\xC0garbage", 10) + QByteArray(64, 'x')}) {
        CImage image;
        const IoResult loaded = image.Load(WriteFile(dir, "broken.jpg", bytes));
        EXPECT_FALSE(loaded.ok);
        EXPECT_TRUE(loaded.reason.contains("damaged")) << loaded.reason.toStdString();
    }
}

}  // namespace
