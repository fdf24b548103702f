// drovik settings, run as a user would run it: the editor's controls as JSON, the user's
// gestures through --set, and the exact bytes OK leaves on the card.
#include "form_fixture.h"

#include "programs.h"

#include <gtest/gtest.h>

using namespace drovik;
using namespace drovik::test;

namespace {

// drovik settings ROOT with args split at blanks; '~' stands for a blank inside an argument.
ProgramRun settings(const QString &root, const QString &args = QString())
{
    QStringList all = {QStringLiteral("settings"), root};
    if (!args.isEmpty()) {
        for (const QString &word : words(args))
            all.append(QString(word).replace(QLatin1Char('~'), QLatin1Char(' ')));
    }
    return runDrovik(all);
}

// One control of each kind as JSON, a gesture on each through --set, and the bytes OK writes
// (the mapping itself is the form's, checked family by family there).
TEST(SettingsCli, ControlsAndGesturesRoundTrip)
{
    TempFolder card;
    writeCardRecord(card.root(), Model::V470, firstGenerationRecord);
    const std::unique_ptr<R640SettingManager> expected = readCardRecord(card.root());
    const QByteArray before = card.get(kSetupFile);

    const ProgramRun shown = settings(card.root());
    EXPECT_EQ(shown.exitCode, 0) << shown.err.toStdString();
    EXPECT_TRUE(shown.out.startsWith(R"({"editor":"record","family":"V470","modelType":2,"controls":{)"))
        << shown.out.toStdString();
    for (const char *entry :
         {R"("commonSpeedUnitRadioGroup":{"visible":true,"enabled":true,"value":1,"items":["km/h","mph"]})",
          R"("commonFrontBrightnessSlider":{"visible":true,"enabled":true,"value":2,"range":[0,2]})",
          R"("commonLanguagePopupButton":{"visible":true,"enabled":true,"value":4,"items":)",
          R"("etcOverwriteAlwaysShockCheckBox":{"visible":true,"enabled":true,"value":true})",
          R"("commonDrivingGuideRadioGroup":{"visible":false,)",
          R"("commonLCDOffTimerRadioGroup":{"visible":true,"enabled":true,"value":0,"items":["After 2 min",)",
          R"("etcMemoryPartitionGraph":{"visible":true,"enabled":true,"value":[36.0,15.0,3.0,5.0,40.0]})"})
        EXPECT_TRUE(shown.out.contains(entry)) << entry << "\n" << shown.out.toStdString();
    EXPECT_EQ(card.get(kSetupFile), before);

    const ProgramRun changed = settings(card.root(), QStringLiteral(
        "--set commonSpeedUnitRadioGroup=0 --set commonFrontBrightnessSlider=0 "
        "--set etcOverwriteManualCheckBox=true --set commonGMTComboBox=3 --set commonLanguagePopupButton=1 "
        "--set parkingModeRadioGroup=1 --set commonLCDOffTimerRadioGroup=1 --ok"));
    EXPECT_EQ(changed.exitCode, 0) << changed.err.toStdString();
    fields({{F::measurement_unit, 0}, {F::front_brightness, 2}, {F::record_manual_overwrite, 1}, {F::gmt_offset, -570},
            {F::tz_key, QString()}, {F::cur_language, 1},
            {F::parking_mode_set, 0}, // the question it asks is answered yes
            {F::lcd_off_timer, 300000}})(*expected);
    EXPECT_EQ(card.get(kSetupFile), expected->recordBytes());
}

TEST(SettingsCli, RefusalsLeaveTheCardAsItWas)
{
    TempFolder card;
    writeCardRecord(card.root(), Model::V470, firstGenerationRecord);
    const QByteArray record = card.get(kSetupFile);
    TempFolder empty;
    TempFolder web;
    writeCardRecord(web.root(), Model::R810, {});
    const QByteArray webRecord = web.get(kSetupFile);
    TempFolder textFile;
    ASSERT_TRUE(textFile.put(kBlackboxFile, "const=60\n"));

    struct Case { QString root; const char *args; int exitCode; };
    const QString notAFolder = card.root() + QStringLiteral("/SETTING/setup.cfg");
    const Case cases[] = {
        {card.root(), "--bogus", 2},
        {card.root(), "--lang de", 2},
        {card.root(), "--set commonSpeedUnitRadioGroup", 2},
        {card.root(), "--set =1", 2},
        {empty.root(), "--lang xx", 2}, // the command line before the card
        {empty.root(), "--set noSuchControl=1", 1}, // the card before the controls
        {empty.root(), "", 1},
        {notAFolder, "", 1},
        {textFile.root(), "--set noSuchControl=1 --ok", 2},
        {card.root(), "--set noSuchControl=1 --ok", 2},
        {card.root(), "--set commonLCDBrightnessSlider=1 --ok", 2}, // the name keeps its misspelling
        {card.root(), "--set dateTimeCheckBox=true --ok", 2},        // the text-file editor's
        {card.root(), "--set commonDrivingGuideRadioGroup=0 --ok", 2}, // hidden
        {card.root(), "--set commonDatePicker=2024-05-06~13:45:07 --ok", 2}, // disabled
        {card.root(), "--set commonFrontBrightnessSlider=5 --ok", 2},
        {card.root(), "--set commonFrontBrightnessSlider=-1 --ok", 2},
        {card.root(), "--set commonSpeedUnitRadioGroup=2 --ok", 2},
        {card.root(), "--set commonSpeedUnitRadioGroup=x --ok", 2},
        {card.root(), "--set commonLanguagePopupButton=9 --ok", 2},
        {card.root(), "--set etcOverwriteManualCheckBox=yes --ok", 2},
        {card.root(), "--set commonCurrentTimeButton=1 --ok", 2},
        {card.root(), "--set etcMemoryPartitionGraph=1 --ok", 2},
        // Parking off, confirmed: its sliders are disabled from then on.
        {card.root(), "--set parkingModeRadioGroup=1 --set parkingShockSensitivitySlider=3", 2},
        // A refusal after an accepted gesture still writes nothing.
        {card.root(), "--set commonSpeedUnitRadioGroup=0 --set commonSpeedUnitRadioGroup=3 --ok", 2},
        {web.root(), "--set commonSpeedUnitRadioGroup=0", 2},
        {web.root(), "--reset", 2},
        {web.root(), "--ok", 2},
    };
    for (const Case &c : cases) {
        const ProgramRun run = settings(c.root, QString::fromLatin1(c.args));
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args;
        EXPECT_FALSE(run.err.isEmpty()) << c.args;
        EXPECT_TRUE(run.out.isEmpty()) << c.args;
    }
    EXPECT_EQ(runDrovik(words(QStringLiteral("settings"))).exitCode, 2);
    EXPECT_EQ(card.get(kSetupFile), record);
    EXPECT_FALSE(card.has(kTimeFile));
    EXPECT_TRUE(QDir(empty.root()).isEmpty());
    EXPECT_EQ(web.get(kSetupFile), webRecord);
    EXPECT_EQ(textFile.get(kBlackboxFile), QByteArray("const=60\n"));

    const ProgramRun page = settings(web.root());
    EXPECT_EQ(page.exitCode, 0);
    EXPECT_EQ(page.out, QByteArray(R"({"editor":"web","page":"SETTING/html/index.html","modelType":16})" "\n"));
}

TEST(SettingsCli, LanguageResetAndClock)
{
    TempFolder card;
    writeCardRecord(card.root(), Model::V470, firstGenerationRecord);
    const QByteArray record = card.get(kSetupFile);

    const ProgramRun ja = settings(card.root(), QStringLiteral("--lang ja"));
    EXPECT_TRUE(ja.out.contains(R"("items":["使用する",)")) << ja.out.toStdString();

    // Reset shows the card's default record, and without OK nothing is written.
    writeCardRecord(card.root(), Model::V470, fields(firstGenerationRecord, {{F::measurement_unit, 0}}),
                    QStringLiteral("1.00.17"), QStringLiteral("SETTING/default.cfg"));
    const ProgramRun reset = settings(card.root(), QStringLiteral("--reset"));
    EXPECT_EQ(reset.exitCode, 0);
    EXPECT_TRUE(reset.out.contains(R"("commonSpeedUnitRadioGroup":{"visible":true,"enabled":true,"value":0,)"))
        << reset.out.toStdString();
    EXPECT_EQ(card.get(kSetupFile), record);

    // The clock is set in the system's zone.
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "Asia/Seoul");
    const ProgramRun clock = settings(card.root(), QStringLiteral(
        "--set commonTimeCheckBox=true --set commonDatePicker=2024-05-06~13:45:07 --ok"));
    zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone);
    EXPECT_EQ(clock.exitCode, 0) << clock.err.toStdString();
    EXPECT_TRUE(clock.out.contains(R"("commonDatePicker":{"visible":true,"enabled":true,"value":"2024-05-06 13:45:07"})"))
        << clock.out.toStdString();
    EXPECT_EQ(card.get(kTimeFile), QByteArray("2024,05,06,13,45,07,+0900"));
    EXPECT_EQ(card.get(kSetupFile), record);
}

