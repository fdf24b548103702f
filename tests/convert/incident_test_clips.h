#pragma once

// A front/rear MP4 pair whose subtitle telemetry is known sample by sample: each tenth of a
// second has its own cue with an accelerometer reading and a fix, so what the exports write at a
// moment or over a span can be checked against the formulas below.

#include "programs.h"

#include <QString>

namespace drovik::test {

struct KnownTelemetry {
    // As cameras write it: an accelerometer reading in every cue (sample i, 0.1 s each), and
    // the fix of second s in the last cue of that second (sample 10 s + 9).
    static double lat(int second) { return 48.86 + second * 0.001; }
    static double lng(int second) { return 2.30 - second * 0.001; }
    static int knots(int second) { return 10 + 3 * second; }
    static int rawX(int i) { return 2 * (i % 40) - 40; } // 256 per g in the cue
    static constexpr int kRawY = 64;
    static constexpr int kRawZ = 256;
    static double gx(int i) { return rawX(i) / 256.0; }

    // ddmm.mmmm (or dddmm.mmmm) as NMEA writes a coordinate.
    static QString nmea(double degrees, int width)
    {
        const int whole = int(degrees);
        return QStringLiteral("%1%2").arg(whole, width, 10, QLatin1Char('0'))
            .arg((degrees - whole) * 60.0, 7, 'f', 4, QLatin1Char('0'));
    }

    static QByteArray srt(int seconds)
    {
        QByteArray text;
        for (int i = 0; i < seconds * 10; ++i) {
            const auto stamp = [](int ms) {
                return QStringLiteral("00:%1:%2,%3").arg(ms / 60000, 2, 10, QLatin1Char('0'))
                    .arg(ms / 1000 % 60, 2, 10, QLatin1Char('0')).arg(ms % 1000, 3, 10, QLatin1Char('0'));
            };
            QString cue = QStringLiteral("gsensori,1,256,%1,%2,%3").arg(rawX(i)).arg(kRawY).arg(kRawZ);
            const int s = i / 10;
            if (i % 10 == 9) {
                cue += QStringLiteral(";GPRMC,1016%1.00,A,%2,N,%3,E,%4.00,0.0,170524,,,A")
                           .arg(s, 2, 10, QLatin1Char('0'))
                           .arg(nmea(lat(s), 2), nmea(lng(s), 3)).arg(knots(s));
            }
            text += QStringLiteral("%1\n%2 --> %3\n%4\n\n").arg(i + 1).arg(stamp(i * 100), stamp(i * 100 + 100), cue).toUtf8();
        }
        return text;
    }

    // <folder>/<name>_F.mp4 and _R.mp4, `seconds` long at ten frames a second with a key frame
    // every two seconds, sound, and the telemetry as a mov_text stream.
    static bool makePair(const QString &folder, const QString &name, int seconds)
    {
        const QString cues = folder + QStringLiteral("/.cues.srt");
        if (!writeFile(cues, srt(seconds)))
            return false;
        for (const char *side : {"F", "R"}) {
            const QString out = folder + QStringLiteral("/%1_%2.mp4").arg(name, QLatin1String(side));
            const QStringList args = words(QStringLiteral("-f lavfi -i testsrc=size=160x90:rate=10:duration=%1 "
                                                          "-f lavfi -i sine=frequency=440:sample_rate=8000:duration=%1")
                                               .arg(seconds))
                                     + QStringList{QStringLiteral("-i"), cues}
                                     + words(QStringLiteral("-map 0 -map 1 -map 2 -g 20")) + h264()
                                     + words(QStringLiteral("-c:a aac -c:s mov_text")) + QStringList{out};
            if (!ffmpeg(args))
                return false;
        }
        return QFile::remove(cues);
    }
};

} // namespace drovik::test
