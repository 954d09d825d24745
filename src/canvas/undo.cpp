#include "canvas/undo.h"

#include <algorithm>
#include <cstring>

// A record is a sequence of 32-bit codes read over its rows as one stream, so a
// run may go on from one row into the next. A header word holds the kind in its
// top two bits and a pixel count below:
//   skip     pixels left as they are       (1 word)
//   run      count pixels of one colour    (2 words: header, colour)
//   literal  count pixels as they are      (1 + count words)

namespace {

enum Kind : uint32_t { kSkip = 0u << 30, kRun = 1u << 30, kLiteral = 2u << 30 };
constexpr uint32_t kKindMask = 3u << 30;
constexpr uint32_t kMaxCount = ~kKindMask;
constexpr size_t kNoToken = size_t(-1);

using Lanes = uint32_t __attribute__((vector_size(16)));

Lanes LoadLanes(const Pixel* p)
{
    Lanes v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

bool AnyLane(Lanes v)
{
    uint64_t halves[2];
    std::memcpy(halves, &v, sizeof halves);
    return (halves[0] | halves[1]) != 0;
}

// The end of the span from i on where mine equals the other state: sixteen pixels
// at a time in vector registers first. otherLanes(k) gives four pixels from k, otherAt(k) one.
template <typename OtherLanes, typename OtherAt>
int SpanEnd(const Pixel* mine, int i, int n, OtherLanes otherLanes, OtherAt otherAt)
{
    const auto differ = [&](int k) { return LoadLanes(mine + k) ^ otherLanes(k); };
    for (; i + 16 <= n; i += 16)
        if (AnyLane(differ(i) | differ(i + 4) | differ(i + 8) | differ(i + 12))) break;
    while (i < n && mine[i] == otherAt(i)) ++i;
    return i;
}

// The end of the span from i on where row holds colour c.
int ColourEnd(const Pixel* row, int i, int n, Pixel c)
{
    const Lanes colour = {c, c, c, c};
    return SpanEnd(row, i, n, [&](int) { return colour; }, [&](int) { return c; });
}

bool IsFlat(const Pixel* row, int n)
{
    return n > 0 && ColourEnd(row, 0, n, row[0]) == n;
}

// The end of the span from i on where both states agree; a flat row is
// compared as its colour, without reading it.
int SharedEnd(const RowPixels& mine, const RowPixels& other, int i, int n)
{
    if (other.flat) return ColourEnd(mine.pixels, i, n, other.pixels[0]);
    if (mine.flat) return ColourEnd(other.pixels, i, n, mine.pixels[0]);
    return SpanEnd(mine.pixels, i, n, [&](int k) { return LoadLanes(other.pixels + k); },
                   [&](int k) { return other.pixels[k]; });
}

class RunEncoder {
public:
    explicit RunEncoder(std::vector<uint32_t>& out) : m_out(out) { m_out.clear(); }

    // One row of the stream; other.pixels may be null, then nothing is skipped.
    void AddRow(const RowPixels& mine, const RowPixels& other, int n)
    {
        const Pixel* pixels = mine.pixels;
        int i = 0;
        while (i < n) {
            if (other.pixels && pixels[i] == other.pixels[i]) {
                const int end = SharedEnd(mine, other, i, n);
                Add(kSkip, uint32_t(end - i), nullptr);
                i = end;
                continue;
            }
            const int runEnd = mine.flat ? n : ColourEnd(pixels, i, n, pixels[i]);
            if (runEnd - i >= 2) {
                Add(kRun, uint32_t(runEnd - i), &pixels[i]);
                i = runEnd;
                continue;
            }
            const int end = LiteralEnd(pixels, other.pixels, i, n);
            Add(kLiteral, uint32_t(end - i), &pixels[i]);
            i = end;
        }
    }

private:
    // Pixels worth storing one by one: up to the next repeat or shared pixel.
    static int LiteralEnd(const Pixel* mine, const Pixel* other, int i, int n)
    {
        int end = i + 1;
        while (end < n && (end + 1 >= n || mine[end] != mine[end + 1]) && !(other && mine[end] == other[end])) ++end;
        return end;
    }

    // Appends count pixels of a kind, joining the open token when it is of the same kind.
    void Add(Kind kind, uint32_t count, const Pixel* pixels)
    {
        while (count > 0) {
            uint32_t& header = OpenFor(kind, pixels);
            const uint32_t room = kMaxCount - (header & kMaxCount);
            const uint32_t taken = std::min(count, room);
            header += taken;
            if (kind == kLiteral) {
                m_out.insert(m_out.end(), pixels, pixels + taken);
                pixels += taken;
            }
            count -= taken;
        }
    }

    uint32_t& OpenFor(Kind kind, const Pixel* pixels)
    {
        const bool joins = m_open != kNoToken && (m_out[m_open] & kKindMask) == kind &&
                           (m_out[m_open] & kMaxCount) < kMaxCount && (kind != kRun || m_out[m_open + 1] == *pixels);
        if (!joins) {
            m_open = m_out.size();
            m_out.push_back(kind);
            if (kind == kRun) m_out.push_back(*pixels);
        }
        return m_out[m_open];
    }

    std::vector<uint32_t>& m_out;
    size_t m_open = kNoToken;
};

// Encodings are built here and copied out at their exact size: the buffer keeps
// its pages between steps.
std::vector<uint32_t>& EncodeBuffer()
{
    static std::vector<uint32_t> buffer;
    return buffer;
}

// Walks count pixels of a width-wide stream from (x, y) on, handing each row piece to piece(y, x, n).
template <typename Piece>
void Advance(int& x, int& y, uint32_t count, int width, Piece piece)
{
    while (count > 0) {
        const uint32_t n = std::min<uint32_t>(count, uint32_t(width - x));
        piece(y, x, int(n));
        x += int(n);
        count -= n;
        if (x == width) {
            x = 0;
            ++y;
        }
    }
}

}  // namespace

RowReader RowsOf(const raster::PixelView& view)
{
    return [view](int y) { return RowPixels{view.Row(y), false}; };
}

void sUndoElement::Capture(const raster::PixelView& page, const CRect& rc)
{
    const CRect onPage = page.Bounds().Intersect(rc);
    Record(RowsOf(page.Part(onPage)), {}, rc, onPage);
}

void sUndoElement::Record(const RowReader& mine, const RowReader& other, const CRect& rc, const CRect& onPage)
{
    left = rc.left;
    top = rc.top;
    right = rc.right;
    bottom = rc.bottom;
    width = std::max(0, right - left);
    height = std::max(0, bottom - top);
    m_stored = onPage.IsRectEmpty() ? CRect() : onPage;
    std::vector<uint32_t>& buffer = EncodeBuffer();
    RunEncoder encoder(buffer);
    for (int y = 0; y < m_stored.Height(); ++y)
        encoder.AddRow(mine(y), other ? other(y) : RowPixels{}, m_stored.Width());
    m_codes.assign(buffer.begin(), buffer.end());
}

void sUndoElement::WriteBack(const raster::PixelView& page) const
{
    const int streamWidth = m_stored.Width();
    int x = 0, y = 0;
    for (size_t i = 0; i < m_codes.size();) {
        const uint32_t kind = m_codes[i] & kKindMask, count = m_codes[i] & kMaxCount;
        const Pixel* pixels = m_codes.data() + i + 1;
        // Pieces are drawn through the clipping raster calls: a record never writes off the page.
        Advance(x, y, count, streamWidth, [&](int row, int col, int n) {
            const CPoint at = m_stored.TopLeft() + CPoint(col, row);
            if (kind == kRun) {
                raster::FillRect(page, CRect(at.x, at.y, at.x + n, at.y + 1), *pixels);
            } else if (kind == kLiteral) {
                const raster::PixelView piece{const_cast<Pixel*>(pixels), n, 1, n};
                raster::Blit(piece, piece.Bounds(), page, at);
                pixels += n;
            }
        });
        i += 1 + (kind == kRun ? 1 : kind == kLiteral ? count : 0);
    }
}

void CUndoScratch::Keep(const raster::PixelView& pixels)
{
    const size_t needed = size_t(std::max(0, pixels.width)) * size_t(std::max(0, pixels.height));
    if (needed > m_capacity) {
        m_pixels.reset();
        m_pixels.reset(new Pixel[needed]);
        m_capacity = needed;
    }
    m_width = pixels.width;
    m_rowFlat.assign(size_t(std::max(0, pixels.height)), 0);
    m_rowColour.resize(m_rowFlat.size());
    for (int y = 0; y < pixels.height; ++y) {
        const Pixel* row = pixels.Row(y);
        if (IsFlat(row, m_width)) {
            m_rowFlat[size_t(y)] = 1;
            m_rowColour[size_t(y)] = row[0];
        } else {
            std::memcpy(&m_pixels[size_t(y) * size_t(m_width)], row, size_t(m_width) * sizeof(Pixel));
        }
    }
}

RowPixels CUndoScratch::Row(int y)
{
    if (!m_rowFlat[size_t(y)])
        return {&m_pixels[size_t(y) * size_t(m_width)], false};
    const Pixel colour = m_rowColour[size_t(y)];
    if (m_flatColour != colour || m_flatRow.size() != size_t(m_width)) {
        m_flatRow.assign(size_t(m_width), colour);
        m_flatColour = colour;
    }
    return {m_flatRow.data(), true};
}

void CUndoScratch::Release()
{
    *this = CUndoScratch();
}
