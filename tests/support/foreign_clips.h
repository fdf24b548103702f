#pragma once

// Clips of other makes' cameras for the ExifTool reader's tests: a small video made by ffmpeg and
// the telemetry boxes of each layout added by tests/telemetry/make_foreign_clips.py (its header
// lists the layouts), and ExifTool's own reading of a file to hold ours against.

#include "programs.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <map>
#include <utility>

namespace drovik::test {

// Every layout the script writes, each holding the same kForeignFixCount fixes.
inline const QStringList kForeignLayouts = {
    QStringLiteral("free_gps_nmea.mp4"), QStringLiteral("novatek_gps.mp4"), QStringLiteral("novatek_nmea.mp4"),
    QStringLiteral("udat_nmea.mp4"),     QStringLiteral("gps_records.mp4"), QStringLiteral("text_nmea.mov"),
};
constexpr int kForeignFixCount = 12;

inline bool haveForeignClipTools()
{
    return haveProgram(QStringLiteral("exiftool")) && haveProgram(QStringLiteral("ffmpeg"))
        && haveProgram(QStringLiteral("python3"));
}

// Writes base.mp4 (no telemetry) and every layout into folder.
inline bool makeForeignClips(const QString &folder)
{
    const QString base = folder + QStringLiteral("/base.mp4");
    if (!ffmpeg(words(QStringLiteral("-f lavfi -i testsrc=size=64x48:rate=5:duration=12 -c:v libx264 -pix_fmt yuv420p"))
                << base))
        return false;
    const ProgramRun made = run(QStringLiteral("python3"),
                                {QStringLiteral(DROVIK_SOURCE_DIR "/tests/telemetry/make_foreign_clips.py"), base, folder});
    if (made.exitCode != 0)
        qWarning("make_foreign_clips.py failed: %s", made.err.constData());
    return made.exitCode == 0;
}

// A fix as ExifTool reads it on its own: latitude, longitude, GPSSpeed as written (km/h here).
struct ExifToolFix {
    double latitude = 0;
    double longitude = 0;
    double speed = 0;
};

// `exiftool -ee -n -j -G3 FILE`'s fixes, in the order of its documents.
inline std::vector<ExifToolFix> exifToolFixes(const QString &file)
{
    const ProgramRun r = run(QStringLiteral("exiftool"), words(QStringLiteral("-ee -n -j -G3")) << file);
    const QJsonObject tags = QJsonDocument::fromJson(r.out).array().at(0).toObject();
    static const QRegularExpression doc(QStringLiteral("^Doc(\\d+):GPSLatitude$"));
    std::map<int, ExifToolFix> byDoc;
    for (auto it = tags.begin(); it != tags.end(); ++it) {
        const QRegularExpressionMatch m = doc.match(it.key());
        if (!m.hasMatch())
            continue;
        const QString group = QStringLiteral("Doc") + m.captured(1) + QLatin1Char(':');
        byDoc[m.captured(1).toInt()] = {it.value().toDouble(), tags.value(group + QStringLiteral("GPSLongitude")).toDouble(),
                                        tags.value(group + QStringLiteral("GPSSpeed")).toDouble()};
    }
    std::vector<ExifToolFix> fixes;
    for (const auto &entry : byDoc)
        fixes.push_back(entry.second);
    return fixes;
}

} // namespace drovik::test
