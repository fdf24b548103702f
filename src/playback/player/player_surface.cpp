#include "playback/player/player_surface.h"

#include "playback/player/gl_player_surface.h"
#include "playback/player/player_log.h"
#include "playback/player/sw_player_surface.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>

#include <cmath>

namespace drovik {

QSize softwareRenderSize(QSize target, QSize video)
{
    if (target.width() <= 0 || target.height() <= 0)
        return {};
    if (video.width() <= 0 || video.height() <= 0)
        return target;
    const double fit = std::min(double(target.width()) / video.width(),
                                double(target.height()) / video.height());
    if (fit <= 1.0)
        return target;
    return QSize(qMax(1, int(std::lround(target.width() / fit))),
                 qMax(1, int(std::lround(target.height() / fit))));
}

namespace {

bool probeOpenGL()
{
    const QByteArray choice = qgetenv("DROVIK_RENDER").toLower();
    if (choice == "sw")
        return false;
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return false;
    QOpenGLContext context;
    QOffscreenSurface surface;
    surface.create();
    const bool ok = context.create() && surface.isValid() && context.makeCurrent(&surface);
    if (ok)
        context.doneCurrent();
    else
        qCInfo(lcPlayer) << "no OpenGL context; drawing video in software";
    return ok;
}

} // namespace

bool openGLDrawingAvailable()
{
    static const bool available = probeOpenGL();
    return available;
}

PlayerSurface *createPlayerSurface(MpvController *player, QWidget *parent, bool software)
{
    if (!software && openGLDrawingAvailable())
        return new GlPlayerSurface(player, parent);
    return new SwPlayerSurface(player, parent);
}

} // namespace drovik
