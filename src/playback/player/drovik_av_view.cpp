#include "playback/player/drovik_av_view.h"

#include "playback/player/mpv_controller.h"
#include "playback/player/player_log.h"
#include "playback/player/player_surface.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace drovik {

namespace {
// What a snapshot is scaled to when the clip does not say how large its pictures are.
constexpr QSize kDefaultNaturalSize(1920, 1080);
} // namespace

DrovikAVView::DrovikAVView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    // A click or Tab gives the player the keys (the arrows step and change the volume here).
    setFocusPolicy(Qt::StrongFocus);
}

DrovikAVView::~DrovikAVView()
{
    closePlayer();
}

QUrl DrovikAVView::fileURL() const
{
    return m_fileName.isEmpty() ? QUrl() : QUrl::fromLocalFile(m_fileName);
}

void DrovikAVView::setStatus(int status)
{
    m_status = status;
    // Queued on the view itself, so that listeners hear of it after the current event, in order,
    // and a report still waiting when the view is destroyed goes with it.
    QMetaObject::invokeMethod(this, [this, status] { emit didUpdateStatus(this, status); },
                              Qt::QueuedConnection);
}

void DrovikAVView::setFileName(const QString &path, Opening opening)
{
    if (opening == Opening::KeepingPicture && !path.isEmpty() && canKeepPlayer() && m_surface->hasDrawnFrame()) {
        m_error.clear();
        m_loadPending = false;
        m_hasVideoTrack = false;
        m_fileName = path;
        m_player->setPaused(true);
        m_surface->holdDrawnFrame();
        showNoVideo(false);
        setStatus(StatusLoading);
        m_player->loadFile(path);
        return;
    }
    unloadPlayer();
    m_fileName = path;
    setStatus(StatusNoClip);
    if (!path.isEmpty())
        prepareAsset();
}

void DrovikAVView::reset()
{
    close();
}

void DrovikAVView::close()
{
    unloadPlayer();
    m_fileName.clear();
    setStatus(StatusNoClip);
}

void DrovikAVView::closePlayer()
{
    removeObservers();
    m_error.clear();
    m_loadPending = false;
    m_hasVideoTrack = false;
    m_rate = 0.0;
    // The render context must go before the mpv handle it was made from.
    if (m_surface) {
        m_surface->releaseRenderContext();
        delete m_surface->widget();
        m_surface = nullptr;
    }
    m_player.reset();
    showLoading(false);
    showNoVideo(false);
    update();
}

bool DrovikAVView::canKeepPlayer() const
{
    return m_player && m_player->isValid() && m_surface && m_surface->isRenderReady();
}

void DrovikAVView::unloadPlayer()
{
    m_error.clear();
    if (!canKeepPlayer()) {
        closePlayer();
        return;
    }
    // Freeing mpv's renderer and handle costs the GUI thread a few hundred milliseconds, and
    // the next clip would pay as much again to build them: the player stays, empty and hidden.
    m_loadPending = false;
    m_hasVideoTrack = false;
    m_rate = 0.0;
    m_player->unload();
    m_surface->resetDrawnFrame();
    m_surface->widget()->hide();
    showLoading(false);
    showNoVideo(false);
    update();
}

void DrovikAVView::prepareAsset()
{
    if (m_status == StatusLoading)
        return;
    // A hidden view draws in software (see below); a kept player fits only the same drawing.
    const bool wantsOpenGL = isVisible() && openGLDrawingAvailable();
    if (canKeepPlayer() && m_surface->usesOpenGL() == wantsOpenGL && !m_fileName.isEmpty()) {
        showLoading(true);
        m_surface->resetDrawnFrame();
        m_surface->widget()->show();
        setStatus(StatusLoading);
        m_player->loadFile(m_fileName);
        return;
    }
    closePlayer();
    showLoading(true);
    m_player = std::make_unique<MpvController>();
    // An OpenGL surface gets its context only once shown, and mpv needs it before the video
    // starts; a hidden view would wait for ever. It draws this clip in software instead.
    createSurface(!isVisible());
    rebuildObservers();
    setStatus(StatusLoading);
    if (m_fileName.isEmpty()) {
        stopLoadingAnimationAndHandleError(QStringLiteral("no file"));
        return;
    }
    if (!m_player->isValid()) {
        stopLoadingAnimationAndHandleError(QStringLiteral("no player"));
        return;
    }
    m_loadPending = true;
    loadWhenRenderReady();
}

void DrovikAVView::createSurface(bool software)
{
    m_surface = createPlayerSurface(m_player.get(), this, software);
    adoptSurface();
    applyPlayerTransform();
}

void DrovikAVView::adoptSurface()
{
    if (!m_surface)
        return;
    QWidget *surface = m_surface->widget();
    surface->setParent(this);
    surface->setGeometry(rect());
    surface->lower();
    // A player kept between clips has nothing to show until it has a file again.
    surface->setVisible(!m_fileName.isEmpty());
}

