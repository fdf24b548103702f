#include "setting_window.h"

#include "drovik_view_controller.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace drovik {

SettingWindow::SettingWindow(QWidget *parent)
    : QDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
}

QRect SettingWindow::centredFrame(const QRect &parentFrame, const QSize &size)
{
    const int x = parentFrame.x() + parentFrame.width() / 2 - size.width() / 2;
    const int y = parentFrame.y() + parentFrame.height() / 2 - size.height() / 2;
    return QRect(QPoint(x, y), size);
}

void SettingWindow::prepare(QWidget *parent, QWidget *targetView, DrovikViewController *targetViewController,
                            bool showTitleBar)
{
    if (parent && parentWidget() != parent)
        setParent(parent, windowFlags());
    Qt::WindowFlags flags = Qt::Dialog;
    if (!showTitleBar)
        flags |= Qt::FramelessWindowHint;
    setWindowFlags(flags);
    if (m_keyEventDelegate)
        disconnect(m_keyEventDelegate, nullptr, this, nullptr);
    m_keyEventDelegate = targetViewController;
    if (targetViewController)
        connect(targetViewController, &DrovikViewController::modalEnded, this, &QDialog::done);
    m_targetView = targetView;

    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(targetView);
    const QSize size = targetView->size();
    setFixedSize(size);
    const QRect parentFrame = parent ? parent->frameGeometry() : QRect(QPoint(0, 0), size);
    setGeometry(centredFrame(parentFrame, size));
    targetView->setFocus(Qt::OtherFocusReason);
}

int SettingWindow::showModalWindow(QWidget *parent, QWidget *targetView,
                                   DrovikViewController *targetViewController, bool showTitleBar)
{
    prepare(parent, targetView, targetViewController, showTitleBar);
    setWindowModality(Qt::ApplicationModal);
    const int code = exec();
    hide();
    return code;
}

void SettingWindow::beginModalWindow(QWidget *parent, QWidget *targetView,
                                     DrovikViewController *targetViewController, bool showTitleBar)
{
    prepare(parent, targetView, targetViewController, showTitleBar);
    setWindowModality(Qt::WindowModal);
    show();
    activateWindow();
    if (m_targetView)
        m_targetView->setFocus(Qt::ActiveWindowFocusReason);
}

void SettingWindow::keyPressEvent(QKeyEvent *event)
{
    // The page decides what Escape does (DrovikCancelEventView); the dialog's own Escape would
    // close it a second way, without the page knowing.
    if (m_targetView && event->key() == Qt::Key_Escape) {
        QCoreApplication::sendEvent(m_targetView, event);
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace drovik
