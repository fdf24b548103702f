#include "card_fixture.h"

#include "platform/volume_monitor.h"
#include "settings/store/card_maintenance.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

using namespace drovik;
using namespace drovik::test;

namespace {

const QString kClock = QStringLiteral("SETTING/time.dat");

TEST(Clock, WrittenInTheZoneAskedFor)
{
    const std::pair<int, const char *> zones[] = {{9 * 3600, "2024,05,06,13,45,07,+0900"},
                                                  {0, "2024,05,06,13,45,07,+0000"},
                                                  {-(3 * 3600 + 1800), "2024,05,06,13,45,07,-0330"},
                                                  {5 * 3600 + 2700, "2024,05,06,13,45,07,+0545"}};
    for (const auto &[offset, expected] : zones) {
        const QTimeZone zone(offset);
        EXPECT_EQ(formatSettingTime(QDateTime(QDate(2024, 5, 6), QTime(13, 45, 7), zone), zone),
                  QString::fromLatin1(expected));
    }
    const QDateTime utc(QDate(2024, 12, 31), QTime(23, 30, 0), QTimeZone::utc());
    EXPECT_EQ(formatSettingTime(utc, QTimeZone(9 * 3600)), QStringLiteral("2025,01,01,08,30,00,+0900"));
}

// Each valid text is 2024-05-06T04:45:07Z.
TEST(Clock, Parse)
{
    for (const char *text : {"2024,05,06,13,45,07,+0900", "2024,05,06,04,45,07,+0000", "2024,05,05,20,45,07,-0800",
                             "2024,05,06,13,45,07,+09:00", "2024,05,06,13,45,07,+0900\n", "2024,5,6,13,45,7,+0900"})
        EXPECT_EQ(parseSettingTime(QString::fromLatin1(text)).value_or(QDateTime()).toSecsSinceEpoch(),
                  1714970707) << text;
    for (const char *text : {"2024,05,06,13,45,+0900", "2024,13,06,13,45,07,+0900", "2024,02,30,13,45,07,+0900",
                             "2024,05,06,24,45,07,+0900", "2024,05,06,13,45,07,0900", "2024,05,06,13,4a,07,+0900",
                             "2024,-5,06,13,45,07,+0900", "2024,05,06,13,045,07,+0900",
                             "2024,05,06,13,45,07,+1900", "2024,05,06,13,45,07,+1401",
                             "2024,05,06,13,45,07,-14:30", ""})
        EXPECT_FALSE(parseSettingTime(QString::fromLatin1(text)).has_value()) << text;
}

TEST(Clock, SaveOnWritesOffDeletes)
{
    TempFolder card;
    const QTimeZone zone(9 * 3600);
    const QDateTime moment(QDate(2024, 5, 6), QTime(13, 45, 7), zone);
    EXPECT_TRUE(saveSettingTime(card.root(), true, moment, zone));
    EXPECT_EQ(card.get(kClock), QByteArray("2024,05,06,13,45,07,+0900"));
    const SettingTimeFile read = readSettingTime(card.root());
    EXPECT_TRUE(read.present);
    ASSERT_TRUE(read.dateTime.has_value());
    EXPECT_EQ(*read.dateTime, moment);

    EXPECT_TRUE(saveSettingTime(card.root(), false, moment, zone));
    EXPECT_FALSE(card.has(kClock));
    EXPECT_TRUE(saveSettingTime(card.root(), false, moment, zone)); // nothing to delete
    EXPECT_FALSE(card.has(kClock));
    EXPECT_FALSE(saveSettingTime(QString(), true, moment, zone));
    EXPECT_FALSE(saveSettingTime(card.root(), true, QDateTime(), zone));
    EXPECT_FALSE(card.has(kClock));
}

TEST(Clock, ReadStates)
{
    struct Case { const char *name; QByteArray file; bool exists; bool present; bool parsed; };
    for (const Case &c : {Case{"missing", "", false, false, false},
                         Case{"garbage", "tomorrow", true, true, false},
                         Case{"not utf-8", "\xFF\xFE", true, false, false},
                         Case{"good", "2024,05,06,13,45,07,+0900", true, true, true}}) {
        TempFolder card;
        if (c.exists) {
            ASSERT_TRUE(card.put(kClock, c.file));
        }
        const SettingTimeFile read = readSettingTime(card.root());
        EXPECT_EQ(read.present, c.present) << c.name;
        EXPECT_EQ(read.dateTime.has_value(), c.parsed) << c.name;
    }
}

TEST(CardFiles, TouchMarkerIsOneEmptyFile)
{
    TempFolder card;
    ASSERT_TRUE(card.put(QStringLiteral("Set_touch_cal.txt"), "old"));
    EXPECT_TRUE(createTouchCalibrationMarker(card.root()));
    EXPECT_TRUE(createTouchCalibrationMarker(card.root()));
    EXPECT_TRUE(card.has(QStringLiteral("Set_touch_cal.txt")));
    EXPECT_TRUE(card.get(QStringLiteral("Set_touch_cal.txt")).isEmpty());
    EXPECT_EQ(QDir(card.root()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Set_touch_cal.txt")});
    EXPECT_FALSE(createTouchCalibrationMarker(QString()));
}

TEST(CardFiles, AdasCalibrationRemoved)
{
    TempFolder card;
    ASSERT_TRUE(card.put(QStringLiteral("SETTING/ADAS_CAL.dat"), "cal"));
    EXPECT_TRUE(removeAdasCalibration(card.root()));
    EXPECT_FALSE(card.has(QStringLiteral("SETTING/ADAS_CAL.dat")));
    EXPECT_TRUE(removeAdasCalibration(card.root()));
}

class FormatTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char *name : {"CARD", "Untitled", "Untitled 1", "untitled"})
            ASSERT_TRUE(QDir().mkpath(volumes.path(QString::fromLatin1(name)) + QStringLiteral("/DCIM")));
        monitor = std::make_unique<VolumeMonitor>(volumes.root());
    }
    QString volume(const char *name) const { return volumes.path(QString::fromLatin1(name)); }

