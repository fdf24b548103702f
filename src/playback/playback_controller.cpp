#include "playback_controller.h"

#include "widgets/image_widgets.h"
#include "display/gravity_graph_view.h"
#include "display/map_controller.h"
#include "display/slider_views.h"
#include "display/speed_meter_view.h"
#include "app/file_list_controller.h"
#include "library/video_file_rules.h"
#include "app/main_window_ui.h"
#include "playback/convert/clip_preparation.h"
#include "playback/event_navigation.h"
#include "playback/playback_speed.h"
#include "playback/view_pair_sync.h"
#include "widgets/busy_overlay.h"
#include "telemetry/clip_data.h"
#include "telemetry/subtitle_data.h"

#include <QFileInfo>
#include <QFutureWatcher>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QThreadPool>
#include <QWebEngineView>
#include <QtConcurrent/QtConcurrentRun>

#include <cmath>

namespace drovik {

namespace {

constexpr int kDisplayTimerMs = 30;          // 1/33 s
constexpr double kSensorRefresh = double(0.3f);
constexpr double kMapRefresh = 1.0;
// A last refresh time that makes the next tick refresh whatever the playing position.
constexpr double kRefreshLongAgo = -1e9;

QString fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

float gravity(int raw)
{
    return float(raw * 4) / 512.0f;
}

} // namespace

PlaybackController::PlaybackController(MainWindowUi &ui, FileListController &fileList,
                                       DrovikAVView &bigMovieView, DrovikAVView &smallMovieView,
                                       MapController &map, QObject *parent)
    : QObject(parent)
    , m_ui(ui)
    , m_fileList(fileList)
    , m_big(bigMovieView)
    , m_small(smallMovieView)
    , m_map(map)
    , m_videoPlayTimer(new QTimer(this))
    , m_playAnimationTimer(new QTimer(this))
    , m_clipData(std::make_unique<DrovikClipData>())
    , m_preparationPool(new QThreadPool(this))
    , m_busy(new BusyOverlay(ui.bigMovieViewScrollView))
    , m_eventNavigation(new EventNavigation(*ui.seekTimeSliderView, *ui.gravityGraphView,
                                            *ui.prevEventButton, *ui.nextEventButton, this))
    , m_pairSync(std::make_unique<ViewPairSync>())
{
    m_preparationPool->setMaxThreadCount(1);
    m_videoPlayTimer->setInterval(kDisplayTimerMs);
    m_videoPlayTimer->setTimerType(Qt::PreciseTimer);
    connect(m_videoPlayTimer, &QTimer::timeout, this, &PlaybackController::playVideoTimerCallback);
    m_playAnimationTimer->setInterval(1000);
    connect(m_playAnimationTimer, &QTimer::timeout, this, [this] {
        const int k = (m_playAnimationIdx % 2) + 1;
        ++m_playAnimationIdx;
        m_ui.shockCarImageView->setImageName(QStringLiteral("shock_gage%1").arg(k));
        m_ui.earthImageView->setImageName(QStringLiteral("earth%1").arg(k));
    });
    for (DrovikAVView *view : {&m_big, &m_small}) {
        connect(view, &DrovikAVView::didUpdateStatus, this, &PlaybackController::drovikAVViewDidUpdateStatus);
        connect(view, &DrovikAVView::didPlayToEndTime, this, &PlaybackController::drovikAVViewDidPlayToEndTime);
    }
    m_big.setFront(true);
    m_small.setFront(false);
    connect(m_ui.seekTimeSliderView, &SeekTimeSliderView::seekTimeSliderTouchedUp, this,
            &PlaybackController::seekTimeSliderTouchedUp);
    // A click on the route seeks as the seek bar does, the bar's knob jumping there at once.
    connect(&m_map, &MapController::routePointClicked, this, [this](double seconds) {
        m_ui.seekTimeSliderView->setCurrentSliderValue(seconds);
        // Paused, the display timer is still: the read-outs follow once the view is there.
        if (m_isVideoPaused)
            connect(&m_big, &DrovikAVView::didUpdateTime, this, &PlaybackController::playVideoTimerCallback,
                    Qt::SingleShotConnection);
        seekTimeSliderTouchedUp(seconds);
    });
    connect(m_ui.volumeSliderView, &VolumeSliderView::volumeChanged, this, &PlaybackController::volumeChanged);
    connect(m_ui.gravityGraphView, &GravityGraphView::sampleSeekRequested, this,
            &PlaybackController::seekToSampleTime);
    connect(m_eventNavigation, &EventNavigation::seekRequested, this, &PlaybackController::seekToSampleTime);

    const auto bind = [this](QAbstractButton *button, void (PlaybackController::*action)(QObject *)) {
        connect(button, &QAbstractButton::clicked, this, [this, button, action] { (this->*action)(button); });
    };
    bind(m_ui.playPauseButton, &PlaybackController::playPauseButtonTouched);
    bind(m_ui.stopButton, &PlaybackController::stopButtonTouched);
    bind(m_ui.nextFileButton, &PlaybackController::playNextFileButtonTouched);
    bind(m_ui.prevFileButton, &PlaybackController::playPrevFileButtonTouched);
    bind(m_ui.rewindButton, &PlaybackController::rewindButtonTouched);
    bind(m_ui.fastForwardButton, &PlaybackController::fastForwardButtonTouched);
    bind(m_ui.muteButton, &PlaybackController::toggleMuteButtonTouched);
    bind(m_ui.switchVideoButton, &PlaybackController::toggleVideoSwitchButtonTouched);
    bind(m_ui.flipButton, &PlaybackController::videoRotateButtonTouched);
    bind(m_ui.zoomInButton, &PlaybackController::videoScaleUpButtonTouched);
    bind(m_ui.zoomOutButton, &PlaybackController::videoScaleDownButtonTouched);
    bind(m_ui.resetScaleButton, &PlaybackController::resetVideoScaleButtonTouched);
    bind(m_ui.prevEventButton, &PlaybackController::previousEventButtonTouched);
    bind(m_ui.nextEventButton, &PlaybackController::nextEventButtonTouched);
    connect(m_ui.fullScreenButton, &QAbstractButton::clicked, this, &PlaybackController::enterScrollMode);
    connect(&m_fileList, &FileListController::playRequested, this, &PlaybackController::playVideoWithIdx);
    connect(m_ui.playbackSpeedButton, &PlaybackSpeedButton::speedChosen, this,
            &PlaybackController::setPlaybackSpeed);
}

PlaybackController::~PlaybackController()
{
    // Entries still waiting are dropped; a conversion under way finishes into the cache.
    m_preparationPool->clear();
}

void PlaybackController::setFullScreenPlayPauseButton(ImageButton *button)
{
    m_fullScreenPlayPauseButton = button;
}

bool PlaybackController::isPreparing() const
{
    return !m_busy->isHidden();
}

bool PlaybackController::isDisplayTimerRunning() const
{
    return m_videoPlayTimer->isActive();
}

QString PlaybackController::playTimeText(double time, double duration)
{
    const auto minutes = [](double s) { return int(std::trunc(s / 60.0)); };
    const auto seconds = [](double s) { return int(std::trunc(s)) % 60; };
    return QString::asprintf("%02d:%02d/%02d:%02d", minutes(time), seconds(time), minutes(duration),
                             seconds(duration));
}

QString PlaybackController::gravityText(int raw)
{
    return fixed(gravity(raw), 3);
}

void PlaybackController::playVideoWithIdx(int row)
{
    const QList<QUrl> &list = m_fileList.filteredVideoFileList();
    if (row < 0 || row >= list.size())
        return;
    stopVideo();
    prepareVideoToPlay(list.at(row), 0);
}

void PlaybackController::prepareVideoToPlay(const QUrl &entry, double)
{
    resetVideoInformation();
    // A new clip starts unzoomed with panning off; in full screen the zoom stays as it is.
    if (!m_fullScreenView) {
        m_videoScale = 1.0;
        m_enableBigMovieViewScroll = true;
        m_touchedBigMovieScroll = false;
        enterScrollMode();
    }
    m_big.reset();
    m_small.reset();
    m_bigVideoFilePath.clear();
    m_smallVideoFilePath.clear();
    m_subtitleData.reset();
    m_lastUpdatedLat = 0;
    m_lastUpdatedLng = 0;

    // Conversion and telemetry run on a worker thread, so the window stays responsive however
    // long ffmpeg takes on a slow card; a newer entry supersedes this one.
    const quint64 preparation = ++m_preparation;
    m_preparingVideoUrl = entry;
    m_busy->showWithText(entry.fileName());
    auto *watcher = new QFutureWatcher<std::shared_ptr<PreparedClip>>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, preparation] {
        watcher->deleteLater();
        if (preparation == m_preparation)
            finishPreparation(*watcher->result());
    });
    watcher->setFuture(QtConcurrent::run(m_preparationPool, [entry, folder = m_workingDirectory] {
        return std::make_shared<PreparedClip>(prepareClip(entry, folder));
    }));
}

