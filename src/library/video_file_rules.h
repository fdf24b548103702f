#pragma once

// The rules that read a clip's recording type, camera side and front/rear partner
// from the text of its URL. Nothing is stored per clip: every answer is derived from the URL
// whenever it is needed. Pure functions; safe to call from any thread.

#include "telemetry/clip_data.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

namespace drovik {

// The file-list filter (`VideoFileFilter`): the position of the filter button in the order
// All, Always, Motion, Event, Manual. Values outside 1…4 behave as All.
enum VideoFileFilter : int {
    VideoFileFilterAll = 0,
    VideoFileFilterAlways = 1,
    VideoFileFilterMotion = 2,
    VideoFileFilterEvent = 3,
    VideoFileFilterManual = 4,
};

// The colour of a row of the file list, by the folder that holds the clip.
enum class VideoFileCellColor {
    Default, // the platform's text colour for selected controls
    Magenta, // the folder's URL ends in "Saved_Videos/"
    Yellow,  // the folder's URL ends in "option_rec/" or "sos_rec/"
};

// Which camera recorded a clip, as its URL text tells: "F." anywhere → front; else "R." → rear;
// else, for a clip of another make's card, the side marker of its name (readForeignClip).
enum class CameraSide { None, Front, Rear };

// The recording type another make's card gives a clip, by a folder on its path or its name.
// Normal shows under Always (a continuous clip of a trip), Event and Parking under Event (as this
// maker's evt_rec and parking_rec; a parking clip never joins a drive), Manual under Manual.
enum class ForeignRecordingType { None, Normal, Event, Parking, Manual };

// What the listing rules for other makes' cards read of a clip's path (or its URL text; the two
// read the same): its recording type and camera side.
struct ForeignClipReading {
    ForeignRecordingType type = ForeignRecordingType::None;
    CameraSide side = CameraSide::None;
};

// The known recording folders, in the order in which they are scanned under the chosen folder.
const QStringList &recordingFolderNames();

// Whether a path (or URL text) holds one of this maker's folder texts — a recording folder name
// anywhere, as the filters test it. Such a clip is read by the specified rules alone.
bool isRecordingFolderPath(QStringView path);

// The rule table for other makes' cards (documented at it, in video_file_rules.cpp) read for a
// clip's path or URL text. Reads nothing for a path of this maker's folders.
ForeignClipReading readForeignClip(QStringView path);

// Whether the listing enters a folder of this name that lies directly in the chosen folder: the
// folders other makes' cameras record into (DCIM, Normal, Event, …, in any case).
bool isForeignListingFolderName(QStringView name);

// The text of a clip's absolute URL, the form every text rule below is applied to. As in any
// file URL ("file:///…"), reserved and non-ASCII characters of the path are percent-encoded; the folder and marker texts the rules look for are plain ASCII and
// read the same in either form.
QString videoFileUrlText(const QUrl &url);

// The extension of a file name (the text after its last "."; none for a name that starts with
// its only dot or ends with a dot), lower-cased.
QString lowerCasedExtension(const QString &fileName);

// Whether a file name's lower-cased extension is "avi", "mp4" or "mov".
bool isVideoFileName(const QString &fileName);
bool isVideoFileName(QByteArrayView fileName); // the file system's bytes, same rule

// Whether the URL's file has the extension "mp4" (compared in lower case).
bool hasMp4Extension(const QUrl &url);

// The partner text of a clip: the URL text with every "F." replaced by "R." if it
// contains "F."; otherwise with every "R." replaced by "F." if it contains "R."; otherwise, for a
// clip of another make's card, the text with its name's side marker swapped ("_A" ↔ "_B",
// "NF" ↔ "NR", …: the same time stamp, the other camera); otherwise a null string (no partner).
QString partnerUrlText(const QString &urlText);
QString partnerUrlText(const QUrl &url);

// Whether candidate is the partner file of entry: entry's partner text equals candidate's URL
// text exactly. The caller decides whether the pairing applies (it only ever does for two
// "mp4" files; see isMp4Partner).
bool isPartner(const QUrl &entry, const QUrl &candidate);

// Both files have the extension "mp4" and candidate is the partner file of entry: the test the
// playback controller applies to neighbouring rows. Two "avi" files are never
// partners.
bool isMp4Partner(const QUrl &entry, const QUrl &candidate);

CameraSide cameraSide(const QUrl &url);

// When a clip began by the camera's clock, as its file name tells it: a name that starts with
// "YYYYMMDD_HHMMSS"; else the first time stamp other makes write anywhere in a name, its digit
// groups joined by single "_" or "-": "YYYYMMDDHHMMSS", "YYYYMMDD_HHMMSS", "YYYY_MMDD_HHMMSS",
// "YYMMDD_HHMMSS" (20YY), "YYYY_MM_DD_HH_MM_SS", not inside a longer run of digits, years
// 1970–2099. The camera's clock knows no zone; the time is counted in UTC so that no
// daylight-saving step moves it. Nothing for any other name.
std::optional<QDateTime> clipStartFromFileName(const QString &fileName);

// When a clip's track starts: by its file name, else by its telemetry's GPS; nothing when
// neither tells.
std::optional<ClipTime> trackStartTime(const QString &fileName, const DrovikClipData &clip);

// Whether the clip's full path contains the filter's folder text (a plain, case-sensitive
// substring test on the whole path, not a test of the parent folder's name).
bool videoFileMatchesFilter(const QUrl &url, int filter);
bool videoFilePathMatchesFilter(const QString &path, int filter);

// The row colour: by the URL of the folder that holds the file.
VideoFileCellColor videoFileCellColor(const QUrl &url);

// "default", "magenta" or "yellow" (the `drovik clips --json` spelling).
const char *cellColorName(VideoFileCellColor color);

// The row the next and previous buttons play from the selected row of the shown list, or -1
// when there is none that way. Next skips the selected recording's rear partner and wraps to the
// first row after the last; previous lands on the front file of the previous recording.
int nextEntryRow(const QList<QUrl> &list, int selected);
int previousEntryRow(const QList<QUrl> &list, int selected);

} // namespace drovik
