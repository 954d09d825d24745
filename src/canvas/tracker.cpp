#include "canvas/tracker.h"

#include "canvas/view.h"

void CTracker::AdjustRect(int nHandle, CRect* lpRect)
{
    *lpRect = WithinLimits(*lpRect, kEdgeLimit);
    const CRect page = m_pView ? m_pView->m_rectPage + m_ptOffset : *lpRect;
    int w = lpRect->Width();
    int h = lpRect->Height();
    // The proportion comes from the previous step, whichever handle is dragged.
    if (m_bKeepAspect && m_rectDoc.Width() != 0) {
        const double scaled = double(m_rectDoc.Height()) / double(m_rectDoc.Width()) * w;
        h = int(std::clamp(scaled, -double(kEdgeLimit), double(kEdgeLimit)));
        lpRect->bottom = lpRect->top + h;
    }
    w = std::min(w, page.Width());
    h = std::min(h, page.Height());
    if (lpRect->right > page.right) {
        lpRect->right = page.right;
        lpRect->left = lpRect->right - w;
    }
    if (lpRect->bottom > page.bottom) {
        lpRect->bottom = page.bottom;
        lpRect->top = lpRect->bottom - h;
    }
    if (lpRect->left < page.left) {
        lpRect->left = page.left;
        lpRect->right = lpRect->left + w;
    }
    if (lpRect->top < page.top) {
        lpRect->top = page.top;
        lpRect->bottom = lpRect->top + h;
    }
    CRectTracker::AdjustRect(nHandle, lpRect);
    m_rectDoc = *lpRect - m_ptOffset;
    if (m_pView)
        m_pView->PlaceOverlay(m_rectDoc);
}
