#include "drovik_event_view.h"

#include <QMouseEvent>

namespace drovik {

DrovikEventView::DrovikEventView(QWidget *parent) : QWidget(parent)
{
    // Moves without a button held are reported too.
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void DrovikEventView::mousePressEvent(QMouseEvent *event)
{
    emit mouseDown(event);
}

void DrovikEventView::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::NoButton)
        emit mouseDragged(event);
    else
        emit mouseMoved(event);
}

void DrovikEventView::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseUp(event);
}

void DrovikEventView::leaveEvent(QEvent *event)
{
    emit mouseExited(event);
}

void DrovikEventView::keyPressEvent(QKeyEvent *event)
{
    emit keyDown(event);
}

} // namespace drovik
