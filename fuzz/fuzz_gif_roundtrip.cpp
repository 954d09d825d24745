// A small image from arbitrary bytes goes through the GIF writer and back through
// the loader. The file always loads at the same size, and an image of at most
// 256 colours (as a page shows it, over white) comes back pixel for pixel.

#include "support.h"

#include "platform/gif_writer.h"
#include "platform/image.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QBuffer>
#include <QSet>

#include <cstdlib>

namespace {

constexpr int kMaxSide = 48;
constexpr int kMaxColors = 300;  // a little past the palette, so reduction is fuzzed too
constexpr int kGifPaletteSize = 256;

void Check(bool ok)
{
    if (!ok) std::abort();
}

// Pixels picked from a palette taken from the input, so colour counts near 256 are common.
QImage ImageFrom(FuzzedDataProvider& input)
{
    const int width = input.ConsumeIntegralInRange(1, kMaxSide);
    const int height = input.ConsumeIntegralInRange(1, kMaxSide);
    const bool withAlpha = input.ConsumeBool();
    const int colors = input.ConsumeIntegralInRange(1, kMaxColors);
    QList<QRgb> palette;
    for (int i = 0; i < colors; ++i) palette.append(input.ConsumeIntegral<uint32_t>() | (withAlpha ? 0 : 0xFF000000u));
    QImage image(width, height, withAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, palette[input.ConsumeIntegralInRange(0, colors - 1)]);
    return image;
}

int CountColors(const QImage& image)
{
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) seen.insert(image.pixel(x, y));
    return int(seen.size());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const QImage image = ImageFrom(input);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    Check(bool(WriteGif(image, buffer)));

    static fuzz::MemoryFile file;
    file.SetContent(bytes);
    CImage loaded;
    Check(bool(loaded.Load(file.Path(), CImage::Kind::Page)));
    Check(loaded.Image().size() == image.size());
    const QImage page = ComposedOverWhite(image);
    if (CountColors(page) <= kGifPaletteSize) Check(loaded.Image() == page);
    return 0;
}
