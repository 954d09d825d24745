#pragma once
// The frame around the text box and the placed picture: it keeps its overlay
// inside the page, may keep the overlay's proportions, and moves the overlay
// window along at every step.

#include "platform/recttracker.h"

class CPavlixMakerView;

class CTracker : public CRectTracker {
public:
    void AdjustRect(int nHandle, CRect* lpRect) override;

    CPavlixMakerView* m_pView = nullptr;
    CPoint m_ptOffset;  // minus the view's scroll position
    CRect m_rectDoc;    // the frame's rectangle in document coordinates
    bool m_bKeepAspect = false;
};
