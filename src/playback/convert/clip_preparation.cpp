#include "clip_preparation.h"

#include "library/exiftool_reader.h"
#include "library/telemetry_cache.h"
#include "library/video_file_rules.h"
#include "playback/convert/ffmpeg_utils.h"
#include "playback/convert/video_conversion.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace drovik {

namespace {

// The text-settings camera names its AVI clips by recording type.
bool isKvlClipName(const QString &name)
{
    if (!name.endsWith(QLatin1String(".avi")))
        return false;
    for (const char *prefix : {"Rec_", "Event_", "Park_", "Manual_"}) {
        if (name.startsWith(QLatin1String(prefix)))
            return true;
    }
    return false;
}

} // namespace

PreparedClip prepareClip(const QUrl &entry, const QString &workingDirectory)
{
    PreparedClip clip;
    clip.entry = entry;
    clip.files = checkAndConvertVideo(entry, workingDirectory, &clip.failure);
    if (!clip.files || clip.files->isEmpty())
        return clip;

    if (lowerCasedExtension(entry.fileName()) == QLatin1String("mp4")) {
        const QFileInfo big(clip.files->first().toLocalFile());
        const QString subtitlePath = big.path() + QLatin1Char('/') + big.completeBaseName() + QStringLiteral(".srt");
        const std::string subtitle = subtitlePath.toStdString();
        clip.clipData->loadVideoFileClipDataFromFilePath(subtitle);
        clip.subtitles = std::make_unique<SubtitleData>(SubtitleData::loadFromPath(subtitle));
    } else if (isKvlClipName(entry.fileName())) {
        clip.clipData->loadVideoFileClipDataFromFilePathKvl(entry.toLocalFile().toStdString());
    } else {
        clip.clipData->loadVideoFileClipDataFromFilePath(entry.toLocalFile().toStdString());
    }
    // Ours first; only a clip none of our readers knows is another make's, read through ExifTool.
    if (clip.clipData->clipDataCount() == 0) {
        // Through the trips' cache: a clip the Trips window has read costs ExifTool nothing here.
        TelemetryCache cache;
        telemetry::TimedTrack track = readForeignTelemetry(entry.toLocalFile(), cache);
        if (!track.empty()) {
            clip.timed = std::make_shared<const telemetry::TimedRecord>(track);
            clip.subtitles.reset();
        }
    }
    return clip;
}

std::optional<QList<QUrl>> playableOriginals(const QUrl &entry, const QString &workingDirectory)
{
    if (lowerCasedExtension(entry.fileName()) != QLatin1String("mp4") || workingDirectory.isEmpty())
        return std::nullopt;
    const QFileInfo front(entry.toLocalFile());
    if (!front.isFile())
        return std::nullopt;
    const ConversionPaths paths = conversionPathsFor(front.filePath(), front.size(), workingDirectory);
    QList<QUrl> files{entry};
    const QString partnerText = conversionPartnerUrlText(videoFileUrlText(entry));
    const QUrl partner = partnerText.isNull() ? QUrl() : QUrl(partnerText);
    if (!partner.isEmpty() && QFileInfo(partner.toLocalFile()).isFile())
        files.append(partner);
    const bool converted = QFileInfo(paths.front).isFile() && (files.size() == 1 || QFileInfo(paths.rear).isFile());
    if (converted)
        return std::nullopt;
    return files;
}

std::optional<QList<QUrl>> playableAviOriginal(const QUrl &entry, const QString &workingDirectory)
{
    if (lowerCasedExtension(entry.fileName()) != QLatin1String("avi") || workingDirectory.isEmpty())
        return std::nullopt;
    const QFileInfo clip(entry.toLocalFile());
    if (!clip.isFile() || QFileInfo(conversionPathsFor(clip.filePath(), clip.size(), workingDirectory).front).isFile()
        || FfmpegUtils::GetVideoStreamCountFromVideoPath(clip.filePath()) != 1)
        return std::nullopt;
    return QList<QUrl>{entry};
}

bool loadSubtitleTelemetry(const QString &mp4Path, DrovikClipData &clip)
{
    clip.clear();
    const QTemporaryDir folder;
    if (!folder.isValid())
        return false;
    // Named .srt: the extension is what makes ffmpeg write, and the loader read, subtitles.
    const QString subtitle = folder.filePath(QStringLiteral("telemetry.srt"));
    const FfmpegUtils::TaskResult result =
        FfmpegUtils::RunTask(FfmpegUtils::GetFFMPEGPath(), subtitleExtractionArguments(mp4Path, subtitle));
    if (!result.succeeded() || !QFileInfo(subtitle).isFile())
        return false;
    clip.loadVideoFileClipDataFromFilePath(subtitle.toStdString());
    return true;
}

DrovikClipData readClipTelemetry(const QString &path)
{
    DrovikClipData clip;
    if (lowerCasedExtension(QFileInfo(path).fileName()) != QLatin1String("mp4") || !loadSubtitleTelemetry(path, clip)
        || clip.clipDataCount() == 0)
        clip.loadVideoFileClipDataFromFilePath(QFile::encodeName(path).toStdString());
    return clip;
}

ClipTelemetryReading readAnyClipTelemetry(const QString &path)
{
    ClipTelemetryReading reading{readClipTelemetry(path), {}};
    if (reading.record.clipDataCount() == 0)
        reading.track = readForeignTelemetry(path);
    return reading;
}

} // namespace drovik
