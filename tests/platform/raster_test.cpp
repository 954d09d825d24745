// Pixel rules of platform/raster, pinned on tiny bitmaps drawn as pictures:
// '.' is blank, '#' is ink, 'o' is a second colour (flood fills, stretches).

#include "platform/raster.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

using raster::PixelView;

constexpr Pixel kBlank = 0;
constexpr Pixel kInk = 0xFF000000u;
constexpr Pixel kFill = 0xFFFF0000u;

struct Bitmap {
    int width, height;
    std::vector<Pixel> pixels;

    Bitmap(int w, int h, Pixel c = kBlank) : width(w), height(h), pixels(size_t(w) * size_t(h), c) {}
    // Rows of '.', '#' and 'o'.
    explicit Bitmap(const std::vector<std::string>& rows)
        : Bitmap(rows.empty() ? 0 : int(rows[0].size()), int(rows.size()))
    {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                At(x, y) = rows[y][x] == '#' ? kInk : rows[y][x] == 'o' ? kFill : kBlank;
    }
    PixelView View() { return {pixels.data(), width, height, width}; }
    Pixel& At(int x, int y) { return pixels[size_t(y) * width + x]; }
    // One line per row, each preceded by a newline, so a failure prints a picture.
    std::string Picture()
    {
        std::string s;
        for (int y = 0; y < height; ++y) {
            s += '\n';
            for (int x = 0; x < width; ++x) {
                const Pixel p = At(x, y);
                s += p == kBlank ? '.' : p == kInk ? '#' : p == kFill ? 'o' : '?';
            }
        }
        return s;
    }
};

std::string Pic(const std::vector<std::string>& rows)
{
    std::string s;
    for (const auto& r : rows) s += '\n' + r;
    return s;
}

// A drawing on a blank w x h bitmap, and the picture it must give.
struct Case {
    const char* name;
    int w, h;
    std::function<void(const PixelView&)> draw;
    std::vector<std::string> expected;
};

void RunCases(const std::vector<Case>& cases)
{
    for (const auto& c : cases) {
        Bitmap bmp(c.w, c.h);
        c.draw(bmp.View());
        EXPECT_EQ(bmp.Picture(), Pic(c.expected)) << c.name;
    }
}

// --- GetPixel / SetPixel ---------------------------------------------------------

TEST(RasterTest, GetAndSetPixelIgnoreOutside)
{
    Bitmap bmp(4, 3);
    const PixelView v = bmp.View();
    for (CPoint p : {CPoint(-1, 0), CPoint(0, -1), CPoint(4, 0), CPoint(0, 3), CPoint(INT_MIN, INT_MIN),
                     CPoint(INT_MAX, INT_MAX)}) {
        raster::SetPixel(v, p, kInk);
        EXPECT_EQ(raster::GetPixel(v, p), 0u) << p.x << "," << p.y;
    }
    raster::SetPixel(v, {3, 2}, kInk);
    EXPECT_EQ(raster::GetPixel(v, {3, 2}), kInk);
    EXPECT_EQ(bmp.Picture(), Pic({"....", "....", "...#"}));
}

// --- FillRect / FrameRect --------------------------------------------------------

TEST(RasterTest, FillRect)
{
    auto fill = [](CRect r) { return [r](const PixelView& v) { raster::FillRect(v, r, kInk); }; };
    RunCases({
        {"inside", 6, 4, fill({1, 1, 4, 3}), {"......", ".###..", ".###..", "......"}},
        {"clipped left/top", 6, 4, fill({-3, -2, 2, 2}), {"##....", "##....", "......", "......"}},
        {"clipped right/bottom", 6, 4, fill({4, 2, 9, 9}), {"......", "......", "....##", "....##"}},
        {"whole int range", 3, 2, fill({INT_MIN, INT_MIN, INT_MAX, INT_MAX}), {"###", "###"}},
        {"far outside", 3, 2, fill({INT_MIN, 0, -1, 2}), {"...", "..."}},
        {"empty", 3, 2, fill({1, 1, 1, 2}), {"...", "..."}},
        {"inverted", 3, 2, fill({2, 2, 0, 0}), {"...", "..."}},
    });
}

