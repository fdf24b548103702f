// The user's gestures on a settings form, read from fuzz input: each is three bytes (which
// control, what to do, a value) and is refused or done as the dialog would have it. After every
// gesture, each control must still hold a value its widget can show.
#pragma once

#include "card_fuzz_support.h"

#include "i18n/drovik_languages.h"
#include "settings/form/setting_form.h"

#include <QDateTime>

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace drovik::fuzz {

// The forms' texts in English: the fuzzer's string tables, made and installed on first use.
inline void useEnglishTexts()
{
    static DrovikLanguages tables;
    static const bool installed = (tables.install(), true);
    (void)installed;
    tables.setLanguage(QStringLiteral("en"));
}

inline void checkControls(const form::SettingForm &form)
{
    for (const form::FormControl *c : form.controls()) {
        check(c->selected >= -1 && c->selected < c->items.size(), "a selection outside its items");
        if (c->kind == form::ControlKind::Slider)
            check(c->minimum <= c->maximum && c->position >= c->minimum && c->position <= c->maximum,
                  "a slider outside its range");
        // The text file's shares are shown as written, a negative one as its figure over an
        // empty segment; only a share that is no number at all would break the bar.
        for (float share : c->percentages)
            check(std::isfinite(share), "a partition share that is not a number");
    }
}

// Runs the gestures at the start of data: the first byte is their count (at most 16), three
// bytes each. data and size are moved past them.
inline void runGestures(form::SettingForm &form, const uint8_t *&data, std::size_t &size)
{
    if (size == 0)
        return;
    std::size_t count = data[0] % 17;
    ++data;
    --size;
    for (; count > 0 && size >= 3; --count, data += 3, size -= 3) {
        const QList<const form::FormControl *> controls = form.controls();
        if (controls.isEmpty())
            return;
        if (const std::optional<form::FormQuestion> question = form.pendingQuestion()) {
            form.answer(question->buttons.isEmpty() ? 0 : data[1] % question->buttons.size());
            checkControls(form);
            continue;
        }
        const form::FormControl *c = controls.at(data[0] % controls.size());
        const form::ControlId id = c->id;
        const int value = int(int8_t(data[2]));
        const qint64 span = qint64(c->maximum) - c->minimum + 1;
        switch (c->kind) {
        case form::ControlKind::RadioGroup:
        case form::ControlKind::ComboBox:
            form.pickCell(id, value);
            break;
        case form::ControlKind::PopUp:
            if (data[1] & 1)
                form.pickTag(id, value);
            else
                form.pickCell(id, value);
            break;
        case form::ControlKind::Slider:
            if (data[1] & 1)
                form.setSlider(id, span > 0 ? int(c->minimum + data[2] % span) : c->minimum);
            else if (data[1] & 2)
                form.sliderMoved(id, value); // without the pointer on it: refused
            else
                form.setSlider(id, value);
            break;
        case form::ControlKind::CheckBox:
            form.setChecked(id, data[1] & 1);
            break;
        case form::ControlKind::DatePicker:
            form.setDateTime(id, QDateTime::fromSecsSinceEpoch(qint64(value) * 86400 * 200
                                                                 + data[1] * 3600));
            break;
        case form::ControlKind::Button:
            form.press(id);
            break;
        case form::ControlKind::PartitionBar:
        case form::ControlKind::Label:
            break;
        }
        checkControls(form);
    }
}

} // namespace drovik::fuzz
