#include "map_controller.h"

#include "display/display_log.h"
#include "display/map_scripts.h"
#include "telemetry/clip_data.h"

#include <QWebEnginePage>
#include <QWebEngineView>

namespace drovik {

namespace {
// Enough for any start-up sequence (remove, route, a few moves); older calls are superseded.
constexpr int kMaxPendingScripts = 32;
} // namespace

QUrl MapController::pageUrl()
{
    return QUrl(QStringLiteral("qrc:/map/mapview.html"));
}

MapController::MapController(QWebEngineView *webView, QObject *parent)
    : QObject(parent)
{
    setWebView(webView);
}

void MapController::setWebView(QWebEngineView *webView)
{
    if (m_webView == webView)
        return;
    disconnect(m_startedConnection);
    disconnect(m_finishedConnection);
    m_webView = webView;
    m_pageLoaded = false;
    m_pending.clear();
    connectWebView();
}

void MapController::connectWebView()
{
    if (!m_webView)
        return;
    m_startedConnection = connect(m_webView.data(), &QWebEngineView::loadStarted, this,
                                  &MapController::pageLoadStarted);
    m_finishedConnection = connect(m_webView.data(), &QWebEngineView::loadFinished, this,
                                   &MapController::pageLoadFinished);
}

void MapController::evaluate(const QString &script)
{
    emit scriptSent(script);
    if (m_webView)
        m_webView->page()->runJavaScript(script, [](const QVariant &) {});
}

void MapController::run(const QString &script)
{
    if (script.isEmpty())
        return;
    if (m_webView && !m_pageLoaded) {
        if (m_pending.size() >= kMaxPendingScripts)
            m_pending.removeFirst();
        m_pending.append(script);
    }
    evaluate(script);
}

void MapController::load()
{
    if (m_webView) {
        m_pageLoaded = false;
        m_pending.clear();
        m_webView->load(pageUrl());
    }
    run(MapScripts::initialize());
}

void MapController::pageLoadStarted()
{
    m_pageLoaded = false;
}

void MapController::pageLoadFinished(bool ok)
{
    qCDebug(lcMap) << "map page loaded:" << ok << "replaying" << m_pending.size() << "calls";
    const QStringList pending = std::exchange(m_pending, {});
    if (!ok)
        return;
    m_pageLoaded = true;
    evaluate(MapScripts::initialize());
    for (const QString &script : pending) {
        if (script != MapScripts::initialize())
            evaluate(script);
    }
}

void MapController::moveToLat(float lat, float lng)
{
    const QString script = MapScripts::mapMoveToAuto(lat, lng);
    if (script.isEmpty())
        qCDebug(lcMap) << "position not sent, not a number:" << lat << lng;
    run(script);
}

void MapController::removeMapLine()
{
    run(MapScripts::removePolyLine());
}

void MapController::addRoute(const DrovikClipData &clipData)
{
    run(MapScripts::addPolyLine(clipData));
}

} // namespace drovik
