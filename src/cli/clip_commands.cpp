// Placeholder until the clip library lands.
#include "commands.h"

#include <iostream>

namespace drovik::cli {

int runClipsCommand(const Args &)
{
    std::cerr << "drovik clips: not available in this build\n";
    return 1;
}

int runConvertCommand(const Args &)
{
    std::cerr << "drovik convert: not available in this build\n";
    return 1;
}

} // namespace drovik::cli
