#pragma once

#include <QObject>

class QAction;
class QScrollArea;
class QWidget;

namespace drovik {

// The zoom of the large player view (1.0 … 5.0, in steps of 0.2) inside its scroll view, and
// whether it may be panned there (scroll bars shown while zoomed). Unpanned, the zoomed picture
// stays centred.
class ViewZoom : public QObject {
    Q_OBJECT
public:
    ViewZoom(QWidget &view, QScrollArea &scroll, QObject *parent = nullptr);

    // Zoom in, out, back to 1:1, and panning on or off; enabled while a clip is open.
    QAction *zoomInAction() const { return m_zoomIn; }
    QAction *zoomOutAction() const { return m_zoomOut; }
    QAction *resetAction() const { return m_reset; }
    QAction *panAction() const { return m_pan; }
    void setEnabled(bool enabled);

    double scale() const { return m_scale; }
    bool isPanning() const { return m_panning; }

    // A new clip starts unzoomed with panning off.
    void startClip();
    void togglePanning();
    void zoomIn();
    void zoomOut();
    void reset();
    // Lays the view out at this scale. Queued, so that a zoom asked for while handling an event
    // applies after it; nothing happens while suspended (the view is shown full screen).
    void apply(double scale);
    void setSuspended(bool suspended) { m_suspended = suspended; }

signals:
    void panningChanged(bool panning);

private:
    QWidget &m_view;
    QScrollArea &m_scroll;
    double m_scale = 1.0;
    bool m_panning = false;
    bool m_touched = false;
    bool m_suspended = false;
    QAction *m_zoomIn = nullptr;
    QAction *m_zoomOut = nullptr;
    QAction *m_reset = nullptr;
    QAction *m_pan = nullptr;
};

} // namespace drovik
