#pragma once

#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace drovik {

// A view's static picture (panel, scales, lines), drawn once and then copied on every repaint, so
// that what moves on it (a playhead) costs only its own few pixels. It is drawn again when made
// stale or when the view's size or pixel ratio no longer match.
class CachedLayer {
public:
    void invalidate() { m_valid = false; }

    // The picture for `view`, drawn by `paint(QPainter &)` onto a transparent pixmap when needed.
    template <typename Paint>
    const QPixmap &picture(const QWidget &view, Paint &&paint)
    {
        const qreal ratio = view.devicePixelRatioF();
        const QSizeF size(view.size());
        if (m_valid && m_pixmap.devicePixelRatio() == ratio && m_pixmap.deviceIndependentSize() == size)
            return m_pixmap;
        m_pixmap = QPixmap((size * ratio).toSize());
        m_pixmap.setDevicePixelRatio(ratio);
        m_pixmap.fill(Qt::transparent);
        QPainter painter(&m_pixmap);
        paint(painter);
        m_valid = true;
        return m_pixmap;
    }

private:
    QPixmap m_pixmap;
    bool m_valid = false;
};

} // namespace drovik
