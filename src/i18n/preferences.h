#pragma once

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

} // namespace Preferences

} // namespace drovik
