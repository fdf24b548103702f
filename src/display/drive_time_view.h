#pragma once

#include "display/cached_layer.h"
#include "telemetry/drive_track.h"

#include <QPixmap>
#include <QRectF>
#include <QWidget>

#include <memory>
#include <optional>

namespace drovik {

// What the drive's views share: a drive (shared with whoever made it, never owned playback) laid
// along x inside plotRect(), the clip playing, and the playing position as a playhead. Everything
// but the playhead is drawn once per drive and size into a cached picture, so that following
// playback (about thirty positions a second) repaints only the columns the playhead leaves and
// reaches. A left press anywhere asks to play the moment under it; hovering tells which clip of
// the drive and which time in it lie there.
class DriveTimeView : public QWidget {
    Q_OBJECT
public:
    explicit DriveTimeView(QWidget *parent = nullptr);
    ~DriveTimeView() override;

    // Draws the drive with currentClip (an index into its clips; -1: none) highlighted. A null
    // track is clear().
    void setTrack(std::shared_ptr<const telemetry::DriveTrack> track, int currentClip);
    // The playing position, in seconds on the drive's timeline.
    void setPosition(double driveSeconds);
    // No drive: nothing is drawn, nothing is clicked.
    void clear();

    const std::shared_ptr<const telemetry::DriveTrack> &track() const { return m_track; }
    int currentClip() const { return m_currentClip; }
    double position() const { return m_position; }

    // Where the drive's timeline runs: its start at the left edge, its end at the right.
    virtual QRectF plotRect() const = 0;
    // x of a moment of the drive, and the moment of the drive at x (held inside the drive).
    double xOfSeconds(double driveSeconds) const;
    double secondsAtX(double x) const;
    // The clip and time in it that a press at x plays; nothing without a drive.
    std::optional<telemetry::DriveTrack::Moment> momentAtX(double x) const;

signals:
    void momentClicked(int clip, double clipSeconds);

protected:
    // The static picture: everything but the playhead. Called with a track of at least one clip
    // and a non-empty plotRect().
    virtual void paintDrive(QPainter &painter) const = 0;
    // The picture without a drive (the chart keeps its empty panel).
    virtual void paintEmpty(QPainter &painter) const;
    // The playhead at the position's column; it may reach `kPlayheadReach` pixels either side.
    virtual void paintPlayhead(QPainter &painter, double x) const = 0;
    static constexpr int kPlayheadReach = 6;
    // The hover text at x: which clip of the drive and which time in it.
    virtual QString hoverText(double x) const;
    // Drawing depends on more than the drive (a unit): redraw the cached picture.
    void invalidateLayer();
    bool hasDrive() const;

    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    int playheadColumn() const;
    const QPixmap &layer() const;

    std::shared_ptr<const telemetry::DriveTrack> m_track;
    int m_currentClip = -1;
    double m_position = 0;
    // Everything but the playhead, drawn once per drive, size and unit.
    mutable CachedLayer m_layer;
};

// The time of a moment as the drive's views write it: m:ss, or h:mm:ss from an hour on.
QString driveClockText(double seconds);
// The hover text of a moment: "Clip 3 of 12 · 2:15" in the interface's language.
QString driveMomentText(const telemetry::DriveTrack &track, const telemetry::DriveTrack::Moment &moment);

} // namespace drovik
