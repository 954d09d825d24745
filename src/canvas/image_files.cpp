#include "canvas/image_files.h"

#include "platform/dialogs.h"

std::optional<QString> AskForImageFile()
{
    return platform::FileDialog({platform::FileDialogMode::Open,
                                 {{QStringLiteral("Image Files (*.gif, *.png, *.bmp, *.jpg)"),
                                   QStringLiteral("*.gif;*.png;*.bmp;*.jpg")}},
                                 {}});
}

QString LoadFailureMessage(const QString& path, const QString& reason)
{
    QString text = QStringLiteral("Can't load '%1' image file!").arg(path);
    if (!reason.isEmpty())
        text += QStringLiteral("\n\n") + reason;
    return text;
}
