#include "view_zoom.h"

#include "widgets/view_helpers.h"

#include <QScrollArea>
#include <QScrollBar>

namespace drovik {

ViewZoom::ViewZoom(QWidget &view, QScrollArea &scroll, QObject *parent)
    : QObject(parent)
    , m_view(view)
    , m_scroll(scroll)
    , m_zoomIn(makeAction(this, &ViewZoom::zoomIn, {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}))
    , m_zoomOut(makeAction(this, &ViewZoom::zoomOut, {QKeySequence(Qt::CTRL | Qt::Key_Minus)}))
    , m_reset(makeAction(this, &ViewZoom::reset, {QKeySequence(Qt::CTRL | Qt::Key_0)}))
    , m_pan(makeAction(this, &ViewZoom::togglePanning))
{
}

void ViewZoom::setEnabled(bool enabled)
{
    for (QAction *action : {m_zoomIn, m_zoomOut, m_reset, m_pan})
        action->setEnabled(enabled);
}

void ViewZoom::startClip()
{
    m_scale = 1.0;
    m_panning = true;
    m_touched = false;
    togglePanning();
}

void ViewZoom::togglePanning()
{
    m_panning = !m_panning;
    emit panningChanged(m_panning);
    apply(m_scale);
}

void ViewZoom::zoomIn()
{
    m_scale = qMin(m_scale + 0.2, 5.0);
    apply(m_scale);
}

void ViewZoom::zoomOut()
{
    m_scale -= 0.2;
    if (m_scale < 1.0) {
        m_scale = 1.0;
        m_touched = false;
    }
    apply(m_scale);
}

void ViewZoom::reset()
{
    m_scale = 1.0;
    m_touched = false;
    apply(m_scale);
}

void ViewZoom::apply(double scale)
{
    QMetaObject::invokeMethod(this, [this, scale] {
        // The large view shown full screen fills its screen, whatever the zoom.
        if (m_suspended)
            return;
        m_view.resize((QSizeF(m_scroll.size()) * scale).toSize());
        const auto policy = (scale > 1.0 && m_panning) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
        m_scroll.setHorizontalScrollBarPolicy(policy);
        m_scroll.setVerticalScrollBarPolicy(policy);
        if (!m_touched) {
            const QSize visible = m_scroll.viewport()->size();
            m_scroll.horizontalScrollBar()->setValue((m_view.width() - visible.width()) / 2);
            m_scroll.verticalScrollBar()->setValue((m_view.height() - visible.height()) / 2);
        }
    }, Qt::QueuedConnection);
}

} // namespace drovik
