#include "drive_time_view.h"

#include "i18n/drovik_languages.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace drovik {

DriveTimeView::DriveTimeView(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
}

DriveTimeView::~DriveTimeView() = default;

void DriveTimeView::setTrack(std::shared_ptr<const telemetry::DriveTrack> track, int currentClip)
{
    m_track = std::move(track);
    m_currentClip = m_track && currentClip >= 0 && currentClip < int(m_track->clips.size()) ? currentClip : -1;
    if (hasDrive())
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
    invalidateLayer();
}

void DriveTimeView::clear()
{
    m_position = 0;
    setTrack(nullptr, -1);
}

void DriveTimeView::setPosition(double driveSeconds)
{
    if (!std::isfinite(driveSeconds))
        return;
    const int before = playheadColumn();
    m_position = driveSeconds;
    const int after = playheadColumn();
    if (before == after)
        return;
    for (const int column : {before, after}) {
        if (column >= 0)
            update(column - kPlayheadReach, 0, 2 * kPlayheadReach + 1, height());
    }
}

bool DriveTimeView::hasDrive() const
{
    return m_track && !m_track->clips.empty() && m_track->durationSeconds > 0 && std::isfinite(m_track->durationSeconds);
}

double DriveTimeView::xOfSeconds(double driveSeconds) const
{
    const QRectF plot = plotRect();
    if (!hasDrive())
        return plot.left();
    const double share = std::isfinite(driveSeconds) ? std::clamp(driveSeconds / m_track->durationSeconds, 0.0, 1.0) : 0.0;
    return plot.left() + share * plot.width();
}

double DriveTimeView::secondsAtX(double x) const
{
    const QRectF plot = plotRect();
    if (!hasDrive() || !(plot.width() > 0) || !std::isfinite(x))
        return 0;
    return std::clamp((x - plot.left()) / plot.width(), 0.0, 1.0) * m_track->durationSeconds;
}

std::optional<telemetry::DriveTrack::Moment> DriveTimeView::momentAtX(double x) const
{
    if (!hasDrive())
        return std::nullopt;
    return m_track->momentAt(secondsAtX(x));
}

int DriveTimeView::playheadColumn() const
{
    if (!hasDrive() || width() <= 0)
        return -1;
    return std::clamp(int(std::floor(xOfSeconds(m_position))), 0, width() - 1);
}

void DriveTimeView::invalidateLayer()
{
    m_layer.invalidate();
    update();
}

void DriveTimeView::resizeEvent(QResizeEvent *event)
{
    invalidateLayer();
    QWidget::resizeEvent(event);
}

const QPixmap &DriveTimeView::layer() const
{
    return m_layer.picture(*this, [this](QPainter &painter) {
        if (hasDrive() && !plotRect().isEmpty())
            paintDrive(painter);
        else
            paintEmpty(painter);
    });
}

void DriveTimeView::paintEmpty(QPainter &) const {}

QString DriveTimeView::hoverText(double x) const
{
    const auto moment = momentAtX(x);
    return moment ? driveMomentText(*m_track, *moment) : QString();
}

void DriveTimeView::paintEvent(QPaintEvent *)
{
    if (width() <= 0 || height() <= 0)
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, layer());
    if (const int column = playheadColumn(); column >= 0)
        paintPlayhead(painter, column + 0.5);
}

void DriveTimeView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !hasDrive())
        return QWidget::mousePressEvent(event);
    if (const auto moment = momentAtX(event->position().x()))
        emit momentClicked(moment->clip, moment->clipSeconds);
}

bool DriveTimeView::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const QString text = hoverText(help->pos().x());
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, this);
    return true;
}

QString driveClockText(double seconds)
{
    const int whole = std::isfinite(seconds) ? int(std::max(0.0, std::floor(seconds))) : 0;
    if (whole >= 3600)
        return QString::asprintf("%d:%02d:%02d", whole / 3600, whole / 60 % 60, whole % 60);
    return QString::asprintf("%02d:%02d", whole / 60, whole % 60);
}

QString driveMomentText(const telemetry::DriveTrack &track, const telemetry::DriveTrack::Moment &moment)
{
    // Without its string table the text is left out rather than shown with its placeholders.
    const QString pattern = localized("Clip %1 of %2 · %3");
    if (pattern.isEmpty())
        return QString();
    return pattern.arg(moment.clip + 1).arg(track.clips.size()).arg(driveClockText(moment.clipSeconds));
}

} // namespace drovik
