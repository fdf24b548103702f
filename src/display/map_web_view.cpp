#include "map_web_view.h"

#include <QWebEngineSettings>

namespace drovik {

namespace {

SandboxedWebView::Policy mapPolicy()
{
    SandboxedWebView::Policy policy;
    // No folder: the page needs nothing from the disk. "data" is the blank tile shown offline.
    policy.schemes = {QStringLiteral("https"), QStringLiteral("data")};
    policy.userAgent = MapWebView::userAgent();
    policy.background = QColor(0x15, 0x17, 0x1a);
    return policy;
}

} // namespace

QByteArray MapWebView::userAgent()
{
    return QByteArrayLiteral("DrovikViewer/" DROVIK_VERSION);
}

MapWebView::MapWebView(QWidget *parent)
    : SandboxedWebView(mapPolicy(), parent)
{
    page()->settings()->setAttribute(QWebEngineSettings::ShowScrollBars, false);
}

} // namespace drovik
