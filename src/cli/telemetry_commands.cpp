// drovik telemetry [--kvl] [--format json|csv|gpx] FILE
// drovik cues FILE [--at INDEX]…
#include "commands.h"

#include "telemetry/clip_data.h"
#include "telemetry/subtitle_data.h"
#include "telemetry/telemetry_export.h"

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

} // namespace

int runTelemetryCommand(const Args &args)
{
    const char *synopsis = "telemetry [--kvl] [--format json|csv|gpx] FILE";
    bool kvl = false;
    std::string format = "json";
    std::optional<std::string> file;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--kvl") {
            kvl = true;
        } else if (args[i] == "--format") {
            if (i + 1 >= args.size())
                return usage(synopsis, "--format needs a value");
            format = args[++i];
            if (format != "json" && format != "csv" && format != "gpx")
                return usage(synopsis, "unknown format '" + format + "'");
        } else if (args[i].starts_with("--")) {
            return usage(synopsis, "unknown option '" + args[i] + "'");
        } else if (file) {
            return usage(synopsis, "only one FILE");
        } else {
            file = args[i];
        }
    }
    if (!file)
        return usage(synopsis, "FILE is missing");
    if (!checkReadable("telemetry", *file))
        return 1;

    DrovikClipData clip;
    if (kvl)
        clip.loadVideoFileCilpDataFromFilePath_KVL(*file);
    else
        clip.loadVideoFileCilpDataFromFilePath(*file);
    if (format == "csv")
        telemetry::writeClipCsv(std::cout, clip);
    else if (format == "gpx")
        telemetry::writeClipGpx(std::cout, clip, std::filesystem::path(*file).filename().string());
    else
        telemetry::writeClipJson(std::cout, clip);
    std::cout.flush();
    return std::cout ? 0 : 1;
}

int runCuesCommand(const Args &args)
{
    const char *synopsis = "cues FILE [--at INDEX]…";
    std::vector<int> indices;
    std::optional<std::string> file;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--at") {
            if (i + 1 >= args.size())
                return usage(synopsis, "--at needs an index");
            const auto index = parseIndex(args[++i]);
            if (!index)
                return usage(synopsis, "not an index: '" + args[i] + "'");
            indices.push_back(*index);
        } else if (args[i].starts_with("--")) {
            return usage(synopsis, "unknown option '" + args[i] + "'");
        } else if (file) {
            return usage(synopsis, "only one FILE");
        } else {
            file = args[i];
        }
    }
    if (!file)
        return usage(synopsis, "FILE is missing");
    if (!checkReadable("cues", *file))
        return 1;

    const SubtitleData cues = SubtitleData::loadFromPath(*file);
    if (indices.empty())
        telemetry::writeCuesJson(std::cout, cues);
    for (int index : indices)
        telemetry::writeCueLookupJson(std::cout, cues, index);
    std::cout.flush();
    return std::cout ? 0 : 1;
}

} // namespace drovik::cli