TEST(RasterTest, FrameRect)
{
    auto frame = [](CRect r) { return [r](const PixelView& v) { raster::FrameRect(v, r, kInk); }; };
    RunCases({
        {"inside", 6, 5, frame({1, 0, 5, 4}), {".####.", ".#..#.", ".#..#.", ".####.", "......"}},
        {"one wide", 4, 4, frame({1, 0, 2, 3}), {".#..", ".#..", ".#..", "...."}},
        {"one high", 4, 3, frame({0, 1, 3, 2}), {"....", "###.", "...."}},
        {"two by two", 4, 3, frame({1, 1, 3, 3}), {"....", ".##.", ".##."}},
        {"two wide", 4, 4, frame({1, 0, 3, 4}), {".##.", ".##.", ".##.", ".##."}},
        {"clipped left", 5, 4, frame({-2, 0, 3, 4}), {"###..", "..#..", "..#..", "###.."}},
        {"clipped right", 5, 4, frame({2, 0, 9, 4}), {"..###", "..#..", "..#..", "..###"}},
        {"clipped top", 4, 4, frame({0, -3, 4, 2}), {"#..#", "####", "....", "...."}},
        {"clipped bottom", 4, 4, frame({0, 2, 4, 7}), {"....", "....", "####", "#..#"}},
        {"whole int range", 3, 3, frame({INT_MIN, INT_MIN, INT_MAX, INT_MAX}), {"...", "...", "..."}},
        {"ends at INT_MAX", 3, 3, frame({1, 1, INT_MAX, INT_MAX}), {"...", ".##", ".#."}},
        {"empty", 3, 3, frame({1, 1, 1, 3}), {"...", "...", "..."}},
        {"inverted", 3, 3, frame({3, 3, 0, 0}), {"...", "...", "..."}},
    });
}

// --- DrawLine ----------------------------------------------------------------------

auto Line(CPoint a, CPoint b)
{
    return [a, b](const PixelView& v) { raster::DrawLine(v, a, b, kInk); };
}

// From (3,3) into each octant: the start is drawn, the end (marked by the case name) is not.
TEST(RasterTest, DrawLineOctantsLeaveOutTheEnd)
{
    RunCases({
        {"to (6,5)", 7, 7, Line({3, 3}, {6, 5}), {".......", ".......", ".......", "...#...", "....##.", ".......", "......."}},
        {"to (5,6)", 7, 7, Line({3, 3}, {5, 6}), {".......", ".......", ".......", "...#...", "....#..", "....#..", "......."}},
        {"to (1,6)", 7, 7, Line({3, 3}, {1, 6}), {".......", ".......", ".......", "...#...", "..#....", "..#....", "......."}},
        {"to (0,5)", 7, 7, Line({3, 3}, {0, 5}), {".......", ".......", ".......", "...#...", ".##....", ".......", "......."}},
        {"to (0,1)", 7, 7, Line({3, 3}, {0, 1}), {".......", ".......", ".##....", "...#...", ".......", ".......", "......."}},
        {"to (1,0)", 7, 7, Line({3, 3}, {1, 0}), {".......", "..#....", "..#....", "...#...", ".......", ".......", "......."}},
        {"to (5,0)", 7, 7, Line({3, 3}, {5, 0}), {".......", "....#..", "....#..", "...#...", ".......", ".......", "......."}},
        {"to (6,1)", 7, 7, Line({3, 3}, {6, 1}), {".......", ".......", "....##.", "...#...", ".......", ".......", "......."}},
        {"horizontal", 5, 1, Line({4, 0}, {0, 0}), {".####"}},
        {"vertical", 1, 4, Line({0, 0}, {0, 3}), {"#", "#", "#", "."}},
        {"diagonal", 4, 4, Line({0, 0}, {3, 3}), {"#...", ".#..", "..#.", "...."}},
        {"a == b", 3, 3, Line({1, 1}, {1, 1}), {"...", "...", "..."}},
        {"one step", 3, 1, Line({1, 0}, {2, 0}), {".#."}},
    });
}