void PlaybackController::finishPreparation(PreparedClip &clip)
{
    m_busy->hide();
    if (!clip.files || clip.files->isEmpty()) {
        m_currentVideoUrl = QUrl();
        if (m_unsupported)
            m_unsupported();
        return;
    }
    const QList<QUrl> &files = *clip.files;
    m_currentVideoUrl = clip.entry;
    // Every clip starts with its first playable file in the large view.
    m_isVideoSwitched = false;
    enableVideoControls(true);
    m_bigVideoFilePath = files.first().toLocalFile();
    m_big.setFileName(m_bigVideoFilePath);
    if (files.size() > 1) {
        m_smallVideoFilePath = files.at(1).toLocalFile();
        m_small.setFileName(m_smallVideoFilePath);
        m_small.setVolume(0.0f);
        m_ui.switchVideoButton->setEnabled(true);
    } else {
        m_ui.switchVideoButton->setEnabled(false);
    }
    m_clipData = std::move(clip.clipData);
    m_subtitleData = std::move(clip.subtitles);
    showTelemetry();
    updateMovieViewCoverScreen();
}

void PlaybackController::showTelemetry()
{
    m_ui.gravityGraphView->setClipData(*m_clipData);
    m_eventNavigation->showEventsOf(*m_clipData);
    m_map.removeMapLine();
    if (m_clipData->gpsDataCount() != 0) {
        m_ui.gpsImageView->setImageName(QStringLiteral("gps_on"));
        m_ui.gpsImageView->show();
        m_map.addRoute(*m_clipData);
    } else {
        showMapCover(true);
        m_ui.gpsImageView->hide();
    }
}

