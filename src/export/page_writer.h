#pragma once
// Saving off the interface thread. The work of a save gets copies of the pages (they
// share the pixels until the page is drawn on next), so the window stays responsive
// and the user may go on editing while the files are encoded.

#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class SaveJob : public QObject {
    Q_OBJECT

public:
    // Runs on the writer's thread; it may report pages through BeginPage.
    using Work = std::function<void(SaveJob& job)>;

    explicit SaveJob(Work work);

    // Asks the work to stop before its next page; safe from any thread.
    void Cancel() { m_cancelRequested = true; }
    // Called by the work before page index (from 0) of total: announces it and
    // tells whether to go on.
    bool BeginPage(int index, int total);

signals:
    // Emitted on the writer's thread; connect with a queued connection for widgets.
    void pageStarting(int index, int total);
    // Emitted once on the interface thread after the work is done.
    void finished();

private:
    friend class PageWriter;
    Work m_work;
    std::atomic<bool> m_cancelRequested{false};
};

class PageWriter : public QObject {
    Q_OBJECT

public:
    PageWriter();
    // Waits for the work still queued; results nobody can be told of any more are dropped.
    ~PageWriter() override;

    // Queues the job behind those already waiting: one thread, so a later save of
    // a file always lands last.
    void Start(std::unique_ptr<SaveJob> job);
    // Blocks until every queued job has run and its finished signal was handled.
    void WaitForAll();
    bool IsBusy() const { return !m_jobs.empty(); }

signals:
    // A job is about to be queued; its work has not begun.
    void starting(SaveJob* job);
    // The last queued job has finished.
    void idle();

private:
    void Finish(SaveJob* job);

    QThreadPool m_pool;
    std::vector<std::unique_ptr<SaveJob>> m_jobs;  // in the order they were started
};