TEST(RasterTest, DrawLineClipsAtEveryEdgeAndFarAway)
{
    RunCases({
        {"left to right through", 5, 3, Line({-4, 1}, {9, 1}), {".....", "#####", "....."}},
        {"enters from the top", 3, 4, Line({1, -5}, {1, 2}), {".#.", ".#.", "...", "..."}},
        {"leaves at the bottom", 3, 3, Line({1, 1}, {1, 9}), {"...", ".#.", ".#."}},
        {"enters from the right", 4, 2, Line({9, 0}, {1, 0}), {"..##", "...."}},
        {"diagonal across", 4, 4, Line({-2, 5}, {5, -2}), {"...#", "..#.", ".#..", "#..."}},
        {"misses", 3, 3, Line({-5, -1}, {5, -1}), {"...", "...", "..."}},
        // The tie at x = 0 (half way) goes towards the start.
        {"billions long", 4, 8, Line({-2000000000, 5}, {2000000000, 6}),
         {"....", "....", "....", "....", "....", "#...", ".###", "...."}},
        {"int corners", 3, 3, Line({INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}), {"#..", ".#.", "..#"}},
        {"int corners reversed", 3, 3, Line({INT_MAX, INT_MAX}, {INT_MIN, INT_MIN}), {"#..", ".#.", "..#"}},
        {"int row", 3, 3, Line({INT_MIN, 1}, {INT_MAX, 1}), {"...", "###", "..."}},
        {"int column", 3, 3, Line({2, INT_MAX}, {2, INT_MIN}), {"..#", "..#", "..#"}},
        {"int anti-diagonal", 3, 3, Line({INT_MIN + 3, INT_MAX}, {INT_MAX, INT_MIN + 3}), {"..#", ".#.", "#.."}},
        {"ends on the bitmap", 3, 3, Line({INT_MIN, 2}, {2, 2}), {"...", "...", "##."}},
    });
}

// Clipping must not change which pixels are drawn: compare with a plain, unclipped
// Bresenham (decision D > 0, ties towards the start) that plots through SetPixel.
TEST(RasterTest, DrawLineClippingMatchesUnclippedBresenham)
{
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> coord(-25, 35);
    for (int n = 0; n < 3000; ++n) {
        const CPoint a(coord(rng), coord(rng)), b(coord(rng), coord(rng));
        Bitmap got(10, 10), want(10, 10);
        raster::DrawLine(got.View(), a, b, kInk);

        const int dx = std::abs(b.x - a.x), dy = std::abs(b.y - a.y);
        const int sx = b.x < a.x ? -1 : 1, sy = b.y < a.y ? -1 : 1;
        const bool xMajor = dx >= dy;
        const int major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
        CPoint p = a;
        int d = 2 * minor - major;
        for (int i = 0; i < major; ++i) {
            raster::SetPixel(want.View(), p, kInk);
            if (d > 0) { (xMajor ? p.y : p.x) += xMajor ? sy : sx; d -= 2 * major; }
            (xMajor ? p.x : p.y) += xMajor ? sx : sy;
            d += 2 * minor;
        }
        ASSERT_EQ(got.Picture(), want.Picture()) << "(" << a.x << "," << a.y << ") -> (" << b.x << "," << b.y << ")";
    }
}

// --- DrawEllipse -------------------------------------------------------------------

auto Ellipse(CRect r)
{
    return [r](const PixelView& v) { raster::DrawEllipse(v, r, kInk); };
}

