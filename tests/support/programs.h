#pragma once

// Programs run as a user would run them: the drovik command line, ffmpeg making tiny clips
// (160×90, about a second) and ffprobe looking at what a file holds. Every program gets an
// argument list, so the odd names the tests use reach it unchanged.

#include <QByteArray>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <cmath>

#include "temp_folder.h"

namespace drovik::test {

// What a run left: its exit status (-1 when it crashed or did not finish) and its output.
struct ProgramRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

inline ProgramRun run(const QString &program, const QStringList &args, int timeoutMs = 120000,
                      const QString &workingDirectory = QString())
{
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setWorkingDirectory(workingDirectory);
    process.start(program, args);
    ProgramRun result;
    if (process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

#ifdef DROVIK_CLI
inline ProgramRun runDrovik(const QStringList &args)
{
    return run(QStringLiteral(DROVIK_CLI), args);
}

// drovik with its arguments written as one text split at blanks; ROOT stands for root.
inline ProgramRun runDrovik(const char *args, const QString &root = QString())
{
    return runDrovik(QString::fromUtf8(args).replace(QStringLiteral("ROOT"), root).split(QLatin1Char(' ')));
}
#endif

// Arguments written as one text, split at blanks (none of them holds one).
inline QStringList words(const QString &text)
{
    return text.split(QLatin1Char(' '));
}

inline bool haveProgram(const QString &name)
{
    return !QStandardPaths::findExecutable(name).isEmpty();
}

inline bool ffmpeg(const QStringList &args)
{
    const ProgramRun r = run(QStringLiteral("ffmpeg"), words(QStringLiteral("-nostdin -v error")) + args
                                                           + QStringList{QStringLiteral("-y")});
    if (r.exitCode != 0)
        qWarning("ffmpeg failed: %s", r.err.constData());
    return r.exitCode == 0;
}

inline QStringList lavfiVideo(const QString &size = QStringLiteral("160x90"),
                              const QString &source = QStringLiteral("testsrc"))
{
    return words(QStringLiteral("-f lavfi -i %1=size=%2:rate=10:duration=1").arg(source, size));
}

inline QStringList lavfiAudio() { return words(QStringLiteral("-f lavfi -i sine=frequency=440:sample_rate=8000:duration=1")); }
inline QStringList h264() { return words(QStringLiteral("-c:v libx264 -preset ultrafast -pix_fmt yuv420p")); }
inline QStringList pcm() { return words(QStringLiteral("-c:a pcm_s16le")); }

// The real ffmpeg reading its input at the clip's own pace, at path: a card pulled while it
// converts is pulled while it reads.
inline bool writeSlowFfmpeg(const QString &path)
{
    return writeScript(path, QStringLiteral("#!/bin/sh\nexec \"%1\" -re \"$@\"\n")
                                 .arg(QStandardPaths::findExecutable(QStringLiteral("ffmpeg"))).toUtf8());
}

// An MP4 with video, sound and a mov_text subtitle stream made of the SubRip text srt (by
// default a second of 160×90 video; other sources and encoder options when given).
inline bool makeMp4WithSubtitles(const QString &path, const QByteArray &srt, const QStringList &video = lavfiVideo(),
                                 const QStringList &audio = lavfiAudio(), const QStringList &options = {})
{
    const QString cues = path + QStringLiteral(".cues.srt");
    if (!writeFile(cues, srt))
        return false;
    const bool made = ffmpeg(video + audio + QStringList{QStringLiteral("-i"), cues}
                             + words(QStringLiteral("-map 0 -map 1 -map 2")) + h264() + options
                             + words(QStringLiteral("-c:a aac -c:s mov_text")) + QStringList{path});
    QFile::remove(cues);
    return made;
}

// An MP4 whose subtitle stream holds one cue with cueText.
inline bool makeMp4(const QString &path, const QByteArray &cueText)
{
    return makeMp4WithSubtitles(path, "1\n00:00:00,000 --> 00:00:01,000\n" + cueText + "\n\n");
}

// An AVI whose stream 0 is the front camera (160×90), stream 1 the rear (128×72) and, with
// audio, stream 2 the sound.
inline bool makeDualAvi(const QString &path, bool withAudio)
{
    QStringList args = lavfiVideo() + lavfiVideo(QStringLiteral("128x72"), QStringLiteral("testsrc2"));
    if (withAudio)
        args += lavfiAudio();
    args += words(QStringLiteral("-map 0 -map 1"));
    if (withAudio)
        args += words(QStringLiteral("-map 2")) + pcm();
    return ffmpeg(args + h264() + QStringList{path});
}

inline bool makeSingleAvi(const QString &path)
{
    return ffmpeg(lavfiVideo() + lavfiAudio() + h264() + pcm() + QStringList{path});
}

inline bool makeAudioOnlyAvi(const QString &path)
{
    return ffmpeg(lavfiAudio() + pcm() + QStringList{path});
}

// "video 160x90", "audio", "subtitle" … one entry per stream, by ffprobe.
inline QStringList probeStreams(const QString &path)
{
    const ProgramRun r = run(QStringLiteral("ffprobe"),
                             words(QStringLiteral("-v error -show_entries stream=codec_type,width,height -of csv=p=0"))
                                 + QStringList{path});
    if (r.exitCode != 0)
        return {QStringLiteral("unreadable")};
    QStringList streams;
    for (const QByteArray &line : r.out.trimmed().split('\n')) {
        const QList<QByteArray> fields = line.trimmed().split(',');
        QString entry = QString::fromUtf8(fields.value(0));
        if (entry == QLatin1String("video"))
            entry += QStringLiteral(" %1x%2").arg(QString::fromUtf8(fields.value(1)),
                                                  QString::fromUtf8(fields.value(2)));
        if (!entry.isEmpty())
            streams.append(entry);
    }
    return streams;
}

// The duration of a file as ffprobe reads it; NaN when it cannot.
inline double probeDuration(const QString &path)
{
    const ProgramRun r = run(QStringLiteral("ffprobe"),
                             words(QStringLiteral("-v error -show_entries format=duration -of csv=p=0")) + QStringList{path});
    bool ok = false;
    const double d = QString::fromUtf8(r.out.trimmed()).toDouble(&ok);
    return r.exitCode == 0 && ok ? d : std::nan("");
}

// The points gpsbabel reads from a track file of the given input format ("gpx", "kml"), as CSV
// rows after a header row (ending in ",Date,Time" when the points carry times); nothing when it
// cannot read the file.
inline QList<QByteArray> gpsbabelRows(const QString &format, const QString &path)
{
    const ProgramRun r = run(QStringLiteral("gpsbabel"),
                             {QStringLiteral("-t"), QStringLiteral("-i"), format, QStringLiteral("-f"), path,
                              QStringLiteral("-o"), QStringLiteral("unicsv"), QStringLiteral("-F"), QStringLiteral("-")});
    if (r.exitCode != 0)
        return {};
    QList<QByteArray> rows = r.out.trimmed().split('\n');
    for (QByteArray &row : rows)
        row = row.trimmed();
    return rows;
}

// How many points gpsbabel reads from a track file; -1 when it cannot read it.
inline int gpsbabelPointCount(const QString &format, const QString &path)
{
    return int(gpsbabelRows(format, path).size()) - 1; // the header line
}

} // namespace drovik::test
