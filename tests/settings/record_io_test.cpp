#include "card_fixture.h"

#include "settings/store/r640_setting_manager.h"

#include <gtest/gtest.h>

#include <QFileInfo>

#include <QRandomGenerator>

using namespace drovik;
using namespace drovik::test;

namespace {

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, '\0');
    for (char &c : bytes)
        c = char(random.bounded(256));
    return bytes;
}

// Every byte of a record, texts in any encoding included, survives a read and a write.
TEST(RecordIo, ArbitraryRecordBytesRoundTripExactly)
{
    for (ModelType type : {0, 3, 5, 7, 13, 16, 17, 21, 23, 24, 26}) {
        R640SettingManager manager;
        manager.setModelType(type);
        const QByteArray record = randomBytes(manager.getSaveDataSize(), quint32(type) + 7);
        EXPECT_EQ(manager.applyRecordBytes(record, manager.getSettingVariableCount()),
                  manager.getSettingVariableCount());
        EXPECT_EQ(manager.recordBytes(), record) << "model type " << type;
    }
}

// The 16-byte product_name: zero-padded, cut, and never cut inside a character.
TEST(RecordIo, TextFieldWrittenZeroPaddedAndCut)
{
    const std::pair<QByteArray, QByteArray> cases[] = {
        {"V820", QByteArray("V820").leftJustified(16, '\0')},
        {"ABCDEFGHIJKLMNOP", "ABCDEFGHIJKLMNOP"},
        {"ABCDEFGHIJKLMNOPQRS", "ABCDEFGHIJKLMNOP"},
        {"ABCDEFGHIJKLMN\xEA\xB0\x80", QByteArray("ABCDEFGHIJKLMN").leftJustified(16, '\0')},
        {"", QByteArray(16, '\0')},
    };
    for (const auto &[written, expected] : cases) {
        R640SettingManager manager;
        manager.setProduct_name(QString::fromUtf8(written));
        EXPECT_EQ(manager.recordBytes().mid(8, 16), expected) << written.toStdString();
    }
}

// A field the file did not wholly hold keeps the value the manager had; the record is
// rewritten at the model's length.
TEST(RecordIo, LoadReadsWhatIsThereAndRewritesAtModelLength)
{
    struct Case { ModelType type; int firmware; int fileSize; int writtenSize; int fieldsRead; };
    const Case cases[] = {
        {3, 16, 464, 464, 68}, {3, 17, 464, 504, 68}, {3, 17, 504, 504, 78}, {26, 0, 600, 596, 116},
        {0, 0, 500, 432, 60},  {1, 0, 0, 432, 0},     {1, 0, 3, 432, 0},     {1, 0, 4, 432, 1},
        {1, 0, 23, 432, 2},    {1, 0, 50, 432, 5},    {1, 0, 51, 432, 5},    {26, 0, 590, 596, 110},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << ", " << c.fileSize << " bytes");
        TempFolder card;
        const QByteArray file = randomBytes(c.fileSize, quint32(c.fileSize));
        ASSERT_TRUE(card.put(kSetupFile, file));
        R640SettingManager manager;
        manager.setSettingDirPath(card.root());
        manager.setModelType(c.type);
        manager.setFirmwareVersionInt(c.firmware);
        for (const FieldInfo &info : kSetupRecordFields) {
            if (!info.isText())
                manager.setIntValue(info.field, 0x5A);
        }
        const RecordLoadResult result = manager.loadData();
        EXPECT_EQ(result.read, RecordReadStatus::Read);
        EXPECT_EQ(result.write, CardWriteStatus::Written);
        const QByteArray written = card.get(kSetupFile);
        ASSERT_EQ(written.size(), c.writtenSize);
        const int readBytes = recordSizeForFieldCount(c.fieldsRead);
        EXPECT_EQ(written.left(readBytes), file.left(readBytes));
        for (int i = c.fieldsRead; i < manager.getSettingVariableCount(); ++i) {
            const FieldInfo &info = kSetupRecordFields[std::size_t(i)];
            if (!info.isText()) {
                EXPECT_EQ(manager.intValue(info.field), 0x5A) << info.name;
            }
        }
    }
}

TEST(RecordIo, TextThatIsNotUtf8ReadsAsNilAndKeepsItsBytes)
{
    TempFolder card;
    QByteArray file = makeRecord(432, "R640", 432);
    putText(file, 24, QByteArray(16, '\xFF'));                       // erased flash
    putText(file, 356, QByteArray("1.0\0\xFF\xFF", 6));              // text, then erased flash
    ASSERT_TRUE(card.put(kSetupFile, file));

    R640SettingManager manager;
    manager.setSettingDirPath(card.root());
    manager.setModelType(1);
    manager.loadData();
    EXPECT_TRUE(manager.serial_number().isNull());
    EXPECT_EQ(manager.micom_version(), QStringLiteral("1.0"));
    EXPECT_EQ(card.get(kSetupFile), file);

    manager.setSerial_number(QString());          // the same nil: bytes stay
    manager.setMicom_version(QStringLiteral("1.0")); // the same text: bytes stay
    EXPECT_EQ(manager.recordBytes(), file);

    manager.setSerial_number(QStringLiteral("SN1"));
    EXPECT_EQ(manager.recordBytes().mid(24, 16), QByteArray("SN1").leftJustified(16, '\0'));
}

