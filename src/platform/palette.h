#pragma once
// Colour reduction for GIF: at most 256 colours chosen to keep the squared RGB error
// low, every pixel mapped to its nearest colour. No toolkit types here.

#include "platform/raster.h"

#include <cstdint>
#include <vector>

namespace palette {

constexpr int kMaxColours = 256;

struct Colour {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Colour&) const = default;
};

struct IndexedPixels {
    std::vector<Colour> colours;   // 1 to kMaxColours entries
    std::vector<uint8_t> indices;  // one per pixel, row by row
};

// Alpha is ignored. A picture of at most kMaxColours colours keeps them exactly.
// Throws std::bad_alloc when memory runs out.
IndexedPixels Reduce(const raster::PixelView& pixels);

}  // namespace palette
