#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace drovik {

// The program's images, found by the names the windows use ("play_1", "mapview_cover.png"):
// ":/images/<name>.svg" first (drawn at the size asked for, sharp at any scale), then the
// name as given, then with ".png".
namespace Images {

bool exists(const QString &name);
// The image at its natural size (the SVG's own size), or a null pixmap.
QPixmap pixmap(const QString &name);
// The image drawn to fill size (device pixel ratio dpr); a null pixmap when absent.
QPixmap pixmap(const QString &name, const QSize &size, qreal dpr = 1.0);
QSize naturalSize(const QString &name);
QIcon icon(const QString &name);

} // namespace Images

} // namespace drovik
