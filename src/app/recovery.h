#pragma once
// Guards the pages against a crash: after changes they are written in the
// background to a recovery folder, at most every 30 seconds; the next start
// offers them back, and a normal exit removes them.

#include <QImage>
#include <QLockFile>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <thread>
#include <vector>

class CPavlixMakerView;

class SessionRecovery : public QObject {
    Q_OBJECT

public:
    static constexpr int kIntervalMs = 30000;

    SessionRecovery(CPavlixMakerView* view, const QString& folder);
    ~SessionRecovery() override;

    // <app data>/recovery
    static QString DefaultFolder();

    // Asks whether to restore what a session that did not end normally left,
    // and opens those pages or throws them away.
    void OfferRestore();
    // Something on the pages changed: an autosave follows within the interval.
    void MarkChanged();
    // Starts writing the pages as they stand now, off the interface thread.
    void SaveNow();
    void WaitForWriter();
    // A normal exit: nothing needs recovering.
    void Discard();

    bool IsActive() const { return m_bOwnsFolder; }
    QStringList SavedPageFiles() const;  // as listed by the last complete autosave

private:
    void OnTimer();
    static void WritePages(const QString& folder, const std::vector<QImage>& pages);

    CPavlixMakerView* m_pView;
    QString m_folder;
    QLockFile m_lock;
    bool m_bOwnsFolder = false;
    bool m_bDirty = false;
    QTimer m_timer;
    qint64 m_lastSaveMs = -kIntervalMs;
    std::thread m_writer;
};
