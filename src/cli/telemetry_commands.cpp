// Placeholder until the telemetry readers land.
#include "commands.h"

#include <iostream>

namespace drovik::cli {

int runTelemetryCommand(const Args &)
{
    std::cerr << "drovik telemetry: not available in this build\n";
    return 1;
}

int runCuesCommand(const Args &)
{
    std::cerr << "drovik cues: not available in this build\n";
    return 1;
}

} // namespace drovik::cli
