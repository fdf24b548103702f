// The text-file editor's frame: lookup of its named controls, opening, OK and Reset, and the
// user actions with the checks that keep a refused gesture from changing anything.
#include "settings/form/kvl_setting_form.h"

#include <QFileInfo>
#include <QLoggingCategory>

#include <algorithm>

Q_LOGGING_CATEGORY(lcKvlForm, "drovik.settings.kvlform", QtWarningMsg)

namespace drovik::form {

KvlSettingForm::KvlSettingForm(KVLSettingManager &lines, R640SettingManager &card, QObject *parent)
    : QObject(parent), m_lines(lines), m_card(card)
{
    buildLayout();
}

KvlSettingForm::~KvlSettingForm() = default;

ModelType KvlSettingForm::modelType() const { return m_card.modelType(); }

QString KvlSettingForm::family() const { return QStringLiteral("N260"); }

// --- Lookup ---------------------------------------------------------------------------------

const FormSection *KvlSettingForm::section(const QString &name) const
{
    for (const FormSection &section : m_sections) {
        if (section.name == name)
            return &section;
    }
    return nullptr;
}

const FormControl *KvlSettingForm::control(const QString &name) const
{
    const auto it = m_controlIndex.constFind(name);
    return it == m_controlIndex.cend() ? nullptr : &m_controls[*it];
}

QList<const FormControl *> KvlSettingForm::controls() const
{
    QList<const FormControl *> all;
    for (const FormSection &section : m_sections) {
        for (const QString &name : section.controls)
            all.append(control(name));
    }
    return all;
}

bool KvlSettingForm::isShown(const QString &name) const
{
    const FormControl *c = control(name);
    const FormSection *s = c ? section(c->section) : nullptr;
    return c && s && c->visible && s->visible;
}

// The names are the form's own constants; an unknown one is a programming error caught by the
// tests, so it lands on a scratch control rather than crashing a user's session.
FormControl &KvlSettingForm::ctl(const QString &name)
{
    const auto it = m_controlIndex.constFind(name);
    if (it != m_controlIndex.cend())
        return m_controls[*it];
    qCWarning(lcKvlForm) << "no control named" << name;
    static FormControl scratch;
    scratch = FormControl{};
    return scratch;
}

FormSection &KvlSettingForm::sec(const QString &name)
{
    for (FormSection &section : m_sections) {
        if (section.name == name)
            return section;
    }
    qCWarning(lcKvlForm) << "no section named" << name;
    static FormSection scratch;
    scratch = FormSection{};
    return scratch;
}

void KvlSettingForm::select(const QString &name, int index)
{
    FormControl &c = ctl(name);
    if (index >= -1 && index < c.items.size())
        c.selected = index;
}

int KvlSettingForm::selected(const QString &name) const
{
    const FormControl *c = control(name);
    return c ? c->selected : -1;
}

// --- Life cycle -----------------------------------------------------------------------------

void KvlSettingForm::open()
{
    buildLayout();
    applyMainLanguageSeting();
    applyModelFeatures();
    applySettingData();
    emit changed();
}

CardWriteStatus KvlSettingForm::okButtonTouched()
{
    // A card pulled while the editor was open leaves its mount folder behind at best; writing
    // would only recreate the folders on the computer's own disk.
    const QString root = m_card.settingDirPath();
    if (root.isEmpty() || !QFileInfo(root).isDir())
        return CardWriteStatus::NoCard;
    const QStringList before = m_lines.linedSettings();
    const bool hadLines = m_lines.hasLinedSettings();
    if (control(QStringLiteral("dateTimeCheckBox"))->checked) {
        m_lines.removeTimeDateDelimiters();
        m_lines.addTimeDateDelimiters(clockLines());
    }
    const CardWriteStatus status = m_lines.saveData();
    // A failed write leaves the lines as the user left them: a second OK after the box was
    // cleared must not carry this attempt's clock block.
    if (status != CardWriteStatus::Written && hadLines)
        m_lines.setLinedSettings(before);
    return status;
}

void KvlSettingForm::resetButtonTouched()
{
    // The model and version lines describe the camera, not a setting: the default file's
    // placeholders would blank the read-outs and the camera's own lines on the next OK.
    const QString modelKey = QStringLiteral("model=");
    const QString versionKey = QStringLiteral("version=");
    const std::optional<QString> model = lineValue(modelKey);
    const std::optional<QString> version = lineValue(versionKey);
    m_lines.loadDefaultValue();
    if (model)
        writeLine(modelKey, *model);
    if (version)
        writeLine(versionKey, *version);
    applySettingData();
    // The default lines do not set the clock; the box follows them.
    applyClockState(false);
    emit changed();
}

// --- User actions ---------------------------------------------------------------------------

ActionResult KvlSettingForm::checkAction(const QString &name, std::initializer_list<ControlKind> kinds,
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
    if (!c.enabled)
        return ActionResult::Disabled;
    *out = &c;
    return ActionResult::Done;
}

ActionResult KvlSettingForm::pickCell(const QString &name, int index)
{
    FormControl *c = nullptr;
    const ActionResult result = checkAction(name, {ControlKind::RadioGroup, ControlKind::ComboBox}, &c);
    if (result != ActionResult::Done)
        return result;
    if (index < 0 || index >= c->items.size())
        return ActionResult::BadValue;
    if (c->kind == ControlKind::RadioGroup && !c->items[index].enabled)
        return ActionResult::Disabled;
    c->selected = index;
    runControlHandler(name);
    emit changed();
    return ActionResult::Done;
}

ActionResult KvlSettingForm::pickTag(const QString &name, qint64)
{
    FormControl *c = nullptr;
    return checkAction(name, {ControlKind::PopUp}, &c);
}

ActionResult KvlSettingForm::setChecked(const QString &name, bool checked)
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

ActionResult KvlSettingForm::setDateTime(const QString &name, const QDateTime &dateTime)
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

ActionResult KvlSettingForm::press(const QString &name)
{
    FormControl *c = nullptr;
    const ActionResult result = checkAction(name, {ControlKind::Button}, &c);
    if (result != ActionResult::Done)
        return result;
    runControlHandler(name);
    emit changed();
    return ActionResult::Done;
}

ActionResult KvlSettingForm::sliderTouchedDown(const QString &name)
{
    FormControl *c = nullptr;
    const ActionResult result = checkAction(name, {ControlKind::Slider}, &c);
    if (result == ActionResult::Done)
        m_pointerSlider = name;
    return result;
}

// Every position the slider stops on is written at once, whether the pointer or the keyboard
// moved it: a value on screen that OK would not save is worse than a line written early.
ActionResult KvlSettingForm::sliderMoved(const QString &name, int position)
{
    FormControl *c = nullptr;
    const ActionResult result = checkAction(name, {ControlKind::Slider}, &c);
    if (result != ActionResult::Done)
        return result;
    if (position < c->minimum || position > c->maximum || (position - c->minimum) % c->step != 0)
        return ActionResult::BadValue;
    c->position = position;
    writeSliderLine(name);
    emit changed();
    return ActionResult::Done;
}

// The guides stay hidden: letting go only forgets the slider.
void KvlSettingForm::sliderTouchedUp(const QString &name)
{
    if (m_pointerSlider == name)
        m_pointerSlider.clear();
}

ActionResult KvlSettingForm::setSlider(const QString &name, int position)
{
    FormControl *c = nullptr;
    ActionResult result = checkAction(name, {ControlKind::Slider}, &c);
    if (result == ActionResult::Done
        && (position < c->minimum || position > c->maximum || (position - c->minimum) % c->step != 0))
        result = ActionResult::BadValue;
    if (result != ActionResult::Done)
        return result;
    sliderTouchedDown(name);
    sliderMoved(name, position);
    sliderTouchedUp(name);
    return ActionResult::Done;
}

} // namespace drovik::form