TEST(RasterTest, DrawEllipsePictures)
{
    RunCases({
        {"1 high", 6, 3, Ellipse({0, 1, 6, 2}), {"......", "######", "......"}},
        {"1 wide", 3, 4, Ellipse({1, 0, 2, 4}), {".#.", ".#.", ".#.", ".#."}},
        {"1 x 1", 3, 3, Ellipse({1, 1, 2, 2}), {"...", ".#.", "..."}},
        {"2 high", 6, 3, Ellipse({0, 0, 6, 2}), {"######", "######", "......"}},
        {"2 wide", 3, 5, Ellipse({1, 0, 3, 5}), {".##", ".##", ".##", ".##", ".##"}},
        {"3 high", 10, 3, Ellipse({0, 0, 10, 3}), {".########.", "#........#", ".########."}},
        {"3 wide", 3, 10, Ellipse({0, 0, 3, 10}),
         {".#.", "#.#", "#.#", "#.#", "#.#", "#.#", "#.#", "#.#", "#.#", ".#."}},
        {"even 8x8", 8, 8, Ellipse({0, 0, 8, 8}),
         {"..####..", ".#....#.", "#......#", "#......#", "#......#", "#......#", ".#....#.", "..####.."}},
        {"odd 7x7", 7, 7, Ellipse({0, 0, 7, 7}),
         {"..###..", ".#...#.", "#.....#", "#.....#", "#.....#", ".#...#.", "..###.."}},
        {"odd 5x5", 5, 5, Ellipse({0, 0, 5, 5}), {".###.", "#...#", "#...#", "#...#", ".###."}},
        {"even 10x4", 10, 4, Ellipse({0, 0, 10, 4}), {"..######..", "##......##", "##......##", "..######.."}},
        {"corners in any order", 8, 8, Ellipse({8, 8, 0, 0}),
         {"..####..", ".#....#.", "#......#", "#......#", "#......#", "#......#", ".#....#.", "..####.."}},
        {"empty", 3, 3, Ellipse({1, 1, 1, 3}), {"...", "...", "..."}},
        // Boxes reaching far past the bitmap (int-range arithmetic).
        {"whole int range", 3, 3, Ellipse({INT_MIN, INT_MIN, INT_MAX, INT_MAX}), {"...", "...", "..."}},
        {"int-wide, 4 high", 3, 4, Ellipse({INT_MIN, 0, INT_MAX, 4}), {"###", "...", "...", "###"}},
        {"left side of an int-tall box", 3, 3, Ellipse({0, INT_MIN, INT_MAX, INT_MAX}), {"#..", "#..", "#.."}},
        {"tall 5-wide box", 5, 3, Ellipse({0, -1000000000, 5, 1000000000}), {"#...#", "#...#", "#...#"}},
    });
}

TEST(RasterTest, DrawEllipseClipsAtEveryEdge)
{
    // Drawn on an 8x8 bitmap, the box must give the 8x8 window of the same box
    // drawn on a large bitmap.
    const CRect boxes[] = {{-3, 1, 5, 7}, {4, 1, 12, 6}, {1, -4, 7, 3}, {2, 5, 6, 13}, {-6, -5, 14, 13}, {-2, -3, 3, 2}};
    for (const CRect& box : boxes) {
        Bitmap small(8, 8), large(40, 40);
        raster::DrawEllipse(small.View(), box, kInk);
        raster::DrawEllipse(large.View(), box + CPoint(16, 16), kInk);
        Bitmap window(8, 8);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) window.At(x, y) = large.At(x + 16, y + 16);
        EXPECT_EQ(small.Picture(), window.Picture()) << box.left << "," << box.top << "," << box.right << "," << box.bottom;
    }
}

