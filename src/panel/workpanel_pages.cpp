// The page list: thumbnails of the canvas's pages, switching pages and the Delete key.
#include "panel/workpanel.h"

#include "app/mainframe.h"
#include "canvas/view.h"
#include "panel/mylistctrl.h"
#include "platform/dialogs.h"
#include "platform/qimage_view.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace {

CPavlixMakerView* ActiveView()
{
    const CMainFrame* frame = AfxGetMainFrame();
    return frame ? frame->GetActiveView() : nullptr;
}

}  // namespace

void CWorkPanel::RebuildPageList()
{
    // Filling the list must not switch pages by itself.
    const QSignalBlocker blocker(m_listPages);
    m_listPages->clear();
    m_nPageItems = 0;
    CPavlixMakerView* view = ActiveView();
    for (int i = 0; view && i < view->PageCount(); ++i) {
        const QImage thumbnail = MakeThumbnail(*view->m_arrPages.GetAt(i));
        if (thumbnail.isNull()) {
            platform::ShowMessage(QStringLiteral("Error - Strange!"));
            break;
        }
        const QString label = QStringLiteral("Page %1").arg(m_nPageItems + 1);
        new QListWidgetItem(QPixmap::fromImage(thumbnail), label, m_listPages);
        ++m_nPageItems;
    }
    m_listPages->setCurrentRow(-1);
    if (m_nPageItems > 0)
        m_listPages->scrollToItem(m_listPages->item(m_nPageItems - 1));
}

// The page scaled to fit, centred along its shorter side, on the list's grey.
QImage CWorkPanel::MakeThumbnail(const CImage& page) const
{
    QImage thumbnail(m_nThumbWidth, m_nThumbHeight, QImage::Format_RGB32);
    if (thumbnail.isNull())
        return thumbnail;
    const raster::PixelView pixels = PixelViewOf(thumbnail);
    raster::FillRect(pixels, pixels.Bounds(), PixelFromColor(CMyListCtrl::kBackColor));
    const raster::PixelView source = ReadOnlyPixelViewOf(page.Image());
    raster::StretchNearest(source, source.Bounds(), pixels, ThumbnailPageRect(source.width, source.height));
    return thumbnail;
}

CRect CWorkPanel::ThumbnailPageRect(int pageWidth, int pageHeight) const
{
    if (pageWidth > pageHeight) {
        const int side = m_nThumbHeight;
        const int top = int((side - double(side) * pageHeight / pageWidth) * 0.5);
        return {0, top, m_nThumbWidth, side - top};
    }
    const int side = m_nThumbWidth;
    const int left = int((side - double(side) * pageWidth / pageHeight) * 0.5);
    return {left, 0, side - left, m_nThumbHeight};
}

void CWorkPanel::OnPageItemChanged(int nItem)
{
    m_nSelectedItem = nItem;
    CPavlixMakerView* view = ActiveView();
    if (view && nItem >= 0 && nItem < view->PageCount())
        view->ShowPage(nItem);
}

void CWorkPanel::WatchDeleteKey()
{
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

// Delete anywhere in the panel, even while typing a font name, asks to delete
// the current page; the key never reaches the control.
bool CWorkPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Delete)
        return QWidget::eventFilter(watched, event);
    if (CPavlixMakerView* view = ActiveView())
        view->OnPageDelete();
    return true;
}
