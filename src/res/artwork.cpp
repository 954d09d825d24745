#include "res/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <span>
#include <string_view>
#include <vector>

namespace artwork {
namespace {

const QColor kButtonFace(212, 208, 199);

// ---------------------------------------------------------------------------
// Small symbols are pixel art: one character per pixel, '.' keeps the background.

struct Ink {
    char key;
    QRgb rgb;
};

constexpr Ink kInks[] = {
    {'k', 0xFF000000}, {'d', 0xFF404040}, {'g', 0xFF808080}, {'s', 0xFFC0C0C0}, {'w', 0xFFFFFFFF},
    {'n', 0xFF000080}, {'b', 0xFF0040C8}, {'l', 0xFFB0CCFF}, {'c', 0xFF96C8FF}, {'r', 0xFFDC0000},
    {'y', 0xFFFFDC00}, {'Y', 0xFFD6A000}, {'G', 0xFF28A028}, {'D', 0xFF006428}, {'o', 0xFFB07030},
    {'e', 0xFFF0C896}, {'p', 0xFFF08CA0},
};

constexpr const Ink* FindInk(char key)
{
    for (const Ink& ink : kInks)
        if (ink.key == key) return &ink;
    return nullptr;
}

using PixelArt = std::span<const std::string_view>;

// Checked at compile time so a mistyped row cannot slip into a symbol.
constexpr bool WellFormed(PixelArt art)
{
    for (std::string_view row : art) {
        if (row.size() != art.front().size()) return false;
        for (char key : row)
            if (key != '.' && FindInk(key) == nullptr) return false;
    }
    return true;
}

void PaintArt(QImage& image, QPoint origin, PixelArt art)
{
    for (int y = 0; y < int(art.size()); ++y)
        for (int x = 0; x < int(art[y].size()); ++x)
            if (const Ink* ink = FindInk(art[y][x]); ink && image.valid(origin.x() + x, origin.y() + y))
                image.setPixel(origin.x() + x, origin.y() + y, ink->rgb);
}

QImage FaceImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kButtonFace);
    return image;
}

// --- toolbar symbols, 16 x 15 ----------------------------------------------

constexpr std::string_view kNewPage[] = {
    "................",
    "...nnnnnnn......",
    "...nlllllnn.....",
    "...nlllllnwn....",
    "...nlllllnnnn...",
    "...nlllllllln...",
    "...nlllllllln...",
    "...nlllllllln...",
    "...nlllllllln...",
    "...nlllllllln...",
    "...nlllllllln...",
    "...nlllllllln...",
    "...nlllllllln...",
    "...nlllllllln...",
    "...nnnnnnnnnn...",
};

constexpr std::string_view kDeletePage[] = {
    ".ddddddd........",
    ".dwwwwwdd.......",
    ".dwwwwwdwd......",
    ".dwwwwwdddd.....",
    ".dwwwwwwwwd.....",
    ".dwwwwwwwwd.....",
    ".dwwwwwwwwd.....",
    ".dwwwwwwwwd.....",
    ".dwwwwwrrwd..rr.",
    ".dwwwwwwrrd.rr..",
    ".dwwwwwwwrrrr...",
    ".dwwwwwwwwrr....",
    ".ddddddddrrrr...",
    "........rr..rr..",
    ".......rr....rr.",
};

constexpr std::string_view kFloppy[] = {
    "................",
    ".kkkkkkkkkkkkk..",
    ".knnwwwwwwwwnnk.",
    ".knnwggggggwnnk.",
    ".knnwwwwwwwwnnk.",
    ".knnwggggggwnnk.",
    ".knnwwwwwwwwnnk.",
    ".knnnnnnnnnnnnk.",
    ".knnnnnnnnnnnnk.",
    ".knnssssssssnnk.",
    ".knnsskkssssnnk.",
    ".knnsskkssssnnk.",
    ".knnsskkssssnnk.",
    ".knnssssssssnnk.",
    ".kkkkkkkkkkkkkk.",
};

constexpr std::string_view kSmallFloppy[] = {
    "kkkkkkkkk.",
    "knwwwwwwnk",
    "knwggggwnk",
    "knwwwwwwnk",
    "knnnnnnnnk",
    "knnnnnnnnk",
    "knsssssnnk",
    "knskkssnnk",
    "knskkssnnk",
    "kkkkkkkkkk",
};

