// Lookup of the named controls and the user's gestures, with the checks that keep a refused
// gesture from changing anything.
#include "settings/form/setting_form.h"

#include <QLoggingCategory>

#include <algorithm>

Q_LOGGING_CATEGORY(lcSettingForm, "drovik.settings.form", QtWarningMsg)

namespace drovik::form {

SettingForm::SettingForm(QObject *parent) : QObject(parent) {}

SettingForm::~SettingForm() = default;

// --- Building and lookup --------------------------------------------------------------------

void SettingForm::clearLayout()
{
    m_sections.clear();
    m_controls.clear();
    m_controlIndex.clear();
    m_pointerSlider.clear();
}

void SettingForm::addSection(const QString &name, int tab, QList<FormControl> controls)
{
    FormSection section;
    section.name = name;
    section.tab = tab;
    for (FormControl &control : controls) {
        control.section = name;
        section.controls.append(control.name);
        m_controlIndex.insert(control.name, int(m_controls.size()));
        m_controls.append(control);
    }
    m_sections.append(section);
}

const FormSection *SettingForm::section(const QString &name) const
{
    for (const FormSection &section : m_sections) {
        if (section.name == name)
            return &section;
    }
    return nullptr;
}

const FormControl *SettingForm::control(const QString &name) const
{
    const auto it = m_controlIndex.constFind(name);
    return it == m_controlIndex.cend() ? nullptr : &m_controls[*it];
}

QList<const FormControl *> SettingForm::controls() const
{
    QList<const FormSection *> ordered;
    for (const FormSection &section : m_sections)
        ordered.append(&section);
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const FormSection *a, const FormSection *b) { return a->tab < b->tab; });
    QList<const FormControl *> all;
    for (const FormSection *section : ordered) {
        for (const QString &name : section->controls)
            all.append(control(name));
    }
    return all;
}

bool SettingForm::isShown(const QString &name) const
{
    const FormControl *c = control(name);
    const FormSection *s = c ? section(c->section) : nullptr;
    return c && s && c->visible && s->visible;
}

// The names are the editor's own constants; an unknown one is a programming error caught by
// the tests, so it lands on a scratch control rather than crashing a user's session.
FormControl &SettingForm::ctl(const QString &name)
{
    const auto it = m_controlIndex.constFind(name);
    if (it != m_controlIndex.cend())
        return m_controls[*it];
    qCWarning(lcSettingForm) << "no control named" << name;
    static FormControl scratch;
    scratch = FormControl{};
    return scratch;
}

FormSection &SettingForm::sec(const QString &name)
{
    for (FormSection &section : m_sections) {
        if (section.name == name)
            return section;
    }
    qCWarning(lcSettingForm) << "no section named" << name;
    static FormSection scratch;
    scratch = FormSection{};
    return scratch;
}

void SettingForm::select(const QString &name, int index)
{
    FormControl &c = ctl(name);
    if (index >= -1 && index < c.items.size())
        c.selected = index;
}

int SettingForm::selected(const QString &name) const
{
    const FormControl *c = control(name);
    return c ? c->selected : -1;
}

void SettingForm::setPosition(const QString &name, int position)
{
    FormControl &c = ctl(name);
    if (position >= c.minimum && position <= c.maximum)
        c.position = position;
}

int SettingForm::position(const QString &name) const
{
    const FormControl *c = control(name);
    return c ? c->position : 0;
}

void SettingForm::setRange(const QString &name, int minimum, int maximum)
{
    FormControl &c = ctl(name);
    c.minimum = minimum;
    c.maximum = maximum;
    c.position = qBound(minimum, c.position, maximum);
}

void SettingForm::setCellTitles(const QString &name, const QStringList &titles)
{
    FormControl &c = ctl(name);
    for (int i = 0; i < c.items.size() && i < titles.size(); ++i)
        c.items[i].title = titles[i];
}

void SettingForm::setCellCount(const QString &name, int count)
{
    FormControl &c = ctl(name);
    while (c.items.size() > count)
        c.items.removeLast();
    while (c.items.size() < count)
        c.items.append(FormItem{});
    if (c.selected >= count)
        c.selected = count - 1;
}

// --- User actions ---------------------------------------------------------------------------

