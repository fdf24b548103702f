#pragma once

// Cards with a record for the settings form tests, and the form opened on them as the settings
// button opens it.

#include "card_fixture.h"

#include "test_languages.h"
#include "platform/volume_monitor.h"
#include "settings/form/record_setting_form.h"
#include "settings/store/r640_setting_manager.h"
#include "settings/store/setting_manager_holder.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace drovik::test {

using RecordFill = std::function<void(R640SettingManager &)>;

inline const QString kTimeFile = QStringLiteral("SETTING/time.dat");

// Writes a record of the model to root: the product name and version the detection reads, then
// whatever fill sets.
inline void writeCardRecord(const QString &root, ModelType type, const RecordFill &fill,
                            const QString &version = QStringLiteral("1.00.17"),
                            const QString &file = kSetupFile)
{
    R640SettingManager m;
    m.setModelType(type);
    m.setSettingDirPath(root);
    m.setVersion(version);
    m.setFirmwareVersionInt(R640SettingManager::firmwareVersionFromText(version));
    m.setProduct_name(modelNameList().value(int(type)));
    if (fill)
        fill(m);
    writeFile(root + QLatin1Char('/') + file, m.recordBytes());
}

// The record as the card holds it now, read the way the editor's manager reads it (as
// forcedType when the type was chosen by hand).
inline std::unique_ptr<R640SettingManager> readCardRecord(const QString &root,
                                                          ModelType forcedType = Model::None)
{
    auto m = std::make_unique<R640SettingManager>();
    m->loadVersionInfoWithSDPath(root);
    if (forcedType != Model::None)
        m->setModelType(forcedType);
    m->readRecord();
    return m;
}

using F = Field;

// One field of a record and its value: a number, or a text for the text fields.
struct FieldValue {
    FieldValue(Field f, qint32 n) : field(f), number(n) {}
    FieldValue(Field f, const char *t) : field(f), text(QString::fromUtf8(t)) {}
    FieldValue(Field f, const QString &t) : field(f), text(t) {}
    Field field;
    qint32 number = 0;
    std::optional<QString> text;
};

// A fill that runs base (when given), then sets the values in order.
inline RecordFill fields(const RecordFill &base, std::vector<FieldValue> values)
{
    return [base, values = std::move(values)](R640SettingManager &m) {
        if (base)
            base(m);
        for (const FieldValue &v : values) {
            if (v.text)
                m.setTextValue(v.field, *v.text);
            else
                m.setIntValue(v.field, v.number);
        }
    };
}
inline RecordFill fields(std::vector<FieldValue> values) { return fields({}, std::move(values)); }

// A record valid for the three first-generation families as the editor saves them, so that only
// what a case changes moves.
inline const RecordFill firstGenerationRecord = fields({
    {F::front_brightness, 0}, {F::measurement_unit, 1}, {F::daylight_offset, 1}, {F::gmt_offset, 540},
    {F::tz_key, "Korea Standard Time"}, {F::cur_language, 4}, {F::audio_record, 1}, {F::voice_ment, 0},
    {F::audio_ment_volume, 3}, {F::acceleration_sensor, 10}, {F::front_quality, 3},
    {F::parking_front_quality, 1}, {F::parking_mode_set, 1}, {F::parking_acceleration_sensor, 1},
    {F::parking_motion_set, 1}, {F::parking_motion_sensitivity, 5}, {F::battery_12v_R_off, 7},
    {F::battery_24v_R_off, 0}, {F::record_cevent_overwrite, 1}, {F::record_prevent_overwrite, 1},
    {F::security_led_mode, 0}, {F::partition_type, 2}, {F::front_resolution, 2}, {F::rear_resolution, 1},
    {F::front_framerate, 3}, {F::rear_quality, 1}, {F::parking_front_resolution, 2},
    {F::parking_rear_resolution, 1}, {F::parking_front_framerate, 2}, {F::parking_rear_quality, 1},
    {F::parking_time_limit, 6}, {F::enable_driving_guide, 1}, {F::lcd_brightness, 5},
    {F::lcd_off_timer, 120000},
});

