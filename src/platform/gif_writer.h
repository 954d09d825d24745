#pragma once
// GIF output: one frame, a palette of at most 256 colours. An image with no more
// colours than that keeps them exactly; a richer one is reduced without dithering,
// each pixel taking its nearest palette colour.

#include "platform/image.h"

class QIODevice;
class QImage;

// Writes the whole file to out. Transparent parts are written as white.
IoResult WriteGif(const QImage& image, QIODevice& out);