void PlaybackController::drovikAVViewDidUpdateStatus(DrovikAVView *view, int status)
{
    // A file without pictures reports a failure and goes on loading its sound: only a view
    // still failed when the report arrives has given up.
    if (status == DrovikAVView::StatusFailed && view->status() == DrovikAVView::StatusFailed) {
        viewDidFail(view);
        return;
    }
    if (status != DrovikAVView::StatusReadyToPlay)
        return;
    if (view == &m_big) {
        m_ui.seekTimeSliderView->setMaxSliderValue(m_big.duration());
        m_big.setVolume(m_ui.volumeSliderView->volume());
        if (m_ui.volumeSliderView->isMuted())
            m_ui.volumeSliderView->setEnabled(false);
        if (m_small.hasMovie() && m_small.status() != DrovikAVView::StatusReadyToPlay)
            return;
        onMovieReady();
    } else if (view == &m_small) {
        m_small.setVolume(0.0f);
        if (m_big.status() == DrovikAVView::StatusReadyToPlay)
            onMovieReady();
    }
}

// A view that cannot open its file must not hold the pair back: the other file plays alone, in
// the large view, and the failed view shows its cover; when neither opens, the entry is
// unsupported.
void PlaybackController::viewDidFail(DrovikAVView *view)
{
    if (m_currentVideoUrl.isEmpty() || isPreparing())
        return;
    m_ui.switchVideoButton->setEnabled(false);
    if (!m_big.hasMovie() && !m_small.hasMovie()) {
        m_currentVideoUrl = QUrl();
        updateMovieViewCoverScreen();
        if (m_unsupported)
            m_unsupported();
        return;
    }
    if (view == &m_big && m_small.hasMovie()) {
        m_isVideoSwitched = !m_isVideoSwitched;
        m_big.swapPlayerItemWith(&m_small);
        m_big.setFront(!m_big.front());
        m_small.setFront(!m_small.front());
    }
    updateMovieViewCoverScreen();
    // The swap moves a ready status without a report; a ready large view waited for this one.
    if (m_big.status() == DrovikAVView::StatusReadyToPlay)
        drovikAVViewDidUpdateStatus(&m_big, DrovikAVView::StatusReadyToPlay);
}

void PlaybackController::drovikAVViewDidPlayToEndTime(DrovikAVView *view)
{
    if (view == &m_big)
        movieDidEnd();
}

