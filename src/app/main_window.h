#pragma once

#include <QMainWindow>
#include <QPointer>

#include <optional>

class QKeyEvent;

namespace drovik {

// The action a key press asks for, by the name of the delegate operation that carries it out
// ("playPauseButtonTouched"), or nothing for a key the window does not use. Q, W and M act
// only with Control (Command on macOS keyboards maps to Control in Qt); the other keys act
// whatever modifiers are held.
std::optional<const char *> keyActionName(int key, Qt::KeyboardModifiers modifiers);

// Performs the named operation on target if it has one, passing sender when the operation takes
// an argument; an operation the target lacks is skipped. Returns whether one was performed.
bool performIfResponds(QObject *target, const char *name, QObject *sender);

// The main window. Key presses anywhere in it (other than typing into an editable text field)
// go to handleKeyEvent(), which hands the mapped action to the key-event delegate.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    void setKeyEventDelegate(QObject *delegate) { m_keyEventDelegate = delegate; }
    QObject *keyEventDelegate() const { return m_keyEventDelegate; }

    // True when the key maps to an action (performed or not: a mapped key is always consumed).
    bool handleKeyEvent(QKeyEvent *event);

signals:
    // The content area changed size.
    void resized();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPointer<QObject> m_keyEventDelegate;
};

} // namespace drovik
