#include "images.h"

#include <QFileInfo>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace drovik::Images {

namespace {

QString svgPath(const QString &name)
{
    QString base = name;
    if (base.endsWith(QLatin1String(".png")) || base.endsWith(QLatin1String(".svg")))
        base.chop(4);
    const QString path = QStringLiteral(":/images/") + base + QStringLiteral(".svg");
    return QFileInfo::exists(path) ? path : QString();
}

QString rasterPath(const QString &name)
{
    const QString base = QStringLiteral(":/images/") + name;
    for (const QString &candidate : QStringList{base, base + QStringLiteral(".png")}) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return QString();
}

QSvgRenderer *renderer(const QString &path)
{
    static QHash<QString, QSvgRenderer *> renderers;
    auto it = renderers.find(path);
    if (it == renderers.end())
        it = renderers.insert(path, new QSvgRenderer(path));
    return it.value()->isValid() ? it.value() : nullptr;
}

} // namespace

bool exists(const QString &name)
{
    return !svgPath(name).isEmpty() || !rasterPath(name).isEmpty();
}

QSize naturalSize(const QString &name)
{
    if (const QString svg = svgPath(name); !svg.isEmpty()) {
        if (QSvgRenderer *r = renderer(svg))
            return r->defaultSize();
    }
    if (const QString raster = rasterPath(name); !raster.isEmpty())
        return QPixmap(raster).size();
    return QSize();
}

QPixmap pixmap(const QString &name)
{
    return pixmap(name, naturalSize(name));
}

QPixmap pixmap(const QString &name, const QSize &size, qreal dpr)
{
    if (size.isEmpty())
        return QPixmap();
    const QString key = QStringLiteral("drovik:%1:%2x%3@%4")
                            .arg(name)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(dpr);
    QPixmap cached;
    if (QPixmapCache::find(key, &cached))
        return cached;

    QPixmap result;
    if (const QString svg = svgPath(name); !svg.isEmpty()) {
        if (QSvgRenderer *r = renderer(svg)) {
            result = QPixmap(size * dpr);
            result.setDevicePixelRatio(dpr);
            result.fill(Qt::transparent);
            QPainter painter(&result);
            r->render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
        }
    } else if (const QString raster = rasterPath(name); !raster.isEmpty()) {
        result = QPixmap(raster).scaled(size * dpr, Qt::IgnoreAspectRatio,
                                        Qt::SmoothTransformation);
        result.setDevicePixelRatio(dpr);
    }
    if (!result.isNull())
        QPixmapCache::insert(key, result);
    return result;
}

QIcon icon(const QString &name)
{
    if (const QString svg = svgPath(name); !svg.isEmpty())
        return QIcon(svg);
    if (const QString raster = rasterPath(name); !raster.isEmpty())
        return QIcon(raster);
    return QIcon();
}

} // namespace drovik::Images

namespace drovik {

namespace {

// Splits length into the first cap, the stretched middle and the last cap, in whole pixels,
// so that caps that do not fit share what there is.
struct Spans { int first; int middle; int last; };

Spans spans(int length, int first, int last)
{
    first = qMax(0, first);
    last = qMax(0, last);
    if (first + last > length) {
        const int total = first + last;
        first = total > 0 ? length * first / total : 0;
        last = length - first;
    }
    return {first, length - first - last, last};
}

} // namespace

QPixmap stretchableImageWithSize(const QPixmap &image, const QSize &size, const QMargins &edgeInsets)
{
    if (image.isNull() || size.isEmpty())
        return QPixmap();
    const qreal dpr = image.devicePixelRatio();
    // Source in device pixels, target in logical pixels at the image's ratio.
    const QSize source = image.size();
    const Spans srcX = spans(source.width(), qRound(edgeInsets.left() * dpr), qRound(edgeInsets.right() * dpr));
    const Spans srcY = spans(source.height(), qRound(edgeInsets.top() * dpr), qRound(edgeInsets.bottom() * dpr));
    const Spans dstX = spans(qRound(size.width() * dpr), srcX.first, srcX.last);
    const Spans dstY = spans(qRound(size.height() * dpr), srcY.first, srcY.last);

    QPixmap result(QSize(dstX.first + dstX.middle + dstX.last, dstY.first + dstY.middle + dstY.last));
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const int sx[] = {0, srcX.first, srcX.first + srcX.middle};
    const int sw[] = {srcX.first, srcX.middle, srcX.last};
    const int dx[] = {0, dstX.first, dstX.first + dstX.middle};
    const int dw[] = {dstX.first, dstX.middle, dstX.last};
    const int sy[] = {0, srcY.first, srcY.first + srcY.middle};
    const int sh[] = {srcY.first, srcY.middle, srcY.last};
    const int dy[] = {0, dstY.first, dstY.first + dstY.middle};
    const int dh[] = {dstY.first, dstY.middle, dstY.last};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            if (sw[col] <= 0 || sh[row] <= 0 || dw[col] <= 0 || dh[row] <= 0)
                continue;
            painter.drawPixmap(QRect(dx[col], dy[row], dw[col], dh[row]), image,
                               QRect(sx[col], sy[row], sw[col], sh[row]));
        }
    }
    painter.end();
    result.setDevicePixelRatio(dpr);
    return result;
}

QPixmap stretchableImageWithLeftCapWidth(const QPixmap &image, int left, int middle, int right)
{
    if (image.isNull())
        return QPixmap();
    const qreal dpr = image.devicePixelRatio();
    const QSize size(qMax(0, left) + qMax(0, middle) + qMax(0, right), qRound(image.height() / dpr));
    return stretchableImageWithSize(image, size, QMargins(qMax(0, left), 0, qMax(0, right), 0));
}

} // namespace drovik
