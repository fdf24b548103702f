#pragma once

#include <QMainWindow>
#include <QPointer>

#include <optional>
#include <variant>

class QKeyEvent;

namespace drovik {

class MainWindowController;

// What a key of the main window does: a handler of the controller, called with the window as
// sender when it takes one. Being member-function pointers, a handler that does not exist does
// not compile.
using KeyAction = std::variant<void (MainWindowController::*)(QObject *), void (MainWindowController::*)()>;

// The action of a key press, or nothing for a key the window does not use. Q, W and M act only
// with Control (Command on macOS keyboards maps to Control in Qt); the other keys act whatever
// modifiers are held.
std::optional<KeyAction> keyAction(int key, Qt::KeyboardModifiers modifiers);

// The main window. Key presses anywhere in it (other than typing into an editable text field)
// go to handleKeyEvent(), which performs the key's action on the controller.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    void setKeyEventDelegate(MainWindowController *controller);
    MainWindowController *keyEventDelegate() const;

    // True when the key maps to an action (performed or not: a mapped key is always consumed).
    bool handleKeyEvent(QKeyEvent *event);

signals:
    // The content area changed size.
    void resized();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPointer<MainWindowController> m_keyEventDelegate;
};

} // namespace drovik
