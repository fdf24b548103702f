#include "playback_controller.h"

#include "i18n/drovik_languages.h"
#include "library/video_file_rules.h"
#include "playback/clip_preparer.h"
#include "playback/clip_selection.h"
#include "playback/convert/clip_preparation.h"
#include "playback/playback_speed.h"
#include "playback/telemetry_readout.h"
#include "playback/view_pair_sync.h"
#include "playback/view_zoom.h"
#include "telemetry/clip_data.h"
#include "telemetry/subtitle_data.h"
#include "widgets/view_helpers.h"

#include <QTimer>

#include <algorithm>
#include <cmath>
#include <utility>

namespace drovik {

namespace {

constexpr int kDisplayTimerMs = 30;          // 1/33 s

} // namespace

PlaybackController::PlaybackController(ClipSelection &clips, DrovikAVView &bigMovieView,
                                       DrovikAVView &smallMovieView, QScrollArea &bigScroll, QObject *parent)
    : QObject(parent)
    , m_clips(clips)
    , m_big(bigMovieView)
    , m_small(smallMovieView)
    , m_videoPlayTimer(new QTimer(this))
    , m_playAnimationTimer(new QTimer(this))
    , m_readout(new TelemetryReadout(this))
    , m_preparer(new ClipPreparer([this](PreparedClip &clip) { finishPreparation(clip); }, this))
    , m_zoom(new ViewZoom(bigMovieView, bigScroll, this))
    , m_pairSync(std::make_unique<ViewPairSync>())
{
    m_videoPlayTimer->setInterval(kDisplayTimerMs);
    m_videoPlayTimer->setTimerType(Qt::PreciseTimer);
    connect(m_videoPlayTimer, &QTimer::timeout, this, &PlaybackController::playVideoTimerCallback);
    m_playAnimationTimer->setInterval(1000);
    connect(m_playAnimationTimer, &QTimer::timeout, this, [this] {
        const int k = (m_playAnimationIdx % 2) + 1;
        ++m_playAnimationIdx;
        emit animationStepped(k);
    });
    for (DrovikAVView *view : {&m_big, &m_small}) {
        connect(view, &DrovikAVView::didUpdateStatus, this, &PlaybackController::drovikAVViewDidUpdateStatus);
        connect(view, &DrovikAVView::didPlayToEndTime, this, &PlaybackController::drovikAVViewDidPlayToEndTime);
    }
    m_big.setFront(true);
    m_small.setFront(false);
    createActions();
}

void PlaybackController::createActions()
{
    Actions &a = m_actions;
    a.playPause = makeAction(this, [this] { playPauseButtonTouched(); }, {QKeySequence(Qt::Key_Space)});
    a.stop = makeAction(this, [this] { stopButtonTouched(); });
    a.stepBackward = makeAction(this, [this] { rewindButtonTouched(); }, {QKeySequence(Qt::Key_Left)});
    a.stepForward = makeAction(this, [this] { fastForwardButtonTouched(); }, {QKeySequence(Qt::Key_Right)});
    a.previous = makeAction(this, [this] { playPrevFileButtonTouched(); });
    a.next = makeAction(this, [this] { playNextFileButtonTouched(); });
    a.switchViews = makeAction(this, [this] { toggleVideoSwitchButtonTouched(); });
    a.mirror = makeAction(this, [this] { videoRotateButtonTouched(); });
    a.faster = makeAction(this, &PlaybackController::playFaster, {QKeySequence(Qt::Key_BracketRight)});
    a.slower = makeAction(this, &PlaybackController::playSlower, {QKeySequence(Qt::Key_BracketLeft)});
    a.normalSpeed = makeAction(this, &PlaybackController::playAtNormalSpeed, {QKeySequence(Qt::Key_Backspace)});
}

PlaybackController::~PlaybackController() = default;

void PlaybackController::setWorkingDirectory(const QString &path)
{
    m_preparer->setWorkingDirectory(path);
}

void PlaybackController::setFullScreenView(DrovikAVView *view)
{
    m_fullScreenView = view;
    m_zoom->setSuspended(view != nullptr);
}

const DrovikClipData &PlaybackController::clipData() const
{
    return m_readout->clipData();
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

namespace {

// Our sentence, then its particulars below it when there are some.
QString withDetail(const QString &reason, const QString &toolWords)
{
    return toolWords.isEmpty() ? reason : reason + QStringLiteral("\n\n") + toolWords;
}

QString notAVideoReason(const QString &toolWords)
{
    return withDetail(localized("This file is not a video that can be played."), toolWords);
}

QString unplayableReason(const ConversionFailure &failure)
{
    switch (failure.cause) {
    case ConversionFailure::Cause::FileGone:
        return localized("The file went away or changed while it was read.");
    case ConversionFailure::Cause::NoCacheFolder:
        return withDetail(localized("The working folder cannot be written."), failure.detail);
    case ConversionFailure::Cause::None:
    case ConversionFailure::Cause::NotAVideo: break;
    }
    return notAVideoReason(failure.detail);
}

} // namespace

void PlaybackController::playVideoWithIdx(int row)
{
    const QList<QUrl> &list = m_clips.shownClips();
    if (row < 0 || row >= list.size())
        return;
    stopVideo();
    prepareVideoToPlay(list.at(row), 0);
}

void PlaybackController::prepareVideoToPlay(const QUrl &entry, double seekTime)
{
    startPreparing(entry, seekTime, false);
}

// The clip after this one is ready ahead: the views go on into it from this one's last picture,
// with no cover and no busy overlay in between, and start together as ever.
void PlaybackController::goOnInto(const QUrl &entry, double seekTime)
{
    m_videoPlayTimer->stop();
    // A trim of the rear view belongs to the clip that ends.
    m_pairSync->keepInStep(m_big, m_small, false);
    m_readout->restart();
    startPreparing(entry, seekTime, true);
    // The seek bar leaves the end of the clip that ended, as a stop would take it back.
    emit seekPositionChanged(m_startSeconds);
}

void PlaybackController::startPreparing(const QUrl &entry, double seekTime, bool goOn)
{
    resetVideoInformation();
    // A new clip starts unzoomed with panning off; in full screen the zoom stays as it is.
    if (!m_fullScreenView)
        m_zoom->startClip();
    if (!goOn) {
        m_big.reset();
        m_small.reset();
    }
    m_bigVideoFilePath.clear();
    m_smallVideoFilePath.clear();
    m_readout->forgetSubtitles();
    m_readout->forgetMarker();

    m_preparingVideoUrl = entry;
    // The conversion of a clip whose own files played, if still under way, is no longer awaited.
    m_originalsOpen = false;
    m_endedWhileConverting = false;
    m_startSeconds = std::isfinite(seekTime) ? std::max(0.0, seekTime) : 0.0;
    if (goOn) {
        m_preparing = true;
        m_goingOn = true;
    } else {
        setPreparing(true, entry.fileName());
    }
    m_preparer->prepare(entry);
}

void PlaybackController::setPreparing(bool preparing, const QString &name)
{
    m_preparing = preparing;
    if (!preparing) {
        m_goingOn = false;
        m_originalsOpen = false;
        m_endedWhileConverting = false;
    }
    emit preparingChanged(preparing, name);
}

void PlaybackController::finishPreparation(PreparedClip &clip)
{
    if (m_originalsOpen) {
        finishConversion(clip);
        return;
    }
    const bool goingOn = std::exchange(m_goingOn, false);
    // The entry's own files show while its conversion goes on: the busy overlay goes, the
    // preparation does not end.
    m_originalsOpen = clip.conversionPending;
    m_preparing = m_originalsOpen;
    if (!goingOn)
        emit preparingChanged(false, {});
    if (!clip.files || clip.files->isEmpty()) {
        m_originalsOpen = m_preparing = false;
        if (goingOn) {
            // The views still show the clip before it.
            pauseVideo();
            m_big.reset();
            m_small.reset();
            updateMovieViewCoverScreen();
        }
        showUnplayable(clip.failure);
        return;
    }
    m_currentVideoUrl = clip.entry;
    emit clipChanged(m_currentVideoUrl);
    openFiles(*clip.files, goingOn ? DrovikAVView::Opening::KeepingPicture : DrovikAVView::Opening::Cleared);
    if (!clip.conversionPending)
        showTelemetry(clip);
    updateMovieViewCoverScreen();
}

// The conversion of the entry whose own files play has ended: its telemetry follows. When it
// failed, nothing of the entry plays, as when a conversion fails before anything is shown; a
// file the player could not open as the camera wrote it plays converted.
void PlaybackController::finishConversion(PreparedClip &clip)
{
    m_originalsOpen = m_preparing = false;
    const bool ended = std::exchange(m_endedWhileConverting, false);
    if (!clip.files || clip.files->isEmpty()) {
        stopVideo();
        m_big.reset();
        m_small.reset();
        resetVideoInformation();
        updateMovieViewCoverScreen();
        showUnplayable(clip.failure);
        return;
    }
    const bool sameFiles = (clip.files->size() > 1) == !m_smallVideoFilePath.isEmpty();
    if (!sameFiles || m_big.status() == DrovikAVView::StatusFailed || m_small.status() == DrovikAVView::StatusFailed) {
        pauseVideo();
        openFiles(*clip.files, DrovikAVView::Opening::Cleared);
        updateMovieViewCoverScreen();
    }
    showTelemetry(clip);
    if (ended)
        movieDidEnd();
}

void PlaybackController::openFiles(const QList<QUrl> &files, DrovikAVView::Opening opening)
{
    // Every clip starts with its first playable file in the large view.
    m_isVideoSwitched = false;
    enableVideoControls(true);
    m_bigVideoFilePath = files.first().toLocalFile();
    m_big.setFileName(m_bigVideoFilePath, opening);
    if (files.size() > 1) {
        m_smallVideoFilePath = files.at(1).toLocalFile();
        m_small.setFileName(m_smallVideoFilePath, opening);
        m_small.setVolume(0.0f);
    } else {
        m_smallVideoFilePath.clear();
        m_small.reset();
    }
    m_actions.switchViews->setEnabled(files.size() > 1);
}

void PlaybackController::showUnplayable(const ConversionFailure &failure)
{
    m_currentVideoUrl = QUrl();
    emit clipChanged(m_currentVideoUrl);
    emit unsupportedClip(unplayableReason(failure));
}

void PlaybackController::showTelemetry(PreparedClip &clip)
{
    m_readout->setTelemetry(std::move(clip.clipData), std::move(clip.subtitles));
    m_readout->setTimedRecord(clip.timed);
    emit telemetryChanged(clipData());
    if (clip.timed)
        emit timedTelemetryChanged(clip.timed);
    if (clipData().gpsDataCount() == 0 && !(clip.timed && clip.timed->gpsDataCount() != 0))
        m_readout->showMapCover(true);
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
        emit durationChanged(m_big.duration());
        m_big.setVolume(m_volume);
        if (m_small.hasMovie() && m_small.status() != DrovikAVView::StatusReadyToPlay)
            return;
        onMovieReady();
    } else if (view == &m_small) {
        // Silent, unless it is shown full screen and so carries the sound: a late report must
        // not mute it there.
        m_small.setVolume(m_fullScreenView == &m_small ? m_volume : 0.0f);
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
    m_actions.switchViews->setEnabled(false);
    if (!m_big.hasMovie() && !m_small.hasMovie()) {
        m_currentVideoUrl = QUrl();
        emit clipChanged(m_currentVideoUrl);
        // Its telemetry was shown when it was prepared; nothing of it plays now.
        resetVideoInformation();
        updateMovieViewCoverScreen();
        emit unsupportedClip(notAVideoReason(m_big.errorString().isEmpty() ? m_small.errorString()
                                                                            : m_big.errorString()));
        return;
    }
    if (view == &m_big && m_small.hasMovie())
        swapViews();
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
    if (m_startSeconds > 0.0) {
        const double start = std::exchange(m_startSeconds, 0.0);
        m_readout->refreshAnywhere();
        m_big.setCurrentTimeExactly(start);
        m_small.setCurrentTimeExactly(start);
        emit seekPositionChanged(start);
    }
    playVideo();
    m_playAnimationTimer->start();
    // The clip that plays when this one ends is made ready meanwhile, so its conversion and
    // telemetry are no pause between the two; once this one has settled into playing, so as
    // not to slow its own start. Behind this one's own conversion, when that still runs.
    QTimer::singleShot(kPrefetchDelayMilliseconds, this, [this, clip = m_currentVideoUrl] {
        const QUrl next = nextClip();
        if (clip == m_currentVideoUrl && (!m_preparing || m_originalsOpen) && !next.isEmpty() && next != clip)
            m_preparer->prefetch(next);
    });
}

void PlaybackController::setNextClip(NextClip nextClip)
{
    m_nextClip = std::move(nextClip);
}

QUrl PlaybackController::nextClip() const
{
    if (m_nextClip) {
        if (QUrl chosen = m_nextClip(m_currentVideoUrl); !chosen.isEmpty())
            return chosen;
    }
    const QList<QUrl> &clips = m_clips.shownClips();
    const int row = nextEntryRow(clips, m_clips.selectedRow());
    return row >= 0 ? clips.at(row) : QUrl();
}

void PlaybackController::selectShown(const QUrl &entry)
{
    if (const qsizetype row = m_clips.shownClips().indexOf(entry); row >= 0)
        m_clips.selectRow(int(row));
}

bool PlaybackController::bothViewsReady() const
{
    return m_big.status() == DrovikAVView::StatusReadyToPlay
        && (!m_small.hasMovie() || m_small.status() == DrovikAVView::StatusReadyToPlay);
}

void PlaybackController::movieDidEnd()
{
    // The entry's own files ended before its conversion did: the next clip waits for it, so
    // that this one's telemetry, or its failure, is not lost.
    if (m_originalsOpen) {
        m_endedWhileConverting = true;
        return;
    }
    m_videoPlayTimer->stop();
    if (const QUrl next = nextClip(); !next.isEmpty()) {
        selectShown(next);
        if (next != m_currentVideoUrl && m_preparer->prefetched() == next && m_big.hasDrawnPicture()) {
            goOnInto(next, 0);
        } else {
            stopVideo();
            prepareVideoToPlay(next, 0);
        }
    }
    m_readout->showMapCover(true);
}

void PlaybackController::openClipAt(const QUrl &entry, double seconds)
{
    if (entry.isEmpty() || !std::isfinite(seconds))
        return;
    seconds = std::max(0.0, seconds);
    const bool covered = m_preparing && !m_originalsOpen;
    if (covered && entry == m_preparingVideoUrl) {
        m_startSeconds = seconds;
        return;
    }
    if (!covered && entry == m_currentVideoUrl && m_big.hasMovie()) {
        // Views still opening start there; playing or paused ones go there as they are.
        if (bothViewsReady())
            seekToSampleTime(seconds);
        else
            m_startSeconds = seconds;
        return;
    }
    selectShown(entry);
    if (!covered && m_preparer->prefetched() == entry && m_big.hasDrawnPicture()) {
        goOnInto(entry, seconds);
        return;
    }
    stopVideo();
    prepareVideoToPlay(entry, seconds);
}

void PlaybackController::playVideo()
{
    if (!m_big.hasMovie())
        return;
    m_isVideoPaused = false;
    emit playingChanged(true);
    m_videoPlayTimer->start();
    m_playAnimationTimer->start();
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
    emit playingChanged(false);
    m_big.pause();
    m_small.pause();
    m_videoPlayTimer->stop();
    m_playAnimationTimer->stop();
}

void PlaybackController::stopVideo()
{
    // A clip still being prepared must not start after a stop; one whose own files play
    // meanwhile is the clip stopped, and its telemetry still comes.
    if (isPreparing() && !m_originalsOpen) {
        m_preparer->cancel();
        setPreparing(false);
    }
    pauseVideo();
    m_isVideoPaused = true;
    setCurrentVideoTime(0);
    m_videoPlayTimer->stop();
    emit seekPositionChanged(0);
    m_readout->restart();
    m_readout->forgetMarker();
    m_playAnimationTimer->stop();
    m_readout->showMapCover(true);
}

void PlaybackController::closeVideo()
{
    if (isPreparing()) {
        m_preparer->cancel();
        setPreparing(false);
    }
    stopVideo();
    m_big.reset();
    m_small.reset();
    m_currentVideoUrl = QUrl();
    emit clipChanged(m_currentVideoUrl);
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

void PlaybackController::setPlaybackSpeed(double speed)
{
    m_big.setPlaybackSpeed(speed);
    m_small.setPlaybackSpeed(speed);
    emit playbackSpeedChanged(speed);
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
    emit seekPositionChanged(t);
    emit playTimeChanged(t, d);
    // The map is hidden while covered and while a view is shown full screen.
    m_readout->update(t, m_readout->isMapCovered() || m_fullScreenView);
}

void PlaybackController::resetVideoInformation()
{
    // The last clip's record goes too: a clip that then fails, or a pulled card, must not leave
    // its graph, route or marker on the dashboard.
    m_readout->setTelemetry(nullptr, nullptr);
    emit telemetryCleared();
    m_readout->clearReadouts();
    m_readout->showMapCover(true);
    emit playTimeChanged(0, 0);
}

void PlaybackController::enableVideoControls(bool enable)
{
    const Actions &a = m_actions;
    for (QAction *action : {a.playPause, a.stop, a.stepBackward, a.stepForward, a.previous, a.next,
                            a.switchViews, a.mirror})
        action->setEnabled(enable);
    m_zoom->setEnabled(enable);
    m_big.setEnabled(enable);
    m_small.setEnabled(enable);
    emit controlsEnabledChanged(enable);
}

void PlaybackController::updateMovieViewCoverScreen()
{
    emit moviesChanged(m_big.hasMovie(), m_small.hasMovie());
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
    m_clips.selectRow(row);
    playVideoWithIdx(row);
}

void PlaybackController::playNextFileButtonTouched(QObject *)
{
    if (const int row = nextEntryRow(m_clips.shownClips(), m_clips.selectedRow()); row >= 0)
        selectAndPlay(row);
}

void PlaybackController::playPrevFileButtonTouched(QObject *)
{
    if (const int row = previousEntryRow(m_clips.shownClips(), m_clips.selectedRow()); row >= 0)
        selectAndPlay(row);
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
    m_readout->restart();
    setCurrentVideoTime(value);
}

void PlaybackController::seekToSampleTime(double seconds)
{
    if (!m_big.hasMovie())
        return;
    m_readout->refreshAnywhere();
    m_big.setCurrentTimeExactly(seconds);
    m_small.setCurrentTimeExactly(seconds);
    playVideoTimerCallback();
}

void PlaybackController::seekToRoutePoint(double seconds)
{
    emit seekPositionChanged(seconds);
    // Paused, the display timer is still: the read-outs follow once the view is there.
    if (m_isVideoPaused)
        connect(&m_big, &DrovikAVView::didUpdateTime, this, &PlaybackController::playVideoTimerCallback,
                Qt::SingleShotConnection);
    seekTimeSliderTouchedUp(seconds);
}

void PlaybackController::setKeyVolume(float volume)
{
    m_volume = volume;
    // The small view shown full screen is the one heard.
    (m_fullScreenView == &m_small ? m_small : m_big).setVolume(volume);
}

void PlaybackController::volumeChanged(float volume)
{
    m_volume = volume;
    (m_isVideoSwitched ? m_small : m_big).setVolume(volume);
}

void PlaybackController::toggleVideoSwitchButtonTouched(QObject *)
{
    pauseVideo();
    swapViews();
    playVideo();
}

void PlaybackController::swapViews()
{
    m_isVideoSwitched = !m_isVideoSwitched;
    m_big.swapPlayerItemWith(&m_small);
    m_big.setFront(!m_big.front());
    m_small.setFront(!m_small.front());
}

void PlaybackController::videoRotateButtonTouched(QObject *)
{
    const bool flipped = !m_big.upsideDown();
    m_big.setUpsideDown(flipped);
    m_small.setUpsideDown(flipped);
}

} // namespace drovik
