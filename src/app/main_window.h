#pragma once

#include <QMainWindow>
#include <QPointer>


class QCloseEvent;
class QKeyEvent;
class QMimeData;

namespace drovik {

class MainWindowController;

// The main window. Key presses anywhere in it (other than typing into an editable text field)
// go to handleKeyEvent(), which triggers the controller's action for the key. A folder or clip
// dragged from a file manager onto any part of it is offered as pathDropped().
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    void setKeyEventDelegate(MainWindowController *controller);
    MainWindowController *keyEventDelegate() const;

    // True when the key maps to an action (performed or not: a mapped key is always consumed).
    bool handleKeyEvent(QKeyEvent *event);

    // What a drop of these data would open: one local folder, or local clips of one folder (the
    // first of them); "" for anything else, which the window refuses.
    static QString droppedPath(const QMimeData *data);

signals:
    // The content area changed size.
    void resized();
    // A folder or a clip was dropped on the window (a path droppedPath() accepts).
    void pathDropped(const QString &path);
    // The user closes the window.
    void closing();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Drag events over any widget of the window, the map's web view included; true when handled.
    bool handleDragEvent(QEvent *event);

    QPointer<MainWindowController> m_keyEventDelegate;
};

} // namespace drovik