// A manager on the card at root (detection, then the record) in a holder of its own, and a form
// on it checking formats against monitor's volumes (none when no monitor is given).
struct OpenedForm {
    std::unique_ptr<SettingManagerHolder> holder;
    std::unique_ptr<TempFolder> noVolumesDir;
    std::unique_ptr<VolumeMonitor> noVolumes;
    std::unique_ptr<form::RecordSettingForm> form;
    R640SettingManager &manager() const { return form->manager(); }
};

inline OpenedForm openForm(const QString &root, ModelType forcedType = Model::None,
                           const VolumeMonitor *monitor = nullptr)
{
    test::languages().setLanguage(QStringLiteral("en"));
    OpenedForm opened;
    if (!monitor) {
        opened.noVolumesDir = std::make_unique<TempFolder>();
        opened.noVolumes = std::make_unique<VolumeMonitor>(opened.noVolumesDir->root());
        monitor = opened.noVolumes.get();
    }
    opened.holder = std::make_unique<SettingManagerHolder>(std::make_unique<R640SettingManager>(monitor));
    R640SettingManager &m = opened.holder->manager();
    m.loadVersionInfoWithSDPath(root);
    if (forcedType != Model::None)
        m.setModelType(forcedType); // chosen by hand
    m.loadData();
    m.setLanguages({{0, QStringLiteral("en")}, {1, QStringLiteral("fr")}, {4, QStringLiteral("es")}});
    opened.form = std::make_unique<form::RecordSettingForm>(*opened.holder, *monitor);
    opened.form->open();
    return opened;
}

// A card of its own holding a record of type (as writeCardRecord writes it), and the form opened
// on it; the folder is the card.
struct FormOnCard : TempFolder {
    OpenedForm opened;

    FormOnCard(ModelType type, const RecordFill &fill, ModelType forcedType = Model::None,
               const QString &version = QStringLiteral("1.00.17"))
        : opened((writeCardRecord(root(), type, fill, version), openForm(root(), forcedType)))
    {
    }
    form::RecordSettingForm &form() const { return *opened.form; }
    R640SettingManager &manager() const { return opened.manager(); }
};

// Every field the manager holds, also those beyond its model's record.
inline QByteArray allFields(const R640SettingManager &m)
{
    R640SettingManager copy = m;
    copy.setModelType(Model::DVR_L420); // the longest record
    return copy.recordBytes();
}

// A control by the name `drovik settings` prints; a name no editor has fails the test.
inline form::ControlId knownControl(const char *name)
{
    const std::optional<form::ControlId> id = form::controlNamed(QString::fromLatin1(name));
    if (!id)
        ADD_FAILURE() << "no control named " << name;
    return id.value_or(form::ControlId{});
}

// What a control shows as one number: the selected cell, the position, or the check (0/1).
inline int shownValue(const form::SettingForm &f, form::ControlId id)
{
    const form::FormControl *c = f.control(id);
    if (!c)
        return -999;
    switch (c->kind) {
    case form::ControlKind::Slider: return c->position;
    case form::ControlKind::CheckBox: return c->checked ? 1 : 0;
    default: return c->selected;
    }
}

// One user gesture by the control's kind: a cell or item index, a pop-up tag, a slider
// position, a check (0/1).
inline form::ActionResult act(form::SettingForm &f, form::ControlId id, int value)
{
    const form::FormControl *c = f.control(id);
    if (!c)
        return f.pickCell(id, value);
    switch (c->kind) {
    case form::ControlKind::Slider: return f.setSlider(id, value);
    case form::ControlKind::CheckBox: return f.setChecked(id, value != 0);
    case form::ControlKind::PopUp: return f.pickTag(id, value);
    case form::ControlKind::Button: return f.press(id);
    default: return f.pickCell(id, value);
    }
}

// Everything a user could see change, as text, to tell that a refused action changed nothing.
inline QString snapshot(const form::RecordSettingForm &f)
{
    QString text;
    for (const form::FormSection &s : f.sections())
        text += QLatin1StringView(form::sectionName(s.id)) + QString::number(s.visible);
    for (const form::FormControl *c : f.controls()) {
        text += QStringLiteral("|%1:%2,%3,%4,%5,%6,%7").arg(QLatin1StringView(form::controlName(c->id))).arg(c->visible).arg(c->enabled)
                    .arg(c->selected).arg(c->position).arg(c->checked).arg(c->shownGuide);
        for (const form::FormItem &item : c->items)
            text += item.title + QString::number(item.enabled);
    }
    return text;
}

} // namespace drovik::test
