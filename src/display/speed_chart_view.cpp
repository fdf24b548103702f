#include "speed_chart_view.h"

#include "display/gforce_event_style.h"
#include "i18n/drovik_languages.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace drovik {

namespace {

constexpr double kMaxSpeedKmh = 999;
// Room for the speed figures on the left and the times below.
constexpr double kLeftMargin = 40;
constexpr double kRightMargin = 14;
constexpr double kTopMargin = 20;
constexpr double kBottomMargin = 22;
// Two fixes further apart than this are not joined: the camera lost its fix or stopped recording.
constexpr double kMaxJoinedGapSeconds = 1.5;
// How far from a moment a fix still gives its speed.
constexpr double kSpeedReach = 1.0;
// Time ticks keep at least this far apart, so their figures never touch.
constexpr double kMinTimeTickSpacing = 64;

const QColor kPanel(0x10, 0x13, 0x17);
const QColor kPanelEdge(0x22, 0x26, 0x2c);
const QColor kGrid(0x23, 0x29, 0x30);
const QColor kAxis(0x34, 0x3b, 0x44);
const QColor kScaleText(0x7d, 0x87, 0x93);
const QColor kAccent(0x19, 0xc3, 0xe6);
const QColor kOutline(0x0b, 0x0d, 0x10);
const QColor kPlayhead(0xf2, 0xf5, 0xf8);

QFont scaleFont(const QFont &base)
{
    QFont font = base;
    font.setPixelSize(10);
    return font;
}

QColor withAlpha(QColor color, int alpha)
{
    color.setAlpha(alpha);
    return color;
}

// The first step of `steps` that keeps the scale within `ticks` steps of `span`, else the last.
double roundStep(double span, std::initializer_list<double> steps, double ticks)
{
    for (const double step : steps) {
        if (span / step <= ticks)
            return step;
    }
    return *(steps.end() - 1);
}

QString unitText(bool milesPerHour)
{
    return milesPerHour ? QStringLiteral("mph") : QStringLiteral("km/h");
}

QString timeTickText(double seconds, bool hours)
{
    if (!hours)
        return driveClockText(seconds);
    const int minutes = int(std::lround(seconds / 60));
    return QString::asprintf("%d:%02d", minutes / 60, minutes % 60);
}

// One pixel column's speeds, in the order met: the line enters at the first, reaches the lowest
// and the highest in their order and leaves at the last.
struct Column {
    int column = 0;
    QPointF first;
    QPointF last;
    double lowY = 0;
    double highY = 0;
    bool lowFirst = true;

    void add(const QPointF &p)
    {
        last = p;
        if (p.y() > lowY) {
            lowY = p.y();
            lowFirst = false;
        }
        if (p.y() < highY) {
            highY = p.y();
            lowFirst = true;
        }
    }
    void appendTo(QPolygonF &line) const
    {
        const double x = column + 0.5;
        line << first;
        if (highY < lowY) {
            line << QPointF(x, lowFirst ? lowY : highY) << QPointF(x, lowFirst ? highY : lowY);
        }
        line << last;
    }
};

} // namespace

SpeedChartView::SpeedChartView(QWidget *parent)
    : DriveTimeView(parent)
{
}

void SpeedChartView::setMilesPerHour(bool milesPerHour)
{
    if (milesPerHour == m_milesPerHour)
        return;
    m_milesPerHour = milesPerHour;
    invalidateLayer();
}

QRectF SpeedChartView::plotRect() const
{
    return QRectF(kLeftMargin, kTopMargin, std::max(0.0, width() - kLeftMargin - kRightMargin),
                  std::max(0.0, height() - kTopMargin - kBottomMargin));
}

double SpeedChartView::shownSpeed(float kmh) const
{
    // A corrupt speed must not stretch the scale past anything a car drives.
    const double held = std::isfinite(kmh) ? std::clamp(double(kmh), 0.0, kMaxSpeedKmh) : 0.0;
    return m_milesPerHour ? held / telemetry::kKmPerMile : held;
}

double SpeedChartView::yOfSpeed(double speed) const
{
    const QRectF plot = plotRect();
    if (!(m_scaleTop > 0))
        return plot.bottom();
    return plot.bottom() - std::clamp(speed / m_scaleTop, 0.0, 1.0) * plot.height();
}

std::optional<double> SpeedChartView::speedAt(double driveSeconds) const
{
    if (!track())
        return std::nullopt;
    const std::vector<telemetry::DriveTrack::Sample> &samples = track()->samples;
    const auto at = std::lower_bound(samples.begin(), samples.end(), driveSeconds,
                                     [](const auto &sample, double s) { return sample.seconds < s; });
    const telemetry::DriveTrack::Sample *best = nullptr;
    // The nearest fix on either side, within reach.
    for (auto it = at; it != samples.end() && it->seconds - driveSeconds <= kSpeedReach; ++it) {
        if (it->fix) {
            best = &*it;
            break;
        }
    }
    for (auto it = at; it != samples.begin() && driveSeconds - std::prev(it)->seconds <= kSpeedReach; --it) {
        const auto &sample = *std::prev(it);
        if (sample.fix) {
            if (!best || driveSeconds - sample.seconds < best->seconds - driveSeconds)
                best = &sample;
            break;
        }
    }
    if (!best)
        return std::nullopt;
    return shownSpeed(best->speedKmh);
}

