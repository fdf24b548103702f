// The form's frame: lookup of its named controls, opening, tabs, OK and Reset, and the user
// actions with the checks that keep a refused gesture from changing anything.
#include "settings/form/record_setting_form.h"

#include "settings/store/card_maintenance.h"
#include "settings/store/setting_manager_holder.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcSettingsForm, "drovik.settings.form", QtWarningMsg)

namespace drovik::form {

RecordSettingForm::RecordSettingForm(SettingManagerHolder &holder, const VolumeMonitor *monitor,
                                     QObject *parent)
    : QObject(parent), m_holder(holder), m_monitor(monitor)
{
    buildLayout();
}

RecordSettingForm::~RecordSettingForm() = default;

R640SettingManager &RecordSettingForm::manager() const { return m_holder.manager(); }

ModelType RecordSettingForm::modelType() const { return manager().modelType(); }

RecordSettingForm::Family RecordSettingForm::familyOf() const
{
    switch (modelType()) {
    case Model::K210: return Family::K210;
    case Model::R640: return Family::R640;
    case Model::V470: return Family::V470;
    case Model::V820: case Model::V820UK: case Model::V880: return Family::V820;
    case Model::R930: case Model::R970: case Model::RB740: return Family::R930;
    case Model::V530: case Model::V560: case Model::VM30: return Family::V560;
    case Model::R60: case Model::RB20: case Model::R120: case Model::RM30: case Model::QT_K9_PN:
        return Family::R60;
    default: return Family::None; // the text-file family, the web-page models, 27 and 28
    }
}

QString RecordSettingForm::family() const
{
    static const char *const names[] = {"", "K210", "R640", "V470", "V820", "R930", "V560", "R60"};
    return QString::fromLatin1(names[int(familyOf())]);
}

bool RecordSettingForm::isSecondGeneration() const
{
    const Family f = familyOf();
    return f == Family::V820 || f == Family::R930 || f == Family::V560 || f == Family::R60;
}

bool RecordSettingForm::isThreeRowParking() const
{
    const ModelType type = modelType();
    return type == Model::V880 || type == Model::R970 || type == Model::RB740;
}

// --- Lookup ---------------------------------------------------------------------------------

const FormSection *RecordSettingForm::section(const QString &name) const
{
    for (const FormSection &section : m_sections) {
        if (section.name == name)
            return &section;
    }
    return nullptr;
}

const FormControl *RecordSettingForm::control(const QString &name) const
{
    const auto it = m_controlIndex.constFind(name);
    return it == m_controlIndex.cend() ? nullptr : &m_controls[*it];
}

QList<const FormControl *> RecordSettingForm::controls() const
{
    QList<const FormControl *> all;
    for (int tab = 0; tab < 4; ++tab) {
        for (const FormSection &section : m_sections) {
            if (section.tab != tab)
                continue;
            for (const QString &name : section.controls)
                all.append(control(name));
        }
    }
    return all;
}

bool RecordSettingForm::isShown(const QString &name) const
{
    const FormControl *c = control(name);
    if (!c)
        return false;
    const FormSection *s = section(c->section);
    return c->visible && s && s->visible;
}

// The names are the form's own constants; an unknown one is a programming error caught by the
// tests, so it lands on a scratch control rather than crashing a user's session.
FormControl &RecordSettingForm::ctl(const QString &name)
{
    const auto it = m_controlIndex.constFind(name);
    if (it != m_controlIndex.cend())
        return m_controls[*it];
    qCWarning(lcSettingsForm) << "no control named" << name;
    static FormControl scratch;
    scratch = FormControl{};
    return scratch;
}

FormSection &RecordSettingForm::sec(const QString &name)
{
    for (FormSection &section : m_sections) {
        if (section.name == name)
            return section;
    }
    qCWarning(lcSettingsForm) << "no section named" << name;
    static FormSection scratch;
    scratch = FormSection{};
    return scratch;
}

void RecordSettingForm::setSectionShown(const QString &name, bool shown) { sec(name).visible = shown; }
void RecordSettingForm::setControlShown(const QString &name, bool shown) { ctl(name).visible = shown; }
void RecordSettingForm::setEnabled(const QString &name, bool enabled) { ctl(name).enabled = enabled; }

void RecordSettingForm::select(const QString &name, int index)
{
    FormControl &c = ctl(name);
    if (index >= -1 && index < c.items.size())
        c.selected = index;
}

int RecordSettingForm::selected(const QString &name) const
{
    const FormControl *c = control(name);
    return c ? c->selected : -1;
}

void RecordSettingForm::setPosition(const QString &name, int position)
{
    FormControl &c = ctl(name);
    if (position >= c.minimum && position <= c.maximum)
        c.position = position;
}

int RecordSettingForm::position(const QString &name) const
{
    const FormControl *c = control(name);
    return c ? c->position : 0;
}

void RecordSettingForm::setRange(const QString &name, int minimum, int maximum)
{
    FormControl &c = ctl(name);
    c.minimum = minimum;
    c.maximum = maximum;
    c.position = qBound(minimum, c.position, maximum);
}

void RecordSettingForm::setCellTitles(const QString &name, const QStringList &titles)
{
    FormControl &c = ctl(name);
    for (int i = 0; i < c.items.size() && i < titles.size(); ++i)
        c.items[i].title = titles[i];
}

void RecordSettingForm::setCellCount(const QString &name, int count)
{
    FormControl &c = ctl(name);
    while (c.items.size() > count)
        c.items.removeLast();
    while (c.items.size() < count)
        c.items.append(FormItem{});
    if (c.selected >= count)
        c.selected = count - 1;
}

// --- Life cycle -----------------------------------------------------------------------------

void RecordSettingForm::open()
{
    m_question.reset();
    buildLayout();
    applyMainLanguageSeting();
    applyModelFeatures();
    applySettingData();
    applySettingTime();
    m_currentTab = -1;
    tabButtonTouched(0);
    refreshMemoryPartitionGraph();
    refreshSliderGuides();
    emit changed();
}

void RecordSettingForm::tabButtonTouched(int tab)
{
    if (tab < 0 || tab > 3 || tab == m_currentTab)
        return;
    m_currentTab = tab;
    emit changed();
}

CardWriteStatus RecordSettingForm::okButtonTouched()
{
    const CardWriteStatus status = saveData();
    // A card that did not take the record gets no clock file either: half of the settings
    // applied at the camera's next start is worse than none.
    if (!isCardError(status))
        saveSettingTime();
    return status;
}

void RecordSettingForm::resetButtonTouched()
{
    // A replacement manager from the card's default record goes into the holder; manager()
    // follows it. The clock controls are not the record's and stay as they are.
    resetSettingsToDefaults(m_holder);
    applySettingData();
    emit changed();
}

// --- User actions ---------------------------------------------------------------------------

ActionResult RecordSettingForm::checkAction(const QString &name,
                                            std::initializer_list<ControlKind> kinds,
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
    // An open sheet holds the editor, as the dialog's modal alerts do.
    if (!c.enabled || m_question)
        return ActionResult::Disabled;
    *out = &c;
    return ActionResult::Done;
}

ActionResult RecordSettingForm::pickCell(const QString &name, int index)
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
    if (name == u"parkingModeRadioGroup")
        m_parkingRowBeforePick = c->selected; // where "아니오" to its question returns
    c->selected = index;
    runControlHandler(name);
    emit changed();
    return ActionResult::Done;
}

