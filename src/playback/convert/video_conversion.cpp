#include "playback/convert/video_conversion.h"

#include "library/video_file_rules.h"
#include "playback/convert/ffmpeg_utils.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <algorithm>

Q_LOGGING_CATEGORY(lcConvert, "drovik.convert", QtWarningMsg)

namespace drovik {

namespace {

const QString kPartialFolderName = QStringLiteral(".partial");

QString fileNameOf(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

// The "-vtag" pair of a codec type in the dual lists (none for H264).
QStringList dualTag(int type)
{
    if (type == AviTypeH264)
        return {};
    if (type == AviTypeIso4Hvc1)
        return {QStringLiteral("-vtag"), QStringLiteral("hvc1")};
    return {QStringLiteral("-vtag"), QStringLiteral("avc1")};
}

bool isFile(const QString &path)
{
    return QFileInfo(path).isFile();
}

// What an input looked like when the conversion began.
struct InputStamp {
    QString path;
    qint64 size = -1;
    QDateTime modified;

    static InputStamp of(const QString &path)
    {
        const QFileInfo info(path);
        return {path, info.size(), info.lastModified()};
    }
    bool unchanged() const
    {
        const QFileInfo info(path);
        return info.isFile() && info.size() == size && info.lastModified() == modified;
    }
};

// ffmpeg's words on a failed run for the user: its version banner (the first line and the
// indented ones under it) left out, and at most the last dozen lines, which say what went wrong.
QString whatFfmpegSaid(const QString &output)
{
    QStringList lines = output.trimmed().split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.constFirst().startsWith(QLatin1String("ffmpeg version"))) {
        lines.removeFirst();
        while (!lines.isEmpty() && lines.constFirst().startsWith(QLatin1String("  ")))
            lines.removeFirst();
    }
    return lines.mid(std::max<qsizetype>(0, lines.size() - 12)).join(QLatin1Char('\n'));
}

} // namespace

// One call's inputs and the outputs it moved into place.
struct VideoConverter::Run {
    QList<InputStamp> inputs;
    QStringList made;
    QString failedOutput; // what ffmpeg said on the last run that made nothing

