#pragma once

// Reads the telemetry of many clips (a drive of a hundred clips and more) off the thread that owns
// the loader, the cache first, and hands each clip over as soon as it is ready. Typical use:
//
//   TelemetryLoader loader(reader, cache);
//   connect(&loader, &TelemetryLoader::clipLoaded, route, &Route::addClip);   // any order
//   connect(&loader, &TelemetryLoader::finished, route, &Route::complete);
//   loader.load(paths);
//
// Signals arrive on the loader's thread (which runs an event loop). cancel() or a new load() drops
// what is not yet delivered: no signal of the old list follows. Destroying the loader cancels and
// waits for the clips being read at that moment.

#include "library/telemetry_cache.h"

#include <QObject>
#include <QStringList>
#include <QThreadPool>

#include <functional>
#include <memory>

namespace drovik {

class TelemetryLoader : public QObject {
    Q_OBJECT
public:
    // Reads one clip; runs on worker threads, several at a time.
    using Reader = std::function<ClipTelemetry(const QString &path)>;

    // cache may be null: then every clip is read.
    TelemetryLoader(Reader reader, std::shared_ptr<TelemetryCache> cache, QObject *parent = nullptr);
    ~TelemetryLoader() override;

    // Starts reading paths (cancelling the list before), at most one worker per processor core.
    void load(const QStringList &paths);
    void cancel();
    bool isLoading() const { return m_run != nullptr; }

signals:
    // The telemetry of paths[index] of the last load().
    void clipLoaded(int index, const drovik::ClipTelemetry &telemetry);
    // Every clip of the last load() has been delivered.
    void finished();

private:
    struct Run;
    void deliver(const std::shared_ptr<Run> &run, int index, const ClipTelemetry &telemetry);
    static ClipTelemetry readThroughCache(const Reader &reader, TelemetryCache *cache, const QString &path);

    Reader m_reader;
    std::shared_ptr<TelemetryCache> m_cache;
    QThreadPool m_pool;
    std::shared_ptr<Run> m_run;
};

} // namespace drovik
