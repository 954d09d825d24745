#pragma once
// One undo or redo record: a rectangle of the page and its pixels.

#include "platform/color.h"
#include "platform/raster.h"

#include <vector>

// The rectangle is kept in page coordinates, so a window resize that moves
// the page on screen between an edit and its undo cannot shift the write-back.
struct sUndoElement {
    int left = 0;
    int top = 0;
    int right = 0;   // exclusive
    int bottom = 0;  // exclusive
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels;  // row by row; pixels off the page are kept as 0 and never written back

    CRect Rect() const { return {left, top, right, bottom}; }
    // Copies the page pixels under rc (page coordinates) into this record.
    void Capture(const raster::PixelView& page, const CRect& rc);
    // Writes the record's pixels back into the page, skipping what lies off it.
    void WriteBack(const raster::PixelView& page) const;
};
