#include "focus_ring.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace drovik {

namespace {
const QColor kAccent(0x19, 0xc3, 0xe6);
} // namespace

FocusRing::FocusRing(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    for (QWidget *&edge : m_edges) {
        edge = new QWidget(window);
        edge->setObjectName(QStringLiteral("focusRingEdge"));
        edge->setAttribute(Qt::WA_TransparentForMouseEvents);
        edge->setAutoFillBackground(true);
        QPalette palette = edge->palette();
        palette.setColor(QPalette::Window, kAccent);
        edge->setPalette(palette);
        edge->hide();
    }
    window->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { follow(now); });
}

void FocusRing::follow(QWidget *focused)
{
    if (m_target)
        m_target->removeEventFilter(this);
    const bool framed = focused && focused != m_window && focused->window() == m_window
        && focused->focusPolicy() != Qt::NoFocus && !std::ranges::count(m_edges, focused);
    m_target = framed ? focused : nullptr;
    if (m_target)
        m_target->installEventFilter(this);
    place();
}

void FocusRing::place()
{
    // Only the part of the control that shows (a zoomed picture is larger than its view).
    const QRect shown = m_target && m_target->isVisible() && m_target->window() == m_window
        ? m_target->visibleRegion().boundingRect()
        : QRect();
    if (shown.isEmpty()) {
        for (QWidget *edge : m_edges)
            edge->hide();
        return;
    }
    const QRect r = QRect(m_target->mapTo(m_window, shown.topLeft()), shown.size())
                        .adjusted(-kWidth, -kWidth, kWidth, kWidth)
                        .intersected(m_window->rect());
    m_edges[0]->setGeometry(r.left(), r.top(), r.width(), kWidth);
    m_edges[1]->setGeometry(r.left(), r.bottom() - kWidth + 1, r.width(), kWidth);
    m_edges[2]->setGeometry(r.left(), r.top(), kWidth, r.height());
    m_edges[3]->setGeometry(r.right() - kWidth + 1, r.top(), kWidth, r.height());
    for (QWidget *edge : m_edges) {
        edge->show();
        edge->raise();
    }
}

bool FocusRing::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::ParentChange:
    case QEvent::LayoutRequest:
        if (watched == m_window || watched == m_target)
            place();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace drovik