constexpr std::string_view kScissors[] = {
    "....d......d....",
    "....dd....dd....",
    ".....d....d.....",
    ".....dd..dd.....",
    "......d..d......",
    "......dddd......",
    ".......dd.......",
    "......dkkd......",
    ".....dd..dd.....",
    "..rrrd....drrr..",
    ".r...r....r...r.",
    ".r...r....r...r.",
    ".r...r....r...r.",
    "..rrr......rrr..",
    "................",
};

constexpr std::string_view kSheet[] = {
    "ddddddddd",
    "dwwwwwwwd",
    "dwbbbbbwd",
    "dwwwwwwwd",
    "dwbbbbwwd",
    "dwwwwwwwd",
    "dwbbbbbwd",
    "dwwwwwwwd",
    "dwbbbwwwd",
    "dwwwwwwwd",
    "ddddddddd",
};

constexpr std::string_view kClipboard[] = {
    ".....kkk........",
    ".kkkkkskkkkk....",
    ".kookssskook....",
    ".kookkkkkook....",
    ".koooooooook....",
    ".kooooodddddddd.",
    ".kooooodwwwwwwd.",
    ".kooooodwbbbbwd.",
    ".kooooodwwwwwwd.",
    ".kooooodwbbbwwd.",
    ".kooooodwwwwwwd.",
    ".kooooodwbbbbwd.",
    ".kooooodwwwwwwd.",
    ".kooooodwwwwwwd.",
    ".kkkkkkdddddddd.",
};

// Points left; the redo arrow is its mirror image.
constexpr std::string_view kUndoArrow[] = {
    "....b...........",
    "...bb...........",
    "..bbb...........",
    ".bbbbbbbbbb.....",
    ".bbbbbbbbbbb....",
    "..bbb.....bbb...",
    "...bb......bbb..",
    "....b.......bb..",
    "............bb..",
    "............bb..",
    "...........bbb..",
    "..........bbb...",
    "......bbbbbb....",
    ".....bbbbbb.....",
    "................",
};

constexpr std::string_view kLetterA[] = {
    ".......kk.......",
    "......kkkk......",
    "......kkkk......",
    ".....kk..kk.....",
    ".....kk..kk.....",
    "....kk....kk....",
    "....kk....kk....",
    "...kk......kk...",
    "...kkkkkkkkkk...",
    "..kkkkkkkkkkkk..",
    "..kk........kk..",
    ".kk..........kk.",
    ".kk..........kk.",
    "kkkk........kkkk",
    "................",
};

constexpr std::string_view kLandscape[] = {
    "................",
    "kkkkkkkkkkkkkkkk",
    "kcccccccccccccck",
    "kccccccccccyccck",
    "kcccccccccyyycck",
    "kccccccccccyccck",
    "kccccDccccccccck",
    "kcccDDDcccccccck",
    "kccDDDDDccccGGck",
    "kcDDDDDDDcGGGGGk",
    "kDDDDDDDDGGGGGGk",
    "kGGGGGGGGGGGGGGk",
    "kGGGGGGGGGGGGGGk",
    "kkkkkkkkkkkkkkkk",
    "................",
};

constexpr std::string_view kPencil[] = {
    "................",
    "............k...",
    "...........kpk..",
    "..........kppkk.",
    ".........kpppk..",
    "........ksspk...",
    ".......kyysk....",
    "......kyyYk.....",
    ".....kyyYk......",
    "....kyyYk.......",
    "...kyyYk........",
    "..keeek.........",
    "..keek..........",
    ".kkk............",
    ".k..............",
};

// --- tool panel symbols, 16 x 16 -------------------------------------------

constexpr std::string_view kBold[] = {
    "................",
    "................",
    "...kkkkkkk......",
    "....kkk..kkk....",
    "....kkk...kkk...",
    "....kkk...kkk...",
    "....kkk..kkk....",
    "....kkkkkkk.....",
    "....kkk...kkk...",
    "....kkk....kkk..",
    "....kkk....kkk..",
    "....kkk....kkk..",
    "....kkk...kkk...",
    "...kkkkkkkkk....",
    "................",
    "................",
};

