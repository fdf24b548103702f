#include "library/trips.h"

#include "library/video_file_rules.h"

#include <QHash>
#include <QTimeZone>

#include <algorithm>
#include <cmath>

namespace drovik {

namespace {

int64_t milliseconds(double seconds)
{
    return std::isfinite(seconds) && seconds > 0 ? int64_t(std::llround(std::min(seconds, 1e12) * 1000.0)) : 0;
}

// Builds the trips of one chain (driving or parking entries, in time order).
class TripBuilder {
public:
    TripBuilder(std::span<const TripClip> clips, double gapSeconds, std::vector<Trip> &out)
        : m_clips(clips), m_gapMs(milliseconds(gapSeconds)), m_out(out)
    {
    }

    void add(int index)
    {
        const TripClip &clip = m_clips[std::size_t(index)];
        const int64_t start = *clip.startMs;
        const int64_t end = start + milliseconds(clip.durationSeconds);
        if (!m_open || start > m_tripEnd + m_gapMs) {
            finish();
            m_open = true;
            m_trip.startMs = start;
            m_trip.parking = clip.kind == TripClipKind::Parking;
            m_tripEnd = end;
            m_playedEnd = end;
            m_trip.members.push_back({index, false});
            return;
        }
        const bool extra = clip.kind != TripClipKind::Continuous
                           && start < m_playedEnd - milliseconds(kOverlapToleranceSeconds);
        m_trip.members.push_back({index, extra});
        if (!extra)
            m_playedEnd = std::max(m_playedEnd, end);
        m_tripEnd = std::max(m_tripEnd, end);
    }

