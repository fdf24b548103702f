#include "settings/store/web_bridge_protocol.h"

#include <QDir>
#include <QUrl>

namespace drovik::webbridge {

namespace {

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

QString quoted(QStringView text, QChar quote)
{
    QString out;
    out.reserve(text.size() + 2);
    out += quote;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (c == quote || u == u'\\') {
            out += QLatin1Char('\\');
            out += c;
        } else if (u < 0x20 || u == 0x7f || u == 0x2028 || u == 0x2029) {
            // Line breaks end a literal; the others are escaped so that logs stay readable.
            out += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
        } else {
            out += c;
        }
    }
    out += quote;
    return out;
}

// cur_language: bytes 428 to 431 of the record, little-endian.
constexpr qsizetype kCurLanguageOffset = 428;

} // namespace

QString cfgStringWithData(QByteArrayView bytes)
{
    return QString::fromLatin1(bytes.toByteArray().toHex().toUpper());
}

std::optional<QByteArray> dataFromHexString(QStringView hex, qsizetype maxBytes)
{
    if (maxBytes < 0 || (hex.size() + 1) / 2 > maxBytes)
        return std::nullopt;
    QByteArray bytes;
    bytes.reserve((hex.size() + 1) / 2);
    for (qsizetype i = 0; i < hex.size(); i += 2) {
        const int high = hexDigit(hex[i]);
        if (high < 0)
            return std::nullopt;
        if (i + 1 == hex.size()) {
            // A lone last digit is a byte of its own.
            bytes.append(char(high));
            break;
        }
        const int low = hexDigit(hex[i + 1]);
        if (low < 0)
            return std::nullopt;
        bytes.append(char(high * 16 + low));
    }
    return bytes;
}

std::optional<QByteArray> recordFromPage(QStringView hex, qsizetype maxBytes)
{
    // An odd length is no record the page meant; refuse it rather than guess a last byte.
    if (hex.isEmpty() || hex.size() % 2 != 0)
        return std::nullopt;
    return dataFromHexString(hex, maxBytes);
}

QString jsString(QStringView text)
{
    return quoted(text, QLatin1Char('"'));
}

QString setCfgScript(const QString &hex)
{
    return QStringLiteral("set_cfg(%1)").arg(jsString(hex));
}

QString setParamLanguageScript(const QList<LanguageEntry> &languages)
{
    QString script = QStringLiteral("setParamLanguage([");
    for (const LanguageEntry &entry : languages)
        script += quoted(entry.code, QLatin1Char('\'')) + QLatin1Char(',');
    return script + QStringLiteral("])");
}

std::optional<QString> currentLanguageCode(QStringView hex, const QList<LanguageEntry> &languages)
{
    if (hex.size() < 2 * (kCurLanguageOffset + 4))
        return std::nullopt;
    const std::optional<QByteArray> field = dataFromHexString(hex.mid(2 * kCurLanguageOffset, 8), 4);
    if (!field || field->size() != 4)
        return std::nullopt;
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | quint8(field->at(i));
    for (const LanguageEntry &entry : languages) {
        if (entry.index == qint64(value))
            return entry.code;
    }
    return std::nullopt;
}

QString setLanguageScript(const QString &code)
{
    return QStringLiteral("set_language(%1)").arg(jsString(code));
}

std::optional<PageClock> clockFromTimeDat(const QString &text)
{
    if (text.size() < 16)
        return std::nullopt;
    return PageClock{text.mid(0, 10), text.mid(11, 2), text.mid(14, 2)};
}

QString timeDatText(const PageClock &clock)
{
    return QStringLiteral("%1,%2,%3,00,+0900").arg(clock.date, clock.hour, clock.minute);
}

QString clockDateFromPage(const QString &date)
{
    QString converted = date;
    return converted.replace(QLatin1Char('/'), QLatin1Char(','));
}

QStringList clockScripts(const PageClock &clock)
{
    return {QStringLiteral("setTimeDate(%1)").arg(jsString(clock.date)),
            QStringLiteral("setTimeHour(%1)").arg(jsString(clock.hour)),
            QStringLiteral("setTimeMin(%1)").arg(jsString(clock.minute))};
}

std::optional<UserNotification> parseUserNotification(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('\t'));
    if (parts.size() < 5)
        return std::nullopt;
    // Numbers read as the camera's pages write them; anything else counts as 0.
    return UserNotification{parts[0], parts[1], parts[2].trimmed().toInt(), parts[3],
                            parts[4].trimmed().toInt()};
}

QString updateOkScript(int index, const QString &value)
{
    return QStringLiteral("update_ok(%1, %2)").arg(index).arg(jsString(value));
}

QString updateCancelScript(int index)
{
    return QStringLiteral("update_cancel(%1)").arg(index);
}

QString generateSettingScript(bool afterReset)
{
    return afterReset ? QStringLiteral("generateSetting(true)") : QStringLiteral("generateSetting(false)");
}

QUrl indexHtmlUrl(const QString &cardRoot)
{
    // fromLocalFile writes a space as "%20" (and escapes whatever else a URL cannot hold); the
    // card's files themselves are always addressed by the plain path. A root of "/" must not
    // give "//SETTING/…", which names a host called SETTING.
    return QUrl::fromLocalFile(QDir(cardRoot).filePath(QStringLiteral("SETTING/html/index.html")));
}

} // namespace drovik::webbridge
