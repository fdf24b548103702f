#include "settings/store/r640_setting_manager.h"

#include "platform/volume_monitor.h"
#include "settings/store/byte_reader.h"
#include "settings/store/camera_models.h"
#include "settings/store/card_file.h"
#include "settings/store/record_defaults.h"
#include "settings/store/setting_manager_holder.h"

#include <QFileInfo>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcRecord, "drovik.store.record", QtWarningMsg)

namespace drovik {

R640SettingManager::R640SettingManager(const VolumeMonitor *monitor)
    : m_monitor(monitor)
{
}

const QStringList &R640SettingManager::modelNameList()
{
    return drovik::modelNameList();
}

int R640SettingManager::getSettingVariableCount() const
{
    return settingVariableCountFor(m_modelType, m_firmwareVersionInt);
}

int R640SettingManager::getSaveDataSize() const
{
    return recordSizeForFieldCount(getSettingVariableCount());
}

void R640SettingManager::setTextValue(Field field, const QString &text)
{
    FieldValue &value = m_values[index(field)];
    if (value.text.isNull() == text.isNull() && value.text == text)
        return;
    value.text = text;
    value.cardBytes.reset();
}

int R640SettingManager::applyRecordBytes(const QByteArray &bytes, int fieldLimit)
{
    const ByteReader reader(bytes);
    int offset = 0;
    int decoded = 0;
    for (const FieldInfo &info : kSetupRecordFields) {
        if (decoded >= fieldLimit || !reader.holds(offset, info.width))
            break;
        FieldValue &value = m_values[index(info.field)];
        switch (info.kind()) {
        case FieldKind::UInt8:
            value.number = *reader.uint8At(offset);
            break;
        case FieldKind::UInt16:
            value.number = *reader.uint16At(offset);
            break;
        case FieldKind::Int32:
            value.number = *reader.int32At(offset);
            break;
        case FieldKind::Text: {
            const QByteArray raw = *reader.bytesAt(offset, info.width);
            value.text = textFromField(raw);
            value.cardBytes = raw;
            break;
        }
        }
        offset += info.width;
        ++decoded;
    }
    return decoded;
}

QByteArray R640SettingManager::recordBytes() const
{
    const int count = getSettingVariableCount();
    ByteWriter writer(recordSizeForFieldCount(count));
    int offset = 0;
    for (int i = 0; i < count && i < kSetupRecordFieldCount; ++i) {
        const FieldInfo &info = kSetupRecordFields[std::size_t(i)];
        const FieldValue &value = m_values[index(info.field)];
        switch (info.kind()) {
        case FieldKind::UInt8:
            writer.putUint8(offset, quint8(value.number & 0xFF));
            break;
        case FieldKind::UInt16:
            writer.putUint16(offset, quint16(value.number & 0xFFFF));
            break;
        case FieldKind::Int32:
            writer.putInt32(offset, value.number);
            break;
        case FieldKind::Text:
            writer.putBytes(offset, info.width,
                            value.cardBytes ? *value.cardBytes
                                            : fieldBytesFromText(value.text, info.width));
            break;
        }
        offset += info.width;
    }
    return writer.bytes();
}

RecordLoadResult R640SettingManager::loadData()
{
    RecordLoadResult result;
    result.read = readRecord();
    if (result.read == RecordReadStatus::Read)
        result.write = saveData();
    return result;
}

RecordReadStatus R640SettingManager::readRecord()
{
    const QString path = upperSettingPath(m_settingDirPath, kRecordFileName);
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        loadDefaultValue();
        return RecordReadStatus::DefaultsApplied;
    }
    loadLanguages();
    // Fields past the longest record are never read, so neither are their bytes.
    const std::optional<QByteArray> bytes = readCardFile(path, kMaxSetupRecordSize);
    if (!bytes) {
        qCWarning(lcRecord) << "cannot read" << path;
        return RecordReadStatus::Unreadable;
    }
    const int decoded = applyRecordBytes(*bytes, getSettingVariableCount());
    qCDebug(lcRecord) << "read" << decoded << "fields from" << path;
    return RecordReadStatus::Read;
}

