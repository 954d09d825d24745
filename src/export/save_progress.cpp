#include "export/save_progress.h"

#include "export/page_writer.h"

#include <QProgressDialog>

SaveProgress::SaveProgress(SaveJob& job, QWidget* window, bool severalPages) : QObject(&job)
{
    m_dialog = new QProgressDialog(QStringLiteral("Saving..."), QString(), 0, 0, window);
    m_dialog->setWindowTitle(QStringLiteral("PavlixMaker"));
    m_dialog->setWindowModality(Qt::NonModal);
    m_dialog->setMinimumDuration(kShowAfterMs);
    m_dialog->setAutoReset(false);
    if (severalPages) {
        m_dialog->setCancelButtonText(QStringLiteral("Cancel"));
        // Cancelling hides the window; the page being written is finished first.
        connect(m_dialog, &QProgressDialog::canceled, this, [&job] { job.Cancel(); });
        connect(&job, &SaveJob::pageStarting, this, &SaveProgress::ShowPage, Qt::QueuedConnection);
    }
}

SaveProgress::~SaveProgress()
{
    delete m_dialog;
}

void SaveProgress::ShowPage(int index, int total)
{
    if (m_dialog->wasCanceled()) return;
    m_dialog->setMaximum(total);
    m_dialog->setValue(index);
    m_dialog->setLabelText(QStringLiteral("Saving page %1 of %2...").arg(index + 1).arg(total));
}
