#pragma once

#include "playback/player/drovik_av_view.h"

#include <QObject>
#include <QPointer>
#include <QUrl>

#include <memory>
#include <optional>

class QThreadPool;
class QTimer;

namespace drovik {

class DrovikClipData;
class EventNavigation;
class ImageButton;
class FileListController;
class BusyOverlay;
class MapController;
struct PreparedClip;
class SubtitleData;
class ViewPairSync;
struct MainWindowUi;

// Plays the clip chosen in the file list: converts it when needed, opens front and rear in the
// two player views, loads its telemetry, starts both players together, and keeps the time,
// seek bar, G-force read-outs, speed meter and map in step with the playing position.
class PlaybackController : public QObject {
    Q_OBJECT
public:
    // Reports an entry that has no playable file (the window shows the alert).
    using UnsupportedHandler = std::function<void()>;

    PlaybackController(MainWindowUi &ui, FileListController &fileList, DrovikAVView &bigMovieView,
                       DrovikAVView &smallMovieView, MapController &map, QObject *parent = nullptr);
    ~PlaybackController() override;

    void setUnsupportedHandler(UnsupportedHandler handler) { m_unsupported = std::move(handler); }
    // Where converted clips are cached (the working folder in the viewer).
    void setWorkingDirectory(const QString &path) { m_workingDirectory = path; }

    void playVideoWithIdx(int row);
    void prepareVideoToPlay(const QUrl &entry, double seekTime);
    void playVideo();
    void pauseVideo();
    void stopVideo();
    void setCurrentVideoTime(double seconds);
    void resetVideoInformation();
    void enableVideoControls(bool enable);
    void updateMovieViewCoverScreen();
    void updatePlayTime(double time, double duration);
    void updateSensorInfo(float gx, float gy, float gz, float lat, float lng, int speed);
    void updateMapWithLat(float lat, float lng);
    // Zoom of the large view (1.0 … 5.0) inside its scroll view, and whether it may be panned.
    void changeVideoScale(double scale);
    void enterScrollMode();
    double videoScale() const { return m_videoScale; }
    bool enableBigMovieViewScroll() const { return m_enableBigMovieViewScroll; }

    // While a view is shown full screen: only it plays, the zoom stays as it is, the map stays
    // hidden, and the volume keys act on it when it is the small view. Null outside full screen.
    void setFullScreenView(DrovikAVView *view) { m_fullScreenView = view; }
    DrovikAVView *fullScreenView() const { return m_fullScreenView; }
    // The full-screen control's play/pause button, which shows the same image as the window's.
    void setFullScreenPlayPauseButton(ImageButton *button);

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
    const DrovikClipData &clipData() const { return *m_clipData; }
    // The G-force events of the playing clip, their marks and the jumps between them.
    const EventNavigation &eventNavigation() const { return *m_eventNavigation; }
    bool isDisplayTimerRunning() const;
    // Whether an entry is being converted and its telemetry loaded (the busy overlay is up).
    bool isPreparing() const;

    // Formats of the read-outs.
    static QString playTimeText(double time, double duration);
    static QString gravityText(int raw);

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
    void toggleMuteButtonTouched(QObject *sender = nullptr);
    void toggleVideoSwitchButtonTouched(QObject *sender = nullptr);
    void videoRotateButtonTouched(QObject *sender = nullptr);
    void videoScaleUpButtonTouched(QObject *sender = nullptr);
    void videoScaleDownButtonTouched(QObject *sender = nullptr);
    void resetVideoScaleButtonTouched(QObject *sender = nullptr);
    // The previous/next G-force event buttons and their keys.
    void previousEventButtonTouched(QObject *sender = nullptr);
    void nextEventButtonTouched(QObject *sender = nullptr);
    void volumeUp();
    void volumeDown();
    // Reports of the seek and volume bars.
    void seekTimeSliderTouchedUp(double value);
    // Both views to exactly `seconds` (the graph and the event jumps), the read-outs following
    // at once, also while paused.
    void seekToSampleTime(double seconds);
    void volumeChanged(float volume);
    void playVideoTimerCallback();

private:
    void onMovieReady();
    void viewDidFail(DrovikAVView *view);
    void movieDidEnd();
    void startVideoPlayTimer();
    void stopVideoPlayTimer();
    void startPlayAnimation();
    void stopPlayAnimation();
    void setPlayPauseImage(bool playing);
    void setVideoMute(bool muted);
    void setMuteImageForVolume(float volume);
    void showMapCover(bool cover);
    void finishPreparation(PreparedClip &clip);
    void showTelemetry();
    void updateFromSubtitles(double t, int index);
    void updateFromClipData(double t, int index);
    void selectAndPlay(int row);
    DrovikAVView &volumeKeyView() const;

    MainWindowUi &m_ui;
    FileListController &m_fileList;
    DrovikAVView &m_big;
    DrovikAVView &m_small;
    MapController &m_map;
    UnsupportedHandler m_unsupported;
    QString m_workingDirectory;

    QUrl m_currentVideoUrl;
    QUrl m_preparingVideoUrl;
    QString m_bigVideoFilePath;
    QString m_smallVideoFilePath;
    bool m_isVideoPaused = true;
    bool m_isVideoSwitched = false;
    QTimer *m_videoPlayTimer = nullptr;
    QTimer *m_playAnimationTimer = nullptr;
    int m_playAnimationIdx = 0;
    double m_lastUpdatedSensorInfoTime = 0;
    double m_lastUpdatedMapTime = 0;
    double m_lastUpdatedLat = 0;
    double m_lastUpdatedLng = 0;
    std::unique_ptr<DrovikClipData> m_clipData;
    std::unique_ptr<SubtitleData> m_subtitleData;
    double m_videoScale = 1.0;
    bool m_enableBigMovieViewScroll = false;
    bool m_touchedBigMovieScroll = false;
    // One preparation at a time, in order: two conversions of one clip must never write the same
    // cache file at once. Only the newest preparation's result reaches the screen.
    QThreadPool *m_preparationPool = nullptr;
    quint64 m_preparation = 0;
    BusyOverlay *m_busy = nullptr;
    EventNavigation *m_eventNavigation = nullptr;
    QPointer<DrovikAVView> m_fullScreenView;
    QPointer<ImageButton> m_fullScreenPlayPauseButton;
    // Keeps the small view on the large one's frame while they play.
    std::unique_ptr<ViewPairSync> m_pairSync;
};

} // namespace drovik
