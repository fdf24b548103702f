#include "clip_preparer.h"

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

} // namespace drovik
