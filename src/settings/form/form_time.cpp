// The time zone, daylight saving and the camera's clock file.
#include "settings/form/record_setting_form.h"
#include "settings/form/time_zone_table.h"

#include "settings/store/card_maintenance.h"

#include <array>

namespace drovik::form {

using enum ControlId;
using enum SectionId;

const QStringList &gmtDescList()
{
    static const QStringList items = [] {
        QStringList list;
        for (const char *text :
             {"UTC-12:00", "UTC-11:00", "UTC-10:00", "UTC-09:30", "UTC-09:00", "UTC-08:00",
              "UTC-07:00", "UTC-06:00", "UTC-05:00", "UTC-04:30", "UTC-04:00", "UTC-03:30",
              "UTC-03:00", "UTC-02:00", "UTC-01:00", "UTC", "UTC+01:00", "UTC+02:00",
              "UTC+03:00", "UTC+03:30", "UTC+04:00", "UTC+04:30", "UTC+05:00", "UTC+05:30",
              "UTC+05:45", "UTC+06:00", "UTC+06:30", "UTC+07:00", "UTC+08:00", "UTC+09:00",
              "UTC+09:30", "UTC+10:00", "UTC+10:30", "UTC+11:00", "UTC+11:30", "UTC+12:00",
              "UTC+12:45", "UTC+13:00", "UTC+14:00"})
            list.append(QString::fromLatin1(text));
        return list;
    }();
    return items;
}

const QList<int> &gmtHourList()
{
    static const QList<int> minutes = [] {
        QList<int> list;
        for (const QString &text : gmtDescList()) {
            if (text.size() != 9) {
                list.append(0);
                continue;
            }
            const int hours = text.mid(3, 3).toInt();
            const int mins = text.mid(7, 2).toInt();
            list.append(hours * 60 + (text.at(3) == QLatin1Char('-') ? -mins : mins));
        }
        return list;
    }();
    return minutes;
}

const QStringList &timezoneNameList()
{
    static const QStringList names = [] {
        QStringList list;
        for (const char *name :
             {"Samoa Standard Time", "New Zealand Standard Time", "Central Pacific Standard Time",
              "E. Australia Standard Time", "AUS Central Standard Time", "Korea Standard Time",
              "Singapore Standard Time", "SE Asia Standard Time", "Myanmar Standard Time",
              "Central Asia Standard Time", "Nepal Standard Time", "India Standard Time",
              "West Asia Standard Time", "Afghanistan Standard Time", "Arabian Standard Time",
              "Iran Standard Time", "E. Africa Standard Time", "E. Europe Standard Time",
              "W. Europe Standard Time", "GMT Standard Time", "Azores Standard Time",
              "Mid-Atlantic Standard Time", "E. South America Standard Time",
              "Newfoundland Standard Time", "SA Western Standard Time", "Eastern Standard Time",
              "Central Standard Time", "Mountain Standard Time", "Pacific Standard Time",
              "Alaskan Standard Time", "Hawaiian Standard Time", "Dateline Standard Time"})
            list.append(QString::fromLatin1(name));
        return list;
    }();
    return names;
}

namespace {

// Each zone name sits on the item of its standard offset (Samoa +13:00 … Dateline -12:00), in
// the name list's order. The seven offsets no name stands for (-11:00, -09:30, -04:30, +10:30,
// +11:30, +12:45, +14:00) store an empty zone name, so reading the record back falls to its
// minute value, which selects the same item.
constexpr std::array<int, 32> kItemOfName = {37, 35, 33, 31, 30, 29, 28, 27, 26, 25, 24,
                                             23, 22, 21, 20, 19, 18, 17, 16, 15, 14, 13,
                                             12, 11, 10, 8,  7,  6,  5,  4,  2,  0};

} // namespace

QString timezoneNameForItem(int item)
{
    for (std::size_t i = 0; i < kItemOfName.size(); ++i) {
        if (kItemOfName[i] == item)
            return timezoneNameList().at(int(i));
    }
    return QString();
}

int itemForTimezoneName(const QString &name)
{
    const qsizetype index = name.isEmpty() ? -1 : timezoneNameList().indexOf(name);
    return index < 0 ? -1 : kItemOfName[std::size_t(index)];
}

int itemForMinutes(int minutes) { return int(gmtHourList().indexOf(minutes)); }

void RecordSettingForm::insertGMTData()
{
    FormControl &combo = ctl(CommonGMTComboBox);
    combo.items.clear();
    for (const QString &text : gmtDescList())
        combo.items.append(FormItem{text, 0, true});
}

void RecordSettingForm::applyTimeZoneSettingData()
{
    const R640SettingManager &m = manager();
    const Family f = familyOf();
    int item = -1;
    if (f == Family::K210 || f == Family::R640 || f == Family::V470)
        item = itemForTimezoneName(m.tz_key());
    if (item < 0)
        item = itemForMinutes(m.gmt_offset());
    if (item < 0 && f == Family::R930)
        item = itemForMinutes(0);
    // An offset no item stands for leaves the combo without selection; see the save below.
    select(CommonGMTComboBox, item);
    select(CommonDSTRadioGroup, m.daylight_offset() == 1 ? 0 : 1);
}

void RecordSettingForm::saveTimeZoneSettingData()
{
    R640SettingManager &m = manager();
    const int item = selected(CommonGMTComboBox);
    // Nothing selected (an offset the list lacks): the record keeps its offset and zone name
    // rather than taking a value the user never chose.
    if (item >= 0 && item < gmtHourList().size()) {
        m.setGmt_offset(gmtHourList().at(item));
        const Family f = familyOf();
        if (f == Family::K210 || f == Family::R640 || f == Family::V470)
            m.setTz_key(timezoneNameForItem(item));
    }
    m.setDaylight_offset(selected(CommonDSTRadioGroup) == 0 ? 1 : 0);
}

void RecordSettingForm::applySettingTimeState(bool on)
{
    ctl(CommonTimeCheckBox).checked = on;
    setEnabled(CommonCurrentTimeButton, on);
    setEnabled(CommonDatePicker, on);
}

void RecordSettingForm::applySettingTime()
{
    if (!section(CommonTimeView)->visible || manager().settingDirPath().isEmpty())
        return;
    applySettingTimeState(false);
    FormControl &picker = ctl(CommonDatePicker);
    picker.dateTime = QDateTime::currentDateTime();
    const SettingTimeFile file = readSettingTime(manager().settingDirPath());
    if (!file.present)
        return;
    // A file that does not parse still turns the clock setting on; the picker keeps now.
    if (file.dateTime)
        picker.dateTime = file.dateTime->toLocalTime();
    applySettingTimeState(true);
}

void RecordSettingForm::saveSettingTime()
{
    if (!section(CommonTimeView)->visible || manager().settingDirPath().isEmpty())
        return;
    const FormControl &box = ctl(CommonTimeCheckBox);
    drovik::saveSettingTime(manager().settingDirPath(), box.checked,
                            ctl(CommonDatePicker).dateTime);
}

} // namespace drovik::form
