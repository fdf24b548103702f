#pragma once

// Clips' telemetry kept between runs, so that a second look at a card reads no clip again: one
// file per clip in the user's cache folder, found by the clip's canonical path and trusted only
// while the clip keeps the size and modification time it had when it was read. The folder is
// bounded in size; the entries used longest ago go first. Safe to use from several threads.

#include "telemetry/clip_data.h"
#include "telemetry/timed_track.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QMutex>
#include <QString>

#include <optional>
#include <string_view>

namespace drovik {

// A clip's telemetry as the viewer reads it: nothing when the clip holds none.
using ClipTelemetry = std::optional<DrovikClipData>;

// What identifies a clip's bytes: a camera never rewrites a closed clip, and a copy, an edit or a
// new recording under the same name changes the size or the modification time.
struct ClipFileKey {
    QString canonicalPath;
    qint64 size = 0;
    qint64 modifiedMs = 0; // milliseconds since 1970 UTC

    // The key of the file at path now; nothing when there is no such file.
    static std::optional<ClipFileKey> of(const QString &path);
    bool operator==(const ClipFileKey &) const = default;
};

class TelemetryCache {
public:
    static constexpr qint64 kDefaultBoundBytes = qint64(64) << 20;

    // The "telemetry" folder in the user's cache folder.
    static QString defaultFolder();

    explicit TelemetryCache(QString folder = defaultFolder(), qint64 boundBytes = kDefaultBoundBytes);

    // What was stored for the clip with this key; nothing when no entry matches it (none, another
    // key, or a damaged or foreign file, which is then left for store to replace). A match counts
    // as a use of the entry (its modification time, which eviction goes by).
    std::optional<ClipTelemetry> find(const ClipFileKey &key) const;
    // Keeps telemetry for key, replacing any entry of the same path, then evicts down to the bound.
    // A failed write only loses the entry.
    void store(const ClipFileKey &key, const ClipTelemetry &telemetry);

    // The same for another make's track (read through ExifTool when our readers find nothing), kept
    // in an entry of its own beside the clip's; an empty track is ExifTool having found nothing.
    std::optional<telemetry::TimedTrack> findTrack(const ClipFileKey &key) const;
    void storeTrack(const ClipFileKey &key, const telemetry::TimedTrack &track);

    QString folder() const { return m_folder; }
    // Where the entry of the clip at canonicalPath lives.
    QString entryPath(const QString &canonicalPath) const;

    // An entry file's bytes and their reader (layout at telemetry_cache.cpp).
    static QByteArray encodeEntry(const ClipFileKey &key, const ClipTelemetry &telemetry);
    static std::optional<ClipTelemetry> decodeEntry(QByteArrayView bytes, const ClipFileKey &key);
    static QByteArray encodeTrackEntry(const ClipFileKey &key, const telemetry::TimedTrack &track);
    static std::optional<telemetry::TimedTrack> decodeTrackEntry(QByteArrayView bytes, const ClipFileKey &key);

private:
    struct EntryPayload {
        int flag = 0;
        std::string_view record; // within the decoded bytes
    };
    static QByteArray encodeEntryFile(const char *magic, const ClipFileKey &key, int flag, std::string_view record);
    static std::optional<EntryPayload> decodeEntryFile(const char *magic, QByteArrayView bytes, const ClipFileKey &key);
    static QByteArray readEntryFile(const QString &path);
    static void markUsed(const QString &path);
    void writeEntryFile(const QString &path, const QByteArray &bytes);
    void evictOverBound(qint64 addedBytes);

    QString m_folder;
    qint64 m_boundBytes;
    QMutex m_mutex;
    qint64 m_knownBytes = -1; // the folder's entries' total, counted at the first store
};

} // namespace drovik
