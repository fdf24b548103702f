#pragma once

#include "telemetry/gforce_events.h"
#include "telemetry/timed_record.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>
#include <vector>

class QAbstractButton;
class QAction;

namespace drovik {

class DrovikClipData;
class GravityGraphView;
class SeekTimeSliderView;

// The G-force events of the playing clip: found when its telemetry arrives, marked on the seek
// bar and on the graph, and stepped through with the previous/next event buttons and keys. The
// buttons are enabled only while the clip has events. A jump lands a little before the event's
// peak (telemetry::eventSeekTime), so the viewer sees the car come into it.
class EventNavigation : public QObject {
    Q_OBJECT
public:
    // The playing position, or nothing while no clip is open.
    using Position = std::function<std::optional<double>()>;

    // The buttons show the previous/next actions.
    EventNavigation(SeekTimeSliderView &seekBar, GravityGraphView &graph, QAbstractButton &previous,
                    QAbstractButton &next, Position position, QObject *parent = nullptr);

    // Finds and marks the events of the clip the graph now shows.
    void showEventsOf(const DrovikClipData &clip);
    void showEventsOf(const telemetry::TimedRecord &record);
    // No clip: no marks, buttons disabled.
    void clear();
    const std::vector<telemetry::GForceEvent> &events() const { return m_events; }
    // Jump to the previous/next event from the playing position (Page Up / Page Down).
    QAction *previousAction() const { return m_previousAction; }
    QAction *nextAction() const { return m_nextAction; }

    // Beyond the clip: when the clip has no event that way, `beyond(forward, now)` is asked to go
    // on into a neighbouring clip (a trip's); it answers whether there was one. `available` says
    // whether there are events beyond at all, which keeps the buttons on for a clip without any.
    using Beyond = std::function<bool(bool forward, double now)>;
    void setBeyond(Beyond beyond);
    void setEventsBeyond(bool available);
    // From the playing position `now`: asks for a seek to the previous or next event, or goes
    // beyond the clip, or does nothing when there is none that way.
    void previousEvent(double now);
    void nextEvent(double now);

signals:
    void seekRequested(double seconds);

protected:
    // The buttons' tooltips, looked up when shown so they follow the interface language.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show(std::vector<telemetry::GForceEvent> events);
    void enableActions();

    SeekTimeSliderView &m_seekBar;
    GravityGraphView &m_graph;
    QPointer<QAbstractButton> m_previous;
    QPointer<QAbstractButton> m_next;
    std::vector<telemetry::GForceEvent> m_events;
    Position m_position;
    Beyond m_beyond;
    bool m_eventsBeyond = false;
    QAction *m_previousAction = nullptr;
    QAction *m_nextAction = nullptr;
};

} // namespace drovik