constexpr std::string_view kItalic[] = {
    "................",
    "................",
    ".......kkkkk....",
    ".........kk.....",
    ".........kk.....",
    "........kk......",
    "........kk......",
    ".......kk.......",
    ".......kk.......",
    "......kk........",
    "......kk........",
    ".....kk.........",
    ".....kk.........",
    "...kkkkk........",
    "................",
    "................",
};

constexpr std::string_view kUnderline[] = {
    "................",
    "................",
    "...kkkk..kkkk...",
    "....kk....kk....",
    "....kk....kk....",
    "....kk....kk....",
    "....kk....kk....",
    "....kk....kk....",
    "....kk....kk....",
    "....kk....kk....",
    "....kkk..kkk....",
    ".....kkkkkk.....",
    "................",
    "..kkkkkkkkkkkk..",
    "................",
    "................",
};

constexpr std::string_view kLetterT[] = {
    "................",
    "..kkkkkkkkkkkk..",
    "..kk...kk...kk..",
    ".......kk.......",
    ".......kk.......",
    ".......kk.......",
    ".......kk.......",
    ".......kk.......",
    ".......kk.......",
    ".......kk.......",
    ".....kkkkkk.....",
};

constexpr std::string_view kPaintBucket[] = {
    "....kkkkkk......",
    "...k......k.....",
    "..kkkkkkkkkk....",
    ".kbbbbbbbbbbbb..",
    ".kkbbbbbbbbkkb..",
    "..kwsssssssk.b..",
    "..kwsssssssk.b..",
    "...kwsssssk.bbb.",
    "...kwsssssk.bbb.",
    "...kwsssssk..b..",
    "...kkkkkkkk.....",
};

constexpr std::string_view kCircle[] = {
    "....kkkk....",
    "..kk....kk..",
    ".k........k.",
    ".k........k.",
    "k..........k",
    "k..........k",
    "k..........k",
    "k..........k",
    ".k........k.",
    ".k........k.",
    "..kk....kk..",
    "....kkkk....",
};

constexpr std::string_view kColourSquares[] = {
    "rrr.GGG.bbb.yyy.",
    "rrr.GGG.bbb.yyy.",
    "rrr.GGG.bbb.yyy.",
};

constexpr std::string_view kEraser[] = {
    "................",
    "................",
    "..........kk....",
    ".........kwwk...",
    "........kwwwlk..",
    ".......kwwwllk..",
    "......kwwwllk...",
    ".....kpkwllk....",
    "....kpppklk.....",
    "...kpppppk......",
    "..kpppppk.......",
    "..kppppk........",
    "...kppk.........",
    "....kk..........",
    "................",
    "................",
};

static_assert(WellFormed(kNewPage) && WellFormed(kDeletePage) && WellFormed(kFloppy) && WellFormed(kSmallFloppy));
static_assert(WellFormed(kScissors) && WellFormed(kSheet) && WellFormed(kClipboard) && WellFormed(kUndoArrow));
static_assert(WellFormed(kLetterA) && WellFormed(kLandscape) && WellFormed(kPencil) && WellFormed(kBold));
static_assert(WellFormed(kItalic) && WellFormed(kUnderline) && WellFormed(kLetterT) && WellFormed(kPaintBucket));
static_assert(WellFormed(kColourSquares) && WellFormed(kEraser) && WellFormed(kCircle));

using CellPainter = void (*)(QImage&);

constexpr CellPainter kToolbarPainters[kToolbarImageCount] = {
    [](QImage& cell) { PaintArt(cell, {0, 0}, kNewPage); },
    [](QImage& cell) { PaintArt(cell, {0, 0}, kDeletePage); },
    [](QImage& cell) { PaintArt(cell, {0, 0}, kFloppy); },
    [](QImage& cell) {
        PaintArt(cell, {0, 0}, kSmallFloppy);
        PaintArt(cell, {5, 5}, kSmallFloppy);
    },
    [](QImage& cell) { PaintArt(cell, {0, 0}, kScissors); },
    [](QImage& cell) {
        PaintArt(cell, {1, 0}, kSheet);
        PaintArt(cell, {6, 4}, kSheet);
    },
    [](QImage& cell) { PaintArt(cell, {0, 0}, kClipboard); },
    [](QImage& cell) { PaintArt(cell, {0, 0}, kUndoArrow); },
    [](QImage& cell) {
        PaintArt(cell, {0, 0}, kUndoArrow);
        cell.mirror(true, false);
    },
    [](QImage& cell) { PaintArt(cell, {0, 0}, kLetterA); },
    [](QImage& cell) { PaintArt(cell, {0, 0}, kLandscape); },
    [](QImage& cell) { PaintArt(cell, {0, 0}, kPencil); },
};

