#include "canvas/undo.h"

#include <algorithm>

void sUndoElement::Capture(const raster::PixelView& page, const CRect& rc)
{
    left = rc.left;
    top = rc.top;
    right = rc.right;
    bottom = rc.bottom;
    width = std::max(0, right - left);
    height = std::max(0, bottom - top);
    pixels.assign(size_t(width) * size_t(height), 0);
    const raster::PixelView record{pixels.data(), width, height, width};
    raster::Blit(page, page.Bounds().Intersect(Rect()), record, page.Bounds().Intersect(Rect()).TopLeft() - Rect().TopLeft());
}

void sUndoElement::WriteBack(const raster::PixelView& page) const
{
    const raster::PixelView record{const_cast<Pixel*>(pixels.data()), width, height, width};
    const CRect onPage = page.Bounds().Intersect(Rect());
    raster::Blit(record, onPage - Rect().TopLeft(), page, onPage.TopLeft());
}
