#include "main_window.h"

#include "main_window_controller.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <type_traits>

namespace drovik {

namespace {

struct KeyBinding {
    int key;
    bool needsControl;
    KeyAction action;
};

using C = MainWindowController;
const KeyBinding kKeyBindings[] = {
    {Qt::Key_Q, true, &C::appExitButtonTouched},
    {Qt::Key_W, true, &C::appExitButtonTouched},
    {Qt::Key_M, true, &C::appMinimizeButtonTouched},
    {Qt::Key_Return, false, &C::fullscreenButtonTouched},
    {Qt::Key_Enter, false, &C::fullscreenButtonTouched},
    {Qt::Key_Space, false, &C::playPauseButtonTouched},
    {Qt::Key_Escape, false, &C::hideFullScreenMovie},
    {Qt::Key_Left, false, &C::rewindButtonTouched},
    {Qt::Key_Right, false, &C::fastForwardButtonTouched},
    {Qt::Key_Down, false, &C::volumeDown},
    {Qt::Key_Up, false, &C::volumeUp},
    {Qt::Key_PageUp, false, &C::previousEventButtonTouched},
    {Qt::Key_PageDown, false, &C::nextEventButtonTouched},
    {Qt::Key_BracketRight, false, &C::playFaster},
    {Qt::Key_BracketLeft, false, &C::playSlower},
    {Qt::Key_Backspace, false, &C::playAtNormalSpeed},
};

} // namespace

std::optional<KeyAction> keyAction(int key, Qt::KeyboardModifiers modifiers)
{
    for (const KeyBinding &binding : kKeyBindings) {
        if (binding.key == key)
            return binding.needsControl && !modifiers.testFlag(Qt::ControlModifier)
                       ? std::nullopt
                       : std::optional<KeyAction>(binding.action);
    }
    return std::nullopt;
}

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
    const std::optional<KeyAction> action = keyAction(event->key(), event->modifiers());
    if (!action)
        return false;
    if (MainWindowController *controller = keyEventDelegate()) {
        std::visit([&](auto handler) {
            if constexpr (std::is_invocable_v<decltype(handler), MainWindowController &, QObject *>)
                (controller->*handler)(this);
            else
                (controller->*handler)();
        }, *action);
    }
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
