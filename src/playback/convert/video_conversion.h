#pragma once

// Video conversion: turns a list entry into at most two playable files, front first
// and rear second, by remuxing with ffmpeg (stream copy only) into a cache under the working
// directory, and extracts the subtitle telemetry of "mp4" clips into ".srt" files beside them.
//
// Cache layout, inside the working directory:
//
//   temp_video/<base>_<size>/<base>_f.mov    front output       (<base>: the entry's file name
//   temp_video/<base>_<size>/<base>_f.srt    its subtitles       without its extension;
//   temp_video/<base>_<size>/<base>_r.mov    rear output         <size>: the entry's size in
//   temp_video/<base>_<size>/<base>_r.srt    its subtitles       bytes, in decimal)
//   temp_video/<base>_<size>/.partial/       where ffmpeg writes (see below)
//
// An output that exists is never rebuilt, so ffmpeg must never write one in place: an
// interrupted run would leave a partial file that counts as done for ever. ffmpeg writes each
// output under its own name in the ".partial" sub-folder (the extension still chooses the
// format), and the file is moved into place only when ffmpeg exits with status 0 and the
// file exists. A stale file in ".partial" is removed before each run.
//
// A clip that goes away, shrinks or is rewritten while ffmpeg reads it (the card is pulled)
// may still give an output that ffmpeg calls complete, holding only part of the clip: when an
// input no longer looks as it did when the conversion began, the call keeps nothing it made.
//
// Everything runs synchronously in the calling thread and keeps no state between calls, so the
// caller may run it on a worker thread.

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>

namespace drovik {

// The paths of one entry's conversion folder.
struct ConversionPaths {
    QString folder;         // temp_video/<base>_<size>
    QString front;          // <base>_f.mov
    QString rear;           // <base>_r.mov
    QString frontSubtitle;  // <base>_f.srt
    QString rearSubtitle;   // <base>_r.srt
    QString partialFolder;  // .partial, where ffmpeg writes before the move into place
};

// The cache folder of the working directory ("temp_video").
QString conversionCacheFolder(const QString &workingDirectory);

// The paths for an entry of the given file path and size.
ConversionPaths conversionPathsFor(const QString &entryPath, qint64 entrySize,
                                   const QString &workingDirectory);

// The partner search of the conversion: the list's own rule ("F." ↔ "R."), then "F_BC." ↔
// "R_BC.", then other makes' side markers (partnerUrlText); a null string when none applies.
QString conversionPartnerUrlText(const QString &urlText);

// The ffmpeg argument lists, exactly in the order ffmpeg must receive them. type is the
// codec type of FfmpegUtils::GetAviType (0 H264, 1 AVC1, 2 iso4hvc1, 3 other).
QStringList singleConversionArguments(int type, const QString &input, const QString &output);
// videoStream 0 (front, "0:0") or 1 (rear, "0:1"); withAudio adds "-map" "0:2".
QStringList dualConversionArguments(int type, const QString &input, const QString &output,
                                    int videoStream, bool withAudio);
QStringList subtitleExtractionArguments(const QString &input, const QString &subtitle);

// Why an entry has nothing to play, for the user: the cause, and its particulars (ffmpeg's own
// words when a run of it failed, the cache folder that cannot be made).
struct ConversionFailure {
    enum class Cause { None, FileGone, NoCacheFolder, NotAVideo };
    Cause cause = Cause::None;
    QString detail;
};

class VideoConverter {
public:
    // Called with each argument list just before ffmpeg runs with it (tests, logging).
    using RunObserver = std::function<void(const QStringList &arguments)>;

    // workingDirectory: the viewer passes Utils::GetWorkingDirectoryPath(). ffmpeg: the tool
    // to run, by default FfmpegUtils::GetFFMPEGPath().
    explicit VideoConverter(QString workingDirectory, QString ffmpeg = {});

    void setRunObserver(RunObserver observer) { m_observer = std::move(observer); }

    // `checkAndConvertVideo:`: the playable files of an entry (zero, one or two; the first for
    // the large view, the second for the small one), or nothing when the cache folder cannot be
    // made or the entry's attributes cannot be read. A "mov" entry, or one of any extension
    // other than "avi" and "mp4", is returned as it is without touching the working directory.
    // Both nothing and an empty list are the viewer's "unsupported" case; failure, when given,
    // then says why.
    std::optional<QList<QUrl>> checkAndConvertVideo(const QUrl &entry, ConversionFailure *failure = nullptr) const;

    const QString &workingDirectory() const { return m_workingDirectory; }
    const QString &ffmpegPath() const { return m_ffmpeg; }

private:
    struct Run;
    QList<QUrl> convertSingleStream(Run &run, const QString &entryPath, const QUrl &entry,
                                    bool isMp4, const ConversionPaths &paths) const;
    QList<QUrl> convertDualStream(Run &run, const QString &entryPath,
                                  const ConversionPaths &paths) const;
    // Runs ffmpeg with arguments(partial output path) and moves the output into place at
    // finalPath when ffmpeg succeeded, wrote it and the run's inputs are still as they were.
    void runInto(Run &run, const QString &finalPath, const ConversionPaths &paths,
                 const std::function<QStringList(const QString &)> &arguments) const;

    QString m_workingDirectory;
    QString m_ffmpeg;
    RunObserver m_observer;
};

// Convenience: VideoConverter(workingDirectory).checkAndConvertVideo(entry, failure).
std::optional<QList<QUrl>> checkAndConvertVideo(const QUrl &entry, const QString &workingDirectory,
                                                ConversionFailure *failure = nullptr);

} // namespace drovik
