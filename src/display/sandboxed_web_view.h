#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWebEngineView>

class QWebEngineProfile;

namespace drovik {

// A web view for pages we did not write or do not fully trust (the map, a card's own settings
// page): a private profile kept in memory only, requests limited to what the owner allows, and a
// page that never opens windows or dialogs (alerts and console messages go to the log) and opens
// clicked web links in the desktop's browser instead of in the view.
//
// A file:// page can otherwise read any local file. Here file:// requests, the page's own
// included, must name an existing file inside `folder` once links are resolved (no "..", no
// symbolic link leading out of it); with no folder every file:// request is refused. Resources
// (qrc:) may always be read, so that a page can use qrc:/qtwebchannel/qwebchannel.js with the
// QWebChannel set on page().
//
// Whatever the policy, the page gets no permission (camera, location, notifications…), no
// download, no file chooser, no full screen and no protocol handler; refusals are logged.
//
// Scripts run with runScript() before the page is ready would be lost in a loading document; they
// are kept (the latest 32) and run in order once it has loaded, right after pageReady().
class SandboxedWebView : public QWebEngineView {
    Q_OBJECT
public:
    struct Policy {
        // The only folder file:// requests may read; empty: none.
        QString folder;
        // Schemes requests may use besides qrc: and file:, e.g. "https" for map tiles.
        QStringList schemes;
        // Empty: the web engine's own.
        QByteArray userAgent;
        // What shows before the page has drawn.
        QColor background = Qt::white;
        // A clicked http(s) link opens in the desktop's browser; off for pages from a card,
        // which must not send the user anywhere.
        bool openWebLinksExternally = true;
    };

    explicit SandboxedWebView(const Policy &policy, QWidget *parent = nullptr);
    ~SandboxedWebView() override;

    QWebEngineProfile *profile() const { return m_profile; }

    // Loads the page, lifting lockNavigation(); scripts kept for an earlier page are dropped.
    void openPage(const QUrl &url);
    // Runs the script in the page now, or once it is ready; its outcome is ignored.
    void runScript(const QString &script);
    bool isPageReady() const { return m_ready; }
    // From now on the main frame stays on the document it shows: every navigation is refused.
    void lockNavigation();

signals:
    // The page has loaded; scripts kept meanwhile run right after this signal's slots.
    void pageReady();

private:
    void pageLoadFinished(bool ok);

    QWebEngineProfile *m_profile = nullptr;
    bool m_ready = false;
    QStringList m_pending;
};

} // namespace drovik
