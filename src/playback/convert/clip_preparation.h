#pragma once

#include "playback/convert/video_conversion.h"
#include "telemetry/clip_data.h"
#include "telemetry/subtitle_data.h"
#include "telemetry/timed_record.h"
#include "telemetry/timed_track.h"

#include <QList>
#include <QString>
#include <QUrl>

#include <memory>
#include <optional>

namespace drovik {

// What playing a list entry needs before the player views can open it: the playable files
// (converted with ffmpeg where needed) and the clip's telemetry. Making it reads the card and
// may run ffmpeg for seconds, so the window does it on a worker thread.
struct PreparedClip {
    QUrl entry;
    // The playable files, the first for the large view; nothing when the entry has none.
    std::optional<QList<QUrl>> files;
    // Why there are none.
    ConversionFailure failure;
    std::unique_ptr<DrovikClipData> clipData = std::make_unique<DrovikClipData>();
    // The subtitle cues of an MP4 entry (its speed and position come from them), else null.
    std::unique_ptr<SubtitleData> subtitles;
    // Another make's telemetry when none of our readers finds any in the clip, else null.
    std::shared_ptr<const telemetry::TimedRecord> timed;
    // The files are the entry's own, handed while its conversion runs so that the picture shows
    // at once: no telemetry yet, and a second PreparedClip of the entry, the converted one,
    // follows.
    bool conversionPending = false;
};

// The entry's own files, front first, when it still has to be converted before it is complete in
// the cache below workingDirectory and the player can play them meanwhile: an MP4 clip and its
// partner. Nothing for an entry converted already or played as it is, and for an AVI (below).
// Reads only the files' attributes; fast enough for the GUI thread.
std::optional<QList<QUrl>> playableOriginals(const QUrl &entry, const QString &workingDirectory);

// The same for an AVI clip, which only ffmpeg can tell holds one camera's pictures (played as it
// is) or both, whose rear a view cannot pick out of the file (nothing: it waits for its
// conversion). Runs ffmpeg: never on the GUI thread.
std::optional<QList<QUrl>> playableAviOriginal(const QUrl &entry, const QString &workingDirectory);

// Converts entry into the cache below workingDirectory and loads its telemetry: an MP4 entry's
// from the subtitle file extracted beside its first playable file, a text-settings camera's AVI
// with that family's reader, any other clip from the clip itself. Safe on any thread.
PreparedClip prepareClip(const QUrl &entry, const QString &workingDirectory);

// The telemetry an MP4 clip keeps in its subtitle stream, read as prepareClip reads it but
// extracted by ffmpeg into a temporary folder of its own, so no conversion cache is touched.
// False (and clip cleared) when ffmpeg could not extract a subtitle stream.
bool loadSubtitleTelemetry(const QString &mp4Path, DrovikClipData &clip);

// A clip's telemetry as `drovik telemetry` and the trips read it, without converting anything: an
// MP4's from its subtitle stream; any other clip, or an MP4 without one, from the file's own bytes
// by the general loader. Empty (both counts 0) when the clip holds none. Safe on any thread; it
// may run ffmpeg, so never call it on the GUI thread.
DrovikClipData readClipTelemetry(const QString &path);

// A clip's telemetry from any source: our readers' record as readClipTelemetry reads it and, only
// when that is empty, the track ExifTool finds in another make's clip (library/exiftool_reader.h).
struct ClipTelemetryReading {
    DrovikClipData record;
    telemetry::TimedTrack track; // empty whenever the record is not
};
ClipTelemetryReading readAnyClipTelemetry(const QString &path);

} // namespace drovik
