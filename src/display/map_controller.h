#pragma once

#include "display/sandboxed_web_view.h"

#include <QObject>
#include <QPointer>
#include <QUrl>

namespace drovik {

class DrovikClipData;

// The bridge between the viewer and the map page: loads the page into a web view and sends it
// its four script calls (see MapScripts). Results and script errors of the calls are ignored.
// Calls made while the page is still loading are kept by the view and sent once the page is ready,
// right after "initialize()".
class MapController : public QObject {
    Q_OBJECT
public:
    // The map page among the application's resources.
    static QUrl pageUrl();

    explicit MapController(SandboxedWebView *webView = nullptr, QObject *parent = nullptr);

    SandboxedWebView *webView() const { return m_webView; }
    void setWebView(SandboxedWebView *webView);

    // Evaluates the script in the page; the outcome is ignored.
    void run(const QString &script);
    // Loads the page; "initialize()" is sent as soon as it is ready (at once without a view).
    void load();
    // Centres the map on the position (longitude first in the script). A position that is not a
    // pair of finite numbers sends nothing.
    void moveToLat(float lat, float lng);
    void removeMapLine();
    // Draws the clip's route (an empty route when it has no fix).
    void addRoute(const DrovikClipData &clipData);

    bool isPageLoaded() const { return m_webView && m_webView->isPageReady(); }

signals:
    // Every script sent, in order, when it is sent (the view may still hold it for the page).
    void scriptSent(const QString &script);

private:
    QPointer<SandboxedWebView> m_webView;
    QMetaObject::Connection m_readyConnection;
};

} // namespace drovik
