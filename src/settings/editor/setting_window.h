#pragma once

#include "drovik_view_controller.h"

#include <QDialog>
#include <QPointer>

namespace drovik {


// The modal window that hosts a settings page: centred on its parent, without title bar when
// asked (then it is moved by dragging the page), and still able to take the keyboard so that
// Escape reaches the page. Its result is the page's: 1 for OK, 0 for Cancel.
class SettingWindow : public QDialog {
    Q_OBJECT
public:
    explicit SettingWindow(QWidget *parent = nullptr);

    // Shows targetView modally over parent and returns the modal code (blocks).
    int showModalWindow(QWidget *parent, QWidget *targetView, DrovikViewController *targetViewController,
                        bool showTitleBar);
    // The same without waiting: the window is shown window-modal and finished(code) follows.
    void beginModalWindow(QWidget *parent, QWidget *targetView, DrovikViewController *targetViewController,
                          bool showTitleBar);

    // Where a view of size goes to be centred on parentFrame.
    static QRect centredFrame(const QRect &parentFrame, const QSize &size);

    DrovikViewController *keyEventDelegate() const { return m_keyEventDelegate; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void prepare(QWidget *parent, QWidget *targetView, DrovikViewController *targetViewController,
                 bool showTitleBar);

    QPointer<DrovikViewController> m_keyEventDelegate;
    QPointer<QWidget> m_targetView;
};

} // namespace drovik
