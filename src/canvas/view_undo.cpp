// Undo and redo: every edit records its rectangle before and after.
#include "canvas/view.h"

#include "app/mainframe.h"

#include <QStatusBar>

namespace {

const QString kStepsDropped = QStringLiteral("Oldest undo steps dropped to stay within the memory budget.");

}  // namespace

// The pixels before the change are only set aside here; SaveRedo records the
// pair once it can see which pixels the step changed.
void CPavlixMakerView::SaveUndo(CRect rc)
{
    FinishPendingUndo();
    while (m_nUndoPos < m_undoList.m_nCount)
        m_undoList.RemoveAt(m_nUndoPos);
    UpdatePageRect();
    const raster::PixelView page = PageReadView();
    const CRect onPage = page.Bounds().Intersect(rc - m_rectPage.TopLeft());
    m_undoScratch.Keep(page.Part(onPage));
    m_undoList.AddNew()->Record({}, {}, rc - m_rectPage.TopLeft(), CRect());
    m_rectPendingUndo = onPage;
    ++m_nUndoPos;
}

void CPavlixMakerView::SaveRedo(CRect rc)
{
    while (m_nUndoPos >= 1 && m_nUndoPos - 1 < m_redoList.m_nCount)
        m_redoList.RemoveAt(m_nUndoPos - 1);
    UpdatePageRect();
    const raster::PixelView page = PageReadView();
    const CRect pageRect = rc - m_rectPage.TopLeft();
    const CRect onPage = page.Bounds().Intersect(pageRect);
    sUndoElement* redo = m_redoList.AddNew();
    sUndoElement* undo = m_undoList.GetAt(m_nUndoPos - 1);
    if (undo && m_rectPendingUndo == onPage && undo->Rect() == pageRect) {
        const RowReader before = m_undoScratch.Rows();
        const RowReader after = RowsOf(page.Part(onPage));
        undo->Record(before, after, pageRect, onPage);
        redo->Record(after, before, pageRect, onPage);
        m_rectPendingUndo.reset();
    } else {
        FinishPendingUndo();
        redo->Capture(page, pageRect);
    }
    KeepHistoryWithinBudget();
    emit pagesChanged();
}

// A SaveUndo whose SaveRedo never came keeps all its pixels.
void CPavlixMakerView::FinishPendingUndo()
{
    if (!m_rectPendingUndo)
        return;
    const CRect onPage = *std::exchange(m_rectPendingUndo, std::nullopt);
    if (sUndoElement* undo = m_undoList.GetAt(m_nUndoPos - 1))
        undo->Record(m_undoScratch.Rows(), {}, undo->Rect(), onPage);
}

int64_t CPavlixMakerView::HistoryBytes() const
{
    int64_t total = 0;
    for (const CItemList<sUndoElement>* list : {&m_undoList, &m_redoList})
        for (int i = 0; i < list->m_nCount; ++i)
            total += int64_t(list->GetAt(i)->StoredBytes());
    return total;
}

// Drops whole steps, oldest first, until the history fits; a single step larger
// than the budget is not kept either.
void CPavlixMakerView::KeepHistoryWithinBudget()
{
    int64_t total = HistoryBytes();
    if (total <= m_nHistoryBudget)
        return;
    while (total > m_nHistoryBudget && (m_undoList.m_nCount > 0 || m_redoList.m_nCount > 0)) {
        for (CItemList<sUndoElement>* list : {&m_undoList, &m_redoList}) {
            if (const sUndoElement* oldest = list->GetAt(0))
                total -= int64_t(oldest->StoredBytes());
            list->RemoveAt(0);
        }
        m_nUndoPos = std::max(0, m_nUndoPos - 1);
    }
    if (CMainFrame* frame = AfxGetMainFrame())
        frame->m_wndStatusBar->showMessage(kStepsDropped);
}

void CPavlixMakerView::ClearUndoHistory()
{
    m_rectPendingUndo.reset();
    m_redoList.RemoveAll();
    m_undoList.RemoveAll();
    m_nUndoPos = 0;
    if (!m_bPageLoaded)
        m_undoScratch.Release();
}

void CPavlixMakerView::WriteBack(const sUndoElement* record)
{
    if (record)
        record->WriteBack(PagePixels());
    RedrawView();
    emit pagesChanged();
}

void CPavlixMakerView::OnEditUndo()
{
    FinishPendingUndo();
    if (--m_nUndoPos < 0) {
        m_nUndoPos = 0;
        return;
    }
    WriteBack(m_undoList.GetAt(m_nUndoPos));
}

void CPavlixMakerView::OnEditRedo()
{
    FinishPendingUndo();
    if (m_nUndoPos >= m_redoList.m_nCount)
        return;
    WriteBack(m_redoList.GetAt(m_nUndoPos));
    ++m_nUndoPos;
}

void CPavlixMakerView::OnUpdateEditUndo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nUndoPos != 0);
}

void CPavlixMakerView::OnUpdateEditRedo(CCmdUI* pCmdUI)
{
    const int count = m_undoList.m_nCount;
    pCmdUI->Enable(count != 0 && count - m_nUndoPos > 0);
}
