// drovik telemetry [--kvl] [--format json|csv|gpx|kml] FILE
// drovik cues FILE [--at INDEX]…
#include "arguments.h"
#include "commands.h"
#include "json_writer.h"

#include "library/video_file_rules.h"
#include "playback/convert/clip_preparation.h"

#include "telemetry/clip_data.h"
#include "telemetry/subtitle_data.h"
#include "telemetry/telemetry_export.h"

#include <QFile>
#include <QFileInfo>

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>

namespace drovik::cli {

namespace {

int usage(const char *synopsis, const std::string &problem)
{
    std::cerr << "drovik: " << problem << "\nUsage: drovik " << synopsis << "\n";
    return 2;
}

// The problems these two commands share; `missingValue` names what --format or --at lacks.
int usage(const char *synopsis, const ArgumentProblem &problem, const char *missingValue)
{
    switch (problem.kind) {
    case ArgumentProblem::UnknownOption:
        return usage(synopsis, "unknown option '" + problem.argument + "'");
    case ArgumentProblem::MissingValue:
        return usage(synopsis, problem.argument + " needs " + missingValue);
    case ArgumentProblem::ExtraOperand:
        break;
    }
    return usage(synopsis, "only one FILE");
}

// The clip must exist and be readable: a missing file is an error here, not "no telemetry".
bool checkReadable(const std::string &command, const std::string &path)
{
    std::error_code error;
    const bool isFile = std::filesystem::is_regular_file(path, error);
    if (!isFile || !std::ifstream(path, std::ios::binary)) {
        std::cerr << "drovik " << command << ": cannot read " << path << "\n";
        return false;
    }
    return true;
}

std::optional<int> parseIndex(const std::string &text)
{
    int value = 0;
    const char *end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return value;
}

// {"clipDataCount":N,"gpsDataCount":M,"samples":[[gx,gy,gz,lat,lng,speed],…]}
std::string clipJson(const DrovikClipData &clip)
{
    JsonWriter json;
    json.beginObject().key("clipDataCount").number(clip.clipDataCount());
    json.key("gpsDataCount").number(clip.gpsDataCount()).key("samples").beginArray();
    for (int i = 0; i < int(clip.clipDataCount()); ++i) {
        int x, y, z;
        float lat, lng;
        uint32_t speed;
        clip.getClipDataWithIndex(i, x, y, z, lat, lng, speed);
        json.beginArray().number(x).number(y).number(z).number(lat).number(lng).number(speed).endArray();
    }
    return json.endArray().endObject().text();
}

// Another make's clip: the record's keys (empty) and then
// "track":{"start":ISO|null,"fixes":[[t,lat,lng,speed,heading,alt],…],"accelerations":[[t,gx,gy,gz],…]}
std::string trackJson(const telemetry::TimedTrack &track)
{
    const auto optional = [](JsonWriter &json, const std::optional<double> &value) -> JsonWriter & {
        return value ? json.real(*value) : json.null();
    };
    JsonWriter json;
    json.beginObject().key("clipDataCount").number(0).key("gpsDataCount").number(0);
    json.key("samples").beginArray().endArray().key("track").beginObject().key("start");
    if (track.start)
        json.string(telemetry::isoTimeText(*track.start));
    else
        json.null();
    json.key("fixes").beginArray();
    for (const telemetry::TimedFix &fix : track.fixes) {
        json.beginArray().real(fix.timeS).real(fix.latitude).real(fix.longitude);
        optional(json, fix.speedKmh);
        optional(json, fix.headingDegrees);
        optional(json, fix.altitudeM).endArray();
    }
    json.endArray().key("accelerations").beginArray();
    for (const telemetry::TimedAcceleration &a : track.accelerations)
        json.beginArray().real(a.timeS).real(a.x).real(a.y).real(a.z).endArray();
    return json.endArray().endObject().endObject().text();
}

// Prints another make's track in the format asked for.
void printTrack(const telemetry::TimedTrack &track, const std::string &format, const std::string &trackName)
{
    if (format == "csv")
        telemetry::writeTimedCsv(std::cout, track);
    else if (format == "gpx")
        telemetry::writeTimedGpx(std::cout, track, trackName);
    else if (format == "kml")
        telemetry::writeTimedKml(std::cout, track, trackName);
    else
        std::cout << trackJson(track) << '\n';
}

// {"entries":[{"cts":…,"gx":…,"gy":…,"gz":…,"lat":…,"lng":…,"speed":…},…]}
std::string cuesJson(const SubtitleData &cues)
{
    JsonWriter json;
    json.beginObject().key("entries").beginArray();
    for (const SubtitleEntry &e : cues.entries) {
        json.beginObject().key("cts").number(e.cts).key("gx").number(e.gx).key("gy").number(e.gy);
        json.key("gz").number(e.gz).key("lat").number(e.lat).key("lng").number(e.lng);
        json.key("speed").number(e.speed).endObject();
    }
    return json.endArray().endObject().text();
}

// {"index":I,"sensor":{…},"gps":{"result":R,…}}: the lookups at one index.
std::string cueLookupJson(const SubtitleData &cues, int index)
{
    JsonWriter json;
    json.beginObject().key("index").number(index).key("sensor").beginObject();
    int x = 0, y = 0, z = 0;
    const bool found = cues.getSensorAt(index, x, y, z);
    json.key("found").boolean(found);
    if (found)
        json.key("x").number(x).key("y").number(y).key("z").number(z);
    float lat = 0, lng = 0;
    uint32_t speed = 0;
    const int result = cues.getGpsAt(index, lat, lng, speed);
    json.endObject().key("gps").beginObject().key("result").number(result);
    if (result != 2)
        json.key("lat").number(lat).key("lng").number(lng).key("speed").number(speed);
    return json.endObject().endObject().text();
}

} // namespace

int runTelemetryCommand(const Args &args)
{
    const char *synopsis = "telemetry [--kvl] [--format json|csv|gpx|kml] FILE";
    const ParsedArguments parsed = parseArguments(args, ArgumentSyntax::longOptions(),
                                                  {{"--kvl"}, {"--format", true}});
    bool kvl = false;
    std::string format = "json";
    for (const auto &[name, value] : parsed.options) {
        if (name == "--kvl") {
            kvl = true;
        } else {
            format = value;
            if (format != "json" && format != "csv" && format != "gpx" && format != "kml")
                return usage(synopsis, "unknown format '" + format + "'");
        }
    }
    if (parsed.problem)
        return usage(synopsis, *parsed.problem, "a value");
    if (!parsed.operand)
        return usage(synopsis, "FILE is missing");
    const std::string &file = *parsed.operand;
    if (!checkReadable("telemetry", file))
        return 1;

    const QString path = QFile::decodeName(QByteArray::fromStdString(file));
    const QString fileName = QFileInfo(path).fileName();
    ClipTelemetryReading reading;
    DrovikClipData &clip = reading.record;
    if (kvl)
        clip.loadVideoFileClipDataFromFilePathKvl(file);
    else
        reading = readAnyClipTelemetry(path);
    const std::string trackName = std::filesystem::path(file).filename().string();
    if (!reading.track.empty()) {
        // Without the GPS's date, the camera's clock in the file name (as for our own clips).
        if (!reading.track.start)
            reading.track.start = trackStartTime(fileName, clip);
        printTrack(reading.track, format, trackName);
        std::cout.flush();
        return std::cout ? 0 : 1;
    }
    const telemetry::TrackStart start = trackStartTime(fileName, clip);
    if (format == "csv")
        telemetry::writeClipCsv(std::cout, clip, start);
    else if (format == "gpx")
        telemetry::writeClipGpx(std::cout, clip, trackName, start);
    else if (format == "kml")
        telemetry::writeClipKml(std::cout, clip, trackName, start);
    else
        std::cout << clipJson(clip) << '\n';
    std::cout.flush();
    return std::cout ? 0 : 1;
}

int runCuesCommand(const Args &args)
{
    const char *synopsis = "cues FILE [--at INDEX]…";
    const ParsedArguments parsed = parseArguments(args, ArgumentSyntax::longOptions(), {{"--at", true}});
    std::vector<int> indices;
    for (const auto &option : parsed.options) {
        const auto index = parseIndex(option.second);
        if (!index)
            return usage(synopsis, "not an index: '" + option.second + "'");
        indices.push_back(*index);
    }
    if (parsed.problem)
        return usage(synopsis, *parsed.problem, "an index");
    if (!parsed.operand)
        return usage(synopsis, "FILE is missing");
    if (!checkReadable("cues", *parsed.operand))
        return 1;

    const SubtitleData cues = SubtitleData::loadFromPath(*parsed.operand);
    if (indices.empty())
        std::cout << cuesJson(cues) << '\n';
    for (int index : indices)
        std::cout << cueLookupJson(cues, index) << '\n';
    std::cout.flush();
    return std::cout ? 0 : 1;
}

} // namespace drovik::cli
