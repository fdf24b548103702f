#include "gravity_graph_view.h"

#include "widgets/images.h"
#include "display/display_log.h"
#include "display/gforce_event_style.h"
#include "display/speed_reading.h"
#include "i18n/preferences.h"
#include "telemetry/clip_data.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace drovik {

namespace {

const QColor kAxisColors[] = {QColor(255, 0, 0), QColor(255, 255, 0), QColor(0, 0, 255)};
// The read-out's axis letters: the read-out fields' lighter tints of the axis colours, which
// stay legible on the dark box where pure blue would not.
const QColor kAxisTints[] = {QColor(0xff, 0x4d, 0x4f), QColor(0xff, 0xd2, 0x3f), QColor(0x5c, 0x9d, 0xff)};
// How close to an event's peak the read-out names the event.
constexpr int kEventNameReach = 5;
// The scales: their lines stay under the graph, their figures dim beside it.
const QColor kGridColor(0x2a, 0x30, 0x38);
const QColor kBaseLineColor(0x19, 0xc3, 0xe6, 115);
const QColor kScaleTextColor(0x7d, 0x87, 0x93);
const QColor kLabelBacking(0x12, 0x14, 0x17, 200);
// White: the event marks take the colours.
const QColor kPlayheadColor(0xf2, 0xf5, 0xf8);
// The strip along the bottom edge that holds the time scale's figures.
constexpr int kTimeStripHeight = 12;
// Time ticks stay at least this far apart, so their figures never touch.
constexpr double kMinTickSpacing = 40;

// The middle of the pixel column holding x: a one-pixel line drawn there stays crisp with
// antialiasing on. The sample positions are single-precision fractions scaled up; a point
// meant to fall on a pixel's edge may come out a hair short of it.
double pixelCentre(double x)
{
    return std::floor(x + 1e-3) + 0.5;
}

QString sampleTimeText(int sample)
{
    const int tenths = sample * 10 / telemetry::kSamplesPerSecond;
    return QString::asprintf("%02d:%02d.%d", tenths / 600, (tenths / 10) % 60, tenths % 10);
}

QString gText(int raw)
{
    return QString::number(double(float(raw) / telemetry::kRecordUnitsPerG), 'f', 2);
}

QString tickTimeText(int seconds)
{
    return QString::asprintf("%d:%02d", seconds / 60, seconds % 60);
}

QFont scaleFont(const QFont &base)
{
    QFont font = base;
    font.setPixelSize(9);
    return font;
}

} // namespace

GravityGraphView::GravityGraphView(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
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
    m_timed.reset();
    startClip();
}

void GravityGraphView::setTimedRecord(std::shared_ptr<const telemetry::TimedRecord> record)
{
    m_clipData.reset();
    m_timed = std::move(record);
    startClip();
}

void GravityGraphView::startClip()
{
    m_events.clear();
    m_hoveredSample = -1;
    m_lastSeekSample = -1;
    m_playPosition = 0;
    generatePoints();
    invalidateLayer();
}

void GravityGraphView::setClipData(const DrovikClipData &clipData)
{
    setClipData(std::make_shared<const DrovikClipData>(clipData));
}