void DrovikAVView::fallBackToSoftwareDrawing()
{
    // mpv could not draw with this OpenGL; nothing has been loaded yet, so the software
    // renderer can take over.
    if (!m_surface || !m_surface->usesOpenGL() || m_surface->isRenderReady())
        return;
    removeObservers();
    delete m_surface->widget();
    createSurface(true);
    rebuildObservers();
    loadWhenRenderReady();
}

void DrovikAVView::loadWhenRenderReady()
{
    if (!m_loadPending || !m_player || !m_surface || !m_surface->isRenderReady())
        return;
    m_loadPending = false;
    m_player->loadFile(m_fileName);
}

void DrovikAVView::removeObservers()
{
    if (m_player)
        disconnect(m_player.get(), nullptr, this, nullptr);
    if (m_surface) {
        m_surface->onRenderReady = nullptr;
        m_surface->onRenderFailed = nullptr;
        m_surface->onFrameDrawn = nullptr;
    }
}

void DrovikAVView::rebuildObservers()
{
    if (m_surface) {
        m_surface->onRenderReady = [this] { loadWhenRenderReady(); };
        m_surface->onFrameDrawn = [this] { onReadyForDisplay(); };
        // Called from inside the surface's own GL set-up: replace it only after that returns.
        m_surface->onRenderFailed = [this] {
            QMetaObject::invokeMethod(this, &DrovikAVView::fallBackToSoftwareDrawing, Qt::QueuedConnection);
        };
    }
    if (!m_player)
        return;
    MpvController *player = m_player.get();
    connect(player, &MpvController::fileLoaded, this,
            [this](const MpvController::Tracks &tracks) { onFileLoaded(tracks.hasVideo); });
    connect(player, &MpvController::readyToPlay, this, &DrovikAVView::onReadyToPlay);
    connect(player, &MpvController::loadFailed, this,
            [this](const QString &error) { stopLoadingAnimationAndHandleError(error); });
    connect(player, &MpvController::timeTick, this, &DrovikAVView::onTime);
    connect(player, &MpvController::seekLanded, this, &DrovikAVView::onTime);
    connect(player, &MpvController::rateChanged, this, &DrovikAVView::onRate);
    connect(player, &MpvController::playedToEnd, this, &DrovikAVView::onPlayedToEnd);
}

void DrovikAVView::onFileLoaded(bool hasVideo)
{
    m_hasVideoTrack = hasVideo;
    if (!hasVideo) {
        // Failed as a picture, but the sound still plays: the player goes on loading.
        stopLoadingAnimationAndHandleError(std::nullopt);
        showNoVideo(true);
        setStatus(StatusFailed);
    }
    // The file is open and attached to the player, which does not yet say it can play.
    setStatus(StatusItemUnknown);
}

void DrovikAVView::onReadyToPlay()
{
    setStatus(StatusReadyToPlay);
}

void DrovikAVView::onReadyForDisplay()
{
    showLoading(false);
}

void DrovikAVView::onTime(double seconds)
{
    emit didUpdateTime(this, seconds);
}

void DrovikAVView::onRate(double rate)
{
    m_rate = std::isfinite(rate) ? rate : 0.0;
    emit didUpdateRate(this, m_rate);
}

void DrovikAVView::onPlayedToEnd()
{
    emit didPlayToEndTime(this);
}

bool DrovikAVView::hasDrawnPicture() const
{
    return m_surface && m_surface->hasDrawnFrame();
}

void DrovikAVView::stopLoadingAnimationAndHandleError(const std::optional<QString> &error)
{
    showLoading(false);
    if (error) {
        qCDebug(lcPlayer) << "cannot play" << m_fileName << ':' << *error;
        m_error = *error;
        setStatus(StatusFailed);
    }
}

double DrovikAVView::duration() const
{
    return m_player && m_player->isReady() ? m_player->duration() : 0.0;
}

double DrovikAVView::currentTime() const
{
    return m_player ? m_player->timePos() : 0.0;
}

void DrovikAVView::setCurrentTime(double seconds)
{
    if (m_player && std::isfinite(seconds))
        m_player->seekExact(std::round(seconds));
}

void DrovikAVView::setCurrentTimeExactly(double seconds)
{
    if (m_player && std::isfinite(seconds))
        m_player->seekExact(seconds);
}

float DrovikAVView::volume() const
{
    return m_player ? float(m_player->volume()) : 0.0f;
}

void DrovikAVView::setVolume(float volume)
{
    if (m_player)
        m_player->setVolume(volume);
}

void DrovikAVView::setPlaybackSpeed(double speed)
{
    if (!std::isfinite(speed) || speed <= 0.0)
        return;
    m_playbackSpeed = speed;
    if (m_player && m_player->rate() > 0.0)
        m_player->setRate(speed);
}

void DrovikAVView::setSpeedTrim(double factor)
{
    if (m_player)
        m_player->setSpeedTrim(factor);
}

double DrovikAVView::frameDuration() const
{
    return m_player ? m_player->frameDuration() : 1.0 / 30;
}

void DrovikAVView::play()
{
    if (!m_player)
        return;
    // The player stays on the last frame at the end; from there, play means from the start.
    if (m_player->isReady() && m_player->isAtEnd())
        m_player->seekExact(0.0);
    m_player->setRate(m_playbackSpeed);
}

