// The mouse on the canvas and the five drawing tools.
#include "canvas/view.h"

#include "app/mainframe.h"
#include "canvas/myedit.h"
#include "canvas/myimage.h"
#include "panel/workpanel.h"

#include <QMouseEvent>

namespace {

int PenWidth()
{
    const CMainFrame* frame = AfxGetMainFrame();
    return frame ? std::max(1, frame->m_nPenWidth) : 1;
}

int CurrentShape()
{
    const CMainFrame* frame = AfxGetMainFrame();
    return frame ? frame->m_nShape : SHAPE_NONE;
}

CRect BoundingBox(CPoint a, CPoint b)
{
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

}  // namespace

CPoint CPavlixMakerView::Snap(CPoint point) const
{
    const int w = PenWidth();
    return {w * (point.x / w), w * (point.y / w)};
}

void CPavlixMakerView::mousePressEvent(QMouseEvent* event)
{
    const CPoint point(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(event->modifiers(), point);
    else if (event->button() == Qt::RightButton)
        OnRButtonDown(point);
}

void CPavlixMakerView::mouseMoveEvent(QMouseEvent* event)
{
    OnMouseMove(event->buttons(), CPoint(event->position().toPoint()));
}

void CPavlixMakerView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        OnLButtonUp(CPoint(event->position().toPoint()));
}

void CPavlixMakerView::OnLButtonDown(Qt::KeyboardModifiers, CPoint point)
{
    // A press on a frame tracks it; whether it goes on to the shape is known at
    // the release. The keyboard stays where it was, so F2 still fixes the text box.
    if (CTracker* frame = FrameAt(point); frame && frame->BeginTrack(point)) {
        m_pTracking = frame;
        m_ptTrackPress = point;
        return;
    }
    setFocus();
    StartShape(point);
}

void CPavlixMakerView::StartShape(CPoint point)
{
    const CPoint snapped = Snap(point);
    switch (CurrentShape()) {
    case SHAPE_LINE: m_previewLine.bActive = true; m_previewLine.ptStart = snapped; break;
    case SHAPE_RECT: m_previewRect.bActive = true; m_previewRect.ptStart = snapped; break;
    case SHAPE_ELLIPSE: m_previewEllipse.bActive = true; m_previewEllipse.ptStart = snapped; break;
    case SHAPE_FILL: FloodFillAt(point); break;
    default: break;
    }
}

void CPavlixMakerView::OnMouseMove(Qt::MouseButtons nFlags, CPoint point)
{
    if (m_pTracking) {
        m_pTracking->TrackMove(point);
        return;
    }
    const CTracker* frame = FrameAt(point);
    const int hit = frame ? frame->HitTest(point) : CRectTracker::hitNothing;
    viewport()->setCursor(CursorForHit(hit));
    const CPoint doc = ClientToDoc(point);
    // The end point freezes past the page's right and bottom edges only.
    if (doc.x < m_rectPage.right && doc.y < m_rectPage.bottom) {
        for (ShapePreview* preview : {&m_previewLine, &m_previewRect, &m_previewEllipse}) {
            if (!preview->bActive)
                continue;
            preview->ptEnd = Snap(point);
            RedrawView();
        }
    }
    if (CurrentShape() == SHAPE_ERASER && (nFlags & Qt::LeftButton))
        EraseAt(point);
}

void CPavlixMakerView::OnLButtonUp(CPoint)
{
    if (m_pTracking) {
        const bool changed = std::exchange(m_pTracking, nullptr)->EndTrack();
        if (changed)
            RedrawView();
        else
            StartShape(m_ptTrackPress);
        return;
    }
    if (m_previewLine.bActive)
        CommitLine();
    if (m_previewRect.bActive)
        CommitRectangle();
    if (m_previewEllipse.bActive)
        CommitEllipse();
}

void CPavlixMakerView::OnRButtonDown(CPoint)
{
    for (ShapePreview* preview : {&m_previewLine, &m_previewRect, &m_previewEllipse}) {
        if (!preview->bActive)
            continue;
        preview->bActive = false;
        RedrawView();
    }
}

void CPavlixMakerView::EditPage(const CRect& docRect, const std::function<void(const raster::PixelView&, CPoint)>& draw)
{
    SaveUndo(docRect);
    draw(PagePixels(), m_rectPage.TopLeft());
    RedrawView();
    SaveRedo(docRect);
}

void CPavlixMakerView::FloodFillAt(CPoint point)
{
    const CPoint doc = ClientToDoc(point);
    EditPage(m_rectPage, [&](const raster::PixelView& page, CPoint pageOrigin) {
        raster::FloodFill(page, doc - pageOrigin, PixelFromColor(m_clrFill));
    });
}

void CPavlixMakerView::EraseAt(CPoint point)
{
    const CPoint doc = ClientToDoc(point);
    const CRect square(doc.x - 2, doc.y - 2, doc.x + 2, doc.y + 2);
    EditPage(square, [&](const raster::PixelView& page, CPoint pageOrigin) {
        raster::FillRect(page, square - pageOrigin, PixelFromColor(m_clrEraser));
    });
}

void CPavlixMakerView::CommitLine()
{
    m_previewLine.bActive = false;
    RedrawView();
    const CPoint scroll = GetScrollPosition();
    const CPoint a = m_previewLine.ptStart + scroll, b = m_previewLine.ptEnd + scroll;
    // The record takes in the last row and column too: a line may end on them,
    // and its undo must take the whole line away.
    const CRect box = BoundingBox(a, b);
    EditPage(CRect(box.left, box.top, box.right + 1, box.bottom + 1), [&](const raster::PixelView& page, CPoint pageOrigin) {
        raster::DrawLine(page, a - pageOrigin, b - pageOrigin, PixelFromColor(m_previewLine.clr));
    });
}

// Rectangles and ellipses use the normalised box, so the drag direction does not matter.
void CPavlixMakerView::CommitBoxShape(ShapePreview& preview, void (*draw)(const raster::PixelView&, CRect, Pixel))
{
    preview.bActive = false;
    RedrawView();
    const CRect box = BoundingBox(preview.ptStart, preview.ptEnd) + GetScrollPosition();
    EditPage(box, [&](const raster::PixelView& page, CPoint pageOrigin) {
        draw(page, box - pageOrigin, PixelFromColor(preview.clr));
    });
}

void CPavlixMakerView::CommitRectangle()
{
    CommitBoxShape(m_previewRect, [](const raster::PixelView& page, CRect r, Pixel c) { raster::FrameRect(page, r, c); });
}

void CPavlixMakerView::CommitEllipse()
{
    CommitBoxShape(m_previewEllipse, raster::DrawEllipse);
}

void CPavlixMakerView::OnToolDraw()
{
    CMainFrame* frame = AfxGetMainFrame();
    if (frame->m_nToolMode == MODE_DRAW) {
        frame->m_nToolMode = MODE_NONE;
        m_wndEdit->hide();
        RedrawView();
        frame->m_wndWorkPanel->UpdateControlSet();
        return;
    }
    frame->m_nToolMode = MODE_DRAW;
    frame->m_wndWorkPanel->UpdateControlSet();
    // Switching the drawing tool on discards an open text box or picture.
    m_wndEdit->hide();
    m_wndImage->hide();
    RedrawView();
}

void CPavlixMakerView::OnUpdateToolDraw(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(AfxGetMainFrame()->m_nToolMode == MODE_DRAW);
    pCmdUI->Enable(PageCount() != 0);
}
