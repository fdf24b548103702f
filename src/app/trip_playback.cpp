#include "trip_playback.h"

#include "app/folder_trips.h"
#include "display/map_controller.h"
#include "display/speed_chart_view.h"
#include "display/trip_timeline_view.h"
#include "playback/event_navigation.h"
#include "playback/playback_controller.h"

#include <algorithm>

namespace drovik {

TripPlayback::TripPlayback(FolderTrips &trips, PlaybackController &playback, EventNavigation &events,
                           TripTimelineView &timeline, MapController &map, QObject *parent)
    : QObject(parent)
    , m_trips(trips)
    , m_playback(playback)
    , m_events(events)
    , m_timeline(timeline)
    , m_map(map)
{
    connect(&playback, &PlaybackController::clipChanged, this, &TripPlayback::follow);
    connect(&playback, &PlaybackController::seekPositionChanged, this, [this](double seconds) {
        m_clipPosition = seconds;
        if (m_track) {
            m_timeline.setPosition(position());
            emit positionChanged(position());
        }
    });
    // Grouped anew (another gap, a changed folder, durations learnt): the same clip, perhaps
    // another trip.
    connect(&trips, &FolderTrips::regrouped, this, [this] { follow(m_entry); });
    connect(&trips, &FolderTrips::telemetryRead, this, [this] {
        if (m_trip >= 0)
            scheduleRebuild(false);
    });
    m_rebuild.setSingleShot(true);
    m_rebuild.setInterval(0);
    connect(&m_rebuild, &QTimer::timeout, this, [this] { rebuild(std::exchange(m_rebuildNewTrip, false)); });
    connect(&timeline, &TripTimelineView::momentClicked, this, &TripPlayback::openMoment);
    connect(&map, &MapController::tripPointClicked, this, &TripPlayback::openMoment);
    m_playback.setNextClip([this](const QUrl &current) { return nextClip(current); });
    m_events.setBeyond([this](bool forward, double) { return goBeyond(forward); });
}

void TripPlayback::bindChart(SpeedChartView &chart)
{
    connect(this, &TripPlayback::trackChanged, &chart, &SpeedChartView::setTrack);
    connect(this, &TripPlayback::positionChanged, &chart, &SpeedChartView::setPosition);
    connect(&chart, &SpeedChartView::momentClicked, this, &TripPlayback::openMoment);
    if (m_track)
        chart.setTrack(m_track, m_currentClip);
    else
        chart.clear();
    chart.setPosition(position());
}

void TripPlayback::follow(const QUrl &entry)
{
    const int trip = m_trips.tripOf(entry);
    std::vector<int> played;
    int current = -1;
    double offset = 0;
    if (trip >= 0) {
        const CardTrips &card = m_trips.card();
        const Trip &t = card.trips[std::size_t(trip)];
        const int recording = m_trips.recordingOf(entry);
        played = playedClips(t);
        if (const auto at = std::find(played.begin(), played.end(), recording); at != played.end())
            current = int(at - played.begin());
        // A clip recorded during another one lies on the timeline at its own start.
        const TripClip &clip = card.clips[std::size_t(recording)];
        if (current < 0 && clip.startMs && t.startMs)
            offset = double(*clip.startMs - *t.startMs) / 1000.0;
    }
    // The same drive as before (the same clips in the same order): only the current clip moves.
    const bool newTrip = played != m_played;
    m_entry = entry;
    m_trip = trip;
    m_played = std::move(played);
    m_currentClip = current;
    m_clipPosition = 0;
    if (trip < 0) {
        m_rebuild.stop();
        m_offset = 0;
        m_track.reset();
        m_timeline.clear();
        m_map.clearTripRoute();
        m_events.setEventsBeyond(false);
        emit trackChanged(nullptr, -1);
        return;
    }
    m_trips.read(trip);
    m_offset = offset;
    scheduleRebuild(newTrip);
}

void TripPlayback::scheduleRebuild(bool newTrip)
{
    m_rebuildNewTrip = m_rebuildNewTrip || newTrip;
    m_rebuild.start();
}

void TripPlayback::rebuild(bool newTrip)
{
    const CardTrips &card = m_trips.card();
    if (m_trip < 0 || std::size_t(m_trip) >= card.trips.size())
        return;
    std::shared_ptr<const telemetry::DriveTrack> track = tripTrack(m_trips, m_trip);
    if (m_currentClip >= 0 && std::size_t(m_currentClip) < track->clips.size())
        m_offset = track->clips[std::size_t(m_currentClip)].offsetSeconds;
    m_track = track;
    m_timeline.setTrack(m_track, m_currentClip);
    m_timeline.setPosition(position());
    // The route's script is the larger part of the work: it goes in an event of its own.
    m_routeFit = m_routeFit || newTrip;
    QTimer::singleShot(0, this, [this, track = m_track] {
        if (track == m_track)
            m_map.showTripRoute(track, std::exchange(m_routeFit, false));
    });
    const bool otherClipsHaveEvents = std::any_of(track->events.begin(), track->events.end(),
                                                  [this](const auto &e) { return e.clip != m_currentClip; });
    m_events.setEventsBeyond(otherClipsHaveEvents);
    emit trackChanged(m_track, m_currentClip);
    emit positionChanged(position());
}

QUrl TripPlayback::playedClip(int clip) const
{
    if (clip < 0 || std::size_t(clip) >= m_played.size())
        return {};
    return m_trips.card().recordings[m_played[std::size_t(clip)]].clip;
}

QUrl TripPlayback::nextClip(const QUrl &current) const
{
    if (current != m_entry || m_currentClip < 0)
        return {};
    return playedClip(m_currentClip + 1);
}

void TripPlayback::openMoment(int clip, double clipSeconds)
{
    const QUrl url = playedClip(clip);
    if (!url.isEmpty())
        m_playback.openClipAt(url, std::max(0.0, clipSeconds));
}

bool TripPlayback::goBeyond(bool forward)
{
    if (!m_track)
        return false;
    const auto &events = m_track->events;
    const double now = position();
    const auto beyond = [&](const telemetry::DriveTrack::Event &e) {
        return e.clip != m_currentClip && (forward ? e.seconds > now : e.seconds < now);
    };
    const telemetry::DriveTrack::Event *to = nullptr;
    if (forward) {
        const auto it = std::find_if(events.begin(), events.end(), beyond);
        to = it == events.end() ? nullptr : &*it;
    } else {
        const auto it = std::find_if(events.rbegin(), events.rend(), beyond);
        to = it == events.rend() ? nullptr : &*it;
    }
    if (!to)
        return false;
    openMoment(to->clip, std::max(0.0, to->clipSeconds - telemetry::kEventLeadInSeconds));
    return true;
}

} // namespace drovik
