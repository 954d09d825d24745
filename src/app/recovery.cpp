#include "app/recovery.h"

#include "canvas/view.h"
#include "platform/dialogs.h"

#include <QDateTime>
#include <QDir>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const QString kManifest = QStringLiteral("pages.txt");

// Named by content, so a page that did not change is not written again.
QString PageFileName(const QImage& page)
{
    const size_t hash = qHashBits(page.constBits(), size_t(page.sizeInBytes()));
    return QStringLiteral("page-%1x%2-%3.png").arg(page.width()).arg(page.height()).arg(hash, 16, 16, QLatin1Char('0'));
}

qint64 NowMs()
{
    return QDateTime::currentMSecsSinceEpoch();
}

}  // namespace

QString SessionRecovery::DefaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recovery");
}

SessionRecovery::SessionRecovery(CPavlixMakerView* view, const QString& folder)
    : m_pView(view), m_folder(folder), m_lock(folder + QStringLiteral("/session.lock"))
{
    // A second running editor leaves the folder to the first one.
    m_lock.setStaleLockTime(0);
    m_bOwnsFolder = QDir().mkpath(folder) && m_lock.tryLock(0);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &SessionRecovery::OnTimer);
}

SessionRecovery::~SessionRecovery()
{
    WaitForWriter();
}

QStringList SessionRecovery::SavedPageFiles() const
{
    QFile manifest(QDir(m_folder).filePath(kManifest));
    if (!manifest.open(QIODevice::ReadOnly))
        return {};
    QStringList files;
    for (const QByteArray& line : manifest.readAll().split('\n'))
        if (!line.trimmed().isEmpty())
            files << QDir(m_folder).filePath(QString::fromUtf8(line.trimmed()));
    return files;
}

void SessionRecovery::OfferRestore()
{
    const QStringList files = m_bOwnsFolder ? SavedPageFiles() : QStringList();
    if (files.isEmpty())
        return;
    const platform::Answer answer = platform::MessageBox({QStringLiteral("Restore the pages of the last session?"),
                                                          QString::fromLatin1(platform::kAppTitle),
                                                          platform::Buttons::YesNo, platform::Icon::Information});
    if (answer == platform::Answer::Yes)
        for (const QString& file : files)
            m_pView->OpenBackground(file);
    else
        Discard();
}

void SessionRecovery::MarkChanged()
{
    if (!m_bOwnsFolder)
        return;
    m_bDirty = true;
    if (!m_timer.isActive())
        m_timer.start(int(std::clamp<qint64>(m_lastSaveMs + kIntervalMs - NowMs(), 0, kIntervalMs)));
}

void SessionRecovery::OnTimer()
{
    if (m_bDirty)
        SaveNow();
}

void SessionRecovery::SaveNow()
{
    if (!m_bOwnsFolder)
        return;
    WaitForWriter();
    // Copies of the pages share their pixels until the page is next drawn on.
    std::vector<QImage> pages;
    for (int i = 0; i < m_pView->PageCount(); ++i)
        pages.push_back(m_pView->m_arrPages.GetAt(i)->Image());
    m_bDirty = false;
    m_lastSaveMs = NowMs();
    m_writer = std::thread(&SessionRecovery::WritePages, m_folder, std::move(pages));
}

void SessionRecovery::WaitForWriter()
{
    if (m_writer.joinable())
        m_writer.join();
}

// Pages already written under their content name are kept; the manifest is
// replaced last, so it only ever lists complete files.
void SessionRecovery::WritePages(const QString& folder, const std::vector<QImage>& pages)
{
    QDir dir(folder);
    QStringList names;
    for (const QImage& page : pages) {
        const QString name = PageFileName(page);
        if (!dir.exists(name)) {
            QSaveFile file(dir.filePath(name));
            if (!file.open(QIODevice::WriteOnly) || !page.save(&file, "PNG", 80) || !file.commit())
                return;  // the previous complete autosave stays in place
        }
        names << name;
    }
    QSaveFile manifest(dir.filePath(kManifest));
    if (!manifest.open(QIODevice::WriteOnly) || manifest.write(names.join('\n').toUtf8()) < 0 || !manifest.commit())
        return;
    for (const QString& stale : dir.entryList({QStringLiteral("page-*.png")}, QDir::Files))
        if (!names.contains(stale))
            dir.remove(stale);
}

void SessionRecovery::Discard()
{
    m_timer.stop();
    WaitForWriter();
    if (!m_bOwnsFolder)
        return;
    QDir dir(m_folder);
    for (const QString& name : dir.entryList({QStringLiteral("page-*.png"), kManifest}, QDir::Files))
        dir.remove(name);
}
