#pragma once
// Layouts are given in dialog units of the 8-point dialog font at 96 dpi:
// 4 units across make 6 pixels, 8 units down make 13.

#include <QRect>

#include <cmath>

inline QRect PixelsFromDialogUnits(const QRect& units)
{
    const auto across = [](int x) { return int(std::lround(x * 6 / 4.0)); };
    const auto down = [](int y) { return int(std::lround(y * 13 / 8.0)); };
    return {across(units.x()), down(units.y()), across(units.width()), down(units.height())};
}
