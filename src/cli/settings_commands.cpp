// drovik settings: the card's settings editor without a window, on the same form model the
// settings dialog draws, driven by the command line as a user would drive the dialog.
#include "arguments.h"
#include "commands.h"
#include "json_writer.h"

#include "i18n/drovik_languages.h"
#include "platform/volume_monitor.h"
#include "settings/form/kvl_setting_form.h"
#include "settings/form/record_setting_form.h"
#include "settings/store/camera_models.h"
#include "settings/store/kvl_setting_manager.h"
#include "settings/store/r640_setting_manager.h"
#include "settings/store/setting_manager_holder.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QString>

#include <iostream>
#include <memory>
#include <optional>
#include <utility>

namespace drovik::cli {

namespace {

using form::ActionResult;
using form::ControlKind;
using form::FormControl;
using form::KvlSettingForm;
using form::RecordSettingForm;

const char *const kUsage =
    "usage: drovik settings ROOT [--lang en|fr|ja|pt] [--reset] [--set CONTROL=VALUE]... [--ok]\n";
const QString kDateTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

struct SettingsRequest {
    QString root;
    QString language = QStringLiteral("en");
    bool reset = false;
    QList<std::pair<QString, QString>> sets; // control name, value as given
    bool ok = false;

    bool changesAnything() const { return reset || ok || !sets.isEmpty(); }
};

// The command line alone, before the card is looked at; a message on stderr when it is wrong.
std::optional<SettingsRequest> parseRequest(const Args &args)
{
    const ParsedArguments parsed = parseArguments(
        args, ArgumentSyntax::strict(), {{"--lang", true}, {"--reset"}, {"--set", true}, {"--ok"}});
    if (parsed.problem || !parsed.operand) {
        std::cerr << kUsage;
        return std::nullopt;
    }
    SettingsRequest request;
    request.root = QDir::cleanPath(QFileInfo(QString::fromStdString(*parsed.operand)).absoluteFilePath());
    for (const auto &[name, value] : parsed.options) {
        const QString text = QString::fromStdString(value);
        if (name == "--lang") {
            static const QStringList known = {QStringLiteral("en"), QStringLiteral("fr"),
                                              QStringLiteral("ja"), QStringLiteral("pt")};
            if (!known.contains(text)) {
                std::cerr << "drovik settings: unknown language '" << value
                          << "' (en, fr, ja or pt)\n";
                return std::nullopt;
            }
            request.language = text;
        } else if (name == "--reset") {
            request.reset = true;
        } else if (name == "--ok") {
            request.ok = true;
        } else {
            const qsizetype equals = text.indexOf(QLatin1Char('='));
            if (equals < 1) {
                std::cerr << "drovik settings: --set takes CONTROL=VALUE, not '" << value << "'\n";
                return std::nullopt;
            }
            request.sets.append({text.left(equals), text.mid(equals + 1)});
        }
    }
    return request;
}

std::string webEditorJson(ModelType type)
{
    JsonWriter json;
    json.beginObject().key("editor").string("web");
    json.key("page").string("SETTING/html/index.html");
    return json.key("modelType").number(type).endObject().text();
}

// Why the form refused a gesture, in the words of the command line.
QString refusal(ActionResult result, const FormControl &control, const QString &value)
{
    switch (result) {
    case ActionResult::UnknownControl: return QStringLiteral("no such control");
    case ActionResult::WrongKind: return QStringLiteral("it cannot be set");
    case ActionResult::NotShown: return QStringLiteral("it is not shown");
    case ActionResult::Disabled: return QStringLiteral("it is disabled");
    case ActionResult::BadValue: break;
    case ActionResult::Done: return {};
    }
    switch (control.kind) {
    case ControlKind::Slider:
        return QStringLiteral("position %1 is outside %2..%3").arg(value).arg(control.minimum)
            .arg(control.maximum);
    case ControlKind::PopUp: return QStringLiteral("it holds no item with tag %1").arg(value);
    case ControlKind::DatePicker:
        return QStringLiteral("'%1' is not a time of this zone").arg(value);
    default: return QStringLiteral("it has no item %1").arg(value);
    }
}

// One --set as the user's gesture on the control; an empty text when the form took it. Form is
// either editor's form: they share the shape of their controls and gestures.
template <class Form>
QString applySetting(Form &form, const QString &name, const QString &value)
{
    const std::optional<form::ControlId> id = form::controlNamed(name);
    const FormControl *control = id ? form.control(*id) : nullptr;
    if (!control)
        return refusal(ActionResult::UnknownControl, {}, value);
    bool ok = false;
    ActionResult result = ActionResult::BadValue;
    switch (control->kind) {
    case ControlKind::RadioGroup:
    case ControlKind::ComboBox: {
        const int index = value.toInt(&ok);
        if (!ok)
            return QStringLiteral("'%1' is not an item index").arg(value);
        result = form.pickCell(*id, index);
        break;
    }
    case ControlKind::PopUp: {
        const qint64 tag = value.toLongLong(&ok);
        if (!ok)
            return QStringLiteral("'%1' is not a language tag").arg(value);
        result = form.pickTag(*id, tag);
        break;
    }
    case ControlKind::CheckBox:
        if (value != QLatin1String("true") && value != QLatin1String("false"))
            return QStringLiteral("'%1' is neither true nor false").arg(value);
        result = form.setChecked(*id, value == QLatin1String("true"));
        break;
    case ControlKind::Slider: {
        const int position = value.toInt(&ok);
        if (!ok)
            return QStringLiteral("'%1' is not a slider position").arg(value);
        result = form.setSlider(*id, position);
        break;
    }
    case ControlKind::DatePicker: {
        const QDateTime time = QDateTime::fromString(value, kDateTimeFormat);
        if (!time.isValid())
            return QStringLiteral("'%1' is not a time as yyyy-MM-dd HH:mm:ss").arg(value);
        result = form.setDateTime(*id, time);
        break;
    }
    default:
        result = ActionResult::WrongKind;
        break;
    }
    return refusal(result, *control, value);
}

void writeControlValue(JsonWriter &json, const FormControl &c)
{
    const bool hasSelection = c.selected >= 0 && c.selected < c.items.size();
    switch (c.kind) {
    case ControlKind::RadioGroup:
    case ControlKind::ComboBox:
    case ControlKind::PopUp:
        if (!hasSelection)
            json.null();
        else if (c.kind == ControlKind::PopUp)
            json.number(c.items[c.selected].tag);
        else
            json.number(c.selected);
        break;
    case ControlKind::Slider:
        json.number(c.position).key("range").beginArray().number(c.minimum).number(c.maximum)
            .endArray();
        break;
    case ControlKind::CheckBox:
        json.boolean(c.checked);
        break;
    case ControlKind::DatePicker:
        json.string(c.dateTime.isValid() ? c.dateTime.toLocalTime().toString(kDateTimeFormat)
                                         : QString());
        break;
    case ControlKind::PartitionBar:
        json.beginArray();
        for (const float percentage : c.percentages)
            json.fixed(percentage, 1);
        json.endArray();
        break;
    default:
        json.null();
        break;
    }
}

bool hasItems(ControlKind kind)
{
    return kind == ControlKind::RadioGroup || kind == ControlKind::PopUp
        || kind == ControlKind::ComboBox;
}

template <class Form>
std::string editorJson(const Form &form, const char *editor)
{
    JsonWriter json;
    json.beginObject().key("editor").string(editor);
    const QString family = form.family();
    json.key("family").string(family.isEmpty() ? QString() : family);
    json.key("modelType").number(form.modelType());
    json.key("controls").beginObject();
    for (const FormControl *c : form.controls()) {
        // Labels and buttons hold no setting.
        if (!c || c->kind == ControlKind::Label || c->kind == ControlKind::Button)
            continue;
        json.key(form::controlName(c->id)).beginObject();
        json.key("visible").boolean(form.isShown(c->id));
        json.key("enabled").boolean(c->enabled);
        json.key("value");
        writeControlValue(json, *c);
        if (hasItems(c->kind)) {
            json.key("items").beginArray();
            for (const form::FormItem &item : c->items)
                json.string(item.title.isNull() ? QStringLiteral("") : item.title);
            json.endArray();
        }
        json.endObject();
    }
    return json.endObject().endObject().text();
}

// Opens the editor and replays the request; the exit status. A rehearsal stops after the
// gestures; otherwise OK runs when asked and the editor is printed.
template <class Form>
int replay(const SettingsRequest &request, Form &form, bool rehearsal, const char *editor,
           const char *file)
{
    form.open();
    if (request.reset)
        form.resetButtonTouched();
    for (const auto &[name, value] : request.sets) {
        const QString why = applySetting(form, name, value);
        if (!why.isEmpty()) {
            std::cerr << "drovik settings: cannot set " << name.toStdString() << " to '"
                      << value.toStdString() << "': " << why.toStdString() << "\n";
            return 2;
        }
    }
    if (rehearsal)
        return 0;
    if (request.ok && isCardError(form.okButtonTouched())) {
        std::cerr << "drovik settings: cannot write " << request.root.toStdString() << "/SETTING/"
                  << file << "\n";
        return 1;
    }
    std::cout << editorJson(form, editor) << "\n";
    return 0;
}

int runRecordEditor(const SettingsRequest &request, std::unique_ptr<R640SettingManager> manager,
                    const VolumeMonitor &volumes, bool rehearsal)
{
    SettingManagerHolder holder(std::move(manager));
    RecordSettingForm form(holder, volumes);
    // The dialog's sheets, answered as a user who agrees (the last button confirms).
    QObject::connect(&form, &RecordSettingForm::questionAsked, &form,
                     [&form](const form::FormQuestion &question) {
                         if (question.buttonsEnabled && !question.buttons.isEmpty())
                             form.answer(int(question.buttons.size()) - 1);
                     });
    return replay(request, form, rehearsal, "record", "setup.cfg");
}

// The text-file editor on the card's lines, loaded as the settings button loads them. Its
// gestures write only the lines in memory, so a rehearsal is not needed to keep a refused
// --set from reaching the card; it runs all the same so both editors refuse alike.
int runKvlEditor(const SettingsRequest &request, R640SettingManager &card, bool rehearsal)
{
    KvlSettingManager lines(card);
    lines.loadData();
    KvlSettingForm form(lines, card);
    return replay(request, form, rehearsal, "kvl", "blackbox.cfg");
}

// volumes: for the editor's format check.
std::unique_ptr<R640SettingManager> detectedManager(const QString &root, const VolumeMonitor &volumes)
{
    auto manager = std::make_unique<R640SettingManager>(&volumes);
    manager->loadVersionInfoWithSDPath(root);
    return manager;
}

} // namespace

int runSettingsCommand(const Args &args)
{
    const std::optional<SettingsRequest> request = parseRequest(args);
    if (!request)
        return 2;
    if (!QFileInfo(request->root).isDir()) {
        std::cerr << "drovik settings: not a folder: " << request->root.toStdString() << "\n";
        return 1;
    }
    DrovikLanguages languages;
    languages.setLanguage(request->language);
    languages.install();
    const VolumeMonitor volumes;

    std::unique_ptr<R640SettingManager> manager = detectedManager(request->root, volumes);
    const ModelType type = manager->modelType();
    const SettingsEditor editor = settingsEditorFor(type);
    if (editor == SettingsEditor::None) {
        std::cerr << "drovik settings: no camera settings recognised in "
                  << request->root.toStdString() << "\n";
        return 1;
    }
    if (editor == SettingsEditor::TextFile) {
        if (const int status = runKvlEditor(*request, *manager, true); status != 0)
            return status;
        return runKvlEditor(*request, *manager, false);
    }
    if (editor == SettingsEditor::WebPage) {
        if (request->changesAnything()) {
            std::cerr << "drovik settings: model type " << type
                      << " keeps its own settings page; --set, --reset and --ok do not apply\n";
            return 2;
        }
        // What the settings button does before it shows the page.
        if (cameraModel(type).selfSizedRecord)
            manager->loadLanguages();
        else
            manager->loadData();
        std::cout << webEditorJson(type) << "\n";
        return 0;
    }

    // A rehearsal on the record as read, so that a refused --set leaves the card untouched
    // (opening the editor rewrites the record).
    manager->readRecord();
    if (const int status = runRecordEditor(*request, std::move(manager), volumes, true); status != 0)
        return status;
    manager = detectedManager(request->root, volumes);
    manager->loadData();
    return runRecordEditor(*request, std::move(manager), volumes, false);
}

} // namespace drovik::cli
