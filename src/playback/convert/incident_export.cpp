#include "playback/convert/incident_export.h"

#include "library/video_file_rules.h"
#include "playback/convert/clip_preparation.h"
#include "playback/convert/ffmpeg_utils.h"
#include "playback/convert/video_conversion.h"
#include "platform/atomic_save.h"
#include "telemetry/clip_data.h"
#include "telemetry/subtitle_data.h"
#include "telemetry/telemetry_export.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimeZone>

#include <algorithm>
#include <array>
#include <cmath>
#include <sstream>

Q_LOGGING_CATEGORY(lcIncident, "drovik.convert.incident", QtWarningMsg)

namespace drovik {

namespace {

// A cut of a clip of a minute copies in well under a second; a stuck ffmpeg (a card that stopped
// answering) must not hold the export for ever.
constexpr int kFfmpegTimeoutMs = 120000;
constexpr double kSamplesPerSecond = 10.0;

const QByteArray kPngSignature("\x89PNG\r\n\x1a\n", 8);

QString baseNameOf(const QString &fileName)
{
    const QString extension = lowerCasedExtension(fileName);
    return extension.isEmpty() ? fileName : fileName.left(fileName.size() - extension.size() - 1);
}

QString seconds3(double value)
{
    return QString::number(value, 'f', 3);
}

// One view to cut: the file it comes from, the one the still is taken from, the output names.
struct View {
    QString source;   // cut from here
    QString playable; // the still is decoded from here (the source may hold two views)
    QString cutName;
    QString stillName;
};

std::optional<double> durationFromListing(const QString &listing)
{
    static const QRegularExpression pattern(QStringLiteral("Duration: (\\d+):(\\d\\d):(\\d\\d(?:\\.\\d+)?)"));
    const QRegularExpressionMatch match = pattern.match(listing);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toDouble() * 3600 + match.captured(2).toDouble() * 60 + match.captured(3).toDouble();
}

// The container's creation time (UTC), as ffmpeg lists it.
std::optional<QDateTime> creationTimeFromListing(const QString &listing)
{
    static const QRegularExpression pattern(
        QStringLiteral("creation_time\\s*:\\s*(\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d)"));
    const QRegularExpressionMatch match = pattern.match(listing);
    if (!match.hasMatch())
        return std::nullopt;
    QDateTime time = QDateTime::fromString(match.captured(1), Qt::ISODate);
    time.setTimeZone(QTimeZone::utc());
    return time.isValid() ? std::optional(time) : std::nullopt;
}

quint32 crc32(const QByteArray &bytes)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    quint32 c = 0xFFFFFFFFu;
    for (const char byte : bytes)
        c = table[(c ^ quint8(byte)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void appendBigEndian32(QByteArray &out, quint32 value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(char((value >> shift) & 0xFF));
}

quint32 bigEndian32(const QByteArray &bytes, qsizetype at)
{
    quint32 value = 0;
    for (qsizetype i = 0; i < 4; ++i)
        value = (value << 8) | quint8(bytes.at(at + i));
    return value;
}

bool isLatin1(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0xFF || c.unicode() == 0)
            return false;
    }
    return true;
}

// What the export is making, and the steps it shares.
class IncidentWriter {
public:
    IncidentWriter(const IncidentRequest &request, const IncidentStopCheck &shouldStop)
        : m_request(request), m_shouldStop(shouldStop), m_ffmpeg(FfmpegUtils::GetFFMPEGPath())
    {
    }

    IncidentResult run();

private:
    bool stopped() const { return m_shouldStop && m_shouldStop(); }
    IncidentResult failed(const QString &error) const;
    IncidentResult stoppedResult() const;
    bool runFfmpeg(const QStringList &arguments, QString *output = nullptr);
    QList<View> viewsOf(const PreparedClip &clip) const;
    bool cut(const View &view, double start, double length, QString &error);
    bool still(const View &view, double at, const IncidentMoment &moment, QString &error);
    bool writeFile(const QString &name, const QByteArray &bytes, QString &error);
    bool writeTrack(const PreparedClip &clip, double start, double end, QString &error);
    QString dateTimeOf(const View &first, const QString &listing) const;
    // Renames the finished temporary folder to its name in out; the path, or "" when it cannot.
    QString moveIntoPlace(const QFileInfo &out, const QString &name) const;
    QByteArray summary(const PreparedClip &clip, const QList<View> &views, const IncidentMoment &moment,
                       double start, double end) const;

