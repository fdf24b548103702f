#include "map_web_view.h"

#include "display/display_log.h"

#include <QDesktopServices>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>

namespace drovik {

namespace {

const QColor kMapBackground(0x15, 0x17, 0x1a);

// The page comes from the resources and needs nothing from the disk; a file:// request can only
// be a page trying to read the user's files.
class FileRequestBlocker : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        if (info.requestUrl().isLocalFile() || info.requestUrl().scheme() == QLatin1String("file")) {
            qCWarning(lcMap) << "blocked local file request" << info.requestUrl();
            info.block(true);
            return;
        }
        qCDebug(lcMap) << "request" << info.requestUrl();
    }
};

class MapPage : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override
    {
        if (url.scheme() == QLatin1String("qrc"))
            return true;
        // The attribution links: the map is far too small to browse in.
        if (type == NavigationTypeLinkClicked
            && (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http")))
            QDesktopServices::openUrl(url);
        qCDebug(lcMap) << "navigation refused" << url << isMainFrame;
        return false;
    }

    QWebEnginePage *createWindow(WebWindowType) override { return nullptr; }

    void javaScriptAlert(const QUrl &, const QString &msg) override
    {
        qCDebug(lcMap) << "page alert:" << msg;
    }

    bool javaScriptConfirm(const QUrl &, const QString &msg) override
    {
        qCDebug(lcMap) << "page confirm:" << msg;
        return false;
    }

    bool javaScriptPrompt(const QUrl &, const QString &msg, const QString &, QString *) override
    {
        qCDebug(lcMap) << "page prompt:" << msg;
        return false;
    }

    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                  int line, const QString &source) override
    {
        qCDebug(lcMap).noquote() << "page console" << int(level) << source << line << message;
    }
};

} // namespace

QByteArray MapWebView::userAgent()
{
    return QByteArrayLiteral("DrovikViewer/" DROVIK_VERSION);
}

MapWebView::MapWebView(QWidget *parent)
    : QWebEngineView(parent)
{
    // A profile without a storage name is kept in memory only.
    m_profile = new QWebEngineProfile(this);
    m_profile->setHttpUserAgent(QString::fromLatin1(userAgent()));
    m_profile->setUrlRequestInterceptor(new FileRequestBlocker(m_profile));

    auto *mapPage = new MapPage(m_profile, this);
    mapPage->setBackgroundColor(kMapBackground);
    mapPage->settings()->setAttribute(QWebEngineSettings::ShowScrollBars, false);
    mapPage->settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    mapPage->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    setPage(mapPage);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAutoFillBackground(true);
    QPalette dark = palette();
    dark.setColor(QPalette::Window, kMapBackground);
    setPalette(dark);
}

MapWebView::~MapWebView()
{
    // A page must go before its profile; both are children of this view, and children are
    // deleted in creation order, profile first.
    delete page();
}

} // namespace drovik
