#pragma once

// The `Utils` class operations that run `ffmpeg` and probe files: where the tool is,
// how it is run, how its stream listing is counted, and the codec tag check. Kept apart from
// src/platform/utils.h (the other `Utils` operations) in a class of their own.
//
// The tool is always started directly with an argument list (QProcess), never through a shell:
// a clip name with spaces, quotes, "$(…)", ";" or a line break reaches ffmpeg as one argument.

#include <QString>
#include <QStringList>

#include <functional>

namespace drovik {

// The codec type of a clip file (`GetAviType:`).
enum AviType : int {
    AviTypeH264 = 0,   // "H264"
    AviTypeAVC1 = 1,   // "AVC1"
    AviTypeIso4Hvc1 = 2, // "iso4hvc1"
    AviTypeOther = 3,  // none of them
};

class FfmpegUtils {
public:
    // What running a child process gave: its joined standard output and error as UTF-8 text,
    // and how it ended.
    struct TaskResult {
        QString output;
        bool started = false;  // false when the executable could not be started
        bool exitedNormally = false;
        int exitCode = -1;
        bool succeeded() const { return started && exitedNormally && exitCode == 0; }
    };

    // `GetFFMPEGPath`: $DROVIK_FFMPEG when set and not empty; else an executable "ffmpeg" beside
    // the running program; else "ffmpeg" found on PATH; else an empty string (nothing can be
    // started, every probe then answers empty text).
    static QString GetFFMPEGPath();

    // Runs program with arguments, standard output and error joined into one channel and
    // standard input empty, waits for it to end and reports everything.
    static TaskResult RunTask(const QString &program, const QStringList &arguments);

    // Answers true when a running task should be given up (a cancel button, an interrupt).
    using StopCheck = std::function<bool()>;
    // RunTask for the long jobs a user may abandon: shouldStop is asked about ten times a second,
    // and when it answers true, or timeoutMs has passed (-1: no limit), the child is killed and
    // the result does not succeed (exitedNormally false).
    static TaskResult RunTask(const QString &program, const QStringList &arguments,
                              const StopCheck &shouldStop, int timeoutMs = -1);

    // `DoTaskWithLaunchPath:arguments:`: RunTask's text only; the exit status is not examined.
    static QString DoTaskWithLaunchPath(const QString &program, const QStringList &arguments);

    // `GetFFMPEGVideoInfo:`: ffmpeg's output for "-i" path (the stream listing it prints when
    // given an input and no output).
    static QString GetFFMPEGVideoInfo(const QString &path, const QString &ffmpeg = GetFFMPEGPath());

    // The number of matches of "(Stream #\d{1}:\d{1}(.*?): Video)" / "… Audio)", case-insensitive,
    // in the whole text. The expression is the definition: a two-digit input number never
    // matches, but a two-digit stream number does ("#0:12": the lazy group takes the "2");
    // cards have at most four streams. ffmpeg also lists an attached cover picture as a Video
    // stream; cards carry none, so it is counted like any other.
    static int GetVideoStreamCountFromVideoInfo(const QString &info);
    static int GetAudioStreamCountFromVideoInfo(const QString &info);
    static int GetVideoStreamCountFromVideoPath(const QString &path,
                                                const QString &ffmpeg = GetFFMPEGPath());
    static int GetAudioStreamCountFromVideoPath(const QString &path,
                                                const QString &ffmpeg = GetFFMPEGPath());

    // `ConvertAviToMovWithArguments:` / `ExtractMP4ToSrtWithArguments:`: run ffmpeg with the list,
    // discard the output and answer true; success is judged by the output file afterwards.
    static bool ConvertAviToMovWithArguments(const QStringList &arguments,
                                             const QString &ffmpeg = GetFFMPEGPath());
    static bool ExtractMP4ToSrtWithArguments(const QStringList &arguments,
                                             const QString &ffmpeg = GetFFMPEGPath());

    // `GetAviType:`: the 16 bytes at offset 112, then those at offset 16, compared at their
    // start, as long as each tag and ignoring ASCII case, with "H264", "AVC1", "iso4hvc1"; the
    // first tag that matches gives 0, 1 or 2, else 3. A window that the file does not hold in
    // full (a file under 128 bytes at offset 112) matches nothing, as does an unreadable file.
    static int GetAviType(const QString &path);

    // The path without its extension (the text after the last "." of the last component, unless
    // the component starts with it); a null string for a null string.
    static QString removeFileExtensionFromFilePath(const QString &path);
    // That result joined to newExtension with a dot ("%@.%@").
    static QString replaceFileExtensionFromFilePath(const QString &path, const QString &newExtension);
};

} // namespace drovik
