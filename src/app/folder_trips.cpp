#include "folder_trips.h"

#include "i18n/drovik_languages.h"
#include "i18n/preferences.h"
#include "library/exiftool_reader.h"
#include "library/telemetry_cache.h"
#include "library/telemetry_loader.h"
#include "playback/convert/clip_preparation.h"

#include <QHash>

#include <algorithm>

namespace drovik {

namespace {

constexpr int kAnnounceMilliseconds = 250;

ClipTelemetry readTelemetry(const QString &path)
{
    DrovikClipData clip = readClipTelemetry(path);
    return clip.clipDataCount() > 0 ? ClipTelemetry(std::move(clip)) : ClipTelemetry();
}

} // namespace

FolderTrips::FolderTrips(std::shared_ptr<TelemetryCache> cache, QObject *parent)
    : QObject(parent)
    , m_cache(std::move(cache))
    , m_loader(std::make_unique<TelemetryLoader>(readTelemetry, m_cache))
{
    m_announce.setSingleShot(true);
    m_announce.setInterval(kAnnounceMilliseconds);
    connect(&m_announce, &QTimer::timeout, this, &FolderTrips::telemetryRead);
    // Another make's clips: their track through ExifTool, kept in the same cache.
    m_loader->setTrackReader([](const QString &path, TelemetryCache *cache) {
        return cache ? readForeignTelemetry(path, *cache) : readForeignTelemetry(path);
    });
    connect(m_loader.get(), &TelemetryLoader::trackLoaded, this, [this](int index, const telemetry::TimedTrack &track) {
        if (index >= 0 && std::size_t(index) < m_loading.size())
            m_card.timed[std::size_t(m_loading[std::size_t(index)])] = std::make_shared<const telemetry::TimedRecord>(track);
    });
    connect(m_loader.get(), &TelemetryLoader::clipLoaded, this, &FolderTrips::clipRead);
    connect(m_loader.get(), &TelemetryLoader::finished, this, [this] {
        m_loading.clear();
        m_announce.stop();
        // A new grouping shows everything anew: no announcement after it.
        if (m_durationsChanged)
            regroup();
        else
            emit telemetryRead();
    });
}

FolderTrips::~FolderTrips() = default;

void FolderTrips::setListing(const QString &folder, const QList<QUrl> &listing)
{
    QList<TripRecording> recordings = tripRecordings(listing);
    // What was read of a clip still listed stays; everything else goes.
    QHash<QUrl, int> before;
    for (int i = 0; i < m_card.recordings.size(); ++i)
        if (m_read[std::size_t(i)])
            before.insert(m_card.recordings[i].clip, i);
    std::vector<DrovikClipData> telemetry(std::size_t(recordings.size()));
    std::vector<std::shared_ptr<const telemetry::TimedRecord>> timed(std::size_t(recordings.size()));
    std::vector<bool> read(std::size_t(recordings.size()), false);
    m_readCount = 0;
    for (int i = 0; i < recordings.size(); ++i) {
        if (const auto it = before.constFind(recordings[i].clip); it != before.constEnd()) {
            telemetry[std::size_t(i)] = std::move(m_card.telemetry[std::size_t(*it)]);
            timed[std::size_t(i)] = m_card.timed[std::size_t(*it)];
            read[std::size_t(i)] = true;
            ++m_readCount;
        }
    }
    m_loader->cancel();
    m_loading.clear();
    m_card.folder = folder;
    m_card.recordings = std::move(recordings);
    m_card.telemetry = std::move(telemetry);
    m_card.timed = std::move(timed);
    m_read = std::move(read);
    m_wantedTrip = -1;
    m_wantAll = false;
    regroup();
}

void FolderTrips::setGapSeconds(double seconds)
{
    if (seconds == m_gapSeconds)
        return;
    m_gapSeconds = seconds;
    regroup();
}

void FolderTrips::regroup()
{
    m_durationsChanged = false;
    m_card = cardTrips(m_card.folder, std::move(m_card.recordings), std::move(m_card.telemetry), m_gapSeconds,
                       std::move(m_card.timed));
    m_tripOfRecording.assign(std::size_t(m_card.recordings.size()), -1);
    for (std::size_t t = 0; t < m_card.trips.size(); ++t)
        for (const TripMember &member : m_card.trips[t].members)
            m_tripOfRecording[std::size_t(member.clip)] = int(t);
    m_statistics.assign(m_card.trips.size(), std::nullopt);
    emit regrouped();
}

int FolderTrips::recordingOf(const QUrl &entry) const
{
    if (entry.isEmpty())
        return -1;
    for (int i = 0; i < m_card.recordings.size(); ++i)
        if (m_card.recordings[i].clip == entry || m_card.recordings[i].partner == entry)
            return i;
    return -1;
}

int FolderTrips::tripOf(const QUrl &entry) const
{
    const int recording = recordingOf(entry);
    return recording >= 0 ? m_tripOfRecording[std::size_t(recording)] : -1;
}

const telemetry::DriveStatistics &FolderTrips::statistics(int trip) const
{
    static const telemetry::DriveStatistics none;
    if (trip < 0 || std::size_t(trip) >= m_card.trips.size())
        return none;
    std::optional<telemetry::DriveStatistics> &figures = m_statistics[std::size_t(trip)];
    if (!figures)
        figures = telemetry::driveStatistics(m_card.played(m_card.trips[std::size_t(trip)]));
    return *figures;
}

bool FolderTrips::isRead(int recording) const
{
    return recording >= 0 && std::size_t(recording) < m_read.size() && m_read[std::size_t(recording)];
}

bool FolderTrips::isTripRead(int trip) const
{
    if (trip < 0 || std::size_t(trip) >= m_card.trips.size())
        return false;
    const auto &members = m_card.trips[std::size_t(trip)].members;
    return std::all_of(members.begin(), members.end(), [this](const TripMember &m) { return isRead(m.clip); });
}

void FolderTrips::read(int trip)
{
    if (trip == m_wantedTrip && !m_loading.empty())
        return;
    m_wantedTrip = trip;
    loadUnread();
}

void FolderTrips::readAll()
{
    if (m_wantAll && (!m_loading.empty() || isComplete()))
        return;
    m_wantAll = true;
    loadUnread();
}

void FolderTrips::loadUnread()
{
    std::vector<int> order;
    std::vector<bool> queued(m_read.size(), false);
    const auto add = [&](int recording) {
        if (!m_read[std::size_t(recording)] && !queued[std::size_t(recording)]) {
            queued[std::size_t(recording)] = true;
            order.push_back(recording);
        }
    };
    if (m_wantedTrip >= 0 && std::size_t(m_wantedTrip) < m_card.trips.size())
        for (const TripMember &member : m_card.trips[std::size_t(m_wantedTrip)].members)
            add(member.clip);
    if (m_wantAll)
        for (int i = 0; i < int(m_read.size()); ++i)
            add(i);
    if (order == m_loading)
        return;
    m_loading = order;
    if (order.empty()) {
        m_loader->cancel();
        return;
    }
    QStringList paths;
    for (int recording : order)
        paths << m_card.recordings[recording].clip.toLocalFile();
    m_loader->load(paths);
}

void FolderTrips::clipRead(int index, const ClipTelemetry &telemetry)
{
    if (index < 0 || std::size_t(index) >= m_loading.size())
        return;
    const auto recording = std::size_t(m_loading[std::size_t(index)]);
    if (recording >= m_read.size() || m_read[recording])
        return;
    m_read[recording] = true;
    ++m_readCount;
    if (const int trip = m_tripOfRecording[recording]; trip >= 0)
        m_statistics[std::size_t(trip)].reset();
    if (telemetry)
        m_card.telemetry[recording] = *telemetry;
    const auto &timed = m_card.timed[recording];
    const uint32_t samples = timed ? timed->clipDataCount() : telemetry ? telemetry->clipDataCount() : 0;
    if (samples > 0) {
        const double seconds = double(samples) / telemetry::kSamplesPerSecond;
        m_durationsChanged = m_durationsChanged || seconds != m_card.clips[recording].durationSeconds;
    }
    if (!m_announce.isActive())
        m_announce.start();
}

std::shared_ptr<const telemetry::DriveTrack> tripTrack(const FolderTrips &trips, int trip)
{
    const CardTrips &card = trips.card();
    if (trip < 0 || std::size_t(trip) >= card.trips.size())
        return nullptr;
    const Trip &t = card.trips[std::size_t(trip)];
    std::vector<telemetry::DriveClip> parts = card.played(t);
    const std::vector<int> played = playedClips(t);
    std::vector<double> durations;
    for (std::size_t part = 0; part < played.size() && part < parts.size(); ++part) {
        durations.push_back(card.clips[std::size_t(played[part])].durationSeconds);
        if (!trips.isRead(played[part]))
            parts[part].clip = nullptr;
    }
    return std::make_shared<const telemetry::DriveTrack>(telemetry::driveTrack(parts, durations));
}

QString tripClockText(const std::optional<int64_t> &ms)
{
    return ms ? cameraTimeText(*ms).mid(11, 5) : QStringLiteral("–");
}

QString tripDurationText(double seconds)
{
    const int s = int(seconds + 0.5);
    const auto two = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    return s >= 3600 ? QStringLiteral("%1:%2:%3").arg(s / 3600).arg(two(s / 60 % 60), two(s % 60))
                     : QStringLiteral("%1:%2").arg(s / 60).arg(two(s % 60));
}

QString tripDistanceText(double metres)
{
    const bool miles = Preferences::speedUnit() == Preferences::MilesPerHour;
    return QString::number(metres / 1000.0 / (miles ? telemetry::kKmPerMile : 1.0), 'f', 1)
           + (miles ? QStringLiteral(" mi") : QStringLiteral(" km"));
}

QString tripHeaderText(const FolderTrips &trips, int trip)
{
    const CardTrips &card = trips.card();
    if (trip < 0 || std::size_t(trip) >= card.trips.size())
        return {};
    const Trip &t = card.trips[std::size_t(trip)];
    const QString dot = QStringLiteral(" · ");
    const telemetry::DriveStatistics &stats = trips.statistics(trip);
    QString text = (t.startMs ? cameraTimeText(*t.startMs).left(10) : localized("No time")) + dot
                   + tripClockText(t.startMs) + QStringLiteral(" – ") + tripClockText(t.endMs) + dot
                   + tripDurationText(CardTrips::duration(t, stats));
    if (t.parking)
        return text + dot + localized("Parked");
    if (!trips.isTripRead(trip))
        return text + dot + QStringLiteral("…");
    return text + dot + tripDistanceText(stats.distanceM);
}

} // namespace drovik
