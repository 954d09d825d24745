#include "platform/png_writer.h"

#include <QIODevice>
#include <QImage>

#include <png.h>
#include <zlib.h>

namespace {

struct PngSink {
    QIODevice* device = nullptr;
    bool writeFailed = false;
    char message[128] = {};
};

PngSink* SinkOf(png_structp png)
{
    return static_cast<PngSink*>(png_get_io_ptr(png));
}

void WriteToSink(png_structp png, png_bytep data, png_size_t length)
{
    PngSink* sink = SinkOf(png);
    if (sink->device->write(reinterpret_cast<const char*>(data), qint64(length)) != qint64(length)) {
        sink->writeFailed = true;
        png_error(png, "short write");
    }
}

void FlushNothing(png_structp) {}

void RememberError(png_structp png, png_const_charp message)
{
    auto* sink = static_cast<PngSink*>(png_get_error_ptr(png));
    qstrncpy(sink->message, message, sizeof sink->message);
    png_longjmp(png, 1);
}

void IgnoreWarning(png_structp, png_const_charp) {}

// QImage keeps 32-bit pixels as 0xAARRGGBB words; libpng is told where the bytes lie.
void DescribeMemoryLayout(png_structp png, bool hasAlpha)
{
    if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
        png_set_bgr(png);
        if (!hasAlpha) png_set_filler(png, 0, PNG_FILLER_AFTER);
    } else {
        if (hasAlpha) png_set_swap_alpha(png);
        else png_set_filler(png, 0, PNG_FILLER_BEFORE);
    }
}

// Holds no object with a destructor: libpng leaves it by longjmp on any error.
bool WriteImage(png_structp png, png_infop info, const QImage& image, const PngSettings& settings)
{
    if (setjmp(png_jmpbuf(png))) return false;
    const bool hasAlpha = image.hasAlphaChannel();
    png_set_IHDR(png, info, png_uint_32(image.width()), png_uint_32(image.height()), 8,
                 hasAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, settings.zlibLevel);
    png_set_compression_strategy(png, settings.zlibStrategy);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, settings.rowFilters);
    png_write_info(png, info);
    DescribeMemoryLayout(png, hasAlpha);
    for (int y = 0; y < image.height(); ++y) png_write_row(png, image.constScanLine(y));
    png_write_end(png, nullptr);
    return true;
}

QImage As32Bit(const QImage& image)
{
    if (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32) return image;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

}  // namespace

PngSettings FlyerPngSettings()
{
    return {3, Z_DEFAULT_STRATEGY, PNG_FILTER_SUB | PNG_FILTER_UP};
}

IoResult WritePng(const QImage& image, QIODevice& out, const PngSettings& settings)
{
    if (image.isNull()) return IoResult::Failure(QStringLiteral("There is no image to save."));
    const QImage pixels = As32Bit(image);
    if (pixels.isNull()) return IoResult::Failure(QStringLiteral("There is not enough memory to save the PNG file."));
    PngSink sink{&out};
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &sink, RememberError, IgnoreWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    bool written = false;
    if (info) {
        png_set_write_fn(png, &sink, WriteToSink, FlushNothing);
        written = WriteImage(png, info, pixels, settings);
    }
    png_destroy_write_struct(&png, &info);
    if (written) return IoResult::Success();
    if (sink.writeFailed)
        return IoResult::Failure(QStringLiteral("The file could not be written: %1.").arg(out.errorString()));
    return IoResult::Failure(QStringLiteral("The PNG file could not be written: %1.")
                                 .arg(sink.message[0] ? QString::fromUtf8(sink.message) : QStringLiteral("not enough memory")));
}
