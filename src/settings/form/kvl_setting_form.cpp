// The text-file editor's frame: lookup of its named controls, opening, OK and Reset, and the
// user actions with the checks that keep a refused gesture from changing anything.
#include "settings/form/kvl_setting_form.h"

#include <QFileInfo>


namespace drovik::form {

KvlSettingForm::KvlSettingForm(KvlSettingManager &lines, R640SettingManager &card, QObject *parent)
    : SettingForm(parent), m_lines(lines), m_card(card)
{
    buildLayout();
}

KvlSettingForm::~KvlSettingForm() = default;

ModelType KvlSettingForm::modelType() const { return m_card.modelType(); }

QString KvlSettingForm::family() const { return familyName(ModelFamily::N260); }

// --- Life cycle -----------------------------------------------------------------------------

void KvlSettingForm::open()
{
    buildLayout();
    applyMainLanguageSetting();
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
    if (control(ControlId::DateTimeCheckBox)->checked) {
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

} // namespace drovik::form