void PlaybackController::onMovieReady()
{
    playVideo();
    startPlayAnimation();
}

void PlaybackController::movieDidEnd()
{
    stopVideoPlayTimer();
    playNextFileButtonTouched();
    showMapCover(true);
}

void PlaybackController::playVideo()
{
    if (!m_big.hasMovie())
        return;
    m_isVideoPaused = false;
    setPlayPauseImage(true);
    startVideoPlayTimer();
    startPlayAnimation();
    // In full screen the hidden view stays paused: the small view shown there carries the
    // sound, and two players with sound would be heard at once.
    for (DrovikAVView *view : {&m_big, &m_small}) {
        if (!m_fullScreenView || view == m_fullScreenView)
            view->play();
    }
}

void PlaybackController::pauseVideo()
{
    if (m_isVideoPaused)
        return;
    m_isVideoPaused = true;
    setPlayPauseImage(false);
    m_big.pause();
    m_small.pause();
    stopVideoPlayTimer();
    stopPlayAnimation();
}

void PlaybackController::stopVideo()
{
    // A clip still being prepared must not start after a stop.
    if (isPreparing()) {
        ++m_preparation;
        m_busy->hide();
    }
    pauseVideo();
    m_isVideoPaused = true;
    setCurrentVideoTime(0);
    stopVideoPlayTimer();
    m_ui.seekTimeSliderView->setCurrentSliderValue(0);
    m_lastUpdatedSensorInfoTime = 0;
    m_lastUpdatedMapTime = 0;
    m_lastUpdatedLat = 0;
    m_lastUpdatedLng = 0;
    stopPlayAnimation();
    showMapCover(true);
}

void PlaybackController::closeVideo()
{
    stopVideo();
    m_big.reset();
    m_small.reset();
    m_currentVideoUrl = QUrl();
    m_preparingVideoUrl = QUrl();
    m_bigVideoFilePath.clear();
    m_smallVideoFilePath.clear();
    resetVideoInformation();
    enableVideoControls(false);
    updateMovieViewCoverScreen();
}

void PlaybackController::setCurrentVideoTime(double seconds)
{
    m_big.setCurrentTime(seconds);
    m_small.setCurrentTime(seconds);
}

void PlaybackController::startVideoPlayTimer()
{
    m_videoPlayTimer->start();
}

void PlaybackController::stopVideoPlayTimer()
{
    m_videoPlayTimer->stop();
}

void PlaybackController::startPlayAnimation()
{
    m_playAnimationTimer->start();
}

void PlaybackController::stopPlayAnimation()
{
    m_playAnimationTimer->stop();
}

void PlaybackController::setPlayPauseImage(bool playing)
{
    const QString image = playing ? QStringLiteral("pause1") : QStringLiteral("play_1");
    m_ui.playPauseButton->setImageName(image);
    if (m_fullScreenPlayPauseButton)
        m_fullScreenPlayPauseButton->setImageName(image);
}

void PlaybackController::setPlaybackSpeed(double speed)
{
    m_big.setPlaybackSpeed(speed);
    m_small.setPlaybackSpeed(speed);
    m_ui.playbackSpeedButton->setSpeed(speed);
}

void PlaybackController::playFaster()
{
    setPlaybackSpeed(fasterPlaybackSpeed(playbackSpeed()));
}

void PlaybackController::playSlower()
{
    setPlaybackSpeed(slowerPlaybackSpeed(playbackSpeed()));
}

void PlaybackController::playAtNormalSpeed()
{
    setPlaybackSpeed(1.0);
}

void PlaybackController::playVideoTimerCallback()
{
    // Full screen plays one view alone.
    m_pairSync->keepInStep(m_big, m_small, !m_fullScreenView);
    const double t = m_big.currentTime();
    const double d = m_big.duration();
    m_ui.seekTimeSliderView->setCurrentSliderValue(t);
    updatePlayTime(t, d);
    const int index = int(std::trunc(t * 10.0));
    if (m_subtitleData)
        updateFromSubtitles(t, index);
    else
        updateFromClipData(t, index);
}

