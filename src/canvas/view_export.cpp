// Exporting the current page.
#include "canvas/view.h"

#include "export/save_page.h"
#include "platform/dialogs.h"

void CPavlixMakerView::OnFileSaveAs()
{
    if (!m_hPageBitmap)
        return;
    const std::optional<QString> path = platform::FileDialog(
        {platform::FileDialogMode::Save,
         {{QStringLiteral("JPG Files (*.jpg)"), QStringLiteral("*.jpg")},
          {QStringLiteral("Gif Files (*.gif)"), QStringLiteral("*.gif")},
          {QStringLiteral("Bitmap Files (*.bmp)"), QStringLiteral("*.bmp")},
          {QStringLiteral("Png Files (*.png)"), QStringLiteral("*.png")}},
         {}});
    if (!path)
        return;
    if (const IoResult result = SavePageAs(*m_hPageBitmap, *path); !result)
        platform::ShowMessage(SaveFailureMessage(ResolveExportTarget(*path).path, result.reason));
}
