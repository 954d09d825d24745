#include "platform/dialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace platform {

Seams& TestSeams()
{
    static Seams seams;
    return seams;
}

namespace {

QMessageBox::Icon ToQtIcon(Icon icon)
{
    switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Error: return QMessageBox::Critical;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

Answer RunMessageBox(const MessageBoxCall& call)
{
    QMessageBox box(ToQtIcon(call.icon), call.caption, call.text,
                    call.buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    default: return Answer::Cancel;
    }
}

// Qt reads the patterns from the last parentheses, separated by spaces.
QStringList QtNameFilters(const QList<FileFilter>& filters)
{
    QStringList result;
    for (const FileFilter& filter : filters)
        result << QStringLiteral("%1 (%2)").arg(filter.description, QString(filter.pattern).replace(';', ' '));
    return result;
}

std::optional<QString> RunFileDialog(const FileDialogCall& call)
{
    QFileDialog dialog;
    dialog.setAcceptMode(call.mode == FileDialogMode::Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(call.mode == FileDialogMode::Open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(QtNameFilters(call.filters));
    if (!call.initialName.isEmpty())
        dialog.selectFile(call.initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front();
}

}  // namespace

Answer MessageBox(const MessageBoxCall& call)
{
    if (TestSeams().messageBox)
        return TestSeams().messageBox(call);
    return RunMessageBox(call);
}

void ShowMessage(const QString& text)
{
    MessageBox({text, QString::fromLatin1(kAppTitle), Buttons::Ok, Icon::None});
}

std::optional<QString> FileDialog(const FileDialogCall& call)
{
    if (TestSeams().fileDialog)
        return TestSeams().fileDialog(call);
    return RunFileDialog(call);
}

bool OpenUrl(const QString& url)
{
    if (TestSeams().openUrl)
        return TestSeams().openUrl(url);
    return QDesktopServices::openUrl(QUrl(url));
}

void Beep()
{
    if (TestSeams().beep)
        return TestSeams().beep();
    QApplication::beep();
}

}  // namespace platform
