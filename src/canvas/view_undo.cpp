// Undo and redo: every edit records its rectangle before and after.
#include "canvas/view.h"

void CPavlixMakerView::CaptureRecord(CItemList<sUndoElement>& list, const CRect& docRect)
{
    list.AddNew()->Capture(PageReadView(), docRect - m_rectPage.TopLeft());
}

void CPavlixMakerView::SaveUndo(CRect rc)
{
    while (m_nUndoPos < m_undoList.m_nCount)
        m_undoList.RemoveAt(m_nUndoPos);
    UpdatePageRect();
    CaptureRecord(m_undoList, rc);
    ++m_nUndoPos;
}

void CPavlixMakerView::SaveRedo(CRect rc)
{
    while (m_nUndoPos >= 1 && m_nUndoPos - 1 < m_redoList.m_nCount)
        m_redoList.RemoveAt(m_nUndoPos - 1);
    UpdatePageRect();
    CaptureRecord(m_redoList, rc);
    emit pagesChanged();
}

void CPavlixMakerView::ClearUndoHistory()
{
    m_redoList.RemoveAll();
    m_undoList.RemoveAll();
    m_nUndoPos = 0;
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
    if (--m_nUndoPos < 0) {
        m_nUndoPos = 0;
        return;
    }
    WriteBack(m_undoList.GetAt(m_nUndoPos));
}

void CPavlixMakerView::OnEditRedo()
{
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
