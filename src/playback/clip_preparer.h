#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

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
    void prepare(const QUrl &entry);
    void cancel() { ++m_generation; }

private:
    Done m_done;
    QString m_workingDirectory;
    QThreadPool *m_pool = nullptr;
    quint64 m_generation = 0;
};

} // namespace drovik
