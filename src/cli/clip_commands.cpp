// drovik clips, drovik convert: the recording list and the conversion step as the viewer runs them.
#include "commands.h"
#include "json.h"

#include "library/recording_library.h"
#include "library/video_file_rules.h"
#include "platform/utils.h"
#include "playback/convert/video_conversion.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <iostream>
#include <optional>

namespace drovik::cli {

namespace {

constexpr const char *kClipsUsage =
    "usage: drovik clips DIR [--filter all|always|motion|event|manual] [--json]\n";
constexpr const char *kConvertUsage = "usage: drovik convert CLIP [--workdir DIR]\n";

// A command-line path as the file system names it, made absolute.
QString absolutePathFrom(const std::string &arg)
{
    const QString path = QFile::decodeName(QByteArray::fromStdString(arg));
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

void writeLine(const QString &path)
{
    const QByteArray bytes = QFile::encodeName(path);
    std::cout.write(bytes.constData(), bytes.size());
    std::cout << '\n';
}

std::optional<int> filterByName(const std::string &name)
{
    static const char *const names[] = {"all", "always", "motion", "event", "manual"};
    for (int i = 0; i < 5; ++i) {
        if (name == names[i])
            return i;
    }
    return std::nullopt;
}

} // namespace

int runClipsCommand(const Args &args)
{
    std::optional<QString> folder;
    int filter = VideoFileFilterAll;
    bool json = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        std::optional<std::string> filterName;
        if (optionsEnded || arg.empty() || arg[0] != '-') {
            if (folder) {
                std::cerr << kClipsUsage;
                return 2;
            }
            folder = absolutePathFrom(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--json") {
            json = true;
        } else if (arg == "--filter" && i + 1 < args.size()) {
            filterName = args[++i];
        } else if (arg.rfind("--filter=", 0) == 0) {
            filterName = arg.substr(9);
        } else {
            std::cerr << kClipsUsage;
            return 2;
        }
        if (filterName) {
            const std::optional<int> value = filterByName(*filterName);
            if (!value) {
                std::cerr << "drovik clips: unknown filter '" << *filterName << "'\n" << kClipsUsage;
                return 2;
            }
            filter = *value;
        }
    }
    if (!folder) {
        std::cerr << kClipsUsage;
        return 2;
    }
    if (!QFileInfo(*folder).isDir()) {
        std::cerr << "drovik clips: not a folder: " << folder->toStdString() << "\n";
        return 1;
    }

    const QList<QUrl> shown = applyVideoFileFilter(scanSelectedFolder(QUrl::fromLocalFile(*folder)), filter);
    if (!json) {
        for (const QUrl &url : shown)
            writeLine(url.toLocalFile());
        return 0;
    }
    QByteArray out = "[";
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const QUrl &url = shown.at(i);
        out += (i ? ",{\"path\":" : "{\"path\":") + jsonString(url.toLocalFile());
        out += ",\"color\":\"" + QByteArray(cellColorName(videoFileCellColor(url))) + "\"}";
    }
    out += "]\n";
    std::cout.write(out.constData(), out.size());
    return 0;
}

int runConvertCommand(const Args &args)
{
    std::optional<QString> clip;
    std::optional<QString> workdir;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (optionsEnded || arg.empty() || arg[0] != '-') {
            if (clip) {
                std::cerr << kConvertUsage;
                return 2;
            }
            clip = absolutePathFrom(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--workdir" && i + 1 < args.size()) {
            workdir = absolutePathFrom(args[++i]);
        } else if (arg.rfind("--workdir=", 0) == 0 && arg.size() > 10) {
            workdir = absolutePathFrom(arg.substr(10));
        } else {
            std::cerr << kConvertUsage;
            return 2;
        }
    }
    if (!clip) {
        std::cerr << kConvertUsage;
        return 2;
    }
    const QString workingDirectory = workdir ? *workdir : Utils::GetWorkingDirectoryPath();
    if (workingDirectory.isEmpty()) {
        std::cerr << "drovik convert: no working directory (give one with --workdir)\n";
        return 1;
    }

    const VideoConverter converter(workingDirectory);
    const std::optional<QList<QUrl>> playable = converter.checkAndConvertVideo(QUrl::fromLocalFile(*clip));
    if (!playable || playable->isEmpty()) {
        std::cerr << "drovik convert: no playable file for " << clip->toStdString() << "\n";
        return 3;
    }
    for (const QUrl &url : *playable)
        writeLine(url.toLocalFile());
    return 0;
}

} // namespace drovik::cli
