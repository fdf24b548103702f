#pragma once

#include "playback/player/player_surface.h"

#include <QOpenGLWidget>

#include <atomic>
#include <memory>

class QOpenGLFramebufferObject;
struct mpv_render_context;

namespace drovik {

// Draws with mpv's OpenGL renderer into the widget's framebuffer. Mirroring left to right goes
// through an intermediate framebuffer and a mirrored blit; top to bottom is mpv's own flip.
//
// Qt destroys a QOpenGLWidget's context when the widget moves to another top-level window; the
// render context goes with it and is made again on the new context, and the player is asked
// to rebuild its video output.
class GlPlayerSurface : public QOpenGLWidget, public PlayerSurface {
    Q_OBJECT
public:
    GlPlayerSurface(MpvController *player, QWidget *parent);
    ~GlPlayerSurface() override;

    QWidget *widget() override { return this; }
    bool usesOpenGL() const override { return true; }
    bool isRenderReady() const override { return m_context != nullptr; }
    void setMirrored(bool horizontally, bool vertically) override;
    bool hasDrawnFrame() const override { return m_hasFrame; }
    void resetDrawnFrame() override;
    void holdDrawnFrame() override;
    void releaseRenderContext() override;

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    void onMpvUpdate();
    void renderTo(unsigned fbo, QSize size, bool flipY);
    void skipFrame();
    bool isHolding() const;
    static void onUpdate(void *self);

    MpvController *m_player;
    mpv_render_context *m_context = nullptr;
    std::unique_ptr<QOpenGLFramebufferObject> m_mirrorBuffer;
    std::atomic<bool> m_updateQueued{false};
    bool m_hadContext = false;
    bool m_hasFrame = false;
    bool m_holding = false;
    bool m_mirrorH = false;
    bool m_mirrorV = false;
};

} // namespace drovik
