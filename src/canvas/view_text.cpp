// The text tool: a floating box fixed into the page with F2.
#include "canvas/view.h"

#include "app/mainframe.h"
#include "canvas/myedit.h"
#include "canvas/myimage.h"
#include "platform/qimage_view.h"
#include "panel/workpanel.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

void CPavlixMakerView::OnToolText()
{
    CMainFrame* frame = AfxGetMainFrame();
    if (frame->m_nToolMode == MODE_TEXT) {
        frame->m_nToolMode = MODE_NONE;
        m_wndEdit->hide();
    } else {
        frame->m_nToolMode = MODE_TEXT;
        ShowTextBox();
        frame->m_wndWorkPanel->UpdateControlSet();
    }
    RedrawView();
}

void CPavlixMakerView::OnUpdateToolText(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(AfxGetMainFrame()->m_nToolMode == MODE_TEXT);
    pCmdUI->Enable(m_bPageLoaded);
}

void CPavlixMakerView::ShowTextBox()
{
    m_wndImage->hide();
    m_wndEdit->clear();
    m_wndEdit->m_clrBack = {0, 0, 0};
    m_wndEdit->UpdateColors();
    ShowOverlay(m_wndEdit, m_trackerEdit, m_rectEdit);
}

void CPavlixMakerView::DiscardTextBox()
{
    HideOverlay(m_wndEdit);
}

// The box is composed off-screen over the page pixels under it, so what lands
// on the page is what the box showed, also where it was scrolled out of view.
void CPavlixMakerView::CommitText()
{
    if (!m_bPageLoaded)
        return;
    EditPage(m_rectEdit, [this](const raster::PixelView& page, CPoint pageOrigin) {
        const CRect onPage = m_rectEdit - pageOrigin;
        QImage box(onPage.Size().ToQSize(), QImage::Format_RGB32);
        box.fill(Qt::black);
        raster::Blit(page, onPage, PixelViewOf(box), CPoint(0, 0));
        m_wndEdit->RenderContents(box);
        raster::BlitSkippingBlack(PixelViewOf(box), PixelViewOf(box).Bounds(), page, onPage.TopLeft());
        m_wndEdit->hide();
    });
    AfxGetMainFrame()->m_nToolMode = MODE_NONE;
}

void CPavlixMakerView::OnTextCut()
{
    if (IsTextBoxVisible())
        m_wndEdit->cut();
}

void CPavlixMakerView::OnTextCopy()
{
    if (IsTextBoxVisible())
        m_wndEdit->copy();
}

void CPavlixMakerView::OnTextPaste()
{
    if (IsTextBoxVisible())
        m_wndEdit->paste();
}

void CPavlixMakerView::OnUpdateTextCutCopy(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsTextBoxVisible() && m_wndEdit->textCursor().hasSelection());
}

void CPavlixMakerView::OnUpdateTextPaste(CCmdUI* pCmdUI)
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    pCmdUI->Enable(IsTextBoxVisible() && data && data->hasText());
}
