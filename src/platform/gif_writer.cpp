#include "platform/gif_writer.h"

#include "platform/palette.h"
#include "platform/qimage_view.h"

#include <QIODevice>
#include <QImage>

#include <gif_lib.h>

#include <new>
#include <vector>

namespace {

constexpr int kGifMaxSide = 65535;
constexpr int kColorResolutionBits = 8;

struct IndexedImage {
    int width = 0;
    int height = 0;
    palette::IndexedPixels pixels;

    GifPixelType* Row(int y) { return pixels.indices.data() + static_cast<std::ptrdiff_t>(y) * width; }
};

// giflib reports a short write as an error of its own; the device knows why.
struct GifSink {
    QIODevice* device = nullptr;
    bool failed = false;
};

int WriteToSink(GifFileType* gif, const GifByteType* data, int length)
{
    auto* sink = static_cast<GifSink*>(gif->UserData);
    const qint64 written = sink->device->write(reinterpret_cast<const char*>(data), length);
    if (written != length) sink->failed = true;
    return int(written);
}

IoResult GifFailure(int error, const GifSink& sink)
{
    if (sink.failed)
        return IoResult::Failure(QStringLiteral("The file could not be written: %1.").arg(sink.device->errorString()));
    const char* text = GifErrorString(error);
    return IoResult::Failure(
        QStringLiteral("The GIF file could not be written: %1.").arg(text ? text : "unknown error"));
}

// giflib only takes colour maps whose size is a power of two (at least 2).
std::vector<GifColorType> PaddedPalette(std::vector<GifColorType> palette)
{
    std::size_t size = 2;
    while (size < palette.size()) size *= 2;
    palette.resize(size);
    return palette;
}

IoResult WriteFrame(GifFileType* gif, IndexedImage& indexed, const GifSink& sink)
{
    std::vector<GifColorType> colors;
    for (const palette::Colour& c : indexed.pixels.colours) colors.push_back({c.r, c.g, c.b});
    colors = PaddedPalette(std::move(colors));
    ColorMapObject* colorMap = GifMakeMapObject(int(colors.size()), colors.data());
    if (!colorMap) return GifFailure(E_GIF_ERR_NOT_ENOUGH_MEM, sink);
    // giflib keeps a copy of the map.
    const int described = EGifPutScreenDesc(gif, indexed.width, indexed.height, kColorResolutionBits, 0, colorMap);
    GifFreeMapObject(colorMap);
    if (described == GIF_ERROR) return GifFailure(gif->Error, sink);
    if (EGifPutImageDesc(gif, 0, 0, indexed.width, indexed.height, false, nullptr) == GIF_ERROR)
        return GifFailure(gif->Error, sink);
    for (int y = 0; y < indexed.height; ++y) {
        if (EGifPutLine(gif, indexed.Row(y), indexed.width) == GIF_ERROR) return GifFailure(gif->Error, sink);
    }
    return IoResult::Success();
}

IoResult WriteIndexed(IndexedImage& indexed, QIODevice& out)
{
    GifSink sink{&out};
    int error = 0;
    GifFileType* gif = EGifOpen(&sink, WriteToSink, &error);
    if (!gif) return GifFailure(error, sink);
    const IoResult written = WriteFrame(gif, indexed, sink);
    // Closing writes the trailer and frees gif whatever happened before.
    const bool closed = EGifCloseFile(gif, &error) == GIF_OK;
    if (!written) return written;
    if (!closed || sink.failed) return GifFailure(error, sink);
    return IoResult::Success();
}

}  // namespace

IoResult WriteGif(const QImage& image, QIODevice& out)
{
    if (image.isNull()) return IoResult::Failure(QStringLiteral("There is no image to save."));
    if (image.width() > kGifMaxSide || image.height() > kGifMaxSide)
        return IoResult::Failure(QStringLiteral("The image is too large to save as GIF."));
    const QImage opaque = ComposedOverWhite(image);
    IndexedImage indexed{opaque.width(), opaque.height(), {}};
    try {
        if (opaque.isNull()) throw std::bad_alloc();
        indexed.pixels = palette::Reduce(ReadOnlyPixelViewOf(opaque));
    } catch (const std::bad_alloc&) {
        return IoResult::Failure(QStringLiteral("There is not enough memory to save the GIF file."));
    }
    return WriteIndexed(indexed, out);
}
