#include "library/telemetry_cache.h"

#include "platform/atomic_save.h"
#include "telemetry/clip_record_codec.h"
#include "telemetry/timed_track.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QStandardPaths>

#include <string_view>

// An entry file, all fields little-endian:
//
//   offset      size  field
//   0           8     magic "DrvkTlmC"
//   8           4     version (kVersion; raise it whenever the readers change what they produce)
//   12          8     the clip's size in bytes (signed)
//   20          8     the clip's modification time, milliseconds since 1970 UTC (signed)
//   28          4     p, the length of the clip's canonical path in UTF-8 (at most kMaxPathBytes)
//   32          p     the canonical path, UTF-8
//   32+p        1     1 when the clip holds telemetry, 0 when it holds none
//   33+p        4     r, the record's length (0 when the flag is 0)
//   37+p        r     the telemetry record (layout at telemetry/clip_record_codec.cpp)
//   37+p+r      4     FNV-1a (32-bit) of every byte before it
//
// The file ends there. Anything else (another magic or version, a length that runs past the end,
// a different key, a wrong sum) is not an entry and reads as a miss.
//
// Another make's track (read through ExifTool when none of our readers finds telemetry) is kept
// in an entry of its own beside the clip's, named alike with the suffix ".trk": the same fields
// with the magic "DrvkTlmT", the flag always 1 and the timed track (layout at
// telemetry/timed_track.cpp) as the record; an empty track says ExifTool found nothing.

namespace drovik {

namespace {

constexpr char kMagic[] = "DrvkTlmC";
constexpr char kTrackMagic[] = "DrvkTlmT";
constexpr quint32 kVersion = 1;
constexpr qint64 kMaxPathBytes = 16 * 1024;
// A three-minute track with a 100 Hz accelerometer takes under 1 MB.
constexpr qint64 kMaxEntryBytes = 8 << 20;
const QString kEntrySuffix = QStringLiteral(".tlm");
const QString kTrackEntrySuffix = QStringLiteral(".trk");

quint32 fnv1a(QByteArrayView bytes)
{
    quint32 hash = 2166136261u;
    for (const char c : bytes) {
        hash ^= quint8(c);
        hash *= 16777619u;
    }
    return hash;
}

void put(QByteArray &out, quint64 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char(quint8(value >> (8 * i))));
}

// Little-endian fields in order; a field that does not fit fails the cursor and reads as 0.
class Cursor {
public:
    explicit Cursor(QByteArrayView bytes) : m_bytes(bytes) {}
    bool ok() const { return m_ok; }
    qsizetype offset() const { return m_offset; }
    quint64 take(int bytes)
    {
        if (!fits(bytes))
            return 0;
        quint64 value = 0;
        for (int i = 0; i < bytes; ++i)
            value |= quint64(quint8(m_bytes[m_offset + i])) << (8 * i);
        m_offset += bytes;
        return value;
    }
    QByteArrayView view(qint64 bytes)
    {
        if (!fits(bytes))
            return {};
        const QByteArrayView out = m_bytes.sliced(m_offset, qsizetype(bytes));
        m_offset += qsizetype(bytes);
        return out;
    }

private:
    bool fits(qint64 bytes)
    {
        m_ok = m_ok && bytes >= 0 && bytes <= m_bytes.size() - m_offset;
        return m_ok;
    }

    QByteArrayView m_bytes;
    qsizetype m_offset = 0;
    bool m_ok = true;
};

} // namespace

std::optional<ClipFileKey> ClipFileKey::of(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (canonical.isEmpty() || !info.isFile())
        return std::nullopt;
    return ClipFileKey{canonical, info.size(), info.lastModified().toMSecsSinceEpoch()};
}

QString TelemetryCache::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/telemetry");
}

TelemetryCache::TelemetryCache(QString folder, qint64 boundBytes)
    : m_folder(std::move(folder)), m_boundBytes(boundBytes)
{
}

QString TelemetryCache::entryPath(const QString &canonicalPath) const
{
    const QByteArray name = QCryptographicHash::hash(canonicalPath.toUtf8(), QCryptographicHash::Sha1).toHex();
    return m_folder + QLatin1Char('/') + QString::fromLatin1(name) + kEntrySuffix;
}

QByteArray TelemetryCache::encodeEntry(const ClipFileKey &key, const ClipTelemetry &telemetry)
{
    const std::string record = telemetry ? telemetry::ClipRecordCodec::encode(*telemetry) : std::string();
    return encodeEntryFile(kMagic, key, telemetry ? 1 : 0, record);
}

std::optional<ClipTelemetry> TelemetryCache::decodeEntry(QByteArrayView bytes, const ClipFileKey &key)
{
    const std::optional<EntryPayload> entry = decodeEntryFile(kMagic, bytes, key);
    if (!entry)
        return std::nullopt;
    if (entry->flag == 0)
        return ClipTelemetry();
    auto clip = telemetry::ClipRecordCodec::decode(entry->record);
    if (!clip)
        return std::nullopt;
    return ClipTelemetry(std::move(clip));
}

QByteArray TelemetryCache::encodeTrackEntry(const ClipFileKey &key, const telemetry::TimedTrack &track)
{
    return encodeEntryFile(kTrackMagic, key, 1, telemetry::TimedTrackCodec::encode(track));
}

