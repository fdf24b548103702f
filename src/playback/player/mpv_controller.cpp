#include "playback/player/mpv_controller.h"

#include "playback/player/mpv_names.h"
#include "playback/player/player_log.h"

#include <QFileInfo>
#include <QPointer>
#include <QThreadPool>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <mpv/client.h>

#include <atomic>
#include <cmath>
#include <cstring>

namespace drovik {

namespace {

// reply_userdata of the observed properties and of the commands whose replies matter.
enum : quint64 {
    kTimePosId = 1,
    kDurationId,
    kPauseId,
    kSpeedId,
    kVolumeId,
    kEofReachedId,
    kVideoWidthId,
    kVideoHeightId,
    kSeekReplyId = 100,
    // Property reads about a loaded file; the number of the loadFile they belong to is kept
    // above kReplyGenerationShift.
    kTrackListReplyId = 101,
    kDurationReplyId,
    kFpsReplyId,
};
constexpr int kReplyGenerationShift = 16;
constexpr quint64 kReplyIdMask = (quint64(1) << kReplyGenerationShift) - 1;

// mpv's volume is a percentage; the view's is a fraction.
constexpr double kVolumeScale = 100.0;

QList<QPair<QByteArray, QByteArray>> &extraOptions()
{
    static QList<QPair<QByteArray, QByteArray>> options;
    return options;
}

// "a=b,c=d" from the environment, for running the viewer on machines without sound.
QList<QPair<QByteArray, QByteArray>> environmentOptions()
{
    QList<QPair<QByteArray, QByteArray>> result;
    const QByteArray text = qgetenv("DROVIK_MPV_OPTIONS");
    for (const QByteArray &item : text.split(',')) {
        const qsizetype eq = item.indexOf('=');
        if (eq > 0)
            result.append({item.left(eq).trimmed(), item.mid(eq + 1).trimmed()});
    }
    return result;
}

const mpv_node *mapValue(const mpv_node &map, const char *key)
{
    if (map.format != MPV_FORMAT_NODE_MAP || !map.u.list)
        return nullptr;
    for (int i = 0; i < map.u.list->num; ++i) {
        if (map.u.list->keys && map.u.list->keys[i] && std::strcmp(map.u.list->keys[i], key) == 0)
            return &map.u.list->values[i];
    }
    return nullptr;
}

qint64 intValue(const mpv_node *node, qint64 fallback)
{
    if (node && node->format == MPV_FORMAT_INT64)
        return node->u.int64;
    return fallback;
}

// Copies a "bgr0" frame out of mpv's buffer, checking every size against the buffer first.
QImage imageFromShot(const mpv_node &shot)
{
    const qint64 width = intValue(mapValue(shot, mpvname::kShotWidth), 0);
    const qint64 height = intValue(mapValue(shot, mpvname::kShotHeight), 0);
    const qint64 stride = intValue(mapValue(shot, mpvname::kShotStride), 0);
    const mpv_node *format = mapValue(shot, mpvname::kShotFormat);
    const mpv_node *data = mapValue(shot, mpvname::kShotData);
    if (width <= 0 || height <= 0 || width > 16384 || height > 16384 || stride < width * 4)
        return {};
    if (!format || format->format != MPV_FORMAT_STRING
        || std::strcmp(format->u.string, mpvname::kShotFormatBgr0) != 0)
        return {};
    if (!data || data->format != MPV_FORMAT_BYTE_ARRAY || !data->u.ba
        || data->u.ba->size < size_t(stride * (height - 1) + width * 4))
        return {};
    // "bgr0" is B, G, R, X in memory: QImage's RGB32 on a little-endian machine.
    QImage image(int(width), int(height), QImage::Format_RGB32);
    const auto *source = static_cast<const uchar *>(data->u.ba->data);
    for (int y = 0; y < int(height); ++y)
        std::memcpy(image.scanLine(y), source + y * stride, size_t(width) * 4);
    return image;
}

// Where players wind down: mpv's threads take up to a few hundred milliseconds to stop, which
// the GUI thread must not wait for. Destroyed, waiting for its work, only after main() returns.
QThreadPool &teardownPool()
{
    static QThreadPool pool;
    return pool;
}

// A clip's decoders free tens of megabytes of frames and packets spread over the malloc arenas
// of mpv's many threads. glibc keeps such pages unless asked, so a long session going from clip
// to clip would grow by megabytes a clip until it held the worst case of every arena. Called
// when a file has been closed; one release at a time is plenty.
void releaseFreedMemorySoon()
{
#if defined(__GLIBC__)
    static std::atomic_bool queued{false};
    if (queued.exchange(true))
        return;
    teardownPool().start([] {
        queued = false;
        malloc_trim(0);
    });
#endif
}

} // namespace

MpvController::MpvController(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<Tracks>();
    m_handle = mpv_create();
    if (!m_handle) {
        qCWarning(lcPlayer) << "mpv_create failed";
        return;
    }
    applyOptions();
    if (mpv_initialize(m_handle) < 0) {
        qCWarning(lcPlayer) << "mpv_initialize failed";
        mpv_terminate_destroy(m_handle);
        m_handle = nullptr;
        return;
    }
    mpv_request_log_messages(m_handle, lcPlayer().isDebugEnabled() ? "v" : "warn");
    observeProperties();
    mpv_set_wakeup_callback(m_handle, &MpvController::onWakeup, this);
}

MpvController::~MpvController()
{
    if (!m_handle)
        return;
    // After this returns mpv no longer calls onWakeup, so nothing can post to a dead object.
    mpv_set_wakeup_callback(m_handle, nullptr, nullptr);
    // The render context is already gone (it must go first).
    mpv_handle *handle = m_handle;
    teardownPool().start([handle] {
        mpv_terminate_destroy(handle);
        releaseFreedMemorySoon();
    });
}

void MpvController::setExtraOptions(const QList<QPair<QByteArray, QByteArray>> &options)
{
    extraOptions() = options;
}

void MpvController::applyOptions()
{
    using namespace mpvname;
    const std::pair<const char *, const char *> own[] = {
        {kVo, kVoLibmpv},
        // Stay on the last frame at the end, paused, like the platform player did.
        {kKeepOpen, kYes},
        {kIdle, kYes},
        {kPause, kYes},
        // Nothing from the user's mpv set-up, no scripts, no network helpers, no references
        // from inside a clip to other files: the files come from a card we do not trust.
        {kConfig, kNo},
        {kLoadScripts, kNo},
        {kLoadStatsOverlay, kNo},
        {kLoadOsdConsole, kNo},
        {kLoadAutoProfiles, kNo},
        {kYtdl, kNo},
        {kOsc, kNo},
        {kInputDefaultBindings, kNo},
        {kInputVoKeyboard, kNo},
        {kAccessReferences, kNo},
        {kOrderedChapters, kNo},
        // Clips are MOV, MP4 or AVI; only FFmpeg's demuxers, none of mpv's playlist,
        // folder or edit-list readers that open further files.
        {kDemuxer, kDemuxerLavf},
        {kTerminal, kNo},
        {kHrSeek, kYes},
        {kHwdec, kNo},
        // The sound servers and ALSA, nothing else: where none answers, mpv would go on to
        // JACK's or SDL's client libraries, whose process-wide state the front and rear players
        // set up and tear down at once; a player then hangs in its audio set-up, and the window
        // with it when it closes, or crashes. Where no sound server answers, no sound is lost.
        {kAo, kAoSoundServers},
        // Decoding is in software, so there is no point probing CUDA, VAAPI… at start.
        {kGpuHwdecInterop, kNo},
        // Cover art of an audio file is not a video track here.
        {kAudioDisplay, kNo},
        {kSubAuto, kNo},
        {kSid, kNo},
        {kOsdLevel, "0"},
        // Played faster or slower, voices keep their pitch. mpv's default, set so that it
        // holds whatever a later mpv defaults to.
        {kAudioPitchCorrection, kYes},
    };
    for (const auto &[name, value] : own)
        mpv_set_option_string(m_handle, name, value);
    for (const auto &list : {extraOptions(), environmentOptions()}) {
        for (const auto &[name, value] : list) {
            if (mpv_set_option_string(m_handle, name.constData(), value.constData()) < 0)
                qCWarning(lcPlayer) << "mpv refused option" << name << value;
        }
    }
}

void MpvController::observeProperties()
{
    using namespace mpvname;
    mpv_observe_property(m_handle, kTimePosId, kTimePos, MPV_FORMAT_DOUBLE);
    mpv_observe_property(m_handle, kDurationId, kDuration, MPV_FORMAT_DOUBLE);
    mpv_observe_property(m_handle, kPauseId, kPause, MPV_FORMAT_FLAG);
    mpv_observe_property(m_handle, kSpeedId, kSpeed, MPV_FORMAT_DOUBLE);
    mpv_observe_property(m_handle, kVolumeId, kVolume, MPV_FORMAT_DOUBLE);
    mpv_observe_property(m_handle, kEofReachedId, kEofReached, MPV_FORMAT_FLAG);
    mpv_observe_property(m_handle, kVideoWidthId, kVideoDisplayWidth, MPV_FORMAT_INT64);
    mpv_observe_property(m_handle, kVideoHeightId, kVideoDisplayHeight, MPV_FORMAT_INT64);
}

void MpvController::onWakeup(void *self)
{
    // mpv's thread, holding mpv's lock: only post, and only once per drain.
    auto *controller = static_cast<MpvController *>(self);
    if (!controller->m_drainQueued.exchange(true))
        QMetaObject::invokeMethod(controller, &MpvController::drainEvents, Qt::QueuedConnection);
}

void MpvController::requestDrain()
{
    if (!m_drainQueued.exchange(true))
        QMetaObject::invokeMethod(this, &MpvController::drainEvents, Qt::QueuedConnection);
}

void MpvController::drainEvents()
{
    m_drainQueued = false;
    QPointer<MpvController> alive(this);
    // A bounded batch keeps the GUI responsive; the rest comes in the next drain.
    for (int i = 0; i < 200 && alive && m_handle; ++i) {
        mpv_event *event = mpv_wait_event(m_handle, 0);
        if (!event || event->event_id == MPV_EVENT_NONE)
            return;
        handleEvent(*event);
        if (i == 199 && alive)
            requestDrain();
    }
}

bool MpvController::isStaleEvent(const mpv_event &event) const
{
    if (m_startedEntry >= m_loadCount && !m_unloaded)
        return false;
    switch (event.event_id) {
    case MPV_EVENT_PROPERTY_CHANGE: {
        // The player's own settings carry over from file to file; positions do not.
        const char *name = static_cast<const mpv_event_property *>(event.data)->name;
        return std::strcmp(name, mpvname::kPause) != 0 && std::strcmp(name, mpvname::kSpeed) != 0
            && std::strcmp(name, mpvname::kVolume) != 0;
    }
    case MPV_EVENT_FILE_LOADED:
    case MPV_EVENT_PLAYBACK_RESTART:
    case MPV_EVENT_END_FILE:
    case MPV_EVENT_COMMAND_REPLY:
        return true;
    default:
        return false;
    }
}

void MpvController::handleEvent(const mpv_event &event)
{
    if (event.event_id == MPV_EVENT_END_FILE)
        releaseFreedMemorySoon(); // whichever file it was, its decoders are gone
    if (event.event_id == MPV_EVENT_START_FILE) {
        const auto *start = static_cast<const mpv_event_start_file *>(event.data);
        m_startedEntry = qMax(m_startedEntry, qint64(start->playlist_entry_id));
        return;
    }
    if (isStaleEvent(event))
        return;
    switch (event.event_id) {
    case MPV_EVENT_PROPERTY_CHANGE:
        handlePropertyChange(*static_cast<const mpv_event_property *>(event.data));
        return;
    case MPV_EVENT_FILE_LOADED:
        handleFileLoaded();
        return;
    case MPV_EVENT_PLAYBACK_RESTART:
        handlePlaybackRestart();
        return;
    case MPV_EVENT_GET_PROPERTY_REPLY:
        handlePropertyReply(event);
        return;
    case MPV_EVENT_COMMAND_REPLY:
        if (event.reply_userdata == kSeekReplyId && event.error < 0) {
            qCDebug(lcPlayer) << "seek refused:" << mpv_error_string(event.error);
            m_pendingSeek.reset();
        }
        return;
    case MPV_EVENT_END_FILE: {
        const auto *end = static_cast<const mpv_event_end_file *>(event.data);
        m_pendingSeek.reset();
        if (end->reason == MPV_END_FILE_REASON_REDIRECT) {
            // A folder or a playlist in disguise: it would go on to play other files.
            m_fileLoaded = false;
            command({mpvname::kStop});
            emit loadFailed(QStringLiteral("not a clip"));
            return;
        }
        if (end->reason == MPV_END_FILE_REASON_ERROR
            || (end->reason == MPV_END_FILE_REASON_EOF && !m_ready)) {
            m_fileLoaded = false;
            emit loadFailed(QString::fromUtf8(mpv_error_string(end->error)));
        }
        return;
    }
    case MPV_EVENT_LOG_MESSAGE: {
        const auto *message = static_cast<const mpv_event_log_message *>(event.data);
        qCDebug(lcPlayer).noquote() << message->prefix << QString::fromUtf8(message->text).trimmed();
        return;
    }
    default:
        return;
    }
}

void MpvController::handlePropertyChange(const mpv_event_property &property)
{
    const bool isDouble = property.format == MPV_FORMAT_DOUBLE && property.data;
    const bool isFlag = property.format == MPV_FORMAT_FLAG && property.data;
    const bool isInt = property.format == MPV_FORMAT_INT64 && property.data;
    const double number = isDouble ? *static_cast<double *>(property.data) : 0.0;
    const bool flag = isFlag && *static_cast<int *>(property.data) != 0;
    if (std::strcmp(property.name, mpvname::kTimePos) == 0) {
        if (isDouble)
            setTimePos(number, false);
    } else if (std::strcmp(property.name, mpvname::kDuration) == 0) {
        m_duration = isDouble && std::isfinite(number) && number > 0 ? number : 0.0;
    } else if (std::strcmp(property.name, mpvname::kPause) == 0) {
        m_paused = !isFlag || flag;
        updateRate();
    } else if (std::strcmp(property.name, mpvname::kSpeed) == 0) {
        // Only setRate() and setSpeedTrim() change the speed (no key bindings, no scripts), and
        // what mpv reports carries the trim and lags behind both: the rate stays as set.
        updateRate();
    } else if (std::strcmp(property.name, mpvname::kVolume) == 0) {
        const double volume = isDouble ? qBound(0.0, number / kVolumeScale, 1.0) : m_volume;
        if (!qFuzzyCompare(1.0 + volume, 1.0 + m_volume)) {
            m_volume = volume;
            emit volumeChanged(volume);
        }
    } else if (std::strcmp(property.name, mpvname::kEofReached) == 0) {
        const bool wasAtEnd = m_eofReached;
        m_eofReached = flag;
        if (m_eofReached && !wasAtEnd && m_fileLoaded)
            emit playedToEnd();
    } else if (std::strcmp(property.name, mpvname::kVideoDisplayWidth) == 0
               || std::strcmp(property.name, mpvname::kVideoDisplayHeight) == 0) {
        const qint64 value = isInt ? *static_cast<qint64 *>(property.data) : 0;
        QSize size = m_videoSize;
        if (std::strcmp(property.name, mpvname::kVideoDisplayWidth) == 0)
            size.setWidth(int(qBound(qint64(0), value, qint64(65535))));
        else
            size.setHeight(int(qBound(qint64(0), value, qint64(65535))));
        if (size != m_videoSize) {
            m_videoSize = size;
            emit videoSizeChanged(size);
        }
    }
}

void MpvController::handleFileLoaded()
{
    // Asked for without waiting: while a file opens, mpv's core is busy for a few hundred
    // milliseconds (decoder, video output) and a direct read would hold the GUI thread as long.
    // The replies come in the order asked; the last one completes the file's description.
    const quint64 generation = quint64(m_loadCount) << kReplyGenerationShift;
    m_fileDescriptionPending = true;
    m_tracks = {};
    mpv_get_property_async(m_handle, generation | kTrackListReplyId, mpvname::kTrackList, MPV_FORMAT_NODE);
    mpv_get_property_async(m_handle, generation | kDurationReplyId, mpvname::kDuration, MPV_FORMAT_DOUBLE);
    mpv_get_property_async(m_handle, generation | kFpsReplyId, mpvname::kContainerFps, MPV_FORMAT_DOUBLE);
}

void MpvController::handlePropertyReply(const mpv_event &event)
{
    if ((event.reply_userdata >> kReplyGenerationShift) != quint64(m_loadCount) || !m_fileDescriptionPending)
        return; // a reply about a file before this one
    const auto &property = *static_cast<const mpv_event_property *>(event.data);
    const bool isDouble = event.error >= 0 && property.format == MPV_FORMAT_DOUBLE && property.data;
    const double number = isDouble ? *static_cast<double *>(property.data) : 0.0;
    switch (event.reply_userdata & kReplyIdMask) {
    case kTrackListReplyId:
        if (event.error >= 0 && property.format == MPV_FORMAT_NODE && property.data)
            m_tracks = tracksFromList(*static_cast<const mpv_node *>(property.data));
        return;
    case kDurationReplyId:
        if (isDouble && std::isfinite(number) && number > 0)
            m_duration = number;
        return;
    case kFpsReplyId:
        m_frameDuration = isDouble && number >= 1.0 && number <= 1000.0 ? 1.0 / number : 1.0 / 30;
        break;
    default:
        return;
    }
    m_fileDescriptionPending = false;
    m_fileLoaded = true;
    QPointer<MpvController> alive(this);
    emit fileLoaded(m_tracks);
    if (alive && m_restartPending) {
        m_restartPending = false;
        handlePlaybackRestart();
    }
}

void MpvController::handlePlaybackRestart()
{
    if (m_fileDescriptionPending) {
        m_restartPending = true; // the file is described first, then it is ready
        return;
    }
    m_pendingSeek.reset();
    if (!m_ready) {
        // The file's first position: the property notifications give it, and reading it now
        // would wait on the core as it starts playing.
        setTimePos(m_timePos, true);
        m_ready = true;
        emit readyToPlay();
        return;
    }
    // Read the landed position now: its property notification may come after this event.
    setTimePos(readDouble(mpvname::kTimePos, m_timePos), true);
    emit seekLanded(m_timePos);
}

void MpvController::setTimePos(double seconds, bool jumped)
{
    if (!std::isfinite(seconds))
        return;
    m_timePos = seconds;
    // Positions seen while a seek is on its way are the old ones; say nothing about them.
    if (m_pendingSeek)
        return;
    const qint64 tick = qint64(std::floor(seconds * 10.0 + 1e-6));
    if (tick == m_lastTick && !jumped)
        return;
    m_lastTick = tick;
    emit timeTick(seconds);
}

void MpvController::updateRate()
{
    const double current = rate();
    if (current == m_lastReportedRate)
        return;
    m_lastReportedRate = current;
    emit rateChanged(current);
}

double MpvController::rate() const
{
    if (m_paused)
        return 0.0;
    return m_backwards ? -m_speed : m_speed;
}

bool MpvController::isAtEnd() const
{
    if (m_eofReached)
        return true;
    // The last frame starts one frame before the end; half a frame more allows for rounding.
    return m_duration > 0.0 && timePos() >= m_duration - 1.5 * m_frameDuration;
}

double MpvController::timePos() const
{
    return m_pendingSeek.value_or(m_timePos);
}

MpvController::Tracks MpvController::tracksFromList(const mpv_node &list)
{
    Tracks tracks;
    if (list.format != MPV_FORMAT_NODE_ARRAY || !list.u.list)
        return tracks;
    for (int i = 0; i < list.u.list->num; ++i) {
        const mpv_node &track = list.u.list->values[i];
        const mpv_node *type = mapValue(track, mpvname::kTrackType);
        const mpv_node *albumArt = mapValue(track, mpvname::kTrackAlbumArt);
        if (!type || type->format != MPV_FORMAT_STRING
            || std::strcmp(type->u.string, mpvname::kTrackTypeVideo) != 0)
            continue;
        if (albumArt && albumArt->format == MPV_FORMAT_FLAG && albumArt->u.flag)
            continue;
        tracks.hasVideo = true;
        tracks.videoTrackId = intValue(mapValue(track, mpvname::kTrackId), 1);
        break;
    }
    return tracks;
}

double MpvController::readDouble(const char *name, double fallback) const
{
    double value = 0.0;
    if (!m_handle || mpv_get_property(m_handle, name, MPV_FORMAT_DOUBLE, &value) < 0
        || !std::isfinite(value))
        return fallback;
    return value;
}

void MpvController::command(std::initializer_list<const char *> args)
{
    if (!m_handle)
        return;
    const char *argv[8] = {};
    int i = 0;
    for (const char *arg : args) {
        if (i < 7)
            argv[i++] = arg;
    }
    mpv_command_async(m_handle, 0, argv);
}

void MpvController::setPropertyAsync(const char *name, const char *value)
{
    if (!m_handle)
        return;
    const char *text = value;
    mpv_set_property_async(m_handle, 0, name, MPV_FORMAT_STRING, &text);
}

void MpvController::forgetFile()
{
    // The picture size stays: mpv does not report it again when the next file has the same.
    m_tracks = {};
    m_timePos = 0.0;
    m_pendingSeek.reset();
    m_lastTick = -1;
    m_duration = 0.0;
    m_eofReached = false;
    m_fileLoaded = false;
    m_ready = false;
    m_fileDescriptionPending = false;
    m_restartPending = false;
}

void MpvController::loadFile(const QString &path)
{
    forgetFile();
    ++m_loadCount;
    m_unloaded = false;
    // An absolute path can never be read by mpv as a protocol ("http://…", "av://…").
    const QByteArray local = QFileInfo(path).absoluteFilePath().toUtf8();
    command({mpvname::kLoadFile, local.constData()});
}

void MpvController::unload()
{
    setPaused(true);
    command({mpvname::kStop});
    forgetFile();
    m_unloaded = true;
}

void MpvController::stop()
{
    m_pendingSeek.reset();
    command({mpvname::kStop});
}

void MpvController::setPaused(bool paused)
{
    if (!m_handle)
        return;
    int flag = paused ? 1 : 0;
    mpv_set_property_async(m_handle, 0, mpvname::kPause, MPV_FORMAT_FLAG, &flag);
    // Answer the new rate at once, as the player will once it has applied the change.
    m_paused = paused;
    updateRate();
}

void MpvController::setRate(double rate)
{
    if (!m_handle || !std::isfinite(rate))
        return;
    if (rate == 0.0) {
        setPaused(true);
        return;
    }
    const bool backwards = rate < 0.0;
    if (backwards != m_backwards) {
        m_backwards = backwards;
        setPropertyAsync(mpvname::kPlayDirection, backwards ? mpvname::kBackward : mpvname::kForward);
    }
    m_speed = qBound(0.01, std::abs(rate), 100.0);
    applySpeed();
    setPaused(false);
}

void MpvController::setSpeedTrim(double factor)
{
    if (!std::isfinite(factor))
        return;
    factor = qBound(kMinSpeedTrim, factor, kMaxSpeedTrim);
    if (factor == m_speedTrim)
        return;
    m_speedTrim = factor;
    applySpeed();
}

void MpvController::applySpeed()
{
    if (!m_handle)
        return;
    double speed = m_speed * m_speedTrim;
    mpv_set_property_async(m_handle, 0, mpvname::kSpeed, MPV_FORMAT_DOUBLE, &speed);
}

void MpvController::seekExact(double seconds)
{
    if (!m_handle || !std::isfinite(seconds))
        return;
    // Past the end is the end; no clip lasts a billion seconds.
    seconds = qBound(0.0, seconds, 1e9);
    m_pendingSeek = seconds;
    const QByteArray target = QByteArray::number(seconds, 'f', 6);
    const char *argv[] = {mpvname::kSeek, target.constData(), mpvname::kSeekAbsoluteExact, nullptr};
    mpv_command_async(m_handle, kSeekReplyId, argv);
}

void MpvController::frameStep(bool backwards)
{
    command({backwards ? mpvname::kFrameBackStep : mpvname::kFrameStep});
}

void MpvController::setVolume(double volume)
{
    if (!std::isfinite(volume))
        return;
    m_volume = qBound(0.0, volume, 1.0);
    if (!m_handle)
        return;
    double percent = m_volume * kVolumeScale;
    mpv_set_property_async(m_handle, 0, mpvname::kVolume, MPV_FORMAT_DOUBLE, &percent);
}

QImage MpvController::grabVideoFrame() const
{
    if (!m_handle || !m_fileLoaded || !m_tracks.hasVideo)
        return {};
    const char *argv[] = {mpvname::kScreenshotRaw, mpvname::kScreenshotVideo, nullptr};
    mpv_node result;
    if (mpv_command_ret(m_handle, argv, &result) < 0)
        return {};
    QImage image = imageFromShot(result);
    mpv_free_node_contents(&result);
    return image;
}

std::optional<qint64> MpvController::integerProperty(const char *name) const
{
    qint64 value = 0;
    if (!m_handle || mpv_get_property(m_handle, name, MPV_FORMAT_INT64, &value) < 0)
        return std::nullopt;
    return value;
}

void MpvController::reloadVideo()
{
    if (!m_fileLoaded || !m_tracks.hasVideo)
        return;
    const QByteArray id = QByteArray::number(m_tracks.videoTrackId);
    setPropertyAsync(mpvname::kVideoTrack, mpvname::kNo);
    setPropertyAsync(mpvname::kVideoTrack, id.constData());
}

} // namespace drovik
