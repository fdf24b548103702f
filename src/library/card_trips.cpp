#include "card_trips.h"

#include "library/video_file_rules.h"
#include "telemetry/telemetry_export.h"

#include <QDir>
#include <QFile>
#include <QSet>

namespace drovik {

QString CardTrips::relativePath(int recording) const
{
    return QDir(folder).relativeFilePath(recordings[recording].clip.toLocalFile());
}

std::vector<telemetry::DriveClip> CardTrips::played(const Trip &trip) const
{
    std::vector<telemetry::DriveClip> parts;
    double offset = 0;
    for (const TripMember &member : trip.members) {
        if (member.extra)
            continue;
        const TripClip &clip = clips[std::size_t(member.clip)];
        if (clip.startMs && trip.startMs)
            offset = double(*clip.startMs - *trip.startMs) / 1000.0;
        const std::size_t recording = std::size_t(member.clip);
        parts.push_back({&telemetry[recording], offset, recording < timed.size() ? timed[recording].get() : nullptr});
        offset += clip.durationSeconds;
    }
    return parts;
}

double CardTrips::duration(const Trip &trip, const telemetry::DriveStatistics &stats)
{
    return trip.startMs && trip.endMs ? double(*trip.endMs - *trip.startMs) / 1000.0 : stats.durationS;
}

TripListing listByTrips(const CardTrips &card, const QList<QUrl> &shown)
{
    TripListing listing;
    QSet<QUrl> left(shown.begin(), shown.end());
    const auto take = [&](const QUrl &url) {
        if (!url.isEmpty() && left.remove(url))
            listing.clips.append(url);
    };
    for (std::size_t t = 0; t < card.trips.size(); ++t) {
        const int row = int(listing.clips.size());
        for (const TripMember &member : card.trips[t].members) {
            const TripRecording &recording = card.recordings[member.clip];
            take(recording.clip);
            take(recording.partner);
        }
        if (listing.clips.size() > row)
            listing.headers.push_back({row, int(t)});
    }
    for (const QUrl &url : shown)
        if (left.contains(url))
            listing.clips.append(url);
    return listing;
}

void writeTripTrack(std::ostream &out, const CardTrips &card, int index, std::string_view format)
{
    const Trip &trip = card.trips[std::size_t(index)];
    std::vector<telemetry::TrackSegment> segments;
    for (const TripMember &member : trip.members) {
        if (member.extra)
            continue;
        const DrovikClipData &clip = card.telemetry[std::size_t(member.clip)];
        const auto &timed = std::size_t(member.clip) < card.timed.size() ? card.timed[std::size_t(member.clip)] : nullptr;
        segments.push_back({&clip, QFile::encodeName(card.relativePath(member.clip)).toStdString(),
                            trackStartTime(card.recordings[member.clip].clip.fileName(), clip),
                            timed ? &timed->track() : nullptr});
    }
    const std::string name = trip.startMs || segments.empty() ? "Trip " + (trip.startMs ? cameraTimeText(*trip.startMs).toStdString() : std::string())
                                                              : segments.front().name;
    if (format == "csv")
        telemetry::writeTripCsv(out, segments);
    else if (format == "kml")
        telemetry::writeTripKml(out, segments, name);
    else
        telemetry::writeTripGpx(out, segments, name);
}

CardTrips cardTrips(const QString &folder, QList<TripRecording> recordings, std::vector<DrovikClipData> telemetry,
                    double gapSeconds, std::vector<std::shared_ptr<const telemetry::TimedRecord>> timed)
{
    CardTrips card;
    card.folder = folder;
    card.recordings = std::move(recordings);
    card.telemetry = std::move(telemetry);
    card.telemetry.resize(std::size_t(card.recordings.size()));
    card.timed = std::move(timed);
    card.timed.resize(std::size_t(card.recordings.size()));
    for (qsizetype i = 0; i < card.recordings.size(); ++i) {
        const auto &other = card.timed[std::size_t(i)];
        const uint32_t samples = other ? other->clipDataCount() : card.telemetry[std::size_t(i)].clipDataCount();
        card.clips.push_back(tripClipOf(card.recordings[i].clip,
                                        samples > 0 ? std::optional(samples / 10.0) : std::nullopt));
    }
    card.trips = groupTrips(card.clips, gapSeconds);
    return card;
}

} // namespace drovik
