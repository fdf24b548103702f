#include "event_navigation.h"

#include "display/gforce_event_style.h"
#include "display/gravity_graph_view.h"
#include "display/slider_views.h"
#include "i18n/drovik_languages.h"
#include "telemetry/clip_data.h"
#include "widgets/view_helpers.h"

#include <QAbstractButton>
#include <QHelpEvent>
#include <QToolTip>

namespace drovik {

EventNavigation::EventNavigation(SeekTimeSliderView &seekBar, GravityGraphView &graph,
                                 QAbstractButton &previous, QAbstractButton &next, Position position,
                                 QObject *parent)
    : QObject(parent)
    , m_seekBar(seekBar)
    , m_graph(graph)
    , m_previous(&previous)
    , m_next(&next)
    , m_position(std::move(position))
{
    m_previousAction = makeAction(this, [this] {
        if (const std::optional<double> now = m_position())
            previousEvent(*now);
    }, {QKeySequence(Qt::Key_PageUp)});
    m_nextAction = makeAction(this, [this] {
        if (const std::optional<double> now = m_position())
            nextEvent(*now);
    }, {QKeySequence(Qt::Key_PageDown)});
    showAction(&previous, m_previousAction);
    showAction(&next, m_nextAction);
    for (QAbstractButton *button : {m_previous.data(), m_next.data()})
        button->installEventFilter(this);
    clear();
}

void EventNavigation::showEventsOf(const DrovikClipData &clip)
{
    show(telemetry::detectGForceEvents(clip));
}

void EventNavigation::showEventsOf(const telemetry::TimedRecord &record)
{
    show(telemetry::detectGForceEvents(record));
}

void EventNavigation::clear()
{
    show({});
}

void EventNavigation::show(std::vector<telemetry::GForceEvent> events)
{
    m_events = std::move(events);
    QList<SeekTimeSliderView::Mark> marks;
    for (const telemetry::GForceEvent &event : m_events)
        marks.append({event.timeSeconds, gforceEventColor(event.kind)});
    m_seekBar.setMarks(std::move(marks));
    m_graph.setEvents(m_events);
    enableActions();
}

void EventNavigation::enableActions()
{
    for (QAction *action : {m_previousAction, m_nextAction})
        action->setEnabled(!m_events.empty() || (m_eventsBeyond && m_beyond));
}

void EventNavigation::setBeyond(Beyond beyond)
{
    m_beyond = std::move(beyond);
    enableActions();
}

void EventNavigation::setEventsBeyond(bool available)
{
    m_eventsBeyond = available;
    enableActions();
}

void EventNavigation::previousEvent(double now)
{
    if (const std::optional<double> to = telemetry::previousEventSeekTime(m_events, now))
        emit seekRequested(*to);
    else if (m_beyond)
        m_beyond(false, now);
}

void EventNavigation::nextEvent(double now)
{
    if (const std::optional<double> to = telemetry::nextEventSeekTime(m_events, now))
        emit seekRequested(*to);
    else if (m_beyond)
        m_beyond(true, now);
}

bool EventNavigation::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTip && (watched == m_previous || watched == m_next)) {
        const QString text = watched == m_previous ? localized("Previous G-force event (Page Up)")
                                                   : localized("Next G-force event (Page Down)");
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text,
                           static_cast<QWidget *>(watched));
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace drovik