    TempFolder volumes;
    QTemporaryDir elsewhere;
    std::unique_ptr<VolumeMonitor> monitor;
};

TEST_F(FormatTest, Checks)
{
    struct Case { QString root; FormatCheck expected; };
    const Case cases[] = {
        {volume("CARD"), FormatCheck::Allowed},
        {volume("CARD") + QStringLiteral("/"), FormatCheck::Allowed},
        {volume("untitled"), FormatCheck::Allowed},
        {volume("Untitled"), FormatCheck::Untitled},
        {volume("Untitled 1"), FormatCheck::Untitled},
        {volume("CARD") + QStringLiteral("/DCIM"), FormatCheck::NotVolumeRoot},
        {elsewhere.path(), FormatCheck::NotExternal},
        {QString(), FormatCheck::NotExternal},
    };
    for (const Case &c : cases)
        EXPECT_EQ(checkCardFormattable(c.root, *monitor), c.expected) << c.root.toStdString();
}

// The stand-in reformat program records its arguments and exits with the status in its name.
QString writeReformatStub(const QTemporaryDir &dir, int exitStatus)
{
    const QString path = dir.filePath(QStringLiteral("reformat-%1").arg(exitStatus));
    const QByteArray args = dir.filePath(QStringLiteral("args")).toUtf8();
    const QByteArray script = "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" + args + "\"\nexit "
        + QByteArray::number(exitStatus) + "\n";
    writeScript(path, script);
    return path;
}

std::optional<ReformatResult> runReformat(ReformatRunner &runner, const QString &root, FormatCheck &check)
{
    QSignalSpy finished(&runner, &ReformatRunner::finished);
    check = runner.start(root);
    if (check != FormatCheck::Allowed || !finished.wait(20000))
        return std::nullopt;
    return finished.at(0).at(0).value<ReformatResult>();
}

TEST_F(FormatTest, RunsTheReformatProgramAndReportsItsStatus)
{
    QTemporaryDir bin;
    struct Case { QString command; bool started; int exitCode; bool succeeded; };
    const Case cases[] = {
        {writeReformatStub(bin, 0), true, 0, true},
        {writeReformatStub(bin, 1), true, 1, false},
        {bin.filePath(QStringLiteral("missing")), false, -1, false},
    };
    for (const Case &c : cases) {
        qputenv("DROVIK_REFORMAT_COMMAND", c.command.toUtf8());
        QFile::remove(bin.filePath(QStringLiteral("args")));
        ReformatRunner runner(*monitor);
        FormatCheck check = FormatCheck::NotExternal;
        const std::optional<ReformatResult> result = runReformat(runner, volume("CARD"), check);
        EXPECT_EQ(check, FormatCheck::Allowed);
        ASSERT_TRUE(result.has_value()) << c.command.toStdString();
        EXPECT_EQ(result->started, c.started);
        EXPECT_EQ(result->exitCode, c.exitCode);
        EXPECT_EQ(result->succeeded(), c.succeeded);
        if (c.started) {
            EXPECT_EQ(readFile(bin.filePath(QStringLiteral("args"))), volume("CARD").toUtf8() + '\n');
        }
    }
    qunsetenv("DROVIK_REFORMAT_COMMAND");
}

TEST_F(FormatTest, RefusedCardRunsNothing)
{
    QTemporaryDir bin;
    qputenv("DROVIK_REFORMAT_COMMAND", writeReformatStub(bin, 0).toUtf8());
    for (const char *name : {"Untitled", "CARD/DCIM"}) {
        ReformatRunner runner(*monitor);
        FormatCheck check = FormatCheck::Allowed;
        EXPECT_FALSE(runReformat(runner, volume(name), check).has_value());
        EXPECT_NE(check, FormatCheck::Allowed);
    }
    EXPECT_FALSE(QFile::exists(bin.filePath(QStringLiteral("args"))));
    qunsetenv("DROVIK_REFORMAT_COMMAND");
}

} // namespace