void GravityGraphView::generatePoints()
{
    m_points = {};
    if (m_timed)
        m_points = generateGravityGraphPoints(*m_timed, baseYPoint());
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

void GravityGraphView::setEvents(std::vector<telemetry::GForceEvent> events)
{
    m_events = std::move(events);
    invalidateLayer();
}

void GravityGraphView::setPlayPosition(double seconds)
{
    const int before = playheadColumn();
    m_playPosition = seconds;
    const int after = playheadColumn();
    if (before == after)
        return;
    // Only the columns the playhead leaves and reaches; the rest comes from the cached layer.
    for (const int column : {before, after}) {
        if (column >= 0)
            update(column - 3, 0, 7, height());
    }
}

int GravityGraphView::playheadColumn() const
{
    if (sampleCount() == 0 || width() <= 0)
        return -1;
    const double x = gravityGraphTimeX(m_playPosition, sampleCount(), width());
    return std::clamp(int(std::floor(x + 1e-3)), 0, width() - 1);
}

void GravityGraphView::resizeEvent(QResizeEvent *event)
{
    invalidateLayer();
    QWidget::resizeEvent(event);
}

void GravityGraphView::invalidateLayer()
{
    m_layer.invalidate();
    update();
}

int GravityGraphView::sampleCount() const
{
    return int(m_points.gxPointList.size());
}

int GravityGraphView::sampleAtX(double x) const
{
    return gravityGraphSampleAtX(x, sampleCount(), width());
}

double GravityGraphView::xOfSample(int index) const
{
    return gravityGraphSampleX(index, sampleCount(), width());
}

void GravityGraphView::hover(int sample)
{
    if (sample == m_hoveredSample)
        return;
    m_hoveredSample = sample;
    update();
}

void GravityGraphView::seekToSampleAt(double x)
{
    const int sample = sampleAtX(x);
    hover(sample);
    if (sample < 0 || sample == m_lastSeekSample)
        return;
    // A drag over one sample asks once; the players get one seek per sample crossed.
    m_lastSeekSample = sample;
    emit sampleSeekRequested(double(sample) / telemetry::kSamplesPerSecond);
}

void GravityGraphView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || sampleCount() == 0)
        return QWidget::mousePressEvent(event);
    m_dragging = true;
    m_lastSeekSample = -1;
    seekToSampleAt(event->position().x());
}

void GravityGraphView::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        seekToSampleAt(event->position().x());
    else
        hover(sampleAtX(event->position().x()));
}

void GravityGraphView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_dragging)
        return QWidget::mouseReleaseEvent(event);
    m_dragging = false;
    if (!rect().contains(event->position().toPoint()))
        hover(-1);
}

void GravityGraphView::leaveEvent(QEvent *event)
{
    if (!m_dragging)
        hover(-1);
    QWidget::leaveEvent(event);
}

void GravityGraphView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, layer());
    paintPlayhead(painter);
    paintHover(painter);
}

const QPixmap &GravityGraphView::layer() const
{
    return m_layer.picture(*this, [this](QPainter &painter) { paintLayer(painter); });
}

void GravityGraphView::paintLayer(QPainter &painter) const
{
    // The panel the graph is read against.
    painter.drawPixmap(0, 0, Images::pixmap(QStringLiteral("gsensor_graph_bg"), size(), devicePixelRatioF()));
    paintScale(painter);
    if (!m_points.gxPointList.isEmpty()) {
        // Behind the lines, so the peak they mark stays readable.
        paintEventMarks(painter);
        painter.setRenderHint(QPainter::Antialiasing, false);
        const float base = baseYPoint();
        const QList<QPointF> *axes[] = {&m_points.gxPointList, &m_points.gyPointList,
                                        &m_points.gzPointList};
        for (int axis = 0; axis < 3; ++axis) {
            painter.setPen(QPen(kAxisColors[axis], 1.0));
            painter.drawPolyline(polyline(*axes[axis], base, QSizeF(size())));
        }
    }
    paintGLabels(painter);
}

QList<int> GravityGraphView::gScaleRows() const
{
    // Each whole g hangs below the base line as the lines do (sign dropped), down to the time
    // strip; the first row is the base line, 0 g.
    const int h = height();
    QList<int> rows;
    for (int g = 0;; ++g) {
        const float yUp = gravityGraphY(int(float(g) * telemetry::kRecordUnitsPerG), baseYPoint());
        const int row = qMin(h - 1, int(std::lround(h - yUp)));
        if ((g > 0 && yUp <= 0) || row > h - kTimeStripHeight - 2)
            return rows;
        rows.append(row);
    }
}

