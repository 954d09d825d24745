// Every raster function on small bitmaps with arbitrary rectangles and points,
// from the edges of the int range to the bitmap's own edges. Rows carry a few
// guard pixels past their width (inside the buffer, so only this check sees them);
// the buffer ends exactly at the last row, so AddressSanitizer sees the rest.
// Fills, frames and copies are compared with a naive pixel-by-pixel rule.

#include "platform/raster.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <climits>
#include <cstdlib>
#include <vector>

namespace {

using i64 = int64_t;
using i128 = __int128;

constexpr int kMaxSide = 40;
constexpr int kMaxPad = 3;
constexpr Pixel kGuard = 0xDEADBEEFu;

void Check(bool ok)
{
    if (!ok) std::abort();
}

struct Bitmap {
    std::vector<Pixel> pixels;
    raster::PixelView view;

    Bitmap(FuzzedDataProvider& input)
    {
        const int width = input.ConsumeIntegralInRange(0, kMaxSide);
        const int height = input.ConsumeIntegralInRange(0, kMaxSide);
        const int stride = width + input.ConsumeIntegralInRange(0, kMaxPad);
        pixels.assign(size_t(stride) * size_t(height), kGuard);
        // A few colours only, so flood fills find areas and black is common.
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) pixels[size_t(y) * stride + x] = input.ConsumeIntegralInRange(0, 3) * 0x55555555u;
        view = {pixels.empty() ? nullptr : pixels.data(), width, height, stride};
    }
    Bitmap(const Bitmap& other) : pixels(other.pixels), view(other.view)
    {
        view.bits = pixels.empty() ? nullptr : pixels.data();
    }
    Pixel At(i64 x, i64 y) const { return view.Row(int(y))[x]; }
    bool Inside(i64 x, i64 y) const { return x >= 0 && y >= 0 && x < view.width && y < view.height; }
    void CheckGuards() const
    {
        for (int y = 0; y < view.height; ++y)
            for (int x = view.width; x < view.stride; ++x) Check(At(x, y) == kGuard);
    }
};

int Coordinate(FuzzedDataProvider& input)
{
    return input.ConsumeBool() ? input.ConsumeIntegralInRange(-2 * kMaxSide, 2 * kMaxSide) : input.ConsumeIntegral<int>();
}

CPoint PointFrom(FuzzedDataProvider& input) { return {Coordinate(input), Coordinate(input)}; }
CRect RectFrom(FuzzedDataProvider& input) { return {Coordinate(input), Coordinate(input), Coordinate(input), Coordinate(input)}; }

