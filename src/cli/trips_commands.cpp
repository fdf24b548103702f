// drovik trips DIR [--gap S] [--json]
// drovik trips DIR --export N [--format gpx|kml|csv]
//
// Without --json, one line per trip, fields separated by tabs:
//   N  START  END  DURATION s  DISTANCE m  CLIPS clips
// START and END as "yyyy-MM-ddTHH:mm:ss" by the camera's clock, "-" for a clip whose name tells no
// time; CLIPS counts the recordings the trip plays.
#include "arguments.h"
#include "commands.h"
#include "json_writer.h"

#include "library/card_trips.h"
#include "library/recording_library.h"
#include "library/trips.h"
#include "library/video_file_rules.h"
#include "playback/convert/clip_preparation.h"

#include "telemetry/telemetry_export.h"
#include "telemetry/trip_statistics.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <thread>
#include <vector>

namespace drovik::cli {

namespace {

constexpr const char *kTripsUsage = "usage: drovik trips DIR [--gap S] [--json]\n"
                                    "       drovik trips DIR --export N [--format gpx|kml|csv]\n";

int usage(const std::string &problem)
{
    std::cerr << "drovik trips: " << problem << "\n" << kTripsUsage;
    return 2;
}

template <typename T>
std::optional<T> parseNumber(const std::string &text)
{
    T value{};
    const char *end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (result.ec != std::errc() || result.ptr != end || text.empty())
        return std::nullopt;
    return value;
}

// Every recording's telemetry (its front file's: both views carry the same), read on all cores:
// an MP4's costs an ffmpeg run, another make's an ExifTool request.
struct ReadTelemetry {
    std::vector<DrovikClipData> records;
    std::vector<std::shared_ptr<const telemetry::TimedRecord>> timed;
};

ReadTelemetry readTelemetry(const QList<TripRecording> &recordings)
{
    ReadTelemetry read;
    read.records.resize(std::size_t(recordings.size()));
    read.timed.resize(std::size_t(recordings.size()));
    std::atomic<qsizetype> next = 0;
    const auto work = [&] {
        for (qsizetype i = next++; i < recordings.size(); i = next++) {
            ClipTelemetryReading reading = readAnyClipTelemetry(recordings[i].clip.toLocalFile());
            read.records[std::size_t(i)] = std::move(reading.record);
            if (!reading.track.empty())
                read.timed[std::size_t(i)] = std::make_shared<const telemetry::TimedRecord>(reading.track);
        }
    };
    std::vector<std::thread> workers;
    const unsigned count = std::max(1u, std::min(std::thread::hardware_concurrency(), 8u));
    for (unsigned i = 1; i < count; ++i)
        workers.emplace_back(work);
    work();
    for (std::thread &worker : workers)
        worker.join();
    return read;
}

CardTrips readCardTrips(const QString &folder, double gapSeconds)
{
    QList<TripRecording> recordings = tripRecordings(
        applyVideoFileFilter(scanSelectedFolder(QUrl::fromLocalFile(folder)), VideoFileFilterAll));
    ReadTelemetry telemetry = readTelemetry(recordings);
    return cardTrips(folder, std::move(recordings), std::move(telemetry.records), gapSeconds, std::move(telemetry.timed));
}

std::string relativePath(const CardTrips &card, int recording)
{
    return QFile::encodeName(card.relativePath(recording)).toStdString();
}

std::string timeText(std::optional<int64_t> ms)
{
    return ms ? cameraTimeText(*ms).toStdString() : std::string();
}

void writeTripJson(JsonWriter &json, const CardTrips &card, const Trip &trip)
{
    const std::vector<telemetry::DriveClip> parts = card.played(trip);
    const telemetry::DriveStatistics stats = telemetry::driveStatistics(parts);
    json.beginObject().key("start");
    trip.startMs ? json.string(timeText(trip.startMs)) : json.null();
    json.key("end");
    trip.endMs ? json.string(timeText(trip.endMs)) : json.null();
    json.key("durationS").fixed(CardTrips::duration(trip, stats), 1).key("distanceM").fixed(stats.distanceM, 1);
    json.key("movingS").fixed(stats.movingS, 1).key("maxSpeedKmh").fixed(stats.maxSpeedKmh, 1);
    json.key("avgSpeedKmh").fixed(stats.avgSpeedKmh, 1).key("events").beginObject();
    for (std::size_t kind = 0; kind < stats.events.size(); ++kind)
        json.key(telemetry::eventKindName(telemetry::GForceEventKind(kind))).number(stats.events[kind]);
    json.endObject().key("clips").beginArray();
    for (int recording : playedClips(trip))
        json.string(relativePath(card, recording));
    json.endArray().endObject();
}

void writeTripLine(std::ostream &out, int index, const CardTrips &card, const Trip &trip)
{
    const telemetry::DriveStatistics stats = telemetry::driveStatistics(card.played(trip));
    const std::size_t played = playedClips(trip).size();
    char figures[96];
    std::snprintf(figures, sizeof figures, "%.1f s\t%.1f m", CardTrips::duration(trip, stats), stats.distanceM);
    out << index << '\t' << (trip.startMs ? timeText(trip.startMs) : "-") << '\t'
        << (trip.endMs ? timeText(trip.endMs) : "-") << '\t' << figures << '\t' << played << (played == 1 ? " clip\n" : " clips\n");
}

} // namespace

int runTripsCommand(const Args &args)
{
    const ParsedArguments parsed = parseArguments(
        args, ArgumentSyntax::gnu(), {{"--json"}, {"--gap", true}, {"--export", true}, {"--format", true}});
    double gap = kDefaultTripGapSeconds;
    bool json = false;
    std::optional<int> exportIndex;
    std::optional<std::string> format;
    for (const auto &[name, value] : parsed.options) {
        if (name == "--json") {
            json = true;
        } else if (name == "--gap") {
            const auto seconds = parseNumber<double>(value);
            if (!seconds || !std::isfinite(*seconds) || *seconds < 0)
                return usage("not a gap in seconds: '" + value + "'");
            gap = *seconds;
        } else if (name == "--export") {
            exportIndex = parseNumber<int>(value);
            if (!exportIndex || *exportIndex < 0)
                return usage("not a trip number: '" + value + "'");
        } else {
            format = value;
            if (format != "gpx" && format != "kml" && format != "csv")
                return usage("unknown format '" + value + "'");
        }
    }
    if (parsed.problem)
        return usage("cannot use '" + parsed.problem->argument + "' here");
    if (!parsed.operand)
        return usage("DIR is missing");
    if (format && !exportIndex)
        return usage("--format goes with --export");
    if (json && exportIndex)
        return usage("--json and --export exclude each other");

    const QString folder =
        QDir::cleanPath(QFileInfo(QFile::decodeName(QByteArray::fromStdString(*parsed.operand))).absoluteFilePath());
    if (!QFileInfo(folder).isDir()) {
        std::cerr << "drovik trips: not a folder: " << QFile::encodeName(folder).toStdString() << "\n";
        return 1;
    }
    const CardTrips card = readCardTrips(folder, gap);
    if (exportIndex) {
        if (*exportIndex >= int(card.trips.size())) {
            std::cerr << "drovik trips: no trip " << *exportIndex << " (there are " << card.trips.size() << ")\n";
            return 1;
        }
        writeTripTrack(std::cout, card, *exportIndex, format.value_or("gpx"));
    } else if (json) {
        JsonWriter out;
        out.beginObject().key("trips").beginArray();
        for (const Trip &trip : card.trips)
            writeTripJson(out, card, trip);
        std::cout << out.endArray().endObject().text() << '\n';
    } else {
        for (std::size_t i = 0; i < card.trips.size(); ++i)
            writeTripLine(std::cout, int(i), card, card.trips[i]);
    }
    std::cout.flush();
    return std::cout ? 0 : 1;
}

} // namespace drovik::cli
