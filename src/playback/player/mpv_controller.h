#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

#include <atomic>
#include <optional>

struct mpv_handle;
struct mpv_event;
struct mpv_event_property;
struct mpv_node;

namespace drovik {

// One mpv player: the handle, the cached state the view asks for many times a second, and the
// commands. mpv reports on its own threads; its wakeup callback only posts a drain request to
// this object, so every signal below is emitted on the GUI thread and no mpv call is ever made
// from inside an mpv callback.
//
// Getters read the cache (no round trip to the mpv core, which may be busy decoding), except
// where noted. Commands are asynchronous unless noted.
//
// A receiver may delete this object from a slot connected to any of its signals; the event
// loop notices and stops touching the object.
class MpvController : public QObject {
    Q_OBJECT
public:
    // A loaded file's description, read when mpv reports the file loaded.
    struct Tracks {
        bool hasVideo = false;
        qint64 videoTrackId = 0;
    };

    explicit MpvController(QObject *parent = nullptr);
    ~MpvController() override;

    // Extra "name=value" options for every handle created afterwards, applied after our own
    // (tests and the benchmark use "ao=null"). DROVIK_MPV_OPTIONS ("a=b,c=d") adds to them.
    static void setExtraOptions(const QList<QPair<QByteArray, QByteArray>> &options);

    mpv_handle *handle() const { return m_handle; }
    bool isValid() const { return m_handle != nullptr; }

    void loadFile(const QString &path);
    void stop();
    // Stops the file and forgets it, keeping the handle for the next loadFile: a player that
    // stays open between clips spares the GUI thread mpv's start-up and shut-down.
    void unload();

    // Playback. `rate` 0 pauses; a negative rate plays backwards.
    void setPaused(bool paused);
    void setRate(double rate);
    double rate() const;
    // A factor on the playing speed that rate() does not show, for a player that follows
    // another: it catches up or waits without a seek, which would stall its picture. 1 is none;
    // kept within kMinSpeedTrim … kMaxSpeedTrim.
    static constexpr double kMinSpeedTrim = 0.5;
    static constexpr double kMaxSpeedTrim = 1.5;
    void setSpeedTrim(double factor);
    double speedTrim() const { return m_speedTrim; }

    // Seeks to exactly `seconds` (no key-frame snapping). Until mpv has landed, timePos()
    // answers the target, as a player that has accepted a seek would.
    void seekExact(double seconds);
    void frameStep(bool backwards);

    // 0.0 … 1.0, answered at once after a set.
    double volume() const { return m_volume; }
    void setVolume(double volume);

    double timePos() const;
    double duration() const { return m_duration; }
    // Seconds per frame from the file's frame rate; 1/30 until it is known.
    double frameDuration() const { return m_frameDuration; }
    bool isFileLoaded() const { return m_fileLoaded; }
    bool isReady() const { return m_ready; }
    bool eofReached() const { return m_eofReached; }
    // True on the last frame too: there, the player is at the end though it has not played
    // into it (a seek to the end while paused lands on the last frame).
    bool isAtEnd() const;
    const Tracks &tracks() const { return m_tracks; }
    // The display size of the decoded video (after aspect correction); invalid when unknown.
    QSize videoSize() const { return m_videoSize; }

    // The current frame at the video's own resolution, without on-screen display; a null image
    // when there is none. Synchronous: waits for the mpv core.
    QImage grabVideoFrame() const;

    // Reads an integer property synchronously (the benchmark's drop counters).
    std::optional<qint64> integerProperty(const char *name) const;

    // Video output was lost (the surface's GL context went away) and is back: reselect the
    // video track so that mpv builds its video chain again.
    void reloadVideo();

signals:
    // The file is open and its tracks are known.
    void fileLoaded(const drovik::MpvController::Tracks &tracks);
    // Opening the file failed (missing, unreadable, no playable stream).
    void loadFailed(const QString &error);
    // The first frame (or audio) after loading can be played.
    void readyToPlay();
    // A seek or frame step has landed; timePos() is current.
    void seekLanded(double seconds);
    // Whole tenths of a second of media time, and any jump.
    void timeTick(double seconds);
    void rateChanged(double rate);
    void volumeChanged(double volume);
    void playedToEnd();
    void videoSizeChanged(QSize size);

private:
    void applyOptions();
    void observeProperties();
    void requestDrain();
    void drainEvents();
    void handleEvent(const mpv_event &event);
    bool isStaleEvent(const mpv_event &event) const;
    void forgetFile();
    void handlePropertyChange(const mpv_event_property &property);
    void handleFileLoaded();
    void handlePlaybackRestart();
    void handlePropertyReply(const mpv_event &event);
    void setTimePos(double seconds, bool jumped);
    void updateRate();
    void applySpeed();
    static Tracks tracksFromList(const mpv_node &list);
    double readDouble(const char *name, double fallback) const;
    void command(std::initializer_list<const char *> args);
    void setPropertyAsync(const char *name, const char *value);

    static void onWakeup(void *self);

    mpv_handle *m_handle = nullptr;
    std::atomic<bool> m_drainQueued{false};

    Tracks m_tracks;
    QSize m_videoSize;
    double m_timePos = 0.0;
    std::optional<double> m_pendingSeek;
    qint64 m_lastTick = -1;
    double m_duration = 0.0;
    double m_frameDuration = 1.0 / 30;
    double m_volume = 1.0;
    double m_speed = 1.0;
    double m_speedTrim = 1.0;
    bool m_backwards = false;
    bool m_paused = true;
    bool m_eofReached = false;
    bool m_fileLoaded = false;
    bool m_ready = false;
    // mpv numbers playlist entries 1, 2, 3… as they are added, one per loadFile. Until the
    // entry of the last loadFile starts, what arrives belongs to a file before it (its end, its
    // last positions) and must not be taken for the new one's; a file asked for and replaced
    // at once may never start at all.
    qint64 m_loadCount = 0;
    qint64 m_startedEntry = 0;
    bool m_fileDescriptionPending = false; // loaded; its tracks, duration and rate are asked for
    bool m_restartPending = false;         // ready to play as soon as it is described
    bool m_unloaded = false; // stopped by unload(): nothing of the old file counts any more
    double m_lastReportedRate = 0.0;
};

} // namespace drovik

Q_DECLARE_METATYPE(drovik::MpvController::Tracks)
