#include "platform/gif_writer.h"

#include <QIODevice>
#include <QImage>

#include <gif_lib.h>
#include <libimagequant.h>

#include <array>
#include <memory>
#include <vector>

namespace {

constexpr int kGifMaxSide = 65535;
// Measured on a 24 MP photo page (bench/files_bench): speed 7 is several times faster than 4;
// 8 and above posterize the input, so even a few-colour page would lose its exact colours.
// Without dithering PSNR rises by 1.5-2.5 dB (dithering adds noise).
constexpr int kQuantizeSpeed = 7;
constexpr float kDitheringLevel = 0.0f;
constexpr int kColorResolutionBits = 8;

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<GifColorType> palette;
    std::vector<GifPixelType> indices;  // row by row, width * height

    GifPixelType* Row(int y) { return indices.data() + static_cast<std::ptrdiff_t>(y) * width; }
};

struct LiqDeleter {
    void operator()(liq_attr* attr) const { liq_attr_destroy(attr); }
    void operator()(liq_image* image) const { liq_image_destroy(image); }
    void operator()(liq_result* result) const { liq_result_destroy(result); }
};
template <class T>
using LiqPtr = std::unique_ptr<T, LiqDeleter>;

IoResult QuantizeFailure(liq_error error)
{
    if (error == LIQ_OUT_OF_MEMORY)
        return IoResult::Failure(QStringLiteral("There is not enough memory to save the GIF file."));
    return IoResult::Failure(QStringLiteral("The colours could not be reduced for GIF (error %1).").arg(int(error)));
}

IoResult Remap(liq_result* result, liq_image* input, IndexedImage& indexed)
{
    liq_set_dithering_level(result, kDitheringLevel);
    indexed.indices.resize(std::size_t(indexed.width) * std::size_t(indexed.height));
    const liq_error error = liq_write_remapped_image(result, input, indexed.indices.data(), indexed.indices.size());
    if (error != LIQ_OK) return QuantizeFailure(error);
    // Remapping may refine the palette, so it is read afterwards.
    const liq_palette* palette = liq_get_palette(result);
    for (unsigned i = 0; i < palette->count; ++i)
        indexed.palette.push_back({palette->entries[i].r, palette->entries[i].g, palette->entries[i].b});
    return IoResult::Success();
}

// Each palette entry moves to the mean of the pixels mapped to it: for the
// mapping at hand no colour is closer to them, so the error only falls. Exact
// colours of a few-colour page stay exact, being their own means.
void MoveEntriesToTheirMeans(const QImage& rgba, IndexedImage& indexed)
{
    std::vector<std::array<uint64_t, 4>> sums(indexed.palette.size(), {0, 0, 0, 0});
    for (int y = 0; y < indexed.height; ++y) {
        const uchar* pixel = rgba.constScanLine(y);
        const GifPixelType* index = indexed.Row(y);
        for (int x = 0; x < indexed.width; ++x, pixel += 4) {
            std::array<uint64_t, 4>& sum = sums[index[x]];
            sum[0] += pixel[0];
            sum[1] += pixel[1];
            sum[2] += pixel[2];
            ++sum[3];
        }
    }
    for (std::size_t i = 0; i < sums.size(); ++i) {
        const uint64_t n = sums[i][3];
        if (n == 0) continue;
        const auto mean = [n](uint64_t total) { return GifByteType((total + n / 2) / n); };
        indexed.palette[i] = {mean(sums[i][0]), mean(sums[i][1]), mean(sums[i][2])};
    }
}

IoResult Quantize(const QImage& rgba, IndexedImage& indexed)
{
    const LiqPtr<liq_attr> attr(liq_attr_create());
    if (!attr) return QuantizeFailure(LIQ_OUT_OF_MEMORY);
    liq_set_speed(attr.get(), kQuantizeSpeed);
    liq_set_quality(attr.get(), 0, 100);
    // 32-bit QImage rows are never padded, so the bits are one contiguous bitmap.
    const LiqPtr<liq_image> input(liq_image_create_rgba(attr.get(), rgba.constBits(), rgba.width(), rgba.height(), 0));
    if (!input) return IoResult::Failure(QStringLiteral("The image is too large to save as GIF."));
    liq_result* quantized = nullptr;
    if (const liq_error error = liq_image_quantize(input.get(), attr.get(), &quantized); error != LIQ_OK)
        return QuantizeFailure(error);
    const LiqPtr<liq_result> result(quantized);
    indexed.width = rgba.width();
    indexed.height = rgba.height();
    if (const IoResult remapped = Remap(result.get(), input.get(), indexed); !remapped) return remapped;
    MoveEntriesToTheirMeans(rgba, indexed);
    return IoResult::Success();
}

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
    std::vector<GifColorType> colors = PaddedPalette(indexed.palette);
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
    const QImage rgba = ComposedOverWhite(image).convertToFormat(QImage::Format_RGBA8888);
    if (rgba.isNull()) return QuantizeFailure(LIQ_OUT_OF_MEMORY);
    IndexedImage indexed;
    if (IoResult quantized = Quantize(rgba, indexed); !quantized) return quantized;
    return WriteIndexed(indexed, out);
}
