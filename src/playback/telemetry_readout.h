#pragma once

#include "playback/convert/incident_export.h"

#include "telemetry/timed_record.h"

#include <QObject>
#include <QString>

#include <memory>

namespace drovik {

class DrovikClipData;
class SubtitleData;

// The telemetry of the clip in the views, read at the playing position: G at most every 0.3 s,
// the position, the speed and the map's marker at most once a second, and the map covered where
// there is no fix. A clip's subtitle cues, when it has them, take the place of its record.
class TelemetryReadout : public QObject {
    Q_OBJECT
public:
    explicit TelemetryReadout(QObject *parent = nullptr);

    // G of a raw sensor value (512 is 4 g), and a read-out's text with so many decimals.
    static float gravityOf(int raw) { return float(raw * 4) / 512.0f; }
    static QString readoutText(double value, int decimals) { return QString::number(value, 'f', decimals); }
    ~TelemetryReadout() override;

    const DrovikClipData &clipData() const { return *m_clipData; }
    // Every read-out at t seconds, whatever was last shown (no date: the clip's record has none).
    IncidentMoment momentAt(double t) const;
    void setTelemetry(std::unique_ptr<DrovikClipData> clipData, std::unique_ptr<SubtitleData> subtitles);
    // Another make's telemetry, read by its own times in place of the record (null: none).
    void setTimedRecord(std::shared_ptr<const telemetry::TimedRecord> record);
    const std::shared_ptr<const telemetry::TimedRecord> &timedRecord() const { return m_timed; }
    // A new entry is on its way: its cues are not those of the last one, and the marker is moved
    // afresh wherever it lands.
    void forgetSubtitles();
    void forgetMarker();

    // One tick of the display at t seconds; mapHidden: the map cannot be seen now (covered, or a
    // view is full screen), so a fix without news still shows it.
    void update(double t, bool mapHidden);
    // The next tick refreshes every read-out: after a seek by the bar (restart), or after a seek
    // to an exact moment, wherever it lies (refreshAnywhere).
    void restart();
    void refreshAnywhere();

    // No clip: G, position and speed read 0.
    void clearReadouts();

    // Whether the map is covered: no clip, no position at this moment, or no track at all.
    bool isMapCovered() const { return m_mapCovered; }
    void showMapCover(bool cover);

signals:
    // G in g, the position in degrees, the speed in km/h.
    void gravityChanged(float gx, float gy, float gz);
    void positionChanged(float lat, float lng);
    void speedChanged(int speed);
    void mapPositionChanged(float lat, float lng);
    void mapCoverChanged(bool covered);

private:
    void updateFromSubtitles(double t, int index, bool mapHidden);
    template <typename Record>
    void updateFromRecord(const Record &record, double t, int index);
    void updateMapWithLat(float lat, float lng, bool hasTrack);

    std::unique_ptr<DrovikClipData> m_clipData;
    std::unique_ptr<SubtitleData> m_subtitleData;
    std::shared_ptr<const telemetry::TimedRecord> m_timed;
    double m_lastUpdatedSensorInfoTime = 0;
    double m_lastUpdatedMapTime = 0;
    double m_lastUpdatedLat = 0;
    double m_lastUpdatedLng = 0;
    bool m_mapCovered = true;
};

} // namespace drovik
