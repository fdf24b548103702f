#include "card_fixture.h"

#include "platform/volume_monitor.h"
#include "settings/store/language_titles.h"
#include "settings/store/r640_setting_manager.h"

#include <gtest/gtest.h>

using namespace drovik;
using namespace drovik::test;

namespace {

// Every product name of the model table, in any case, on a 432-byte record that states no length.
TEST(Detection, ProductNames)
{
    const std::pair<const char *, ModelType> names[] = {
        {"k210", 0},     {"R640", 1},     {"V470", 2},      {"470", 2},         {"V820", 3},
        {"R930", 5},     {"V530", 7},     {"v560", 8},      {"V880", 9},        {"R970", 10},
        {"R60", 11},     {"RB20", 12},    {"R120", 13},     {"VM30", 14},       {"RM30", 15},
        {"R810", 16},    {"R810MAX", 17}, {"RB740", 18},    {"QT-K9-PN", 19},   {"R75", 20},
        {"R280", 21},    {"RB280", 22},   {"V990", 23},     {"DVR-R810MAX", 24}, {"dvr-r280", 25},
    };
    for (const auto &[name, type] : names) {
        TempFolder card;
        ASSERT_TRUE(card.put(kSetupFile, makeRecord(432, name, 0)));
        R640SettingManager manager;
        EXPECT_EQ(manager.loadModelTypeWithSDPath(card.root()), type) << name;
        EXPECT_TRUE(manager.modelName().isNull()) << name;
    }
}

// Records no name identifies: the length rule, the text file, nothing.
TEST(Detection, UnknownNames)
{
    struct Case {
        QByteArray productName;
        int fileSize; // -1: no record
        qint64 lengthField;
        bool blackbox;
        ModelType expected;
        const char *modelName; // set by the length rule only
    };
    const Case cases[] = {
        {"DVR-L999", 596, 596, false, 26, "DVR-L999"},
        {"ABCDEFGHIJKLMNOP", 600, 600, false, 26, "ABCDEFGHIJKLMNOP"},
        {"DVR-L999", 596, 432, false, -1, nullptr},
        {"DVR-L999", 596, 700, false, -1, nullptr},
        {"DVR-L999", 596, 432, true, 6, nullptr},
        {"R640", 432, 0, true, 1, nullptr},
        {"", -1, 0, true, 6, nullptr},
        {"", -1, 0, false, -1, nullptr},
        {"", 23, 23, false, -1, nullptr},
        {"", 3, 3, false, -1, nullptr},
        {"", 0, 0, true, 6, nullptr},
        {"\xFF\xFE", 596, 596, false, 26, nullptr},
    };
    for (const Case &c : cases) {
        TempFolder card;
        if (c.fileSize >= 0) {
            ASSERT_TRUE(card.put(kSetupFile, makeRecord(c.fileSize, c.productName, c.lengthField)));
        }
        if (c.blackbox) {
            ASSERT_TRUE(card.put(kBlackboxFile, "const=60"));
        }
        R640SettingManager manager;
        EXPECT_EQ(manager.loadModelTypeWithSDPath(card.root()), c.expected) << c.productName.toStdString();
        EXPECT_EQ(manager.modelName(), c.modelName ? QString::fromUtf8(c.modelName) : QString());
        EXPECT_EQ(manager.modelName().isNull(), !c.modelName);
    }
}

TEST(Detection, LowerCaseSettingFolderFirst)
{
    TempFolder card;
    ASSERT_TRUE(card.put(QStringLiteral("setting/setup.cfg"), makeRecord(432, "r640", 432)));
    ASSERT_TRUE(card.put(kSetupFile, makeRecord(432, "k210", 432)));
    R640SettingManager manager;
    EXPECT_EQ(manager.loadModelTypeWithSDPath(card.root()), 1);
    EXPECT_EQ(manager.loadModelTypeWithSDPath(QString()), -1);
}

TEST(Detection, RegionCode)
{
    struct Case { int fileSize; qint64 value; qint64 expected; };
    for (const Case &c : {Case{463, 0, -1}, Case{464, 3, 3}, Case{504, 6, 6}, Case{464, 0, 0},
                          Case{464, -1, -1}, Case{464, 7, -1}, Case{464, -2, -1}, Case{600, 5, 5}}) {
        TempFolder card;
        QByteArray record = makeRecord(c.fileSize, "V820", c.fileSize);
        if (c.fileSize >= 464)
            putLe32(record, 460, c.value);
        ASSERT_TRUE(card.put(kSetupFile, record));
        EXPECT_EQ(R640SettingManager().loadLocalIDWithSDPath(card.root()), c.expected) << c.value;
    }
}

// The version text at 40, cut at the file's end; nil when absent or not UTF-8.
TEST(Detection, VersionText)
{
    struct Case { int fileSize; QByteArray versionBytes; const char *expected; };
    const Case cases[] = {{47, "1.00.17", nullptr},       {48, "1.00.17", "1.00.17"},
                          {48, "12345678XY", "12345678"}, {49, "12345678XY", "12345678X"},
                          {50, "1234567890", "1234567890"}, {432, "1.02.16", "1.02.16"},
                          {432, "\xC3\x28", nullptr},     {432, "1.0\xE2\x82", nullptr}};
    for (const Case &c : cases) {
        TempFolder card;
        QByteArray record = makeRecord(qMax(c.fileSize, 50), "V820", 0);
        putText(record, 40, c.versionBytes);
        record.truncate(c.fileSize);
        ASSERT_TRUE(card.put(kSetupFile, record));
        const QString version = R640SettingManager().loadVersionSDPath(card.root());
        EXPECT_EQ(version, c.expected ? QString::fromUtf8(c.expected) : QString()) << c.fileSize;
        EXPECT_EQ(version.isNull(), !c.expected) << c.fileSize;
    }
    const std::pair<const char *, int> firmware[] = {
        {"1.00.17", 17}, {"1.02.16", 16}, {nullptr, 0}, {"", 0}, {"17", 17}, {"1.00.x7", 0},
        {"1.00. 18b", 18}, {"1.00.-3", -3}, {"1.00.", 0}, {"1.00.99999999999", 2147483647}};
    for (const auto &[text, number] : firmware)
        EXPECT_EQ(R640SettingManager::firmwareVersionFromText(text ? QString::fromLatin1(text) : QString()),
                  number) << (text ? text : "nil");
}

TEST(Detection, VersionDecidesTheV820RecordLength)
{
    struct Case { const char *version; int fields; };
    for (const Case &c : {Case{"1.02.16", 68}, Case{"1.02.17", 78}}) {
        TempFolder card;
        QByteArray record = makeRecord(464, "V820", 464);
        putText(record, 40, c.version);
        ASSERT_TRUE(card.put(kSetupFile, record));
        R640SettingManager manager;
        manager.loadVersionInfoWithSDPath(card.root());
        EXPECT_EQ(manager.modelType(), 3);
        EXPECT_EQ(manager.getSettingVariableCount(), c.fields) << c.version;
    }
    // A record too short for the region code keeps the one the manager had.
    TempFolder card;
    ASSERT_TRUE(card.put(kSetupFile, makeRecord(432, "V820", 432)));
    R640SettingManager manager;
    manager.setLocalID(3);
    manager.loadVersionInfoWithSDPath(card.root());
    EXPECT_EQ(manager.localID(), 3);
    EXPECT_TRUE(manager.version().isEmpty());
}

TEST(Detection, FirstRecognisedCardAmongVolumesWins)
{
    TempFolder volumes;
    ASSERT_TRUE(volumes.put(QStringLiteral("A_photos/DCIM/x.jpg"), "jpeg"));
    VolumeMonitor monitor(volumes.root());
    R640SettingManager manager(&monitor);
    manager.loadVersionInfo();
    EXPECT_TRUE(manager.settingDirPath().isEmpty());
    EXPECT_TRUE(manager.sdcard_url().isEmpty());
    EXPECT_EQ(manager.modelType(), -1);
    EXPECT_EQ(manager.firmwareVersionInt(), 0);

    ASSERT_TRUE(volumes.put(QStringLiteral("B_card/") + kSetupFile, makeRecord(432, "R640", 432)));
    ASSERT_TRUE(volumes.put(QStringLiteral("C_card/") + kSetupFile, makeRecord(432, "K210", 432)));
    monitor.refresh();
    manager.loadVersionInfo();
    EXPECT_EQ(manager.settingDirPath(), volumes.path(QStringLiteral("B_card")));
    EXPECT_EQ(manager.sdcard_url(), QUrl::fromLocalFile(volumes.path(QStringLiteral("B_card"))));
    EXPECT_EQ(manager.modelType(), 1);
}

LanguageEntry entry(qint64 index, const char *code)
{
    return {index, QString::fromLatin1(code)};
}

TEST(Detection, LanguagesOfVerDat)
{
    const std::pair<const char *, QList<LanguageEntry>> cases[] = {
        {"# Language ISO Code:en ko ja", {entry(0, "en"), entry(1, "ko"), entry(2, "ja")}},
        {"# Language ISO Code: en ko ja", {entry(0, ""), entry(1, "en"), entry(2, "ko"), entry(3, "ja")}},
        {"x\n#\tLanguage ISO Code:en fr  \r\nend", {entry(0, "en"), entry(1, "fr")}},
        {"#  Language ISO Code:en  ko", {entry(0, "en"), entry(1, ""), entry(2, "ko")}},
        {"# Language ISO Code:en\n# Language ISO Code:fr es", {entry(0, "en"), entry(0, "fr"), entry(1, "es")}},
        {"#Language ISO Code:en", {}},
        {"# Language ISO Code:", {}},
        {"", {}},
    };
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(R640SettingManager::parseLanguages(QString::fromUtf8(text)), expected) << text;
}

TEST(Detection, LanguagesFallBackToTheDefaultList)
{
    const QList<LanguageEntry> defaults = {entry(0, "en"), entry(1, "fr"), entry(4, "es")};
    struct Case { const char *name; QByteArray verDat; bool present; };
    for (const Case &c : {Case{"missing", "", false}, Case{"no match", "hello\n", true},
                         Case{"not utf-8", "# Language ISO Code:en \xFF", true}}) {
        TempFolder card;
        if (c.present) {
            ASSERT_TRUE(card.put(QStringLiteral("SETTING/lang/ver.dat"), c.verDat));
        }
        R640SettingManager manager;
        manager.setSettingDirPath(card.root());
        manager.loadLanguages();
        EXPECT_EQ(manager.languages(), defaults) << c.name;
    }
}

TEST(LanguageTitles, Table)
{
    const std::pair<const char *, const char *> titles[] = {
        {"en", "English"}, {"ko", "Korean"}, {"iw", "Hebrew"}, {"in", "Indonesian"}, {"ji", "Yiddish"},
        {"mo", "Moldavian"}, {"sh", "Serbo-Croatian"}, {"zh-Hans", "Chinese (Simplified)"},
        {"zh-Hant-HK", "Chinese(Traditional/Contonese)"}, {"zh-wuu", "Shanghaiese or Wu"},
        {"zh-hans", "zh-hans"}, {"EN", "EN"}, {"xx", "xx"}, {"", ""}};
    for (const auto &[code, title] : titles)
        EXPECT_EQ(languageTitleByExpandingCode(QString::fromLatin1(code)), QString::fromUtf8(title)) << code;
    EXPECT_EQ(languageTitleCount(), 163);
}

} // namespace
