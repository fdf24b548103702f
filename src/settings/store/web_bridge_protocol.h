#pragma once

// The script protocol between the card's own HTML settings page and the viewer, without any
// widget: the record's hexadecimal text, the bounds on what the page may hand us, and the
// script texts we evaluate in the page.

#include "settings/store/r640_setting_manager.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>
#include <QUrl>

#include <optional>

namespace drovik::webbridge {

// The largest record we read from the card or accept from the page. Web-page cameras bring
// records of their own length; this is far above any of them and keeps a hostile card or page
// from making us handle megabytes.
inline constexpr qsizetype kMaxWebRecordSize = 64 * 1024;
// Every text argument of a bridge call but the record is short (dates, alert texts).
inline constexpr qsizetype kMaxBridgeTextLength = 4096;
// More calls than this before the channel connects are dropped, oldest kept.
inline constexpr int kMaxQueuedCalls = 256;

// Each byte as two upper-case hexadecimal digits, no separators ("01ABFF").
QString cfgStringWithData(QByteArrayView bytes);

// The bytes of a hexadecimal text (either case; a single digit left at the end is one byte).
// Nothing when a character is not a hexadecimal digit or the text stands for more than maxBytes.
std::optional<QByteArray> dataFromHexString(QStringView hex, qsizetype maxBytes = kMaxWebRecordSize);

// The record the page returns on Save, when it is fit to replace the card's: non-empty,
// hexadecimal only and at most maxBytes long.
std::optional<QByteArray> recordFromPage(QStringView hex, qsizetype maxBytes);

// text as a JavaScript string literal in double quotes: quotes, backslashes, line breaks and
// other control characters escaped, so that card data cannot end the literal.
QString jsString(QStringView text);

// "set_cfg(\"HEX\")".
QString setCfgScript(const QString &hex);
// "setParamLanguage(['en','fr','es',])": every code followed by a comma, as the pages expect.
QString setParamLanguageScript(const QList<LanguageEntry> &languages);
// The code of the camera's current language: the record field cur_language (bytes 428 to 431,
// little-endian) read from the hexadecimal text, looked up by index in languages. Nothing when
// the text is shorter than 432 bytes or no entry has that index.
std::optional<QString> currentLanguageCode(QStringView hex, const QList<LanguageEntry> &languages);
// "set_language(\"CODE\")".
QString setLanguageScript(const QString &code);

// The clock setting the page edits: date "yyyy,MM,dd", hour "HH" and minute "mm".
struct PageClock {
    QString date;
    QString hour;
    QString minute;
    friend bool operator==(const PageClock &, const PageClock &) = default;
};
// The clock of a time.dat text ("yyyy,MM,dd,HH,mm,ss,Z"); nothing for a text under 16 characters.
std::optional<PageClock> clockFromTimeDat(const QString &text);
// The time.dat text the page's clock stands for: "DATE,HH,mm,00,+0900".
QString timeDatText(const PageClock &clock);
// The page's date with "/" as separator, as the clock keeps it ("2024/05/06" → "2024,05,06").
QString clockDateFromPage(const QString &date);
// The three scripts that hand the clock to the page, in order.
QStringList clockScripts(const PageClock &clock);

// An alert the page asks for ("userNoti"): title, message, index, value and button count
// separated by tabs.
struct UserNotification {
    QString title;
    QString message;
    int index = 0;
    QString value;
    int buttonCount = 1;
};
// Nothing when the text has fewer than five parts.
std::optional<UserNotification> parseUserNotification(const QString &text);
// "update_ok(INDEX, \"VALUE\")" / "update_cancel(INDEX)".
QString updateOkScript(int index, const QString &value);
QString updateCancelScript(int index);
// "generateSetting(true)" / "generateSetting(false)".
QString generateSettingScript(bool afterReset);

// The page's URL for a card root: file://ROOT/SETTING/html/index.html, with "%20" for spaces.
QUrl indexHtmlUrl(const QString &cardRoot);

} // namespace drovik::webbridge
