#include "playback/player/gl_player_surface.h"

#include "playback/player/mpv_controller.h"
#include "playback/player/player_log.h"

#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QOpenGLFramebufferObject>
#include <QWindow>

#include <mpv/render_gl.h>

namespace drovik {

namespace {

void *getProcAddress(void *, const char *name)
{
    QOpenGLContext *context = QOpenGLContext::currentContext();
    return context ? reinterpret_cast<void *>(context->getProcAddress(name)) : nullptr;
}

} // namespace

GlPlayerSurface::GlPlayerSurface(MpvController *player, QWidget *parent)
    : QOpenGLWidget(parent), m_player(player)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // A held picture (holdDrawnFrame) is the framebuffer left as the last paint made it.
    setUpdateBehavior(QOpenGLWidget::PartialUpdate);
}

GlPlayerSurface::~GlPlayerSurface()
{
    releaseRenderContext();
    // QOpenGLWidget's destructor destroys the context; this part of the object is gone by then.
    if (context())
        disconnect(context(), nullptr, this, nullptr);
}

void GlPlayerSurface::initializeGL()
{
    if (m_context || !m_player || !m_player->handle())
        return;
    mpv_opengl_init_params glInit{&getProcAddress, nullptr};
    char apiType[] = MPV_RENDER_API_TYPE_OPENGL;
    mpv_render_param params[] = {{MPV_RENDER_PARAM_API_TYPE, apiType},
                                 {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &glInit},
                                 {MPV_RENDER_PARAM_INVALID, nullptr}};
    if (mpv_render_context_create(&m_context, m_player->handle(), params) < 0) {
        qCWarning(lcPlayer) << "mpv OpenGL renderer unavailable";
        m_context = nullptr;
        if (onRenderFailed)
            onRenderFailed();
        return;
    }
    mpv_render_context_set_update_callback(m_context, &GlPlayerSurface::onUpdate, this);
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this,
            &GlPlayerSurface::releaseRenderContext, Qt::UniqueConnection);
    if (m_hadContext) {
        qCDebug(lcPlayer) << "OpenGL context replaced; rebuilding the video output";
        m_player->reloadVideo();
    }
    m_hadContext = true;
    if (onRenderReady)
        onRenderReady();
}

void GlPlayerSurface::releaseRenderContext()
{
    if (!m_context)
        return;
    makeCurrent();
    m_mirrorBuffer.reset();
    mpv_render_context_set_update_callback(m_context, nullptr, nullptr);
    // A frame mpv is waiting to hand over would hold the free back until mpv gives up on it
    // (a fifth of a second, per frame): take it first.
    skipFrame();
    mpv_render_context_free(m_context);
    m_context = nullptr;
    doneCurrent();
}

void GlPlayerSurface::onUpdate(void *self)
{
    // mpv's thread: only post.
    auto *surface = static_cast<GlPlayerSurface *>(self);
    if (!surface->m_updateQueued.exchange(true))
        QMetaObject::invokeMethod(surface, &GlPlayerSurface::onMpvUpdate, Qt::QueuedConnection);
}

void GlPlayerSurface::onMpvUpdate()
{
    m_updateQueued = false;
    if (!m_context)
        return;
    const QWindow *host = window()->windowHandle();
    if (isVisible() && host && host->isExposed() && !isHolding()) {
        update();
        return;
    }
    // mpv waits for every frame to be taken; a view that is hidden, or in a minimised or
    // covered window that Qt will not paint, takes them without drawing.
    makeCurrent();
    skipFrame();
    doneCurrent();
}

void GlPlayerSurface::skipFrame()
{
    if (!(mpv_render_context_update(m_context) & MPV_RENDER_UPDATE_FRAME))
        return;
    int skip = 1;
    int block = 0;
    mpv_render_param params[] = {{MPV_RENDER_PARAM_SKIP_RENDERING, &skip},
                                 {MPV_RENDER_PARAM_BLOCK_FOR_TARGET_TIME, &block},
                                 {MPV_RENDER_PARAM_INVALID, nullptr}};
    mpv_render_context_render(m_context, params);
}

void GlPlayerSurface::renderTo(unsigned fbo, QSize size, bool flipY)
{
    mpv_opengl_fbo target{int(fbo), size.width(), size.height(), 0};
    int flip = flipY ? 1 : 0;
    int block = 0;
    mpv_render_param params[] = {{MPV_RENDER_PARAM_OPENGL_FBO, &target},
                                 {MPV_RENDER_PARAM_FLIP_Y, &flip},
                                 {MPV_RENDER_PARAM_BLOCK_FOR_TARGET_TIME, &block},
                                 {MPV_RENDER_PARAM_INVALID, nullptr}};
    mpv_render_context_render(m_context, params);
}

void GlPlayerSurface::paintGL()
{
    QOpenGLExtraFunctions *gl = context()->extraFunctions();
    const QSize size = this->size() * devicePixelRatioF();
    if (isHolding() && !size.isEmpty())
        return;
    if (!m_context || size.isEmpty()) {
        gl->glClearColor(0, 0, 0, 1);
        gl->glClear(GL_COLOR_BUFFER_BIT);
        return;
    }
    mpv_render_context_update(m_context);
    if (!m_mirrorH) {
        // The widget's framebuffer is bottom-up: mpv's flip is the normal way up.
        renderTo(defaultFramebufferObject(), size, !m_mirrorV);
    } else {
        if (!m_mirrorBuffer || m_mirrorBuffer->size() != size)
            m_mirrorBuffer = std::make_unique<QOpenGLFramebufferObject>(size);
        renderTo(m_mirrorBuffer->handle(), size, true);
        gl->glBindFramebuffer(GL_READ_FRAMEBUFFER, m_mirrorBuffer->handle());
        gl->glBindFramebuffer(GL_DRAW_FRAMEBUFFER, defaultFramebufferObject());
        const int w = size.width();
        const int h = size.height();
        gl->glBlitFramebuffer(0, 0, w, h, w, m_mirrorV ? h : 0, 0, m_mirrorV ? 0 : h,
                              GL_COLOR_BUFFER_BIT, GL_NEAREST);
        gl->glBindFramebuffer(GL_FRAMEBUFFER, defaultFramebufferObject());
    }
    if (m_player->videoSize().isValid() && !m_hasFrame) {
        m_hasFrame = true;
        m_holding = false;
        if (onFrameDrawn)
            QMetaObject::invokeMethod(this, [this] { if (onFrameDrawn) onFrameDrawn(); }, Qt::QueuedConnection);
    }
}

void GlPlayerSurface::setMirrored(bool horizontally, bool vertically)
{
    m_mirrorH = horizontally;
    m_mirrorV = vertically;
    update();
}

bool GlPlayerSurface::isHolding() const
{
    // Until the next file is loaded, what mpv hands over is not its picture.
    return m_holding && !m_player->isFileLoaded();
}

void GlPlayerSurface::holdDrawnFrame()
{
    m_hasFrame = false;
    m_holding = true;
}

void GlPlayerSurface::resetDrawnFrame()
{
    m_hasFrame = false;
    m_holding = false;
    update();
}

} // namespace drovik
