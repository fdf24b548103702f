// The text-file camera's settings editor on generated cards: what each line shows, the one line
// each gesture writes, OK with and without the clock, Reset, refused gestures and a pulled card.
#include "form_fixture.h"

#include "i18n/drovik_languages.h"
#include "settings/form/kvl_setting_form.h"
#include "settings/store/kvl_setting_manager.h"

#include <QDir>

#include <gtest/gtest.h>

#include <memory>

using namespace drovik;
using namespace drovik::form;
using namespace drovik::test;
using enum form::ControlId;
using enum form::SectionId;

namespace {

QString n(const char *text) { return QString::fromUtf8(text); }

// The card, detected and loaded as the settings button does it, and the editor opened on it.
struct KvlCard {
    TempFolder folder;
    R640SettingManager card;
    KvlSettingManager lines{card};
    std::unique_ptr<KvlSettingForm> form;

    explicit KvlCard(const QStringList &file, const QString &language = QStringLiteral("en"))
    {
        test::languages().setLanguage(language);
        folder.put(kBlackboxFile, kvlBytes(file));
        card.loadVersionInfoWithSDPath(folder.root());
        lines.loadData();
        form = std::make_unique<KvlSettingForm>(lines, card);
        form->open();
    }
    QByteArray onCard() const { return folder.get(kBlackboxFile); }
    int shown(const char *name) const { return shownValue(*form, knownControl(name)); }
};

QString snapshot(const KvlSettingForm &f)
{
    QString text;
    for (const FormControl *c : f.controls()) {
        text += QStringLiteral("|%1:%2,%3,%4,%5,%6").arg(QLatin1StringView(controlName(c->id))).arg(c->enabled).arg(c->selected)
                    .arg(c->position).arg(c->checked).arg(c->dateTime.toString(Qt::ISODate));
        for (float p : c->percentages)
            text += QString::number(p) + QLatin1Char(',');
    }
    return text;
}

TEST(KvlForm, OpensAsOnePageOnTheTextFileFamily)
{
    KvlCard card(kKvlCardLines);
    EXPECT_EQ(card.form->family(), n("N260"));
    EXPECT_EQ(card.form->modelType(), textFileModelType());
    EXPECT_EQ(card.form->currentTab(), 0);
    for (const FormSection &section : card.form->sections())
        EXPECT_EQ(section.tab, 0) << sectionName(section.id);
    EXPECT_EQ(card.form->control(ModelValueTextField)->title, n("N260"));
    EXPECT_EQ(card.form->control(FirmwareValueTextField)->title, n("2.01.05"));
    EXPECT_FALSE(card.form->control(DateTimeCheckBox)->checked);
    EXPECT_FALSE(card.form->control(DateTimeDatePicker)->enabled);
    EXPECT_EQ(card.form->control(MemoryPartitionGraph)->percentages, (std::array<float, 5>{60, 22, 4, 0, 9}));
}

// Each line as its control shows it; lines left as the card has them otherwise.
TEST(KvlForm, FillRules)
{
    const struct { const char *line; const char *control; int shown; } cases[] = {
        {"power_off_vlt=11850", "parkingModeVoltageRadioGroup", 1},
        {"power_off_vlt=0", "parkingModeVoltageRadioGroup", 0},
        {"power_off_vlt=12299", "parkingModeVoltageRadioGroup", 3},
        {"power_off_vlt=13000", "parkingModeVoltageRadioGroup", 2},
        {"local_time=9.5", "timeZoneComboBox", 10},
        {"local_time=-3", "timeZoneComboBox", 2},
        {"local_time=-10", "timeZoneComboBox", 0},
        {"local_time=0.000000", "timeZoneComboBox", 7},
        {"local_time=10", "timeZoneComboBox", 11},
        {"local_time=11", "timeZoneComboBox", 2},
        {"local_time=99999999999999", "timeZoneComboBox", 2},
        {"local_time=abc", "timeZoneComboBox", 7},
        {"language=de", "languageRadioGroup", 0},
        {"language=fr", "languageRadioGroup", 1},
        {"park_mode=2", "parkingModeRadioGroup", 1},
        {"summer_time=1", "dstRadioGroup", 0},
        {"osd_speed=2", "speedUnitRadioGroup", 1},
        {"mic_in=0", "voiceRecordRadioGroup", 1},
        {"voice_out=0", "voiceGuidanceRadioGroup", 1},
        {"voice_volume=5", "voiceGuidanceSlider", 5},
        {"voice_volume=2", "voiceGuidanceSlider", 3},
        {"acc_level=4", "impactSensitivitySlider", 4},
        {"acc_level=5", "impactSensitivitySlider", 3},
        {"motion_level=1", "motionSensitivitySlider", 1},
        {"front_led=0", "securityLEDRadioGroup", 1},
        {"const=35", "memoryPartitionRadioGroup", -1},
        {"manual=39", "memoryPartitionRadioGroup", -1},
        {"set=1", "dateTimeCheckBox", 0},
    };
    for (const auto &c : cases) {
        KvlCard card(withLines(kKvlCardLines, {c.line}));
        EXPECT_EQ(card.shown(c.control), c.shown) << c.line;
    }
    KvlCard adelaide(withLines(kKvlCardLines, {"local_time=9.5"}));
    const FormControl *zones = adelaide.form->control(TimeZoneComboBox);
    EXPECT_EQ(zones->items.value(zones->selected).title, n("(UTC+09:30) Adelaide"));
    KvlCard off(withLines(kKvlCardLines, {"park_mode=0", "voice_out=0"}));
    EXPECT_FALSE(off.form->control(ParkingModeVoltageRadioGroup)->enabled);
    EXPECT_FALSE(off.form->control(VoiceGuidanceSlider)->enabled);
    KvlCard odd(withLines(kKvlCardLines, {"park=7"}));
    EXPECT_EQ(odd.form->control(MemoryPartitionGraph)->percentages, (std::array<float, 5>{60, 22, 7, 0, 9}));
}

// One gesture, then OK: the card file is the old one with exactly that line replaced.
TEST(KvlForm, EachGestureWritesItsLineAndNothingElse)
{
    const struct { const char *control; int value; std::vector<const char *> lines; } cases[] = {
        {"parkingModeVoltageRadioGroup", 1, {"power_off_vlt=11800"}},
        {"parkingModeVoltageRadioGroup", 0, {"power_off_vlt=0"}},
        {"parkingModeVoltageRadioGroup", 3, {"power_off_vlt=12200"}},
        {"timeZoneComboBox", 7, {"local_time=0.000000"}},
        {"timeZoneComboBox", 10, {"local_time=9.500000"}},
        {"timeZoneComboBox", 0, {"local_time=-10.000000"}},
        {"languageRadioGroup", 1, {"language=fr"}},
        {"parkingModeRadioGroup", 1, {"park_mode=0"}},
        {"dstRadioGroup", 0, {"summer_time=1"}},
        {"speedUnitRadioGroup", 1, {"osd_speed=2"}},
        {"voiceRecordRadioGroup", 1, {"mic_in=0"}},
        {"voiceGuidanceRadioGroup", 1, {"voice_out=0"}},
        {"securityLEDRadioGroup", 1, {"front_led=0"}},
        {"voiceGuidanceSlider", 5, {"voice_volume=5"}},
        {"impactSensitivitySlider", 2, {"acc_level=2"}},
        {"motionSensitivitySlider", 1, {"motion_level=1"}},
        {"memoryPartitionRadioGroup", 2, {"const=53", "event=19", "park=14", "manual=9"}},
        {"dateTimeCheckBox", 0, {"set=0"}},
    };
    for (const auto &c : cases) {
        KvlCard card(kKvlCardLines);
        ASSERT_EQ(act(*card.form, knownControl(c.control), c.value), ActionResult::Done) << c.control;
        EXPECT_EQ(card.form->okButtonTouched(), CardWriteStatus::Written);
        EXPECT_EQ(card.onCard(), kvlBytes(withLines(kKvlCardLines, c.lines))) << c.control << " " << c.value;
    }
    KvlCard partition(kKvlCardLines);
    partition.form->pickCell(MemoryPartitionRadioGroup, 1);
    EXPECT_EQ(partition.form->control(MemoryPartitionGraph)->percentages,
              (std::array<float, 5>{35, 17, 4, 0, 39}));

    // A slider moved without the pointer on it (the keyboard) writes its line too.
    KvlCard keys(kKvlCardLines);
    EXPECT_EQ(keys.form->sliderMoved(MotionSensitivitySlider, 5), ActionResult::Done);
    EXPECT_TRUE(keys.lines.linedSettings().contains(n("motion_level=5")));

    // A control whose key the file lacks changes on screen only.
    QStringList noMic = kKvlCardLines;
    noMic.removeIf([](const QString &l) { return l.startsWith(QStringLiteral("mic_in=")); });
    KvlCard missing(noMic);
    EXPECT_EQ(missing.form->pickCell(VoiceRecordRadioGroup, 1), ActionResult::Done);
    EXPECT_EQ(missing.form->okButtonTouched(), CardWriteStatus::Written);
    EXPECT_EQ(missing.onCard(), kvlBytes(noMic));
}

TEST(KvlForm, OkKeepsUntouchedLinesAndWritesTheClockOnlyWhenAsked)
{
    const QStringList german = withLines(kKvlCardLines, {"language=de"});
    KvlCard clear(german);
    EXPECT_EQ(clear.form->okButtonTouched(), CardWriteStatus::Written);
    EXPECT_EQ(clear.onCard(), kvlBytes(german));

    KvlCard checked(kKvlCardLines);
    ASSERT_EQ(checked.form->setChecked(DateTimeCheckBox, true), ActionResult::Done);
    EXPECT_TRUE(checked.form->control(DateTimeDatePicker)->enabled);
    const QDateTime when(QDate(2027, 3, 5), QTime(9, 7, 2));
    ASSERT_EQ(checked.form->setDateTime(DateTimeDatePicker, when), ActionResult::Done);
    EXPECT_EQ(checked.form->okButtonTouched(), CardWriteStatus::Written);
    EXPECT_EQ(checked.onCard(), kvlBytes(withLines(kKvlCardLines, {"set=1", "year=2027", "month=3", "day=5",
                                                                    "hour=9", "min=7", "sec=2"})));
}

TEST(KvlForm, ResetLoadsTheDefaultLinesAndWritesOnlyOnOk)
{
    KvlCard card(withLines(kKvlCardLines, {"acc_level=4", "language=fr"}));
    const QByteArray before = card.onCard();
    card.form->setChecked(DateTimeCheckBox, true);
    card.form->resetButtonTouched();
    EXPECT_EQ(card.onCard(), before);
    EXPECT_EQ(card.shown("impactSensitivitySlider"), 3);
    EXPECT_EQ(card.shown("languageRadioGroup"), 0);
    EXPECT_FALSE(card.form->control(DateTimeCheckBox)->checked);
    EXPECT_EQ(card.form->control(FirmwareValueTextField)->title, n("2.01.05"));

    R640SettingManager none;
    KvlSettingManager defaults(none);
    defaults.loadDefaultData_N260();
    const QStringList expected = withLines(defaults.linedSettings(), {"version=2.01.05"});
    EXPECT_EQ(card.lines.linedSettings(), expected);
    EXPECT_EQ(card.form->okButtonTouched(), CardWriteStatus::Written);
    EXPECT_EQ(card.onCard(), kvlBytes(expected));
}

// A refused gesture changes neither the controls nor the lines.
TEST(KvlForm, RefusedGesturesChangeNothing)
{
    const QStringList file = withLines(kKvlCardLines, {"park_mode=0", "voice_out=0"});
    const struct { const char *control; int value; ActionResult result; } cases[] = {
        {"commonGMTComboBox", 0, ActionResult::UnknownControl}, // the record editor's
        {"parkingModeVoltageRadioGroup", 1, ActionResult::Disabled},
        {"voiceGuidanceSlider", 5, ActionResult::Disabled},
        {"dateTimeCurrentTimeButton", 0, ActionResult::Disabled},
        {"languageRadioGroup", 2, ActionResult::BadValue},
        {"memoryPartitionRadioGroup", -1, ActionResult::BadValue},
        {"timeZoneComboBox", 12, ActionResult::BadValue},
        {"motionSensitivitySlider", 2, ActionResult::BadValue},
        {"motionSensitivitySlider", 7, ActionResult::BadValue},
        {"impactSensitivitySlider", 1, ActionResult::BadValue},
    };
    KvlCard card(file);
    const QString shown = snapshot(*card.form);
    for (const auto &c : cases) {
        EXPECT_EQ(act(*card.form, knownControl(c.control), c.value), c.result) << c.control;
        EXPECT_EQ(snapshot(*card.form), shown) << c.control;
        EXPECT_EQ(card.lines.linedSettings(), file) << c.control;
    }
    EXPECT_EQ(card.form->pickCell(VoiceGuidanceSlider, 0), ActionResult::WrongKind);
    EXPECT_EQ(card.form->pickTag(LanguageRadioGroup, 1), ActionResult::WrongKind);
    EXPECT_EQ(card.form->setDateTime(DateTimeDatePicker, QDateTime::currentDateTime()),
              ActionResult::Disabled);
    EXPECT_EQ(card.form->sliderMoved(VoiceGuidanceSlider, 1), ActionResult::Disabled);
    card.form->setChecked(DateTimeCheckBox, true);
    EXPECT_EQ(card.form->setDateTime(DateTimeDatePicker, QDateTime()), ActionResult::BadValue);
}

// A card pulled while the editor is open: OK reports it, writes nothing anywhere, and leaves
// the lines as they were for another try.
TEST(KvlForm, PulledCardIsReportedAndNothingIsWritten)
{
    KvlCard card(kKvlCardLines);
    card.form->setChecked(DateTimeCheckBox, true);
    const QStringList before = card.lines.linedSettings();
    ASSERT_TRUE(QDir(card.folder.root()).removeRecursively());
    EXPECT_EQ(card.form->okButtonTouched(), CardWriteStatus::NoCard);
    EXPECT_FALSE(QFileInfo::exists(card.folder.root()));
    EXPECT_EQ(card.lines.linedSettings(), before);
}

// Every text the page shows comes from the string table, in each language.
TEST(KvlForm, EveryTextIsTranslated)
{
    for (const char *language : {"en", "fr", "ja", "pt"}) {
        KvlCard card(kKvlCardLines, n(language));
        const FrameTexts &frame = card.form->frameTexts();
        for (const QString &text : {frame.title, frame.reset, frame.ok, frame.cancel})
            EXPECT_FALSE(text.isEmpty()) << language;
        for (const FormSection &section : card.form->sections())
            EXPECT_FALSE(section.title.isEmpty()) << language << " " << sectionName(section.id);
        for (const FormControl *c : card.form->controls()) {
            if (c->kind == ControlKind::Label || c->kind == ControlKind::Button) {
                EXPECT_FALSE(c->title.isEmpty()) << language << " " << controlName(c->id);
            }
            for (const FormItem &item : c->items)
                EXPECT_FALSE(item.title.isEmpty()) << language << " " << controlName(c->id);
            for (const QString &text : c->descriptions)
                EXPECT_FALSE(text.isEmpty()) << language << " " << controlName(c->id);
        }
    }
    // A change of language retitles the page and keeps every choice.
    KvlCard card(withLines(kKvlCardLines, {"local_time=9.5"}));
    const QString shown = snapshot(*card.form);
    test::languages().setLanguage(n("fr"));
    card.form->applyMainLanguageSetting();
    EXPECT_EQ(snapshot(*card.form), shown);
    EXPECT_EQ(card.form->control(TimeZoneComboBox)->items.size(), 12);
    EXPECT_EQ(card.form->frameTexts().ok, test::languages().localizedIn(n("fr"), n("확인")));
}

} // namespace