QImage ToolbarCell(int index)
{
    QImage cell = FaceImage(kToolbarImageWidth, kToolbarImageHeight);
    kToolbarPainters[index](cell);
    return cell;
}

// Dark parts of a symbol take part in the greyed look; light fills drop out.
bool IsInkPixel(QRgb pixel) { return pixel != kButtonFace.rgb() && qGray(pixel) < 170; }

// The classic disabled look: mid grey over a white copy shifted one pixel down and right.
QImage Greyed(const QImage& cell)
{
    std::vector<QPoint> ink;
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            if (IsInkPixel(cell.pixel(x, y))) ink.emplace_back(x, y);

    QImage greyed = FaceImage(cell.width(), cell.height());
    for (QPoint p : ink)
        if (greyed.valid(p + QPoint(1, 1))) greyed.setPixel(p + QPoint(1, 1), qRgb(255, 255, 255));
    for (QPoint p : ink) greyed.setPixel(p, qRgb(128, 128, 128));
    return greyed;
}

QImage ToolbarImage(int index, bool disabled)
{
    QImage cell = ToolbarCell(index);
    return disabled ? Greyed(cell) : cell;
}

// --- tool panel buttons ------------------------------------------------------

// Line-drawn shapes; antialiasing stays off so the 1-pixel strokes are crisp.
QImage ShapeButton(void (*draw)(QPainter&))
{
    QImage image = FaceImage(16, 16);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    draw(painter);
    return image;
}

QImage ArtButton(PixelArt art, QPoint origin = {0, 0})
{
    QImage image = FaceImage(16, 16);
    PaintArt(image, origin, art);
    return image;
}

// Colour tools show the symbol above a row of four paint chips.
QImage ColourButton(PixelArt art)
{
    QImage image = ArtButton(art);
    PaintArt(image, {0, 12}, kColourSquares);
    return image;
}

void DrawGrid(QPainter& painter)
{
    for (int at = 1; at <= 14; at += 4) {
        painter.drawLine(at, 1, at, 13);
        painter.drawLine(1, at, 13, at);
    }
}

// --- palette -------------------------------------------------------------------

