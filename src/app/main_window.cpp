#include "main_window.h"

#include "main_window_controller.h"

#include "library/video_file_rules.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
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
    setAcceptDrops(true);
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

QString MainWindow::droppedPath(const QMimeData *data)
{
    const QList<QUrl> urls = data ? data->urls() : QList<QUrl>();
    if (urls.isEmpty() || !std::ranges::all_of(urls, &QUrl::isLocalFile))
        return {};
    const QFileInfo first(urls.constFirst().toLocalFile());
    if (urls.size() == 1 && first.isDir())
        return first.absoluteFilePath();
    // Several clips of one folder (a front and its rear, say) play as the first would.
    const bool clipsOfOneFolder = std::ranges::all_of(urls, [&](const QUrl &url) {
        const QFileInfo clip(url.toLocalFile());
        return clip.isFile() && isVideoFileName(clip.fileName()) && clip.absolutePath() == first.absolutePath();
    });
    return clipsOfOneFolder ? first.absoluteFilePath() : QString();
}

bool MainWindow::handleDragEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (droppedPath(drag->mimeData()).isEmpty())
            drag->ignore();
        else
            drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString path = droppedPath(drop->mimeData());
        if (path.isEmpty()) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        emit pathDropped(path);
        return true;
    }
    default:
        return false;
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    emit closing();
    QMainWindow::closeEvent(event);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The map's page would otherwise take a dropped file for a page to show.
    if (watched->isWidgetType() && static_cast<QWidget *>(watched)->window() == this && handleDragEvent(event))
        return true;
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
