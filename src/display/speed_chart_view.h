#pragma once

#include "display/drive_time_view.h"

#include <QPolygonF>

#include <optional>
#include <vector>

namespace drovik {

// The drive's speed over its time, in km/h or mph, against a scale of round speeds and times:
// the speed as a line over a soft fill (broken where there is no fix), the playing clip's span
// shaded, the G-force events as pennants in their kinds' colours with a dot where the speed was,
// and the playhead with the speed at the playing position. A press anywhere asks to play that
// clip at that moment. The line is reduced to each pixel column's first, lowest, highest and last
// speed, so a drive of hours draws as fast as one of minutes.
class SpeedChartView : public DriveTimeView {
    Q_OBJECT
public:
    explicit SpeedChartView(QWidget *parent = nullptr);

    void setMilesPerHour(bool milesPerHour);
    bool milesPerHour() const { return m_milesPerHour; }

    QRectF plotRect() const override;
    QSize sizeHint() const override { return {560, 180}; }

    // The speed shown at a moment of the drive, in the chosen unit: the nearest sample with a
    // fix within a second; nothing where there is none.
    std::optional<double> speedAt(double driveSeconds) const;

protected:
    void paintDrive(QPainter &painter) const override;
    void paintEmpty(QPainter &painter) const override;
    void paintPlayhead(QPainter &painter, double x) const override;
    QString hoverText(double x) const override;

private:
    double shownSpeed(float kmh) const;
    double yOfSpeed(double speed) const;
    std::vector<QPolygonF> speedLines() const;
    void paintPanel(QPainter &painter) const;
    void paintSpeedScale(QPainter &painter, double step) const;
    void paintTimeScale(QPainter &painter) const;
    void paintClipSpans(QPainter &painter) const;
    void paintSpeed(QPainter &painter) const;
    void paintEvents(QPainter &painter) const;

    bool m_milesPerHour = false;
    // The speed at the top of the scale, in the chosen unit; taken when the picture is drawn.
    mutable double m_scaleTop = 0;
};

} // namespace drovik
