// The overlay frame of a real view over a page of any size, handed arbitrary
// rectangles and dragged to arbitrary points. Besides the sanitizers' checks:
// a frame that starts inside a page it fits on stays inside it, at least its
// minimum size, after any drag.

#include "support.h"

#include "app/mainframe.h"
#include "canvas/tracker.h"
#include "canvas/view.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <memory>

namespace {

constexpr int kMaxSteps = 8;
constexpr int kMaxMinSide = 64;
constexpr int kMaxClient = 4000;
constexpr int kDocReach = 2 * CImage::kMaxSide;

CPavlixMakerView* g_view = nullptr;

void Check(bool ok)
{
    if (!ok) std::abort();
}

int Coordinate(FuzzedDataProvider& input)
{
    return input.ConsumeBool() ? input.ConsumeIntegralInRange(-4000, 4000) : input.ConsumeIntegral<int>();
}

CPoint PointFrom(FuzzedDataProvider& input) { return {Coordinate(input), Coordinate(input)}; }
CRect RectFrom(FuzzedDataProvider& input) { return {Coordinate(input), Coordinate(input), Coordinate(input), Coordinate(input)}; }

bool Contains(const CRect& outer, const CRect& inner)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right && inner.bottom <= outer.bottom;
}

bool AtLeast(const CRect& r, CSize size) { return r.Width() >= size.cx && r.Height() >= size.cy; }

// A rectangle in the document as the view keeps one: normalised, near the page.
CRect DocRect(FuzzedDataProvider& input)
{
    const auto edge = [&input] { return input.ConsumeIntegralInRange(-kDocReach, kDocReach); };
    CRect r(edge(), edge(), edge(), edge());
    r.NormalizeRect();
    return r;
}

// The state is what the view keeps: a page of any size at its place, scrolled
// anywhere over it, the frame somewhere near it. Points and rectangles handed in
// from outside are arbitrary.
void SetUpTracker(FuzzedDataProvider& input, CTracker& tracker)
{
    const CSize size(input.ConsumeIntegralInRange(0, CImage::kMaxSide), input.ConsumeIntegralInRange(0, CImage::kMaxSide));
    g_view->m_rectPage = {CPoint(input.ConsumeIntegralInRange(0, kMaxClient), CPavlixMakerView::kPageTop), size};
    tracker.m_pView = input.ConsumeBool() ? g_view : nullptr;
    tracker.m_ptOffset = -CPoint(input.ConsumeIntegralInRange(0, size.cx + kMaxClient),
                                 input.ConsumeIntegralInRange(0, size.cy + kMaxClient));
    tracker.m_rectDoc = DocRect(input);
    tracker.m_rect = tracker.m_rectDoc + tracker.m_ptOffset;
    tracker.m_bKeepAspect = input.ConsumeBool();
    tracker.m_sizeMin = {input.ConsumeIntegralInRange(0, kMaxMinSide), input.ConsumeIntegralInRange(0, kMaxMinSide)};
    tracker.m_nStyle = CRectTracker::hatchedBorder | CRectTracker::resizeInside | CRectTracker::resizeOutside;
}

// The frame is well placed: inside the page (on the client) and big enough.
bool WellPlaced(const CTracker& tracker, const CRect& page)
{
    return Contains(page, tracker.m_rect) && AtLeast(tracker.m_rect, tracker.m_sizeMin);
}

void Drag(FuzzedDataProvider& input, CTracker& tracker)
{
    const CRect page = g_view->m_rectPage + tracker.m_ptOffset;
    const bool guarded = tracker.m_pView && !tracker.m_bKeepAspect && AtLeast(page, tracker.m_sizeMin) &&
                         WellPlaced(tracker, page);
    if (!tracker.BeginTrack(PointFrom(input))) return;
    for (int step = input.ConsumeIntegralInRange(1, kMaxSteps); step > 0; --step) {
        tracker.TrackMove(PointFrom(input));
        Check(!guarded || WellPlaced(tracker, page));
    }
    if (input.ConsumeBool()) tracker.CancelTrack();
    else tracker.EndTrack();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::StartApplication();
    static const auto frame = std::make_unique<CMainFrame>();
    g_view = frame->GetActiveView();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    CTracker tracker;
    SetUpTracker(input, tracker);
    if (input.ConsumeBool()) {
        CRect rect = RectFrom(input);
        tracker.AdjustRect(input.ConsumeIntegralInRange(-1, 8), &rect);
    } else {
        Drag(input, tracker);
    }
    return 0;
}
