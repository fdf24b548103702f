#pragma once

// Tiny clips made with the real ffmpeg (160×90, about a second), and a look at what a file holds
// with ffprobe. Every tool runs with an argument list, so the odd names the tests use reach it
// unchanged.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace drovik::test {

inline bool haveProgram(const QString &name)
{
    return !QStandardPaths::findExecutable(name).isEmpty();
}

inline bool runTool(const QString &program, const QStringList &args, QByteArray *output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, args);
    if (!process.waitForFinished(120000))
        return false;
    const QByteArray out = process.readAll();
    if (output)
        *output = out;
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

inline bool ffmpeg(QStringList args)
{
    args.prepend(QStringLiteral("error"));
    args.prepend(QStringLiteral("-v"));
    args.prepend(QStringLiteral("-nostdin"));
    args.append(QStringLiteral("-y"));
    QByteArray out;
    const bool ok = runTool(QStringLiteral("ffmpeg"), args, &out);
    if (!ok)
        qWarning("ffmpeg failed: %s", out.constData());
    return ok;
}

inline bool writeText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QStringList lavfiVideo(const QString &size = QStringLiteral("160x90"),
                              const QString &source = QStringLiteral("testsrc"))
{
    return {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
            QStringLiteral("%1=size=%2:rate=10:duration=1").arg(source, size)};
}

inline QStringList lavfiAudio()
{
    return {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
            QStringLiteral("sine=frequency=440:sample_rate=8000:duration=1")};
}

inline QStringList h264()
{
    return {QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
            QStringLiteral("ultrafast"), QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p")};
}

// An MP4 with video, sound and a mov_text subtitle stream holding one cue with cueText.
inline bool makeMp4(const QString &path, const QString &scratch, const QByteArray &cueText)
{
    const QString srt = scratch + QStringLiteral("/cue.srt");
    if (!writeText(srt, "1\n00:00:00,000 --> 00:00:01,000\n" + cueText + "\n\n"))
        return false;
    QStringList args = lavfiVideo() + lavfiAudio();
    args << QStringLiteral("-i") << srt << QStringLiteral("-map") << QStringLiteral("0")
         << QStringLiteral("-map") << QStringLiteral("1") << QStringLiteral("-map") << QStringLiteral("2");
    args << h264() << QStringLiteral("-c:a") << QStringLiteral("aac") << QStringLiteral("-c:s")
         << QStringLiteral("mov_text") << path;
    return ffmpeg(args);
}

// An AVI whose stream 0 is the front camera (160×90), stream 1 the rear (128×72) and, with
// audio, stream 2 the sound.
inline bool makeDualAvi(const QString &path, bool withAudio)
{
    QStringList args = lavfiVideo() + lavfiVideo(QStringLiteral("128x72"), QStringLiteral("testsrc2"));
    if (withAudio)
        args += lavfiAudio();
    args << QStringLiteral("-map") << QStringLiteral("0") << QStringLiteral("-map") << QStringLiteral("1");
    if (withAudio)
        args << QStringLiteral("-map") << QStringLiteral("2") << QStringLiteral("-c:a")
             << QStringLiteral("pcm_s16le");
    args << h264() << path;
    return ffmpeg(args);
}

inline bool makeSingleAvi(const QString &path)
{
    return ffmpeg(lavfiVideo() + lavfiAudio() + h264()
                  + QStringList{QStringLiteral("-c:a"), QStringLiteral("pcm_s16le"), path});
}

inline bool makeAudioOnlyAvi(const QString &path)
{
    return ffmpeg(lavfiAudio() + QStringList{QStringLiteral("-c:a"), QStringLiteral("pcm_s16le"), path});
}

// "video 160x90", "audio", "subtitle" … one entry per stream, by ffprobe.
inline QStringList probeStreams(const QString &path)
{
    QByteArray out;
    if (!runTool(QStringLiteral("ffprobe"),
                 {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
                  QStringLiteral("stream=codec_type,width,height"), QStringLiteral("-of"),
                  QStringLiteral("csv=p=0"), path},
                 &out))
        return {QStringLiteral("unreadable")};
    QStringList streams;
    for (const QByteArray &line : out.trimmed().split('\n')) {
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

} // namespace drovik::test
