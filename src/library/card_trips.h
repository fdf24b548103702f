#pragma once

#include "library/trips.h"
#include "telemetry/clip_data.h"
#include "telemetry/timed_record.h"
#include "telemetry/trip_statistics.h"

#include <QList>
#include <QString>

#include <memory>
#include <ostream>
#include <string_view>
#include <vector>

namespace drovik {

// A folder's trips with their recordings' telemetry: what `drovik trips` prints and exports and
// what a window shows of them. The telemetry is read by the caller (on all cores, through the
// cache), one record per recording in the recordings' order; it also gives each recording its
// duration for the trip rule.
struct CardTrips {
    QString folder;
    QList<TripRecording> recordings;
    std::vector<TripClip> clips;
    std::vector<DrovikClipData> telemetry;
    // Another make's telemetry of a recording whose record is empty (by recording; null: none).
    std::vector<std::shared_ptr<const telemetry::TimedRecord>> timed;
    std::vector<Trip> trips;

    // A recording's path relative to the folder.
    QString relativePath(int recording) const;
    // The recordings the trip plays (not its extras), each placed on the trip's timeline.
    std::vector<telemetry::DriveClip> played(const Trip &trip) const;
    // From the first start to the last end by the camera's clock; the played telemetry's length
    // for a trip without a time.
    static double duration(const Trip &trip, const telemetry::DriveStatistics &stats);
};

// A listing shown by trips: the shown files in the order of the trips, each recording's clip then
// its partner, and where each trip's header row goes. Files of no trip keep their order at the end.
struct TripListing {
    QList<QUrl> clips;
    struct Header {
        int row = 0;  // the header goes above this row of clips
        int trip = 0; // index into CardTrips::trips
    };
    std::vector<Header> headers;
};
TripListing listByTrips(const CardTrips &card, const QList<QUrl> &shown);

// The track of the trip the tool exports and the Trips window saves: "gpx" (the default), "kml" or
// "csv", one segment per clip the trip plays, named by the clip's path relative to the folder.
void writeTripTrack(std::ostream &out, const CardTrips &card, int trip, std::string_view format);

// Groups the recordings, each taking its duration from its telemetry's samples where it has any.
CardTrips cardTrips(const QString &folder, QList<TripRecording> recordings, std::vector<DrovikClipData> telemetry,
                    double gapSeconds = kDefaultTripGapSeconds,
                    std::vector<std::shared_ptr<const telemetry::TimedRecord>> timed = {});

} // namespace drovik
