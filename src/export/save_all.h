#pragma once
// Writing every page into one folder as List1.png, List2.png, ...

#include "platform/image.h"

#include <QStringList>

#include <optional>
#include <vector>

// The folder part of a path chosen in the save dialog; none when it has no folder part.
std::optional<QString> FolderOfChosenPath(const QString& path);

// The file name of page index i (from 0).
QString PageFileName(int index);

struct SaveAllReport {
    QStringList failures;  // "List2.png: reason", one per page that was not written
};

SaveAllReport SaveAllPages(const std::vector<const CImage*>& pages, const QString& folder);

// One message naming every page that could not be written.
QString SaveAllFailureMessage(const QString& folder, const SaveAllReport& report);