void DrovikAVView::pause()
{
    if (m_player)
        m_player->setPaused(true);
}

void DrovikAVView::playPauseToggle()
{
    if (m_player && m_player->rate() == m_playbackSpeed)
        pause();
    else
        play();
}

void DrovikAVView::fastForward()
{
    if (!m_player)
        return;
    const double rate = m_player->rate();
    m_player->setRate(rate < 2.0 ? 2.0 : rate + 2.0);
}

void DrovikAVView::rewind()
{
    if (!m_player)
        return;
    const double rate = m_player->rate();
    m_player->setRate(rate > -2.0 ? -2.0 : rate - 2.0);
}

void DrovikAVView::stepForward()
{
    if (m_player)
        m_player->frameStep(false);
}

void DrovikAVView::stepBackward()
{
    if (m_player)
        m_player->frameStep(true);
}

QImage DrovikAVView::snapshot() const
{
    if (!m_player || !m_player->isFileLoaded())
        return {};
    const QSize natural = m_player->videoSize().isValid() ? m_player->videoSize() : kDefaultNaturalSize;
    const QImage frame = m_player->grabVideoFrame();
    if (frame.isNull() || frame.size() == natural)
        return frame;
    // Pictures stored with non-square pixels come out at their display shape.
    return frame.scaled(natural, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void DrovikAVView::swapPlayerItemWith(DrovikAVView *other)
{
    if (!other || other == this)
        return;
    removeObservers();
    other->removeObservers();
    std::swap(m_fileName, other->m_fileName);
    std::swap(m_error, other->m_error);
    std::swap(m_player, other->m_player);
    std::swap(m_surface, other->m_surface);
    // The status describes the player, so it moves with it; nothing changed for either
    // player, so nothing is reported.
    std::swap(m_status, other->m_status);
    std::swap(m_loadPending, other->m_loadPending);
    std::swap(m_hasVideoTrack, other->m_hasVideoTrack);
    std::swap(m_rate, other->m_rate);
    adoptSurface();
    other->adoptSurface();
    rebuildObservers();
    other->rebuildObservers();
    std::swap(m_leftsideRight, other->m_leftsideRight);
    for (DrovikAVView *view : {this, other}) {
        view->applyPlayerTransform();
        view->showNoVideo(view->m_player && view->m_player->isFileLoaded() && !view->m_hasVideoTrack);
        view->showLoading(view->m_status == StatusLoading
                          || (view->m_hasVideoTrack && view->m_surface && !view->m_surface->hasDrawnFrame()));
        view->update();
    }
}

void DrovikAVView::setUpsideDown(bool upsideDown)
{
    m_upsideDown = upsideDown;
    applyPlayerTransform();
}

void DrovikAVView::setLeftsideRight(bool leftsideRight)
{
    m_leftsideRight = leftsideRight;
    applyPlayerTransform();
}

void DrovikAVView::applyPlayerTransform()
{
    if (m_surface)
        m_surface->setMirrored(m_leftsideRight, m_upsideDown);
}

bool DrovikAVView::usesOpenGL() const
{
    return m_surface && m_surface->usesOpenGL();
}

void DrovikAVView::setLoadingSpinner(QWidget *spinner)
{
    if (m_loadingSpinner && m_loadingSpinner != spinner)
        m_loadingSpinner->deleteLater();
    m_loadingSpinner = spinner;
    if (spinner) {
        spinner->setParent(this);
        spinner->hide();
        layoutOverlays();
    }
}

void DrovikAVView::setNoVideoView(QWidget *view)
{
    if (m_noVideoView && m_noVideoView != view)
        m_noVideoView->deleteLater();
    m_noVideoView = view;
    if (view) {
        view->setParent(this);
        view->hide();
        layoutOverlays();
    }
}

void DrovikAVView::showLoading(bool shown)
{
    if (!m_loadingSpinner)
        return;
    m_loadingSpinner->setVisible(shown);
    if (shown)
        m_loadingSpinner->raise();
}

void DrovikAVView::showNoVideo(bool shown)
{
    if (!m_noVideoView)
        return;
    m_noVideoView->setVisible(shown);
    if (shown)
        m_noVideoView->raise();
}

void DrovikAVView::layoutOverlays()
{
    for (QWidget *overlay : {m_loadingSpinner.data(), m_noVideoView.data()}) {
        if (!overlay)
            continue;
        QRect area(QPoint(0, 0), overlay->sizeHint().isValid() ? overlay->sizeHint() : overlay->size());
        area.moveCenter(rect().center());
        overlay->setGeometry(area);
    }
}

void DrovikAVView::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), Qt::black);
}

void DrovikAVView::resizeEvent(QResizeEvent *)
{
    if (m_surface)
        m_surface->widget()->setGeometry(rect());
    layoutOverlays();
}

void DrovikAVView::mousePressEvent(QMouseEvent *event)
{
    // Take the right button so that its release comes here; the left one goes on to the
    // window (dragging, panning).
    if (event->button() == Qt::RightButton)
        event->accept();
    else
        QWidget::mousePressEvent(event);
}

void DrovikAVView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::RightButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    emit didRequestFullscreen(this);
}

} // namespace drovik
