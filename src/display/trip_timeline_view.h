#pragma once

#include "display/drive_time_view.h"

namespace drovik {

// The whole drive as a thin strip under the seek bar: each clip it plays as a segment, parted
// from its neighbours by a small gap, the playing clip lit, the clips whose telemetry is not read
// yet dimmed; a tick in its kind's colour at every G-force event and the playhead at the playing
// position. A press anywhere asks to play that clip at that moment.
class TripTimelineView : public DriveTimeView {
    Q_OBJECT
public:
    explicit TripTimelineView(QWidget *parent = nullptr);

    QRectF plotRect() const override;
    QSize sizeHint() const override { return {846, 20}; }

protected:
    void paintDrive(QPainter &painter) const override;
    void paintPlayhead(QPainter &painter, double x) const override;

private:
    QRectF clipRect(const telemetry::DriveTrack::Clip &clip) const;
};

} // namespace drovik
