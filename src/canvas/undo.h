#pragma once
// One undo or redo record: a rectangle of the page and its pixels, kept run-length
// encoded so that a full-page step of a flyer costs kilobytes, not a page.

#include "platform/color.h"
#include "platform/raster.h"

#include <cstddef>
#include <cstdint>
#include <memory>
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

    CRect Rect() const { return {left, top, right, bottom}; }
    // Records the page pixels under rc (page coordinates); what lies off the page
    // is neither kept nor ever written back.
    void Capture(const raster::PixelView& page, const CRect& rc);
    // Records `mine`, the pixels of rc ∩ page (onPage, page coordinates) in one state,
    // top-left first. When `other` holds the same pixels in the state the page will be
    // in when this record is written back, the pixels both states share are not kept:
    // writing the record back leaves them as they are. A null `other` keeps them all.
    void Record(const raster::PixelView& mine, const raster::PixelView* other, const CRect& rc, const CRect& onPage);
    // Writes the record's pixels back into the page, skipping what lies off it.
    void WriteBack(const raster::PixelView& page) const;
    // The bytes the record holds for its pixels.
    size_t StoredBytes() const { return m_codes.size() * sizeof(uint32_t); }

private:
    CRect m_stored;                // the part of the rectangle on the page
    std::vector<uint32_t> m_codes;  // runs over m_stored's rows, read as one sequence
};

// A buffer kept between steps: a fresh page-sized allocation would fault every
// page of it in again on each step.
class CUndoScratch {
public:
    // A view of width x height pixels, contents undefined.
    raster::PixelView Reserve(int width, int height);
    void Release();

private:
    std::unique_ptr<Pixel[]> m_pixels;
    size_t m_capacity = 0;
};
