#include "platform/recttracker.h"

#include <QBrush>
#include <QPainter>

namespace {

bool MovesLeft(int h) { return h == CRectTracker::hitTopLeft || h == CRectTracker::hitBottomLeft || h == CRectTracker::hitLeft; }
bool MovesRight(int h) { return h == CRectTracker::hitTopRight || h == CRectTracker::hitBottomRight || h == CRectTracker::hitRight; }
bool MovesTop(int h) { return h == CRectTracker::hitTopLeft || h == CRectTracker::hitTopRight || h == CRectTracker::hitTop; }
bool MovesBottom(int h) { return h == CRectTracker::hitBottomLeft || h == CRectTracker::hitBottomRight || h == CRectTracker::hitBottom; }

}  // namespace

CPoint CRectTracker::WithinLimits(CPoint p)
{
    return {std::clamp(p.x, -kPointLimit, kPointLimit), std::clamp(p.y, -kPointLimit, kPointLimit)};
}

CRect CRectTracker::WithinLimits(const CRect& r, int limit)
{
    const auto clamped = [limit](int v) { return std::clamp(v, -limit, limit); };
    return {clamped(r.left), clamped(r.top), clamped(r.right), clamped(r.bottom)};
}

void CRectTracker::AdjustRect(int nHandle, CRect* lpRect)
{
    *lpRect = WithinLimits(*lpRect, kEdgeLimit);
    if (MovesLeft(nHandle) && lpRect->Width() < m_sizeMin.cx)
        lpRect->left = lpRect->right - m_sizeMin.cx;
    if (MovesRight(nHandle) && lpRect->Width() < m_sizeMin.cx)
        lpRect->right = lpRect->left + m_sizeMin.cx;
    if (MovesTop(nHandle) && lpRect->Height() < m_sizeMin.cy)
        lpRect->top = lpRect->bottom - m_sizeMin.cy;
    if (MovesBottom(nHandle) && lpRect->Height() < m_sizeMin.cy)
        lpRect->bottom = lpRect->top + m_sizeMin.cy;
}

CRect CRectTracker::OuterRect() const
{
    const int out = (m_nStyle & (resizeOutside | hatchedBorder)) ? m_nHandleSize : 0;
    return {m_rect.left - out, m_rect.top - out, m_rect.right + out, m_rect.bottom + out};
}

// Handles sit at the corners and edge middles; outside the rectangle, inside
// it, or across its edge when both styles are set.
CRect CRectTracker::HandleRect(int handle) const
{
    const int s = m_nHandleSize;
    const int outside = (m_nStyle & resizeOutside) ? s : 0;
    const int inside = (m_nStyle & resizeInside) ? s : 0;
    const int midX = (m_rect.left + m_rect.right) / 2 - s / 2;
    const int midY = (m_rect.top + m_rect.bottom) / 2 - s / 2;
    const int left = m_rect.left - outside, right = m_rect.right + outside;
    const int top = m_rect.top - outside, bottom = m_rect.bottom + outside;
    const int span = outside + inside;
    switch (handle) {
    case hitTopLeft: return {left, top, left + span, top + span};
    case hitTopRight: return {right - span, top, right, top + span};
    case hitBottomRight: return {right - span, bottom - span, right, bottom};
    case hitBottomLeft: return {left, bottom - span, left + span, bottom};
    case hitTop: return {midX, top, midX + s, top + span};
    case hitRight: return {right - span, midY, right, midY + s};
    case hitBottom: return {midX, bottom - span, midX + s, bottom};
    case hitLeft: return {left, midY, left + span, midY + s};
    default: return {};
    }
}

int CRectTracker::HitTest(CPoint point) const
{
    if (m_nStyle & (resizeInside | resizeOutside))
        for (int handle = hitTopLeft; handle <= hitLeft; ++handle)
            if (HandleRect(handle).PtInRect(point))
                return handle;
    return OuterRect().PtInRect(point) ? hitMiddle : hitNothing;
}

void CRectTracker::Draw(QPainter& painter) const
{
    painter.save();
    if (m_nStyle & hatchedBorder) {
        const CRect outer = OuterRect();
        const QBrush hatch(Qt::black, Qt::BDiagPattern);
        const int s = m_nHandleSize;
        painter.fillRect(QRect(outer.left, outer.top, outer.Width(), s), hatch);
        painter.fillRect(QRect(outer.left, outer.bottom - s, outer.Width(), s), hatch);
        painter.fillRect(QRect(outer.left, outer.top + s, s, outer.Height() - 2 * s), hatch);
        painter.fillRect(QRect(outer.right - s, outer.top + s, s, outer.Height() - 2 * s), hatch);
    }
    if (m_nStyle & (resizeInside | resizeOutside))
        for (int handle = hitTopLeft; handle <= hitLeft; ++handle)
            painter.fillRect(HandleRect(handle).ToQRect(), Qt::black);
    painter.restore();
}

bool CRectTracker::BeginTrack(CPoint point)
{
    const int hit = HitTest(point);
    if (hit == hitNothing)
        return false;
    m_nTrackHandle = hit;
    m_ptTrackStart = WithinLimits(point);
    m_rectTrackStart = WithinLimits(m_rect, kPointLimit);
    return true;
}

void CRectTracker::TrackMove(CPoint point)
{
    if (!IsTracking())
        return;
    const CPoint d = WithinLimits(point) - m_ptTrackStart;
    CRect r = m_rectTrackStart;
    const int h = m_nTrackHandle;
    if (h == hitMiddle)
        r.OffsetRect(d);
    // A dragged edge stops at the opposite one: the frame never turns inside out.
    if (MovesLeft(h)) r.left = std::min(r.left + d.x, r.right);
    if (MovesRight(h)) r.right = std::max(r.right + d.x, r.left);
    if (MovesTop(h)) r.top = std::min(r.top + d.y, r.bottom);
    if (MovesBottom(h)) r.bottom = std::max(r.bottom + d.y, r.top);
    AdjustRect(h, &r);
    m_rect = r;
}

bool CRectTracker::EndTrack()
{
    if (!IsTracking())
        return false;
    m_nTrackHandle = hitNothing;
    return m_rect != m_rectTrackStart;
}

void CRectTracker::CancelTrack()
{
    if (!IsTracking())
        return;
    m_rect = m_rectTrackStart;
    m_nTrackHandle = hitNothing;
}

Qt::CursorShape CursorForHit(int hit)
{
    switch (hit) {
    case CRectTracker::hitTopLeft:
    case CRectTracker::hitBottomRight: return Qt::SizeFDiagCursor;
    case CRectTracker::hitTopRight:
    case CRectTracker::hitBottomLeft: return Qt::SizeBDiagCursor;
    case CRectTracker::hitTop:
    case CRectTracker::hitBottom: return Qt::SizeVerCursor;
    case CRectTracker::hitRight:
    case CRectTracker::hitLeft: return Qt::SizeHorCursor;
    case CRectTracker::hitMiddle: return Qt::SizeAllCursor;
    default: return Qt::ArrowCursor;
    }
}
