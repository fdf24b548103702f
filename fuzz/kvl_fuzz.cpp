// libFuzzer target: the text settings file (SETTING/blackbox.cfg) on a card, read, saved and read
// again, which must give the same lines; then with its clock block taken out and put back, as
// OK does. A file that is not UTF-8 is never replaced.
#include "card_fuzz_support.h"

#include "settings/store/camera_models.h"
#include "settings/store/kvl_setting_manager.h"
#include "settings/store/r640_setting_manager.h"

#include <cstddef>
#include <cstdint>

namespace {

using namespace drovik;
using drovik::fuzz::check;

// Reads the card's file as the editor does, or nothing when it has no lines.
std::optional<QStringList> readBack(R640SettingManager &card)
{
    KvlSettingManager reader(card);
    if (reader.loadData() != KvlLoadSource::CardFile || !reader.hasLinedSettings())
        return std::nullopt;
    return reader.linedSettings();
}

// Only spaces and tabs at the ends of the whole file are not the lines' own.
QStringList withoutOuterBlanks(QStringList lines)
{
    const auto blank = [](QChar c) {
        return c == QLatin1Char('\t') || c.category() == QChar::Separator_Space;
    };
    if (lines.isEmpty())
        return lines;
    QString &first = lines.first();
    while (!first.isEmpty() && blank(first.front()))
        first.remove(0, 1);
    QString &last = lines.last();
    while (!last.isEmpty() && blank(last.back()))
        last.chop(1);
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    fuzz::ensureApplication();
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const QString path = fuzz::cardFile(QStringLiteral("blackbox.cfg"));
    fuzz::writeFile(path, bytes);

    R640SettingManager card;
    card.setSettingDirPath(fuzz::cardRoot());
    card.setModelType(textFileModelType());
    KvlSettingManager kvl(card);
    const KvlLoadSource source = kvl.loadData();
    const std::optional<QStringList> parsed = KvlSettingManager::parseLines(bytes);
    if (!parsed) {
        check(source == KvlLoadSource::Unreadable && !kvl.hasLinedSettings(),
              "a file that is not UTF-8 gave lines");
        check(isCardError(kvl.saveData()), "unreadable lines were saved");
        check(fuzz::readFile(path) == bytes, "an unreadable file was replaced");
        return 0;
    }
    check(source == KvlLoadSource::CardFile, "the card's file was not read");
    const QStringList lines = kvl.linedSettings();
    check(lines == *parsed, "the card's file and its bytes give different lines");

    check(kvl.saveData() == CardWriteStatus::Written, "the lines were not saved");
    check(fuzz::readFile(path) == KvlSettingManager::joinLines(lines), "the file saved is not the lines");
    check(readBack(card) == lines, "the lines saved read back differently");

    // OK with the clock box checked: the clock lines out, the new block in after "set=".
    kvl.removeTimeDateDelimiters();
    const QStringList clock = {QStringLiteral("year=2024"), QStringLiteral("month=02"),
                               QStringLiteral("day=29"),    QStringLiteral("hour=23"),
                               QStringLiteral("min=59"),    QStringLiteral("sec=00")};
    kvl.addTimeDateDelimiters(clock);
    const QStringList edited = kvl.linedSettings();
    check(edited.size() >= clock.size() && edited.size() <= lines.size() + clock.size(),
          "the clock block edit lost or made lines");
    for (const QString &line : clock)
        check(edited.contains(line), "a clock line is missing after the edit");
    check(kvl.saveData() == CardWriteStatus::Written, "the edited lines were not saved");
    check(readBack(card) == withoutOuterBlanks(edited), "the edited lines read back differently");
    return 0;
}
