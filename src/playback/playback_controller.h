#pragma once

#include "playback/clip_preparer.h"
#include "telemetry/timed_record.h"
#include "playback/player/drovik_av_view.h"

#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>
#include <memory>

class QAction;
class QScrollArea;
class QTimer;

namespace drovik {

class ClipSelection;
struct ConversionFailure;
class DrovikClipData;
struct PreparedClip;
class TelemetryReadout;
class ViewPairSync;
class ViewZoom;

// Plays the clip chosen in the clip list: converts it when needed, opens front and rear in the
// two player views, loads its telemetry, starts both players together, and keeps both in step
// with each other. It owns the two player views and the large one's zoom; everything else the
// window shows of the playing clip (time, read-outs, telemetry, busy state, failures) it reports
// through its signals, and the window binds its widgets to them.
class PlaybackController : public QObject {
    Q_OBJECT
public:
    // bigScroll: the scroll view the large player view sits in, where it is zoomed and panned.
    PlaybackController(ClipSelection &clips, DrovikAVView &bigMovieView, DrovikAVView &smallMovieView,
                       QScrollArea &bigScroll, QObject *parent = nullptr);
    ~PlaybackController() override;

    // The commands it carries out, shown by the window's buttons and triggered by its keys; the
    // ones that need a clip are enabled while one is open.
    struct Actions {
        QAction *playPause = nullptr;   // Space
        QAction *stop = nullptr;
        QAction *stepBackward = nullptr; // Left: a frame back, paused
        QAction *stepForward = nullptr;  // Right
        QAction *previous = nullptr;    // the previous and next entries of the list
        QAction *next = nullptr;
        QAction *switchViews = nullptr; // front and rear change places; needs both
        QAction *mirror = nullptr;      // both pictures upside down and back
        QAction *faster = nullptr;      // ], [ and Backspace: the playback speed
        QAction *slower = nullptr;
        QAction *normalSpeed = nullptr;
    };
    const Actions &actions() const { return m_actions; }

    // Where converted clips are cached (the working folder in the viewer).
    void setWorkingDirectory(const QString &path);

    void playVideoWithIdx(int row);
    // Prepares entry and plays it from seekTime seconds, where both views go exactly once they
    // are ready.
    void prepareVideoToPlay(const QUrl &entry, double seekTime);

    // Which clip plays when the clip in the views ends, and is prepared ahead while it plays
    // (a trip's next clip): the window's answer for that clip, or an empty URL for the list's
    // next entry. The chosen clip's row is selected when the list shows it; a clip the list
    // does not show plays all the same.
    using NextClip = std::function<QUrl(const QUrl &current)>;
    void setNextClip(NextClip nextClip);
    // Opens entry at `seconds` (a click on a trip's timeline, speed chart or route): the clip in
    // the views goes there exactly, playing or paused as it was; another one is selected when the
    // list shows it, prepared, and plays from there.
    void openClipAt(const QUrl &entry, double seconds);
    void playVideo();
    void pauseVideo();
    void stopVideo();
    void setCurrentVideoTime(double seconds);
    void resetVideoInformation();
    void enableVideoControls(bool enable);
    void updateMovieViewCoverScreen();
    // The zoom of the large view inside its scroll view, and whether it may be panned.
    ViewZoom &zoom() const { return *m_zoom; }
    // The read-outs of the clip's telemetry at the playing position.
    const TelemetryReadout &readout() const { return *m_readout; }

    // While a view is shown full screen: only it plays, the zoom stays as it is, the map stays
    // hidden, and the volume keys act on it when it is the small view. Null outside full screen.
    void setFullScreenView(DrovikAVView *view);
    DrovikAVView *fullScreenView() const { return m_fullScreenView; }

    // The speed both views play at, one of kPlaybackSpeeds. It holds for the rest of the
    // session, through clip changes, full screen and pauses, as a player's own speed control
    // does; only the user changes it. Faster and slower step through the table and stop at its
    // ends.
    double playbackSpeed() const { return m_big.playbackSpeed(); }
    void setPlaybackSpeed(double speed);
    void playFaster();
    void playSlower();
    void playAtNormalSpeed();

    QUrl currentVideoUrl() const { return m_currentVideoUrl; }
    // The entry being prepared, else the one playing: what a pulled card takes away.
    QUrl activeVideoUrl() const { return isPreparing() ? m_preparingVideoUrl : m_currentVideoUrl; }
    // Stops and lets go of the entry: a preparation under way is dropped, the views close their
    // files (a card cannot be ejected while a player holds one open) and the controls go off.
    void closeVideo();
    bool isVideoPaused() const { return m_isVideoPaused; }
    bool isVideoSwitched() const { return m_isVideoSwitched; }
    const DrovikClipData &clipData() const;
    bool isDisplayTimerRunning() const;
    // Whether an entry is being converted and its telemetry loaded: the busy overlay is up,
    // unless the views already play the entry's own files meanwhile, or go on into it from the
    // clip before it.
    bool isPreparing() const { return m_preparing; }
    // How long a clip plays before the one after it is prepared.
    static constexpr int kPrefetchDelayMilliseconds = 1500;
    // Prepares the chosen clip, and the one after it while it plays.
    const ClipPreparer &preparer() const { return *m_preparer; }
    // The volume the heard view plays at (0 … 1), as the volume bar shows it.
    float volume() const { return m_volume; }

