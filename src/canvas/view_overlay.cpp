// The two overlays, the text box and the placed picture, and their frames.
#include "canvas/view.h"

#include "canvas/myedit.h"
#include "canvas/myimage.h"

#include <QPainter>

void CPavlixMakerView::OnInitialUpdate()
{
    m_wndEdit = new CMyEdit(viewport());
    m_wndEdit->setGeometry(10, 10, 90, 90);
    m_wndEdit->m_pView = this;
    m_wndImage = new CMyImage(viewport());
    m_wndImage->setGeometry(10, 10, 90, 90);
    m_wndImage->m_pImage = &m_imgPicture;
    m_wndImage->m_pView = this;
    for (CTracker* tracker : {&m_trackerEdit, &m_trackerImage}) {
        tracker->m_sizeMin = {8, 8};
        tracker->m_nStyle = CRectTracker::hatchedBorder | CRectTracker::resizeInside | CRectTracker::resizeOutside;
        tracker->m_nHandleSize = 5;
        tracker->m_pView = this;
    }
    m_wndEdit->hide();
    m_wndImage->hide();
    m_trackerImage.m_bKeepAspect = true;
}

bool CPavlixMakerView::IsTextBoxVisible() const
{
    return m_wndEdit && !m_wndEdit->isHidden();
}

bool CPavlixMakerView::IsPictureVisible() const
{
    return m_wndImage && !m_wndImage->isHidden();
}

// Shows an overlay at rect, then lets its frame push it inside the page.
void CPavlixMakerView::ShowOverlay(QWidget* window, CTracker& tracker, const CRect& rect)
{
    window->setGeometry((rect - GetScrollPosition()).ToQRect());
    window->show();
    tracker.m_rectDoc = rect;
    RedrawView();
    RefreshOverlay(tracker, window);
}

void CPavlixMakerView::HideOverlay(QWidget* window)
{
    window->hide();
    RedrawView();
}

void CPavlixMakerView::PlaceOverlay(CRect rc)
{
    QWidget* window = IsTextBoxVisible() ? static_cast<QWidget*>(m_wndEdit) : m_wndImage;
    (IsTextBoxVisible() ? m_rectEdit : m_rectImage) = rc;
    window->setGeometry((rc - GetScrollPosition()).ToQRect());
    RedrawView();
}

// The frames are drawn in client coordinates from their document rectangles.
void CPavlixMakerView::PaintFrames(QPainter& painter)
{
    const CPoint scroll = GetScrollPosition();
    for (auto [tracker, visible] : {std::pair{&m_trackerEdit, IsTextBoxVisible()},
                                    std::pair{&m_trackerImage, IsPictureVisible()}}) {
        if (!visible)
            continue;
        tracker->m_ptOffset = -scroll;
        if (!tracker->IsTracking())
            tracker->m_rect = tracker->m_rectDoc - scroll;
        tracker->Draw(painter);
    }
}

// After a scroll the overlay is pushed back inside the page, frame and window together.
void CPavlixMakerView::RefreshOverlay(CTracker& tracker, QWidget* window)
{
    if (!window || window->isHidden())
        return;
    tracker.m_ptOffset = -GetScrollPosition();
    tracker.m_rect = tracker.m_rectDoc + tracker.m_ptOffset;
    CRect rect = tracker.m_rect;
    tracker.AdjustRect(CRectTracker::hitTopLeft, &rect);
}

CTracker* CPavlixMakerView::FrameAt(CPoint point)
{
    if (IsTextBoxVisible() && m_trackerEdit.HitTest(point) != CRectTracker::hitNothing)
        return &m_trackerEdit;
    if (IsPictureVisible() && m_trackerImage.HitTest(point) != CRectTracker::hitNothing)
        return &m_trackerImage;
    return nullptr;
}
