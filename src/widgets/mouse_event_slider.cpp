#include "mouse_event_slider.h"

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

void MouseEventSlider::enterEvent(QEnterEvent *event)
{
    QSlider::enterEvent(event);
    emit sliderTouchedDown(this);
}

void MouseEventSlider::leaveEvent(QEvent *event)
{
    QSlider::leaveEvent(event);
    emit sliderTouchedUp(this);
}

void MouseEventSlider::mouseMoveEvent(QMouseEvent *event)
{
    QSlider::mouseMoveEvent(event);
    if (event->buttons() == Qt::NoButton)
        emit sliderTouchedDown(this);
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
    emit sliderTouchedUp(this);
    emit sliderTouchedDown(this);
}

} // namespace drovik
