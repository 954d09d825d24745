#pragma once
// The progress window of a save. It stays hidden unless the save takes longer than
// half a second, so quick saves never flash a window; it never blocks the caller.

#include <QObject>
#include <QPointer>

class QProgressDialog;
class QWidget;
class SaveJob;

class SaveProgress : public QObject {
    Q_OBJECT

public:
    static constexpr int kShowAfterMs = 500;

    // Lives as long as the job. A job of several pages shows "page i of n" and a
    // Cancel button that stops it between pages.
    SaveProgress(SaveJob& job, QWidget* window, bool severalPages);
    ~SaveProgress() override;

private:
    void ShowPage(int index, int total);

    QPointer<QProgressDialog> m_dialog;
};
