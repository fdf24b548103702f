#include "mouse_event_slider.h"

#include "display/delegate_call.h"

#include <QMouseEvent>

namespace drovik {

MouseEventSlider::MouseEventSlider(QWidget *parent)
    : MouseEventSlider(Qt::Horizontal, parent)
{
}

MouseEventSlider::MouseEventSlider(Qt::Orientation orientation, QWidget *parent)
    : QSlider(orientation, parent)
{
    // Moves without a button pressed are reported too.
    setMouseTracking(true);
}

void MouseEventSlider::report(const char *callback)
{
    sendIfImplemented<QObject *>(m_delegate.data(), callback, this);
}

void MouseEventSlider::enterEvent(QEnterEvent *event)
{
    QSlider::enterEvent(event);
    report("sliderTouchedDown");
}

void MouseEventSlider::leaveEvent(QEvent *event)
{
    QSlider::leaveEvent(event);
    report("sliderTouchedUp");
}

void MouseEventSlider::mouseMoveEvent(QMouseEvent *event)
{
    QSlider::mouseMoveEvent(event);
    if (event->buttons() == Qt::NoButton)
        report("sliderTouchedDown");
}

void MouseEventSlider::mousePressEvent(QMouseEvent *event)
{
    QSlider::mousePressEvent(event);
    m_pressed = true;
}

void MouseEventSlider::mouseReleaseEvent(QMouseEvent *event)
{
    QSlider::mouseReleaseEvent(event);
    if (!m_pressed || event->buttons() != Qt::NoButton)
        return;
    m_pressed = false;
    report("sliderTouchedUp");
    report("sliderTouchedDown");
}

} // namespace drovik
