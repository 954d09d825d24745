#include "platform/raster.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <vector>

// All coordinate arithmetic that can leave the int range (INT_MIN/INT_MAX corners,
// widths of rectangles spanning the whole int range) is done in int64_t, and the
// few products that can exceed 64 bits (line clipping, stretch maps, the ellipse)
// in 128-bit integers. Nothing here ever reads or writes a pixel outside the view.

namespace raster {
namespace {

using i64 = int64_t;
using i128 = __int128;
using u128 = unsigned __int128;

// A rectangle clipped to the bitmap, in 64-bit so that nothing overflows on the way.
struct Span2D {
    i64 left, top, right, bottom;
    bool Empty() const { return right <= left || bottom <= top; }
};

Span2D ClipToView(const PixelView& v, i64 l, i64 t, i64 r, i64 b)
{
    return {std::max<i64>(l, 0), std::max<i64>(t, 0), std::min<i64>(r, v.width), std::min<i64>(b, v.height)};
}

bool Usable(const PixelView& v) { return v.bits != nullptr && v.width > 0 && v.height > 0; }

// Fills columns [l, r) of row y (all 64-bit, clipped here) with c.
void FillClipped(const PixelView& v, i64 l, i64 t, i64 r, i64 b, Pixel c)
{
    if (!Usable(v)) return;
    const Span2D s = ClipToView(v, l, t, r, b);
    if (s.Empty()) return;
    for (i64 y = s.top; y < s.bottom; ++y) {
        Pixel* row = v.Row(static_cast<int>(y));
        std::fill(row + s.left, row + s.right, c);
    }
}

i64 FloorDiv(i128 n, i128 d)  // d > 0
{
    i128 q = n / d;
    if (n % d != 0 && n < 0) --q;
    return static_cast<i64>(q);
}
i64 CeilDiv(i128 n, i128 d)  // d > 0
{
    i128 q = n / d;
    if (n % d != 0 && n > 0) ++q;
    return static_cast<i64>(q);
}

// floor(sqrt(n)) for any 128-bit unsigned n.
uint64_t ISqrt(u128 n)
{
    uint64_t lo = 0, hi = ~uint64_t(0);
    while (lo < hi) {
        const uint64_t mid = lo + (hi - lo) / 2 + 1;
        if (static_cast<u128>(mid) * mid <= n) lo = mid; else hi = mid - 1;
    }
    return lo;
}

// The ellipse: for top-half row k (0 = top row) of a w x h box, the first column
// (0-based within the box) of the row's inside span. A pixel is inside when its centre
// lies inside the ellipse inscribed in the box's outer edges; in doubled coordinates
// about the box centre (X = 2c + 1 - w, Y = 2k + 1 - h) that is X^2 h^2 + Y^2 w^2 <= w^2 h^2.
// The middle row(s) always reach the sides and every row keeps at least its middle
// one or two pixels, so the outline touches all four sides whatever the proportions.
i64 EllipseRowStart(i64 w, i64 h, i64 k)
{
    const i64 limit = (w - 1) / 2;
    if (k >= (h + 1) / 2 - 1) return 0;  // a middle row
    const i64 y = h - 1 - 2 * k;         // |Y|, 0 < y < h
    const u128 d = static_cast<u128>(static_cast<uint64_t>(h) * static_cast<uint64_t>(h) -
                                     static_cast<uint64_t>(y) * static_cast<uint64_t>(y));
    const u128 w2 = static_cast<u128>(static_cast<uint64_t>(w) * static_cast<uint64_t>(w));
    i64 xmax = static_cast<i64>(ISqrt(w2 * d) / static_cast<uint64_t>(h));  // largest |X| inside
    if (((xmax ^ (w - 1)) & 1) != 0) --xmax;                                  // X has w-1's parity
    if (xmax < 0) return limit;
    return std::min(limit, (w - 1 - xmax) / 2);
}

}  // namespace

Pixel GetPixel(const PixelView& v, CPoint p)
{
    if (!Usable(v) || !v.Contains(p)) return 0;
    return v.Row(p.y)[p.x];
}

void SetPixel(const PixelView& v, CPoint p, Pixel c)
{
    if (!Usable(v) || !v.Contains(p)) return;
    v.Row(p.y)[p.x] = c;
}

void FillRect(const PixelView& v, const CRect& r, Pixel c) { FillClipped(v, r.left, r.top, r.right, r.bottom, c); }

void FrameRect(const PixelView& v, const CRect& r, Pixel c)
{
    const i64 l = r.left, t = r.top, rr = r.right, b = r.bottom;
    if (rr <= l || b <= t) return;
    FillClipped(v, l, t, rr, t + 1, c);                  // top row
    if (b - 1 > t) FillClipped(v, l, b - 1, rr, b, c);  // bottom row
    if (b - t > 2) {
        FillClipped(v, l, t + 1, l + 1, b - 1, c);                       // left column
        if (rr - 1 > l) FillClipped(v, rr - 1, t + 1, rr, b - 1, c);  // right column
    }
}

void DrawLine(const PixelView& v, CPoint a, CPoint b, Pixel c)
{
    if (a == b || !Usable(v)) return;
    const i64 dx = i64(b.x) - a.x, dy = i64(b.y) - a.y;
    const bool xMajor = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    // Work in (major, minor) coordinates; step j = 0 .. major-1 is plotted at
    // (a0 + sMaj*j, a1 + sMin*m_j) with m_j = floor((2*j*minor + major - 1) / (2*major)):
    // Bresenham's midpoint rule, a tie going towards a. Because m_j is a closed form of j,
    // clipping (starting at some j > 0) cannot change which pixels are drawn.
    const i64 dMaj = xMajor ? dx : dy, dMin = xMajor ? dy : dx;
    const i64 major = dMaj < 0 ? -dMaj : dMaj, minor = dMin < 0 ? -dMin : dMin;
    const int sMaj = dMaj < 0 ? -1 : 1, sMin = dMin < 0 ? -1 : 1;
    const i64 a0 = xMajor ? a.x : a.y, a1 = xMajor ? a.y : a.x;
    const i64 limMaj = xMajor ? v.width : v.height, limMin = xMajor ? v.height : v.width;

    // Steps whose major coordinate is on the bitmap.
    i64 jlo = 0, jhi = major - 1;
    if (sMaj > 0) { jlo = std::max(jlo, -a0); jhi = std::min(jhi, limMaj - 1 - a0); }
    else          { jlo = std::max(jlo, a0 - (limMaj - 1)); jhi = std::min(jhi, a0); }
    if (jlo > jhi) return;

    // Steps whose minor offset m lies in [mlo, mhi] (m_j is non-decreasing, m_0 = 0).
    const i64 mlo = sMin > 0 ? -a1 : a1 - (limMin - 1);
    const i64 mhi = sMin > 0 ? limMin - 1 - a1 : a1;
    if (mhi < 0) return;
    if (minor == 0) {
        if (mlo > 0) return;
    } else {
        if (mlo > 0) jlo = std::max(jlo, CeilDiv((i128(2) * mlo - 1) * major + 1, i128(2) * minor));
        jhi = std::min(jhi, FloorDiv((i128(2) * mhi + 1) * major, i128(2) * minor));
    }
    if (jlo > jhi) return;

    const i64 q = 2 * major;  // < 2^34
    const i128 n0 = i128(2) * jlo * minor + major - 1;
    i64 m = static_cast<i64>(n0 / q);
    i64 rem = static_cast<i64>(n0 % q);
    for (i64 j = jlo; j <= jhi; ++j) {
        const i64 pMaj = a0 + sMaj * j, pMin = a1 + sMin * m;
        const i64 x = xMajor ? pMaj : pMin, y = xMajor ? pMin : pMaj;
        if (x >= 0 && y >= 0 && x < v.width && y < v.height)  // always true; kept as a guard
            v.Row(static_cast<int>(y))[x] = c;
        rem += 2 * minor;
        if (rem >= q) { rem -= q; ++m; }
    }
}

void DrawEllipse(const PixelView& v, CRect r, Pixel c)
{
    r.NormalizeRect();
    if (!Usable(v) || r.IsRectEmpty()) return;
    const i64 l = r.left, t = r.top;
    const i64 w = i64(r.right) - l, h = i64(r.bottom) - t;
    const i64 y0 = std::max<i64>(t, 0), y1 = std::min<i64>(r.bottom, v.height);
    for (i64 y = y0; y < y1; ++y) {
        const i64 i = y - t;
        const i64 k = std::min(i, h - 1 - i);  // mirrored into the top half
        const i64 start = EllipseRowStart(w, h, k);
        // The run from the side inwards, reaching one column short of the row nearer
        // the top/bottom edge so that consecutive rows join diagonally.
        const i64 end = k == 0 ? w - 1 - start : std::max(start, EllipseRowStart(w, h, k - 1) - 1);
        FillClipped(v, l + start, y, l + end + 1, y + 1, c);
        FillClipped(v, l + (w - 1 - end), y, l + (w - start), y + 1, c);
    }
}

void FloodFill(const PixelView& v, CPoint p, Pixel c)
{
    if (!Usable(v) || !v.Contains(p)) return;
    const Pixel old = v.Row(p.y)[p.x];
    if (old == c) return;
    const int w = v.width, h = v.height;

    // Each entry is a maximal run [x1, x2] of row y, already filled, whose neighbours in
    // row y + dy are still to be scanned. Filled pixels are never `old` again, so each
    // pixel is examined a bounded number of times.
    struct Segment { int x1, x2, y, dy; };
    std::vector<Segment> stack;
    stack.reserve(1024);

    {
        Pixel* row = v.Row(p.y);
        int x1 = p.x;
        while (x1 > 0 && row[x1 - 1] == old) --x1;
        int x2 = p.x;
        while (x2 < w && row[x2] == old) row[x2++] = c;
        std::fill(row + x1, row + p.x, c);
        stack.push_back({x1, x2 - 1, p.y, 1});
        stack.push_back({x1, x2 - 1, p.y, -1});
    }

    while (!stack.empty()) {
        const Segment s = stack.back();
        stack.pop_back();
        const int y = s.y + s.dy;
        if (y < 0 || y >= h) continue;
        Pixel* row = v.Row(y);
        int x = s.x1;
        while (x <= s.x2) {
            if (row[x] != old) { ++x; continue; }
            int start = x;
            if (x == s.x1) {
                while (start > 0 && row[start - 1] == old) --start;
                std::fill(row + start, row + x, c);
            }
            while (x < w && row[x] == old) row[x++] = c;
            const int end = x - 1;  // row[x] (if any) is not old
            stack.push_back({start, end, y, s.dy});
            // Overhangs past the parent run: the parent's row there was never scanned.
            // (The parent run was maximal, so its row at x1-1 and x2+1 is not old.)
            if (start <= s.x1 - 2) stack.push_back({start, s.x1 - 2, y, -s.dy});
            if (end >= s.x2 + 2) stack.push_back({s.x2 + 2, end, y, -s.dy});
            ++x;
        }
    }
}

void StretchNearest(const PixelView& src, const CRect& srcRect, const PixelView& dst, const CRect& dstRect)
{
    if (!Usable(src) || !Usable(dst)) return;
    const i64 srcW = i64(srcRect.right) - srcRect.left, srcH = i64(srcRect.bottom) - srcRect.top;
    const i64 dstW = i64(dstRect.right) - dstRect.left, dstH = i64(dstRect.bottom) - dstRect.top;
    if (srcW <= 0 || srcH <= 0 || dstW <= 0 || dstH <= 0) return;

    // Destination offsets (within dstRect) that land on dst.
    const i64 x0 = std::max<i64>(0, -i64(dstRect.left)), x1 = std::min<i64>(dstW, dst.width - i64(dstRect.left));
    const i64 y0 = std::max<i64>(0, -i64(dstRect.top)), y1 = std::min<i64>(dstH, dst.height - i64(dstRect.top));
    if (x0 >= x1 || y0 >= y1) return;

    auto sourceOf = [](i64 d, i64 srcLen, i64 dstLen, i64 srcStart) {
        return srcStart + static_cast<i64>((i128(2) * d + 1) * srcLen / (i128(2) * dstLen));
    };

    // Column map, once; the map is non-decreasing, so the columns that fall inside src
    // form one contiguous range. Destination pixels whose source is off src are left alone.
    std::vector<int> columns;
    columns.reserve(static_cast<size_t>(x1 - x0));
    i64 firstX = -1;
    for (i64 x = x0; x < x1; ++x) {
        const i64 sx = sourceOf(x, srcW, dstW, srcRect.left);
        if (sx < 0) continue;
        if (sx >= src.width) break;
        if (firstX < 0) firstX = x;
        columns.push_back(static_cast<int>(sx));
    }
    if (columns.empty()) return;
    const i64 dstX = dstRect.left + firstX;
    const size_t n = columns.size();

    for (i64 y = y0; y < y1; ++y) {
        const i64 sy = sourceOf(y, srcH, dstH, srcRect.top);
        if (sy < 0) continue;
        if (sy >= src.height) break;
        const Pixel* in = src.Row(static_cast<int>(sy));
        Pixel* out = dst.Row(static_cast<int>(dstRect.top + y)) + dstX;
        for (size_t i = 0; i < n; ++i) out[i] = in[columns[i]];
    }
}

namespace {

// Clips srcRect to src and its image at dstPos to dst, then hands each row
// pair to copyRow(dstRow, srcRow, count), top-down or bottom-up as asked.
template <typename CopyRow>
void ForEachClippedRow(const PixelView& src, const CRect& srcRect, const PixelView& dst, CPoint dstPos,
                       bool bottomUp, CopyRow copyRow)
{
    if (!Usable(src) || !Usable(dst)) return;
    Span2D s = ClipToView(src, srcRect.left, srcRect.top, srcRect.right, srcRect.bottom);
    if (s.Empty()) return;
    const i64 offX = i64(dstPos.x) - srcRect.left, offY = i64(dstPos.y) - srcRect.top;  // dst = src + off
    s.left = std::max(s.left, -offX);
    s.top = std::max(s.top, -offY);
    s.right = std::min(s.right, dst.width - offX);
    s.bottom = std::min(s.bottom, dst.height - offY);
    if (s.Empty()) return;
    const i64 rows = s.bottom - s.top;
    for (i64 i = 0; i < rows; ++i) {
        const i64 sy = bottomUp ? s.bottom - 1 - i : s.top + i;
        copyRow(dst.Row(static_cast<int>(sy + offY)) + (s.left + offX), src.Row(static_cast<int>(sy)) + s.left,
                static_cast<size_t>(s.right - s.left));
    }
}

Pixel BlendChannel(Pixel s, Pixel d, Pixel alpha, int shift)
{
    const Pixel sc = (s >> shift) & 0xFF, dc = (d >> shift) & 0xFF;
    return ((sc * alpha + dc * (255 - alpha) + 127) / 255) << shift;
}

}  // namespace

void Blit(const PixelView& src, const CRect& srcRect, const PixelView& dst, CPoint dstPos)
{
    // Rows go bottom-up when copying downwards within one buffer, so overlaps copy right.
    const bool bottomUp = src.bits == dst.bits && i64(dstPos.y) > srcRect.top;
    ForEachClippedRow(src, srcRect, dst, dstPos, bottomUp, [](Pixel* d, const Pixel* s, size_t n) {
        std::memmove(d, s, n * sizeof(Pixel));
    });
}

void BlitSkippingBlack(const PixelView& src, const CRect& srcRect, const PixelView& dst, CPoint dstPos)
{
    ForEachClippedRow(src, srcRect, dst, dstPos, false, [](Pixel* d, const Pixel* s, size_t n) {
        for (size_t i = 0; i < n; ++i)
            if (s[i] & 0x00FFFFFFu)
                d[i] = s[i] | 0xFF000000u;
    });
}

void BlendOver(const PixelView& src, const CRect& srcRect, const PixelView& dst, CPoint dstPos)
{
    ForEachClippedRow(src, srcRect, dst, dstPos, false, [](Pixel* d, const Pixel* s, size_t n) {
        for (size_t i = 0; i < n; ++i) {
            const Pixel alpha = s[i] >> 24;
            d[i] = 0xFF000000u | BlendChannel(s[i], d[i], alpha, 16) | BlendChannel(s[i], d[i], alpha, 8) |
                   BlendChannel(s[i], d[i], alpha, 0);
        }
    });
}

}  // namespace raster