void PlaybackController::updateFromSubtitles(double t, int index)
{
    int x = 0, y = 0, z = 0;
    if (t - m_lastUpdatedSensorInfoTime >= kSensorRefresh && m_subtitleData->getSensorAt(index, x, y, z)) {
        m_lastUpdatedSensorInfoTime = t;
        m_ui.gxTextField->setText(gravityText(x));
        m_ui.gyTextField->setText(gravityText(y));
        m_ui.gzTextField->setText(gravityText(z));
    }
    float lat = 0, lng = 0;
    uint32_t speed = 0;
    switch (m_subtitleData->getGpsAt(index, lat, lng, speed)) {
    case 0:
        if (t - m_lastUpdatedMapTime >= kMapRefresh) {
            m_lastUpdatedMapTime = (t - m_lastUpdatedMapTime < 2.0) ? m_lastUpdatedMapTime + 1.0 : t;
            m_ui.latTextField->setText(fixed(lat, 4));
            m_ui.lngTextField->setText(fixed(lng, 4));
            m_ui.speedMeterView->setSpeed(int(speed));
            updateMapWithLat(lat, lng);
        }
        break;
    case 1:
        if (m_map.webView() && m_map.webView()->isHidden()) {
            showMapCover(false);
            updateMapWithLat(lat, lng);
            m_ui.latTextField->setText(fixed(lat, 4));
            m_ui.lngTextField->setText(fixed(lng, 4));
        }
        m_ui.speedMeterView->setSpeed(int(speed));
        break;
    default:
        showMapCover(true);
        m_ui.speedMeterView->setSpeed(0);
        break;
    }
}

void PlaybackController::updateFromClipData(double t, int index)
{
    if (index < 0 || uint32_t(index) >= m_clipData->clipDataCount())
        return;
    int x = 0, y = 0, z = 0;
    float lat = 0, lng = 0;
    uint32_t speed = 0;
    m_clipData->getClipDataWithIndex(index, x, y, z, lat, lng, speed);
    if (t - m_lastUpdatedSensorInfoTime > kSensorRefresh) {
        m_lastUpdatedSensorInfoTime = t;
        updateSensorInfo(gravity(x), gravity(y), gravity(z), lat, lng, int(speed));
        m_ui.speedMeterView->setSpeed(int(speed));
    }
    if (t - m_lastUpdatedMapTime > kMapRefresh) {
        m_lastUpdatedMapTime = t;
        updateMapWithLat(lat, lng);
    }
}

void PlaybackController::updateSensorInfo(float gx, float gy, float gz, float lat, float lng, int)
{
    m_ui.gxTextField->setText(fixed(gx, 3));
    m_ui.gyTextField->setText(fixed(gy, 3));
    m_ui.gzTextField->setText(fixed(gz, 3));
    m_ui.latTextField->setText(fixed(lat, 4));
    m_ui.lngTextField->setText(fixed(lng, 4));
}

void PlaybackController::updateMapWithLat(float lat, float lng)
{
    if ((lat != 0.0f || lng != 0.0f) && m_clipData->gpsDataCount() != 0) {
        showMapCover(false);
        if (double(lat) == m_lastUpdatedLat && double(lng) == m_lastUpdatedLng)
            return;
        m_map.moveToLat(lat, lng);
        m_lastUpdatedLat = lat;
        m_lastUpdatedLng = lng;
    } else {
        showMapCover(true);
    }
}

void PlaybackController::updatePlayTime(double time, double duration)
{
    m_ui.playTimeTextField->setText(playTimeText(time, duration));
}

void PlaybackController::resetVideoInformation()
{
    m_eventNavigation->clear();
    m_ui.speedMeterView->setSpeed(0);
    for (QLabel *g : {m_ui.gxTextField, m_ui.gyTextField, m_ui.gzTextField})
        g->setText(fixed(0, 3));
    m_ui.latTextField->setText(fixed(0, 4));
    m_ui.lngTextField->setText(fixed(0, 4));
    updatePlayTime(0, 0);
}

void PlaybackController::showMapCover(bool cover)
{
    m_ui.mapCoverView->setVisible(cover);
    // Full screen hides the map until it ends.
    if (m_map.webView())
        m_map.webView()->setVisible(!cover && !m_fullScreenView);
}