// Every box from 1x1 to 16x16: touches its four sides and nothing outside, mirror
// symmetric both ways, outline 8-connected, each row at most two runs (the inside
// untouched), and the inside closed off from the outside.
TEST(RasterTest, DrawEllipseShapeRules)
{
    for (int w = 1; w <= 16; ++w) {
        for (int h = 1; h <= 16; ++h) {
            Bitmap bmp(w + 2, h + 2);  // a blank margin around the box
            raster::DrawEllipse(bmp.View(), {1, 1, w + 1, h + 1}, kInk);
            auto ink = [&](int x, int y) { return bmp.At(x + 1, y + 1) == kInk; };  // box coordinates
            bool top = false, bottom = false, left = false, right = false, symmetric = true, runs = true;
            int count = 0;
            for (int y = 0; y < h; ++y) {
                int starts = 0;
                for (int x = 0; x < w; ++x) {
                    count += ink(x, y);
                    top |= y == 0 && ink(x, y);
                    bottom |= y == h - 1 && ink(x, y);
                    left |= x == 0 && ink(x, y);
                    right |= x == w - 1 && ink(x, y);
                    symmetric &= ink(x, y) == ink(w - 1 - x, y) && ink(x, y) == ink(x, h - 1 - y);
                    starts += ink(x, y) && (x == 0 || !ink(x - 1, y));
                }
                runs &= starts <= 2;
            }
            int margin = 0;
            for (int x = 0; x < w + 2; ++x) margin += (bmp.At(x, 0) != kBlank) + (bmp.At(x, h + 1) != kBlank);
            for (int y = 0; y < h + 2; ++y) margin += (bmp.At(0, y) != kBlank) + (bmp.At(w + 1, y) != kBlank);

            // 8-connected: a fill of ink from one ink pixel (8 neighbours) reaches all ink.
            std::vector<CPoint> todo;
            std::vector<char> seen(size_t(w) * h, 0);
            for (int i = 0; i < w * h && todo.empty(); ++i)
                if (ink(i % w, i / w)) { todo.push_back({i % w, i / w}); seen[i] = 1; }
            int reached = int(todo.size());
            while (!todo.empty()) {
                const CPoint p = todo.back();
                todo.pop_back();
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int x = p.x + dx, y = p.y + dy;
                        if (x < 0 || y < 0 || x >= w || y >= h || !ink(x, y) || seen[size_t(y) * w + x]) continue;
                        seen[size_t(y) * w + x] = 1;
                        ++reached;
                        todo.push_back({x, y});
                    }
            }
            // Closed: filling the blank outside (4-connected) leaves the centre alone.
            raster::FloodFill(bmp.View(), {0, 0}, kFill);
            bool closed = true;
            for (int y : {(h - 1) / 2, h / 2})
                for (int x : {(w - 1) / 2, w / 2}) closed &= bmp.At(x + 1, y + 1) != kFill;

            EXPECT_TRUE(top && bottom && left && right && symmetric && runs && margin == 0 && reached == count && closed)
                << w << "x" << h << " top " << top << " bottom " << bottom << " left " << left << " right " << right
                << " symmetric " << symmetric << " runs " << runs << " margin " << margin << " connected "
                << (reached == count) << " closed " << closed;
        }
    }
}

// --- FloodFill ---------------------------------------------------------------------

auto Flood(const std::vector<std::string>& rows, CPoint p, Pixel c = kFill)
{
    return [rows, p, c](const PixelView& v) {
        Bitmap start(rows);
        std::copy(start.pixels.begin(), start.pixels.end(), v.bits);
        raster::FloodFill(v, p, c);
    };
}

