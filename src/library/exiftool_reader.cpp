#include "library/exiftool_reader.h"

#include "telemetry/trip_statistics.h"

#include "library/telemetry_cache.h"

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QProcess>
#include <QRegularExpression>
#include <QThreadStorage>

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <map>

// What ExifTool answers, and how it becomes a track. A request (one argument a line on its standard
// input) names the tags below and ends in "-execute<N>"; ExifTool answers with a JSON array of one
// object for the file and then "{ready<N>}". With -G3 every key carries its document: "Main:" for
// the file, "Doc1:", "Doc2:", … for the samples of the embedded streams (-ee), one fix or sample
// each, in the order the clip holds them:
//
//   [{"SourceFile":"clip.mp4","Main:Duration":60.06,
//     "Doc1:SampleTime":0,"Doc1:GPSDateTime":"2024:05:17 10:15:00.00Z","Doc1:GPSLatitude":48.85661,
//     "Doc1:GPSLongitude":-2.35221,"Doc1:GPSSpeed":37.966,"Doc1:GPSTrack":45,"Doc1:GPSAltitude":35,
//     "Doc1:Accelerometer":[0,-0.5,1], …}]
//
// With -n the values are numbers: degrees, GPSSpeed in GPSSpeedRef's unit (K km/h, the default;
// M mph; N knots), GPSAltitude in metres above the sea unless GPSAltitudeRef is 1. Accelerometer
// (or AccelerometerData) is one or more x y z triples, as an array or a text of numbers; the
// cameras that write m/s² rather than g are told apart by size (a car's accelerations stay well
// under 4 g, gravity alone is 9.8 m/s²).
//
// A sample's time: SampleTime (seconds from the clip's start) where the stream gives it, else its
// GPSDateTime less the first one's; a track with neither is spread evenly over the clip's Duration.

Q_LOGGING_CATEGORY(lcExifTool, "drovik.exiftool", QtWarningMsg)

