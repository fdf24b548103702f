#include "drovik_cancel_event_view.h"

#include <QElapsedTimer>
#include <QKeyEvent>

namespace drovik {

namespace {

QPointer<QObject> &currentHandler()
{
    static QPointer<QObject> handler;
    return handler;
}

qint64 steadyMilliseconds()
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return clock.elapsed();
}

} // namespace

DrovikCancelEventView::DrovikCancelEventView(QWidget *parent)
    : QWidget(parent)
    , m_clock(&steadyMilliseconds)
{
    setFocusPolicy(Qt::StrongFocus);
}

void DrovikCancelEventView::setEventHandlerViewController(QObject *controller)
{
    m_savedHandler = currentHandler();
    currentHandler() = controller;
}

void DrovikCancelEventView::restoreEventHandler()
{
    currentHandler() = m_savedHandler;
}

QObject *DrovikCancelEventView::eventHandlerViewController()
{
    return currentHandler();
}

bool DrovikCancelEventView::escapeActs(std::optional<qint64> lastActedMs, qint64 nowMs)
{
    return !lastActedMs || nowMs - *lastActedMs > kRepeatIgnoredMs;
}

void DrovikCancelEventView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    const qint64 now = m_clock();
    if (!escapeActs(m_lastEscapeMs, now))
        return;
    m_lastEscapeMs = now;
    QObject *handler = currentHandler();
    auto *cancel = dynamic_cast<CancelEventHandler *>(handler);
    if (!cancel)
        return;
    // Queued: the dialog may close itself, and with it this view, while handling it.
    QPointer<DrovikCancelEventView> self(this);
    QMetaObject::invokeMethod(handler, [cancel, self] { cancel->cancelButtonTouched(self); },
                              Qt::QueuedConnection);
}

} // namespace drovik