TEST(RecordIo, SixteenByteProductNameReadWhole)
{
    TempFolder card;
    const QByteArray file = makeRecord(432, "ABCDEFGHIJKLMNOP", 432);
    ASSERT_TRUE(card.put(kSetupFile, file));
    R640SettingManager manager;
    manager.setSettingDirPath(card.root());
    manager.setModelType(0);
    manager.loadData();
    EXPECT_EQ(manager.product_name(), QStringLiteral("ABCDEFGHIJKLMNOP"));
    EXPECT_EQ(card.get(kSetupFile).mid(8, 16), QByteArray("ABCDEFGHIJKLMNOP"));
}

TEST(RecordIo, NoRecordAppliesDefaultsAndWritesNothing)
{
    TempFolder card;
    R640SettingManager manager;
    manager.setSettingDirPath(card.root());
    manager.setModelType(1);
    const RecordLoadResult result = manager.loadData();
    EXPECT_EQ(result.read, RecordReadStatus::DefaultsApplied);
    EXPECT_EQ(result.write, CardWriteStatus::NotAttempted);
    EXPECT_EQ(manager.product_name(), QStringLiteral("R640"));
    EXPECT_FALSE(card.has(kSetupFile));
}

TEST(RecordIo, FailedWriteLeavesTheOldRecord)
{
    TempFolder card;
    ASSERT_TRUE(card.put(QStringLiteral("SETTING"), "a file where the folder should be"));
    R640SettingManager manager;
    manager.setSettingDirPath(card.root());
    manager.setModelType(1);
    const CardWriteStatus blocked = manager.saveData();
    EXPECT_EQ(blocked, CardWriteStatus::WriteFailed);
    EXPECT_FALSE(blocked.reason.isEmpty()) << "the system's reason";
    EXPECT_EQ(card.get(QStringLiteral("SETTING")), QByteArray("a file where the folder should be"));
    manager.setSettingDirPath(QString());
    EXPECT_EQ(manager.saveData(), CardWriteStatus::NoCard);
    EXPECT_TRUE(isCardError(CardWriteStatus::NoCard));
    // A card pulled while its settings were open: its folder is gone, and must stay gone
    // rather than be made again, with the settings in it, on the computer's own disk.
    const QString pulled = card.root() + QStringLiteral("/PULLED_CARD");
    manager.setSettingDirPath(pulled);
    EXPECT_EQ(manager.saveData(), CardWriteStatus::NoCard);
    EXPECT_FALSE(QFileInfo::exists(pulled));
}

TEST(RecordIo, SaveCreatesTheSettingFolder)
{
    TempFolder card;
    R640SettingManager manager;
    manager.setSettingDirPath(card.root());
    manager.setModelType(5);
    manager.loadDefaultValue();
    EXPECT_EQ(manager.saveData(), CardWriteStatus::Written);
    const QByteArray written = card.get(kSetupFile);
    ASSERT_EQ(written.size(), 508);
    EXPECT_EQ(le32(written, 0), 508);
    EXPECT_EQ(le32(written, 224), 0x0D030D00);
}

TEST(RecordIo, DefaultCfgFillsEveryFieldWhateverTheModel)
{
    TempFolder card;
    QByteArray file = randomBytes(596, 596);
    for (int i = 576; i < 596; ++i)
        file[i] = char(0xEC + (i - 576) % 20);
    ASSERT_TRUE(card.put(QStringLiteral("SETTING/default.cfg"), file));
    R640SettingManager manager;
    manager.setSettingDirPath(card.root());
    manager.setModelType(0);
    ASSERT_TRUE(manager.loadDefaultDataFromDefaultCfgFile());
    EXPECT_EQ(manager.iot_onoff(), 0xEC);
    EXPECT_EQ(manager.avn_onoff(), 0xEC + 19);
    EXPECT_EQ(manager.local_id(), le32(file, 460));
    manager.setModelType(26);
    EXPECT_EQ(manager.recordBytes(), file);
}

TEST(RecordIo, DefaultCfgMissingOrEmpty)
{
    TempFolder card;
    R640SettingManager manager;
    EXPECT_FALSE(manager.loadDefaultDataFromDefaultCfgFile()); // no card
    manager.setSettingDirPath(card.root());
    EXPECT_FALSE(manager.loadDefaultDataFromDefaultCfgFile()); // no file
    ASSERT_TRUE(card.put(QStringLiteral("SETTING/default.cfg"), QByteArray()));
    manager.setWdr(9);
    EXPECT_TRUE(manager.loadDefaultDataFromDefaultCfgFile());
    EXPECT_EQ(manager.wdr(), 9);
}

} // namespace
