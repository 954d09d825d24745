#pragma once
// Writing every page into one folder as List1.png, List2.png, ...

#include "platform/image.h"

#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

// The folder part of a path chosen in the save dialog; none when it has no folder part.
std::optional<QString> FolderOfChosenPath(const QString& path);

// The file name of page index i (from 0).
QString PageFileName(int index);

struct SaveAllReport {
    QStringList written;   // file names, in page order
    QStringList failures;  // "List2.png: reason", one per page that was not written
    int pageCount = 0;
    std::optional<int> cancelledBefore;  // the page (from 0) the user stopped at, if stopped
};

// Called before page index (from 0) of total is written; false stops there.
using BeforePage = std::function<bool(int index, int total)>;

SaveAllReport SaveAllPages(const std::vector<CImage>& pages, const QString& folder,
                           const BeforePage& beforePage = {});

// What the user is told afterwards: the pages that failed and, when stopped, what was
// written; empty when every page was written.
QString SaveAllMessage(const QString& folder, const SaveAllReport& report);
