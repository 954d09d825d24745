// Exporting the current page and all pages. Files are written by m_pageWriter off the
// interface thread; what went wrong is told when the writer is done.
#include "canvas/view.h"

#include "export/save_all.h"
#include "export/save_page.h"
#include "export/save_progress.h"
#include "platform/dialogs.h"

namespace {

// Reports arrive on the interface thread, after the work has filled them in.
template <class Report, class Work>
std::unique_ptr<SaveJob> JobFilling(std::shared_ptr<Report> report, Work work)
{
    return std::make_unique<SaveJob>([report, work](SaveJob& job) { *report = work(job); });
}

}  // namespace

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
    // The copy shares the pixels; drawing on the page afterwards leaves it as it was.
    const CImage page = *m_hPageBitmap;
    auto result = std::make_shared<IoResult>();
    std::unique_ptr<SaveJob> job = JobFilling(result, [page, chosen = *path](SaveJob&) { return SavePageAs(page, chosen); });
    new SaveProgress(*job, this, false);
    connect(job.get(), &SaveJob::finished, this, [result, target = ResolveExportTarget(*path).path] {
        if (!*result)
            platform::ShowMessage(SaveFailureMessage(target, result->reason));
    });
    m_pageWriter.Start(std::move(job));
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
    std::vector<CImage> pages;
    for (int i = 0; i < m_arrPages.m_nCount; ++i)
        pages.push_back(*m_arrPages.GetAt(i));
    auto report = std::make_shared<SaveAllReport>();
    std::unique_ptr<SaveJob> job = JobFilling(report, [pages = std::move(pages), folder = *folder](SaveJob& job) {
        return SaveAllPages(pages, folder, [&job](int index, int total) { return job.BeginPage(index, total); });
    });
    new SaveProgress(*job, this, true);
    connect(job.get(), &SaveJob::finished, this, [report, folder = *folder] {
        if (const QString message = SaveAllMessage(folder, *report); !message.isEmpty())
            platform::ShowMessage(message);
    });
    m_pageWriter.Start(std::move(job));
}