constexpr sColor kClassicColours[kPaletteSwatches] = {
    {0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0},   {0, 0, 128},   {128, 0, 128},
    {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
};

constexpr int kPureHueColumn = 7;
constexpr int kHueRows = kPaletteSwatches - 2;

uint8_t Mix(uint8_t from, uint8_t to, double t) { return uint8_t(std::lround(from + (to - from) * t)); }

sColor Mix(sColor from, sColor to, double t)
{
    return {Mix(from.red, to.red, t), Mix(from.green, to.green, t), Mix(from.blue, to.blue, t)};
}

sColor PureHue(double degrees)
{
    const QColor colour = QColor::fromHsvF(float(degrees / 360.0), 1.0f, 1.0f).toRgb();
    return {uint8_t(colour.red()), uint8_t(colour.green()), uint8_t(colour.blue())};
}

// Left of the pure hue the colour darkens towards a strongest component of 64;
// right of it, it pales towards (not quite) white.
sColor HueSwatch(int hueIndex, int column)
{
    const sColor pure = PureHue(hueIndex * 300.0 / (kHueRows - 1));
    if (column <= kPureHueColumn) return Mix(sColor{}, pure, (64 + 191.0 * column / kPureHueColumn) / 255.0);
    const int lastColumn = kPaletteSwatches - 1;
    return Mix(pure, sColor{255, 255, 255}, 0.86 * (column - kPureHueColumn) / (lastColumn - kPureHueColumn));
}

sColor SwatchBorder(sColor inner) { return Mix(sColor{}, inner, 0.6); }

QColor ToQColor(sColor c) { return QColor(c.red, c.green, c.blue); }

// --- pipette -------------------------------------------------------------------

// Half the pipette's width at a distance along its axis; both are counted in half-diagonal
// steps so that every edge runs at 45 degrees and stays a clean staircase. Negative outside.
constexpr int kPipetteTipEnd = 4, kPipetteLiquidEnd = 8, kPipetteTubeEnd = 17, kPipetteCollarEnd = 20;

int PipetteHalfWidth(int along)
{
    if (along < 0) return -1;
    if (along <= kPipetteTipEnd) return along / 2;
    if (along <= kPipetteTubeEnd) return 2;
    if (along <= kPipetteCollarEnd) return 3;
    const double bulb = std::abs(along - 27.5) / 7.0;  // a rounded-off oval
    return bulb <= 1 ? int(4.6 * std::cbrt(1 - bulb * bulb * bulb)) : -1;
}

int PipetteAlong(int x, int y) { return (x - kPipetteHotX) - (y - kPipetteHotY); }

bool InPipette(int x, int y)
{
    const int across = (x - kPipetteHotX) + (y - kPipetteHotY);
    return std::abs(across) <= PipetteHalfWidth(PipetteAlong(x, y));
}

// Outline, collar and the liquid in the tip are black; the rest of the glass and bulb white.
bool PipetteInk(int x, int y)
{
    const int along = PipetteAlong(x, y);
    const bool outline = !InPipette(x - 1, y) || !InPipette(x + 1, y) || !InPipette(x, y - 1) || !InPipette(x, y + 1);
    return outline || along <= kPipetteLiquidEnd || (along > kPipetteTubeEnd && along <= kPipetteCollarEnd);
}

// --- about picture -------------------------------------------------------------

void PaintCorkBoard(QPainter& painter, QRect area)
{
    QLinearGradient wood(area.topLeft(), area.topRight());
    wood.setColorAt(0, QColor(150, 98, 52));
    wood.setColorAt(0.5, QColor(176, 120, 66));
    wood.setColorAt(1, QColor(128, 80, 40));
    painter.fillRect(area, wood);

    const QRect cork = area.adjusted(8, 8, -8, -8);
    painter.fillRect(cork, QColor(206, 162, 108));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(184, 138, 88));
    // A staggered grain of dots of two sizes reads as cork without any randomness.
    for (int row = 0, y = cork.top() + 3; y < cork.bottom(); ++row, y += 5)
        for (int column = 0, x = cork.left() + 2 + (row % 2) * 3; x < cork.right(); ++column, x += 6)
            painter.drawEllipse(QPointF(x, y), (row + column) % 3 == 0 ? 1.2 : 0.7, 0.7);

    painter.setPen(QColor(96, 60, 30));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(cork.adjusted(0, 0, -1, -1));
}

// A sheet pinned to the board: shadow, paper, then the caller paints the contents in sheet coordinates.
void PinnedSheet(QPainter& painter, QPointF centre, QSizeF size, double angle, QColor paper, void (*contents)(QPainter&, QRectF))
{
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    const QRectF sheet(-size.width() / 2, -size.height() / 2, size.width(), size.height());
    painter.setPen(Qt::NoPen);
    painter.fillRect(sheet.translated(3, 4), QColor(40, 20, 0, 70));
    painter.fillRect(sheet, paper);
    contents(painter, sheet);
    painter.restore();
}

void PaintPin(QPainter& painter, QPointF at, QColor colour)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 20, 0, 80));
    painter.drawEllipse(at + QPointF(2, 2.5), 4.5, 4.5);
    QRadialGradient head(at - QPointF(1.5, 1.5), 6);
    head.setColorAt(0, colour.lighter(170));
    head.setColorAt(0.5, colour);
    head.setColorAt(1, colour.darker(150));
    painter.setBrush(head);
    painter.drawEllipse(at, 4.5, 4.5);
}