ActionResult SettingForm::checkAction(const QString &name, std::initializer_list<ControlKind> kinds,
                                      FormControl **out)
{
    const auto it = m_controlIndex.constFind(name);
    if (it == m_controlIndex.cend())
        return ActionResult::UnknownControl;
    FormControl &c = m_controls[*it];
    if (std::find(kinds.begin(), kinds.end(), c.kind) == kinds.end())
        return ActionResult::WrongKind;
    if (!isShown(name))
        return ActionResult::NotShown;
    if (!c.enabled || m_question)
        return ActionResult::Disabled;
    *out = &c;
    return ActionResult::Done;
}

bool SettingForm::isStop(const FormControl &slider, int position)
{
    const int step = qMax(1, slider.step);
    return position >= slider.minimum && position <= slider.maximum
        && (position - slider.minimum) % step == 0;
}

ActionResult SettingForm::pickCell(const QString &name, int index)
{
    FormControl *c = nullptr;
    const ActionResult result = checkAction(
        name, {ControlKind::RadioGroup, ControlKind::PopUp, ControlKind::ComboBox}, &c);
    if (result != ActionResult::Done)
        return result;
    if (index < 0 || index >= c->items.size())
        return ActionResult::BadValue;
    if (c->kind == ControlKind::RadioGroup && !c->items[index].enabled)
        return ActionResult::Disabled;
    cellAboutToBePicked(name, c->selected);
    c->selected = index;
    controlTouched(name);
    emit changed();
    return ActionResult::Done;
}

ActionResult SettingForm::pickTag(const QString &name, qint64 tag)
{
    FormControl *c = nullptr;
    const ActionResult result = checkAction(name, {ControlKind::PopUp}, &c);
    if (result != ActionResult::Done)
        return result;
    for (int i = 0; i < c->items.size(); ++i) {
        if (c->items[i].tag == tag) {
            c->selected = i;
            emit changed();
            return ActionResult::Done;
        }
    }
    return ActionResult::BadValue;
}

ActionResult SettingForm::setChecked(const QString &name, bool checked)
{
    FormControl *c = nullptr;
    const ActionResult result = checkAction(name, {ControlKind::CheckBox}, &c);
    if (result != ActionResult::Done)
        return result;
    c->checked = checked;
    controlTouched(name);
    emit changed();
    return ActionResult::Done;
}

ActionResult SettingForm::setDateTime(const QString &name, const QDateTime &dateTime)
{
    FormControl *c = nullptr;
    const ActionResult result = checkAction(name, {ControlKind::DatePicker}, &c);
    if (result != ActionResult::Done)
        return result;
    if (!dateTime.isValid())
        return ActionResult::BadValue;
    c->dateTime = dateTime.toLocalTime();
    emit changed();
    return ActionResult::Done;
}

ActionResult SettingForm::press(const QString &name)
{
    FormControl *c = nullptr;
    const ActionResult result = checkAction(name, {ControlKind::Button}, &c);
    if (result != ActionResult::Done)
        return result;
    controlTouched(name);
    emit changed();
    return ActionResult::Done;
}

ActionResult SettingForm::sliderTouchedDown(const QString &name)
{
    FormControl *c = nullptr;
    const ActionResult result = checkAction(name, {ControlKind::Slider}, &c);
    if (result == ActionResult::Done)
        m_pointerSlider = name;
    return result;
}

ActionResult SettingForm::sliderMoved(const QString &name, int position)
{
    FormControl *c = nullptr;
    const ActionResult result = checkAction(name, {ControlKind::Slider}, &c);
    if (result != ActionResult::Done)
        return result;
    if (!isStop(*c, position))
        return ActionResult::BadValue;
    c->position = position;
    sliderPositionChanged(name);
    emit changed();
    return ActionResult::Done;
}

void SettingForm::sliderTouchedUp(const QString &name)
{
    if (m_pointerSlider != name)
        return;
    m_pointerSlider.clear();
    pointerSliderChanged();
}

ActionResult SettingForm::setSlider(const QString &name, int position)
{
    FormControl *c = nullptr;
    ActionResult result = checkAction(name, {ControlKind::Slider}, &c);
    if (result == ActionResult::Done && !isStop(*c, position))
        result = ActionResult::BadValue;
    if (result != ActionResult::Done)
        return result;
    sliderTouchedDown(name);
    sliderMoved(name, position);
    sliderTouchedUp(name);
    return ActionResult::Done;
}

} // namespace drovik::form
