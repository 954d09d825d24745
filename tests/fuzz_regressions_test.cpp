// Inputs the fuzz targets in fuzz/ found, kept so the faults stay mended.

#include "canvas/tracker.h"
#include "platform/image.h"
#include "support/files.h"
#include "support/frame_fixture.h"

#include <QTemporaryDir>

#include <climits>

namespace {

// A GIF whose screen is 1 x 41984 pixels around a 1 x 1 frame: Qt reports the
// frame's size before decoding, then decodes the whole screen.
TEST(FuzzRegressions, GifScreenTallerThanTheLimitIsRefused)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("tall.gif");
    WriteBytes(path, QByteArray::fromBase64("R0lGODdhAQAApAAAACwAAAAAAQABAAACAhJEAQA7"));
    CImage image;
    const IoResult loaded = image.Load(path, CImage::Kind::Page);
    EXPECT_FALSE(loaded.ok);
    EXPECT_TRUE(loaded.reason.contains("1 x 41984")) << loaded.reason.toStdString();
    EXPECT_TRUE(image.IsNull());
}

struct FarDrag {
    const char* name;
    CPoint to;
    CPoint expectedTopLeft;  // relative to the page
};

class FarDragTest : public FrameTest, public testing::WithParamInterface<FarDrag> {};

// Moving the frame to a point at the end of the int range once overflowed the
// edge arithmetic; the frame now stops at the page's edge with its size kept.
TEST_P(FarDragTest, FrameStopsAtThePageWithItsSize)
{
    OpenPatternPage(200, 150);
    const CRect page = m_view->m_rectPage;
    CTracker tracker;
    tracker.m_pView = m_view;
    tracker.m_sizeMin = {8, 8};
    tracker.m_nStyle = CRectTracker::hatchedBorder | CRectTracker::resizeInside | CRectTracker::resizeOutside;
    tracker.m_rect = CRect(10, 10, 50, 40) + page.TopLeft();
    tracker.m_rectDoc = tracker.m_rect;
    ASSERT_TRUE(tracker.BeginTrack(CPoint(30, 25) + page.TopLeft()));
    tracker.TrackMove(GetParam().to);
    EXPECT_EQ(tracker.m_rect, CRect(GetParam().expectedTopLeft + page.TopLeft(), CSize(40, 30)));
}

INSTANTIATE_TEST_SUITE_P(Corners, FarDragTest,
                         testing::Values(FarDrag{"TopLeft", {INT_MIN, INT_MIN}, {0, 0}},
                                         FarDrag{"BottomRight", {INT_MAX, INT_MAX}, {160, 120}},
                                         FarDrag{"BottomLeft", {INT_MIN, INT_MAX}, {0, 120}},
                                         FarDrag{"TopRight", {INT_MAX, INT_MIN}, {160, 0}}),
                         [](const testing::TestParamInfo<FarDrag>& info) { return std::string(info.param.name); });

// Any rectangle handed to the frame, with the proportion kept from a frame far
// taller than wide, gives a rectangle without the arithmetic leaving int.
TEST(FuzzRegressions, AdjustingExtremeRectangleKeepsEdgesInRange)
{
    CTracker tracker;
    tracker.m_bKeepAspect = true;
    tracker.m_rectDoc = CRect(0, 0, 1, 1 << 30);
    CRect rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    tracker.AdjustRect(CRectTracker::hitBottomRight, &rect);
    // The height follows the width's proportion up to the limit.
    constexpr int limit = CRectTracker::kEdgeLimit;
    EXPECT_EQ(rect, CRect(-limit, -limit, limit, 0));
}

}  // namespace
