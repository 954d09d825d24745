// The picture tool: a second picture placed over the page and fixed with F2.
#include "canvas/view.h"

#include "app/mainframe.h"
#include "canvas/image_files.h"
#include "canvas/myedit.h"
#include "canvas/myimage.h"
#include "platform/dialogs.h"
#include "platform/qimage_view.h"

void CPavlixMakerView::OnToolImage()
{
    AfxGetMainFrame()->m_nToolMode = MODE_IMAGE;
    ChoosePicture();
    ShowPicture();
}

void CPavlixMakerView::OnUpdateToolImage(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_bPageLoaded);
}

void CPavlixMakerView::ChoosePicture()
{
    const std::optional<QString> path = AskForImageFile();
    if (!path)
        return;
    CImage loaded;
    if (const IoResult result = loaded.Load(*path, CImage::Kind::Picture); !result) {
        platform::ShowMessage(LoadFailureMessage(*path, result.reason));
        return;
    }
    m_imgPicture = std::move(loaded);
    m_bPictureLoaded = true;
}

void CPavlixMakerView::ShowPicture()
{
    if (!m_bPictureLoaded)
        return;
    m_wndEdit->hide();
    m_rectImage = {m_rectImage.TopLeft(), CSize(m_imgPicture.GetWidth(), m_imgPicture.GetHeight())};
    ShowOverlay(m_wndImage, m_trackerImage, m_rectImage);
}

void CPavlixMakerView::DiscardPicture()
{
    HideOverlay(m_wndImage);
}

// The picture is scaled and composed over the page off-screen, so its
// transparent parts leave the page as it was, also out of view.
void CPavlixMakerView::CommitPicture()
{
    if (!m_bPageLoaded)
        return;
    EditPage(m_rectImage, [this](const raster::PixelView& page, CPoint pageOrigin) {
        const QSize size = m_rectImage.Size().ToQSize();
        const QImage scaled = m_wndImage->Scaled(size, QRect(QPoint(0, 0), size));
        const raster::PixelView source = ReadOnlyPixelViewOf(scaled);
        raster::BlendOver(source, source.Bounds(), page, m_rectImage.TopLeft() - pageOrigin);
        m_wndImage->hide();
    });
}