    void read(const QString &input) { inputs.append(InputStamp::of(input)); }
    bool inputsUnchanged() const
    {
        return std::all_of(inputs.cbegin(), inputs.cend(),
                           [](const InputStamp &input) { return input.unchanged(); });
    }
    void discardOutputs()
    {
        for (const QString &output : std::as_const(made))
            QFile::remove(output);
        made.clear();
    }
};

QString conversionCacheFolder(const QString &workingDirectory)
{
    return workingDirectory + QStringLiteral("/temp_video");
}

ConversionPaths conversionPathsFor(const QString &entryPath, qint64 entrySize,
                                   const QString &workingDirectory)
{
    const QString base = FfmpegUtils::removeFileExtensionFromFilePath(fileNameOf(entryPath));
    ConversionPaths paths;
    paths.folder = conversionCacheFolder(workingDirectory) + QLatin1Char('/')
                   + QStringLiteral("%1_%2").arg(base, QString::number(entrySize));
    paths.front = paths.folder + QLatin1Char('/') + QStringLiteral("%1_f.mov").arg(base);
    paths.rear = paths.folder + QLatin1Char('/') + QStringLiteral("%1_r.mov").arg(base);
    paths.frontSubtitle = FfmpegUtils::replaceFileExtensionFromFilePath(paths.front, QStringLiteral("srt"));
    paths.rearSubtitle = FfmpegUtils::replaceFileExtensionFromFilePath(paths.rear, QStringLiteral("srt"));
    paths.partialFolder = paths.folder + QLatin1Char('/') + kPartialFolderName;
    return paths;
}

QString conversionPartnerUrlText(const QString &urlText)
{
    QString text = urlText;
    // Other makes' side markers are partnerUrlText's last resort; the "_BC" names come before them.
    if (!text.contains(QLatin1String("F.")) && !text.contains(QLatin1String("R."))) {
        if (text.contains(QLatin1String("F_BC.")))
            return text.replace(QLatin1String("F_BC."), QLatin1String("R_BC."));
        if (text.contains(QLatin1String("R_BC.")))
            return text.replace(QLatin1String("R_BC."), QLatin1String("F_BC."));
    }
    return partnerUrlText(urlText);
}

QStringList singleConversionArguments(int type, const QString &input, const QString &output)
{
    const QString i = QStringLiteral("-i"), copy = QStringLiteral("copy");
    switch (type) {
    case AviTypeH264:
        return {i, input, QStringLiteral("-vcodec"), copy, QStringLiteral("-acodec"), copy,
                QStringLiteral("-y"), output};
    case AviTypeIso4Hvc1:
        return {i, input, QStringLiteral("-vcodec"), copy, QStringLiteral("-acodec"), copy,
                QStringLiteral("-y"), QStringLiteral("-vtag"), QStringLiteral("hvc1"), output};
    default: // AVC1 and anything else
        return {QStringLiteral("-v"), QStringLiteral("10"), i, input, QStringLiteral("-vcodec"),
                copy, QStringLiteral("-acodec"), copy, QStringLiteral("-vtag"),
                QStringLiteral("avc1"), QStringLiteral("-y"), output};
    }
}

QStringList dualConversionArguments(int type, const QString &input, const QString &output,
                                    int videoStream, bool withAudio)
{
    const QString copy = QStringLiteral("copy");
    QStringList arguments = {QStringLiteral("-i"), input, QStringLiteral("-map"),
                             videoStream == 0 ? QStringLiteral("0:0") : QStringLiteral("0:1")};
    if (withAudio)
        arguments << QStringLiteral("-map") << QStringLiteral("0:2");
    arguments << QStringLiteral("-c") << copy << QStringLiteral("-y") << QStringLiteral("-v")
              << QStringLiteral("10") << QStringLiteral("-vcodec") << copy
              << QStringLiteral("-acodec") << copy;
    arguments << dualTag(type) << output;
    return arguments;
}

QStringList subtitleExtractionArguments(const QString &input, const QString &subtitle)
{
    return {QStringLiteral("-i"), input, QStringLiteral("-vn"), QStringLiteral("-an"),
            QStringLiteral("-c:s"), QStringLiteral("text"), subtitle};
}

VideoConverter::VideoConverter(QString workingDirectory, QString ffmpeg)
    : m_workingDirectory(std::move(workingDirectory))
    , m_ffmpeg(ffmpeg.isEmpty() ? FfmpegUtils::GetFFMPEGPath() : std::move(ffmpeg))
{
}

void VideoConverter::runInto(Run &run, const QString &finalPath, const ConversionPaths &paths,
                             const std::function<QStringList(const QString &)> &arguments) const
{
    if (!run.inputsUnchanged())
        return; // the clip is no longer what this call set out to convert
    const QString partial = paths.partialFolder + QLatin1Char('/') + fileNameOf(finalPath);
    if (!QDir().mkpath(paths.partialFolder)) {
        qCWarning(lcConvert) << "cannot make" << paths.partialFolder;
        return;
    }
    QFile::remove(partial); // a leftover of an interrupted run
    const QStringList list = arguments(partial);
    if (m_observer)
        m_observer(list);
    const FfmpegUtils::TaskResult result = FfmpegUtils::RunTask(m_ffmpeg, list);
    if (!result.succeeded() || !isFile(partial)) {
        qCInfo(lcConvert) << "ffmpeg did not make" << finalPath << "exit" << result.exitCode
                          << result.output.right(400);
        run.failedOutput = whatFfmpegSaid(result.output);
        QFile::remove(partial);
        return;
    }
    if (!run.inputsUnchanged()) {
        qCWarning(lcConvert) << "the clip changed or went away while ffmpeg read it:" << finalPath;
        QFile::remove(partial);
        return;
    }
    QFile::remove(finalPath);
    if (!QFile::rename(partial, finalPath)) {
        qCWarning(lcConvert) << "cannot move" << partial << "to" << finalPath;
        QFile::remove(partial);
        return;
    }
    run.made.append(finalPath);
}

QList<QUrl> VideoConverter::convertSingleStream(Run &run, const QString &entryPath,
                                                const QUrl &entry, bool isMp4,
                                                const ConversionPaths &paths) const
{
    const int type = FfmpegUtils::GetAviType(entryPath);
    if (!isFile(paths.front)) {
        runInto(run, paths.front, paths, [&](const QString &out) {
            return singleConversionArguments(type, entryPath, out);
        });
        if (isMp4) {
            runInto(run, paths.frontSubtitle, paths, [&](const QString &out) {
                return subtitleExtractionArguments(entryPath, out);
            });
        }
    }

    bool hasRear = false;
    if (isMp4) {
        if (isFile(paths.rear)) {
            hasRear = true;
        } else {
            const QString partnerText = conversionPartnerUrlText(videoFileUrlText(entry));
            const QString partnerPath =
                partnerText.isNull() ? QString() : QUrl(partnerText).toLocalFile();
            if (!partnerPath.isEmpty() && QFileInfo::exists(partnerPath)) {
                hasRear = true;
                run.read(partnerPath);
                // The entry's own codec type serves the partner too (its type is not read).
                runInto(run, paths.rear, paths, [&](const QString &out) {
                    return singleConversionArguments(type, partnerPath, out);
                });
                runInto(run, paths.rearSubtitle, paths, [&](const QString &out) {
                    return subtitleExtractionArguments(partnerPath, out);
                });
            }
        }
    }

    QList<QUrl> result;
    if (isFile(paths.front))
        result.append(QUrl::fromLocalFile(paths.front));
    if (hasRear && isFile(paths.rear))
        result.append(QUrl::fromLocalFile(paths.rear));
    return result;
}

QList<QUrl> VideoConverter::convertDualStream(Run &run, const QString &entryPath,
                                              const ConversionPaths &paths) const
{
    if (!isFile(paths.front) || !isFile(paths.rear)) {
        const int type = FfmpegUtils::GetAviType(entryPath);
        const bool withAudio = FfmpegUtils::GetAudioStreamCountFromVideoPath(entryPath, m_ffmpeg) > 0;
        runInto(run, paths.front, paths, [&](const QString &out) {
            return dualConversionArguments(type, entryPath, out, 0, withAudio);
        });
        runInto(run, paths.rear, paths, [&](const QString &out) {
            return dualConversionArguments(type, entryPath, out, 1, withAudio);
        });
    }
    QList<QUrl> result;
    if (isFile(paths.front))
        result.append(QUrl::fromLocalFile(paths.front));
    if (isFile(paths.rear))
        result.append(QUrl::fromLocalFile(paths.rear));
    return result;
}

std::optional<QList<QUrl>> VideoConverter::checkAndConvertVideo(const QUrl &entry, ConversionFailure *failure) const
{
    const auto fail = [failure](ConversionFailure::Cause cause, const QString &detail = {}) {
        if (failure)
            *failure = {cause, detail};
    };
    if (entry.isEmpty()) {
        fail(ConversionFailure::Cause::FileGone);
        return std::nullopt;
    }
    const QString extension = lowerCasedExtension(entry.fileName());
    const bool isMp4 = extension == QLatin1String("mp4");
    if (!isMp4 && extension != QLatin1String("avi"))
        return QList<QUrl>{entry}; // played as it is

    const QString entryPath = entry.toLocalFile();
    if (m_workingDirectory.isEmpty() || !QDir().mkpath(conversionCacheFolder(m_workingDirectory))) {
        fail(ConversionFailure::Cause::NoCacheFolder, conversionCacheFolder(m_workingDirectory));
        return std::nullopt;
    }
    const QFileInfo entryInfo(entryPath);
    if (entryPath.isEmpty() || !entryInfo.exists()) {
        fail(ConversionFailure::Cause::FileGone);
        return std::nullopt;
    }
    const ConversionPaths paths = conversionPathsFor(entryPath, entryInfo.size(), m_workingDirectory);
    if (!QDir().mkpath(paths.folder)) {
        fail(ConversionFailure::Cause::NoCacheFolder, paths.folder);
        return std::nullopt;
    }

    Run run;
    run.read(entryPath);
    QList<QUrl> playable;
    if (isMp4) {
        playable = convertSingleStream(run, entryPath, entry, true, paths);
    } else {
        const int videoStreams = FfmpegUtils::GetVideoStreamCountFromVideoPath(entryPath, m_ffmpeg);
        if (videoStreams == 1)
            playable = convertSingleStream(run, entryPath, entry, false, paths);
        else if (videoStreams > 1)
            playable = convertDualStream(run, entryPath, paths);
    }
    // Outputs made before the clip changed are as suspect as the one that noticed it: a front
    // kept without its subtitles would never get them back.
    if (!run.inputsUnchanged()) {
        run.discardOutputs();
        fail(ConversionFailure::Cause::FileGone);
        return std::nullopt;
    }
    if (playable.isEmpty())
        fail(ConversionFailure::Cause::NotAVideo, run.failedOutput);
    return playable;
}

std::optional<QList<QUrl>> checkAndConvertVideo(const QUrl &entry, const QString &workingDirectory,
                                                ConversionFailure *failure)
{
    return VideoConverter(workingDirectory).checkAndConvertVideo(entry, failure);
}

} // namespace drovik
