#pragma once

#include "settings/store/r640_setting_manager.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace drovik {

// One memory-partition preset: the share of the card, in percent, per recording type.
struct PartitionRatios {
    QString continuous;
    QString event;
    QString park;
    QString manual;
    friend bool operator==(const PartitionRatios &, const PartitionRatios &) = default;
};

enum class KvlLoadSource {
    CardFile,        // SETTING/blackbox.cfg of the card
    BuiltInDefaults, // no card or no file: the built-in default_N260.cfg
    Unreadable,      // the chosen file is missing, unreadable or not UTF-8: no lines at all
};

// The settings of the text-file camera family ("SETTING/blackbox.cfg"): key=value lines kept
// in file order, every line kept as it was so that a file read and written back is unchanged
// apart from edited lines.
class KvlSettingManager {
public:
    // The card root is taken from card at each call.
    explicit KvlSettingManager(R640SettingManager &card);

    static const QList<PartitionRatios> &memoryPartitionRatiosArray();
    // The keys cameras of this family know, in their fixed order (1 to 25).
    static const QStringList &knownKeyPrefixes();

    KvlLoadSource loadData();
    CardWriteStatus saveData();
    void loadDefaultValue();
    KvlLoadSource loadDefaultData_N260();
    void removeTimeDateDelimiters();
    void addTimeDateDelimiters(const QStringList &lines);

    // Empty when there are no lines at all (see hasLinedSettings).
    QStringList linedSettings() const { return m_lines.value_or(QStringList()); }
    void setLinedSettings(const QStringList &lines) { m_lines = lines; }
    // False after reading a file that was not UTF-8 text; saving then writes nothing.
    bool hasLinedSettings() const { return m_lines.has_value(); }

    // The file's lines: UTF-8 text, spaces and tabs dropped at both ends, split at CR LF.
    static std::optional<QStringList> parseLines(const QByteArray &bytes);
    static QByteArray joinLines(const QStringList &lines);

private:
    KvlLoadSource loadFrom(const QString &path, KvlLoadSource source);

    R640SettingManager &m_card;
    std::optional<QStringList> m_lines;
};

} // namespace drovik
