#pragma once
// Pages for the pixel benchmarks, made in memory, and their ImageMagick twins.

#include <QImage>

#include <cstddef>
#include <cstdint>

struct _Image;

namespace pixelbench {

constexpr int kPageWidth = 6000;  // a 24-megapixel phone photo
constexpr int kPageHeight = 4000;

QImage BlankPage(int w, int h);
// White with coloured blocks, frames and ellipses, like a flyer.
QImage FlyerPage(int w, int h);
// Black walls around a one-pixel corridor that snakes down and up the columns.
QImage CorridorPage(int w, int h);
// ImageMagick's plasma:fractal, as an opaque page.
QImage PlasmaPage(int w, int h);
// Thirty-two bits of every pixel, folded into one number.
size_t PageHash(const QImage& page);

// ImageMagick, single-threaded; the images are owned by the caller (DestroyImage).
void StartImageMagick();
_Image* MagickImageOf(const QImage& page);
// Flood fill at (x, y) with colour (a name ImageMagick knows); false on any error.
bool MagickFloodFill(_Image* image, int x, int y, const char* color);
// A 132 x 132 sample of the image; false on any error.
bool MagickSample(const _Image* image);
void DestroyMagickImage(_Image* image);

}  // namespace pixelbench
