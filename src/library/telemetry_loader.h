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
#include "telemetry/timed_track.h"

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

    // Reads another make's track of a clip none of our readers knows (library/exiftool_reader.h),
    // through the cache when there is one; runs on the workers too.
    using TrackReader = std::function<telemetry::TimedTrack(const QString &path, TelemetryCache *cache)>;
    // cache may be null: then every clip is read.
    TelemetryLoader(Reader reader, std::shared_ptr<TelemetryCache> cache, QObject *parent = nullptr);
    ~TelemetryLoader() override;

    // Starts reading paths (cancelling the list before), at most one worker per processor core.
    void load(const QStringList &paths);
    void cancel();
    // Asked for each clip without telemetry of ours, after the reader; none by default.
    void setTrackReader(TrackReader reader) { m_trackReader = std::move(reader); }
    bool isLoading() const { return m_run != nullptr; }

signals:
    // The telemetry of paths[index] of the last load().
    void clipLoaded(int index, const drovik::ClipTelemetry &telemetry);
    // Another make's track of paths[index], just before its clipLoaded (whose telemetry is then
    // empty); only for a clip where the track reader found one.
    void trackLoaded(int index, const drovik::telemetry::TimedTrack &track);
    // Every clip of the last load() has been delivered.
    void finished();

private:
    struct Run;
    void deliver(const std::shared_ptr<Run> &run, int index, const ClipTelemetry &telemetry,
                 const telemetry::TimedTrack &track = {});
    static ClipTelemetry readThroughCache(const Reader &reader, TelemetryCache *cache, const QString &path);

    Reader m_reader;
    TrackReader m_trackReader;
    std::shared_ptr<TelemetryCache> m_cache;
    QThreadPool m_pool;
    std::shared_ptr<Run> m_run;
};

} // namespace drovik
