#pragma once
// Every picture the editor shows (toolbar, tool buttons, palette, cursor, about box,
// window icon) is painted here in code, so nothing is loaded from files at run time.

#include "platform/color.h"

#include <QCursor>
#include <QIcon>
#include <QImage>

namespace artwork {

// The toolbar images sit side by side in one 192 x 15 strip, sixteen pixels apart.
inline constexpr int kToolbarImageWidth = 16;
inline constexpr int kToolbarImageHeight = 15;
inline constexpr int kToolbarImageCount = 12;

// Order in the strip: new page, delete page, save, save all, cut, copy, paste,
// undo, redo, text tool, picture tool, draw tool. The disabled strip is greyed and embossed.
QImage ToolbarStrip(bool disabled);

// One toolbar image (index 0..11) with its greyed variant for QIcon::Disabled;
// a null icon for an index outside the strip.
QIcon ToolbarIcon(int index);

// 16 x 16 symbols of the tool panel's buttons.
enum class Button { Bold, Italic, Underline, TextColor, Bucket, ShapeRect, ShapeLine, ShapeEllipse, ShapeEraser, PenWidth };
QImage ButtonBitmap(Button which);

// The colour palette: 16 x 16 swatches of 10 x 10 pixels, each with a darker border.
inline constexpr int kPaletteSwatches = 16;
inline constexpr int kPaletteSwatchSize = 10;
QImage PaletteBitmap();

// The colour inside a swatch; row and column are clamped to 0..15.
// Row 0 holds the sixteen classic colours, row 1 a grey ramp, rows 2..15 one hue each
// running from a dark shade through the pure hue (column 7) to a pale tint.
sColor PaletteSwatch(int row, int column);

// The pipette cursor: black outline, white fill, transparent elsewhere; the tip is the hot spot.
inline constexpr int kPipetteHotX = 2, kPipetteHotY = 18;
QImage PipetteBitmap();
QCursor PipetteCursor();

// 190 x 299 illustration for the about box.
QImage AboutPicture();

// Window icon: a small poster in 16 x 16 and 32 x 32.
QIcon AppIcon();

}  // namespace artwork
