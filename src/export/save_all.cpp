#include "export/save_all.h"

#include <QDir>

std::optional<QString> FolderOfChosenPath(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return std::nullopt;
    return slash == 0 ? QStringLiteral("/") : path.left(slash);
}

QString PageFileName(int index)
{
    return QStringLiteral("List%1.png").arg(index + 1);
}

SaveAllReport SaveAllPages(const std::vector<CImage>& pages, const QString& folder,
                           const BeforePage& beforePage)
{
    SaveAllReport report;
    report.pageCount = int(pages.size());
    const QDir dir(folder);
    for (int i = 0; i < report.pageCount; ++i) {
        if (beforePage && !beforePage(i, report.pageCount)) {
            report.cancelledBefore = i;
            break;
        }
        const QString name = PageFileName(i);
        if (const IoResult result = pages[i].Save(dir.filePath(name), ImageFormat::Png); result)
            report.written << name;
        else
            report.failures << QStringLiteral("%1: %2").arg(name, result.reason);
    }
    return report;
}

QString SaveAllMessage(const QString& folder, const SaveAllReport& report)
{
    QStringList parts;
    if (report.cancelledBefore) {
        const QString written = report.written.isEmpty()
                                    ? QStringLiteral("No page was written.")
                                    : QStringLiteral("Written in '%1': %2.").arg(folder, report.written.join(", "));
        parts << QStringLiteral("Saving was cancelled before page %1 of %2.\n%3")
                     .arg(*report.cancelledBefore + 1)
                     .arg(report.pageCount)
                     .arg(written);
    }
    if (!report.failures.isEmpty())
        parts << QStringLiteral("Some pages could not be saved in '%1':\n\n%2").arg(folder, report.failures.join('\n'));
    return parts.join(QStringLiteral("\n\n"));
}
