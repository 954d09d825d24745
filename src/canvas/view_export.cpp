// Exporting the current page.
#include "canvas/view.h"

#include "export/save_all.h"
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

void CPavlixMakerView::OnFileSaveAll()
{
    const std::optional<QString> path = platform::FileDialog(
        {platform::FileDialogMode::Save, {{QStringLiteral("All Files"), QStringLiteral("*.*")}},
         QStringLiteral("Select Directory")});
    if (!path)
        return;
    const std::optional<QString> folder = FolderOfChosenPath(*path);
    if (!folder) {
        platform::ShowMessage(QStringLiteral("Wrong Directory! Try again!"));
        return;
    }
    std::vector<const CImage*> pages;
    for (int i = 0; i < m_arrPages.m_nCount; ++i)
        pages.push_back(m_arrPages.GetAt(i));
    if (const SaveAllReport report = SaveAllPages(pages, *folder); !report.failures.isEmpty())
        platform::ShowMessage(SaveAllFailureMessage(*folder, report));
}
