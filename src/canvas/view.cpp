#include "canvas/view.h"

#include "app/resource.h"
#include "canvas/myedit.h"
#include "canvas/myimage.h"
#include "platform/memory.h"
#include "platform/qimage_view.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

CPavlixMakerView::CPavlixMakerView(QWidget* parent)
    : QAbstractScrollArea(parent),
      m_nPageMemoryBudget(PhysicalMemoryBytes() / 2),
      m_nHistoryBudget(PhysicalMemoryBytes() / 4)
{
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(true);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    OnInitialUpdate();
}

CPavlixMakerView::~CPavlixMakerView() = default;

bool CPavlixMakerView::OnCmdMsg(int id)
{
    switch (id) {
    case ID_FILE_NEW: OnFileNew(); return true;
    case ID_FILE_OPEN: OnOpenBackground(); return true;
    case ID_FILE_SAVE:
    case ID_FILE_SAVE_AS: OnFileSaveAs(); return true;
    case ID_FILE_SAVE_ALL: OnFileSaveAll(); return true;
    case ID_PAGE_DELETE: OnPageDelete(); return true;
    case ID_EDIT_UNDO:
    case ID_TOOLBAR_UNDO: OnEditUndo(); return true;
    case ID_EDIT_REDO: OnEditRedo(); return true;
    case ID_TOOL_DRAW: OnToolDraw(); return true;
    case ID_TOOL_TEXT: OnToolText(); return true;
    case ID_TOOL_IMAGE: OnToolImage(); return true;
    case ID_TEXT_CUT: OnTextCut(); return true;
    case ID_TEXT_COPY: OnTextCopy(); return true;
    case ID_TEXT_PASTE: OnTextPaste(); return true;
    default: return false;
    }
}

bool CPavlixMakerView::OnUpdateCmdUI(CCmdUI* pCmdUI)
{
    switch (pCmdUI->m_nID) {
    case ID_FILE_NEW:
    case ID_FILE_OPEN: pCmdUI->Enable(true); return true;
    case ID_FILE_SAVE:
    case ID_FILE_SAVE_ALL:
    case ID_PAGE_DELETE: pCmdUI->Enable(PageCount() != 0); return true;
    case ID_EDIT_UNDO:
    case ID_TOOLBAR_UNDO: OnUpdateEditUndo(pCmdUI); return true;
    case ID_EDIT_REDO: OnUpdateEditRedo(pCmdUI); return true;
    case ID_TOOL_DRAW: OnUpdateToolDraw(pCmdUI); return true;
    case ID_TOOL_TEXT: OnUpdateToolText(pCmdUI); return true;
    case ID_TOOL_IMAGE: OnUpdateToolImage(pCmdUI); return true;
    case ID_TEXT_CUT:
    case ID_TEXT_COPY: OnUpdateTextCutCopy(pCmdUI); return true;
    case ID_TEXT_PASTE: OnUpdateTextPaste(pCmdUI); return true;
    default: return false;
    }
}

CPoint CPavlixMakerView::GetScrollPosition() const
{
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

raster::PixelView CPavlixMakerView::PagePixels() const
{
    return m_bPageLoaded && m_hPageBitmap ? m_hPageBitmap->Pixels() : raster::PixelView{};
}

raster::PixelView CPavlixMakerView::PageReadView() const
{
    return m_bPageLoaded && m_hPageBitmap ? ReadOnlyPixelViewOf(m_hPageBitmap->Image()) : raster::PixelView{};
}

CRect CPavlixMakerView::ComputePageRect() const
{
    const int clientWidth = viewport()->width();
    const int x = clientWidth > m_sizePage.cx ? (clientWidth - m_sizePage.cx) / 2 : 0;
    return {CPoint(x, kPageTop), m_sizePage};
}

void CPavlixMakerView::UpdatePageRect()
{
    if (m_bPageLoaded)
        m_rectPage = ComputePageRect();
}

void CPavlixMakerView::RedrawView()
{
    UpdatePageRect();
    viewport()->repaint();
}

void CPavlixMakerView::SetScrollSizes(CSize total)
{
    m_sizeTotal = total;
    const QSize client = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, total.cx - client.width()));
    verticalScrollBar()->setRange(0, std::max(0, total.cy - client.height()));
    horizontalScrollBar()->setPageStep(client.width());
    verticalScrollBar()->setPageStep(client.height());
    horizontalScrollBar()->setSingleStep(std::max(1, client.width() / 10));
    verticalScrollBar()->setSingleStep(std::max(1, client.height() / 10));
    UpdatePageRect();
}

