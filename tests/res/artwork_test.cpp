#include "res/artwork.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QPixmap>

#include <algorithm>
#include <functional>

namespace {

using artwork::Button;

int Brightness(sColor c) { return qGray(c.red, c.green, c.blue); }
int Brightness(QRgb c) { return qGray(c); }

int DarkPixels(const QImage& image)
{
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) dark += Brightness(image.pixel(x, y)) < 100;
    return dark;
}

QColor ToQColor(sColor c) { return QColor(c.red, c.green, c.blue); }

sColor SColorAt(const QImage& image, int x, int y) { return SColorFromPixel(image.pixel(x, y)); }

struct SizeCase {
    const char* name;
    std::function<QImage()> make;
    QSize size;
};

TEST(Artwork, EveryImageHasItsSize)
{
    const SizeCase cases[] = {
        {"toolbar", [] { return artwork::ToolbarStrip(false); }, {192, 15}},
        {"toolbar disabled", [] { return artwork::ToolbarStrip(true); }, {192, 15}},
        {"bold", [] { return artwork::ButtonBitmap(Button::Bold); }, {16, 16}},
        {"italic", [] { return artwork::ButtonBitmap(Button::Italic); }, {16, 16}},
        {"underline", [] { return artwork::ButtonBitmap(Button::Underline); }, {16, 16}},
        {"text colour", [] { return artwork::ButtonBitmap(Button::TextColor); }, {16, 16}},
        {"bucket", [] { return artwork::ButtonBitmap(Button::Bucket); }, {16, 16}},
        {"rectangle", [] { return artwork::ButtonBitmap(Button::ShapeRect); }, {16, 16}},
        {"line", [] { return artwork::ButtonBitmap(Button::ShapeLine); }, {16, 16}},
        {"ellipse", [] { return artwork::ButtonBitmap(Button::ShapeEllipse); }, {16, 16}},
        {"eraser", [] { return artwork::ButtonBitmap(Button::ShapeEraser); }, {16, 16}},
        {"pen width", [] { return artwork::ButtonBitmap(Button::PenWidth); }, {16, 16}},
        {"palette", artwork::PaletteBitmap, {160, 160}},
        {"pipette", artwork::PipetteBitmap, {32, 32}},
        {"about", artwork::AboutPicture, {190, 299}},
    };
    for (const SizeCase& c : cases) EXPECT_EQ(c.make().size(), c.size) << c.name;
}

TEST(Artwork, ButtonsShowASymbolOnTheButtonFace)
{
    const QRgb face = qRgb(212, 208, 199);
    for (int b = int(Button::Bold); b <= int(Button::PenWidth); ++b) {
        const QImage image = artwork::ButtonBitmap(Button(b));
        EXPECT_EQ(image.pixel(0, 15), face) << "button " << b;
        EXPECT_GT(DarkPixels(image), 10) << "button " << b;
    }
}

TEST(Artwork, EverySwatchIsItsColourInsideADarkerBorder)
{
    const QImage palette = artwork::PaletteBitmap();
    ASSERT_EQ(palette.format(), QImage::Format_RGB32);
    for (int row = 0; row < 16; ++row) {
        for (int column = 0; column < 16; ++column) {
            const sColor expected = artwork::PaletteSwatch(row, column);
            const int left = column * 10, top = row * 10;
            for (int y = 1; y <= 8; ++y)
                for (int x = 1; x <= 8; ++x)
                    ASSERT_EQ(SColorAt(palette, left + x, top + y), expected) << row << "," << column << " at " << x << "," << y;
            const sColor border = SColorAt(palette, left, top);
            for (int i = 0; i < 10; ++i) {
                ASSERT_EQ(SColorAt(palette, left + i, top + 9), border) << row << "," << column;
                ASSERT_EQ(SColorAt(palette, left + 9, top + i), border) << row << "," << column;
            }
            if (expected.IsBlack()) {
                EXPECT_TRUE(border.IsBlack());
            } else {
                EXPECT_LT(Brightness(border), Brightness(expected)) << row << "," << column;
            }
        }
    }
}

