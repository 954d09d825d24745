#pragma once
// A move/resize frame around a rectangle in client coordinates: drawing,
// hit testing and tracking driven by the owner's mouse events.

#include "platform/geometry.h"

#include <Qt>

class QPainter;

class CRectTracker {
public:
    enum StyleFlags { solidLine = 1, dottedLine = 2, hatchedBorder = 4, resizeInside = 8, resizeOutside = 16 };
    enum TrackerHit {
        hitNothing = -1,
        hitTopLeft = 0,
        hitTopRight = 1,
        hitBottomRight = 2,
        hitBottomLeft = 3,
        hitTop = 4,
        hitRight = 5,
        hitBottom = 6,
        hitLeft = 7,
        hitMiddle = 8
    };

    virtual ~CRectTracker() = default;

    // Called with the rectangle being dragged after every move; keeps the
    // dragged edges at least m_sizeMin apart from the opposite ones.
    virtual void AdjustRect(int nHandle, CRect* lpRect);

    int HitTest(CPoint point) const;
    void Draw(QPainter& painter) const;

    // Tracking: a press on the frame starts it, moves reshape the rectangle,
    // the release ends it and tells whether the rectangle changed; Esc puts
    // the frame's rectangle back and ends it as "not changed".
    bool BeginTrack(CPoint point);
    void TrackMove(CPoint point);
    bool EndTrack();
    void CancelTrack();
    bool IsTracking() const { return m_nTrackHandle != hitNothing; }

    // Points are held within kPointLimit of the origin, edges within kEdgeLimit: far
    // beyond any screen or page, and near enough that an edge dragged by the distance
    // of two points, and any width, stays within int.
    static constexpr int kPointLimit = 1 << 28;
    static constexpr int kEdgeLimit = (1 << 30) - 1;
    static CPoint WithinLimits(CPoint p);
    static CRect WithinLimits(const CRect& r, int limit);

    CRect m_rect;
    CSize m_sizeMin;
    int m_nStyle = 0;
    int m_nHandleSize = 5;

private:
    CRect HandleRect(int handle) const;
    CRect OuterRect() const;

    int m_nTrackHandle = hitNothing;
    CPoint m_ptTrackStart;
    CRect m_rectTrackStart;
};

// The cursor that shows what a press at a hit would do.
Qt::CursorShape CursorForHit(int hit);
