#include "main_window.h"

#include "main_window_controller.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>


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
        if (widget->window() == this && !isEditableText(watched)
            && handleKeyEvent(static_cast<QKeyEvent *>(event)))
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