TEST(Artwork, FirstPaletteRowHoldsTheClassicColours)
{
    const sColor classic[16] = {
        {0, 0, 0},       {128, 0, 0},     {0, 128, 0}, {128, 128, 0}, {0, 0, 128},   {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
        {128, 128, 128}, {255, 0, 0},     {0, 255, 0}, {255, 255, 0}, {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
    };
    for (int column = 0; column < 16; ++column) EXPECT_EQ(artwork::PaletteSwatch(0, column), classic[column]) << column;
}

TEST(Artwork, SecondPaletteRowIsAGreyRampFromNearBlackToNearWhite)
{
    EXPECT_LT(Brightness(artwork::PaletteSwatch(1, 0)), 40);
    EXPECT_GT(Brightness(artwork::PaletteSwatch(1, 15)), 230);
    for (int column = 0; column < 16; ++column) {
        const sColor c = artwork::PaletteSwatch(1, column);
        EXPECT_LE(std::max({c.red, c.green, c.blue}) - std::min({c.red, c.green, c.blue}), 3) << column;
        if (column > 0) {
            EXPECT_GT(Brightness(c), Brightness(artwork::PaletteSwatch(1, column - 1))) << column;
        }
    }
}

TEST(Artwork, HueRowsWalkAroundTheWheelFromDarkToPale)
{
    EXPECT_EQ(artwork::PaletteSwatch(2, 7), (sColor{255, 0, 0}));
    for (int row = 2; row < 16; ++row) {
        const QColor pure = ToQColor(artwork::PaletteSwatch(row, 7));
        EXPECT_GT(pure.saturation(), 240) << row;
        EXPECT_GT(pure.value(), 240) << row;
        if (row > 2) {
            EXPECT_GT(pure.hue(), ToQColor(artwork::PaletteSwatch(row - 1, 7)).hue()) << row;
        }

        const QColor darkest = ToQColor(artwork::PaletteSwatch(row, 0));
        EXPECT_NEAR(darkest.value(), 64, 2) << row;
        EXPECT_LT(Brightness(artwork::PaletteSwatch(row, 0)), Brightness(artwork::PaletteSwatch(row, 15))) << row;
        EXPECT_GT(ToQColor(artwork::PaletteSwatch(row, 15)).lightness(), 220) << row;
    }
}

TEST(Artwork, SwatchIndicesOutsideThePaletteAreClamped)
{
    EXPECT_EQ(artwork::PaletteSwatch(-1, -5), artwork::PaletteSwatch(0, 0));
    EXPECT_EQ(artwork::PaletteSwatch(16, 99), artwork::PaletteSwatch(15, 15));
}

TEST(Artwork, PipetteTipIsTheHotSpotOnATransparentGround)
{
    const QImage pipette = artwork::PipetteBitmap();
    EXPECT_TRUE(pipette.hasAlphaChannel());
    EXPECT_EQ(qAlpha(pipette.pixel(artwork::kPipetteHotX, artwork::kPipetteHotY)), 255);
    EXPECT_EQ(qAlpha(pipette.pixel(0, 31)), 0);
    EXPECT_EQ(qAlpha(pipette.pixel(31, 31)), 0);
    // Nothing lies beyond the tip, down and to the left of it.
    for (int y = artwork::kPipetteHotY + 2; y < 32; ++y)
        for (int x = 0; x < 32; ++x) EXPECT_EQ(qAlpha(pipette.pixel(x, y)), 0) << x << "," << y;

    const QCursor cursor = artwork::PipetteCursor();
    EXPECT_EQ(cursor.hotSpot(), QPoint(artwork::kPipetteHotX, artwork::kPipetteHotY));
}

TEST(Artwork, PipetteIsBlackAndWhiteOnly)
{
    const QImage pipette = artwork::PipetteBitmap();
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb p = pipette.pixel(x, y);
            if (qAlpha(p) == 0) continue;
            EXPECT_EQ(qAlpha(p), 255) << x << "," << y;
            EXPECT_TRUE(p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255)) << x << "," << y;
        }
    }
}

TEST(Artwork, DisabledToolbarIsAGreyedCopy)
{
    const QImage normal = artwork::ToolbarStrip(false);
    const QImage disabled = artwork::ToolbarStrip(true);
    for (int index = 0; index < artwork::kToolbarImageCount; ++index) {
        const QRect cell(index * 16, 0, 16, 15);
        EXPECT_NE(normal.copy(cell), disabled.copy(cell)) << index;
    }
    for (int y = 0; y < disabled.height(); ++y) {
        for (int x = 0; x < disabled.width(); ++x) {
            const QRgb p = disabled.pixel(x, y);
            ASSERT_LE(std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)}), 16) << x << "," << y;
        }
    }
}

TEST(Artwork, ToolbarImagesAreAllDifferent)
{
    const QImage strip = artwork::ToolbarStrip(false);
    for (int a = 0; a < artwork::kToolbarImageCount; ++a)
        for (int b = a + 1; b < artwork::kToolbarImageCount; ++b)
            EXPECT_NE(strip.copy(a * 16, 0, 16, 15), strip.copy(b * 16, 0, 16, 15)) << a << " vs " << b;
}

TEST(Artwork, ToolbarIconCarriesBothStates)
{
    const QIcon icon = artwork::ToolbarIcon(2);
    const QImage strip = artwork::ToolbarStrip(false).copy(32, 0, 16, 15);
    const QImage greyed = artwork::ToolbarStrip(true).copy(32, 0, 16, 15);
    EXPECT_EQ(icon.pixmap(QSize(16, 15), QIcon::Normal).toImage().convertToFormat(QImage::Format_RGB32), strip);
    EXPECT_EQ(icon.pixmap(QSize(16, 15), QIcon::Disabled).toImage().convertToFormat(QImage::Format_RGB32), greyed);
    EXPECT_TRUE(artwork::ToolbarIcon(12).isNull());
    EXPECT_TRUE(artwork::ToolbarIcon(-1).isNull());
}

TEST(Artwork, AppIconOffersBothSizes)
{
    const QList<QSize> sizes = artwork::AppIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
}

}  // namespace