std::vector<QPolygonF> SpeedChartView::speedLines() const
{
    std::vector<QPolygonF> lines;
    QPolygonF line;
    std::optional<Column> column;
    double lastSeconds = 0;
    const auto endLine = [&] {
        if (column)
            column->appendTo(line);
        column.reset();
        if (!line.isEmpty())
            lines.push_back(std::move(line));
        line = QPolygonF();
    };
    for (const telemetry::DriveTrack::Sample &sample : track()->samples) {
        if (!sample.fix || !std::isfinite(sample.seconds)) {
            endLine();
            continue;
        }
        if (column && sample.seconds - lastSeconds > kMaxJoinedGapSeconds)
            endLine();
        lastSeconds = sample.seconds;
        const QPointF p(xOfSeconds(sample.seconds), yOfSpeed(shownSpeed(sample.speedKmh)));
        const int c = int(std::floor(p.x()));
        if (column && column->column == c) {
            column->add(p);
            continue;
        }
        if (column)
            column->appendTo(line);
        column = Column{c, p, p, p.y(), p.y(), true};
    }
    endLine();
    return lines;
}

void SpeedChartView::paintEmpty(QPainter &painter) const
{
    paintPanel(painter);
}

void SpeedChartView::paintPanel(QPainter &painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(kPanelEdge, 1));
    painter.setBrush(kPanel);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    painter.restore();
}

void SpeedChartView::paintDrive(QPainter &painter) const
{
    paintPanel(painter);
    double top = 0;
    bool anyFix = false;
    for (const telemetry::DriveTrack::Sample &sample : track()->samples) {
        if (sample.fix) {
            anyFix = true;
            top = std::max(top, shownSpeed(sample.speedKmh));
        }
    }
    m_scaleTop = 0;
    double step = 0;
    if (anyFix) {
        // Round steps, at most four of them, with the top speed just under the highest.
        step = roundStep(std::max(top, 1.0) * 1.02, {5, 10, 20, 25, 50, 100, 200, 500}, 4);
        m_scaleTop = std::max(1.0, std::ceil(std::max(top, 1.0) * 1.02 / step)) * step;
    }
    paintClipSpans(painter);
    paintTimeScale(painter);
    if (!anyFix) {
        painter.setPen(kScaleText);
        QFont font = this->font();
        font.setPixelSize(12);
        painter.setFont(font);
        painter.drawText(plotRect(), Qt::AlignCenter, localized("No speed recorded"));
        return;
    }
    paintSpeedScale(painter, step);
    paintSpeed(painter);
    paintEvents(painter);
}

void SpeedChartView::paintSpeedScale(QPainter &painter, double step) const
{
    painter.save();
    const QRectF plot = plotRect();
    const QFont font = scaleFont(this->font());
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    for (double speed = 0; speed <= m_scaleTop + 1e-9; speed += step) {
        const double y = std::round(yOfSpeed(speed)) + 0.5;
        painter.setPen(speed == 0 ? QPen(kAxis, 1) : QPen(kGrid, 1, Qt::DashLine));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(kScaleText);
        const QRectF label(0, y - metrics.height() / 2, plot.left() - 7, metrics.height());
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, QString::number(int(speed)));
    }
    // The unit over the figures.
    painter.drawText(QRectF(0, 3, plot.left() + 20, metrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("  ") + unitText(m_milesPerHour));
    painter.restore();
}

void SpeedChartView::paintTimeScale(QPainter &painter) const
{
    painter.save();
    const QRectF plot = plotRect();
    const double duration = track()->durationSeconds;
    const QFont font = scaleFont(this->font());
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    const double pixelsPerSecond = plot.width() / duration;
    const double step = roundStep(duration, {5, 10, 15, 30, 60, 120, 300, 600, 900, 1200, 1800, 3600, 7200, 10800},
                                  std::max(1.0, plot.width() / kMinTimeTickSpacing));
    const bool hours = duration >= 3600;
    double lastRight = -1e9;
    for (double t = 0; t <= duration + 1e-9; t += step) {
        const double x = std::floor(plot.left() + t * pixelsPerSecond) + 0.5;
        painter.setPen(QPen(kGrid, 1, Qt::DashLine));
        if (t > 0)
            painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        painter.setPen(QPen(kAxis, 1));
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 4));
        const QString text = timeTickText(t, hours);
        const double textWidth = metrics.horizontalAdvance(text);
        const double left = std::clamp(x - textWidth / 2, 2.0, width() - textWidth - 2);
        if (left < lastRight + 6)
            continue;
        lastRight = left + textWidth;
        painter.setPen(kScaleText);
        painter.drawText(QPointF(left, plot.bottom() + 6 + metrics.ascent()), text);
    }
    // Where each clip starts, small along the time axis.
    painter.setPen(QPen(kAxis, 1));
    for (const telemetry::DriveTrack::Clip &clip : track()->clips) {
        const double x = std::floor(xOfSeconds(clip.offsetSeconds)) + 0.5;
        painter.drawLine(QPointF(x, plot.bottom() - 2), QPointF(x, plot.bottom()));
    }
    painter.restore();
}

