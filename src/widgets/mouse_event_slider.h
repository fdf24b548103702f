#pragma once

#include <QPointer>
#include <QSlider>

namespace drovik {

// A standard slider that also tells its delegate when the pointer is over it, for the settings
// editors, which show help for the control under the pointer.
//
// Delegate callbacks (slots or Q_INVOKABLE methods of the delegate, each called only when the
// delegate has it), with the slider itself:
//   sliderTouchedDown(QObject*)   the pointer entered or moved over the slider; after a press
//   sliderTouchedUp(QObject*)     the pointer left the slider; after a press, first
// A press reports Up then Down once its button is released (the slider's own tracking of the
// drag comes first); moves during the drag report nothing.
class MouseEventSlider : public QSlider {
    Q_OBJECT
public:
    explicit MouseEventSlider(QWidget *parent = nullptr);
    explicit MouseEventSlider(Qt::Orientation orientation, QWidget *parent = nullptr);

    void setDelegate(QObject *delegate) { m_delegate = delegate; }
    QObject *delegate() const { return m_delegate; }

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void report(const char *callback);

    QPointer<QObject> m_delegate;
    bool m_pressed = false;
};

} // namespace drovik
