// libFuzzer target: the card's language list (SETTING/lang/ver.dat) on any bytes, as the editors
// use it: the entries, their titles, and the scripts that hand them to the card's own page.
#include "card_fuzz_support.h"

#include "settings/store/language_titles.h"
#include "settings/store/r640_setting_manager.h"
#include "settings/store/web_bridge_protocol.h"

#include <cstddef>
#include <cstdint>

namespace {

using namespace drovik;
using drovik::fuzz::check;

// The codes of "setParamLanguage(['en','fr',])" read back, or nothing when it is not that shape.
std::optional<QStringList> codesOfScript(const QString &script)
{
    const QString head = QStringLiteral("setParamLanguage([");
    const QString tail = QStringLiteral("])");
    if (!script.startsWith(head) || !script.endsWith(tail))
        return std::nullopt;
    QStringList codes;
    qsizetype at = head.size();
    const qsizetype end = script.size() - tail.size();
    while (at < end) {
        if (script.at(at) != QLatin1Char('\''))
            return std::nullopt;
        qsizetype close = at + 1;
        while (close < end && script.at(close) != QLatin1Char('\''))
            close += script.at(close) == QLatin1Char('\\') ? 2 : 1;
        if (close >= end || script.at(close + 1) != QLatin1Char(','))
            return std::nullopt;
        const std::optional<QString> code =
            fuzz::readJsLiteral(QStringView(script).mid(at, close + 1 - at), QLatin1Char('\''));
        if (!code)
            return std::nullopt;
        codes.append(*code);
        at = close + 2;
    }
    return at == end ? std::optional(codes) : std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    const QList<LanguageEntry> entries = languagesFromVerDat(fuzz::bytesOf(data, size));
    check(!entries.isEmpty(), "no languages at all");
    const bool defaults = entries == R640SettingManager::defaultLanguages();
    QStringList codes;
    for (const LanguageEntry &entry : entries) {
        check(defaults || (entry.index >= 0 && entry.index <= qint64(size)),
              "a language index beyond the file");
        for (QChar c : entry.code)
            check(!c.isSpace(), "a language code with a blank in it");
        const QString title = languageTitleByExpandingCode(entry.code);
        check(!title.isEmpty() || entry.code.isEmpty(), "a language without a title");
        const std::optional<QString> literal =
            fuzz::readJsLiteral(webbridge::jsString(entry.code), QLatin1Char('"'));
        check(literal == entry.code, "a language code that does not survive its script");
        codes.append(entry.code);
    }
    check(codesOfScript(webbridge::setParamLanguageScript(entries)) == codes,
          "the language list script does not give the codes back");
    return 0;
}
