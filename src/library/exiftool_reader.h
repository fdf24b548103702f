#pragma once

// Other makes' telemetry through ExifTool (Debian's libimage-exiftool-perl), the field's own
// extractor of dashboard and action cameras' embedded GPS and accelerometer streams (NMEA logs in
// 'gps ' and 'udat' boxes, "freeGPS " blocks, text tracks of NMEA sentences, GPMF, …). Asked only
// when none of our own readers finds telemetry in a clip.
//
// One ExifTool runs per session in its batch mode (`-stay_open True -@ -`), so a card of a hundred
// clips costs one Perl start-up per session, not a hundred. A clip gets a time limit: ExifTool
// stuck on a damaged clip is killed, the clip reads as having no track, and the next clip starts
// a fresh ExifTool.
//
// Threads: a session belongs to the thread that made it (its QProcess does). readForeignTelemetry()
// keeps one session per calling thread, made on first use and closed when the thread ends, so the
// background loader's workers each drive their own ExifTool with no lock between them.
//
// Without ExifTool the program works as before: no foreign clip has a track, and the log says so
// once.

#include "telemetry/timed_track.h"

#include <QByteArrayView>
#include <QString>

#include <chrono>
#include <memory>

class QProcess;

namespace drovik {

class TelemetryCache;

class ExifToolSession {
public:
    static constexpr std::chrono::milliseconds kDefaultTimeLimit{20000};

    // DROVIK_EXIFTOOL when set, else "exiftool" on PATH.
    static QString defaultProgram();

    explicit ExifToolSession(QString program = defaultProgram(),
                             std::chrono::milliseconds timeLimit = kDefaultTimeLimit);
    ~ExifToolSession();
    ExifToolSession(const ExifToolSession &) = delete;
    ExifToolSession &operator=(const ExifToolSession &) = delete;

    // The clip's embedded track; empty when it holds none, when ExifTool is missing, fails or runs
    // past the time limit.
    telemetry::TimedTrack read(const QString &clipPath);
    // False once the program could not be started.
    bool isAvailable() const { return m_available; }

    // The track in ExifTool's answer for one file (`-ee -n -j -G3`).
    static telemetry::TimedTrack parseAnswer(QByteArrayView json);

private:
    bool ensureStarted();
    void stop();

    QString m_program;
    std::chrono::milliseconds m_timeLimit;
    std::unique_ptr<QProcess> m_process;
    bool m_available = true;
    int m_request = 0;
};

// The clip's track read by the calling thread's own session (see above).
telemetry::TimedTrack readForeignTelemetry(const QString &clipPath);
// The same through cache: the track kept for the clip as it is now, else read by session (null:
// the thread's own) and kept, so a second look at a card asks ExifTool nothing. A clip ExifTool
// found nothing in, or gave up on, is kept as an empty track; nothing is kept while ExifTool is
// missing, so installing it later helps at once.
telemetry::TimedTrack readForeignTelemetry(const QString &clipPath, TelemetryCache &cache,
                                           ExifToolSession *session = nullptr);

} // namespace drovik
