#pragma once

#include "playback/player/player_surface.h"

#include <QImage>
#include <QWidget>

#include <atomic>

struct mpv_render_context;

namespace drovik {

// Draws with mpv's software renderer into an image, then paints the image. For machines and
// test runs without OpenGL.
class SwPlayerSurface : public QWidget, public PlayerSurface {
    Q_OBJECT
public:
    SwPlayerSurface(MpvController *player, QWidget *parent);
    ~SwPlayerSurface() override;

    QWidget *widget() override { return this; }
    bool usesOpenGL() const override { return false; }
    bool isRenderReady() const override { return m_context != nullptr; }
    void setMirrored(bool horizontally, bool vertically) override;
    bool hasDrawnFrame() const override { return m_hasFrame; }
    void resetDrawnFrame() override;
    void holdDrawnFrame() override;
    void releaseRenderContext() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void renderFrame();
    void requestRedraw();
    static void onUpdate(void *self);

    MpvController *m_player;
    mpv_render_context *m_context = nullptr;
    std::atomic<bool> m_renderQueued{false};
    QImage m_frame;
    bool m_hasFrame = false;
    bool m_holding = false;
    bool m_redrawWanted = false;
    bool m_mirrorH = false;
    bool m_mirrorV = false;
};

} // namespace drovik
