#pragma once

#include <QSlider>

namespace drovik {

// A standard slider that also tells when the pointer is over it, for the settings editors,
// which show help for the control under the pointer and keep the one touched last.
//
// sliderTouchedDown: the pointer entered or moved over the slider; after a press.
// sliderTouchedUp: the pointer left the slider; after a press, first.
// A press reports Up then Down once its button is released (the slider's own tracking of the
// drag comes first); moves during the drag report nothing.
class MouseEventSlider : public QSlider {
    Q_OBJECT
public:
    explicit MouseEventSlider(QWidget *parent = nullptr);
    explicit MouseEventSlider(Qt::Orientation orientation, QWidget *parent = nullptr);

signals:
    void sliderTouchedDown(drovik::MouseEventSlider *slider);
    void sliderTouchedUp(drovik::MouseEventSlider *slider);

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace drovik
