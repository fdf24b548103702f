#include "testenv.h"

#include <QByteArray>
#include <QDir>

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace drovik::test {

namespace {
std::string &homeStorage()
{
    static std::string home;
    return home;
}
} // namespace

void isolateEnvironment()
{
    char pattern[] = "/tmp/drovik-test-XXXXXX";
    const char *made = ::mkdtemp(pattern);
    if (!made)
        std::abort();
    homeStorage() = made;
    const std::string home = made;
    const std::string runtime = home + "/runtime";
    ::mkdir(runtime.c_str(), 0700);
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home + "/.local/share").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", (home + "/.cache").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    ::unsetenv("XDG_DOCUMENTS_DIR");
    ::unsetenv("DROVIK_VOLUMES_DIR");
}

QString isolatedHome()
{
    return QString::fromStdString(homeStorage());
}

} // namespace drovik::test