void SpeedChartView::paintClipSpans(QPainter &painter) const
{
    const QRectF plot = plotRect();
    const auto span = [&](const telemetry::DriveTrack::Clip &clip) {
        const double left = std::floor(xOfSeconds(clip.offsetSeconds));
        const double right = std::max(left + 1, std::ceil(xOfSeconds(clip.offsetSeconds + clip.durationSeconds)));
        return QRectF(left, plot.top(), right - left, plot.height());
    };
    // Clips not read yet are hatched, so their empty stretch reads as "still coming".
    for (const telemetry::DriveTrack::Clip &clip : track()->clips) {
        if (!clip.read)
            painter.fillRect(span(clip), QBrush(kGrid, Qt::BDiagPattern));
    }
    if (currentClip() < 0)
        return;
    const QRectF current = span(track()->clips[std::size_t(currentClip())]);
    painter.fillRect(current, withAlpha(kAccent, 26));
    painter.fillRect(QRectF(current.left(), plot.top() - 3, current.width(), 2), withAlpha(kAccent, 170));
}

void SpeedChartView::paintSpeed(QPainter &painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF plot = plotRect();
    const std::vector<QPolygonF> lines = speedLines();
    QLinearGradient fill(0, plot.top(), 0, plot.bottom());
    fill.setColorAt(0, withAlpha(kAccent, 80));
    fill.setColorAt(1, withAlpha(kAccent, 6));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    // A line denser than the pixels it runs over (a long drive's columns of highs and lows) fills
    // and strokes many times faster without smoothing, and looks the same.
    const auto isDense = [](const QPolygonF &line) {
        return line.size() > 2 * std::max(1.0, line.last().x() - line.first().x());
    };
    for (const QPolygonF &line : lines) {
        const bool dense = isDense(line);
        painter.setRenderHint(QPainter::Antialiasing, !dense);
        // Dense, the area under the line is filled under each column's highest point: a shape of a
        // point a pixel that fills at once, where the line's zigzag would take many passes.
        QPolygonF area;
        for (const QPointF &point : line) {
            if (dense && !area.isEmpty() && std::floor(area.last().x()) == std::floor(point.x()))
                area.last().setY(std::min(area.last().y(), point.y()));
            else
                area << point;
        }
        area << QPointF(line.last().x(), plot.bottom()) << QPointF(line.first().x(), plot.bottom());
        painter.drawPolygon(area);
    }
    painter.setBrush(Qt::NoBrush);
    for (const QPolygonF &line : lines) {
        const bool dense = isDense(line);
        painter.setRenderHint(QPainter::Antialiasing, !dense);
        painter.setPen(dense ? QPen(kAccent, 1) : QPen(kAccent, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(line);
    }
    painter.restore();
}

void SpeedChartView::paintEvents(QPainter &painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF plot = plotRect();
    for (const telemetry::DriveTrack::Event &event : track()->events) {
        const QColor color = gforceEventColor(event.kind);
        const double x = std::floor(xOfSeconds(event.seconds)) + 0.5;
        const std::optional<double> speed = speedAt(event.seconds);
        const double y = speed ? yOfSpeed(*speed) : plot.bottom();
        painter.setPen(QPen(withAlpha(color, 110), 1, Qt::DotLine));
        painter.drawLine(QPointF(x, plot.top() + 5), QPointF(x, y));
        painter.fillPath(downwardPennant(x, plot.top() - 1, 4.5, 7), color);
        if (speed) {
            painter.setPen(QPen(kOutline, 1));
            painter.setBrush(color);
            painter.drawEllipse(QPointF(x, y), 3, 3);
        }
    }
    painter.restore();
}

QString SpeedChartView::hoverText(double x) const
{
    const QString moment = DriveTimeView::hoverText(x);
    const std::optional<double> speed = speedAt(secondsAtX(x));
    if (moment.isEmpty() || !speed)
        return moment;
    return moment + QStringLiteral(" · %1 %2").arg(std::lround(*speed)).arg(unitText(m_milesPerHour));
}

void SpeedChartView::paintPlayhead(QPainter &painter, double x) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF plot = plotRect();
    painter.fillRect(QRectF(std::floor(x), plot.top(), 1, plot.height()), withAlpha(kPlayhead, 200));
    painter.fillPath(downwardPennant(x, plot.top() - 6, 5, 6), kPlayhead);
    if (const std::optional<double> speed = speedAt(position()); speed && m_scaleTop > 0) {
        painter.setPen(QPen(kOutline, 1.5));
        painter.setBrush(kPlayhead);
        painter.drawEllipse(QPointF(x, yOfSpeed(*speed)), 3.5, 3.5);
    }
    painter.restore();
}

} // namespace drovik
