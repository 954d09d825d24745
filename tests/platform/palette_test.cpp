#include "platform/palette.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

struct Picture {
    int width = 0, height = 0;
    std::vector<Pixel> pixels;
    raster::PixelView View() { return {pixels.data(), width, height, width}; }
};

Picture Make(int width, int height, Pixel (*colourAt)(int x, int y))
{
    Picture p{width, height, std::vector<Pixel>(size_t(width) * size_t(height))};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) p.pixels[size_t(y) * size_t(width) + size_t(x)] = colourAt(x, y);
    return p;
}

Pixel Rgb(int r, int g, int b) { return 0xFF000000u | uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b); }

int Distance2(Pixel p, const palette::Colour& c)
{
    const int dr = int((p >> 16) & 0xFF) - c.r, dg = int((p >> 8) & 0xFF) - c.g, db = int(p & 0xFF) - c.b;
    return dr * dr + dg * dg + db * db;
}

double MeanSquaredError(const Picture& p, const std::vector<palette::Colour>& colours, const std::vector<uint8_t>& indices)
{
    double total = 0;
    for (size_t i = 0; i < p.pixels.size(); ++i) total += Distance2(p.pixels[i], colours[indices[i]]);
    return total / double(p.pixels.size());
}

// Soft gradients with grain, as in a photo: thousands of colours.
Pixel GrainyGradient(int x, int y, int scale)
{
    const int grain = int((uint32_t(x) * 2654435761u ^ uint32_t(y) * 40503u) % 7) - 3;
    x /= scale;
    y /= scale;
    return Rgb(std::clamp(x + grain, 0, 255), std::clamp(y * 2 + grain, 0, 255), std::clamp(200 - x / 2 + y + grain, 0, 255));
}
Pixel Photo(int x, int y) { return GrainyGradient(x, y, 1); }
// A megapixel or more: colours are counted in a table instead of sorted.
Pixel LargePhoto(int x, int y) { return GrainyGradient(x, y, 4); }

// Every pixel its own colour: far more colours than are refined one by one.
Pixel Noise(int x, int y)
{
    const uint32_t h = (uint32_t(x) * 73856093u ^ uint32_t(y) * 19349663u) * 2654435761u;
    return 0xFF000000u | (h >> 8);
}

Pixel Twelve(int x, int y) { return Rgb(x * 80, y * 120, (x + y) * 30 + 5); }

struct Case {
    const char* name;
    int width, height;
    Pixel (*colourAt)(int, int);
};

class PaletteReduce : public testing::TestWithParam<Case> {};

// The palette may be anything, but no pixel may take a colour further than the nearest one:
// the search skips entries, and must never skip the nearest. Each colour is checked once.
TEST_P(PaletteReduce, EveryPixelTakesItsNearestColour)
{
    Picture p = Make(GetParam().width, GetParam().height, GetParam().colourAt);
    const palette::IndexedPixels reduced = palette::Reduce(p.View());
    ASSERT_FALSE(reduced.colours.empty());
    ASSERT_LE(reduced.colours.size(), size_t(palette::kMaxColours));
    ASSERT_EQ(reduced.indices.size(), p.pixels.size());
    std::unordered_map<Pixel, uint8_t> indexOfColour;
    for (size_t i = 0; i < p.pixels.size(); ++i) {
        const uint8_t index = reduced.indices[i];
        const auto [known, isNew] = indexOfColour.emplace(p.pixels[i], index);
        ASSERT_EQ(known->second, index) << "one colour, two indices, pixel " << i;
        if (!isNew) continue;
        ASSERT_LT(index, reduced.colours.size());
        int nearest = INT32_MAX;
        for (const palette::Colour& c : reduced.colours) nearest = std::min(nearest, Distance2(p.pixels[i], c));
        ASSERT_EQ(Distance2(p.pixels[i], reduced.colours[index]), nearest) << "pixel " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Pictures, PaletteReduce,
                         testing::Values(Case{"FewColoursExact", 4, 3, Twelve}, Case{"Photo", 256, 120, Photo},
                                         Case{"NoiseMergedFirst", 300, 240, Noise},
                                         Case{"LargePhotoCounted", 1024, 1024, LargePhoto}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PaletteReduceFew, ColoursThatFitAreKeptExactly)
{
    Picture p = Make(4, 3, Twelve);
    const palette::IndexedPixels reduced = palette::Reduce(p.View());
    EXPECT_EQ(reduced.colours.size(), 12u);
    EXPECT_EQ(MeanSquaredError(p, reduced.colours, reduced.indices), 0.0);
}

// A fixed 6 x 7 x 6 colour cube (252 entries) is what a palette that ignores the picture
// gives; one fitted to the picture's colours must do far better on a photo.
TEST(PaletteReduceFew, PhotoPaletteFitsThePictureFarBetterThanAFixedCube)
{
    Picture p = Make(256, 120, Photo);
    const palette::IndexedPixels reduced = palette::Reduce(p.View());
    std::vector<palette::Colour> cube;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 7; ++g)
            for (int b = 0; b < 6; ++b) cube.push_back({uint8_t(r * 51), uint8_t(g * 255 / 6), uint8_t(b * 51)});
    std::vector<uint8_t> nearestInCube(p.pixels.size());
    for (size_t i = 0; i < p.pixels.size(); ++i)
        for (size_t c = 1; c < cube.size(); ++c)
            if (Distance2(p.pixels[i], cube[c]) < Distance2(p.pixels[i], cube[nearestInCube[i]])) nearestInCube[i] = uint8_t(c);
    const double ours = MeanSquaredError(p, reduced.colours, reduced.indices);
    const double fixed = MeanSquaredError(p, cube, nearestInCube);
    EXPECT_LT(ours, fixed / 4) << "ours " << ours << ", fixed cube " << fixed;
}

TEST(PaletteReduceFew, EmptyPictureStillHasAColour)
{
    const palette::IndexedPixels reduced = palette::Reduce(raster::PixelView{});
    EXPECT_EQ(reduced.colours.size(), 1u);
    EXPECT_TRUE(reduced.indices.empty());
}

}  // namespace