    // The time read-out: "mm:ss/mm:ss", minutes and seconds truncated.
    static QString playTimeText(double time, double duration);

    // Reports of the two player views: both start together once both are ready, and the end of
    // the large view's clip moves on to the next entry.
    void drovikAVViewDidUpdateStatus(DrovikAVView *view, int status);
    void drovikAVViewDidPlayToEndTime(DrovikAVView *view);

public slots:
    void playPauseButtonTouched(QObject *sender = nullptr);
    void stopButtonTouched(QObject *sender = nullptr);
    void playNextFileButtonTouched(QObject *sender = nullptr);
    void playPrevFileButtonTouched(QObject *sender = nullptr);
    void rewindButtonTouched(QObject *sender = nullptr);
    void fastForwardButtonTouched(QObject *sender = nullptr);
    void toggleVideoSwitchButtonTouched(QObject *sender = nullptr);
    void videoRotateButtonTouched(QObject *sender = nullptr);
    // Reports of the seek bar.
    void seekTimeSliderTouchedUp(double value);
    // A click on the route: the seek bar's knob jumps there at once and, while paused, the
    // read-outs follow once the view is there.
    void seekToRoutePoint(double seconds);
    // Both views to exactly `seconds` (the graph and the event jumps), the read-outs following
    // at once, also while paused.
    void seekToSampleTime(double seconds);
    // The volume bar moved: the view heard (the large one, or the small one when switched).
    void volumeChanged(float volume);
    // The volume keys: the small view shown full screen is the one heard, else the large one.
    void setKeyVolume(float volume);
    void playVideoTimerCallback();

signals:
    // The clip in the views, or an empty URL when none; and an entry with no playable file,
    // with why in the user's words (then ffmpeg's or the player's own, when they gave some).
    void clipChanged(const QUrl &entry);
    void unsupportedClip(const QString &reason);
    // An entry is being prepared (name: what the busy cover says), or the preparation ended.
    void preparingChanged(bool preparing, const QString &name);
    // Whether the playing controls apply (a clip is open).
    void controlsEnabledChanged(bool enabled);
    // Which of the two views have a picture to show (the others show their covers).
    void moviesChanged(bool big, bool small);
    void playingChanged(bool playing);
    void durationChanged(double duration);
    // The seek bar's position, and the time read-out.
    void seekPositionChanged(double seconds);
    void playTimeChanged(double time, double duration);
    // The clip's telemetry was loaded, or cleared with the read-outs.
    void telemetryChanged(const drovik::DrovikClipData &clip);
    void telemetryCleared();
    // Another make's clip: its telemetry, read by its own times, after telemetryChanged (whose
    // record is then empty).
    void timedTelemetryChanged(std::shared_ptr<const drovik::telemetry::TimedRecord> record);
    // The playing animation's frame (1 or 2), once a second while playing.
    void animationStepped(int frame);
    void playbackSpeedChanged(double speed);

private:
    void onMovieReady();
    void viewDidFail(DrovikAVView *view);
    void movieDidEnd();
    void swapViews();
    void createActions();
    void setPreparing(bool preparing, const QString &name = {});
    void startPreparing(const QUrl &entry, double seekTime, bool goOn);
    void goOnInto(const QUrl &entry, double seekTime);
    void finishPreparation(PreparedClip &clip);
    void finishConversion(PreparedClip &clip);
    void openFiles(const QList<QUrl> &files, DrovikAVView::Opening opening);
    void showUnplayable(const ConversionFailure &failure);
    void showTelemetry(PreparedClip &clip);
    void selectAndPlay(int row);
    void selectShown(const QUrl &entry);
    QUrl nextClip() const;
    bool bothViewsReady() const;

    Actions m_actions;
    ClipSelection &m_clips;
    DrovikAVView &m_big;
    DrovikAVView &m_small;

    QUrl m_currentVideoUrl;
    QUrl m_preparingVideoUrl;
    QString m_bigVideoFilePath;
    QString m_smallVideoFilePath;
    bool m_isVideoPaused = true;
    bool m_isVideoSwitched = false;
    QTimer *m_videoPlayTimer = nullptr;
    QTimer *m_playAnimationTimer = nullptr;
    int m_playAnimationIdx = 0;
    TelemetryReadout *m_readout = nullptr;
    ClipPreparer *m_preparer = nullptr;
    ViewZoom *m_zoom = nullptr;
    bool m_preparing = false;
    // The entry being prepared goes on from the last picture of the clip before it (ready ahead,
    // so no cover and no busy overlay in between).
    bool m_goingOn = false;
    // The entry's own files play while it is converted; its telemetry follows. The clip ended
    // meanwhile: it goes on to the next one once the conversion has ended.
    bool m_originalsOpen = false;
    bool m_endedWhileConverting = false;
    // Where the clip being opened starts, once both views are ready.
    double m_startSeconds = 0.0;
    NextClip m_nextClip;
    float m_volume = 1.0f;
    QPointer<DrovikAVView> m_fullScreenView;
    // Keeps the small view on the large one's frame while they play.
    std::unique_ptr<ViewPairSync> m_pairSync;
};

} // namespace drovik
