#include "map_controller.h"

#include "display/display_log.h"
#include "display/map_scripts.h"
#include "telemetry/clip_data.h"

namespace drovik {

QUrl MapController::pageUrl()
{
    return QUrl(QStringLiteral("qrc:/map/mapview.html"));
}

MapController::MapController(SandboxedWebView *webView, QObject *parent)
    : QObject(parent)
{
    setWebView(webView);
}

void MapController::setWebView(SandboxedWebView *webView)
{
    if (m_webView == webView)
        return;
    disconnect(m_readyConnection);
    m_webView = webView;
    if (m_webView) {
        m_readyConnection = connect(m_webView.data(), &SandboxedWebView::pageReady, this,
                                    [this] { run(MapScripts::initialize()); });
    }
}

void MapController::run(const QString &script)
{
    if (script.isEmpty())
        return;
    emit scriptSent(script);
    if (m_webView)
        m_webView->runScript(script);
}

void MapController::load()
{
    if (m_webView)
        m_webView->openPage(pageUrl());
    else
        run(MapScripts::initialize());
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
