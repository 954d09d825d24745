#pragma once
// PNG output through libpng with compression settings measured on flyer pages.

#include "platform/image.h"

class QIODevice;
class QImage;

struct PngSettings {
    int zlibLevel;     // 0-9
    int zlibStrategy;  // Z_DEFAULT_STRATEGY, Z_FILTERED, Z_RLE, ...
    int rowFilters;    // PNG_FILTER_* bits; libpng picks per row among them
};

// What pages are written with; README "Performance" tells how it was chosen.
PngSettings FlyerPngSettings();

// Writes the whole file to out: 8-bit RGB for an opaque image, RGBA when it has alpha.
IoResult WritePng(const QImage& image, QIODevice& out, const PngSettings& settings = FlyerPngSettings());
