#pragma once

#include "display/gravity_graph.h"

#include <QPolygonF>
#include <QWidget>

#include <memory>

namespace drovik {

class DrovikClipData;

// The acceleration of the whole current clip as three line graphs (X red, Y yellow, Z blue)
// hanging below a base line across the panel. The points are computed once per clip; a redraw
// only scales them to the current width. The graph marks no playing position.
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

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void ensureBaseYPoint() const;

    std::shared_ptr<const DrovikClipData> m_clipData;
    GravityGraphPoints m_points;
    mutable float m_baseYPoint = 0;
    mutable bool m_hasBaseYPoint = false;
};

} // namespace drovik
