#pragma once
// One undo or redo record: a rectangle of the page and its pixels, kept run-length
// encoded so that a full-page step of a flyer costs kilobytes, not a page.

#include "platform/color.h"
#include "platform/raster.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// One row of one state of a rectangle's pixels; flat when all are of one colour.
struct RowPixels {
    const Pixel* pixels = nullptr;
    bool flat = false;
};
// One state of a rectangle's pixels, handed out a row at a time, top row 0.
using RowReader = std::function<RowPixels(int y)>;
RowReader RowsOf(const raster::PixelView& view);

// The rectangle is kept in page coordinates, so a window resize that moves
// the page on screen between an edit and its undo cannot shift the write-back.
struct sUndoElement {
    int left = 0;
    int top = 0;
    int right = 0;   // exclusive
    int bottom = 0;  // exclusive
    int width = 0;
    int height = 0;

    CRect Rect() const { return {left, top, right, bottom}; }
    // Records the page pixels under rc (page coordinates); what lies off the page
    // is neither kept nor ever written back.
    void Capture(const raster::PixelView& page, const CRect& rc);
    // Records `mine`, the pixels of rc ∩ page (onPage, page coordinates) in one state.
    // When `other` reads the same pixels in the state the page will be in when this
    // record is written back, the pixels both states share are not kept: writing the
    // record back leaves them as they are. An empty `other` keeps them all.
    void Record(const RowReader& mine, const RowReader& other, const CRect& rc, const CRect& onPage);
    // Writes the record's pixels back into the page, skipping what lies off it.
    void WriteBack(const raster::PixelView& page) const;
    // The bytes the record holds for its pixels.
    size_t StoredBytes() const { return m_codes.size() * sizeof(uint32_t); }

private:
    CRect m_stored;                // the part of the rectangle on the page
    std::vector<uint32_t> m_codes;  // runs over m_stored's rows, read as one sequence
};

// The pixels before a step, set aside until the step is done. The buffer is kept
// between steps: a fresh page-sized allocation would fault every page of it in
// again on each step. A row of one colour is kept as that colour alone, so a
// flat page costs one read, not a copy.
class CUndoScratch {
public:
    void Keep(const raster::PixelView& pixels);
    // Row y of the kept pixels; valid until the next call.
    RowPixels Row(int y);
    RowReader Rows() { return [this](int y) { return Row(y); }; }
    void Release();

private:
    std::unique_ptr<Pixel[]> m_pixels;  // mixed rows, each at its own place
    size_t m_capacity = 0;
    int m_width = 0;
    std::vector<char> m_rowFlat;      // per row: all of one colour
    std::vector<Pixel> m_rowColour;   // that colour
    std::vector<Pixel> m_flatRow;     // a row lent out for flat rows
    std::optional<Pixel> m_flatColour;  // what m_flatRow holds
};
