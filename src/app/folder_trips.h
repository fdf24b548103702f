#pragma once

#include "library/card_trips.h"
#include "library/telemetry_cache.h"
#include "telemetry/drive_track.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <optional>
#include <vector>

namespace drovik {

class TelemetryCache;
class TelemetryLoader;

// The chosen folder's trips for the window: grouped at once from the clips' names, their
// telemetry read in the background through the per-clip cache, the trip being watched first
// (read(trip)) and every clip only when something shows the whole folder (readAll()). The list's
// trip rows, the Trips window and the playing trip's timeline, chart and route all look at this
// one object, so a clip is read once however many of them show it.
class FolderTrips : public QObject {
    Q_OBJECT
public:
    explicit FolderTrips(std::shared_ptr<TelemetryCache> cache, QObject *parent = nullptr);
    ~FolderTrips() override;

    // The chosen folder's clips (all recording types). Regroups at once; the telemetry already
    // read of clips still listed is kept.
    void setListing(const QString &folder, const QList<QUrl> &listing);
    double gapSeconds() const { return m_gapSeconds; }
    void setGapSeconds(double seconds);

    const CardTrips &card() const { return m_card; }
    // The trip whose clips include the entry (a clip or its partner), or -1.
    int tripOf(const QUrl &entry) const;
    // The recording of the entry (a clip or its partner), or -1.
    int recordingOf(const QUrl &entry) const;
    bool isRead(int recording) const;
    int readCount() const { return m_readCount; }
    bool isComplete() const { return m_readCount == int(m_card.recordings.size()); }
    // Whether every clip of the trip has been read.
    bool isTripRead(int trip) const;

    // The trip's figures from the telemetry read so far, worked out once for each new reading.
    const telemetry::DriveStatistics &statistics(int trip) const;

    // Reads the trip's clips ahead of anything else not yet read.
    void read(int trip);
    // Reads every clip of the folder (after the trip asked for, if any).
    void readAll();

signals:
    // The trips were grouped anew (indices of trips may have changed).
    void regrouped();
    // More telemetry was read (a clip or several; announced at most a few times a second).
    void telemetryRead();

private:
    void regroup();
    void loadUnread();
    void clipRead(int index, const ClipTelemetry &telemetry);

    CardTrips m_card;
    std::vector<bool> m_read;
    // By recording: the trip it belongs to. By trip: its figures, when worked out.
    std::vector<int> m_tripOfRecording;
    mutable std::vector<std::optional<telemetry::DriveStatistics>> m_statistics;
    int m_readCount = 0;
    double m_gapSeconds = kDefaultTripGapSeconds;
    int m_wantedTrip = -1;
    bool m_wantAll = false;
    // The recordings of the load under way, in the order given to the loader.
    std::vector<int> m_loading;
    std::shared_ptr<TelemetryCache> m_cache;
    std::unique_ptr<TelemetryLoader> m_loader;
    QTimer m_announce;
    // Durations learnt since the last grouping: the grouping is redone once the load ends.
    bool m_durationsChanged = false;
};

// The trip laid out on its timeline with the telemetry read so far (clips not yet read keep their
// assumed length and add no samples); null for no such trip.
std::shared_ptr<const telemetry::DriveTrack> tripTrack(const FolderTrips &trips, int trip);

// What the list's header row and the Trips window write of a trip.
// "10:15" of a camera-clock time, "–" without one.
QString tripClockText(const std::optional<int64_t> &ms);
// "1:20", "1:02:03".
QString tripDurationText(double seconds);
// "1.2 km" or "0.7 mi", as the speed preference says.
QString tripDistanceText(double metres);
// "2024-05-17 · 10:15 – 10:17 · 1:20 · 1.2 km", the distance once the trip's clips are read, in
// the unit of the speed preference; parking trips say so instead.
QString tripHeaderText(const FolderTrips &trips, int trip);

} // namespace drovik
