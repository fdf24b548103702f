#pragma once

// Runs a shell command line and captures its standard output and exit status (tests only).

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace drovik::test {

struct RunResult {
    int status = -1;
    std::string out;
};

inline RunResult run(const std::string &commandLine)
{
    RunResult result;
    FILE *pipe = popen(commandLine.c_str(), "r");
    if (!pipe)
        return result;
    std::array<char, 4096> buffer;
    std::size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.out.append(buffer.data(), n);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

inline bool haveProgram(const std::string &name)
{
    return run("command -v " + name + " >/dev/null 2>&1").status == 0;
}

inline std::string shellQuoted(const std::string &path)
{
    std::string q = "'";
    for (char c : path)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

} // namespace drovik::test