// Sunset over two hills.
void PaintPosterScene(QPainter& painter, QRectF band)
{
    QLinearGradient sky(band.topLeft(), band.bottomLeft());
    sky.setColorAt(0, QColor(44, 62, 150));
    sky.setColorAt(0.7, QColor(236, 120, 96));
    sky.setColorAt(1, QColor(252, 188, 96));
    painter.fillRect(band, sky);

    painter.setBrush(QColor(255, 220, 90));
    painter.drawEllipse(QPointF(band.left() + 82, band.top() + 48), 17, 17);

    const double base = band.bottom();
    painter.setBrush(QColor(96, 64, 130));
    painter.drawPolygon(QPolygonF{{band.left(), base}, {band.left(), base - 20}, {band.left() + 34, base - 46}, {band.left() + 72, base}});
    painter.setBrush(QColor(58, 40, 96));
    painter.drawPolygon(QPolygonF{{band.left() + 40, base}, {band.left() + 86, base - 34}, {band.right(), base - 14}, {band.right(), base}});
}

// Headline, subtitle and body lines as coloured bars, then a row of dots and a button.
void PaintPosterText(QPainter& painter, QRectF column)
{
    const double left = column.left(), base = column.top(), bottom = column.bottom();
    painter.setBrush(QColor(214, 64, 56));
    painter.drawRoundedRect(QRectF(left, base + 10, 96, 11), 3, 3);
    painter.setBrush(QColor(240, 160, 56));
    painter.drawRoundedRect(QRectF(left, base + 26, 64, 6), 3, 3);
    painter.setBrush(QColor(176, 176, 184));
    for (int line = 0; line < 3; ++line)
        painter.drawRoundedRect(QRectF(left, base + 40 + line * 9, column.width() - line * 18, 4), 2, 2);

    const QColor dots[] = {QColor(40, 170, 160), QColor(250, 200, 60), QColor(210, 80, 150)};
    for (int i = 0; i < 3; ++i) {
        painter.setBrush(dots[i]);
        painter.drawEllipse(QPointF(left + 10 + i * 25, bottom - 16), 9, 9);
    }
    painter.setBrush(QColor(60, 110, 200));
    painter.drawRoundedRect(QRectF(column.right() - 34, bottom - 26, 34, 19), 4, 4);
}

void PosterContents(QPainter& painter, QRectF sheet)
{
    const QRectF band(sheet.left() + 8, sheet.top() + 8, sheet.width() - 16, 78);
    PaintPosterScene(painter, band);
    PaintPosterText(painter, QRectF(band.left(), band.bottom(), band.width(), sheet.bottom() - band.bottom()));
}

void NoteContents(QPainter& painter, QRectF sheet)
{
    painter.fillRect(QRectF(sheet.left(), sheet.top(), sheet.width(), 9), QColor(250, 214, 80));
    painter.setPen(QPen(QColor(90, 110, 190), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int line = 0; line < 4; ++line) {
        const double y = sheet.top() + 20 + line * 9;
        painter.drawLine(QPointF(sheet.left() + 7, y), QPointF(sheet.right() - 7 - (line % 3) * 9, y));
    }
}

void SnapshotContents(QPainter& painter, QRectF sheet)
{
    const QRectF photo = sheet.adjusted(5, 5, -5, -12);
    painter.fillRect(photo, QColor(140, 196, 240));
    painter.save();
    painter.setClipRect(photo);
    painter.setBrush(QColor(255, 240, 150));
    painter.drawEllipse(QPointF(photo.right() - 14, photo.top() + 10), 6, 6);
    painter.setBrush(QColor(96, 170, 80));
    painter.drawEllipse(QPointF(photo.left() + 18, photo.bottom() + 14), 36, 26);
    painter.setBrush(QColor(60, 136, 70));
    painter.drawEllipse(QPointF(photo.right() - 8, photo.bottom() + 18), 34, 26);
    painter.restore();
}

// --- window icon -----------------------------------------------------------------

// A poster in units of 1/16 of the icon, so both sizes share one layout.
QImage PosterIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const int u = size / 16;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, size >= 32);
    painter.fillRect(2 * u, 0, 12 * u, 16 * u, QColor(48, 48, 64));
    painter.fillRect(2 * u + 1, 1, 12 * u - 2, 16 * u - 2, Qt::white);
    painter.fillRect(4 * u, 2 * u, 8 * u, 5 * u, QColor(50, 96, 210));
    painter.fillRect(4 * u, 5 * u, 8 * u, 2 * u, QColor(40, 160, 70));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 210, 40));
    painter.drawEllipse(QRectF(9 * u, 3 * u, 2 * u, 2 * u));
    painter.fillRect(4 * u, 8 * u, 6 * u, u, QColor(220, 40, 40));
    painter.fillRect(4 * u, 10 * u, 8 * u, u, QColor(140, 140, 150));
    painter.fillRect(4 * u, 12 * u, 7 * u, u, QColor(140, 140, 150));
    return image;
}

}  // namespace