namespace drovik {

namespace {

using telemetry::TimedAcceleration;
using telemetry::TimedFix;
using telemetry::TimedTrack;

constexpr double kStandardGravity = 9.80665;
constexpr double kLikelyMetresPerSecondSquared = 4.0;

const QStringList kRequestedTags = {
    QStringLiteral("-Duration"),    QStringLiteral("-SampleTime"),  QStringLiteral("-SampleDuration"),
    QStringLiteral("-GPSDateTime"), QStringLiteral("-GPSLatitude"), QStringLiteral("-GPSLongitude"),
    QStringLiteral("-GPSSpeed"),    QStringLiteral("-GPSSpeedRef"), QStringLiteral("-GPSTrack"),
    QStringLiteral("-GPSAltitude"), QStringLiteral("-GPSAltitudeRef"), QStringLiteral("-Accelerometer"),
    QStringLiteral("-AccelerometerData"),
};

std::atomic<bool> g_reportedMissing = false;

// "Doc12" -> 12, "Doc3-2" -> (3, 2): the order of the documents in the clip.
std::pair<int, int> documentOrder(const QString &group)
{
    static const QRegularExpression pattern(QStringLiteral("^Doc(\\d+)(?:-(\\d+))?$"));
    const QRegularExpressionMatch match = pattern.match(group);
    if (!match.hasMatch())
        return {-1, 0};
    return {match.captured(1).toInt(), match.captured(2).toInt()};
}

// "2024:05:17 10:15:00.25Z", with or without "Z" or a "+02:00" offset; a time without a zone is
// taken as UTC (GPS time is).
std::optional<ClipTime> gpsDateTime(const QJsonValue &value)
{
    static const QRegularExpression pattern(QStringLiteral(
        "^(\\d{4}):(\\d{2}):(\\d{2}) (\\d{2}):(\\d{2}):(\\d{2}(?:\\.\\d+)?)\\s*(Z|[+-]\\d{2}:?\\d{2})?$"));
    const QRegularExpressionMatch m = pattern.match(value.toString().trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    using namespace std::chrono;
    const year_month_day date{year(m.captured(1).toInt()), month(m.captured(2).toUInt()),
                              day(m.captured(3).toUInt())};
    if (!date.ok())
        return std::nullopt;
    const double seconds = m.captured(6).toDouble();
    ClipTime time = sys_days(date) + hours(m.captured(4).toInt()) + minutes(m.captured(5).toInt())
        + milliseconds(std::llround(seconds * 1000));
    const QString zone = m.captured(7);
    if (zone.size() > 1) {
        const QString digits = QString(zone).remove(QLatin1Char(':'));
        const minutes offset = hours(digits.mid(1, 2).toInt()) + minutes(digits.mid(3, 2).toInt());
        time -= zone.startsWith(QLatin1Char('-')) ? -offset : offset;
    }
    return time;
}

std::optional<double> number(const QJsonObject &tags, const QString &name)
{
    const QJsonValue value = tags.value(name);
    if (value.isDouble())
        return value.toDouble();
    bool ok = false;
    const double parsed = value.toString().toDouble(&ok);
    return ok && std::isfinite(parsed) ? std::optional<double>(parsed) : std::nullopt;
}

std::vector<double> numbers(const QJsonValue &value)
{
    std::vector<double> out;
    if (value.isArray()) {
        for (const QJsonValue &item : value.toArray()) {
            if (item.isDouble())
                out.push_back(item.toDouble());
        }
    } else if (value.isDouble()) {
        out.push_back(value.toDouble());
    } else {
        static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
        for (const QString &part : value.toString().split(separators, Qt::SkipEmptyParts)) {
            bool ok = false;
            const double parsed = part.toDouble(&ok);
            if (ok && std::isfinite(parsed))
                out.push_back(parsed);
        }
    }
    return out;
}

double speedFactorToKmh(const QJsonValue &reference)
{
    const QString unit = reference.toString();
    if (unit == QLatin1String("M"))
        return telemetry::kKmPerMile;
    if (unit == QLatin1String("N"))
        return 1.852;
    return 1.0;
}

// One document's fix and accelerometer samples, with its times as the stream gave them.
struct Document {
    std::optional<double> sampleTime;
    std::optional<double> sampleDuration;
    std::optional<ClipTime> gpsTime;
    std::optional<TimedFix> fix;
    std::vector<std::array<double, 3>> accelerations;
};

Document readDocument(const QJsonObject &tags, const QJsonValue &fileSpeedRef)
{
    Document doc;
    doc.sampleTime = number(tags, QStringLiteral("SampleTime"));
    doc.sampleDuration = number(tags, QStringLiteral("SampleDuration"));
    doc.gpsTime = gpsDateTime(tags.value(QStringLiteral("GPSDateTime")));
    const auto latitude = number(tags, QStringLiteral("GPSLatitude"));
    const auto longitude = number(tags, QStringLiteral("GPSLongitude"));
    if (latitude && longitude) {
        TimedFix fix;
        fix.latitude = *latitude;
        fix.longitude = *longitude;
        const QJsonValue speedRef = tags.contains(QStringLiteral("GPSSpeedRef")) ? tags.value(QStringLiteral("GPSSpeedRef"))
                                                                                 : fileSpeedRef;
        if (const auto speed = number(tags, QStringLiteral("GPSSpeed")))
            fix.speedKmh = *speed * speedFactorToKmh(speedRef);
        fix.headingDegrees = number(tags, QStringLiteral("GPSTrack"));
        fix.altitudeM = number(tags, QStringLiteral("GPSAltitude"));
        if (fix.altitudeM && number(tags, QStringLiteral("GPSAltitudeRef")) == 1.0)
            fix.altitudeM = -std::abs(*fix.altitudeM);
        doc.fix = fix;
    }
    for (const char *name : {"Accelerometer", "AccelerometerData"}) {
        const std::vector<double> values = numbers(tags.value(QLatin1String(name)));
        for (std::size_t i = 0; i + 3 <= values.size(); i += 3)
            doc.accelerations.push_back({values[i], values[i + 1], values[i + 2]});
        if (!doc.accelerations.empty())
            break;
    }
    return doc;
}

// The documents' offsets from the clip's start, and the UTC moment of that start when known.
std::vector<double> documentTimes(const std::vector<Document> &docs, double duration, std::optional<ClipTime> &start)
{
    std::vector<double> times(docs.size(), 0);
    const auto timed = std::find_if(docs.begin(), docs.end(), [](const Document &d) { return d.sampleTime.has_value(); });
    const auto dated = std::find_if(docs.begin(), docs.end(), [](const Document &d) { return d.gpsTime.has_value(); });
    if (timed != docs.end()) {
        double last = 0;
        for (std::size_t i = 0; i < docs.size(); ++i)
            times[i] = last = docs[i].sampleTime.value_or(last);
        const auto anchor = std::find_if(docs.begin(), docs.end(),
                                         [](const Document &d) { return d.sampleTime && d.gpsTime; });
        if (anchor != docs.end())
            start = *anchor->gpsTime - std::chrono::milliseconds(std::llround(*anchor->sampleTime * 1000));
    } else if (dated != docs.end()) {
        start = *dated->gpsTime;
        double last = 0;
        for (std::size_t i = 0; i < docs.size(); ++i) {
            if (docs[i].gpsTime)
                last = std::chrono::duration<double>(*docs[i].gpsTime - *start).count();
            times[i] = last;
        }
    } else {
        const double step = duration > 0 && !docs.empty() ? duration / double(docs.size()) : 1.0;
        for (std::size_t i = 0; i < docs.size(); ++i)
            times[i] = step * double(i);
    }
    return times;
}

} // namespace

TimedTrack ExifToolSession::parseAnswer(QByteArrayView json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json.toByteArray());
    const QJsonObject file = document.array().at(0).toObject();
    std::map<std::pair<int, int>, QJsonObject> grouped;
    for (auto it = file.begin(); it != file.end(); ++it) {
        const qsizetype colon = it.key().indexOf(QLatin1Char(':'));
        const auto order = documentOrder(it.key().left(colon));
        if (colon > 0 && order.first >= 0)
            grouped[order].insert(it.key().mid(colon + 1), it.value());
    }
    const QJsonValue fileSpeedRef = file.value(QStringLiteral("Main:GPSSpeedRef"));
    std::vector<Document> docs;
    for (const auto &[order, tags] : grouped) {
        Document doc = readDocument(tags, fileSpeedRef);
        if (doc.fix || !doc.accelerations.empty())
            docs.push_back(std::move(doc));
    }