// The lines of the g scale, and the time scale: a tick and its minutes:seconds at round steps,
// placed as the playhead stands there (only with a clip).
void GravityGraphView::paintScale(QPainter &painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int w = width();
    const int h = height();
    const QList<int> rows = gScaleRows();
    for (int g = 0; g < rows.size(); ++g) {
        painter.setPen(g == 0 ? QPen(kBaseLineColor, 1.0) : QPen(kGridColor, 1.0, Qt::DashLine));
        painter.drawLine(0, rows[g], w, rows[g]);
    }
    const int count = sampleCount();
    const QFont font = scaleFont(this->font());
    const QFontMetrics metrics(font);
    painter.setFont(font);
    const int step = gravityGraphTimeStep(count, w, kMinTickSpacing);
    for (int t = 0; count > 0 && t * telemetry::kSamplesPerSecond < count; t += step) {
        const int column = int(std::floor(gravityGraphTimeX(t, count, w) + 1e-3));
        painter.setPen(QPen(kGridColor, 1.0));
        painter.drawLine(column, 0, column, h);
        const QString text = tickTimeText(t);
        if (column + 3 + metrics.horizontalAdvance(text) > w - 2)
            break;
        painter.setPen(kScaleTextColor);
        painter.drawText(column + 3, h - 3, text);
    }
    painter.restore();
}

// The g figures at the left end of their lines, over the graph on a dark backing so that the
// lines resting there never hide them.
void GravityGraphView::paintGLabels(QPainter &painter) const
{
    painter.save();
    const QFont font = scaleFont(this->font());
    const QFontMetrics metrics(font);
    painter.setFont(font);
    const QList<int> rows = gScaleRows();
    for (int g = 0; g < rows.size(); ++g) {
        const QString text = QStringLiteral("%1 g").arg(g);
        const QRect box(2, rows[g] - metrics.height() - 1, metrics.horizontalAdvance(text) + 4, metrics.height());
        painter.fillRect(box, kLabelBacking);
        painter.setPen(kScaleTextColor);
        painter.drawText(box, Qt::AlignCenter, text);
    }
    painter.restore();
}

void GravityGraphView::paintPlayhead(QPainter &painter) const
{
    const int column = playheadColumn();
    if (column < 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(column, 0, 1, height(), kPlayheadColor);
    // A small head at the top, where the eye finds it beside the event pennants.
    painter.fillRect(column - 2, 0, 5, 3, kPlayheadColor);
    painter.restore();
}

void GravityGraphView::paintEventMarks(QPainter &painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const telemetry::GForceEvent &event : m_events) {
        if (event.sampleIndex < 0 || event.sampleIndex >= sampleCount())
            continue;
        const QColor color = gforceEventColor(event.kind);
        const double x = pixelCentre(xOfSample(event.sampleIndex));
        QColor band = color;
        band.setAlpha(40);
        painter.fillRect(QRectF(x - 3.5, 0, 7, height()), band);
        painter.setPen(QPen(color, 1.0));
        painter.drawLine(QPointF(x, 5), QPointF(x, height()));
        // A small pennant at the top, where the eye looks for the marks.
        painter.fillPath(downwardPennant(x, 0, 4.5, 6), color);
    }
    painter.restore();
}