QImage ToolbarStrip(bool disabled)
{
    QImage strip = FaceImage(kToolbarImageWidth * kToolbarImageCount, kToolbarImageHeight);
    QPainter painter(&strip);
    for (int index = 0; index < kToolbarImageCount; ++index)
        painter.drawImage(index * kToolbarImageWidth, 0, ToolbarImage(index, disabled));
    return strip;
}

QIcon ToolbarIcon(int index)
{
    if (index < 0 || index >= kToolbarImageCount) return {};
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(ToolbarImage(index, false)), QIcon::Normal);
    icon.addPixmap(QPixmap::fromImage(ToolbarImage(index, true)), QIcon::Disabled);
    return icon;
}

QImage ButtonBitmap(Button which)
{
    switch (which) {
    case Button::Bold: return ArtButton(kBold);
    case Button::Italic: return ArtButton(kItalic);
    case Button::Underline: return ArtButton(kUnderline);
    case Button::TextColor: return ColourButton(kLetterT);
    case Button::Bucket: return ColourButton(kPaintBucket);
    case Button::ShapeRect: return ShapeButton([](QPainter& p) { p.drawRect(2, 2, 11, 11); });
    case Button::ShapeLine: return ShapeButton([](QPainter& p) { p.drawLine(2, 13, 13, 2); });
    case Button::ShapeEllipse: return ArtButton(kCircle, {2, 2});
    case Button::ShapeEraser: return ArtButton(kEraser);
    case Button::PenWidth: return ShapeButton(DrawGrid);
    }
    return {};
}

sColor PaletteSwatch(int row, int column)
{
    row = std::clamp(row, 0, kPaletteSwatches - 1);
    column = std::clamp(column, 0, kPaletteSwatches - 1);
    if (row == 0) return kClassicColours[column];
    if (row == 1) return Mix(sColor{27, 26, 26}, sColor{242, 242, 244}, column / double(kPaletteSwatches - 1));
    return HueSwatch(row - 2, column);
}

QImage PaletteBitmap()
{
    const int side = kPaletteSwatches * kPaletteSwatchSize;
    QImage image(side, side, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int row = 0; row < kPaletteSwatches; ++row) {
        for (int column = 0; column < kPaletteSwatches; ++column) {
            const QRect swatch(column * kPaletteSwatchSize, row * kPaletteSwatchSize, kPaletteSwatchSize, kPaletteSwatchSize);
            const sColor inner = PaletteSwatch(row, column);
            painter.fillRect(swatch, ToQColor(SwatchBorder(inner)));
            painter.fillRect(swatch.adjusted(1, 1, -1, -1), ToQColor(inner));
        }
    }
    return image;
}

QImage PipetteBitmap()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (InPipette(x, y)) image.setPixel(x, y, PipetteInk(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    return image;
}

QCursor PipetteCursor() { return QCursor(QPixmap::fromImage(PipetteBitmap()), kPipetteHotX, kPipetteHotY); }

QImage AboutPicture()
{
    QImage image(190, 299, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintCorkBoard(painter, image.rect());
    PinnedSheet(painter, {95, 118}, {136, 184}, -2.5, QColor(252, 250, 244), PosterContents);
    PinnedSheet(painter, {52, 250}, {66, 58}, 6, QColor(255, 236, 130), NoteContents);
    PinnedSheet(painter, {137, 250}, {74, 60}, -5, QColor(250, 250, 250), SnapshotContents);
    PaintPin(painter, {95, 30}, QColor(220, 40, 40));
    PaintPin(painter, {52, 225}, QColor(40, 150, 70));
    PaintPin(painter, {137, 224}, QColor(50, 90, 210));
    return image;
}

QIcon AppIcon()
{
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(PosterIcon(16)));
    icon.addPixmap(QPixmap::fromImage(PosterIcon(32)));
    return icon;
}

}  // namespace artwork
