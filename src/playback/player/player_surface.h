#pragma once

#include <QImage>
#include <QSize>

#include <functional>

class QWidget;

namespace drovik {

class MpvController;

// Where one player's pictures are drawn: a child widget of the player view, bound for life to
// one MpvController through an mpv render context. It travels with its player when two views
// exchange players.
//
// mpv has to have the render context before a file's video starts, so the view loads a file
// only once isRenderReady() is true (onRenderReady tells it when).
class PlayerSurface {
public:
    virtual ~PlayerSurface() = default;

    virtual QWidget *widget() = 0;
    virtual bool usesOpenGL() const = 0;
    virtual bool isRenderReady() const = 0;

    // Mirrors the picture on screen only; frames taken from the player stay as decoded.
    virtual void setMirrored(bool horizontally, bool vertically) = 0;

    // True once a video frame has been drawn since the last resetDrawnFrame() or
    // holdDrawnFrame().
    virtual bool hasDrawnFrame() const = 0;
    virtual void resetDrawnFrame() = 0;
    // Keeps the picture on screen while the player opens its next file, until that file's
    // first frame is drawn: what mpv hands over before the new file is loaded (the old file's
    // end, an empty output between the two) is taken and not shown.
    virtual void holdDrawnFrame() = 0;

    // Frees the render context. Must happen before the player's mpv handle is destroyed.
    virtual void releaseRenderContext() = 0;

    // Called on the GUI thread, never from inside an mpv callback.
    std::function<void()> onRenderReady;
    std::function<void()> onRenderFailed;
    std::function<void()> onFrameDrawn;
};

// The size at which to ask mpv for a picture that will fill `target`: `target` itself, or
// smaller with the same shape when the video (natural size `video`) would be enlarged, since
// enlarging is cheaper done by the painter than by mpv's software scaler.
QSize softwareRenderSize(QSize target, QSize video);

// OpenGL drawing unless DROVIK_RENDER=sw, the platform has no OpenGL (offscreen, minimal) or
// no OpenGL context can be made. Decided once per process.
bool openGLDrawingAvailable();

// A new surface for `player`, a child of `parent`; OpenGL when available unless `software`.
PlayerSurface *createPlayerSurface(MpvController *player, QWidget *parent, bool software = false);

} // namespace drovik
