#include "settings/store/kvl_setting_manager.h"

#include "settings/store/camera_models.h"
#include "settings/store/card_file.h"

#include <QFileInfo>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcKvl, "drovik.store.kvl", QtWarningMsg)

namespace drovik {

namespace {

const QString kDefaultFile = QStringLiteral(":/defaults/default_N260.cfg");
const QString kLineBreak = QStringLiteral("\r\n");
constexpr qint64 kFileLimit = 1 << 20;

const QStringList &clockPrefixes()
{
    static const QStringList prefixes = {
        QStringLiteral("year="), QStringLiteral("month="), QStringLiteral("day="),
        QStringLiteral("hour="), QStringLiteral("min="),   QStringLiteral("sec="),
    };
    return prefixes;
}

// Only spaces and tabs count as blanks at the ends of the file; line breaks stay.
bool isBlank(QChar c)
{
    return c == QLatin1Char('\t') || c.category() == QChar::Separator_Space;
}

QString trimmedBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

} // namespace

KvlSettingManager::KvlSettingManager(R640SettingManager &card)
    : m_card(card)
{
}

const QList<PartitionRatios> &KvlSettingManager::memoryPartitionRatiosArray()
{
    static const QList<PartitionRatios> presets = {
        {QStringLiteral("60"), QStringLiteral("22"), QStringLiteral("4"), QStringLiteral("9")},
        {QStringLiteral("35"), QStringLiteral("17"), QStringLiteral("4"), QStringLiteral("39")},
        {QStringLiteral("53"), QStringLiteral("19"), QStringLiteral("14"), QStringLiteral("9")},
    };
    return presets;
}

const QStringList &KvlSettingManager::knownKeyPrefixes()
{
    static const QStringList prefixes = {
        QStringLiteral("const="),        QStringLiteral("event="),
        QStringLiteral("manual="),       QStringLiteral("park="),
        QStringLiteral("front_led="),    QStringLiteral("model="),
        QStringLiteral("version="),      QStringLiteral("park_mode="),
        QStringLiteral("power_off_vlt="), QStringLiteral("language="),
        QStringLiteral("local_time="),   QStringLiteral("summer_time="),
        QStringLiteral("osd_speed="),    QStringLiteral("mic_in="),
        QStringLiteral("voice_out="),    QStringLiteral("voice_volume="),
        QStringLiteral("acc_level="),    QStringLiteral("motion_level="),
        QStringLiteral("set="),          QStringLiteral("year="),
        QStringLiteral("month="),        QStringLiteral("day="),
        QStringLiteral("hour="),         QStringLiteral("min="),
        QStringLiteral("sec="),
    };
    return prefixes;
}

std::optional<QStringList> KvlSettingManager::parseLines(const QByteArray &bytes)
{
    const std::optional<QString> text = decodeUtf8Strictly(bytes);
    if (!text)
        return std::nullopt;
    return trimmedBlanks(*text).split(kLineBreak);
}

QByteArray KvlSettingManager::joinLines(const QStringList &lines)
{
    return lines.join(kLineBreak).toUtf8();
}

KvlLoadSource KvlSettingManager::loadFrom(const QString &path, KvlLoadSource source)
{
    const std::optional<QByteArray> bytes = readWholeCardFile(path, kFileLimit);
    m_lines = bytes ? parseLines(*bytes) : std::nullopt;
    if (!m_lines) {
        qCWarning(lcKvl) << "no settings lines in" << path;
        return KvlLoadSource::Unreadable;
    }
    return source;
}

KvlLoadSource KvlSettingManager::loadData()
{
    const QString path = upperSettingPath(m_card.settingDirPath(), kTextSettingsFileName);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return loadDefaultData_N260();
    return loadFrom(path, KvlLoadSource::CardFile);
}

KvlLoadSource KvlSettingManager::loadDefaultData_N260()
{
    return loadFrom(kDefaultFile, KvlLoadSource::BuiltInDefaults);
}

void KvlSettingManager::loadDefaultValue()
{
    if (settingsEditorFor(m_card.modelType()) == SettingsEditor::TextFile)
        loadDefaultData_N260();
}

CardWriteStatus KvlSettingManager::saveData()
{
    const QString root = m_card.settingDirPath();
    if (root.isEmpty())
        return CardWriteStatus::NoCard;
    // Lines that could not be read are not replaced by an empty file.
    if (!m_lines)
        return CardWriteStatus::Unreadable;
    return writeCardFileAtomically(upperSettingPath(root, kTextSettingsFileName), joinLines(*m_lines));
}

void KvlSettingManager::removeTimeDateDelimiters()
{
    if (!m_lines)
        return;
    for (const QString &prefix : clockPrefixes()) {
        for (qsizetype i = 0; i < m_lines->size(); ++i) {
            if (m_lines->at(i).startsWith(prefix)) {
                m_lines->removeAt(i);
                break;
            }
        }
    }
}

void KvlSettingManager::addTimeDateDelimiters(const QStringList &lines)
{
    if (!m_lines)
        return;
    qsizetype at = m_lines->isEmpty() ? 0 : 1;
    for (qsizetype i = 0; i < m_lines->size(); ++i) {
        if (m_lines->at(i).startsWith(QLatin1String("set="))) {
            at = i + 1;
            break;
        }
    }
    for (const QString &line : lines)
        m_lines->insert(at++, line);
}

} // namespace drovik
