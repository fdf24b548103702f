#include "telemetry_readout.h"

#include "telemetry/clip_data.h"
#include "telemetry/subtitle_data.h"

#include <cmath>

namespace drovik {

namespace {

constexpr double kSensorRefresh = double(0.3f);
constexpr double kMapRefresh = 1.0;
// A last refresh time that makes the next tick refresh whatever the playing position.
constexpr double kRefreshLongAgo = -1e9;

} // namespace

TelemetryReadout::TelemetryReadout(QObject *parent)
    : QObject(parent)
    , m_clipData(std::make_unique<DrovikClipData>())
{
}

TelemetryReadout::~TelemetryReadout() = default;

void TelemetryReadout::setTelemetry(std::unique_ptr<DrovikClipData> clipData, std::unique_ptr<SubtitleData> subtitles)
{
    m_clipData = clipData ? std::move(clipData) : std::make_unique<DrovikClipData>();
    m_subtitleData = std::move(subtitles);
    m_timed.reset();
}

void TelemetryReadout::setTimedRecord(std::shared_ptr<const telemetry::TimedRecord> record)
{
    m_timed = std::move(record);
}

IncidentMoment TelemetryReadout::momentAt(double t) const
{
    return m_timed ? incidentMomentAt(*m_timed, t) : incidentMomentAt(*m_clipData, m_subtitleData.get(), t);
}

void TelemetryReadout::forgetSubtitles()
{
    m_subtitleData.reset();
}

void TelemetryReadout::forgetMarker()
{
    m_lastUpdatedLat = 0;
    m_lastUpdatedLng = 0;
}

void TelemetryReadout::restart()
{
    m_lastUpdatedSensorInfoTime = 0;
    m_lastUpdatedMapTime = 0;
}

void TelemetryReadout::refreshAnywhere()
{
    m_lastUpdatedSensorInfoTime = kRefreshLongAgo;
    m_lastUpdatedMapTime = kRefreshLongAgo;
}

void TelemetryReadout::clearReadouts()
{
    emit speedChanged(0);
    emit gravityChanged(0, 0, 0);
    emit positionChanged(0, 0);
}

void TelemetryReadout::showMapCover(bool cover)
{
    m_mapCovered = cover;
    emit mapCoverChanged(cover);
}

void TelemetryReadout::update(double t, bool mapHidden)
{
    const int index = int(std::trunc(t * 10.0));
    if (m_subtitleData)
        updateFromSubtitles(t, index, mapHidden);
    else if (m_timed)
        updateFromRecord(*m_timed, t, index);
    else
        updateFromRecord(*m_clipData, t, index);
}

void TelemetryReadout::updateFromSubtitles(double t, int index, bool mapHidden)
{
    int x = 0, y = 0, z = 0;
    if (t - m_lastUpdatedSensorInfoTime >= kSensorRefresh && m_subtitleData->getSensorAt(index, x, y, z)) {
        m_lastUpdatedSensorInfoTime = t;
        emit gravityChanged(gravityOf(x), gravityOf(y), gravityOf(z));
    }
    float lat = 0, lng = 0;
    uint32_t speed = 0;
    switch (m_subtitleData->getGpsAt(index, lat, lng, speed)) {
    case 0:
        if (t - m_lastUpdatedMapTime >= kMapRefresh) {
            m_lastUpdatedMapTime = (t - m_lastUpdatedMapTime < 2.0) ? m_lastUpdatedMapTime + 1.0 : t;
            emit positionChanged(lat, lng);
            emit speedChanged(int(speed));
            updateMapWithLat(lat, lng, m_clipData->gpsDataCount() != 0);
        }
        break;
    case 1:
        if (mapHidden) {
            showMapCover(false);
            updateMapWithLat(lat, lng, m_clipData->gpsDataCount() != 0);
            emit positionChanged(lat, lng);
        }
        emit speedChanged(int(speed));
        break;
    default:
        showMapCover(true);
        emit speedChanged(0);
        break;
    }
}

template <typename Record>
void TelemetryReadout::updateFromRecord(const Record &record, double t, int index)
{
    if (index < 0 || uint32_t(index) >= record.clipDataCount())
        return;
    int x = 0, y = 0, z = 0;
    float lat = 0, lng = 0;
    uint32_t speed = 0;
    record.getClipDataWithIndex(index, x, y, z, lat, lng, speed);
    if (t - m_lastUpdatedSensorInfoTime > kSensorRefresh) {
        m_lastUpdatedSensorInfoTime = t;
        emit gravityChanged(gravityOf(x), gravityOf(y), gravityOf(z));
        emit positionChanged(lat, lng);
        emit speedChanged(int(speed));
    }
    if (t - m_lastUpdatedMapTime > kMapRefresh) {
        m_lastUpdatedMapTime = t;
        updateMapWithLat(lat, lng, record.gpsDataCount() != 0);
    }
}

void TelemetryReadout::updateMapWithLat(float lat, float lng, bool hasTrack)
{
    if ((lat != 0.0f || lng != 0.0f) && hasTrack) {
        showMapCover(false);
        if (double(lat) == m_lastUpdatedLat && double(lng) == m_lastUpdatedLng)
            return;
        emit mapPositionChanged(lat, lng);
        m_lastUpdatedLat = lat;
        m_lastUpdatedLng = lng;
    } else {
        showMapCover(true);
    }
}

} // namespace drovik
