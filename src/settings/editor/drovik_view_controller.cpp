#include "drovik_view_controller.h"

#include "platform/notifier.h"

#include <utility>

namespace drovik {

DrovikViewController::DrovikViewController(Notifier &notifier, QObject *parent)
    : QObject(parent)
    , m_notifier(notifier)
{
}

DrovikViewController::~DrovikViewController()
{
    destroyView();
}

void DrovikViewController::destroyView()
{
    restoreEventHandler();
    delete m_view;
}

QWidget *DrovikViewController::view()
{
    if (m_view)
        return m_view;
    m_view = new DrovikCancelEventView;
    m_view->setEventHandlerViewController(this);
    connect(&m_notifier, &Notifier::refreshLanguage, this, &DrovikViewController::refreshLanguageHandler);
    loadView(m_view);
    applyLanguageSettings();
    return m_view;
}

void DrovikViewController::restoreEventHandler()
{
    if (m_view && DrovikCancelEventView::eventHandlerViewController() == this)
        m_view->restoreEventHandler();
}

void DrovikViewController::refreshLanguageHandler()
{
    if (std::exchange(m_languagePending, true))
        return;
    QMetaObject::invokeMethod(this, [this] {
        m_languagePending = false;
        applyLanguageSettings();
    }, Qt::QueuedConnection);
}

} // namespace drovik
