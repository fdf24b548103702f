#pragma once

// Every mpv option, property, command and value name the player uses, in one place, so that a
// rename in a later mpv shows up here and nowhere else.

namespace drovik::mpvname {

// Options set once on a new handle.
inline constexpr const char *kVo = "vo";
inline constexpr const char *kVoLibmpv = "libmpv";
inline constexpr const char *kKeepOpen = "keep-open";
inline constexpr const char *kIdle = "idle";
inline constexpr const char *kConfig = "config";
inline constexpr const char *kLoadScripts = "load-scripts";
inline constexpr const char *kYtdl = "ytdl";
inline constexpr const char *kOsc = "osc";
inline constexpr const char *kInputDefaultBindings = "input-default-bindings";
inline constexpr const char *kInputVoKeyboard = "input-vo-keyboard";
inline constexpr const char *kAccessReferences = "access-references";
inline constexpr const char *kOrderedChapters = "ordered-chapters";
inline constexpr const char *kDemuxer = "demuxer";
inline constexpr const char *kDemuxerLavf = "lavf";
inline constexpr const char *kHrSeek = "hr-seek";
inline constexpr const char *kHwdec = "hwdec";
inline constexpr const char *kAo = "ao";
inline constexpr const char *kAoSoundServers = "pipewire,pulse,alsa";
inline constexpr const char *kLoadStatsOverlay = "load-stats-overlay";
inline constexpr const char *kLoadOsdConsole = "load-osd-console";
inline constexpr const char *kLoadAutoProfiles = "load-auto-profiles";
inline constexpr const char *kGpuHwdecInterop = "gpu-hwdec-interop";
inline constexpr const char *kTerminal = "terminal";
inline constexpr const char *kAudioDisplay = "audio-display";
inline constexpr const char *kSubAuto = "sub-auto";
inline constexpr const char *kSid = "sid";
inline constexpr const char *kOsdLevel = "osd-level";
inline constexpr const char *kAudioPitchCorrection = "audio-pitch-correction";

// Properties.
inline constexpr const char *kTimePos = "time-pos";
inline constexpr const char *kDuration = "duration";
inline constexpr const char *kPause = "pause";
inline constexpr const char *kSpeed = "speed";
inline constexpr const char *kPlayDirection = "play-dir";
inline constexpr const char *kVolume = "volume";
inline constexpr const char *kEofReached = "eof-reached";
inline constexpr const char *kVideoDisplayWidth = "video-params/dw";
inline constexpr const char *kVideoDisplayHeight = "video-params/dh";
inline constexpr const char *kContainerFps = "container-fps";
inline constexpr const char *kTrackList = "track-list";
inline constexpr const char *kVideoTrack = "vid";
// Frames the decoder skipped to catch up, and frames decoded but never shown.
inline constexpr const char *kDecoderFrameDropCount = "decoder-frame-drop-count";
inline constexpr const char *kFrameDropCount = "frame-drop-count";
inline constexpr const char *kVoDelayedFrameCount = "vo-delayed-frame-count";

// Fields of a track-list entry and of a screenshot-raw result.
inline constexpr const char *kTrackType = "type";
inline constexpr const char *kTrackId = "id";
inline constexpr const char *kTrackAlbumArt = "albumart";
inline constexpr const char *kTrackTypeVideo = "video";
inline constexpr const char *kShotWidth = "w";
inline constexpr const char *kShotHeight = "h";
inline constexpr const char *kShotStride = "stride";
inline constexpr const char *kShotFormat = "format";
inline constexpr const char *kShotData = "data";
inline constexpr const char *kShotFormatBgr0 = "bgr0";

// Commands and their arguments.
inline constexpr const char *kLoadFile = "loadfile";
inline constexpr const char *kStop = "stop";
inline constexpr const char *kSeek = "seek";
inline constexpr const char *kSeekAbsoluteExact = "absolute+exact";
inline constexpr const char *kFrameStep = "frame-step";
inline constexpr const char *kFrameBackStep = "frame-back-step";
inline constexpr const char *kScreenshotRaw = "screenshot-raw";
inline constexpr const char *kScreenshotVideo = "video";

// Values.
inline constexpr const char *kYes = "yes";
inline constexpr const char *kNo = "no";
inline constexpr const char *kForward = "forward";
inline constexpr const char *kBackward = "backward";

} // namespace drovik::mpvname
