// drovik clips, drovik convert: the recording list and the conversion step as the viewer runs them.
#include "arguments.h"
#include "commands.h"
#include "json_writer.h"

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
    const ParsedArguments parsed = parseArguments(args, ArgumentSyntax::gnu(),
                                                  {{"--json"}, {"--filter", true}});
    int filter = VideoFileFilterAll;
    bool json = false;
    for (const auto &[name, value] : parsed.options) {
        if (name == "--json") {
            json = true;
            continue;
        }
        const std::optional<int> named = filterByName(value);
        if (!named) {
            std::cerr << "drovik clips: unknown filter '" << value << "'\n" << kClipsUsage;
            return 2;
        }
        filter = *named;
    }
    if (parsed.problem || !parsed.operand) {
        std::cerr << kClipsUsage;
        return 2;
    }
    const QString folder = absolutePathFrom(*parsed.operand);
    if (!QFileInfo(folder).isDir()) {
        std::cerr << "drovik clips: not a folder: " << folder.toStdString() << "\n";
        return 1;
    }

    const QList<QUrl> shown = applyVideoFileFilter(scanSelectedFolder(QUrl::fromLocalFile(folder)), filter);
    if (!json) {
        for (const QUrl &url : shown)
            writeLine(url.toLocalFile());
        return 0;
    }
    JsonWriter out;
    out.beginArray();
    for (const QUrl &url : shown) {
        out.beginObject().key("path").string(url.toLocalFile());
        out.key("color").string(cellColorName(videoFileCellColor(url))).endObject();
    }
    std::cout << out.endArray().text() << '\n';
    return 0;
}

int runConvertCommand(const Args &args)
{
    const ParsedArguments parsed = parseArguments(args, ArgumentSyntax::gnu(),
                                                  {{"--workdir", true, true}});
    std::optional<QString> workdir;
    for (const auto &option : parsed.options)
        workdir = absolutePathFrom(option.second);
    if (parsed.problem || !parsed.operand) {
        std::cerr << kConvertUsage;
        return 2;
    }
    const QString clip = absolutePathFrom(*parsed.operand);
    const QString workingDirectory = workdir ? *workdir : Utils::GetWorkingDirectoryPath();
    if (workingDirectory.isEmpty()) {
        std::cerr << "drovik convert: no working directory (give one with --workdir)\n";
        return 1;
    }

    const VideoConverter converter(workingDirectory);
    const std::optional<QList<QUrl>> playable = converter.checkAndConvertVideo(QUrl::fromLocalFile(clip));
    if (!playable || playable->isEmpty()) {
        std::cerr << "drovik convert: no playable file for " << clip.toStdString() << "\n";
        return 3;
    }
    for (const QUrl &url : *playable)
        writeLine(url.toLocalFile());
    return 0;
}

} // namespace drovik::cli
