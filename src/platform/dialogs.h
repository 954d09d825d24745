#pragma once
// Modal questions, file dialogs, links and the beep. Each goes through a seam
// that tests replace, so nothing automated ever waits for a person.

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace platform {

enum class Buttons { Ok, YesNo };
enum class Icon { None, Information, Error };
enum class Answer { Ok, Yes, No, Cancel };

struct MessageBoxCall {
    QString text;
    QString caption;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
};

enum class FileDialogMode { Open, Save };

struct FileFilter {
    QString description;  // shown to the user as it stands
    QString pattern;      // "*.gif;*.png"
    bool operator==(const FileFilter&) const = default;
};

struct FileDialogCall {
    FileDialogMode mode = FileDialogMode::Open;
    QList<FileFilter> filters;  // the first is preselected
    QString initialName;        // prefilled file name, may be empty
};

// The application's title, used as the caption where none is given.
inline constexpr const char* kAppTitle = "PavlixMaker";

Answer MessageBox(const MessageBoxCall& call);
// Shows a message with an OK button and the application's title as caption.
void ShowMessage(const QString& text);
// The chosen full path, or nothing when the user cancels.
std::optional<QString> FileDialog(const FileDialogCall& call);
bool OpenUrl(const QString& url);
void Beep();

struct Seams {
    std::function<Answer(const MessageBoxCall&)> messageBox;
    std::function<std::optional<QString>(const FileDialogCall&)> fileDialog;
    std::function<bool(const QString&)> openUrl;
    std::function<void()> beep;
};

// Empty handlers mean the real dialogs; tests install their own and reset them afterwards.
Seams& TestSeams();

}  // namespace platform