TEST(RasterTest, FloodFill)
{
    const std::vector<std::string> spiral = {
        "##########",
        "#........#",
        "#.######.#",
        "#.#....#.#",
        "#.#.##.#.#",
        "#.#..#.#.#",
        "#.####.#.#",
        "#......#.#",
        "########.#",
        ".#.......#",
    };
    RunCases({
        {"spiral from the centre", 10, 10, Flood(spiral, {3, 5}),
         {"##########", "#oooooooo#", "#o######o#", "#o#oooo#o#", "#o#o##o#o#", "#o#oo#o#o#", "#o####o#o#",
          "#oooooo#o#", "########o#", ".#ooooooo#"}},
        {"4-connected only", 4, 4, Flood({"..#.", "..#.", "##..", "...."}, {0, 0}),
         {"oo#.", "oo#.", "##..", "...."}},
        {"ink region", 4, 3, Flood({"##..", ".##.", "..#."}, {1, 1}), {"oo..", ".oo.", "..o."}},
        {"whole bitmap", 3, 2, Flood({"...", "..."}, {2, 1}), {"ooo", "ooo"}},
        {"U shape from a leg", 5, 4, Flood({".#.#.", ".#.#.", ".....", "#####"}, {4, 0}),
         {"o#o#o", "o#o#o", "ooooo", "#####"}},
        {"point outside", 3, 2, Flood({"...", "..."}, {3, 0}), {"...", "..."}},
        {"point far outside", 3, 2, Flood({"...", "..."}, {INT_MIN, INT_MAX}), {"...", "..."}},
        {"already the colour", 3, 2, Flood({"o..", "..."}, {0, 0}), {"o..", "..."}},
    });
}

// 4000 x 4000 with one-pixel walls on every odd column, open alternately at the
// bottom and at the top: a single one-pixel corridor of 8 million pixels. A seal half
// way up the last corridor column leaves a pocket above it that the fill must not reach.
TEST(RasterTest, FloodFillSerpentineCorridor)
{
    const int n = 4000;
    auto gapRow = [n](int x) { return (x / 2) % 2 == 0 ? n - 1 : 0; };  // of the wall in odd column x
    Bitmap bmp(n, n);
    for (int x = 1; x < n; x += 2)
        for (int y = 0; y < n; ++y)
            if (y != gapRow(x)) bmp.At(x, y) = kInk;
    bmp.At(n - 2, n / 2) = kInk;  // the last corridor column is entered from the bottom
    raster::FloodFill(bmp.View(), {0, 0}, kFill);

    long filled = 0, wrong = 0;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const Pixel p = bmp.At(x, y);
            const bool wall = (x % 2 == 1 && y != gapRow(x)) || (x == n - 2 && y == n / 2);
            const bool pocket = (x == n - 2 && y < n / 2) || (x == n - 1 && y == gapRow(n - 1));
            const Pixel want = wall ? kInk : pocket ? kBlank : kFill;
            wrong += p != want;
            filled += p == kFill;
        }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(filled, long(n / 2) * n - 2);  // corridor columns + wall gaps - seal - pocket
}

// --- StretchNearest ----------------------------------------------------------------

// A one-row source whose column i holds the value i + 1; returns, per destination
// column, the source column it took (-1 when untouched).
std::vector<int> StretchRow(int srcWidth, CRect srcRect, int dstWidth, CRect dstRect)
{
    Bitmap src(srcWidth, 1), dst(dstWidth, 1);
    for (int x = 0; x < srcWidth; ++x) src.At(x, 0) = Pixel(x + 1);
    raster::StretchNearest(src.View(), srcRect, dst.View(), dstRect);
    std::vector<int> out;
    for (int x = 0; x < dstWidth; ++x) out.push_back(int(dst.At(x, 0)) - 1);
    return out;
}

