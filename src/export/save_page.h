#pragma once
// Writing one page into an image file whose format follows the file name.

#include "platform/image.h"

#include <optional>

struct ExportTarget {
    QString path;                       // where the file goes; ".gif" added to a name without extension
    std::optional<ImageFormat> format;  // none for an extension we do not write
};

// The lower-cased extension of the last name component decides the format;
// the letters of the name are kept as typed.
ExportTarget ResolveExportTarget(const QString& chosenPath);

// Saves the page; on failure the reason names what went wrong. The written path is the
// resolved one, which may differ from the chosen one.
IoResult SavePageAs(const CImage& page, const QString& chosenPath);

// "Can't save '<path>'." followed by the reason, for a message box.
QString SaveFailureMessage(const QString& path, const QString& reason);