void PlaybackController::enableVideoControls(bool enable)
{
    const MainWindowUi &u = m_ui;
    for (QWidget *control : QList<QWidget *>{u.snapShotButton, u.printButton, u.playPauseButton,
                                             u.stopButton, u.rewindButton, u.fastForwardButton,
                                             u.prevFileButton, u.nextFileButton, u.zoomInButton,
                                             u.zoomOutButton, u.resetScaleButton, u.fullScreenButton,
                                             u.flipButton, u.volumeSliderView, u.seekTimeSliderView,
                                             u.switchVideoButton, u.muteButton, u.playbackSpeedButton,
                                             u.trackExportButton, u.incidentExportButton, &m_big, &m_small})
        control->setEnabled(enable);
    for (QWidget *image : QList<QWidget *>{u.shockCarImageView, u.earthImageView, u.gpsImageView,
                                           u.speedMeterView})
        image->setVisible(enable);
}

void PlaybackController::updateMovieViewCoverScreen()
{
    m_ui.bigMovieCoverImageView->setVisible(!m_big.hasMovie());
    m_ui.smallMovieCoverImageView->setVisible(!m_small.hasMovie());
    if (m_small.hasMovie())
        m_small.raise();
    else
        m_ui.smallMovieCoverImageView->raise();
}

void PlaybackController::playPauseButtonTouched(QObject *)
{
    if (m_isVideoPaused)
        playVideo();
    else
        pauseVideo();
}

void PlaybackController::stopButtonTouched(QObject *)
{
    stopVideo();
}

void PlaybackController::selectAndPlay(int row)
{
    m_ui.fileListTableView->selectRow(row);
    m_ui.fileListTableView->scrollTo(m_ui.fileListTableView->model()->index(row, 0));
    playVideoWithIdx(row);
}

void PlaybackController::playNextFileButtonTouched(QObject *)
{
    const QList<QUrl> &list = m_fileList.filteredVideoFileList();
    const int s = m_fileList.selectedRow();
    if (s < 0)
        return;
    int n = s + 1;
    if (n >= list.size())
        n = 0;
    else if (isMp4Partner(list.at(s), list.at(n)))
        n = (s + 2 < list.size()) ? s + 2 : 0;
    selectAndPlay(n);
}

void PlaybackController::playPrevFileButtonTouched(QObject *)
{
    const QList<QUrl> &list = m_fileList.filteredVideoFileList();
    const int s = m_fileList.selectedRow();
    if (s <= 0)
        return;
    int p = s - 1;
    // Going back from a recording lands on the front file of the previous one, not its rear.
    const auto frontOfPrevious = [&](int rear, int candidate) {
        const QString rearText = videoFileUrlText(list.at(rear));
        return !rearText.contains(QLatin1String("F."))
               && QString(rearText).replace(QLatin1String("R."), QLatin1String("F."))
                      == videoFileUrlText(list.at(candidate));
    };
    if (hasMp4Extension(list.at(s)) && hasMp4Extension(list.at(p))) {
        if (!isPartner(list.at(s), list.at(p)) && s >= 2 && frontOfPrevious(p, s - 2))
            p = s - 2;
    } else if (s < 2) {
        p = 0;
    } else if (frontOfPrevious(s - 1, s - 2)) {
        p = s - 2;
    }
    selectAndPlay(p);
}

void PlaybackController::rewindButtonTouched(QObject *)
{
    pauseVideo();
    m_big.stepBackward();
    m_small.stepBackward();
    playVideoTimerCallback();
}

void PlaybackController::fastForwardButtonTouched(QObject *)
{
    pauseVideo();
    m_big.stepForward();
    m_small.stepForward();
    playVideoTimerCallback();
}

void PlaybackController::seekTimeSliderTouchedUp(double value)
{
    m_lastUpdatedSensorInfoTime = 0;
    m_lastUpdatedMapTime = 0;
    setCurrentVideoTime(value);
}

void PlaybackController::seekToSampleTime(double seconds)
{
    if (!m_big.hasMovie())
        return;
    m_lastUpdatedSensorInfoTime = kRefreshLongAgo;
    m_lastUpdatedMapTime = kRefreshLongAgo;
    m_big.setCurrentTimeExactly(seconds);
    m_small.setCurrentTimeExactly(seconds);
    playVideoTimerCallback();
}

void PlaybackController::previousEventButtonTouched(QObject *)
{
    if (m_big.hasMovie())
        m_eventNavigation->previousEvent(m_big.currentTime());
}

void PlaybackController::nextEventButtonTouched(QObject *)
{
    if (m_big.hasMovie())
        m_eventNavigation->nextEvent(m_big.currentTime());
}

