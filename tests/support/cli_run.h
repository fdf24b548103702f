#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>

namespace drovik::test {

// What a command-line run left: its exit status and standard output.
struct CliRun {
    int exitCode = -1;
    QByteArray out;
};

inline CliRun runCli(const QString &program, const QStringList &args, int timeoutMs = 30000)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished(timeoutMs);
    return {process.exitCode(), process.readAllStandardOutput()};
}

} // namespace drovik::test