ActionResult RecordSettingForm::pickTag(const QString &name, qint64 tag)
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

ActionResult RecordSettingForm::setChecked(const QString &name, bool checked)
{
    FormControl *c = nullptr;
    const ActionResult result = checkAction(name, {ControlKind::CheckBox}, &c);
    if (result != ActionResult::Done)
        return result;
    c->checked = checked;
    runControlHandler(name);
    emit changed();
    return ActionResult::Done;
}

ActionResult RecordSettingForm::setDateTime(const QString &name, const QDateTime &dateTime)
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

ActionResult RecordSettingForm::press(const QString &name)
{
    FormControl *c = nullptr;
    const ActionResult result = checkAction(name, {ControlKind::Button}, &c);
    if (result != ActionResult::Done)
        return result;
    runControlHandler(name);
    emit changed();
    return ActionResult::Done;
}

ActionResult RecordSettingForm::sliderTouchedDown(const QString &name)
{
    FormControl *c = nullptr;
    const ActionResult result = checkAction(name, {ControlKind::Slider}, &c);
    if (result != ActionResult::Done)
        return result;
    m_pointerSlider = name;
    return ActionResult::Done;
}

ActionResult RecordSettingForm::sliderMoved(const QString &name, int position)
{
    FormControl *c = nullptr;
    const ActionResult result = checkAction(name, {ControlKind::Slider}, &c);
    if (result != ActionResult::Done)
        return result;
    if (position < c->minimum || position > c->maximum)
        return ActionResult::BadValue;
    c->position = position;
    refreshSliderGuides();
    emit changed();
    return ActionResult::Done;
}

void RecordSettingForm::sliderTouchedUp(const QString &name)
{
    if (m_pointerSlider != name)
        return;
    m_pointerSlider.clear();
    refreshSliderGuides();
    emit changed();
}

ActionResult RecordSettingForm::setSlider(const QString &name, int position)
{
    FormControl *c = nullptr;
    ActionResult result = checkAction(name, {ControlKind::Slider}, &c);
    if (result == ActionResult::Done && (position < c->minimum || position > c->maximum))
        result = ActionResult::BadValue;
    if (result != ActionResult::Done)
        return result;
    sliderTouchedDown(name);
    sliderMoved(name, position);
    sliderTouchedUp(name);
    return ActionResult::Done;
}

} // namespace drovik::form
