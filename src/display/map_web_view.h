#pragma once

#include <QByteArray>
#include <QWebEngineView>

class QWebEngineProfile;

namespace drovik {

// The web view that shows the map page: its own private profile (nothing written to disk) that
// names the viewer in its user agent, as the tile servers ask, and never lets the page read
// local files; a page that opens links in the desktop's browser instead of in the small map, and
// logs script messages and dialogs instead of showing them. Dark before the page has drawn.
class MapWebView : public QWebEngineView {
    Q_OBJECT
public:
    explicit MapWebView(QWidget *parent = nullptr);
    ~MapWebView() override;

    // "DrovikViewer/<version>".
    static QByteArray userAgent();
    QWebEngineProfile *profile() const { return m_profile; }

private:
    QWebEngineProfile *m_profile = nullptr;
};

} // namespace drovik
