#pragma once

#include <QWidget>

namespace drovik {

// A plain view that hands its mouse and key events on to whoever listens: a settings page lays
// one over its content so that its controller sees presses, drags and keys anywhere on it.
// Each event is reported once, as it arrives; unlistened events are simply dropped.
class DrovikEventView : public QWidget {
    Q_OBJECT
public:
    explicit DrovikEventView(QWidget *parent = nullptr);

signals:
    void mouseDown(QMouseEvent *event);
    void mouseDragged(QMouseEvent *event);
    void mouseMoved(QMouseEvent *event);
    void mouseUp(QMouseEvent *event);
    void mouseExited(QEvent *event);
    void keyDown(QKeyEvent *event);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace drovik
