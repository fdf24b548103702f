#include "gravity_graph_view.h"

#include "widgets/images.h"
#include "display/display_log.h"
#include "telemetry/clip_data.h"

#include <QPainter>

namespace drovik {

GravityGraphView::GravityGraphView(QWidget *parent)
    : QWidget(parent)
{
}

GravityGraphView::~GravityGraphView() = default;

void GravityGraphView::awakeFromNib()
{
    m_baseYPoint = float(height()) * 0.5f;
    m_hasBaseYPoint = true;
}

void GravityGraphView::ensureBaseYPoint() const
{
    if (!m_hasBaseYPoint) {
        m_baseYPoint = float(height()) * 0.5f;
        m_hasBaseYPoint = true;
    }
}

float GravityGraphView::baseYPoint() const
{
    ensureBaseYPoint();
    return m_baseYPoint;
}

void GravityGraphView::setClipData(std::shared_ptr<const DrovikClipData> clipData)
{
    m_clipData = std::move(clipData);
    generatePoints();
    update();
}

void GravityGraphView::setClipData(const DrovikClipData &clipData)
{
    setClipData(std::make_shared<const DrovikClipData>(clipData));
}

void GravityGraphView::generatePoints()
{
    m_points = {};
    if (!m_clipData)
        return;
    m_points = generateGravityGraphPoints(*m_clipData, baseYPoint());
    qCDebug(lcDisplay) << "graph:" << m_points.gxPointList.size() << "points per axis, base"
                       << m_baseYPoint;
}

QPolygonF GravityGraphView::polyline(const QList<QPointF> &points, float baseYPoint,
                                     const QSizeF &size)
{
    // The points are measured upward from the bottom edge; the widget's y grows downward. A
    // point on the bottom edge (y 0) is drawn on the last row rather than just below the view.
    const qreal bottomRow = size.height() - 1;
    const auto toWidget = [&](qreal x, qreal y) {
        return QPointF(x, qMin(size.height() - y, bottomRow));
    };
    QPolygonF line;
    line.reserve(points.size() + 1);
    line.append(toWidget(0, baseYPoint));
    for (const QPointF &p : points)
        line.append(toWidget(p.x() * size.width(), p.y()));
    return line;
}

void GravityGraphView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The grid panel the graph is read against.
    painter.drawPixmap(0, 0, Images::pixmap(QStringLiteral("gsensor_graph_bg"), size(),
                                            devicePixelRatioF()));
    if (m_points.gxPointList.isEmpty())
        return;
    painter.setRenderHint(QPainter::Antialiasing, false);
    const float base = baseYPoint();
    const struct {
        const QList<QPointF> &points;
        QColor color;
    } axes[] = {
        {m_points.gxPointList, QColor(255, 0, 0)},
        {m_points.gyPointList, QColor(255, 255, 0)},
        {m_points.gzPointList, QColor(0, 0, 255)},
    };
    for (const auto &axis : axes) {
        painter.setPen(QPen(axis.color, 1.0));
        painter.drawPolyline(polyline(axis.points, base, QSizeF(size())));
    }
}

} // namespace drovik
