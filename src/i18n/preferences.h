#pragma once

#include <QRect>
#include <QSettings>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace drovik {

// The user preferences, kept in QSettings under the names the program has always used.
namespace Preferences {

inline constexpr auto kLanguageKey = "DrovikViewerLanguage";
inline constexpr auto kAppleLanguagesKey = "AppleLanguages";
inline constexpr auto kSpeedUnitKey = "DrovikViewerSpeedUnit";
inline constexpr auto kTripGapKey = "DrovikViewerTripGapSeconds";
inline constexpr auto kRecentFoldersKey = "DrovikViewerRecentFolders";
inline constexpr auto kLastFolderKey = "DrovikViewerLastFolder";
inline constexpr auto kListByTripKey = "DrovikViewerListByTrip";
inline constexpr auto kWindowFrameKey = "DrovikViewerWindowFrame";
inline constexpr auto kWindowMaximizedKey = "DrovikViewerWindowMaximized";

enum SpeedUnit { KilometresPerHour = 0, MilesPerHour = 1 };

// The languages that have string tables, in menu order (Portuguese has no menu item).
const QStringList &supportedLanguages();

// The settings store ("Drovik" / "Drovik Viewer"); every call opens the same store.
std::unique_ptr<QSettings> store();

// The stored "DrovikViewerLanguage", or an empty string when absent.
QString storedLanguage();
// The language rule at launch: a stored language that has a string table is kept, anything
// else becomes "en"; the choice is written to both language keys.
void settleLanguageAtLaunch();
// The first element of "AppleLanguages" (the table texts are looked up in), or empty.
QString interfaceLanguage();
// Writes the code to "DrovikViewerLanguage" and ["code"] to "AppleLanguages".
void storeLanguage(const QString &code);

// The stored unit, or nothing when the key is absent.
std::optional<int> storedSpeedUnit();
// The stored unit as the speed meter reads it: absent → 0.
int speedUnit();
void storeSpeedUnit(int unit);

// The longest pause between two clips of one trip, in seconds; nothing when absent or not a number
// from 0 to kMaxTripGapSeconds (the trip rule's default applies).
inline constexpr double kMaxTripGapSeconds = 3600;
std::optional<double> storedTripGapSeconds();
void storeTripGapSeconds(double seconds);
// Whether the clip list shows its clips by trip (false when absent).
bool listByTrip();
void storeListByTrip(bool byTrip);

// The folders chosen lately, most recent first (empty when absent or not a list of texts).
QStringList storedRecentFolders();
void storeRecentFolders(const QStringList &folders);
// The last folder chosen that is not on a card, reopened at launch; "" when absent.
QString storedLastFolder();
// An empty folder removes the key.
void storeLastFolder(const QString &folder);

// The main window's frame (its normal size and place, not the maximised one) and whether it was
// maximised; nothing when absent or not a rectangle of some size.
std::optional<QRect> storedWindowFrame();
bool storedWindowMaximized();
void storeWindowFrame(const QRect &frame, bool maximized);

} // namespace Preferences

} // namespace drovik
