#pragma once

#include <QIcon>
#include <QMargins>
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

// A new image of size drawn from the nine parts of image: the four corners keep the inset
// sizes (top, left, bottom, right), the edges stretch along their length and the centre both
// ways. Insets larger than either image are shrunk so the corners never overlap.
QPixmap stretchableImageWithSize(const QPixmap &image, const QSize &size, const QMargins &edgeInsets);
// A new image left + middle + right wide and as tall as image, drawn from its three parts: the
// caps keep their widths, the middle part stretches to middle.
QPixmap stretchableImageWithLeftCapWidth(const QPixmap &image, int left, int middle, int right);

} // namespace drovik
