// drovik export CLIP --at SECONDS [--before N] [--after M] --out DIR: the incident export.
#include "arguments.h"
#include "commands.h"

#include "playback/convert/incident_export.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <atomic>
#include <charconv>
#include <cmath>
#include <csignal>
#include <iostream>
#include <optional>

namespace drovik::cli {

namespace {

constexpr const char *kExportUsage =
    "usage: drovik export CLIP --at SECONDS [--before N] [--after M] --out DIR\n";

// Set by an interrupt (Ctrl-C, a service manager's stop): the export stops ffmpeg, removes its
// temporary folder and the command exits 130, as a shell expects of an interrupted program.
std::atomic<bool> g_interrupted{false};

extern "C" void onInterrupt(int)
{
    g_interrupted.store(true);
}

int usage(const std::string &problem)
{
    std::cerr << "drovik export: " << problem << "\n" << kExportUsage;
    return 2;
}

// A number of seconds: plain decimal, finite, not negative.
std::optional<double> parseSeconds(const std::string &text)
{
    double value = 0;
    const char *end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc() || result.ptr != end || !std::isfinite(value) || value < 0)
        return std::nullopt;
    return value;
}

QString absolutePathFrom(const std::string &arg)
{
    const QString path = QFile::decodeName(QByteArray::fromStdString(arg));
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

int runExportCommand(const Args &args)
{
    const ParsedArguments parsed = parseArguments(
        args, ArgumentSyntax::gnu(),
        {{"--at", true, true}, {"--before", true, true}, {"--after", true, true}, {"--out", true, true}});
    if (parsed.problem) {
        switch (parsed.problem->kind) {
        case ArgumentProblem::UnknownOption: return usage("unknown option '" + parsed.problem->argument + "'");
        case ArgumentProblem::MissingValue: return usage(parsed.problem->argument + " needs a value");
        case ArgumentProblem::ExtraOperand: return usage("only one CLIP");
        }
    }
    IncidentRequest request;
    bool haveAt = false;
    std::optional<QString> out;
    for (const auto &[name, value] : parsed.options) {
        if (name == "--out") {
            out = absolutePathFrom(value);
            continue;
        }
        const std::optional<double> seconds = parseSeconds(value);
        if (!seconds)
            return usage(name + " needs a number of seconds of 0 or more, not '" + value + "'");
        if (name == "--at") {
            request.at = *seconds;
            haveAt = true;
        } else if (name == "--before") {
            request.before = *seconds;
        } else {
            request.after = *seconds;
        }
    }
    if (!parsed.operand)
        return usage("CLIP is missing");
    if (!haveAt)
        return usage("--at is missing");
    if (!out)
        return usage("--out is missing");
    request.clip = QUrl::fromLocalFile(absolutePathFrom(*parsed.operand));
    request.outputFolder = *out;

    g_interrupted.store(false);
    auto *previousInt = std::signal(SIGINT, onInterrupt);
    auto *previousTerm = std::signal(SIGTERM, onInterrupt);
    const IncidentResult result = exportIncident(request, [] { return g_interrupted.load(); });
    std::signal(SIGINT, previousInt);
    std::signal(SIGTERM, previousTerm);

    switch (result.status) {
    case IncidentResult::Exported:
        break;
    case IncidentResult::OutOfRange:
        return usage(result.error.toStdString());
    case IncidentResult::Stopped:
        std::cerr << "drovik export: interrupted; nothing was written\n";
        return 130;
    case IncidentResult::Failed:
        std::cerr << "drovik export: " << result.error.toStdString() << "\n";
        return 1;
    }
    for (const QString &note : result.notes)
        std::cerr << "drovik export: note: " << note.toStdString() << "\n";
    const QByteArray folder = QFile::encodeName(result.folder);
    std::cout.write(folder.constData(), folder.size());
    std::cout << '\n';
    std::cout.flush();
    return std::cout ? 0 : 1;
}

} // namespace drovik::cli
