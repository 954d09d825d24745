#pragma once
// Choosing an image file to open, and telling the user when it cannot be read.

#include <QString>

#include <optional>

// Asks for a GIF, PNG, BMP or JPG file; nothing when the user cancels.
std::optional<QString> AskForImageFile();
// "Can't load '<path>' image file!", followed by the reason when there is one.
QString LoadFailureMessage(const QString& path, const QString& reason);
