// Adding, deleting and switching pages.
#include "canvas/view.h"

#include "app/mainframe.h"
#include "canvas/image_files.h"
#include "panel/workpanel.h"
#include "platform/dialogs.h"

#include <QImageReader>

namespace {

const QString kDeleteQuestion =
    QStringLiteral("Please confirm to Delete your Page with the button 'Yes', or click the button 'No'.");

int64_t PixelBytes(QSize size)
{
    return int64_t(size.width()) * size.height() * int64_t(sizeof(Pixel));
}

void RebuildPageList()
{
    if (CMainFrame* frame = AfxGetMainFrame())
        frame->m_wndWorkPanel->RebuildPageList();
}

}  // namespace

void CPavlixMakerView::OnFileNew()
{
    OnOpenBackground();
}

void CPavlixMakerView::OnOpenBackground()
{
    if (const std::optional<QString> path = AskForImageFile())
        OpenBackground(*path);
}

int64_t CPavlixMakerView::PagesBytes() const
{
    int64_t total = 0;
    for (int i = 0; i < m_arrPages.m_nCount; ++i)
        total += PixelBytes(m_arrPages.GetAt(i)->Image().size());
    return total;
}

bool CPavlixMakerView::OpenBackground(const QString& path)
{
    // Pages live in memory: refuse one that would not fit rather than be killed for it.
    // Sizes no image may have are left to the loader, which names them.
    const QSize size = QImageReader(path).size();
    const bool plausible = size.isValid() && size.width() <= CImage::kMaxSide && size.height() <= CImage::kMaxSide;
    if (plausible && PagesBytes() + PixelBytes(size) > m_nPageMemoryBudget) {
        platform::ShowMessage(LoadFailureMessage(
            path, QStringLiteral("There is not enough memory for another page of %1 x %2 pixels. "
                                 "Save and delete some pages first.")
                      .arg(size.width())
                      .arg(size.height())));
        return false;
    }
    // Load first: a file that cannot be read must leave the page set as it was.
    CImage loaded;
    if (const IoResult result = loaded.Load(path, CImage::Kind::Page); !result) {
        platform::ShowMessage(LoadFailureMessage(path, result.reason));
        return false;
    }
    const int count = m_arrPages.m_nCount;
    const bool append = count == 0 || m_nCurPage == count - 1;
    const int index = append ? count : m_nCurPage + 1;
    CImage* page = append ? m_arrPages.AddNew() : m_arrPages.InsertNewAt(index);
    *page = std::move(loaded);
    m_bPageLoaded = true;
    ShowPage(index);
    RebuildPageList();
    emit pagesChanged();
    return true;
}

void CPavlixMakerView::OnPageDelete()
{
    const platform::Answer answer = platform::MessageBox(
        {kDeleteQuestion, QStringLiteral("Delete Page"), platform::Buttons::YesNo, platform::Icon::Error});
    if (answer != platform::Answer::No)
        DeleteCurrentPage();
}

void CPavlixMakerView::DeleteCurrentPage()
{
    if (m_arrPages.m_nCount == 0 || m_nCurPage < 0)
        return;
    if (m_arrPages.m_nCount == 1) {
        m_arrPages.RemoveAll();
        m_hPageBitmap = nullptr;
        m_bPageLoaded = false;
        m_nCurPage = 0;
        m_sizePage = {};
        SetScrollSizes({});
        RedrawView();
        ClearUndoHistory();
    } else {
        m_arrPages.RemoveAt(m_nCurPage);
        ShowPage(std::max(0, m_nCurPage - 1));
    }
    RebuildPageList();
    emit pagesChanged();
}

void CPavlixMakerView::ShowPage(int nIndex)
{
    CImage* page = m_arrPages.GetAt(nIndex);
    if (!page)
        return;
    m_hPageBitmap = page;
    m_nCurPage = nIndex;
    m_sizePage = {page->GetWidth(), page->GetHeight()};
    SetScrollSizes({m_sizePage.cx, m_sizePage.cy + kPageTop});
    RedrawView();
    ClearUndoHistory();
}
