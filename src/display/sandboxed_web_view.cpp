#include "sandboxed_web_view.h"

#include "display/display_log.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QWebEngineDownloadRequest>
#include <QWebEngineFileSystemAccessRequest>
#include <QWebEngineFullScreenRequest>
#include <QWebEnginePage>
#include <QWebEngineRegisterProtocolHandlerRequest>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>

#include <utility>

namespace drovik {

namespace {

// Enough for any start-up sequence (the map's: remove, route, a few moves); older calls are
// superseded by the newer ones.
constexpr int kMaxPendingScripts = 32;

// The folder as the file system resolves it, with a trailing "/" so that "/a/b" does not take in
// "/a/bc"; empty when there is no such folder.
QString canonicalFolder(const QString &folder)
{
    if (folder.isEmpty())
        return {};
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty() || !QFileInfo(canonical).isDir())
        return {};
    return canonical.endsWith(QLatin1Char('/')) ? canonical : canonical + QLatin1Char('/');
}

// Whether a file:// URL names an existing file inside the folder once "..", "." and symbolic links
// are resolved. A host ("file://server/…") is never local here.
bool isInsideFolder(const QUrl &url, const QString &folder)
{
    if (folder.isEmpty() || !url.host().isEmpty())
        return false;
    const QString canonical = QFileInfo(url.toLocalFile()).canonicalFilePath();
    return canonical.startsWith(folder);
}

class RequestFilter : public QWebEngineUrlRequestInterceptor {
public:
    RequestFilter(QString folder, QStringList schemes, QObject *parent)
        : QWebEngineUrlRequestInterceptor(parent), m_folder(std::move(folder)),
          m_schemes(std::move(schemes))
    {
        m_schemes << QStringLiteral("qrc");
    }

    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        const QUrl url = info.requestUrl();
        const bool allowed = url.scheme() == QLatin1String("file") ? isInsideFolder(url, m_folder)
                                                                    : m_schemes.contains(url.scheme());
        if (!allowed) {
            qCWarning(lcWebView) << "blocked request" << url;
            info.block(true);
            return;
        }
        qCDebug(lcWebView) << "request" << url;
    }

private:
    const QString m_folder;
    QStringList m_schemes;
};

class SandboxedPage : public QWebEnginePage {
public:
    SandboxedPage(QString folder, bool openWebLinks, QWebEngineProfile *profile, QObject *parent)
        : QWebEnginePage(profile, parent), m_folder(std::move(folder)), m_openWebLinks(openWebLinks)
    {
        connect(this, &QWebEnginePage::featurePermissionRequested, this,
                [this](const QUrl &origin, Feature feature) {
                    qCWarning(lcWebView) << "permission refused" << origin << int(feature);
                    setFeaturePermission(origin, feature, PermissionDeniedByUser);
                });
        connect(this, &QWebEnginePage::fileSystemAccessRequested, this,
                [](QWebEngineFileSystemAccessRequest request) {
                    qCWarning(lcWebView) << "file system access refused" << request.filePath();
                    request.reject();
                });
        connect(this, &QWebEnginePage::fullScreenRequested, this,
                [](QWebEngineFullScreenRequest request) { request.reject(); });
        connect(this, &QWebEnginePage::registerProtocolHandlerRequested, this,
                [](QWebEngineRegisterProtocolHandlerRequest request) { request.reject(); });
    }

    void setNavigationLocked(bool locked) { m_locked = locked; }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override
    {
        if (m_locked && isMainFrame) {
            qCWarning(lcWebView) << "navigation after lock refused" << url;
            return false;
        }
        if (url.scheme() == QLatin1String("qrc") || (url.scheme() == QLatin1String("file")
                                                     && isInsideFolder(url, m_folder)))
            return true;
        // Links to the web, such as the map's attribution: the view is no browser.
        if (m_openWebLinks && type == NavigationTypeLinkClicked
            && (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http")))
            QDesktopServices::openUrl(url);
        qCWarning(lcWebView) << "navigation refused" << url << isMainFrame;
        return false;
    }

    QWebEnginePage *createWindow(WebWindowType) override
    {
        qCWarning(lcWebView) << "new window refused";
        return nullptr;
    }

    QStringList chooseFiles(FileSelectionMode, const QStringList &, const QStringList &) override
    {
        qCWarning(lcWebView) << "file chooser refused";
        return {};
    }

    void javaScriptAlert(const QUrl &, const QString &msg) override
    {
        qCDebug(lcWebView) << "page alert:" << msg;
    }

    bool javaScriptConfirm(const QUrl &, const QString &msg) override
    {
        qCDebug(lcWebView) << "page confirm:" << msg;
        return false;
    }

    bool javaScriptPrompt(const QUrl &, const QString &msg, const QString &, QString *) override
    {
        qCDebug(lcWebView) << "page prompt:" << msg;
        return false;
    }

    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                  int line, const QString &source) override
    {
        qCDebug(lcWebView).noquote() << "page console" << int(level) << source << line << message;
    }

private:
    const QString m_folder;
    const bool m_openWebLinks;
    bool m_locked = false;
};

} // namespace

SandboxedWebView::SandboxedWebView(const Policy &policy, QWidget *parent)
    : QWebEngineView(parent)
{
    const QString folder = canonicalFolder(policy.folder);
    // A profile without a storage name is kept in memory only.
    m_profile = new QWebEngineProfile(this);
    if (!policy.userAgent.isEmpty())
        m_profile->setHttpUserAgent(QString::fromLatin1(policy.userAgent));
    m_profile->setUrlRequestInterceptor(new RequestFilter(folder, policy.schemes, m_profile));
    connect(m_profile, &QWebEngineProfile::downloadRequested, this,
            [](QWebEngineDownloadRequest *download) {
                qCWarning(lcWebView) << "download refused" << download->url();
                download->cancel();
            });

    auto *page = new SandboxedPage(folder, policy.openWebLinksExternally, m_profile, this);
    page->setBackgroundColor(policy.background);
    page->settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    // A page from the folder reads its neighbours; the request filter keeps it inside.
    page->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls,
                                   !folder.isEmpty());
    setPage(page);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, policy.background);
    setPalette(palette);

    connect(this, &QWebEngineView::loadStarted, this, [this] { m_ready = false; });
    connect(this, &QWebEngineView::loadFinished, this, &SandboxedWebView::pageLoadFinished);
}

SandboxedWebView::~SandboxedWebView()
{
    // A page must go before its profile; both are children of this view, and children are
    // deleted in creation order, profile first.
    delete page();
}

void SandboxedWebView::openPage(const QUrl &url)
{
    m_ready = false;
    m_pending.clear();
    static_cast<SandboxedPage *>(page())->setNavigationLocked(false);
    load(url);
}

void SandboxedWebView::lockNavigation()
{
    static_cast<SandboxedPage *>(page())->setNavigationLocked(true);
}

void SandboxedWebView::runScript(const QString &script)
{
    if (m_ready) {
        page()->runJavaScript(script, [](const QVariant &) {});
        return;
    }
    if (m_pending.size() >= kMaxPendingScripts)
        m_pending.removeFirst();
    m_pending.append(script);
}

void SandboxedWebView::pageLoadFinished(bool ok)
{
    qCDebug(lcWebView) << "page loaded:" << ok << "running" << m_pending.size() << "kept scripts";
    const QStringList pending = std::exchange(m_pending, {});
    if (!ok)
        return;
    m_ready = true;
    emit pageReady();
    for (const QString &script : pending)
        runScript(script);
}

} // namespace drovik