    const IncidentRequest &m_request;
    const IncidentStopCheck &m_shouldStop;
    QString m_ffmpeg;
    QString m_folder; // the temporary folder being filled
    QStringList m_files;
    QStringList m_notes;
};

IncidentResult IncidentWriter::failed(const QString &error) const
{
    IncidentResult result;
    result.status = IncidentResult::Failed;
    result.error = error;
    qCInfo(lcIncident) << "incident export failed:" << error;
    return result;
}

IncidentResult IncidentWriter::stoppedResult() const
{
    IncidentResult result;
    result.status = IncidentResult::Stopped;
    result.error = QStringLiteral("stopped");
    return result;
}

bool IncidentWriter::runFfmpeg(const QStringList &arguments, QString *output)
{
    const FfmpegUtils::TaskResult result =
        FfmpegUtils::RunTask(m_ffmpeg, QStringList{QStringLiteral("-nostdin"), QStringLiteral("-v"),
                                                   QStringLiteral("error")} + arguments,
                             m_shouldStop, kFfmpegTimeoutMs);
    if (output)
        *output = result.output.trimmed().right(300);
    return result.succeeded();
}

QList<View> IncidentWriter::viewsOf(const PreparedClip &clip) const
{
    const QList<QUrl> &files = *clip.files;
    QList<View> views;
    const bool isMp4 = lowerCasedExtension(clip.entry.fileName()) == QLatin1String("mp4");
    QStringList sources;
    if (isMp4) {
        // The conversion made a rear file only when it found the partner by this same rule.
        sources.append(clip.entry.toLocalFile());
        if (files.size() > 1) {
            const QString partner = conversionPartnerUrlText(videoFileUrlText(clip.entry));
            if (!partner.isNull())
                sources.append(QUrl(partner).toLocalFile());
        }
    } else {
        for (const QUrl &file : files)
            sources.append(file.toLocalFile());
    }
    for (int i = 0; i < sources.size() && i < files.size(); ++i) {
        const QString base = baseNameOf(QFileInfo(sources.at(i)).fileName());
        View view;
        view.source = sources.at(i);
        view.playable = files.at(i).toLocalFile();
        view.cutName = base + (isMp4 ? QStringLiteral(".mp4") : QStringLiteral(".mov"));
        view.stillName = base + QStringLiteral(".png");
        views.append(view);
    }
    return views;
}

bool IncidentWriter::cut(const View &view, double start, double length, QString &error)
{
    const QString out = m_folder + QLatin1Char('/') + view.cutName;
    const QStringList head{QStringLiteral("-ss"), seconds3(start), QStringLiteral("-i"), view.source,
                           QStringLiteral("-t"), seconds3(length)};
    const QStringList tail{QStringLiteral("-c"), QStringLiteral("copy"), QStringLiteral("-y"), out};
    // Every stream first (the subtitle telemetry with the pictures and sound); a stream the
    // container cannot take makes ffmpeg refuse, and then only pictures and sound are kept.
    QString output;
    if (runFfmpeg(head + QStringList{QStringLiteral("-map"), QStringLiteral("0")} + tail, &output)
        && QFileInfo(out).size() > 0) {
        m_files.append(view.cutName);
        return true;
    }
    if (stopped())
        return false;
    QFile::remove(out);
    qCInfo(lcIncident) << "copying every stream of" << view.source << "failed:" << output;
    if (runFfmpeg(head + QStringList{QStringLiteral("-map"), QStringLiteral("0:v"), QStringLiteral("-map"),
                                     QStringLiteral("0:a?")} + tail, &output)
        && QFileInfo(out).size() > 0) {
        m_files.append(view.cutName);
        m_notes.append(QStringLiteral("%1: streams other than pictures and sound could not be copied and were left out")
                           .arg(view.cutName));
        return true;
    }
    error = QStringLiteral("ffmpeg could not cut %1: %2").arg(view.source, output);
    return false;
}

bool IncidentWriter::still(const View &view, double at, const IncidentMoment &moment, QString &error)
{
    const QString raw = m_folder + QStringLiteral("/.frame.png");
    QString output;
    const bool made = runFfmpeg({QStringLiteral("-ss"), seconds3(at), QStringLiteral("-i"), view.playable,
                                 QStringLiteral("-frames:v"), QStringLiteral("1"), QStringLiteral("-y"), raw},
                                &output);
    QFile frame(raw);
    const QByteArray png = made && frame.open(QIODevice::ReadOnly) ? frame.readAll() : QByteArray();
    frame.close();
    QFile::remove(raw);
    if (png.isEmpty()) {
        error = QStringLiteral("ffmpeg could not take a still of %1 at %2 s: %3").arg(view.playable, seconds3(at), output);
        return false;
    }
    const std::optional<QByteArray> tagged = withPngTextChunks(png, stillTexts(moment, at));
    if (!tagged) {
        error = QStringLiteral("the still of %1 is not a PNG file").arg(view.playable);
        return false;
    }
    return writeFile(view.stillName, *tagged, error);
}

bool IncidentWriter::writeFile(const QString &name, const QByteArray &bytes, QString &error)
{
    const QString path = m_folder + QLatin1Char('/') + name;
    if (const auto failure = saveAtomically(path, [&](QIODevice &file) { return file.write(bytes) == bytes.size(); })) {
        error = QStringLiteral("cannot write %1: %2").arg(path, failure->reason);
        return false;
    }
    m_files.append(name);
    return true;
}

QByteArray IncidentWriter::summary(const PreparedClip &clip, const QList<View> &views,
                                   const IncidentMoment &m, double start, double end) const
{
    QString text;
    const auto line = [&text](const QString &label, const QString &value) {
        text += label + QStringLiteral(": ") + value + QLatin1Char('\n');
    };
    text += QStringLiteral("Drovik Viewer incident export\n\n");
    line(QStringLiteral("Clip"), clip.entry.toLocalFile());
    if (views.size() > 1) {
        const bool separateFiles = views.first().source == clip.entry.toLocalFile();
        line(QStringLiteral("Partner"), separateFiles ? views.at(1).source
                                                      : QStringLiteral("the clip's second video stream"));
    }
    line(QStringLiteral("Moment"), QStringLiteral("%1 s into the clip").arg(seconds3(m_request.at)));
    line(QStringLiteral("Span"), QStringLiteral("%1 s to %2 s (asked: %3 s before, %4 s after; the cuts start "
                                                "on the key frame at or before the span)")
                                     .arg(seconds3(start), seconds3(end), seconds3(m_request.before),
                                          seconds3(m_request.after)));
    line(QStringLiteral("Date and time"), m.dateTime.isEmpty() ? QStringLiteral("unknown") : m.dateTime);
    if (m.hasFix) {
        line(QStringLiteral("Position"), QStringLiteral("%1, %2 (latitude, longitude)")
                                             .arg(QString::fromStdString(telemetry::floatText(m.lat)),
                                                  QString::fromStdString(telemetry::floatText(m.lng))));
        line(QStringLiteral("Speed"), QStringLiteral("%1 km/h").arg(m.speedKmh));
    } else {
        line(QStringLiteral("Position"), QStringLiteral("no GPS fix"));
        line(QStringLiteral("Speed"), QStringLiteral("no GPS fix"));
    }
    line(QStringLiteral("G (x, y, z)"), m.hasSensor ? QStringLiteral("%1, %2, %3 g")
                                                          .arg(QString::number(m.gx, 'f', 3),
                                                               QString::number(m.gy, 'f', 3),
                                                               QString::number(m.gz, 'f', 3))
                                                    : QStringLiteral("no reading"));
    for (const QString &note : m_notes)
        line(QStringLiteral("Note"), note);
    text += QStringLiteral("\nFiles (SHA-256):\n");
    for (const QString &name : m_files) {
        QFile file(m_folder + QLatin1Char('/') + name);
        QCryptographicHash hash(QCryptographicHash::Sha256);
        if (file.open(QIODevice::ReadOnly) && hash.addData(&file))
            text += QString::fromLatin1(hash.result().toHex()) + QStringLiteral("  ") + name + QLatin1Char('\n');
    }
    return text.toUtf8();
}

bool IncidentWriter::writeTrack(const PreparedClip &clip, double start, double end, QString &error)
{
    // The samples the span touches, counted on whole milliseconds so that 3.9 s - the sum of
    // binary fractions it is - does not land on the sample before.
    const qint64 startMs = std::llround(start * 1000), endMs = std::llround(end * 1000);
    constexpr qint64 kSampleMs = qint64(1000 / kSamplesPerSecond);
    std::ostringstream gpx;
    if (clip.timed) {
        // Another make's clip: its fixes within the span, at their own times.
        telemetry::TimedTrack span = clip.timed->track();
        std::erase_if(span.fixes, [&](const telemetry::TimedFix &fix) {
            const qint64 ms = std::llround(fix.timeS * 1000);
            return ms < startMs || ms > endMs;
        });
        span.accelerations.clear();
        telemetry::writeTimedGpx(gpx, span, clip.entry.fileName().toStdString());
    } else {
        telemetry::writeClipGpx(gpx, *clip.clipData, clip.entry.fileName().toStdString(), int(startMs / kSampleMs),
                                int((endMs + kSampleMs - 1) / kSampleMs),
                                trackStartTime(clip.entry.fileName(), *clip.clipData));
    }
    const QString name = baseNameOf(clip.entry.fileName()) + QStringLiteral(".gpx");
    return writeFile(name, QByteArray::fromStdString(gpx.str()), error);
}

QString IncidentWriter::dateTimeOf(const View &first, const QString &listing) const
{
    return momentDateTime(m_request.clip.fileName(), m_request.at, [&] {
        return first.source == first.playable ? listing : FfmpegUtils::GetFFMPEGVideoInfo(first.source, m_ffmpeg);
    });
}

QString IncidentWriter::moveIntoPlace(const QFileInfo &out, const QString &name) const
{
    // Never over an earlier export: evidence is not replaced.
    QString target = out.absoluteFilePath() + QLatin1Char('/') + name;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = out.absoluteFilePath() + QLatin1Char('/') + name + QStringLiteral("_%1").arg(n);
    // The temporary folder is private to its owner; the export is for sharing.
    QFile::setPermissions(m_folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                        | QFileDevice::ReadGroup | QFileDevice::ExeGroup
                                        | QFileDevice::ReadOther | QFileDevice::ExeOther);
    return QDir().rename(m_folder, target) ? target : QString();
}

IncidentResult IncidentWriter::run()
{
    const IncidentRequest &r = m_request;
    const auto valid = [](double v) { return std::isfinite(v) && v >= 0; };
    if (!valid(r.at) || !valid(r.before) || !valid(r.after))
        return failed(QStringLiteral("the moment and the seconds before and after must be numbers of 0 or more"));
    const QString clipPath = r.clip.toLocalFile();
    if (clipPath.isEmpty() || !QFileInfo(clipPath).isFile())
        return failed(QStringLiteral("cannot read %1").arg(clipPath));
    const QFileInfo out(r.outputFolder);
    if (!out.isDir())
        return failed(QStringLiteral("%1 is not a folder").arg(r.outputFolder));

    const QString name = incidentFolderName(r.clip, r.at);
    QTemporaryDir temporary(out.absoluteFilePath() + QStringLiteral("/.%1.partial-XXXXXX").arg(name));
    if (!temporary.isValid())
        return failed(QStringLiteral("cannot write into %1: %2").arg(out.absoluteFilePath(), temporary.errorString()));
    m_folder = temporary.path();

    // The same preparation as the viewer's: the views and the telemetry it shows.
    const QString workingDirectory = r.workingDirectory.isEmpty() ? m_folder + QStringLiteral("/.work")
                                                                  : r.workingDirectory;
    const PreparedClip clip = prepareClip(r.clip, workingDirectory);
    if (stopped())
        return stoppedResult();
    if (!clip.files || clip.files->isEmpty())
        return failed(QStringLiteral("no playable video in %1").arg(clipPath));
    const QList<View> views = viewsOf(clip);

    const QString listing = FfmpegUtils::GetFFMPEGVideoInfo(views.first().playable, m_ffmpeg);
    const std::optional<double> duration = durationFromListing(listing);
    if (!duration)
        return failed(QStringLiteral("cannot read the length of %1").arg(views.first().playable));
    if (r.at > *duration) {
        IncidentResult result = failed(QStringLiteral("%1 s is past the end of the clip (%2 s)")
                                           .arg(seconds3(r.at), seconds3(*duration)));
        result.status = IncidentResult::OutOfRange;
        return result;
    }
    const double start = std::max(0.0, r.at - r.before);
    const double end = std::min(*duration, r.at + r.after);

    IncidentMoment moment = clip.timed ? incidentMomentAt(*clip.timed, r.at)
                                       : incidentMomentAt(*clip.clipData, clip.subtitles.get(), r.at);
    moment.dateTime = dateTimeOf(views.first(), listing);

    QString error;
    // A still at the very end of the clip would have no frame to show: the last one instead.
    const double stillAt = std::max(0.0, std::min(r.at, *duration - 0.1));
    for (const View &view : views) {
        if (!cut(view, start, end - start, error) || !still(view, stillAt, moment, error))
            return stopped() ? stoppedResult() : failed(error);
    }
    if (!writeTrack(clip, start, end, error))
        return failed(error);
    const QByteArray summaryText = summary(clip, views, moment, start, end);
    if (!writeFile(QStringLiteral("summary.txt"), summaryText, error))
        return failed(error);

    if (r.workingDirectory.isEmpty())
        QDir(workingDirectory).removeRecursively();
    if (stopped())
        return stoppedResult();
    const QString target = moveIntoPlace(out, name);
    if (target.isEmpty())
        return failed(QStringLiteral("cannot rename %1 to %2 in %3").arg(m_folder, name, out.absoluteFilePath()));
    temporary.setAutoRemove(false);

    IncidentResult result;
    result.status = IncidentResult::Exported;
    result.folder = target;
    result.files = m_files;
    result.notes = m_notes;
    return result;
}

} // namespace

QString incidentFolderName(const QUrl &clip, double at)
{
    const qint64 whole = std::isfinite(at) && at >= 0 ? qint64(std::min(at, 1.0e9)) : 0;
    return QStringLiteral("%1_at_%2m%3s")
        .arg(baseNameOf(clip.fileName()))
        .arg(whole / 60, 2, 10, QLatin1Char('0'))
        .arg(whole % 60, 2, 10, QLatin1Char('0'));
}

std::optional<QString> dateTimeFromClipName(const QString &fileName, double at)
{
    const std::optional<QDateTime> start = clipStartFromFileName(fileName);
    if (!start || !std::isfinite(at))
        return std::nullopt;
    return start->addMSecs(qint64(std::clamp(at, 0.0, 1.0e9) * 1000)).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

namespace {

template <typename Record>
IncidentMoment momentOf(const Record &clipData, const SubtitleData *subtitles, double at)
{
    IncidentMoment moment;
    // A position the player cannot have reads as no sample rather than overflowing the index.
    const double sample = std::trunc(at * kSamplesPerSecond);
    const int index = std::isfinite(sample) && sample >= 0 && sample < 1.0e9 ? int(sample) : -1;
    int x = 0, y = 0, z = 0;
    float lat = 0, lng = 0;
    uint32_t speed = 0;
    if (subtitles) {
        moment.hasSensor = subtitles->getSensorAt(index, x, y, z);
        moment.hasFix = subtitles->getGpsAt(index, lat, lng, speed) != 2;
    } else if (index >= 0 && uint32_t(index) < clipData.clipDataCount()) {
        clipData.getClipDataWithIndex(index, x, y, z, lat, lng, speed);
        moment.hasSensor = true;
        moment.hasFix = (lat != 0.0f || lng != 0.0f) && std::isfinite(lat) && std::isfinite(lng);
    }
    if (moment.hasSensor) {
        moment.gx = x / 128.0;
        moment.gy = y / 128.0;
        moment.gz = z / 128.0;
    }
    if (moment.hasFix) {
        moment.lat = lat;
        moment.lng = lng;
        moment.speedKmh = speed;
    }
    return moment;
}

} // namespace

IncidentMoment incidentMomentAt(const DrovikClipData &clipData, const SubtitleData *subtitles, double at)
{
    return momentOf(clipData, subtitles, at);
}

IncidentMoment incidentMomentAt(const telemetry::TimedRecord &record, double at)
{
    return momentOf(record, nullptr, at);
}

QString momentDateTime(const QString &fileName, double at, const std::function<QString()> &listing)
{
    if (const auto named = dateTimeFromClipName(fileName, at))
        return *named;
    if (const auto created = creationTimeFromListing(listing()); created && std::isfinite(at))
        return created->addMSecs(qint64(std::clamp(at, 0.0, 1.0e9) * 1000)).toString(Qt::ISODate);
    return QString();
}

QList<std::pair<QString, QString>> stillTexts(const IncidentMoment &m, double at)
{
    QList<std::pair<QString, QString>> texts;
    if (!m.dateTime.isEmpty())
        texts.append({QStringLiteral("Creation Time"), m.dateTime});
    texts.append({QStringLiteral("Drovik:ClipTime"), seconds3(at)});
    if (m.hasFix) {
        texts.append({QStringLiteral("Drovik:Latitude"), QString::fromStdString(telemetry::floatText(m.lat))});
        texts.append({QStringLiteral("Drovik:Longitude"), QString::fromStdString(telemetry::floatText(m.lng))});
        texts.append({QStringLiteral("Drovik:SpeedKmh"), QString::number(m.speedKmh)});
    }
    if (m.hasSensor) {
        texts.append({QStringLiteral("Drovik:GX"), QString::number(m.gx, 'f', 3)});
        texts.append({QStringLiteral("Drovik:GY"), QString::number(m.gy, 'f', 3)});
        texts.append({QStringLiteral("Drovik:GZ"), QString::number(m.gz, 'f', 3)});
    }
    texts.append({QStringLiteral("Software"), QStringLiteral("Drovik Viewer")});
    return texts;
}

// PNG: an 8-byte signature, then chunks: length (4 bytes, big-endian, data only), type (4 ASCII
// letters), data, CRC-32 of type and data. The first chunk is IHDR (13 bytes of data). A tEXt
// chunk's data is a Latin-1 keyword (1 … 79 bytes), a NUL, and Latin-1 text.
std::optional<QByteArray> withPngTextChunks(const QByteArray &png,
                                            const QList<std::pair<QString, QString>> &texts)
{
    constexpr qsizetype kHeaderEnd = 8 + 4 + 4 + 13 + 4;
    if (png.size() < kHeaderEnd || !png.startsWith(kPngSignature) || png.mid(12, 4) != "IHDR"
        || bigEndian32(png, 8) != 13)
        return std::nullopt;
    QByteArray out = png.left(kHeaderEnd);
    for (const auto &[keyword, text] : texts) {
        if (keyword.isEmpty() || keyword.size() > 79 || !isLatin1(keyword) || !isLatin1(text))
            return std::nullopt;
        const QByteArray body = "tEXt" + keyword.toLatin1() + '\0' + text.toLatin1();
        appendBigEndian32(out, quint32(body.size() - 4));
        out += body;
        appendBigEndian32(out, crc32(body));
    }
    out += png.mid(kHeaderEnd);
    return out;
}

IncidentResult exportIncident(const IncidentRequest &request, const IncidentStopCheck &shouldStop)
{
    return IncidentWriter(request, shouldStop).run();
}

} // namespace drovik
