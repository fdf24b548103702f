// libFuzzer target: the card's clock file (SETTING/time.dat) on any bytes: read as the record
// editor reads it, written back as it writes it, and as the card's own page gets it.
#include "card_fuzz_support.h"

#include "settings/store/card_file.h"
#include "settings/store/card_maintenance.h"
#include "settings/store/web_bridge_protocol.h"

#include <cstddef>
#include <cstdint>

namespace {

using namespace drovik;
using drovik::fuzz::check;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const SettingTimeFile file = settingTimeFromBytes(bytes);
    const std::optional<QString> text = decodeUtf8Strictly(bytes);
    check(file.present == text.has_value(), "the clock file's presence is not its being text");
    if (file.dateTime) {
        const QDateTime &moment = *file.dateTime;
        check(moment.isValid(), "the clock file gave an invalid moment");
        // Saved in the zone it was read in, the same text comes back.
        const QString saved = formatSettingTime(moment, moment.timeZone());
        const std::optional<QDateTime> again = parseSettingTime(saved);
        check(again && *again == moment && again->offsetFromUtc() == moment.offsetFromUtc(),
              "the clock file does not read back as it was written");
    }
    if (!text)
        return 0;
    if (const std::optional<webbridge::PageClock> clock = webbridge::clockFromTimeDat(*text)) {
        const QStringList scripts = webbridge::clockScripts(*clock);
        const QString parts[] = {clock->date, clock->hour, clock->minute};
        const char *calls[] = {"setTimeDate(", "setTimeHour(", "setTimeMin("};
        check(scripts.size() == 3, "not three clock scripts");
        for (int i = 0; i < 3; ++i) {
            const QString head = QString::fromLatin1(calls[i]);
            check(scripts[i].startsWith(head) && scripts[i].endsWith(QLatin1Char(')')),
                  "a clock script of the wrong shape");
            const QStringView literal = QStringView(scripts[i]).sliced(head.size()).chopped(1);
            check(fuzz::readJsLiteral(literal, QLatin1Char('"')) == parts[i],
                  "a clock part that does not survive its script");
        }
        check(webbridge::timeDatText(*clock).startsWith(clock->date), "the page's clock lost its date");
    }
    return 0;
}
