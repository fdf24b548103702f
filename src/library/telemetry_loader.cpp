#include "library/telemetry_loader.h"

#include <QThread>

#include <atomic>

namespace drovik {

struct TelemetryLoader::Run {
    std::atomic<bool> cancelled = false;
    int count = 0;
    int delivered = 0; // touched on the loader's thread only
};

TelemetryLoader::TelemetryLoader(Reader reader, std::shared_ptr<TelemetryCache> cache, QObject *parent)
    : QObject(parent), m_reader(std::move(reader)), m_cache(std::move(cache))
{
    m_pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
}

TelemetryLoader::~TelemetryLoader()
{
    cancel();
    // The workers still reading post to this object; QObject's destructor drops those events.
    m_pool.waitForDone();
}

void TelemetryLoader::load(const QStringList &paths)
{
    cancel();
    auto run = std::make_shared<Run>();
    run->count = int(paths.size());
    m_run = run;
    if (paths.isEmpty()) {
        QMetaObject::invokeMethod(this, [this, run] { deliver(run, -1, {}); }, Qt::QueuedConnection);
        return;
    }
    for (int index = 0; index < paths.size(); ++index) {
        m_pool.start([this, run, index, path = paths.at(index), reader = m_reader, trackReader = m_trackReader,
                      cache = m_cache] {
            if (run->cancelled)
                return;
            ClipTelemetry telemetry = readThroughCache(reader, cache.get(), path);
            telemetry::TimedTrack track;
            if (!telemetry && trackReader && !run->cancelled)
                track = trackReader(path, cache.get());
            if (run->cancelled)
                return;
            QMetaObject::invokeMethod(
                this,
                [this, run, index, telemetry = std::move(telemetry), track = std::move(track)] {
                    deliver(run, index, telemetry, track);
                },
                Qt::QueuedConnection);
        });
    }
}

void TelemetryLoader::cancel()
{
    if (!m_run)
        return;
    m_run->cancelled = true;
    m_run.reset();
    // Clips not started are not read at all; those being read finish unseen.
    m_pool.clear();
}

ClipTelemetry TelemetryLoader::readThroughCache(const Reader &reader, TelemetryCache *cache, const QString &path)
{
    const std::optional<ClipFileKey> key = cache ? ClipFileKey::of(path) : std::nullopt;
    if (key) {
        if (std::optional<ClipTelemetry> cached = cache->find(*key))
            return std::move(*cached);
    }
    ClipTelemetry telemetry = reader(path);
    if (key)
        cache->store(*key, telemetry);
    return telemetry;
}

void TelemetryLoader::deliver(const std::shared_ptr<Run> &run, int index, const ClipTelemetry &telemetry,
                              const telemetry::TimedTrack &track)
{
    if (run != m_run)
        return;
    if (index >= 0) {
        ++run->delivered;
        if (!track.empty())
            emit trackLoaded(index, track);
        if (run == m_run)
            emit clipLoaded(index, telemetry);
    }
    // A receiver may have cancelled or started another list meanwhile.
    if (run == m_run && run->delivered == run->count) {
        m_run.reset();
        emit finished();
    }
}

} // namespace drovik