bool InRect(const CRect& r, i64 x, i64 y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

// rule(x, y, pixel before, pixel after) holds for every pixel (guards are checked apart).
template <typename Rule>
void CheckEveryPixel(const Bitmap& before, const Bitmap& after, Rule rule)
{
    for (int y = 0; y < after.view.height; ++y)
        for (int x = 0; x < after.view.width; ++x) Check(rule(x, y, before.At(x, y), after.At(x, y)));
}

void FuzzFill(FuzzedDataProvider& input, Bitmap& bitmap, bool frame)
{
    const Bitmap before = bitmap;
    const CRect r = RectFrom(input);
    const Pixel c = input.ConsumeIntegral<Pixel>();
    frame ? raster::FrameRect(bitmap.view, r, c) : raster::FillRect(bitmap.view, r, c);
    const auto onFrame = [&](i64 x, i64 y) {
        return x == r.left || y == r.top || x == i64(r.right) - 1 || y == i64(r.bottom) - 1;
    };
    CheckEveryPixel(before, bitmap, [&](i64 x, i64 y, Pixel was, Pixel now) {
        return now == (InRect(r, x, y) && (!frame || onFrame(x, y)) ? c : was);
    });
}

// Shapes only ever paint c, and only inside the box they were given.
void FuzzShape(FuzzedDataProvider& input, Bitmap& bitmap, bool ellipse)
{
    const Bitmap before = bitmap;
    const CPoint a = PointFrom(input), b = PointFrom(input);
    const Pixel c = input.ConsumeIntegral<Pixel>();
    CRect box(a.x, a.y, b.x, b.y);
    box.NormalizeRect();
    ellipse ? raster::DrawEllipse(bitmap.view, box, c) : raster::DrawLine(bitmap.view, a, b, c);
    const CRect reach = ellipse ? box : CRect(box.left, box.top, box.right == INT_MAX ? INT_MAX : box.right + 1,
                                              box.bottom == INT_MAX ? INT_MAX : box.bottom + 1);
    CheckEveryPixel(before, bitmap, [&](i64 x, i64 y, Pixel was, Pixel now) {
        return now == was || (now == c && InRect(reach, x, y));
    });
    if (!ellipse && bitmap.Inside(a.x, a.y) && !(a == b)) Check(bitmap.At(a.x, a.y) == c);
}

void FuzzFlood(FuzzedDataProvider& input, Bitmap& bitmap)
{
    const Bitmap before = bitmap;
    const CPoint p = PointFrom(input);
    const Pixel c = input.ConsumeIntegralInRange(0, 3) * 0x55555555u;
    raster::FloodFill(bitmap.view, p, c);
    const Pixel old = bitmap.Inside(p.x, p.y) ? before.At(p.x, p.y) : c;
    CheckEveryPixel(before, bitmap, [&](i64, i64, Pixel was, Pixel now) {
        return now == was || (was == old && now == c);
    });
}

// Copies: dst pixel (x, y) takes the source pixel the rule maps it to, when that
// lies in both the source rectangle and the source bitmap.
void FuzzCopy(FuzzedDataProvider& input, Bitmap& dst, int kind)
{
    Bitmap src(input);
    const CRect srcRect = RectFrom(input);
    const Bitmap before = dst;
    if (kind == 0) {
        const CRect dstRect = RectFrom(input);
        raster::StretchNearest(src.view, srcRect, dst.view, dstRect);
        const i64 sw = i64(srcRect.right) - srcRect.left, sh = i64(srcRect.bottom) - srcRect.top;
        const i64 dw = i64(dstRect.right) - dstRect.left, dh = i64(dstRect.bottom) - dstRect.top;
        CheckEveryPixel(before, dst, [&](i64 x, i64 y, Pixel was, Pixel now) {
            if (sw <= 0 || sh <= 0 || !InRect(dstRect, x, y)) return now == was;
            const i64 sx = srcRect.left + i64((i128(2) * (x - dstRect.left) + 1) * sw / (i128(2) * dw));
            const i64 sy = srcRect.top + i64((i128(2) * (y - dstRect.top) + 1) * sh / (i128(2) * dh));
            return now == (src.Inside(sx, sy) ? src.At(sx, sy) : was);
        });
    } else {
        const CPoint pos = PointFrom(input);
        if (kind == 1) raster::Blit(src.view, srcRect, dst.view, pos);
        if (kind == 2) raster::BlitSkippingBlack(src.view, srcRect, dst.view, pos);
        if (kind == 3) raster::BlendOver(src.view, srcRect, dst.view, pos);
        CheckEveryPixel(before, dst, [&](i64 x, i64 y, Pixel was, Pixel now) {
            const i64 sx = x - pos.x + srcRect.left, sy = y - pos.y + srcRect.top;
            if (!InRect(srcRect, sx, sy) || !src.Inside(sx, sy)) return now == was;
            const Pixel s = src.At(sx, sy);
            if (kind == 1) return now == s;
            if (kind == 2) return now == ((s & 0xFFFFFFu) ? s | 0xFF000000u : was);
            return true;  // blending has its own unit tests; here only where it lands
        });
    }
    src.CheckGuards();
}

// A copy within one bitmap, overlapping or not, equals a copy from a snapshot.
void FuzzSelfBlit(FuzzedDataProvider& input, Bitmap& bitmap)
{
    const Bitmap snapshot = bitmap;
    Bitmap expected = bitmap;
    const CRect srcRect = RectFrom(input);
    const CPoint pos = PointFrom(input);
    raster::Blit(snapshot.view, srcRect, expected.view, pos);
    raster::Blit(bitmap.view, srcRect, bitmap.view, pos);
    Check(bitmap.pixels == expected.pixels);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const int operation = input.ConsumeIntegralInRange(0, 10);
    Bitmap bitmap(input);
    switch (operation) {
    case 0: raster::SetPixel(bitmap.view, PointFrom(input), input.ConsumeIntegral<Pixel>()); break;
    case 1: {
        const CPoint p = PointFrom(input);
        Check(raster::GetPixel(bitmap.view, p) == (bitmap.Inside(p.x, p.y) ? bitmap.At(p.x, p.y) : 0));
        break;
    }
    case 2: FuzzFill(input, bitmap, false); break;
    case 3: FuzzFill(input, bitmap, true); break;
    case 4: FuzzShape(input, bitmap, false); break;
    case 5: FuzzShape(input, bitmap, true); break;
    case 6: FuzzFlood(input, bitmap); break;
    case 7: FuzzCopy(input, bitmap, 0); break;
    case 8: FuzzCopy(input, bitmap, 1 + input.ConsumeIntegralInRange(0, 2)); break;
    default: FuzzSelfBlit(input, bitmap); break;
    }
    bitmap.CheckGuards();
    return 0;
}
