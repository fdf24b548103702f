#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

#include <atomic>
#include <functional>
#include <memory>

class QThreadPool;

namespace drovik {

struct PreparedClip;

// Converts entries and loads their telemetry on a worker thread, so the window stays responsive
// however long ffmpeg takes on a slow card. One preparation at a time, in order: two conversions
// of one clip must never write the same cache file at once. Only the newest preparation's result
// is handed on; a newer entry or a cancel supersedes the one under way.
class ClipPreparer : public QObject {
    Q_OBJECT
public:
    using Done = std::function<void(PreparedClip &clip)>;

    ClipPreparer(Done done, QObject *parent = nullptr);
    ~ClipPreparer() override;

    // Where converted clips are cached.
    void setWorkingDirectory(const QString &path) { m_workingDirectory = path; }
    // The prepared clip is handed on: at once (queued) when it is the one prefetched. An entry
    // whose own files can play while it is converted (playableOriginals, playableAviOriginal)
    // is handed twice: at once with those files (an AVI once ffmpeg has looked into it), then
    // converted.
    void prepare(const QUrl &entry);
    void cancel() { ++m_generation; }
    // Prepares entry ahead (the clip that plays next), so that its conversion and telemetry are
    // ready when it is asked for. It waits behind a preparation under way, never ahead of one;
    // a prepare() of another entry drops a prefetch that has not started.
    void prefetch(const QUrl &entry);
    // The entry whose preparation is ready ahead, or empty.
    QUrl prefetched() const;

private:
    Done m_done;
    QString m_workingDirectory;
    QThreadPool *m_pool = nullptr;
    quint64 m_generation = 0;
    QUrl m_prefetching;
    // Shared with the worker, which may outlive a step of this object's destruction.
    std::shared_ptr<std::atomic<quint64>> m_prefetchGeneration = std::make_shared<std::atomic<quint64>>(0);
    std::shared_ptr<PreparedClip> m_prefetched;
};

} // namespace drovik
