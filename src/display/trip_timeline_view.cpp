#include "trip_timeline_view.h"

#include "display/gforce_event_style.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace drovik {

namespace {

// The seek bar's track starts and ends half its knob in from its edges; the strip lines up with it.
constexpr double kInset = 5;
constexpr double kBarHeight = 8;
const QColor kGroove(0x15, 0x19, 0x1e);
const QColor kGrooveEdge(0x22, 0x27, 0x2e);
const QColor kReadClip(0x3a, 0x46, 0x53);
const QColor kReadClipTop(0x4a, 0x57, 0x65);
const QColor kUnreadClip(0x22, 0x28, 0x2f);
const QColor kUnreadHatch(0x2e, 0x35, 0x3e);
const QColor kCurrentClip(0x15, 0x79, 0x9a);
const QColor kCurrentEdge(0x19, 0xc3, 0xe6);
const QColor kOutline(0x0b, 0x0d, 0x10);
const QColor kPlayhead(0xf2, 0xf5, 0xf8);

} // namespace

TripTimelineView::TripTimelineView(QWidget *parent)
    : DriveTimeView(parent)
{
}

QRectF TripTimelineView::plotRect() const
{
    return QRectF(kInset, 0, std::max(0.0, width() - 2 * kInset), height());
}

QRectF TripTimelineView::clipRect(const telemetry::DriveTrack::Clip &clip) const
{
    const double left = xOfSeconds(clip.offsetSeconds);
    const double right = xOfSeconds(clip.offsetSeconds + clip.durationSeconds);
    const double top = std::round((height() - kBarHeight) / 2);
    // A clip keeps one pixel to each side free, so the boundary between two shows as a gap,
    // unless it is too short to spare them.
    const double gap = right - left >= 4 ? 1 : 0;
    return QRectF(left + gap, top, std::max(1.0, right - left - 2 * gap), kBarHeight);
}

void TripTimelineView::paintDrive(QPainter &painter) const
{
    const telemetry::DriveTrack &drive = *track();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF plot = plotRect();
    const double barTop = std::round((height() - kBarHeight) / 2);
    // The groove the clips sit in; the time between clips (no recording) shows it empty.
    painter.setPen(QPen(kGrooveEdge, 1));
    painter.setBrush(kGroove);
    painter.drawRoundedRect(QRectF(plot.left() - 1.5, barTop - 1.5, plot.width() + 3, kBarHeight + 3), 3, 3);

    painter.setPen(Qt::NoPen);
    for (int c = 0; c < int(drive.clips.size()); ++c) {
        const telemetry::DriveTrack::Clip &clip = drive.clips[std::size_t(c)];
        if (c == currentClip())
            continue;
        const QRectF r = clipRect(clip);
        if (clip.read) {
            painter.setBrush(kReadClip);
            painter.drawRoundedRect(r, 1.5, 1.5);
            painter.fillRect(QRectF(r.left(), r.top(), r.width(), 1), kReadClipTop);
        } else {
            painter.setBrush(kUnreadClip);
            painter.drawRoundedRect(r, 1.5, 1.5);
            painter.setBrush(QBrush(kUnreadHatch, Qt::BDiagPattern));
            painter.drawRoundedRect(r, 1.5, 1.5);
        }
    }
    if (currentClip() >= 0) {
        const QRectF r = clipRect(drive.clips[std::size_t(currentClip())]);
        painter.setPen(QPen(kCurrentEdge, 1));
        painter.setBrush(kCurrentClip);
        painter.drawRoundedRect(r.adjusted(0.5, -0.5, -0.5, 0.5), 2, 2);
    }

    // The events stand above and below the bar, where the clips' colours do not hide them.
    painter.setPen(QPen(kOutline, 1));
    for (const telemetry::DriveTrack::Event &event : drive.events) {
        const double x = std::floor(xOfSeconds(event.seconds)) + 0.5;
        painter.setBrush(gforceEventColor(event.kind));
        painter.drawRoundedRect(QRectF(x - 1.5, 2, 3, height() - 4), 1.5, 1.5);
    }
}

void TripTimelineView::paintPlayhead(QPainter &painter, double x) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(kOutline, 1));
    painter.setBrush(kPlayhead);
    painter.drawRoundedRect(QRectF(x - 1.5, 0.5, 3, height() - 1), 1.5, 1.5);
    // A small head over the groove, where the eye finds it among the event ticks.
    painter.fillPath(downwardPennant(x, 0, 4.5, 5), kPlayhead);
    painter.restore();
}

} // namespace drovik
