#include "clip_preparer.h"

#include "library/video_file_rules.h"
#include "playback/convert/clip_preparation.h"

#include <QFutureWatcher>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <memory>

namespace drovik {

ClipPreparer::ClipPreparer(Done done, QObject *parent)
    : QObject(parent)
    , m_done(std::move(done))
    , m_pool(new QThreadPool(this))
{
    m_pool->setMaxThreadCount(1);
}

ClipPreparer::~ClipPreparer()
{
    // Entries still waiting are dropped; a conversion under way finishes into the cache.
    m_pool->clear();
}

void ClipPreparer::prepare(const QUrl &entry)
{
    const quint64 generation = ++m_generation;
    if (m_prefetched && m_prefetched->entry == entry) {
        QMetaObject::invokeMethod(this, [this, generation, clip = std::exchange(m_prefetched, nullptr)] {
            if (generation == m_generation)
                m_done(*clip);
        }, Qt::QueuedConnection);
        return;
    }
    // A prefetch still waiting is dropped; one under way finishes into the conversion cache,
    // where this preparation, queued behind it, finds its work done.
    m_prefetched.reset();
    ++*m_prefetchGeneration;
    m_prefetching.clear();
    const auto handOriginals = [this, generation, entry](std::optional<QList<QUrl>> originals) {
        if (generation != m_generation || !originals)
            return;
        PreparedClip clip;
        clip.entry = entry;
        clip.files = std::move(originals);
        clip.conversionPending = true;
        m_done(clip);
    };
    if (std::optional<QList<QUrl>> originals = playableOriginals(entry, m_workingDirectory)) {
        QMetaObject::invokeMethod(this, [handOriginals, originals] { handOriginals(originals); }, Qt::QueuedConnection);
    } else if (lowerCasedExtension(entry.fileName()) == QLatin1String("avi")) {
        // Looked into on the worker, just ahead of its conversion there.
        auto *probe = new QFutureWatcher<std::optional<QList<QUrl>>>(this);
        connect(probe, &QFutureWatcherBase::finished, this, [probe, handOriginals] {
            probe->deleteLater();
            handOriginals(probe->result());
        });
        probe->setFuture(QtConcurrent::run(m_pool, [entry, folder = m_workingDirectory] {
            return playableAviOriginal(entry, folder);
        }));
    }
    auto *watcher = new QFutureWatcher<std::shared_ptr<PreparedClip>>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        if (generation == m_generation)
            m_done(*watcher->result());
    });
    watcher->setFuture(QtConcurrent::run(m_pool, [entry, folder = m_workingDirectory] {
        return std::make_shared<PreparedClip>(prepareClip(entry, folder));
    }));
}

QUrl ClipPreparer::prefetched() const
{
    return m_prefetched ? m_prefetched->entry : QUrl();
}

void ClipPreparer::prefetch(const QUrl &entry)
{
    if (entry.isEmpty() || entry == m_prefetching || prefetched() == entry)
        return;
    m_prefetched.reset();
    m_prefetching = entry;
    const quint64 generation = ++*m_prefetchGeneration;
    auto *watcher = new QFutureWatcher<std::shared_ptr<PreparedClip>>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        if (generation != *m_prefetchGeneration || !watcher->future().isResultReadyAt(0))
            return;
        m_prefetching.clear();
        m_prefetched = watcher->result();
    });
    watcher->setFuture(QtConcurrent::run(m_pool, [entry, folder = m_workingDirectory, generation,
                                                  current = m_prefetchGeneration] {
        if (generation != *current) // dropped while it waited
            return std::shared_ptr<PreparedClip>();
        return std::make_shared<PreparedClip>(prepareClip(entry, folder));
    }));
}

} // namespace drovik
