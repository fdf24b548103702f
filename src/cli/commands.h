#pragma once

#include <string>
#include <vector>

// Every command takes the arguments after its name and returns the process exit status:
// 0 success, 1 failure (message on stderr), 2 bad usage. Output is UTF-8 on stdout.
namespace drovik::cli {

using Args = std::vector<std::string>;

struct Command {
    const char *name;
    const char *synopsis;
    int (*run)(const Args &args);
};

// The commands known to this build, in the order `drovik --help` lists them.
const std::vector<Command> &commands();

// One function per command, each defined in the file of its family.
int runTelemetryCommand(const Args &args); // telemetry_commands.cpp
int runCuesCommand(const Args &args);      // telemetry_commands.cpp
int runCardCommand(const Args &args);      // card_commands.cpp
int runKvlCommand(const Args &args);       // card_commands.cpp
int runSettingsCommand(const Args &args); // settings_commands.cpp
int runClipsCommand(const Args &args);     // clip_commands.cpp
int runConvertCommand(const Args &args);   // clip_commands.cpp
int runExportCommand(const Args &args);    // export_commands.cpp
int runTripsCommand(const Args &args);     // trips_commands.cpp

} // namespace drovik::cli
