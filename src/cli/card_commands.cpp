// drovik card, drovik kvl: the card's settings as the viewer reads them, as JSON.
#include "arguments.h"
#include "commands.h"
#include "json_writer.h"

#include "settings/store/camera_models.h"
#include "settings/store/kvl_setting_manager.h"
#include "settings/store/r640_setting_manager.h"

#include <QDir>
#include <QFileInfo>
#include <QString>

#include <iostream>
#include <limits>
#include <optional>

namespace drovik::cli {

namespace {

struct FieldAssignment {
    Field field;
    QString text;
    qint32 number = 0;
};

std::optional<qint32> parseNumber(const QString &text, int width)
{
    bool ok = false;
    const bool hex = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
    const qint64 value = hex ? text.mid(2).toLongLong(&ok, 16) : text.toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    if (width == 1)
        return value >= 0 && value <= 0xFF ? std::optional<qint32>(qint32(value)) : std::nullopt;
    if (width == 2)
        return value >= 0 && value <= 0xFFFF ? std::optional<qint32>(qint32(value)) : std::nullopt;
    if (value >= std::numeric_limits<qint32>::min() && value <= std::numeric_limits<qint32>::max())
        return qint32(value);
    if (hex && value >= 0 && value <= 0xFFFFFFFFLL) // a bit pattern such as 0xFFFFFFFF
        return qint32(quint32(value));
    return std::nullopt;
}

// FIELD=VALUE, checked against the field's type and width; an error message otherwise.
std::optional<FieldAssignment> parseAssignment(const QString &text, QString &error)
{
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    const std::optional<Field> field = fieldByName(text.left(equals));
    if (equals < 1 || !field) {
        error = QStringLiteral("unknown record field in '%1'").arg(text);
        return std::nullopt;
    }
    const FieldInfo &info = fieldInfo(*field);
    FieldAssignment assignment{*field, text.mid(equals + 1)};
    if (info.isText()) {
        if (assignment.text.toUtf8().size() > info.width) {
            error = QStringLiteral("%1 holds at most %2 bytes").arg(QLatin1String(info.name))
                        .arg(info.width);
            return std::nullopt;
        }
        return assignment;
    }
    const std::optional<qint32> number = parseNumber(assignment.text, info.width);
    if (!number) {
        error = QStringLiteral("bad value for %1: '%2'").arg(QLatin1String(info.name),
                                                            assignment.text);
        return std::nullopt;
    }
    assignment.number = *number;
    return assignment;
}

QString cardRootFrom(const std::string &arg)
{
    return QDir::cleanPath(QFileInfo(QString::fromStdString(arg)).absoluteFilePath());
}

bool checkRoot(const char *command, const QString &root)
{
    if (QFileInfo(root).isDir())
        return true;
    std::cerr << "drovik " << command << ": not a folder: " << root.toStdString() << "\n";
    return false;
}

QString displayModelName(const R640SettingManager &manager)
{
    const ModelType type = manager.modelType();
    if (cameraModel(type).selfSizedRecord)
        return manager.modelName();
    if (isKnownModelType(type))
        return modelNameList().at(type);
    return {};
}

// The record as the contract prints it, with the model's fields in record order.
std::string cardJson(const R640SettingManager &manager)
{
    JsonWriter json;
    json.beginObject().key("modelType").number(manager.modelType());
    json.key("modelName").string(displayModelName(manager));
    json.key("version").string(manager.version());
    json.key("firmwareVersionInt").number(manager.firmwareVersionInt());
    json.key("localID").number(manager.localID());
    json.key("languages").beginArray();
    for (const LanguageEntry &language : manager.languages())
        json.beginArray().number(language.index).string(language.code).endArray();
    json.endArray().key("recordSize").number(manager.getSaveDataSize());
    json.key("record").beginObject();
    const int count = manager.getSettingVariableCount();
    for (int i = 0; i < count && i < kSetupRecordFieldCount; ++i) {
        const FieldInfo &info = kSetupRecordFields[std::size_t(i)];
        json.key(info.name);
        if (info.isText())
            json.string(manager.textValue(info.field));
        else
            json.number(manager.intValue(info.field));
    }
    return json.endObject().endObject().text();
}

} // namespace

int runCardCommand(const Args &args)
{
    const char *usage = "usage: drovik card ROOT [--set FIELD=VALUE]... [--save]\n";
    const ParsedArguments parsed = parseArguments(args, ArgumentSyntax::strict(),
                                                  {{"--save"}, {"--set", true}});
    QList<FieldAssignment> assignments;
    bool save = false;
    for (const auto &[name, value] : parsed.options) {
        if (name == "--save") {
            save = true;
            continue;
        }
        QString error;
        const auto assignment = parseAssignment(QString::fromStdString(value), error);
        if (!assignment) {
            std::cerr << "drovik card: " << error.toStdString() << "\n";
            return 2;
        }
        assignments.append(*assignment);
    }
    if (parsed.problem || !parsed.operand) {
        std::cerr << usage;
        return 2;
    }
    const QString root = cardRootFrom(*parsed.operand);
    if (!checkRoot("card", root))
        return 1;

    R640SettingManager manager;
    manager.loadVersionInfoWithSDPath(root);
    manager.readRecord();
    for (const FieldAssignment &assignment : assignments) {
        if (int(assignment.field) >= manager.getSettingVariableCount()) {
            std::cerr << "drovik card: " << fieldInfo(assignment.field).name
                      << " is not part of this model's record\n";
            return 2;
        }
        if (fieldInfo(assignment.field).isText())
            manager.setTextValue(assignment.field, assignment.text);
        else
            manager.setIntValue(assignment.field, assignment.number);
    }
    if (save && isCardError(manager.saveData())) {
        std::cerr << "drovik card: cannot write " << root.toStdString() << "/SETTING/setup.cfg\n";
        return 1;
    }
    std::cout << cardJson(manager) << "\n";
    return 0;
}

int runKvlCommand(const Args &args)
{
    const ParsedArguments parsed = parseArguments(args, ArgumentSyntax::strict(), {{"--save"}});
    if (parsed.problem || !parsed.operand) {
        std::cerr << "usage: drovik kvl ROOT [--save]\n";
        return 2;
    }
    const bool save = !parsed.options.empty();
    const QString root = cardRootFrom(*parsed.operand);
    if (!checkRoot("kvl", root))
        return 1;

    R640SettingManager card;
    card.setSettingDirPath(root);
    KvlSettingManager manager(card);
    manager.loadData();
    if (save && isCardError(manager.saveData())) {
        std::cerr << "drovik kvl: cannot write " << root.toStdString()
                  << "/SETTING/blackbox.cfg\n";
        return 1;
    }
    JsonWriter json;
    json.beginObject().key("lines");
    if (!manager.hasLinedSettings()) {
        json.null();
    } else {
        json.beginArray();
        for (const QString &line : manager.linedSettings())
            json.string(line);
        json.endArray();
    }
    std::cout << json.endObject().text() << "\n";
    return 0;
}

} // namespace drovik::cli
