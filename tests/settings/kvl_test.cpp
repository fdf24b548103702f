#include "card_fixture.h"

#include "settings/store/kvl_setting_manager.h"

#include <gtest/gtest.h>

using namespace drovik;
using namespace drovik::test;

namespace {

// Lines split at CR LF only, blanks trimmed at the file's ends, written back as they were.
TEST(Kvl, ReadAndWrittenBack)
{
    const std::pair<QByteArray, QStringList> cases[] = {
        {"const=60\r\nevent=22\r\n", strings({"const=60", "event=22", ""})},
        {"const=60\nevent=22\n", strings({"const=60\nevent=22\n"})},
        {" \t const=60\r\nevent=22", strings({"const=60", "event=22"})},
        {"const=60\r\nevent=22 \t", strings({"const=60", "event=22"})},
        {"model= N260 \r\n\r\nx", strings({"model= N260 ", "", "x"})},
        {"\r\nconst=1", strings({"", "const=1"})},
        {"\xEF\xBB\xBF" "const=1", QStringList{QChar(0xFEFF) + QStringLiteral("const=1")}},
        {"", strings({""})},
    };
    for (const auto &[file, expected] : cases) {
        TempFolder card;
        ASSERT_TRUE(card.put(kBlackboxFile, file));
        R640SettingManager r640;
        r640.setSettingDirPath(card.root());
        KvlSettingManager manager(r640);
        EXPECT_EQ(manager.loadData(), KvlLoadSource::CardFile);
        EXPECT_EQ(manager.linedSettings(), expected) << file.toStdString();
        EXPECT_EQ(manager.saveData(), CardWriteStatus::Written);
        EXPECT_EQ(card.get(kBlackboxFile), kvlBytes(expected)) << file.toStdString();
    }
}

// A file that is not UTF-8, or too large to read whole, is neither cut nor overwritten.
TEST(Kvl, UnreadableFileIsNeverOverwritten)
{
    for (const QByteArray &file : {QByteArray("const=60\r\nmodel=\xFF\xFE"), QByteArray("const=60\r\n").append(QByteArray(1 << 20, 'x'))}) {
        TempFolder card;
        ASSERT_TRUE(card.put(kBlackboxFile, file));
        R640SettingManager r640;
        r640.setSettingDirPath(card.root());
        KvlSettingManager manager(r640);
        EXPECT_EQ(manager.loadData(), KvlLoadSource::Unreadable);
        EXPECT_FALSE(manager.hasLinedSettings());
        manager.addTimeDateDelimiters(strings({"year=2024"}));
        EXPECT_TRUE(isCardError(manager.saveData()));
        EXPECT_EQ(card.get(kBlackboxFile), file);
    }
}

TEST(Kvl, NoCardFileGivesTheBuiltInDefaultsAndSaveCreatesIt)
{
    TempFolder card;
    R640SettingManager r640;
    r640.setSettingDirPath(card.root());
    KvlSettingManager manager(r640);
    EXPECT_EQ(manager.loadData(), KvlLoadSource::BuiltInDefaults);
    EXPECT_EQ(manager.saveData(), CardWriteStatus::Written);
    EXPECT_EQ(card.get(kBlackboxFile),
              readFile(QStringLiteral(DROVIK_SOURCE_DIR "/resources/defaults/default_N260.cfg")));
    r640.setSettingDirPath(QString());
    EXPECT_EQ(manager.loadData(), KvlLoadSource::BuiltInDefaults);
    EXPECT_EQ(manager.saveData(), CardWriteStatus::NoCard);
}

// The built-in file must hold every key, in order, with a value the editor shows as is.
TEST(Kvl, BuiltInDefaultsHoldEveryKeyWithAnAcceptedValue)
{
    R640SettingManager r640;
    KvlSettingManager manager(r640);
    ASSERT_EQ(manager.loadDefaultData_N260(), KvlLoadSource::BuiltInDefaults);
    const QStringList got = manager.linedSettings();
    const QStringList &keys = KvlSettingManager::knownKeyPrefixes();
    ASSERT_EQ(keys.size(), 25);
    ASSERT_EQ(got.size(), keys.size());
    QHash<QString, QString> value;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        ASSERT_TRUE(got.at(i).startsWith(keys.at(i))) << got.at(i).toStdString();
        value.insert(keys.at(i), got.at(i).mid(keys.at(i).size()));
    }
    const PartitionRatios partition{value[QStringLiteral("const=")], value[QStringLiteral("event=")],
                                    value[QStringLiteral("park=")], value[QStringLiteral("manual=")]};
    EXPECT_TRUE(KvlSettingManager::memoryPartitionRatiosArray().contains(partition));
    EXPECT_TRUE(QStringList({QStringLiteral("us"), QStringLiteral("fr")})
                    .contains(value[QStringLiteral("language=")]));
    EXPECT_TRUE(QList<int>({0, 118, 120, 122})
                    .contains(value[QStringLiteral("power_off_vlt=")].toInt() / 100));
    const struct { const char *key; QList<int> accepted; } ranges[] = {
        {"park_mode=", {0, 1}},   {"summer_time=", {0, 1}},       {"osd_speed=", {1, 2}},
        {"mic_in=", {0, 1}},      {"voice_out=", {0, 1}},         {"voice_volume=", {1, 3, 5}},
        {"acc_level=", {2, 3, 4}}, {"motion_level=", {1, 3, 5}},  {"front_led=", {0, 1}},
        {"set=", {0, 1}},
    };
    for (const auto &range : ranges) {
        bool ok = false;
        const int n = value[QString::fromLatin1(range.key)].toInt(&ok);
        EXPECT_TRUE(ok && range.accepted.contains(n)) << range.key;
    }
    bool ok = false;
    const double offset = value[QStringLiteral("local_time=")].toDouble(&ok);
    EXPECT_TRUE(ok && offset >= -10 && offset <= 10);
}