    TimedTrack track;
    const double duration = file.value(QStringLiteral("Main:Duration")).toDouble();
    const std::vector<double> times = documentTimes(docs, duration, track.start);
    for (std::size_t i = 0; i < docs.size(); ++i) {
        if (docs[i].fix) {
            TimedFix fix = *docs[i].fix;
            fix.timeS = times[i];
            track.fixes.push_back(fix);
        }
        // Several samples in one document share its span.
        const auto &samples = docs[i].accelerations;
        const double span = docs[i].sampleDuration.value_or(1.0);
        for (std::size_t k = 0; k < samples.size(); ++k)
            track.accelerations.push_back({times[i] + span * double(k) / double(samples.size()), samples[k][0],
                                           samples[k][1], samples[k][2]});
    }
    double magnitudes = 0;
    for (const TimedAcceleration &a : track.accelerations)
        magnitudes += std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
    if (!track.accelerations.empty() && magnitudes / double(track.accelerations.size()) > kLikelyMetresPerSecondSquared) {
        for (TimedAcceleration &a : track.accelerations) {
            a.x /= kStandardGravity;
            a.y /= kStandardGravity;
            a.z /= kStandardGravity;
        }
    }
    const auto byTime = [](const auto &a, const auto &b) { return a.timeS < b.timeS; };
    std::stable_sort(track.fixes.begin(), track.fixes.end(), byTime);
    std::stable_sort(track.accelerations.begin(), track.accelerations.end(), byTime);
    return track;
}

QString ExifToolSession::defaultProgram()
{
    const QString program = qEnvironmentVariable("DROVIK_EXIFTOOL");
    return program.isEmpty() ? QStringLiteral("exiftool") : program;
}

ExifToolSession::ExifToolSession(QString program, std::chrono::milliseconds timeLimit)
    : m_program(std::move(program)), m_timeLimit(timeLimit)
{
}

ExifToolSession::~ExifToolSession()
{
    stop();
}

bool ExifToolSession::ensureStarted()
{
    if (m_process && m_process->state() == QProcess::Running)
        return true;
    if (!m_available)
        return false;
    m_process = std::make_unique<QProcess>();
    // Its warnings about odd clips are of no use here, and an undrained pipe would block it.
    m_process->setStandardErrorFile(QProcess::nullDevice());
    m_process->start(m_program, {QStringLiteral("-stay_open"), QStringLiteral("True"), QStringLiteral("-@"),
                                 QStringLiteral("-")});
    if (m_process->waitForStarted())
        return true;
    m_process.reset();
    m_available = false;
    if (!g_reportedMissing.exchange(true))
        qCWarning(lcExifTool).noquote() << "Cannot run" << m_program
                                        << "- other cameras' telemetry is unavailable (install ExifTool)";
    return false;
}

void ExifToolSession::stop()
{
    if (!m_process)
        return;
    if (m_process->state() == QProcess::Running) {
        m_process->write("-stay_open\nFalse\n");
        m_process->closeWriteChannel();
        if (!m_process->waitForFinished(1000)) {
            m_process->kill();
            m_process->waitForFinished(1000);
        }
    }
    m_process.reset();
}

TimedTrack ExifToolSession::read(const QString &clipPath)
{
    // The request names one argument a line.
    if (clipPath.contains(QLatin1Char('\n')) || clipPath.contains(QLatin1Char('\r')) || !ensureStarted())
        return {};
    const QByteArray marker = "{ready" + QByteArray::number(++m_request) + '}';
    QStringList request = {QStringLiteral("-ee"), QStringLiteral("-n"), QStringLiteral("-j"), QStringLiteral("-G3"),
                           QStringLiteral("-charset"), QStringLiteral("filename=utf8"), QStringLiteral("-api"),
                           QStringLiteral("LargeFileSupport=1")};
    request += kRequestedTags;
    // A name starting with '-' would be read as an option.
    request << (clipPath.startsWith(QLatin1Char('-')) ? QStringLiteral("./") + clipPath : clipPath)
            << QStringLiteral("-execute%1").arg(m_request);
    m_process->write(request.join(QLatin1Char('\n')).toUtf8() + '\n');

    const QDeadlineTimer deadline(m_timeLimit);
    QByteArray answer;
    qsizetype end = -1;
    while ((end = answer.indexOf(marker)) < 0) {
        if (deadline.hasExpired() || m_process->state() != QProcess::Running) {
            qCWarning(lcExifTool).noquote() << "ExifTool gave no answer for" << clipPath << "in time; restarting it";
            m_process->kill();
            m_process->waitForFinished(1000);
            m_process.reset();
            return {};
        }
        m_process->waitForReadyRead(int(std::min<qint64>(deadline.remainingTime(), 200)));
        answer += m_process->readAllStandardOutput();
    }
    answer.truncate(end);
    return parseAnswer(answer);
}

namespace {

ExifToolSession &threadSession()
{
    static QThreadStorage<ExifToolSession *> sessions;
    if (!sessions.hasLocalData())
        sessions.setLocalData(new ExifToolSession);
    return *sessions.localData();
}

} // namespace

TimedTrack readForeignTelemetry(const QString &clipPath)
{
    return threadSession().read(clipPath);
}

TimedTrack readForeignTelemetry(const QString &clipPath, TelemetryCache &cache, ExifToolSession *session)
{
    const std::optional<ClipFileKey> key = ClipFileKey::of(clipPath);
    if (key) {
        if (std::optional<TimedTrack> cached = cache.findTrack(*key))
            return std::move(*cached);
    }
    ExifToolSession &reader = session ? *session : threadSession();
    TimedTrack track = reader.read(clipPath);
    if (key && reader.isAvailable())
        cache.storeTrack(*key, track);
    return track;
}

} // namespace drovik
