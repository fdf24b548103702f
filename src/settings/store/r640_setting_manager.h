#pragma once

#include "settings/store/card_file.h"
#include "settings/store/record_layout.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <array>
#include <memory>
#include <optional>
#include <type_traits>

namespace drovik {

class VolumeMonitor;

// One interface language the camera offers: its index in the camera's list and its ISO code.
struct LanguageEntry {
    qint64 index = 0;
    QString code;
    friend bool operator==(const LanguageEntry &, const LanguageEntry &) = default;
};

enum class RecordReadStatus {
    DefaultsApplied, // no card or no record on it: the built-in defaults of the model
    Read,            // the card's record, as far as it goes
    Unreadable,      // a record is there but could not be read; nothing changed
};

struct RecordLoadResult {
    RecordReadStatus read = RecordReadStatus::DefaultsApplied;
    CardWriteStatus write = CardWriteStatus::NotAttempted;
};

// The leading integer of a text as cameras write numbers (version parts, text settings): blanks
// skipped, an optional sign, the digits that follow, saturating rather than wrapping; 0 when
// there are none.
int leadingInteger(const QString &text);

enum class ResetOutcome { FromDefaultCfg, BuiltInDefaults, Unchanged };

class SettingManagerHolder;
// The editor's Reset on the manager a holder keeps: the card's "SETTING/default.cfg" into a fresh
// manager that replaces it (keeping the record's version stamps), else the model's built-in
// defaults. Nothing is written to the card.
ResetOutcome resetSettingsToDefaults(SettingManagerHolder &holder);

template <Field F>
using FieldValueType = std::conditional_t<fieldInfo(F).isText(), QString, qint32>;

// The card, the camera model on it and its binary settings record.
//
// A text field holds a QString; a null QString is the camera's "no text". The bytes a text
// field had on the card are kept until the field is given a different text, so a record whose
// texts are not UTF-8 (cameras leave erased flash as 0xFF) is written back exactly as it was.
class R640SettingManager {
public:
    // monitor: the volumes findSDCardPath looks through; without one (a manager made for a card
    // root already known) it finds no card.
    explicit R640SettingManager(const VolumeMonitor *monitor = nullptr);

    // --- Card and model detection -------------------------------------------------------
    // The card the user is looking at: the recognised card that holds chosenFolder (its root or
    // a folder inside it), else the first recognised card of the volumes, else "".
    QString findSDCardPath(const QString &chosenFolder = {});
    ModelType loadModelTypeWithSDPath(const QString &path);
    qint64 loadLocalIDWithSDPath(const QString &path) const;
    QString loadVersionSDPath(const QString &path) const;
    void loadVersionInfo(const QString &chosenFolder = {});
    // Detection on a known card root, skipping the volume scan (steps after finding the card).
    void loadVersionInfoWithSDPath(const QString &root);
    void loadLanguages();
    // The entries of a ver.dat text; empty when no line names languages.
    static QList<LanguageEntry> parseLanguages(const QString &text);
    static QList<LanguageEntry> defaultLanguages();
    // The last dot-separated part of a version text as a number; 0 for a null text.
    static int firmwareVersionFromText(const QString &version);
    static const QStringList &modelNameList();

    QString settingDirPath() const { return m_settingDirPath; }
    void setSettingDirPath(const QString &path) { m_settingDirPath = path; }
    QUrl sdcard_url() const { return m_sdcardUrl; }
    void setSdcard_url(const QUrl &url) { m_sdcardUrl = url; }
    ModelType modelType() const { return m_modelType; }
    void setModelType(ModelType type) { m_modelType = type; }
    qint64 localID() const { return m_localID; }
    void setLocalID(qint64 id) { m_localID = id; }
    int firmwareVersionInt() const { return m_firmwareVersionInt; }
    void setFirmwareVersionInt(int value) { m_firmwareVersionInt = value; }
    QString modelName() const { return m_modelName; }
    void setModelName(const QString &name) { m_modelName = name; }
    QList<LanguageEntry> languages() const { return m_languages; }
    void setLanguages(const QList<LanguageEntry> &languages) { m_languages = languages; }
    const VolumeMonitor *volumeMonitor() const { return m_monitor; }

    // --- The binary record ----------------------------------------------------------------
    int getSettingVariableCount() const;
    int getSaveDataSize() const;
    static int offsetFromValue(Field field) { return fieldOffset(field); }

    // Reads the card's record and writes it straight back at the model's length.
    RecordLoadResult loadData();
    // The reading half of loadData: nothing is written.
    RecordReadStatus readRecord();
    CardWriteStatus saveData();
    // The record of the current model as it would be written.
    QByteArray recordBytes() const;
    // Decodes fields from the start of bytes, at most fieldLimit of them, stopping at the first
    // one that does not lie wholly inside; returns how many were decoded.
    int applyRecordBytes(const QByteArray &bytes, int fieldLimit);

    void loadDefaultValue();
    void loadDefaultDataForK210();
    void loadDefaultDataForR640();
    void loadDefaultDataForV470();
    void loadDefaultDataForV820();
    void loadDefaultDataForR930();
    bool loadDefaultDataFromDefaultCfgFile();

    qint32 intValue(Field field) const { return m_values[index(field)].number; }
    void setIntValue(Field field, qint32 value) { m_values[index(field)].number = value; }
    QString textValue(Field field) const { return m_values[index(field)].text; }
    // A different text replaces the field's bytes from the card; the same text keeps them.
    void setTextValue(Field field, const QString &text);
    // Copies one field, with the card bytes a text field still keeps.
    void copyField(Field field, const R640SettingManager &from)
    {
        m_values[index(field)] = from.m_values[index(field)];
    }
    // The bytes a text field will be written from when it still holds what the card had.
    std::optional<QByteArray> textCardBytes(Field field) const
    {
        return m_values[index(field)].cardBytes;
    }

    template <Field F>
    FieldValueType<F> value() const
    {
        if constexpr (fieldInfo(F).isText())
            return textValue(F);
        else
            return intValue(F);
    }
    template <Field F>
    void setValue(const FieldValueType<F> &value)
    {
        if constexpr (fieldInfo(F).isText())
            setTextValue(F, value);
        else
            setIntValue(F, value);
    }

#define DROVIK_FIELD_ACCESSORS(name, Setter, width)                                          \
    FieldValueType<Field::name> name() const { return value<Field::name>(); }              \
    void set##Setter(const FieldValueType<Field::name> &v) { setValue<Field::name>(v); }
    DROVIK_SETUP_RECORD_FIELDS(DROVIK_FIELD_ACCESSORS)
#undef DROVIK_FIELD_ACCESSORS

private:
    friend ResetOutcome resetSettingsToDefaults(SettingManagerHolder &holder);

    struct FieldValue {
        qint32 number = 0;
        QString text;
        std::optional<QByteArray> cardBytes;
    };
    static constexpr std::size_t index(Field field) { return std::size_t(field); }
    void applyDefaults(int family);
    void decodeField(const FieldInfo &info, const QByteArray &bytes);

    const VolumeMonitor *m_monitor = nullptr;
    QString m_settingDirPath;
    QUrl m_sdcardUrl;
    ModelType m_modelType = Model::None;
    qint64 m_localID = -1;
    int m_firmwareVersionInt = 0;
    QString m_modelName;
    QList<LanguageEntry> m_languages;
    std::array<FieldValue, kSetupRecordFieldCount> m_values{};
};

} // namespace drovik
