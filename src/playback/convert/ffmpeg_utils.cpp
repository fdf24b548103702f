#include "playback/convert/ffmpeg_utils.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <array>

Q_LOGGING_CATEGORY(lcFfmpeg, "drovik.convert.ffmpeg", QtWarningMsg)

namespace drovik {

namespace {

int countMatches(const QString &text, const QString &kind)
{
    const QRegularExpression pattern(QStringLiteral("(Stream #\\d{1}:\\d{1}(.*?): %1)").arg(kind),
                                     QRegularExpression::CaseInsensitiveOption);
    if (!pattern.isValid())
        return 0;
    int count = 0;
    for (auto it = pattern.globalMatch(text); it.hasNext(); it.next())
        ++count;
    return count;
}

} // namespace

QString FfmpegUtils::GetFFMPEGPath()
{
    const QString configured = qEnvironmentVariable("DROVIK_FFMPEG");
    if (!configured.isEmpty())
        return configured;
    if (QCoreApplication::instance()) {
        const QFileInfo beside(QCoreApplication::applicationDirPath() + QStringLiteral("/ffmpeg"));
        if (beside.isFile() && beside.isExecutable())
            return beside.filePath();
    }
    return QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
}

FfmpegUtils::TaskResult FfmpegUtils::RunTask(const QString &program, const QStringList &arguments)
{
    return RunTask(program, arguments, StopCheck(), -1);
}

FfmpegUtils::TaskResult FfmpegUtils::RunTask(const QString &program, const QStringList &arguments,
                                             const StopCheck &shouldStop, int timeoutMs)
{
    TaskResult result;
    if (program.isEmpty())
        return result;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    // ffmpeg reads its standard input for keyboard commands, and asks before overwriting a file
    // (the subtitle list has no "-y"): an empty input makes it answer no at once, never wait.
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted(-1)) {
        qCWarning(lcFfmpeg) << "cannot start" << program << process.errorString();
        return result;
    }
    result.started = true;
    // QProcess keeps reading the pipe while it waits, so a talkative child never blocks on a
    // full pipe; everything it wrote is there once it has ended.
    if (!shouldStop && timeoutMs < 0) {
        process.waitForFinished(-1);
    } else {
        QElapsedTimer clock;
        clock.start();
        constexpr int kPollMilliseconds = 100;
        while (!process.waitForFinished(kPollMilliseconds) && process.state() != QProcess::NotRunning) {
            if ((shouldStop && shouldStop()) || (timeoutMs >= 0 && clock.hasExpired(timeoutMs))) {
                qCInfo(lcFfmpeg) << "stopping" << program << arguments;
                process.kill();
                process.waitForFinished(-1);
                result.output = QString::fromUtf8(process.readAll());
                return result; // killed: not a normal exit, whatever the status says
            }
        }
    }
    result.output = QString::fromUtf8(process.readAll());
    result.exitedNormally = process.exitStatus() == QProcess::NormalExit;
    result.exitCode = process.exitCode();
    qCDebug(lcFfmpeg) << program << arguments << "exit" << result.exitCode;
    return result;
}

QString FfmpegUtils::DoTaskWithLaunchPath(const QString &program, const QStringList &arguments)
{
    return RunTask(program, arguments).output;
}

QString FfmpegUtils::GetFFMPEGVideoInfo(const QString &path, const QString &ffmpeg)
{
    return DoTaskWithLaunchPath(ffmpeg, {QStringLiteral("-i"), path});
}

int FfmpegUtils::GetVideoStreamCountFromVideoInfo(const QString &info)
{
    return countMatches(info, QStringLiteral("Video"));
}

int FfmpegUtils::GetAudioStreamCountFromVideoInfo(const QString &info)
{
    return countMatches(info, QStringLiteral("Audio"));
}

int FfmpegUtils::GetVideoStreamCountFromVideoPath(const QString &path, const QString &ffmpeg)
{
    return GetVideoStreamCountFromVideoInfo(GetFFMPEGVideoInfo(path, ffmpeg));
}

int FfmpegUtils::GetAudioStreamCountFromVideoPath(const QString &path, const QString &ffmpeg)
{
    return GetAudioStreamCountFromVideoInfo(GetFFMPEGVideoInfo(path, ffmpeg));
}

bool FfmpegUtils::ConvertAviToMovWithArguments(const QStringList &arguments, const QString &ffmpeg)
{
    DoTaskWithLaunchPath(ffmpeg, arguments);
    return true;
}

bool FfmpegUtils::ExtractMP4ToSrtWithArguments(const QStringList &arguments, const QString &ffmpeg)
{
    DoTaskWithLaunchPath(ffmpeg, arguments);
    return true;
}

int FfmpegUtils::GetAviType(const QString &path)
{
    // Where the tags stand: in an AVI, offset 112 is the first stream header's handler
    // (strh.fccHandler, e.g. "H264"); in an MP4, offset 16 is where the ftyp box lists its
    // compatible brands.
    static constexpr std::array<QByteArrayView, 3> kTags = {"H264", "AVC1", "iso4hvc1"};
    static constexpr std::array<qint64, 2> kOffsets = {112, 16};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return AviTypeOther;
    for (const qint64 offset : kOffsets) {
        if (!file.seek(offset))
            continue;
        const QByteArray window = file.read(16);
        if (window.size() < 16)
            continue;
        for (int type = 0; type < int(kTags.size()); ++type) {
            const QByteArrayView tag = kTags[std::size_t(type)];
            if (qstrnicmp(window.constData(), tag.data(), size_t(tag.size())) == 0)
                return type;
        }
    }
    return AviTypeOther;
}

QString FfmpegUtils::removeFileExtensionFromFilePath(const QString &path)
{
    if (path.isNull())
        return {};
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot <= slash + 1)
        return path; // no extension, or a name that starts with its only dot
    return path.left(dot);
}

QString FfmpegUtils::replaceFileExtensionFromFilePath(const QString &path,
                                                      const QString &newExtension)
{
    return removeFileExtensionFromFilePath(path) + QLatin1Char('.') + newExtension;
}

} // namespace drovik
