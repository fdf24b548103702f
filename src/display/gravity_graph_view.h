#pragma once

#include "display/cached_layer.h"
#include "display/gravity_graph.h"
#include "telemetry/gforce_events.h"
#include "telemetry/timed_record.h"

#include <QPixmap>
#include <QPolygonF>
#include <QWidget>

#include <memory>
#include <vector>

namespace drovik {

class DrovikClipData;

// The acceleration of the whole current clip as three line graphs (X red, Y yellow, Z blue)
// hanging below a base line across the panel, read against a scale of g (the magnitude, as the
// lines show it) and of time. The points are computed once per clip; a redraw only scales them
// to the current width. A playhead marks the playing position; moving it repaints its two
// columns over a cached picture of everything else, so following playback stays cheap.
//
// The clip's G-force events are marked as vertical lines at their peak samples. Pressing or
// dragging on the graph asks to play from the sample under the pointer (the sample whose point
// is nearest, as the polylines place them); hovering shows a thin cursor at that sample and a
// read-out of its time, speed and accelerations.
class GravityGraphView : public QWidget {
    Q_OBJECT
public:
    explicit GravityGraphView(QWidget *parent = nullptr);
    ~GravityGraphView() override;

    // Keeps the record (shared with the caller), rebuilds the points and redraws. nullptr empties
    // the graph.
    void setClipData(std::shared_ptr<const DrovikClipData> clipData);
    // Keeps a copy of the record: the playback controller reloads its one record for every clip.
    void setClipData(const DrovikClipData &clipData);
    std::shared_ptr<const DrovikClipData> clipData() const { return m_clipData; }
    // Another make's telemetry, read ten samples a second for as long as its track runs.
    void setTimedRecord(std::shared_ptr<const telemetry::TimedRecord> record);

    void generatePoints();
    const GravityGraphPoints &points() const { return m_points; }

    // The base line's height above the bottom edge: half the view's height, taken once, the first
    // time the graph is drawn or given a clip (so after the window has laid it out). Later size
    // changes keep it; awakeFromNib() takes it again from the current height.
    float baseYPoint() const;
    void awakeFromNib();

    // One axis as a polyline in widget coordinates (y down) for a view of the given size: from
    // the left end of the base line through every point.
    static QPolygonF polyline(const QList<QPointF> &points, float baseYPoint, const QSizeF &size);

    // The events to mark; a new clip clears them.
    void setEvents(std::vector<telemetry::GForceEvent> events);
    const std::vector<telemetry::GForceEvent> &events() const { return m_events; }

    // The sample under a pointer at x in the view, or -1 without samples; and where a sample is
    // drawn. Both follow the polylines' placement.
    int sampleAtX(double x) const;
    double xOfSample(int index) const;
    // The sample the pointer rests on, or -1.
    int hoveredSample() const { return m_hoveredSample; }

    // The playing position in seconds, where the playhead stands; a new clip starts at 0.
    void setPlayPosition(double seconds);
    double playPosition() const { return m_playPosition; }
    // The pixel column of the playhead, or -1 when there is no clip to play.
    int playheadColumn() const;

signals:
    // The user pressed or dragged on the graph: play from the start of that sample.
    void sampleSeekRequested(double seconds);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // A new clip's record: no events, no hover, the playhead at its start.
    void startClip();
    void ensureBaseYPoint() const;
    int sampleCount() const;
    void hover(int sample);
    void seekToSampleAt(double x);
    void invalidateLayer();
    const QPixmap &layer() const;
    void paintLayer(QPainter &painter) const;
    QList<int> gScaleRows() const;
    void paintScale(QPainter &painter) const;
    void paintGLabels(QPainter &painter) const;
    void paintEventMarks(QPainter &painter) const;
    void paintPlayhead(QPainter &painter) const;
    void paintHover(QPainter &painter) const;

    std::shared_ptr<const DrovikClipData> m_clipData;
    std::shared_ptr<const telemetry::TimedRecord> m_timed;
    GravityGraphPoints m_points;
    mutable float m_baseYPoint = 0;
    mutable bool m_hasBaseYPoint = false;
    std::vector<telemetry::GForceEvent> m_events;
    int m_hoveredSample = -1;
    int m_lastSeekSample = -1;
    bool m_dragging = false;
    double m_playPosition = 0;
    // The panel, scales, event marks and lines, drawn once per clip, size and events.
    mutable CachedLayer m_layer;
};

} // namespace drovik
