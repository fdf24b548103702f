#include "main_window.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace drovik {

std::optional<const char *> keyActionName(int key, Qt::KeyboardModifiers modifiers)
{
    const bool command = modifiers.testFlag(Qt::ControlModifier);
    switch (key) {
    case Qt::Key_Q:
    case Qt::Key_W:
        return command ? std::optional<const char *>("appExitButtonTouched") : std::nullopt;
    case Qt::Key_M:
        return command ? std::optional<const char *>("appMinimizeButtonTouched") : std::nullopt;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return "fullscreenButtonTouched";
    case Qt::Key_Space:
        return "playPauseButtonTouched";
    case Qt::Key_Escape:
        return "hideFullScreenMovie";
    case Qt::Key_Left:
        return "rewindButtonTouched";
    case Qt::Key_Right:
        return "fastForwardButtonTouched";
    case Qt::Key_Down:
        return "volumeDown";
    case Qt::Key_Up:
        return "volumeUp";
    default:
        return std::nullopt;
    }
}

bool performIfResponds(QObject *target, const char *name, QObject *sender)
{
    if (!target)
        return false;
    const QMetaObject *meta = target->metaObject();
    const QByteArray withSender = QByteArray(name) + "(QObject*)";
    if (meta->indexOfMethod(withSender.constData()) >= 0)
        return QMetaObject::invokeMethod(target, name, Qt::DirectConnection,
                                         Q_ARG(QObject *, sender));
    const QByteArray plain = QByteArray(name) + "()";
    if (meta->indexOfMethod(plain.constData()) >= 0)
        return QMetaObject::invokeMethod(target, name, Qt::DirectConnection);
    return false;
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

bool MainWindow::handleKeyEvent(QKeyEvent *event)
{
    const std::optional<const char *> action = keyActionName(event->key(), event->modifiers());
    if (!action)
        return false;
    performIfResponds(m_keyEventDelegate, *action, this);
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
