#pragma once

// Incident export: the moment on screen taken away as evidence, into a new folder of its own
// inside a folder the user chooses.
//
//   <out>/<clip base>_at_<mm>m<ss>s/      (a "_2", "_3"… suffix when that name is taken)
//     <front source base>.mp4|.mov         the views cut losslessly around the moment (ffmpeg
//     <rear source base>.mp4|.mov          stream copy, "-ss" before the input: the cut starts on
//                                          the key frame at or before the span's start, and the
//                                          container's edit list starts playing at the span)
//     <view>.png                           a still of each view at the moment, with text chunks
//     <clip base>.gpx                      the span's track (GPX 1.1, samples within the span,
//                                          timed as the viewer's track export)
//     summary.txt                          what, when, where, the files and their SHA-256
//
// Which views there are, and the clip's telemetry, come from the same preparation the viewer
// runs before playing (conversion and its partner search, then the telemetry loaders): an MP4
// entry and its partner are cut from the card's files themselves, so their subtitle telemetry
// stream stays in the cut (the converted copies have none); any other entry is cut from its
// playable files. A stream ffmpeg cannot copy into the container is left out rather than
// failing the export, and the summary says so.
//
// The still's PNG text chunks (tEXt, Latin-1), present when the clip tells them (the viewer's
// snapshots carry the same ones):
//   "Creation Time"     date and time of the moment, ISO 8601 ("2024-05-17T10:16:08"; camera
//                       clock, no zone, when read from the clip's name; "…Z" when from the
//                       container's UTC creation time)
//   "Drovik:ClipTime"   the moment, seconds into the clip ("8.000")
//   "Drovik:Latitude"   decimal degrees, north positive   (only with a GPS fix)
//   "Drovik:Longitude"  decimal degrees, east positive    (only with a GPS fix)
//   "Drovik:SpeedKmh"   whole km/h                        (only with a GPS fix)
//   "Drovik:GX", "Drovik:GY", "Drovik:GZ"   acceleration in g, three decimals
//   "Software"          "Drovik Viewer"
//
// Nothing half-written is ever left in the chosen folder: everything is made in a hidden
// temporary sibling (".<name>.partial-XXXXXX") that is renamed into place only once complete,
// and removed on any failure or when the export is stopped.
//
// Runs synchronously in the calling thread (QtCore only); the viewer runs it on a worker thread.

#include "telemetry/timed_record.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>
#include <utility>

namespace drovik {

class DrovikClipData;
class SubtitleData;

struct IncidentRequest {
    QUrl clip;              // the list entry
    double at = 0;          // the moment, seconds into the clip
    double before = 15;     // seconds kept before the moment
    double after = 15;      // and after it
    QString outputFolder;   // where the incident's folder is made
    // The conversion cache to use (the viewer's, so nothing is converted twice); empty: a
    // scratch one inside the temporary folder, removed before the folder is renamed into place.
    QString workingDirectory;
};

// The telemetry at one moment, as the viewer's read-outs show it.
struct IncidentMoment {
    QString dateTime;         // ISO 8601, empty when unknown
    bool hasSensor = false;
    double gx = 0, gy = 0, gz = 0; // g
    bool hasFix = false;
    float lat = 0, lng = 0;   // decimal degrees
    unsigned speedKmh = 0;
};

struct IncidentResult {
    enum Status {
        Exported,
        Failed,     // error says why; nothing was left in the output folder
        OutOfRange, // the moment lies outside the clip
        Stopped,    // shouldStop answered true; nothing was left
    };
    Status status = Failed;
    QString folder;       // the incident's folder (Exported)
    QStringList files;    // the file names inside it, in the order written
    QStringList notes;    // what could not be kept (streams left out), also in the summary
    QString error;        // plain English with the paths and the system's reason
    bool ok() const { return status == Exported; }
};

// The incident's folder name: "<clip base>_at_<mm>m<ss>s" (whole seconds, truncated).
QString incidentFolderName(const QUrl &clip, double at);

// The date and time of the moment `at` seconds into a clip whose file name starts with the
// camera's "YYYYMMDD_HHMMSS"; nothing when the name does not.
std::optional<QString> dateTimeFromClipName(const QString &fileName, double at);

// The read-outs `at` seconds into a clip, from where the viewer takes them: an MP4's subtitle
// cues when there are any, else the clip's record. dateTime is left empty.
IncidentMoment incidentMomentAt(const DrovikClipData &clipData, const SubtitleData *subtitles, double at);
// The same over another make's telemetry, read at its own times.
IncidentMoment incidentMomentAt(const telemetry::TimedRecord &record, double at);

// The date and time of the moment `at` seconds into the clip named fileName: the camera's clock
// as the name tells it, else the container's creation time (UTC) from ffmpeg's listing of the
// clip, asked for only then; empty when neither tells.
QString momentDateTime(const QString &fileName, double at, const std::function<QString()> &listing);

// The still's text chunks (above) for the moment `at` seconds into the clip, in that order.
QList<std::pair<QString, QString>> stillTexts(const IncidentMoment &moment, double at);

// The PNG file `png` with tEXt chunks for each (keyword, text) inserted after its header
// chunk; nothing when png is not a PNG or a keyword or text is not Latin-1 (keywords 1 … 79
// characters, no NUL).
std::optional<QByteArray> withPngTextChunks(const QByteArray &png,
                                            const QList<std::pair<QString, QString>> &texts);

using IncidentStopCheck = std::function<bool()>;

IncidentResult exportIncident(const IncidentRequest &request,
                              const IncidentStopCheck &shouldStop = IncidentStopCheck());

} // namespace drovik