TEST(Kvl, LoadDefaultValueOnlyForTheTextFileModel)
{
    R640SettingManager r640;
    KvlSettingManager manager(r640);
    manager.setLinedSettings(strings({"x=1"}));
    r640.setModelType(1);
    manager.loadDefaultValue();
    EXPECT_EQ(manager.linedSettings(), strings({"x=1"}));
    r640.setModelType(6);
    manager.loadDefaultValue();
    EXPECT_EQ(manager.linedSettings().size(), 25);
}

// The first line of each clock key goes; the clock lines come back after the first set= line.
TEST(Kvl, ClockLines)
{
    const QStringList clock = strings({"year=2024", "month=3", "day=5", "hour=9", "min=7", "sec=2"});
    const std::pair<QStringList, QStringList> removed[] = {
        {strings({"a=1", "set=1", "year=2024", "month=5", "day=6", "hour=13", "min=45", "sec=7", "b=2"}),
         strings({"a=1", "set=1", "b=2"})},
        {strings({"year=1", "x=0", "year=2"}), strings({"x=0", "year=2"})},
        {strings({" year=1", "years=2", "minute=3", "min=4"}), strings({" year=1", "years=2", "minute=3"})},
        {strings({"set=0"}), strings({"set=0"})},
    };
    const std::pair<QStringList, QStringList> added[] = {
        {strings({"a=1", "set=1", "b=2", "set=0"}), strings({"a=1", "set=1"}) + clock + strings({"b=2", "set=0"})},
        {strings({"a=1", "b=2", "c=3"}), strings({"a=1"}) + clock + strings({"b=2", "c=3"})},
        {QStringList(), clock},
    };
    R640SettingManager r640;
    KvlSettingManager manager(r640);
    for (const auto &[before, after] : removed) {
        manager.setLinedSettings(before);
        manager.removeTimeDateDelimiters();
        EXPECT_EQ(manager.linedSettings(), after) << before.join(QLatin1Char(' ')).toStdString();
    }
    for (const auto &[before, after] : added) {
        manager.setLinedSettings(before);
        manager.addTimeDateDelimiters(clock);
        EXPECT_EQ(manager.linedSettings(), after) << before.join(QLatin1Char(' ')).toStdString();
    }
}

} // namespace
