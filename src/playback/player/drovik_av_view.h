#pragma once

#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <memory>
#include <optional>

namespace drovik {

class MpvController;
class PlayerSurface;

// Plays one clip file: one mpv player per opened file, drawn by OpenGL, or by mpv's software
// renderer where OpenGL is missing or DROVIK_RENDER=sw.
//
// Status: 0 no clip, 1 loading, 6 file open but not yet playable, 2 ready to play, 7 failed or
// no video track. A file without video reports 7 and then, once its sound can play, 6 and 2.
//
// The view's QWidget "enabled" flag is the stored enabled flag; a disabled view receives no
// mouse events. A view that is hidden when it opens a file draws that file in software (an
// OpenGL context exists only for shown widgets, and mpv needs it before the video starts).
//
// Reports come as signals on the GUI thread, each naming the view; after a swap they name the
// view that now holds the player.
class DrovikAVView : public QWidget {
    Q_OBJECT
public:
    enum Status {
        StatusNoClip = 0,
        StatusLoading = 1,
        StatusReadyToPlay = 2,
        StatusItemUnknown = 6,
        StatusFailed = 7,
    };

    explicit DrovikAVView(QWidget *parent = nullptr);
    ~DrovikAVView() override;

    // What the view shows while a new file opens: nothing (black, the loading spinner), or the
    // last picture of the file it replaces until the new one's first frame is drawn, as a clip
    // that goes on from the one before it does.
    enum class Opening { Cleared, KeepingPicture };

    // Closes any open player, stores the name and opens it (an empty name only closes). Keeping
    // the picture needs a player that has drawn one and can stay; else the view is cleared. The
    // kept player pauses first, so a view that opened its file sooner than its partner does not
    // run ahead of it.
    QString fileName() const { return m_fileName; }
    void setFileName(const QString &path, Opening opening = Opening::Cleared);
    QUrl fileURL() const;

    int status() const { return m_status; }
    // The player's words for why the file did not open; empty unless it failed to.
    QString errorString() const { return m_error; }
    bool hasMovie() const { return m_status != StatusNoClip && m_status != StatusFailed; }
    // Whether a frame of the open file has been drawn (the file's own, not one kept from the
    // file before it).
    bool hasDrawnPicture() const;

    // Mirroring of the picture on screen; snapshots are never mirrored.
    bool upsideDown() const { return m_upsideDown; }
    void setUpsideDown(bool upsideDown);
    bool leftsideRight() const { return m_leftsideRight; }
    void setLeftsideRight(bool leftsideRight);

    // Which camera the view shows; kept for the playback controller, not read here.
    bool front() const { return m_front; }
    void setFront(bool front) { m_front = front; }

    // The last rate the player reported.
    double rate() const { return m_rate; }

    // The speed play() plays at (1 is normal; the pair's speed control sets it on both views).
    // It belongs to the view, not to its player: it holds for every clip the view opens until
    // it is set again, and stays with the view on a swap. Setting it while the view plays
    // forwards applies it at once; a paused view stays paused.
    double playbackSpeed() const { return m_playbackSpeed; }
    void setPlaybackSpeed(double speed);
    // For keeping a pair in step (see MpvController::setSpeedTrim); no effect without a clip.
    void setSpeedTrim(double factor);
    // Seconds per frame of the open clip (1/30 until known).
    double frameDuration() const;

    // Optional overlays, owned by the view once set: shown while a clip loads, and when the
    // clip has no video track.
    QWidget *loadingSpinner() const { return m_loadingSpinner; }
    void setLoadingSpinner(QWidget *spinner);
    QWidget *noVideoView() const { return m_noVideoView; }
    void setNoVideoView(QWidget *view);

    // Seconds; 0 until the clip is ready to play.
    double duration() const;
    double currentTime() const;
    // Seeks exactly to `seconds` rounded to the nearest whole second.
    void setCurrentTime(double seconds);
    // Seeks exactly to `seconds`, unrounded (the G-force graph and the event jumps land on a
    // tenth of a second).
    void setCurrentTimeExactly(double seconds);
    // 0.0 … 1.0; travels with the player on a swap.
    float volume() const;
    void setVolume(float volume);

    // Plays at the playback speed; from the end of the clip, play starts again at 0.
    void play();
    void pause();
    void playPauseToggle();
    void fastForward();
    void rewind();
    void stepForward();
    void stepBackward();

    // The current frame at the video's natural size, unmirrored; a null image without a clip
    // or without a video frame. Waits for the player; callers pause first.
    QImage snapshot() const;

    // Exchanges players, file names and pictures with `other`; each player keeps its position,
    // volume, rate and status. upsideDown and front stay; leftsideRight is exchanged.
    void swapPlayerItemWith(DrovikAVView *other);

    // Both stop and drop the player and clear the file name (status 0). Safe at any time,
    // also from inside a report. close() closes the player, not the widget (QWidget::close()
    // still does that when called through a QWidget pointer).
    void reset();
    void close();

    void prepareAsset();
    void stopLoadingAnimationAndHandleError(const std::optional<QString> &error);

    // For the benchmark and tests: the player and how it is drawn (null without a clip).
    MpvController *player() const { return m_player.get(); }
    bool usesOpenGL() const;

signals:
    // After every status change, queued: it arrives after the current event, in order, and
    // never after the view is gone. A swap moves the status without a report.
    void didUpdateStatus(drovik::DrovikAVView *view, int status);
    // When the playing rate changes (0 paused, the playback speed playing, 2 and more fast
    // forward, negative backwards).
    void didUpdateRate(drovik::DrovikAVView *view, double rate);
    // Every 0.1 s of media time while playing, and after every seek.
    void didUpdateTime(drovik::DrovikAVView *view, double seconds);
    void didPlayToEndTime(drovik::DrovikAVView *view);
    // On a right mouse button release in the view.
    void didRequestFullscreen(drovik::DrovikAVView *view);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void setStatus(int status);
    void createSurface(bool software);
    void adoptSurface();
    void loadWhenRenderReady();
    void fallBackToSoftwareDrawing();
    void closePlayer();
    bool canKeepPlayer() const;
    void unloadPlayer();
    void removeObservers();
    void rebuildObservers();
    void applyPlayerTransform();
    void showLoading(bool shown);
    void showNoVideo(bool shown);
    void layoutOverlays();

    void onFileLoaded(bool hasVideo);
    void onReadyToPlay();
    void onReadyForDisplay();
    void onTime(double seconds);
    void onRate(double rate);
    void onPlayedToEnd();

    QString m_fileName;
    QString m_error;
    int m_status = StatusNoClip;
    std::unique_ptr<MpvController> m_player;
    PlayerSurface *m_surface = nullptr; // a child widget, owned through Qt
    QPointer<QWidget> m_loadingSpinner;
    QPointer<QWidget> m_noVideoView;
    bool m_loadPending = false;
    bool m_hasVideoTrack = false;
    bool m_upsideDown = false;
    bool m_leftsideRight = false;
    bool m_front = false;
    double m_rate = 0.0;
    double m_playbackSpeed = 1.0;
};

} // namespace drovik
