#include "export/page_writer.h"

#include <algorithm>

SaveJob::SaveJob(Work work) : m_work(std::move(work)) {}

bool SaveJob::BeginPage(int index, int total)
{
    emit pageStarting(index, total);
    return !m_cancelRequested;
}

PageWriter::PageWriter()
{
    m_pool.setMaxThreadCount(1);
}

PageWriter::~PageWriter()
{
    m_pool.waitForDone();
}

void PageWriter::Start(std::unique_ptr<SaveJob> job)
{
    SaveJob* started = job.get();
    emit starting(started);
    m_jobs.push_back(std::move(job));
    m_pool.start([this, started] {
        started->m_work(*started);
        // Posted to the job itself: when WaitForAll has finished it first, deleting
        // the job drops this call.
        QMetaObject::invokeMethod(started, [this, started] { Finish(started); }, Qt::QueuedConnection);
    });
}

void PageWriter::WaitForAll()
{
    m_pool.waitForDone();
    while (!m_jobs.empty()) Finish(m_jobs.front().get());
}

void PageWriter::Finish(SaveJob* job)
{
    const auto found = std::find_if(m_jobs.begin(), m_jobs.end(), [job](const auto& held) { return held.get() == job; });
    if (found == m_jobs.end()) return;
    std::unique_ptr<SaveJob> done = std::move(*found);
    m_jobs.erase(found);
    emit done->finished();
    if (m_jobs.empty()) emit idle();
}
