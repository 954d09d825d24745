#include "export/save_page.h"

#include <QFileInfo>

namespace {

// The part of the last name component from its last dot, or empty.
QString Extension(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot);
}

std::optional<ImageFormat> FormatForExtension(const QString& lowerExtension)
{
    if (lowerExtension == QLatin1String(".bmp")) return ImageFormat::Bmp;
    if (lowerExtension == QLatin1String(".gif")) return ImageFormat::Gif;
    if (lowerExtension == QLatin1String(".jpg")) return ImageFormat::Jpeg;
    if (lowerExtension == QLatin1String(".png")) return ImageFormat::Png;
    return std::nullopt;
}

}  // namespace

ExportTarget ResolveExportTarget(const QString& chosenPath)
{
    const QString extension = Extension(chosenPath).toLower();
    if (extension.isEmpty())
        return {chosenPath + QStringLiteral(".gif"), ImageFormat::Gif};
    return {chosenPath, FormatForExtension(extension)};
}

IoResult SavePageAs(const CImage& page, const QString& chosenPath)
{
    const ExportTarget target = ResolveExportTarget(chosenPath);
    if (!target.format)
        return IoResult::Failure(
            QStringLiteral("Pavlix Maker writes .jpg, .gif, .bmp and .png files only; nothing was written."));
    return page.Save(target.path, *target.format);
}

QString SaveFailureMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("Can't save '%1'.\n\n%2").arg(path, reason);
}
