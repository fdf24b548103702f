#pragma once

#include "display/sandboxed_web_view.h"

#include <QByteArray>

namespace drovik {

// The web view that shows the map page: a sandboxed view whose page comes from the resources and
// may fetch nothing but OpenStreetMap's tiles over https, naming the viewer in its user agent as
// the tile servers ask. Dark before the page has drawn.
class MapWebView : public SandboxedWebView {
    Q_OBJECT
public:
    explicit MapWebView(QWidget *parent = nullptr);

    // "DrovikViewer/<version>".
    static QByteArray userAgent();
};

} // namespace drovik
