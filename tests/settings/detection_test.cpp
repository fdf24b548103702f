#include "card_fixture.h"

#include "platform/volume_monitor.h"
#include "settings/store/language_titles.h"
#include "settings/store/r640_setting_manager.h"

#include <gtest/gtest.h>

using namespace drovik;
using namespace drovik::test;

namespace {

const QString kSetup = QStringLiteral("SETTING/setup.cfg");
const QString kBlackbox = QStringLiteral("SETTING/blackbox.cfg");

struct ModelCase {
    const char *name;
    QByteArray productName;
    int fileSize;          // -1: no record
    qint64 lengthField;
    bool blackbox;
    ModelType expected;
    const char *modelName; // set by the length rule only
};

class ModelTypeTest : public ::testing::TestWithParam<ModelCase> {};

TEST_P(ModelTypeTest, Recognition)
{
    const ModelCase c = GetParam();
    TempFolder card;
    if (c.fileSize >= 0) {
        ASSERT_TRUE(card.put(kSetup, makeRecord(c.fileSize, c.productName, c.lengthField)));
    }
    if (c.blackbox) {
        ASSERT_TRUE(card.put(kBlackbox, "const=60"));
    }
    R640SettingManager manager;
    EXPECT_EQ(manager.loadModelTypeWithSDPath(card.root()), c.expected);
    if (c.modelName) {
        EXPECT_EQ(manager.modelName(), QString::fromUtf8(c.modelName));
    } else {
        EXPECT_TRUE(manager.modelName().isNull());
    }
}

INSTANTIATE_TEST_SUITE_P(
    ProductNames, ModelTypeTest,
    ::testing::Values(
        ModelCase{"K210", "k210", 432, 0, false, 0, nullptr},
        ModelCase{"CapitalR640", "R640", 432, 0, false, 1, nullptr},
        ModelCase{"V470", "V470", 432, 0, false, 2, nullptr},
        ModelCase{"Bare470", "470", 432, 0, false, 2, nullptr},
        ModelCase{"V820", "V820", 464, 0, false, 3, nullptr},
        ModelCase{"R930", "R930", 508, 0, false, 5, nullptr},
        ModelCase{"V530", "V530", 516, 0, false, 7, nullptr},
        ModelCase{"RM30", "RM30", 516, 0, false, 15, nullptr},
        ModelCase{"R810", "R810", 560, 0, false, 16, nullptr},
        ModelCase{"R810MAX", "R810MAX", 579, 0, false, 17, nullptr},
        ModelCase{"QtK9", "QT-K9-PN", 564, 0, false, 19, nullptr},
        ModelCase{"DvrR810Max", "DVR-R810MAX", 593, 0, false, 24, nullptr},
        ModelCase{"DvrR280", "dvr-r280", 593, 0, false, 25, nullptr},
        ModelCase{"UnknownSelfSized", "DVR-L999", 596, 596, false, 26, "DVR-L999"},
        ModelCase{"UnknownSixteenBytes", "ABCDEFGHIJKLMNOP", 600, 600, false, 26, "ABCDEFGHIJKLMNOP"},
        ModelCase{"UnknownWrongLength", "DVR-L999", 596, 432, false, -1, nullptr},
        ModelCase{"UnknownWrongLengthBlackbox", "DVR-L999", 596, 432, true, 6, nullptr},
        ModelCase{"RecordWinsOverBlackbox", "R640", 432, 0, true, 1, nullptr},
        ModelCase{"BlackboxOnly", "", -1, 0, true, 6, nullptr},
        ModelCase{"NothingThere", "", -1, 0, false, -1, nullptr},
        ModelCase{"TooShortForAName", "", 23, 23, false, -1, nullptr},
        ModelCase{"TooShortForALength", "", 3, 3, false, -1, nullptr},
        ModelCase{"EmptyRecord", "", 0, 0, true, 6, nullptr},
        ModelCase{"NameNotUtf8", "\xFF\xFE", 596, 596, false, 26, nullptr}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Detection, LowerCaseSettingFolderFirst)
{
    TempFolder card;
    ASSERT_TRUE(card.put(QStringLiteral("setting/setup.cfg"), makeRecord(432, "r640", 432)));
    ASSERT_TRUE(card.put(kSetup, makeRecord(432, "k210", 432)));
    R640SettingManager manager;
    EXPECT_EQ(manager.loadModelTypeWithSDPath(card.root()), 1);
    EXPECT_EQ(manager.loadModelTypeWithSDPath(QString()), -1);
}

struct LocalIdCase {
    int fileSize;
    qint64 value;
    qint64 expected;
};

class LocalIdTest : public ::testing::TestWithParam<LocalIdCase> {};

TEST_P(LocalIdTest, RegionCode)
{
    const LocalIdCase c = GetParam();
    TempFolder card;
    QByteArray record = makeRecord(c.fileSize, "V820", c.fileSize);
    if (c.fileSize >= 464)
        putLe32(record, 460, c.value);
    ASSERT_TRUE(card.put(kSetup, record));
    EXPECT_EQ(R640SettingManager().loadLocalIDWithSDPath(card.root()), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Values, LocalIdTest,
                         ::testing::Values(LocalIdCase{463, 0, -1}, LocalIdCase{464, 3, 3},
                                           LocalIdCase{504, 6, 6}, LocalIdCase{464, 0, 0},
                                           LocalIdCase{464, -1, -1}, LocalIdCase{464, 7, -1},
                                           LocalIdCase{464, -2, -1},
                                           LocalIdCase{600, 5, 5}));

struct VersionCase {
    int fileSize;
    QByteArray versionBytes; // placed at 40, cut at the file's end
    const char *expected;    // nullptr: nil
};

class VersionTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(VersionTest, VersionText)
{
    const VersionCase c = GetParam();
    TempFolder card;
    QByteArray record = makeRecord(qMax(c.fileSize, 50), "V820", 0);
    putText(record, 40, c.versionBytes);
    record.truncate(c.fileSize);
    ASSERT_TRUE(card.put(kSetup, record));
    const QString version = R640SettingManager().loadVersionSDPath(card.root());
    if (c.expected) {
        EXPECT_EQ(version, QString::fromUtf8(c.expected));
    } else {
        EXPECT_TRUE(version.isNull());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, VersionTest,
    ::testing::Values(VersionCase{47, "1.00.17", nullptr}, VersionCase{48, "1.00.17", "1.00.17"},
                      VersionCase{48, "12345678XY", "12345678"},
                      VersionCase{49, "12345678XY", "12345678X"},
                      VersionCase{50, "1234567890", "1234567890"},
                      VersionCase{432, "1.02.16", "1.02.16"},
                      VersionCase{432, "\xC3\x28", nullptr},
                      VersionCase{432, "1.0\xE2\x82", nullptr}));

struct FirmwareCase {
    const char *version;
    int expected;
};

class FirmwareTest : public ::testing::TestWithParam<FirmwareCase> {};

TEST_P(FirmwareTest, LastPartAsNumber)
{
    const FirmwareCase c = GetParam();
    const QString version = c.version ? QString::fromLatin1(c.version) : QString();
    EXPECT_EQ(R640SettingManager::firmwareVersionFromText(version), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FirmwareTest,
    ::testing::Values(FirmwareCase{"1.00.17", 17}, FirmwareCase{"1.02.16", 16},
                      FirmwareCase{nullptr, 0}, FirmwareCase{"", 0}, FirmwareCase{"17", 17},
                      FirmwareCase{"1.00.x7", 0}, FirmwareCase{"1.00. 18b", 18},
                      FirmwareCase{"1.00.-3", -3}, FirmwareCase{"1.00.", 0},
                      FirmwareCase{"1.00.99999999999", 2147483647}));

TEST(Detection, VersionDecidesTheV820RecordLength)
{
    struct Case { const char *version; int fields; };
    for (const Case &c : {Case{"1.02.16", 68}, Case{"1.02.17", 78}}) {
        TempFolder card;
        QByteArray record = makeRecord(464, "V820", 464);
        putText(record, 40, c.version);
        ASSERT_TRUE(card.put(kSetup, record));
        R640SettingManager manager;
        manager.loadVersionInfoWithSDPath(card.root());
        EXPECT_EQ(manager.modelType(), 3);
        EXPECT_EQ(manager.getSettingVariableCount(), c.fields) << c.version;
    }
}

TEST(Detection, ShortRecordKeepsTheEarlierRegionCode)
{
    TempFolder card;
    ASSERT_TRUE(card.put(kSetup, makeRecord(432, "V820", 432)));
    R640SettingManager manager;
    manager.setLocalID(3);
    manager.loadVersionInfoWithSDPath(card.root());
    EXPECT_EQ(manager.localID(), 3);
    EXPECT_TRUE(manager.version().isNull() || manager.version().isEmpty());
}

TEST(Detection, FirstRecognisedCardAmongVolumesWins)
{
    TempFolder volumes;
    ASSERT_TRUE(volumes.put(QStringLiteral("A_photos/DCIM/x.jpg"), "jpeg"));
    ASSERT_TRUE(volumes.put(QStringLiteral("B_card/") + kSetup, makeRecord(432, "R640", 432)));
    ASSERT_TRUE(volumes.put(QStringLiteral("C_card/") + kSetup, makeRecord(432, "K210", 432)));
    VolumeMonitor monitor(volumes.root());
    R640SettingManager manager(&monitor);
    manager.loadVersionInfo();
    EXPECT_EQ(manager.settingDirPath(), volumes.path(QStringLiteral("B_card")));
    EXPECT_EQ(manager.sdcard_url(), QUrl::fromLocalFile(volumes.path(QStringLiteral("B_card"))));
    EXPECT_EQ(manager.modelType(), 1);
}

TEST(Detection, NoRecognisedCard)
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
}

struct LanguageCase {
    const char *name;
    const char *text;
    QList<LanguageEntry> expected;
};

class LanguagesTest : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(LanguagesTest, Parse)
{
    EXPECT_EQ(R640SettingManager::parseLanguages(QString::fromUtf8(GetParam().text)),
              GetParam().expected);
}

LanguageEntry entry(qint64 index, const char *code)
{
    return {index, QString::fromLatin1(code)};
}

INSTANTIATE_TEST_SUITE_P(
    VerDat, LanguagesTest,
    ::testing::Values(
        LanguageCase{"RightAfterColon", "# Language ISO Code:en ko ja",
                     {entry(0, "en"), entry(1, "ko"), entry(2, "ja")}},
        LanguageCase{"BlankAfterColon", "# Language ISO Code: en ko ja",
                     {entry(0, ""), entry(1, "en"), entry(2, "ko"), entry(3, "ja")}},
        LanguageCase{"CrLfAndTrailingBlanks", "x\n#\tLanguage ISO Code:en fr  \r\nend",
                     {entry(0, "en"), entry(1, "fr")}},
        LanguageCase{"DoubleBlankBetween", "#  Language ISO Code:en  ko",
                     {entry(0, "en"), entry(1, ""), entry(2, "ko")}},
        LanguageCase{"TwoLinesAppend", "# Language ISO Code:en\n# Language ISO Code:fr es",
                     {entry(0, "en"), entry(0, "fr"), entry(1, "es")}},
        LanguageCase{"NoBlankAfterHash", "#Language ISO Code:en", {}},
        LanguageCase{"NothingAfterColon", "# Language ISO Code:", {}},
        LanguageCase{"Empty", "", {}}),
    [](const auto &info) { return std::string(info.param.name); });

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

struct TitleCase {
    const char *code;
    const char *title;
};

class LanguageTitleTest : public ::testing::TestWithParam<TitleCase> {};

TEST_P(LanguageTitleTest, Expand)
{
    EXPECT_EQ(languageTitleByExpandingCode(QString::fromLatin1(GetParam().code)),
              QString::fromUtf8(GetParam().title));
}

INSTANTIATE_TEST_SUITE_P(
    Table, LanguageTitleTest,
    ::testing::Values(TitleCase{"en", "English"}, TitleCase{"ko", "Korean"},
                      TitleCase{"iw", "Hebrew"}, TitleCase{"in", "Indonesian"},
                      TitleCase{"ji", "Yiddish"}, TitleCase{"mo", "Moldavian"},
                      TitleCase{"sh", "Serbo-Croatian"},
                      TitleCase{"zh-Hans", "Chinese (Simplified)"},
                      TitleCase{"zh-Hant-HK", "Chinese(Traditional/Contonese)"},
                      TitleCase{"zh-wuu", "Shanghaiese or Wu"},
                      TitleCase{"zh-hans", "zh-hans"}, TitleCase{"EN", "EN"},
                      TitleCase{"xx", "xx"}, TitleCase{"", ""}));

TEST(LanguageTitles, TableSize)
{
    EXPECT_EQ(languageTitleCount(), 163);
}

} // namespace