    void finish()
    {
        if (!m_open)
            return;
        m_trip.endMs = m_tripEnd;
        m_out.push_back(std::move(m_trip));
        m_trip = Trip();
        m_open = false;
    }

private:
    std::span<const TripClip> m_clips;
    int64_t m_gapMs;
    std::vector<Trip> &m_out;
    Trip m_trip;
    bool m_open = false;
    int64_t m_tripEnd = 0;
    int64_t m_playedEnd = 0;
};

const QStringList &parkingFolderNames()
{
    static const QStringList names = {QStringLiteral("parking_rec"), QStringLiteral("motion_rec"),
                                      QStringLiteral("motion_timelapse_rec")};
    return names;
}

} // namespace

std::vector<Trip> groupTrips(std::span<const TripClip> clips, double gapSeconds)
{
    std::vector<int> timed;
    std::vector<int> untimed;
    for (int i = 0; i < int(clips.size()); ++i)
        (clips[std::size_t(i)].startMs ? timed : untimed).push_back(i);
    const auto before = [&](int a, int b) {
        const TripClip &x = clips[std::size_t(a)];
        const TripClip &y = clips[std::size_t(b)];
        if (*x.startMs != *y.startMs)
            return *x.startMs < *y.startMs;
        const bool xContinuous = x.kind == TripClipKind::Continuous;
        const bool yContinuous = y.kind == TripClipKind::Continuous;
        if (xContinuous != yContinuous)
            return xContinuous;
        return x.folderRank < y.folderRank;
    };
    std::stable_sort(timed.begin(), timed.end(), before);

    std::vector<Trip> trips;
    TripBuilder driving(clips, gapSeconds, trips);
    std::vector<Trip> parkingTrips;
    TripBuilder parking(clips, gapSeconds, parkingTrips);
    for (const int i : timed)
        (clips[std::size_t(i)].kind == TripClipKind::Parking ? parking : driving).add(i);
    driving.finish();
    parking.finish();

    const std::size_t drivingCount = trips.size();
    trips.insert(trips.end(), std::make_move_iterator(parkingTrips.begin()),
                 std::make_move_iterator(parkingTrips.end()));
    std::inplace_merge(trips.begin(), trips.begin() + std::ptrdiff_t(drivingCount), trips.end(),
                       [](const Trip &a, const Trip &b) { return *a.startMs < *b.startMs; });
    for (const int i : untimed) {
        Trip trip;
        trip.members.push_back({i, false});
        trip.parking = clips[std::size_t(i)].kind == TripClipKind::Parking;
        trips.push_back(std::move(trip));
    }
    return trips;
}

QList<TripRecording> tripRecordings(const QList<QUrl> &listing)
{
    QHash<QString, qsizetype> byText;
    byText.reserve(listing.size());
    QStringList texts;
    texts.reserve(listing.size());
    for (qsizetype i = 0; i < listing.size(); ++i) {
        texts.append(videoFileUrlText(listing[i]));
        byText.insert(texts.last(), i);
    }
    // A rear file goes with its front partner when the listing holds it.
    QList<qsizetype> frontOf(listing.size(), -1);
    QList<qsizetype> rearOf(listing.size(), -1);
    for (qsizetype i = 0; i < listing.size(); ++i) {
        if (cameraSide(listing[i]) != CameraSide::Rear)
            continue;
        const auto front = byText.constFind(partnerUrlText(texts[i]));
        if (front == byText.cend() || *front == i || rearOf[*front] != -1
            || !isMp4Partner(listing[*front], listing[i]))
            continue;
        frontOf[i] = *front;
        rearOf[*front] = i;
    }
    QList<TripRecording> recordings;
    recordings.reserve(listing.size());
    for (qsizetype i = 0; i < listing.size(); ++i) {
        if (frontOf[i] == -1)
            recordings.append({listing[i], rearOf[i] == -1 ? QUrl() : listing[rearOf[i]]});
    }
    return recordings;
}

TripClip tripClipOf(const QUrl &clip, std::optional<double> durationSeconds)
{
    TripClip entry;
    if (const auto start = clipStartFromFileName(clip.fileName()))
        entry.startMs = start->toMSecsSinceEpoch();
    entry.durationSeconds = durationSeconds.value_or(kUsualClipSeconds);
    // The folder is the nearest recording folder above the file.
    static const QStringList segments = [] {
        QStringList list;
        for (const QString &folder : recordingFolderNames())
            list.append(QLatin1Char('/') + folder + QLatin1Char('/'));
        return list;
    }();
    const QString path = clip.path();
    const QStringList &folders = recordingFolderNames();
    qsizetype nearest = -1;
    entry.folderRank = int(folders.size());
    for (int rank = 0; rank < folders.size(); ++rank) {
        const qsizetype at = path.lastIndexOf(segments[rank]);
        if (at > nearest) {
            nearest = at;
            entry.folderRank = rank;
        }
    }
    if (nearest >= 0) {
        const QString &folder = folders[entry.folderRank];
        if (folder == QLatin1String("cont_rec"))
            entry.kind = TripClipKind::Continuous;
        else if (parkingFolderNames().contains(folder))
            entry.kind = TripClipKind::Parking;
        return entry;
    }
    // Another make's card: the type its folder or name tells.
    switch (readForeignClip(path).type) {
    case ForeignRecordingType::Normal:
        entry.kind = TripClipKind::Continuous;
        break;
    case ForeignRecordingType::Parking:
        entry.kind = TripClipKind::Parking;
        break;
    default:
        break;
    }
    return entry;
}

ListedTrips groupListedTrips(const QList<QUrl> &listing, double gapSeconds,
                             const std::function<std::optional<double>(const TripRecording &)> &durationOf)
{
    ListedTrips result;
    result.recordings = tripRecordings(listing);
    std::vector<TripClip> clips;
    clips.reserve(std::size_t(result.recordings.size()));
    for (const TripRecording &recording : result.recordings)
        clips.push_back(tripClipOf(recording.clip, durationOf ? durationOf(recording) : std::nullopt));
    result.trips = groupTrips(clips, gapSeconds);
    return result;
}

QString cameraTimeText(int64_t ms)
{
    return QDateTime::fromMSecsSinceEpoch(ms, QTimeZone::utc()).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

std::vector<int> playedClips(const Trip &trip)
{
    std::vector<int> played;
    for (const TripMember &member : trip.members)
        if (!member.extra)
            played.push_back(member.clip);
    return played;
}

} // namespace drovik
