#pragma once
// Small value types with the desktop conventions the editor is written in:
// right and bottom edges are exclusive, so Width() == right - left.

#include <algorithm>

class QPoint;
class QRect;
class QSize;

struct CPoint {
    int x = 0;
    int y = 0;

    constexpr CPoint() = default;
    constexpr CPoint(int px, int py) : x(px), y(py) {}
    explicit CPoint(const QPoint& p);
    QPoint ToQPoint() const;

    constexpr bool operator==(const CPoint&) const = default;
    constexpr CPoint operator+(const CPoint& o) const { return {x + o.x, y + o.y}; }
    constexpr CPoint operator-(const CPoint& o) const { return {x - o.x, y - o.y}; }
    constexpr CPoint operator-() const { return {-x, -y}; }
};

struct CSize {
    int cx = 0;
    int cy = 0;

    constexpr CSize() = default;
    constexpr CSize(int w, int h) : cx(w), cy(h) {}
    explicit CSize(const QSize& s);
    QSize ToQSize() const;

    constexpr bool operator==(const CSize&) const = default;
};

struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr CRect() = default;
    constexpr CRect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}
    constexpr CRect(CPoint topLeft, CSize size)
        : left(topLeft.x), top(topLeft.y), right(topLeft.x + size.cx), bottom(topLeft.y + size.cy) {}
    explicit CRect(const QRect& r);
    QRect ToQRect() const;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr CSize Size() const { return {Width(), Height()}; }
    constexpr CPoint TopLeft() const { return {left, top}; }
    constexpr CPoint BottomRight() const { return {right, bottom}; }
    constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
    constexpr bool PtInRect(CPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }

    constexpr void NormalizeRect()
    {
        if (left > right) std::swap(left, right);
        if (top > bottom) std::swap(top, bottom);
    }
    constexpr void OffsetRect(int dx, int dy) { left += dx; right += dx; top += dy; bottom += dy; }
    constexpr void OffsetRect(CPoint d) { OffsetRect(d.x, d.y); }

    // The overlap of two rectangles; empty (all zero) when they do not meet.
    constexpr CRect Intersect(const CRect& o) const
    {
        CRect r(std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom));
        return r.IsRectEmpty() ? CRect() : r;
    }

    constexpr bool operator==(const CRect&) const = default;
    constexpr CRect operator+(CPoint d) const { return {left + d.x, top + d.y, right + d.x, bottom + d.y}; }
    constexpr CRect operator-(CPoint d) const { return {left - d.x, top - d.y, right - d.x, bottom - d.y}; }
};
