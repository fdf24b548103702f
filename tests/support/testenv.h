#pragma once

#include <QString>

namespace drovik::test {

// Points HOME, the XDG folders and the runtime folder of this process at a private temporary
// folder, so that no test reads or writes the user's real settings or Documents. Call before
// the application object exists.
void isolateEnvironment();

// The private home made by isolateEnvironment().
QString isolatedHome();

} // namespace drovik::test