void PlaybackController::volumeUp()
{
    m_ui.volumeSliderView->setVolume(m_ui.volumeSliderView->volume() + 0.1f);
    volumeKeyView().setVolume(m_ui.volumeSliderView->volume());
    setMuteImageForVolume(m_ui.volumeSliderView->volume());
}

void PlaybackController::volumeDown()
{
    m_ui.volumeSliderView->setVolume(m_ui.volumeSliderView->volume() - 0.1f);
    volumeKeyView().setVolume(m_ui.volumeSliderView->volume());
    setMuteImageForVolume(m_ui.volumeSliderView->volume());
}

DrovikAVView &PlaybackController::volumeKeyView() const
{
    // The small view shown full screen is the one heard.
    return m_fullScreenView == &m_small ? m_small : m_big;
}

void PlaybackController::setMuteImageForVolume(float volume)
{
    m_ui.muteButton->setImageName(volume != 0.0f ? QStringLiteral("volume1") : QStringLiteral("volume2"));
}

void PlaybackController::volumeChanged(float volume)
{
    (m_isVideoSwitched ? m_small : m_big).setVolume(volume);
}

void PlaybackController::toggleMuteButtonTouched(QObject *)
{
    m_ui.volumeSliderView->setIsMuted(!m_ui.volumeSliderView->isMuted());
    setVideoMute(m_ui.volumeSliderView->isMuted());
}

void PlaybackController::setVideoMute(bool muted)
{
    m_ui.muteButton->setImageName(muted ? QStringLiteral("volume2") : QStringLiteral("volume1"));
    m_ui.volumeSliderView->setEnabled(!muted);
}

void PlaybackController::toggleVideoSwitchButtonTouched(QObject *)
{
    pauseVideo();
    m_isVideoSwitched = !m_isVideoSwitched;
    m_big.swapPlayerItemWith(&m_small);
    m_big.setFront(!m_big.front());
    m_small.setFront(!m_small.front());
    playVideo();
}

void PlaybackController::changeVideoScale(double scale)
{
    // Queued, so that a zoom asked for while handling an event applies after it.
    QMetaObject::invokeMethod(this, [this, scale] {
        // The large view shown full screen fills its screen, whatever the zoom.
        if (m_fullScreenView)
            return;
        QScrollArea *scroll = m_ui.bigMovieViewScrollView;
        m_big.resize((QSizeF(scroll->size()) * scale).toSize());
        const auto policy = (scale > 1.0 && m_enableBigMovieViewScroll) ? Qt::ScrollBarAlwaysOn
                                                                       : Qt::ScrollBarAlwaysOff;
        scroll->setHorizontalScrollBarPolicy(policy);
        scroll->setVerticalScrollBarPolicy(policy);
        if (!m_touchedBigMovieScroll) {
            const QSize visible = scroll->viewport()->size();
            scroll->horizontalScrollBar()->setValue((m_big.width() - visible.width()) / 2);
            scroll->verticalScrollBar()->setValue((m_big.height() - visible.height()) / 2);
        }
    }, Qt::QueuedConnection);
}

void PlaybackController::enterScrollMode()
{
    m_enableBigMovieViewScroll = !m_enableBigMovieViewScroll;
    m_ui.fullScreenButton->setImageName(m_enableBigMovieViewScroll ? QStringLiteral("pan_2")
                                                                   : QStringLiteral("pan_1"));
    m_ui.fullScreenButton->setHoverImageChange(!m_enableBigMovieViewScroll);
    changeVideoScale(m_videoScale);
}

void PlaybackController::videoScaleUpButtonTouched(QObject *)
{
    m_videoScale = qMin(m_videoScale + 0.2, 5.0);
    changeVideoScale(m_videoScale);
}

void PlaybackController::videoScaleDownButtonTouched(QObject *)
{
    m_videoScale -= 0.2;
    if (m_videoScale < 1.0) {
        m_videoScale = 1.0;
        m_touchedBigMovieScroll = false;
    }
    changeVideoScale(m_videoScale);
}

void PlaybackController::resetVideoScaleButtonTouched(QObject *)
{
    m_videoScale = 1.0;
    m_touchedBigMovieScroll = false;
    changeVideoScale(m_videoScale);
}

void PlaybackController::videoRotateButtonTouched(QObject *)
{
    const bool flipped = !m_big.upsideDown();
    m_big.setUpsideDown(flipped);
    m_small.setUpsideDown(flipped);
}

} // namespace drovik
