#pragma once
// Pixel drawing on plain 32-bit bitmaps. No toolkit types here: pages, undo
// records and thumbnails all go through these few exact rules.
// Rectangles have exclusive right and bottom edges; everything clips to the bitmap.

#include "platform/color.h"
#include "platform/geometry.h"

#include <cstdint>

namespace raster {

// A view of someone else's pixels; stride is in pixels, not bytes.
struct PixelView {
    Pixel* bits = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;

    Pixel* Row(int y) const { return bits + static_cast<std::ptrdiff_t>(y) * stride; }
    bool Contains(CPoint p) const { return p.x >= 0 && p.y >= 0 && p.x < width && p.y < height; }
    CRect Bounds() const { return {0, 0, width, height}; }
    // The pixels of r, which must lie within the bitmap; an empty r gives an empty view.
    PixelView Part(const CRect& r) const
    {
        if (r.IsRectEmpty()) return {};
        return {Row(r.top) + r.left, r.Width(), r.Height(), stride};
    }
};

Pixel GetPixel(const PixelView& v, CPoint p);          // 0 outside the bitmap
void SetPixel(const PixelView& v, CPoint p, Pixel c);  // ignored outside

// Every pixel with l <= x < r and t <= y < b.
void FillRect(const PixelView& v, const CRect& r, Pixel c);
// The one-pixel border along the inside of r; an empty r draws nothing.
void FrameRect(const PixelView& v, const CRect& r, Pixel c);
// A one-pixel Bresenham line from a towards b; b itself is not drawn.
void DrawLine(const PixelView& v, CPoint a, CPoint b, Pixel c);
// The outline of the ellipse inscribed in r (touching all four sides), inside untouched.
// r is normalised first, so the corner order does not matter.
void DrawEllipse(const PixelView& v, CRect r, Pixel c);
// 4-connected fill of the area of p's colour; nothing when p is outside or already c.
void FloodFill(const PixelView& v, CPoint p, Pixel c);
// Nearest-neighbour scaling: destination column x takes source column
// srcRect.left + floor((2x + 1) * srcW / (2 * dstW)); rows likewise.
void StretchNearest(const PixelView& src, const CRect& srcRect, const PixelView& dst, const CRect& dstRect);
// Copies src's rectangle srcRect to dst with its top-left at dstPos, clipped on both sides.
void Blit(const PixelView& src, const CRect& srcRect, const PixelView& dst, CPoint dstPos);

// Like Blit, but source pixels whose colour is pure black are left out.
void BlitSkippingBlack(const PixelView& src, const CRect& srcRect, const PixelView& dst, CPoint dstPos);
// Composes src's rectangle over dst: src carries straight (not premultiplied)
// alpha in its top byte; dst stays opaque.
void BlendOver(const PixelView& src, const CRect& srcRect, const PixelView& dst, CPoint dstPos);

}  // namespace raster
