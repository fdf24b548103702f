// Between the controls and the key=value lines: filling every control from its line, and the
// one line each gesture writes at once.
#include "settings/form/kvl_setting_form.h"
#include "settings/form/form_texts.h"

#include <algorithm>
#include <limits>

namespace drovik::form {

using namespace formtext;
using enum ControlId;
using enum SectionId;

namespace {


// Recording cut-off voltages in the file, column by column ("off" first).
const char *const kVoltageValues[] = {"0", "11800", "12000", "12200"};

} // namespace

const QList<double> &KvlSettingForm::timeZoneOffsets()
{
    static const QList<double> offsets = {-10, -9, -8, -7, -6, -5, -4, 0, 1, 8, 9.5, 10};
    return offsets;
}

int KvlSettingForm::integerValue(const QString &text) { return leadingInteger(text); }

int KvlSettingForm::timeZoneIndexForValue(const QString &value)
{
    // Hours -10 … 10 to items; the offsets the list lacks fall to the Pacific item.
    static constexpr int byHour[21] = {0, 1, 2, 3, 4, 5, 6, 2, 2, 2, 7, 8, 2, 2, 2, 2, 2, 2, 9, 10, 11};
    const int hours = integerValue(value);
    return hours >= -10 && hours <= 10 ? byHour[hours + 10] : 2;
}

// --- Lines ----------------------------------------------------------------------------------

std::optional<QString> KvlSettingForm::lineValue(const QString &key) const
{
    for (const QString &line : m_lines.linedSettings()) {
        if (line.startsWith(key))
            return line.mid(key.size());
    }
    return std::nullopt;
}

void KvlSettingForm::writeLine(const QString &key, const QString &value)
{
    QStringList lines = m_lines.linedSettings();
    for (QString &line : lines) {
        if (line.startsWith(key)) {
            line = key + value;
            m_lines.setLinedSettings(lines);
            return;
        }
    }
    // No line for the key: the control changes, the file does not.
}

// --- Filling --------------------------------------------------------------------------------

void KvlSettingForm::applyPartitionData()
{
    const auto share = [this](const char *key) {
        return QString::number(integerValue(lineValue(s(key)).value_or(QString())));
    };
    const PartitionRatios ratios{share("const="), share("event="), share("park="), share("manual=")};
    refreshMemoryPartitionGraph(ratios);
    select(MemoryPartitionRadioGroup,
           int(KvlSettingManager::memoryPartitionRatiosArray().indexOf(ratios)));
}

// The bar keeps the record editor's five slots; this family has no separate share for parking
// impacts, so that slot stays empty.
void KvlSettingForm::refreshMemoryPartitionGraph(const PartitionRatios &ratios)
{
    ctl(MemoryPartitionGraph).percentages = {
        float(integerValue(ratios.continuous)), float(integerValue(ratios.event)),
        float(integerValue(ratios.park)), 0.0f, float(integerValue(ratios.manual))};
}

void KvlSettingForm::applySettingData()
{
    applyPartitionData();
    // Each rule: the key's line, read as the control shows it; a missing line keeps the control.
    const auto fill = [this](const char *key, const auto &apply) {
        if (const std::optional<QString> value = lineValue(s(key)))
            apply(*value);
    };
    const auto rowIf = [this](ControlId id, bool first) { select(id, first ? 0 : 1); };
    const auto position = [this](ControlId id, int value, std::initializer_list<int> accepted) {
        ctl(id).position = std::find(accepted.begin(), accepted.end(), value) != accepted.end() ? value : 3;
    };
    fill("model=", [&](const QString &v) { ctl(ModelValueTextField).title = v; });
    fill("version=", [&](const QString &v) { ctl(FirmwareValueTextField).title = v; });
    fill("language=", [&](const QString &v) { rowIf(LanguageRadioGroup, v != u"fr"); });
    fill("power_off_vlt=", [&](const QString &v) {
        static const QList<int> columns = {0, 118, 120, 122};
        const qsizetype column = columns.indexOf(integerValue(v) / 100);
        select(ParkingModeVoltageRadioGroup, column < 0 ? 2 : int(column));
    });
    fill("park_mode=", [&](const QString &v) {
        rowIf(ParkingModeRadioGroup, integerValue(v) == 1);
        ctl(ParkingModeVoltageRadioGroup).enabled = integerValue(v) == 1;
    });
    fill("local_time=", [&](const QString &v) { select(TimeZoneComboBox, timeZoneIndexForValue(v)); });
    fill("summer_time=", [&](const QString &v) { rowIf(DstRadioGroup, integerValue(v) == 1); });
    fill("osd_speed=", [&](const QString &v) { rowIf(SpeedUnitRadioGroup, integerValue(v) != 2); });
    fill("mic_in=", [&](const QString &v) { rowIf(VoiceRecordRadioGroup, integerValue(v) != 0); });
    fill("voice_volume=", [&](const QString &v) { position(VoiceGuidanceSlider, integerValue(v), {1, 3, 5}); });
    fill("voice_out=", [&](const QString &v) {
        rowIf(VoiceGuidanceRadioGroup, integerValue(v) != 0);
        ctl(VoiceGuidanceSlider).enabled = integerValue(v) != 0;
    });
    fill("acc_level=", [&](const QString &v) { position(ImpactSensitivitySlider, integerValue(v), {2, 3, 4}); });
    fill("motion_level=", [&](const QString &v) { position(MotionSensitivitySlider, integerValue(v), {1, 3, 5}); });
    fill("front_led=", [&](const QString &v) { rowIf(SecurityLEDRadioGroup, integerValue(v) == 1); });
}

// --- Writing on change ----------------------------------------------------------------------

void KvlSettingForm::runControlHandler(ControlId id)
{
    const int row = selected(id);
    const auto flag = [](bool on) { return on ? s("1") : s("0"); };
    if (id == LanguageRadioGroup) {
        writeLine(s("language="), row == 1 ? s("fr") : s("us"));
    } else if (id == ParkingModeRadioGroup) {
        writeLine(s("park_mode="), flag(row == 0));
        ctl(ParkingModeVoltageRadioGroup).enabled = row == 0;
    } else if (id == ParkingModeVoltageRadioGroup) {
        writeLine(s("power_off_vlt="), s(row >= 0 && row < 4 ? kVoltageValues[row] : "12000"));
    } else if (id == TimeZoneComboBox) {
        const double hours = row >= 0 && row < timeZoneOffsets().size() ? timeZoneOffsets().at(row) : -8;
        writeLine(s("local_time="), QString::asprintf("%f", hours));
    } else if (id == DstRadioGroup) {
        writeLine(s("summer_time="), flag(row == 0));
    } else if (id == SpeedUnitRadioGroup) {
        writeLine(s("osd_speed="), row == 1 ? s("2") : s("1"));
    } else if (id == VoiceRecordRadioGroup) {
        writeLine(s("mic_in="), flag(row == 0));
    } else if (id == VoiceGuidanceRadioGroup) {
        writeLine(s("voice_out="), flag(row == 0));
        ctl(VoiceGuidanceSlider).enabled = row == 0;
    } else if (id == SecurityLEDRadioGroup) {
        writeLine(s("front_led="), flag(row == 0));
    } else if (id == MemoryPartitionRadioGroup) {
        const PartitionRatios &preset = KvlSettingManager::memoryPartitionRatiosArray().at(row);
        writeLine(s("const="), preset.continuous);
        writeLine(s("event="), preset.event);
        writeLine(s("park="), preset.park);
        writeLine(s("manual="), preset.manual);
        refreshMemoryPartitionGraph(preset);
    } else if (id == DateTimeCheckBox) {
        const bool on = ctl(id).checked;
        applyClockState(on);
        writeLine(s("set="), flag(on));
    } else if (id == DateTimeCurrentTimeButton) {
        ctl(DateTimeDatePicker).dateTime = QDateTime::currentDateTime();
    }
}

void KvlSettingForm::writeSliderLine(ControlId id)
{
    const char *key = id == VoiceGuidanceSlider ? "voice_volume="
        : id == ImpactSensitivitySlider         ? "acc_level="
        : id == MotionSensitivitySlider         ? "motion_level="
                                                     : nullptr;
    if (key)
        writeLine(s(key), QString::number(ctl(id).position));
}

// --- Clock ----------------------------------------------------------------------------------

void KvlSettingForm::applyClockState(bool on)
{
    ctl(DateTimeCheckBox).checked = on;
    ctl(DateTimeDatePicker).enabled = on;
    ctl(DateTimeCurrentTimeButton).enabled = on;
}

void KvlSettingForm::applyModelFeatures()
{
    applyClockState(false);
    ctl(DateTimeDatePicker).dateTime = QDateTime::currentDateTime();
}

QStringList KvlSettingForm::clockLines() const
{
    // The picker's moment in the system's calendar and zone, each number without leading zeros.
    const QDateTime when = control(DateTimeDatePicker)->dateTime.toLocalTime();
    const QDate date = when.date();
    const QTime time = when.time();
    return {s("year=") + QString::number(date.year()), s("month=") + QString::number(date.month()),
            s("day=") + QString::number(date.day()),   s("hour=") + QString::number(time.hour()),
            s("min=") + QString::number(time.minute()), s("sec=") + QString::number(time.second())};
}

} // namespace drovik::form
