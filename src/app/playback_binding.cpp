#include "playback_binding.h"

#include "app/main_window_ui.h"
#include "display/gravity_graph_view.h"
#include "display/map_controller.h"
#include "display/slider_views.h"
#include "display/speed_meter_view.h"
#include "playback/event_navigation.h"
#include "playback/playback_controller.h"
#include "playback/playback_speed.h"
#include "playback/player/drovik_av_view.h"
#include "playback/telemetry_readout.h"
#include "playback/view_zoom.h"
#include "telemetry/clip_data.h"
#include "widgets/busy_overlay.h"
#include "widgets/image_widgets.h"
#include "widgets/view_helpers.h"

#include <QLabel>
#include <QScrollArea>
#include <QWebEngineView>

namespace drovik {

PlaybackBinding::PlaybackBinding(MainWindowUi &ui, PlaybackController &playback, MapController &map,
                                 DrovikAVView &bigMovieView, DrovikAVView &smallMovieView, QObject *parent)
    : QObject(parent)
    , m_ui(ui)
    , m_playback(playback)
    , m_map(map)
    , m_big(bigMovieView)
    , m_small(smallMovieView)
    , m_busy(new BusyOverlay(ui.bigMovieViewScrollView))
    , m_events(new EventNavigation(*ui.seekTimeSliderView, *ui.gravityGraphView, *ui.prevEventButton,
                                   *ui.nextEventButton, [this] { return playingPosition(); }, this))
    , m_mute(makeAction(this, &PlaybackBinding::toggleMute))
    , m_volumeUp(makeAction(this, &PlaybackBinding::volumeUp, {QKeySequence(Qt::Key_Up)}))
    , m_volumeDown(makeAction(this, &PlaybackBinding::volumeDown, {QKeySequence(Qt::Key_Down)}))
{
    bindCommands();
    bindReadouts();
    bindTelemetry();
}

void PlaybackBinding::bindCommands()
{
    PlaybackController *p = &m_playback;
    const PlaybackController::Actions &a = p->actions();
    const ViewZoom &zoom = p->zoom();
    const std::pair<QAbstractButton *, QAction *> shown[] = {
        {m_ui.playPauseButton, a.playPause},   {m_ui.stopButton, a.stop},
        {m_ui.nextFileButton, a.next},         {m_ui.prevFileButton, a.previous},
        {m_ui.rewindButton, a.stepBackward},   {m_ui.fastForwardButton, a.stepForward},
        {m_ui.switchVideoButton, a.switchViews}, {m_ui.flipButton, a.mirror},
        {m_ui.zoomInButton, zoom.zoomInAction()}, {m_ui.zoomOutButton, zoom.zoomOutAction()},
        {m_ui.resetScaleButton, zoom.resetAction()}, {m_ui.fullScreenButton, zoom.panAction()},
        {m_ui.muteButton, m_mute},
    };
    for (const auto &[button, action] : shown)
        showAction(button, action);
    connect(m_ui.playbackSpeedButton, &PlaybackSpeedButton::speedChosen, p, &PlaybackController::setPlaybackSpeed);
    connect(m_ui.seekTimeSliderView, &SeekTimeSliderView::seekTimeSliderTouchedUp, p,
            &PlaybackController::seekTimeSliderTouchedUp);
    connect(m_ui.volumeSliderView, &VolumeSliderView::volumeChanged, p, &PlaybackController::volumeChanged);
    connect(m_ui.gravityGraphView, &GravityGraphView::sampleSeekRequested, p, &PlaybackController::seekToSampleTime);
    connect(m_events, &EventNavigation::seekRequested, p, &PlaybackController::seekToSampleTime);
    connect(&m_map, &MapController::routePointClicked, p, &PlaybackController::seekToRoutePoint);
}

void PlaybackBinding::bindReadouts()
{
    const MainWindowUi &u = m_ui;
    PlaybackController *p = &m_playback;
    connect(p, &PlaybackController::preparingChanged, this, [this](bool preparing, const QString &name) {
        if (preparing)
            m_busy->showWithText(name);
        else
            m_busy->hide();
    });
    connect(p, &PlaybackController::controlsEnabledChanged, this, [this, u](bool enable) {
        m_mute->setEnabled(enable);
        for (QWidget *control : QList<QWidget *>{u.volumeSliderView, u.seekTimeSliderView, u.playbackSpeedButton})
            control->setEnabled(enable);
        for (QWidget *image : QList<QWidget *>{u.shockCarImageView, u.earthImageView, u.gpsImageView,
                                               u.speedMeterView})
            image->setVisible(enable);
    });
    connect(p, &PlaybackController::moviesChanged, this, [this](bool big, bool small) {
        m_ui.bigMovieCoverImageView->setVisible(!big);
        m_ui.smallMovieCoverImageView->setVisible(!small);
        if (small)
            m_small.raise();
        else
            m_ui.smallMovieCoverImageView->raise();
    });
    connect(p, &PlaybackController::playingChanged, u.playPauseButton, [u](bool playing) {
        u.playPauseButton->setImageName(playing ? QStringLiteral("pause1") : QStringLiteral("play_1"));
    });
    connect(p, &PlaybackController::durationChanged, this, [u](double duration) {
        u.seekTimeSliderView->setMaxSliderValue(duration);
        if (u.volumeSliderView->isMuted())
            u.volumeSliderView->setEnabled(false);
    });
    connect(p, &PlaybackController::seekPositionChanged, u.seekTimeSliderView,
            &SeekTimeSliderView::setCurrentSliderValue);
    connect(p, &PlaybackController::seekPositionChanged, u.gravityGraphView, &GravityGraphView::setPlayPosition);
    connect(p, &PlaybackController::playTimeChanged, u.playTimeTextField, [u](double time, double duration) {
        u.playTimeTextField->setText(PlaybackController::playTimeText(time, duration));
    });
    const TelemetryReadout *readout = &p->readout();
    connect(readout, &TelemetryReadout::gravityChanged, this, [u](float gx, float gy, float gz) {
        u.gxTextField->setText(TelemetryReadout::readoutText(gx, 3));
        u.gyTextField->setText(TelemetryReadout::readoutText(gy, 3));
        u.gzTextField->setText(TelemetryReadout::readoutText(gz, 3));
    });
    connect(readout, &TelemetryReadout::positionChanged, this, [u](float lat, float lng) {
        u.latTextField->setText(TelemetryReadout::readoutText(lat, 4));
        u.lngTextField->setText(TelemetryReadout::readoutText(lng, 4));
    });
    connect(readout, &TelemetryReadout::speedChanged, u.speedMeterView, &SpeedMeterView::setSpeed);
    connect(p, &PlaybackController::animationStepped, this, [u](int frame) {
        u.shockCarImageView->setImageName(QStringLiteral("shock_gage%1").arg(frame));
        u.earthImageView->setImageName(QStringLiteral("earth%1").arg(frame));
    });
    connect(p, &PlaybackController::playbackSpeedChanged, u.playbackSpeedButton, &PlaybackSpeedButton::setSpeed);
    connect(&p->zoom(), &ViewZoom::panningChanged, u.fullScreenButton, [u](bool panning) {
        u.fullScreenButton->setImageName(panning ? QStringLiteral("pan_2") : QStringLiteral("pan_1"));
        u.fullScreenButton->setHoverImageChange(!panning);
    });
}

void PlaybackBinding::bindTelemetry()
{
    PlaybackController *p = &m_playback;
    connect(p, &PlaybackController::telemetryChanged, this, [this](const DrovikClipData &clip) {
        m_ui.gravityGraphView->setClipData(clip);
        m_events->showEventsOf(clip);
        m_map.removeMapLine();
        if (clip.gpsDataCount() != 0) {
            m_ui.gpsImageView->setImageName(QStringLiteral("gps_on"));
            m_ui.gpsImageView->show();
            m_map.addRoute(clip);
        } else {
            m_ui.gpsImageView->hide();
        }
    });
    connect(p, &PlaybackController::timedTelemetryChanged, this,
            [this](const std::shared_ptr<const telemetry::TimedRecord> &record) {
        m_ui.gravityGraphView->setTimedRecord(record);
        m_events->showEventsOf(*record);
        if (record->gpsDataCount() != 0) {
            m_ui.gpsImageView->setImageName(QStringLiteral("gps_on"));
            m_ui.gpsImageView->show();
            m_map.addRoute(*record);
        }
    });
    connect(p, &PlaybackController::telemetryCleared, this, [this] {
        m_ui.gravityGraphView->setClipData(nullptr);
        m_events->clear();
        m_map.removeMapLine();
        m_ui.gpsImageView->setImageName(QStringLiteral("gps_off"));
    });
    connect(&p->readout(), &TelemetryReadout::mapPositionChanged, &m_map, &MapController::moveToLat);
    connect(&p->readout(), &TelemetryReadout::mapCoverChanged, this, &PlaybackBinding::showMapCover);
}

void PlaybackBinding::showMapCover(bool covered)
{
    m_ui.mapCoverView->setVisible(covered);
    // Full screen hides the map until it ends.
    if (m_map.webView())
        m_map.webView()->setVisible(!covered && !m_playback.fullScreenView());
}

void PlaybackBinding::fullScreenChanged(bool on)
{
    QWidget *map = m_map.webView();
    if (!map)
        return;
    if (on) {
        m_mapHiddenOnFullScreen = map->isHidden();
        map->hide();
    } else {
        map->setVisible(!m_mapHiddenOnFullScreen);
    }
}

void PlaybackBinding::stepVolume(float step)
{
    VolumeSliderView *bar = m_ui.volumeSliderView;
    bar->setVolume(bar->volume() + step);
    m_playback.setKeyVolume(bar->volume());
    m_ui.muteButton->setImageName(bar->volume() != 0.0f ? QStringLiteral("volume1") : QStringLiteral("volume2"));
}

void PlaybackBinding::volumeUp()
{
    stepVolume(0.1f);
}

void PlaybackBinding::volumeDown()
{
    stepVolume(-0.1f);
}

void PlaybackBinding::toggleMute()
{
    VolumeSliderView *bar = m_ui.volumeSliderView;
    bar->setIsMuted(!bar->isMuted());
    m_ui.muteButton->setImageName(bar->isMuted() ? QStringLiteral("volume2") : QStringLiteral("volume1"));
    bar->setEnabled(!bar->isMuted());
}

std::optional<double> PlaybackBinding::playingPosition() const
{
    if (!m_big.hasMovie())
        return std::nullopt;
    return m_big.currentTime();
}

} // namespace drovik