void CPavlixMakerView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    SetScrollSizes(m_sizeTotal);
}

void CPavlixMakerView::scrollContentsBy(int, int)
{
    RedrawView();
    RefreshOverlay(m_trackerEdit, m_wndEdit);
    RefreshOverlay(m_trackerImage, m_wndImage);
}

// Esc during a frame drag puts the frame back; the press then goes on to the shape.
bool CPavlixMakerView::CancelFrameDrag()
{
    if (!m_pTracking)
        return false;
    std::exchange(m_pTracking, nullptr)->CancelTrack();
    StartShape(m_ptTrackPress);
    RedrawView();
    return true;
}

void CPavlixMakerView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && CancelFrameDrag())
        return;
    if (IsPictureVisible() && event->key() == Qt::Key_Escape)
        return DiscardPicture();
    if (IsPictureVisible() && event->key() == Qt::Key_F2)
        return CommitPicture();
    QAbstractScrollArea::keyPressEvent(event);
}

void CPavlixMakerView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    if (!m_bPageLoaded) {
        painter.fillRect(event->rect(), palette().window());
        return;
    }
    UpdatePageRect();
    // Everything is composed in one buffer the size of the exposed area, so a
    // repaint costs what the window shows, whatever the page's size.
    const CRect exposed(event->rect());
    QImage frame(exposed.Size().ToQSize(), QImage::Format_RGB32);
    PaintBackground(frame, exposed);
    PaintPage(frame, exposed);
    PaintPreviews(frame, exposed);
    painter.drawImage(exposed.TopLeft().ToQPoint(), frame);
    PaintFrames(painter);
}

void CPavlixMakerView::PaintBackground(QImage& frame, const CRect& exposed) const
{
    frame.fill(QColor(GetRValue(kBandColor), GetGValue(kBandColor), GetBValue(kBandColor)));
    QPainter painter(&frame);
    painter.translate(-exposed.left, -exposed.top);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);  // 12 points at 96 dpi
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 200));
    const QPoint labelPos(viewport()->width() / 2 - 30, 10);
    painter.drawText(QRect(labelPos, QSize(400, 40)), Qt::AlignLeft | Qt::AlignTop,
                     QStringLiteral("PAGE %1").arg(m_nCurPage + 1));
}

void CPavlixMakerView::PaintPage(QImage& frame, const CRect& exposed) const
{
    const raster::PixelView page = PageReadView();
    const CRect pageOnClient = m_rectPage - GetScrollPosition();
    const CRect visible = pageOnClient.Intersect(exposed);
    const raster::PixelView target = PixelViewOf(frame);
    raster::Blit(page, visible - pageOnClient.TopLeft(), target, visible.TopLeft() - exposed.TopLeft());
}

void CPavlixMakerView::PaintPreviews(QImage& frame, const CRect& exposed) const
{
    const raster::PixelView target = PixelViewOf(frame);
    const CPoint origin = exposed.TopLeft();
    if (m_previewLine.bActive)
        raster::DrawLine(target, m_previewLine.ptStart - origin, m_previewLine.ptEnd - origin,
                         PixelFromColor(m_previewLine.clr));
    if (m_previewRect.bActive) {
        CRect r(m_previewRect.ptStart.x, m_previewRect.ptStart.y, m_previewRect.ptEnd.x, m_previewRect.ptEnd.y);
        r.NormalizeRect();
        raster::FrameRect(target, r - origin, PixelFromColor(m_previewRect.clr));
    }
    if (m_previewEllipse.bActive) {
        const CRect r(m_previewEllipse.ptStart.x, m_previewEllipse.ptStart.y, m_previewEllipse.ptEnd.x,
                      m_previewEllipse.ptEnd.y);
        raster::DrawEllipse(target, r - origin, PixelFromColor(m_previewEllipse.clr));
    }
}