std::optional<telemetry::TimedTrack> TelemetryCache::decodeTrackEntry(QByteArrayView bytes, const ClipFileKey &key)
{
    const std::optional<EntryPayload> entry = decodeEntryFile(kTrackMagic, bytes, key);
    if (!entry || entry->flag != 1)
        return std::nullopt;
    return telemetry::TimedTrackCodec::decode(entry->record);
}

QByteArray TelemetryCache::encodeEntryFile(const char *magic, const ClipFileKey &key, int flag, std::string_view record)
{
    const QByteArray path = key.canonicalPath.toUtf8();
    QByteArray out;
    out.reserve(41 + path.size() + qsizetype(record.size()));
    out.append(magic, 8);
    put(out, kVersion, 4);
    put(out, quint64(key.size), 8);
    put(out, quint64(key.modifiedMs), 8);
    put(out, quint64(path.size()), 4);
    out.append(path);
    put(out, quint64(flag), 1);
    put(out, record.size(), 4);
    out.append(record.data(), qsizetype(record.size()));
    put(out, fnv1a(out), 4);
    return out;
}

std::optional<TelemetryCache::EntryPayload> TelemetryCache::decodeEntryFile(const char *magic, QByteArrayView bytes,
                                                                            const ClipFileKey &key)
{
    Cursor cursor(bytes);
    const bool magicMatches = cursor.view(8) == QByteArrayView(magic, 8);
    const quint64 version = cursor.take(4);
    const qint64 size = qint64(cursor.take(8));
    const qint64 modifiedMs = qint64(cursor.take(8));
    const quint64 pathBytes = cursor.take(4);
    const QByteArrayView path = cursor.view(pathBytes <= kMaxPathBytes ? qint64(pathBytes) : -1);
    const quint64 flag = cursor.take(1);
    const QByteArrayView record = cursor.view(qint64(cursor.take(4)));
    const qsizetype summed = cursor.offset();
    const quint64 sum = cursor.take(4);
    if (!cursor.ok() || !magicMatches || version != kVersion || cursor.offset() != bytes.size()
        || sum != fnv1a(bytes.first(summed)) || flag > 1 || (flag == 0 && !record.empty()))
        return std::nullopt;
    if (size != key.size || modifiedMs != key.modifiedMs || path != QByteArrayView(key.canonicalPath.toUtf8()))
        return std::nullopt;
    return EntryPayload{int(flag), std::string_view(record.data(), std::size_t(record.size()))};
}

QByteArray TelemetryCache::readEntryFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxEntryBytes)
        return {};
    return file.read(kMaxEntryBytes + 1);
}

// The entry's modification time is its last use, which eviction goes by.
void TelemetryCache::markUsed(const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        file.setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileModificationTime);
}

std::optional<ClipTelemetry> TelemetryCache::find(const ClipFileKey &key) const
{
    const QString path = entryPath(key.canonicalPath);
    auto found = decodeEntry(readEntryFile(path), key);
    if (found)
        markUsed(path);
    return found;
}

std::optional<telemetry::TimedTrack> TelemetryCache::findTrack(const ClipFileKey &key) const
{
    const QString path = entryPath(key.canonicalPath).chopped(kEntrySuffix.size()) + kTrackEntrySuffix;
    auto found = decodeTrackEntry(readEntryFile(path), key);
    if (found)
        markUsed(path);
    return found;
}

void TelemetryCache::store(const ClipFileKey &key, const ClipTelemetry &telemetry)
{
    writeEntryFile(entryPath(key.canonicalPath), encodeEntry(key, telemetry));
}

void TelemetryCache::storeTrack(const ClipFileKey &key, const telemetry::TimedTrack &track)
{
    writeEntryFile(entryPath(key.canonicalPath).chopped(kEntrySuffix.size()) + kTrackEntrySuffix,
                   encodeTrackEntry(key, track));
}

void TelemetryCache::writeEntryFile(const QString &path, const QByteArray &bytes)
{
    if (!QDir().mkpath(m_folder))
        return;
    const qint64 replacedBytes = QFileInfo(path).size();
    // Written whole or not at all: another run, or another thread of this one, may read the
    // entry at any moment, and a half-written one would only be thrown away.
    const auto failure = saveAtomically(path, [&](QIODevice &device) { return device.write(bytes) == bytes.size(); });
    if (!failure)
        evictOverBound(bytes.size() - replacedBytes);
}

void TelemetryCache::evictOverBound(qint64 addedBytes)
{
    QMutexLocker locker(&m_mutex);
    const QDir folder(m_folder);
    const QStringList filter{QLatin1Char('*') + kEntrySuffix, QLatin1Char('*') + kTrackEntrySuffix};
    if (m_knownBytes >= 0) {
        m_knownBytes += addedBytes;
        if (m_knownBytes <= m_boundBytes)
            return;
    }
    // Oldest use first. Other runs may have added entries since the last count: count again.
    const QFileInfoList entries = folder.entryInfoList(filter, QDir::Files, QDir::Time | QDir::Reversed);
    qint64 total = 0;
    for (const QFileInfo &entry : entries)
        total += entry.size();
    // Down to nine tenths of the bound, so that the next few stores do not each list the folder.
    const qint64 target = m_knownBytes < 0 && total <= m_boundBytes ? total : m_boundBytes / 10 * 9;
    for (const QFileInfo &entry : entries) {
        if (total <= target)
            break;
        if (QFile::remove(entry.absoluteFilePath()))
            total -= entry.size();
    }
    m_knownBytes = total;
}

} // namespace drovik
