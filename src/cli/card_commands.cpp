// Placeholder until the card readers land.
#include "commands.h"

#include <iostream>

namespace drovik::cli {

int runCardCommand(const Args &)
{
    std::cerr << "drovik card: not available in this build\n";
    return 1;
}

int runKvlCommand(const Args &)
{
    std::cerr << "drovik kvl: not available in this build\n";
    return 1;
}

} // namespace drovik::cli