// A text-file camera's card with the values at the edges of their rules: a voltage between two
// columns, a half-hour zone, a language the editor does not offer.
QStringList kvlLines(const std::vector<const char *> &replaced = {})
{
    return withLines(withLines(kKvlCardLines, {"power_off_vlt=11850", "language=de", "local_time=9.5", "voice_out=0"}),
                     replaced);
}

TEST(SettingsCli, TextFileEditorRoundTripsAndRefuses)
{
    TempFolder card;
    ASSERT_TRUE(card.put(kBlackboxFile, kvlBytes(kvlLines())));
    const QByteArray before = card.get(kBlackboxFile);

    const ProgramRun shown = settings(card.root());
    EXPECT_EQ(shown.exitCode, 0) << shown.err.toStdString();
    EXPECT_TRUE(shown.out.startsWith(R"({"editor":"kvl","family":"N260","modelType":6,"controls":{)"));
    for (const char *entry :
         {R"("parkingModeVoltageRadioGroup":{"visible":true,"enabled":true,"value":1,"items":["Off","11.8V","12.0V","12.2V"]})",
          R"("timeZoneComboBox":{"visible":true,"enabled":true,"value":10,)",
          R"("languageRadioGroup":{"visible":true,"enabled":true,"value":0,"items":["English","French"]})",
          R"("memoryPartitionGraph":{"visible":true,"enabled":true,"value":[60.0,22.0,4.0,0.0,9.0]})",
          R"("voiceGuidanceSlider":{"visible":true,"enabled":false,"value":3,"range":[1,5]})",
          R"("dateTimeDatePicker":{"visible":true,"enabled":false,)"})
        EXPECT_TRUE(shown.out.contains(entry)) << entry << "\n" << shown.out.toStdString();
    EXPECT_EQ(card.get(kBlackboxFile), before);

    // Each row from the card as the camera left it: the --set gestures, then the lines OK leaves.
    const struct {
        const char *sets;
        QStringList expected;
    } changes[] = {
        // The untouched language keeps its line; the column writes its own value.
        {"--set parkingModeVoltageRadioGroup=1 --set timeZoneComboBox=7 --set memoryPartitionRadioGroup=1 "
         "--set voiceGuidanceRadioGroup=0 --set voiceGuidanceSlider=5 --set impactSensitivitySlider=4",
         kvlLines({"power_off_vlt=11800", "local_time=0.000000", "const=35", "event=17", "park=4", "manual=39",
                   "voice_out=1", "voice_volume=5", "acc_level=4"})},
        // The clock in the system's zone, without leading zeros.
        {"--set dateTimeCheckBox=true --set dateTimeDatePicker=2025-03-05~09:07:02",
         kvlLines({"set=1", "year=2025", "month=3", "day=5", "hour=9", "min=7", "sec=2"})},
        {"--reset --set languageRadioGroup=1", {}}, // checked below: the default lines
    };
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "Australia/Adelaide");
    for (const auto &c : changes) {
        SCOPED_TRACE(c.sets);
        ASSERT_TRUE(card.put(kBlackboxFile, before));
        const ProgramRun run = settings(card.root(), QString::fromLatin1(c.sets) + QStringLiteral(" --ok"));
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        if (!c.expected.isEmpty()) {
            EXPECT_EQ(card.get(kBlackboxFile), kvlBytes(c.expected));
        }
    }
    zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone);
    const QByteArray reset = card.get(kBlackboxFile);
    EXPECT_TRUE(reset.contains("\r\nlanguage=fr\r\n")) << reset.toStdString();
    EXPECT_TRUE(reset.contains("model=N260\r\n")) << reset.toStdString();
    EXPECT_FALSE(reset.contains("future_key")) << reset.toStdString();

    ASSERT_TRUE(card.put(kBlackboxFile, before));
    const char *refused[] = {
        "--set voiceGuidanceSlider=5 --ok",                         // disabled: guidance is off
        "--set dateTimeDatePicker=2025-03-05~09:07:02 --ok",        // disabled: the box is clear
        "--set impactSensitivitySlider=5 --ok",                     // outside 2..4
        "--set modelValueTextField=1 --ok",
        "--set commonSpeedUnitRadioGroup=0 --ok",
        "--set parkingModeRadioGroup=1 --set parkingModeVoltageRadioGroup=2 --ok", // disabled by the first
    };
    for (const char *args : refused) {
        const ProgramRun run = settings(card.root(), QString::fromLatin1(args));
        EXPECT_EQ(run.exitCode, 2) << args;
        EXPECT_TRUE(run.out.isEmpty()) << args;
        EXPECT_FALSE(run.err.isEmpty()) << args;
    }
    EXPECT_EQ(card.get(kBlackboxFile), before);
}

} // namespace
