#include "main_window.h"

#include "main_window_controller.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <algorithm>


namespace drovik {

namespace {

bool isEditableText(QObject *object)
{
    if (auto *line = qobject_cast<QLineEdit *>(object))
        return !line->isReadOnly();
    if (auto *text = qobject_cast<QTextEdit *>(object))
        return !text->isReadOnly();
    if (auto *plain = qobject_cast<QPlainTextEdit *>(object))
        return !plain->isReadOnly();
    return qobject_cast<QAbstractSpinBox *>(object) != nullptr;
}

// The keys a focused list keeps for moving through its rows and opening one; every other key
// is the window's.
bool isListKey(QObject *object, int key)
{
    static constexpr int kListKeys[] = {Qt::Key_Up,     Qt::Key_Down,     Qt::Key_Home,   Qt::Key_End,
                                        Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Return, Qt::Key_Enter};
    return qobject_cast<QAbstractItemView *>(object) && std::ranges::find(kListKeys, key) != std::end(kListKeys);
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    // Children such as the file list would otherwise take the arrows and Space for themselves.
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
}

void MainWindow::setKeyEventDelegate(MainWindowController *controller)
{
    m_keyEventDelegate = controller;
}

MainWindowController *MainWindow::keyEventDelegate() const
{
    return m_keyEventDelegate;
}

bool MainWindow::handleKeyEvent(QKeyEvent *event)
{
    MainWindowController *controller = keyEventDelegate();
    QAction *action = controller ? controller->actionForKey(event->key(), event->modifiers()) : nullptr;
    if (!action)
        return false;
    // A command that does not apply now (no clip, say) still keeps its key from the list.
    if (action->isEnabled())
        action->trigger();
    return true;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The content area also changes size when the menu bar appears, without a window resize.
    if (event->type() == QEvent::Resize && watched == centralWidget())
        emit resized();
    if (event->type() == QEvent::KeyPress && watched != this && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        auto *key = static_cast<QKeyEvent *>(event);
        if (widget->window() == this && !isEditableText(watched) && !isListKey(watched, key->key())
            && handleKeyEvent(key))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    if (!handleKeyEvent(event))
        QMainWindow::keyPressEvent(event);
}

} // namespace drovik
