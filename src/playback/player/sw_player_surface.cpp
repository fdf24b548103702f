#include "playback/player/sw_player_surface.h"

#include "playback/player/mpv_controller.h"
#include "playback/player/player_log.h"

#include <QPainter>

#include <mpv/render.h>

namespace drovik {

SwPlayerSurface::SwPlayerSurface(MpvController *player, QWidget *parent)
    : QWidget(parent), m_player(player)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    if (!player || !player->handle())
        return;
    char apiType[] = MPV_RENDER_API_TYPE_SW;
    mpv_render_param params[] = {{MPV_RENDER_PARAM_API_TYPE, apiType}, {MPV_RENDER_PARAM_INVALID, nullptr}};
    if (mpv_render_context_create(&m_context, player->handle(), params) < 0) {
        qCWarning(lcPlayer) << "mpv software renderer unavailable";
        m_context = nullptr;
        return;
    }
    mpv_render_context_set_update_callback(m_context, &SwPlayerSurface::onUpdate, this);
}

SwPlayerSurface::~SwPlayerSurface()
{
    releaseRenderContext();
}

void SwPlayerSurface::releaseRenderContext()
{
    if (!m_context)
        return;
    mpv_render_context_set_update_callback(m_context, nullptr, nullptr);
    mpv_render_context_free(m_context);
    m_context = nullptr;
}

void SwPlayerSurface::onUpdate(void *self)
{
    // mpv's thread: only post.
    auto *surface = static_cast<SwPlayerSurface *>(self);
    if (!surface->m_renderQueued.exchange(true))
        QMetaObject::invokeMethod(surface, &SwPlayerSurface::renderFrame, Qt::QueuedConnection);
}

void SwPlayerSurface::renderFrame()
{
    m_renderQueued = false;
    if (!m_context)
        return;
    const bool newFrame = mpv_render_context_update(m_context) & MPV_RENDER_UPDATE_FRAME;
    if (!newFrame && !m_redrawWanted)
        return;
    int block = 0;
    // Until the next file is loaded, what mpv hands over is not its picture: the held one stays.
    const bool held = m_holding && !m_player->isFileLoaded();
    if (held && !newFrame)
        return;
    m_redrawWanted = false;
    const QSize size = held ? QSize()
                            : softwareRenderSize(isVisible() ? this->size() * devicePixelRatioF() : QSize(),
                                                 m_player->videoSize());
    if (size.isEmpty()) {
        // mpv waits for every frame to be taken; a hidden view takes them without drawing.
        int skip = 1;
        mpv_render_param params[] = {{MPV_RENDER_PARAM_SKIP_RENDERING, &skip},
                                     {MPV_RENDER_PARAM_BLOCK_FOR_TARGET_TIME, &block},
                                     {MPV_RENDER_PARAM_INVALID, nullptr}};
        mpv_render_context_render(m_context, params);
        return;
    }
    if (m_frame.size() != size)
        m_frame = QImage(size, QImage::Format_RGBX8888);
    int dimensions[2] = {size.width(), size.height()};
    size_t stride = size_t(m_frame.bytesPerLine());
    char format[] = "rgb0";
    mpv_render_param params[] = {{MPV_RENDER_PARAM_SW_SIZE, dimensions},
                                 {MPV_RENDER_PARAM_SW_FORMAT, format},
                                 {MPV_RENDER_PARAM_SW_STRIDE, &stride},
                                 {MPV_RENDER_PARAM_SW_POINTER, m_frame.bits()},
                                 {MPV_RENDER_PARAM_BLOCK_FOR_TARGET_TIME, &block},
                                 {MPV_RENDER_PARAM_INVALID, nullptr}};
    if (mpv_render_context_render(m_context, params) < 0)
        return;
    update();
    if (m_player->videoSize().isValid() && !m_hasFrame) {
        m_hasFrame = true;
        m_holding = false;
        if (onFrameDrawn)
            onFrameDrawn();
    }
}

void SwPlayerSurface::requestRedraw()
{
    // A new size or a newly shown view: draw the current frame again, even when paused.
    m_redrawWanted = true;
    if (!m_renderQueued.exchange(true))
        QMetaObject::invokeMethod(this, &SwPlayerSurface::renderFrame, Qt::QueuedConnection);
}

void SwPlayerSurface::resizeEvent(QResizeEvent *)
{
    requestRedraw();
}

void SwPlayerSurface::showEvent(QShowEvent *)
{
    requestRedraw();
}

void SwPlayerSurface::setMirrored(bool horizontally, bool vertically)
{
    m_mirrorH = horizontally;
    m_mirrorV = vertically;
    update();
}

void SwPlayerSurface::holdDrawnFrame()
{
    m_hasFrame = false;
    m_holding = true;
}

void SwPlayerSurface::resetDrawnFrame()
{
    m_hasFrame = false;
    m_holding = false;
    m_frame.fill(Qt::black);
    update();
}

void SwPlayerSurface::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (m_frame.isNull())
        return;
    painter.translate(m_mirrorH ? width() : 0, m_mirrorV ? height() : 0);
    painter.scale(m_mirrorH ? -1.0 : 1.0, m_mirrorV ? -1.0 : 1.0);
    painter.drawImage(QRect(QPoint(0, 0), size()), m_frame);
}

} // namespace drovik
