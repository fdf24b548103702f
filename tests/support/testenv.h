#pragma once

#include <QDir>
#include <QString>

#include <gtest/gtest.h>

#include <clocale>

namespace drovik::test {

// Points HOME, the XDG folders and the runtime folder of this process at a private temporary
// folder, so that no test reads or writes the user's real settings or Documents. Call before
// the application object exists.
void isolateEnvironment();

// The private home made by isolateEnvironment().
QString isolatedHome();

// A test program's main: its tests under an application object of type App, in an isolated
// environment that is removed afterwards.
template <typename App>
int runIsolated(int argc, char **argv)
{
    isolateEnvironment();
    App app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    QDir(isolatedHome()).removeRecursively();
    return result;
}

} // namespace drovik::test
