// libFuzzer target: what the card's own settings page and the card hand the web bridge. The
// first byte bounds the record the page may return; the rest is read both as UTF-16 (a script's
// strings, lone surrogates included) and as UTF-8 (card files), and goes through every decoder
// and script builder of the protocol.
#include "card_fuzz_support.h"

#include "settings/store/r640_setting_manager.h"
#include "settings/store/web_bridge_protocol.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

using namespace drovik;
using drovik::fuzz::check;

bool isHexDigit(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

// The argument of a one-argument script call read back.
std::optional<QString> scriptArgument(const QString &script, const QString &call)
{
    if (!script.startsWith(call + QLatin1Char('(')) || !script.endsWith(QLatin1Char(')')))
        return std::nullopt;
    return fuzz::readJsLiteral(QStringView(script).sliced(call.size() + 1).chopped(1), QLatin1Char('"'));
}

void checkText(const QString &text, qsizetype maxRecord, bool fromCard)
{
    const std::optional<QByteArray> bytes = webbridge::dataFromHexString(text);
    bool allHex = true;
    for (QChar c : text)
        allHex = allHex && isHexDigit(c);
    check(bytes.has_value() == (allHex && (text.size() + 1) / 2 <= webbridge::kMaxWebRecordSize),
          "hexadecimal text accepted or refused wrongly");
    if (bytes) {
        check(bytes->size() == (text.size() + 1) / 2, "hexadecimal text gave the wrong length");
        if (text.size() % 2 == 0)
            check(webbridge::cfgStringWithData(*bytes) == text.toUpper(),
                  "hexadecimal text does not come back from its bytes");
    }
    const std::optional<QByteArray> record = webbridge::recordFromPage(text, maxRecord);
    if (record)
        check(!text.isEmpty() && text.size() % 2 == 0 && record->size() <= maxRecord && record == bytes,
              "the page's record accepted wrongly");

    check(scriptArgument(webbridge::setCfgScript(text), QStringLiteral("set_cfg")) == text,
          "a record text that does not survive its script");
    check(scriptArgument(webbridge::setLanguageScript(text), QStringLiteral("set_language")) == text,
          "a language code that does not survive its script");

    QList<LanguageEntry> languages = R640SettingManager::parseLanguages(text);
    languages += R640SettingManager::defaultLanguages();
    if (const std::optional<QString> code = webbridge::currentLanguageCode(text, languages)) {
        check(text.size() >= 864, "a current language from a record too short to hold it");
        bool known = false;
        for (const LanguageEntry &entry : languages)
            known = known || entry.code == *code;
        check(known, "a current language that is not in the list");
    }

    const QString date = webbridge::clockDateFromPage(text);
    check(date.size() == text.size() && !date.contains(QLatin1Char('/')), "the page's date kept a slash");

    if (const std::optional<webbridge::UserNotification> note = webbridge::parseUserNotification(text)) {
        check(text.count(QLatin1Char('\t')) >= 4, "an alert from fewer than five parts");
        const QString ok = webbridge::updateOkScript(note->index, note->value);
        const QString head = QStringLiteral("update_ok(%1, ").arg(note->index);
        check(ok.startsWith(head) && ok.endsWith(QLatin1Char(')'))
                  && fuzz::readJsLiteral(QStringView(ok).sliced(head.size()).chopped(1), QLatin1Char('"'))
                      == note->value,
              "an alert's value that does not survive its script");
        webbridge::updateCancelScript(note->index);
    }

    // A card root is a clean absolute path of a mounted volume (VolumeMonitor), decoded from
    // UTF-8 and without NUL.
    if (fromCard && text.startsWith(QLatin1Char('/')) && text == QDir::cleanPath(text)
        && !text.contains(QChar(0))) {
        const QUrl url = webbridge::indexHtmlUrl(text);
        check(url.isLocalFile() && url.toLocalFile() == QDir::cleanPath(text + QStringLiteral("/SETTING/html/index.html")),
              "the page's address is not the card's file");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const qsizetype maxRecord = qsizetype(data[0]) * 4;
    const QByteArray rest = fuzz::bytesOf(data + 1, size - 1);
    QString utf16(rest.size() / 2, Qt::Uninitialized);
    std::memcpy(utf16.data(), rest.constData(), std::size_t(utf16.size()) * sizeof(QChar));
    checkText(utf16, maxRecord, false);
    checkText(QString::fromUtf8(rest), maxRecord, true);

    // Card bytes to the page's text and back.
    const QString hex = webbridge::cfgStringWithData(rest);
    check(hex.size() == 2 * rest.size(), "the record's text has the wrong length");
    check(webbridge::dataFromHexString(hex, rest.size()) == rest, "the record's text does not give its bytes");
    return 0;
}
