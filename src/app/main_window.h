#pragma once

#include <QMainWindow>
#include <QPointer>


class QKeyEvent;

namespace drovik {

class MainWindowController;

// The main window. Key presses anywhere in it (other than typing into an editable text field)
// go to handleKeyEvent(), which triggers the controller's action for the key.
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
