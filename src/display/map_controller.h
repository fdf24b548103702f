#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QUrl>
#include <QWebEngineView>

namespace drovik {

class DrovikClipData;

// The bridge between the viewer and the map page: loads the page into a web view and sends it
// its four script calls (see MapScripts). Results and script errors of the calls are ignored.
//
// Calls made while the page is still loading would run in a document that does not define the
// functions yet and be lost (the first clip's route, for one); they are kept and sent again, in
// order, right after "initialize()" once the page has finished loading.
class MapController : public QObject {
    Q_OBJECT
public:
    // The map page among the application's resources.
    static QUrl pageUrl();

    explicit MapController(QWebEngineView *webView = nullptr, QObject *parent = nullptr);

    QWebEngineView *webView() const { return m_webView; }
    void setWebView(QWebEngineView *webView);

    // Evaluates the script in the page; the outcome is ignored.
    void run(const QString &script);
    // Loads the page and sends "initialize()" at once; it is sent again when loading finishes.
    void load();
    // Centres the map on the position (longitude first in the script). A position that is not a
    // pair of finite numbers sends nothing.
    void moveToLat(float lat, float lng);
    void removeMapLine();
    // Draws the clip's route (an empty route when it has no fix).
    void addRoute(const DrovikClipData &clipData);

    bool isPageLoaded() const { return m_pageLoaded; }

signals:
    // Every script handed to the web view, in order (replays after loading included).
    void scriptSent(const QString &script);

private:
    void connectWebView();
    void pageLoadStarted();
    void pageLoadFinished(bool ok);
    void evaluate(const QString &script);

    QPointer<QWebEngineView> m_webView;
    QMetaObject::Connection m_startedConnection;
    QMetaObject::Connection m_finishedConnection;
    bool m_pageLoaded = false;
    QStringList m_pending;
};

} // namespace drovik
