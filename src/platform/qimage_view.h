#pragma once
// The raster functions' view of a 32-bit QImage.

#include "platform/raster.h"

#include <QImage>

inline raster::PixelView PixelViewOf(QImage& image)
{
    Q_ASSERT(image.depth() == 32);
    return {reinterpret_cast<Pixel*>(image.bits()), image.width(), image.height(), int(image.bytesPerLine() / 4)};
}

// For reading only: the raster functions never write through a source view.
inline raster::PixelView ReadOnlyPixelViewOf(const QImage& image)
{
    Q_ASSERT(image.depth() == 32);
    return {const_cast<Pixel*>(reinterpret_cast<const Pixel*>(image.constBits())), image.width(), image.height(),
            int(image.bytesPerLine() / 4)};
}
