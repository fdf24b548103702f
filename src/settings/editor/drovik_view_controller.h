#pragma once

#include "widgets/drovik_cancel_event_view.h"

#include <QObject>
#include <QPointer>

namespace drovik {

class Notifier;

// What every dialog page of the program shares: a root view that Escape cancels (it registers
// itself as the current Escape handler while it lives), re-labelling when the interface language
// changes, and a modal result for the window that hosts it.
class DrovikViewController : public QObject, public CancelEventHandler {
    Q_OBJECT
public:
    explicit DrovikViewController(Notifier &notifier, QObject *parent = nullptr);
    ~DrovikViewController() override;

    // The root view, built on first use.
    QWidget *view();

    // Ends the hosting window's modal loop with code (1 OK, 0 Cancel).
    void endModal(int code) { emit modalEnded(code); }
    void restoreEventHandler();
    // Re-labels on the next turn of the event loop (language changes arrive in bursts).
    void refreshLanguageHandler();
    virtual void applyLanguageSettings() {}

signals:
    void modalEnded(int code);

protected:
    // Builds the page inside root; called once by view().
    virtual void loadView(DrovikCancelEventView *root) = 0;
    // Frees the root view now (a subclass whose widgets use its own members calls this first).
    void destroyView();

private:
    Notifier &m_notifier;
    QPointer<DrovikCancelEventView> m_view;
    bool m_languagePending = false;
};

} // namespace drovik
