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
