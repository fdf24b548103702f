#pragma once

#include "library/trips.h"
#include "telemetry/clip_data.h"
#include "telemetry/trip_statistics.h"

#include <QList>
#include <QString>

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
    std::vector<Trip> trips;

    // A recording's path relative to the folder.
    QString relativePath(int recording) const;
    // The recordings the trip plays (not its extras), each placed on the trip's timeline.
    std::vector<telemetry::DriveClip> played(const Trip &trip) const;
    // From the first start to the last end by the camera's clock; the played telemetry's length
    // for a trip without a time.
    static double duration(const Trip &trip, const telemetry::DriveStatistics &stats);
};

// Groups the recordings, each taking its duration from its telemetry's samples where it has any.
CardTrips cardTrips(const QString &folder, QList<TripRecording> recordings, std::vector<DrovikClipData> telemetry,
                    double gapSeconds = kDefaultTripGapSeconds);

} // namespace drovik
