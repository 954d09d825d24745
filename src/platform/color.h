#pragma once
// Colours as the editor stores them, and the one conversion into page pixels.

#include <cstdint>

// 0x00BBGGRR, red in the lowest byte.
using COLORREF = uint32_t;

constexpr COLORREF RGB(uint8_t r, uint8_t g, uint8_t b)
{
    return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16);
}
constexpr uint8_t GetRValue(COLORREF c) { return uint8_t(c & 0xFF); }
constexpr uint8_t GetGValue(COLORREF c) { return uint8_t((c >> 8) & 0xFF); }
constexpr uint8_t GetBValue(COLORREF c) { return uint8_t((c >> 16) & 0xFF); }

// A colour as three bytes, red first.
struct sColor {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;

    constexpr bool operator==(const sColor&) const = default;
    constexpr COLORREF ToColorRef() const { return RGB(red, green, blue); }
    constexpr bool IsBlack() const { return red == 0 && green == 0 && blue == 0; }
};

// Page pixels are opaque 0xFFRRGGBB words (QImage::Format_RGB32 layout).
using Pixel = uint32_t;

constexpr Pixel PixelFromColor(COLORREF c)
{
    return 0xFF000000u | (Pixel(GetRValue(c)) << 16) | (Pixel(GetGValue(c)) << 8) | Pixel(GetBValue(c));
}
constexpr Pixel PixelFromColor(sColor c) { return PixelFromColor(c.ToColorRef()); }

constexpr COLORREF ColorFromPixel(Pixel p)
{
    return RGB(uint8_t((p >> 16) & 0xFF), uint8_t((p >> 8) & 0xFF), uint8_t(p & 0xFF));
}
constexpr sColor SColorFromPixel(Pixel p)
{
    return {uint8_t((p >> 16) & 0xFF), uint8_t((p >> 8) & 0xFF), uint8_t(p & 0xFF)};
}