TEST(RasterTest, StretchNearestColumnFormula)
{
    struct StretchCase {
        const char* name;
        int srcWidth;
        CRect srcRect;
        int dstWidth;
        CRect dstRect;
        std::vector<int> columns;
    };
    const StretchCase cases[] = {
        {"3 -> 7", 3, {0, 0, 3, 1}, 7, {0, 0, 7, 1}, {0, 0, 1, 1, 1, 2, 2}},
        {"7 -> 3", 7, {0, 0, 7, 1}, 3, {0, 0, 3, 1}, {1, 3, 5}},
        {"same size", 4, {0, 0, 4, 1}, 4, {0, 0, 4, 1}, {0, 1, 2, 3}},
        {"sub-rectangles", 8, {2, 0, 5, 1}, 9, {1, 0, 8, 1}, {-1, 2, 2, 3, 3, 3, 4, 4, -1}},
        {"destination clipped left", 3, {0, 0, 3, 1}, 4, {-3, 0, 4, 1}, {1, 1, 2, 2}},
        {"destination clipped right", 3, {0, 0, 3, 1}, 3, {0, 0, 7, 1}, {0, 0, 1}},
        {"source partly off the left", 4, {-2, 0, 2, 1}, 4, {0, 0, 4, 1}, {-1, -1, 0, 1}},
        {"source partly off the right", 4, {2, 0, 6, 1}, 4, {0, 0, 4, 1}, {2, 3, -1, -1}},
        {"int-wide destination", 2, {0, 0, 2, 1}, 3, {INT_MIN, 0, INT_MAX, 1}, {1, 1, 1}},
        {"int-wide source", 3, {INT_MIN, 0, INT_MAX, 1}, 2, {0, 0, 2, 1}, {-1, -1}},
        {"empty source", 3, {2, 0, 2, 1}, 2, {0, 0, 2, 1}, {-1, -1}},
        {"inverted destination", 3, {0, 0, 3, 1}, 2, {2, 0, 0, 1}, {-1, -1}},
    };
    for (const auto& c : cases) EXPECT_EQ(StretchRow(c.srcWidth, c.srcRect, c.dstWidth, c.dstRect), c.columns) << c.name;
}

TEST(RasterTest, StretchNearestRows)
{
    const std::vector<std::string> src = {"#o", "o#"};
    auto stretch = [&](CRect dstRect) {
        return [&src, dstRect](const PixelView& v) {
            Bitmap s(src);
            raster::StretchNearest(s.View(), {0, 0, 2, 2}, v, dstRect);
        };
    };
    RunCases({
        {"2x2 -> 4x3", 4, 3, stretch({0, 0, 4, 3}), {"##oo", "oo##", "oo##"}},
        {"clipped top and left", 3, 2, stretch({-1, -1, 3, 3}), {"#oo", "o##"}},
        {"clipped bottom and right", 3, 3, stretch({1, 1, 5, 5}), {"...", ".##", ".##"}},
    });
}

// --- Blit ----------------------------------------------------------------------------

TEST(RasterTest, BlitClipsOnBothSides)
{
    const std::vector<std::string> src = {"#o.", "##o"};  // 3 x 2
    auto blit = [&](CRect srcRect, CPoint at) {
        return [&src, srcRect, at](const PixelView& v) {
            Bitmap s(src);
            raster::Blit(s.View(), srcRect, v, at);
        };
    };
    const CRect all{0, 0, 3, 2};
    RunCases({
        {"inside", 5, 4, blit(all, {1, 1}), {".....", ".#o..", ".##o.", "....."}},
        {"off the left", 4, 2, blit(all, {-1, 0}), {"o...", "#o.."}},
        {"off the top", 4, 2, blit(all, {0, -1}), {"##o.", "...."}},
        {"off the right", 4, 2, blit(all, {2, 0}), {"..#o", "..##"}},
        {"off the bottom", 4, 2, blit(all, {1, 1}), {"....", ".#o."}},
        {"part of the source", 4, 2, blit({1, 0, 3, 2}, {0, 0}), {"o...", "#o.."}},
        {"source rect past src", 5, 4, blit({-1, -1, 5, 5}, {0, 0}), {".....", ".#o..", ".##o.", "....."}},
        {"far away", 4, 2, blit(all, {INT_MAX, INT_MIN}), {"....", "...."}},
        {"int source rect", 4, 3, blit({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {INT_MIN, INT_MIN}), {"#o..", "##o.", "...."}},
        {"empty", 4, 2, blit({2, 0, 2, 2}, {0, 0}), {"....", "...."}},
    });
}

}  // namespace
