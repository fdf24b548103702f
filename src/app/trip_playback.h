#pragma once

#include "telemetry/drive_track.h"

#include <QObject>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <vector>

namespace drovik {

class EventNavigation;
class FolderTrips;
class MapController;
class PlaybackController;
class SpeedChartView;
class TripTimelineView;

// The trip of the playing clip: which trip it is, where the clip lies on it, and the drive's
// track as its clips' telemetry is read. It gives the playing side the clip that plays next (the
// trip goes on into its next clip), shows the trip on the timeline strip and the map, turns a
// click on either (or on the speed chart) into a clip and a moment, and lets the event keys go on
// into the neighbouring clips. A clip of no trip, or no clip, shows nothing of a trip.
class TripPlayback : public QObject {
    Q_OBJECT
public:
    TripPlayback(FolderTrips &trips, PlaybackController &playback, EventNavigation &events,
                 TripTimelineView &timeline, MapController &map, QObject *parent = nullptr);

    // The trip shown (an index into the folder's trips), or -1.
    int trip() const { return m_trip; }
    // The playing clip's place among the clips the trip plays, or -1 (none, or a clip recorded
    // during another one).
    int currentClip() const { return m_currentClip; }
    std::shared_ptr<const telemetry::DriveTrack> track() const { return m_track; }
    // The playing position on the trip's timeline.
    double position() const { return m_offset + m_clipPosition; }
    // The clip the trip plays after `current`, or empty at its end or outside a trip.
    QUrl nextClip(const QUrl &current) const;
    // Opens the trip's clip at the moment (a click on the timeline, the chart or the route).
    void openMoment(int clip, double clipSeconds);

    // Binds a speed chart to the trip shown (the Trips window's).
    void bindChart(SpeedChartView &chart);

signals:
    void trackChanged(std::shared_ptr<const drovik::telemetry::DriveTrack> track, int currentClip);
    void positionChanged(double driveSeconds);

private:
    void follow(const QUrl &entry);
    // Lays the trip out again in an event of its own (several readings in a row make one), so
    // that no single turn of the event loop carries the whole of a long trip's work.
    void scheduleRebuild(bool newTrip);
    void rebuild(bool newTrip);
    bool goBeyond(bool forward);
    QUrl playedClip(int clip) const;

    FolderTrips &m_trips;
    PlaybackController &m_playback;
    EventNavigation &m_events;
    TripTimelineView &m_timeline;
    MapController &m_map;
    QUrl m_entry;
    int m_trip = -1;
    // The recordings the trip plays, in order.
    std::vector<int> m_played;
    int m_currentClip = -1;
    double m_offset = 0;
    double m_clipPosition = 0;
    std::shared_ptr<const telemetry::DriveTrack> m_track;
    QTimer m_rebuild;
    bool m_rebuildNewTrip = false;
    bool m_routeFit = false;
};

} // namespace drovik
