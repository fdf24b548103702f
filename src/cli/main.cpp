#include "commands.h"

#include <QCoreApplication>

#include <clocale>
#include <cstring>
#include <iostream>

namespace drovik::cli {

const std::vector<Command> &commands()
{
    static const std::vector<Command> all = {
        {"telemetry", "telemetry [--kvl] [--format json|csv|gpx|kml] FILE", runTelemetryCommand},
        {"cues", "cues FILE [--at INDEX]…", runCuesCommand},
        {"card", "card ROOT [--set FIELD=VALUE]… [--save]", runCardCommand},
        {"kvl", "kvl ROOT [--save]", runKvlCommand},
        {"settings", "settings ROOT [--lang en|fr|ja|pt] [--reset] [--set CONTROL=VALUE]… [--ok]",
         runSettingsCommand},
        {"clips", "clips DIR [--filter all|always|motion|event|manual] [--json]", runClipsCommand},
        {"convert", "convert CLIP [--workdir DIR]", runConvertCommand},
        {"export", "export CLIP --at SECONDS [--before N] [--after M] --out DIR", runExportCommand},
        {"trips", "trips DIR [--gap S] [--json] | trips DIR --export N [--format gpx|kml|csv]", runTripsCommand},
    };
    return all;
}

} // namespace drovik::cli

namespace {

void printHelp(std::ostream &out)
{
    out << "Usage: drovik COMMAND [ARGS…]\n"
           "       drovik --help | --version\n\n"
           "Reads a dashboard camera's clips and memory card from the command line.\n";
    const auto &all = drovik::cli::commands();
    if (!all.empty()) {
        out << "\nCommands:\n";
        for (const auto &command : all)
            out << "  " << command.synopsis << "\n";
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("drovik"));
    QCoreApplication::setApplicationVersion(QStringLiteral(DROVIK_VERSION));
    std::setlocale(LC_NUMERIC, "C");

    if (argc < 2) {
        printHelp(std::cerr);
        return 2;
    }
    const char *first = argv[1];
    if (std::strcmp(first, "--help") == 0 || std::strcmp(first, "-h") == 0) {
        printHelp(std::cout);
        return 0;
    }
    if (std::strcmp(first, "--version") == 0) {
        std::cout << "drovik " << DROVIK_VERSION << "\n";
        return 0;
    }
    for (const auto &command : drovik::cli::commands()) {
        if (std::strcmp(first, command.name) == 0)
            return command.run(drovik::cli::Args(argv + 2, argv + argc));
    }
    std::cerr << "drovik: unknown command '" << first << "' (see drovik --help)\n";
    return 2;
}