void GravityGraphView::paintHover(QPainter &painter) const
{
    if (m_hoveredSample < 0 || m_hoveredSample >= sampleCount() || (!m_clipData && !m_timed))
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double x = pixelCentre(xOfSample(m_hoveredSample));
    painter.setPen(QPen(QColor(255, 255, 255, 170), 1.0));
    painter.drawLine(QPointF(x, 0), QPointF(x, height()));
    const QList<QPointF> *axes[] = {&m_points.gxPointList, &m_points.gyPointList,
                                    &m_points.gzPointList};
    for (int axis = 0; axis < 3; ++axis) {
        const QPointF p = polyline({axes[axis]->at(m_hoveredSample)}, baseYPoint(), QSizeF(size())).last();
        painter.setPen(QPen(QColor(14, 16, 19), 1.0));
        painter.setBrush(kAxisTints[axis]);
        painter.drawEllipse(p, 2.5, 2.5);
    }

    // The read-out: time and speed, the three accelerations, and the event when near its peak.
    const int i = m_hoveredSample;
    // The record's lookups, whichever record the graph shows.
    const auto lookup = [this](auto get) { return m_timed ? get(*m_timed) : get(*m_clipData); };
    QString speed = QStringLiteral("– km/h");
    if (lookup([](const auto &r) { return r.gpsDataCount(); }) != 0) {
        const uint32_t kmh = lookup([i](const auto &r) { return r.getGpsSpeed(i); });
        const SpeedReading reading = speedReading(int(std::min<uint32_t>(kmh, 999)),
                                                  Preferences::speedUnit());
        speed = QStringLiteral("%1 %2").arg(reading.shown).arg(
            reading.milesPerHour ? QStringLiteral("mph") : QStringLiteral("km/h"));
    }
    const telemetry::GForceEvent *near = nullptr;
    for (const telemetry::GForceEvent &event : m_events) {
        if (std::abs(event.sampleIndex - i) <= kEventNameReach)
            near = &event;
    }
    QFont font = this->font();
    font.setPixelSize(10);
    QFont mono = font;
    mono.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("monospace")});
    const QFontMetricsF metrics(mono);
    const QString values[] = {gText(lookup([i](const auto &r) { return r.getGx(i); })), gText(lookup([i](const auto &r) { return r.getGy(i); })),
                              gText(lookup([i](const auto &r) { return r.getGz(i); }))};
    const QString header = sampleTimeText(i) + QStringLiteral("  ") + speed;
    QString eventLine;
    if (near)
        eventLine = gforceEventName(near->kind) + QStringLiteral("  ")
                    + QString::number(double(near->peakG), 'f', 2) + QStringLiteral(" g");
    const qreal line = metrics.height() + 1;
    const qreal axisWidth = metrics.horizontalAdvance(QStringLiteral("X -0.00 "));
    qreal boxWidth = std::max(metrics.horizontalAdvance(header), 3 * axisWidth);
    if (near)
        boxWidth = std::max(boxWidth, QFontMetricsF(font).horizontalAdvance(eventLine));
    boxWidth += 12;
    const qreal boxHeight = line * (near ? 3 : 2) + 8;
    // On the side away from the cursor, so the hovered peak stays in sight.
    const qreal left = x > width() / 2.0 ? 4 : width() - boxWidth - 4;
    const QRectF box(std::max<qreal>(left, 0), 8, boxWidth, boxHeight);
    painter.setPen(QPen(QColor(0x2e, 0x33, 0x3a), 1.0));
    painter.setBrush(QColor(0x0b, 0x0d, 0x10, 225));
    painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);

    qreal y = box.top() + 4 + metrics.ascent();
    painter.setFont(mono);
    painter.setPen(QColor(0xe6, 0xeb, 0xf0));
    painter.drawText(QPointF(box.left() + 6, y), header);
    y += line;
    for (int axis = 0; axis < 3; ++axis) {
        const qreal ax = box.left() + 6 + axis * axisWidth;
        painter.setPen(kAxisTints[axis]);
        painter.drawText(QPointF(ax, y), QStringLiteral("XYZ").at(axis));
        painter.setPen(QColor(0xe6, 0xeb, 0xf0));
        painter.drawText(QPointF(ax + metrics.horizontalAdvance(QStringLiteral("X ")), y), values[axis]);
    }
    if (near) {
        y += line;
        painter.setFont(font);
        painter.setPen(gforceEventColor(near->kind));
        painter.drawText(QPointF(box.left() + 6, y), eventLine);
    }
    painter.restore();
}

} // namespace drovik
