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

SaveAllReport SaveAllPages(const std::vector<const CImage*>& pages, const QString& folder)
{
    SaveAllReport report;
    const QDir dir(folder);
    for (int i = 0; i < int(pages.size()); ++i) {
        const QString name = PageFileName(i);
        if (const IoResult result = pages[i]->Save(dir.filePath(name), ImageFormat::Png); !result)
            report.failures << QStringLiteral("%1: %2").arg(name, result.reason);
    }
    return report;
}

QString SaveAllFailureMessage(const QString& folder, const SaveAllReport& report)
{
    return QStringLiteral("Some pages could not be saved in '%1':\n\n%2").arg(folder, report.failures.join('\n'));
}
