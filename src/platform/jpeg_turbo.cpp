#include "platform/jpeg_turbo.h"

#include "platform/exif_orientation.h"

#include <QIODevice>

#include <turbojpeg.h>

#include <memory>

namespace {

// QImage's 32-bit pixels are 0xAARRGGBB words; the byte order decides how they lie in memory.
constexpr int kPixelFormat = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? TJPF_BGRA : TJPF_ARGB;

struct TurboDeleter {
    void operator()(void* handle) const { tjDestroy(handle); }
};
using TurboHandle = std::unique_ptr<void, TurboDeleter>;

struct TurboBufferDeleter {
    void operator()(unsigned char* buffer) const { tjFree(buffer); }
};

IoResult OutOfMemory()
{
    return IoResult::Failure(QStringLiteral("There is not enough memory for this image."));
}

IoResult Damaged()
{
    return IoResult::Failure(QStringLiteral("The image file is damaged or incomplete."));
}

const unsigned char* BytesOf(QByteArrayView data)
{
    return reinterpret_cast<const unsigned char*>(data.data());
}

// Warnings (a few stray bytes, a missing end marker) still leave a picture, as in
// every viewer; only a fatal error refuses the file.
bool DecodeInto(tjhandle handle, QByteArrayView jpeg, QImage& target)
{
    const int result = tjDecompress2(handle, BytesOf(jpeg), static_cast<unsigned long>(jpeg.size()),
                                     target.bits(), target.width(), int(target.bytesPerLine()), target.height(),
                                     kPixelFormat, 0);
    return result == 0 || tjGetErrorCode(handle) == TJERR_WARNING;
}

}  // namespace

bool IsJpeg(QByteArrayView head)
{
    return head.size() >= 3 && uchar(head[0]) == 0xFF && uchar(head[1]) == 0xD8 && uchar(head[2]) == 0xFF;
}

std::optional<QSize> JpegHeaderSize(QByteArrayView jpeg)
{
    const TurboHandle handle(tjInitDecompress());
    int width = 0, height = 0, subsampling = 0, colorspace = 0;
    if (!handle || tjDecompressHeader3(handle.get(), BytesOf(jpeg), static_cast<unsigned long>(jpeg.size()),
                                       &width, &height, &subsampling, &colorspace) != 0)
        return std::nullopt;
    if (width <= 0 || height <= 0) return std::nullopt;
    return QSize(width, height);
}

IoResult LoadJpeg(QByteArrayView jpeg, QImage& decoded)
{
    const std::optional<QSize> size = JpegHeaderSize(jpeg);
    if (!size) return Damaged();
    const TurboHandle handle(tjInitDecompress());
    QImage image(*size, QImage::Format_RGB32);
    if (!handle || image.isNull()) return OutOfMemory();
    if (!DecodeInto(handle.get(), jpeg, image)) return Damaged();
    QImage upright = Oriented(image, JpegExifOrientation(jpeg));
    if (upright.isNull()) return OutOfMemory();
    decoded = std::move(upright);
    return IoResult::Success();
}

IoResult SaveJpeg(const QImage& image, int quality, QIODevice& out)
{
    Q_ASSERT(image.depth() == 32);
    const TurboHandle handle(tjInitCompress());
    if (!handle) return OutOfMemory();
    unsigned char* encoded = nullptr;
    unsigned long encodedSize = 0;
    const int result = tjCompress2(handle.get(), image.constBits(), image.width(), int(image.bytesPerLine()),
                                   image.height(), kPixelFormat, &encoded, &encodedSize, TJSAMP_420, quality, 0);
    const std::unique_ptr<unsigned char, TurboBufferDeleter> owned(encoded);
    if (result != 0)
        return IoResult::Failure(QStringLiteral("The image could not be encoded: %1.")
                                     .arg(QString::fromUtf8(tjGetErrorStr2(handle.get()))));
    // The caller asks the device why a short write happened.
    out.write(reinterpret_cast<const char*>(encoded), qint64(encodedSize));
    return IoResult::Success();
}