CardWriteStatus R640SettingManager::saveData()
{
    if (m_settingDirPath.isEmpty())
        return CardWriteStatus::NoCard;
    if (getSaveDataSize() == 0)
        return CardWriteStatus::NoRecordSize;
    return writeCardFileAtomically(upperSettingPath(m_settingDirPath, kRecordFileName), recordBytes());
}

void R640SettingManager::applyDefaults(int family)
{
    for (const DefaultRow &row : builtInDefaultRows()) {
        const DefaultValue &value = row.values[std::size_t(family)];
        switch (value.kind) {
        case DefaultValue::None:
            break;
        case DefaultValue::Number:
            setIntValue(row.field, value.number);
            break;
        case DefaultValue::Text:
            setTextValue(row.field, QString::fromUtf8(value.text));
            break;
        case DefaultValue::Nil:
            setTextValue(row.field, QString());
            break;
        }
    }
}

void R640SettingManager::loadDefaultValue()
{
    const std::optional<DefaultsFamily> defaults = cameraModel(m_modelType).builtInDefaults;
    if (!defaults)
        return;
    switch (*defaults) {
    case DefaultsFamily::K210: loadDefaultDataForK210(); break;
    case DefaultsFamily::R640: loadDefaultDataForR640(); break;
    case DefaultsFamily::V470: loadDefaultDataForV470(); break;
    case DefaultsFamily::V820: loadDefaultDataForV820(); break;
    case DefaultsFamily::R930: loadDefaultDataForR930(); break;
    }
}

void R640SettingManager::loadDefaultDataForK210() { applyDefaults(int(DefaultsFamily::K210)); }
void R640SettingManager::loadDefaultDataForR640() { applyDefaults(int(DefaultsFamily::R640)); }
void R640SettingManager::loadDefaultDataForV470() { applyDefaults(int(DefaultsFamily::V470)); }
void R640SettingManager::loadDefaultDataForR930() { applyDefaults(int(DefaultsFamily::R930)); }

void R640SettingManager::loadDefaultDataForV820()
{
    applyDefaults(int(DefaultsFamily::V820));
    const qint64 british = cameraModel(Model::V820UK).localID;
    if (m_localID == british) { // the UK variant runs on British time and miles
        setLocal_id(qint32(british));
        setGmt_offset(0);
        setDaylight_offset(0);
        setTz_key(QStringLiteral("GMT Standard Time"));
        setMeasurement_unit(1);
    }
}

bool R640SettingManager::loadDefaultDataFromDefaultCfgFile()
{
    if (m_settingDirPath.isEmpty())
        return false;
    const QString path = upperSettingPath(m_settingDirPath, kDefaultRecordFileName);
    const std::optional<QByteArray> bytes = readCardFile(path, kMaxSetupRecordSize);
    if (!bytes)
        return false;
    // The card's default record is read whole, whatever the model's record length.
    applyRecordBytes(*bytes, kSetupRecordFieldCount);
    return true;
}

ResetOutcome resetSettingsToDefaults(SettingManagerHolder &holder)
{
    R640SettingManager &current = holder.manager();
    auto fresh = std::make_unique<R640SettingManager>(current.m_monitor);
    fresh->setSettingDirPath(current.settingDirPath());
    fresh->setModelType(current.modelType());
    if (fresh->loadDefaultDataFromDefaultCfgFile()) {
        fresh->copyField(Field::version, current);
        fresh->setFirmwareVersionInt(current.firmwareVersionInt());
        fresh->copyField(Field::driving_guide_version, current);
        holder.replace(std::move(fresh));
        return ResetOutcome::FromDefaultCfg;
    }
    if (!cameraModel(current.modelType()).builtInDefaults)
        return ResetOutcome::Unchanged;
    current.loadDefaultValue();
    return ResetOutcome::BuiltInDefaults;
}

} // namespace drovik
