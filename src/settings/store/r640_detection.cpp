// Card and model detection of R640SettingManager.
#include "settings/store/r640_setting_manager.h"

#include "platform/utils.h"
#include "platform/volume_monitor.h"
#include "settings/store/byte_reader.h"
#include "settings/store/camera_models.h"
#include "settings/store/card_file.h"
#include "settings/store/language_titles.h"

#include <QDir>
#include <QLoggingCategory>
#include <QRegularExpression>

#include <algorithm>
#include <limits>

Q_LOGGING_CATEGORY(lcDetect, "drovik.store.detect", QtWarningMsg)

namespace drovik {

namespace {

constexpr qint64 kLanguageFileLimit = 1 << 20;

// The record's identifying bytes: the length field at 0, the product name at 8..23, the version
// at 40..49 and the region code at 460..463 (see recordlayout.h).
constexpr int kProductNameEnd = 24;
constexpr int kVersionEnd = 50;
constexpr int kVersionMinimumFileSize = 48;
constexpr int kLocalIdEnd = 464;


} // namespace

QString R640SettingManager::findSDCardPath(const QString &chosenFolder)
{
    // A manager without volumes (one made for a known card root) finds no card.
    QList<Volume> volumes = m_monitor ? m_monitor->mountedVolumes() : QList<Volume>();
    // With several cards inserted, the settings must be those of the card on screen.
    if (const std::optional<Volume> chosen = m_monitor && !chosenFolder.isEmpty()
                                                 ? m_monitor->volumeForPath(QDir::cleanPath(chosenFolder))
                                                 : std::nullopt)
        volumes.prepend(*chosen);
    for (const Volume &volume : volumes) {
        const QUrl url = QUrl::fromLocalFile(volume.rootPath);
        if (!Utils::isExternalMemoryWithURL(url, *m_monitor))
            continue;
        m_sdcardUrl = url;
        if (loadModelTypeWithSDPath(volume.rootPath) != Model::None) {
            qCDebug(lcDetect) << "card found at" << volume.rootPath;
            return volume.rootPath;
        }
    }
    m_sdcardUrl = QUrl();
    return {};
}

ModelType R640SettingManager::loadModelTypeWithSDPath(const QString &path)
{
    if (path.isEmpty())
        return Model::None;
    const QString recordPath = findSettingFile(path, kRecordFileName);
    const std::optional<qint64> fileSize = cardFileSize(recordPath);
    const std::optional<QByteArray> head = readCardFile(recordPath, kProductNameEnd);
    // A file too short to hold a product name is not a record we know.
    if (fileSize && head && head->size() >= kProductNameEnd) {
        const ByteReader reader(*head);
        const QString productName = textFromField(*reader.bytesAt(8, 16));
        const ModelType type = modelTypeForProductName(productName);
        if (type != Model::None)
            return type;
        if (*reader.int32At(0) == *fileSize) {
            m_modelName = productName;
            return selfSizedRecordModelType();
        }
    }
    if (!findSettingFile(path, kTextSettingsFileName).isEmpty())
        return textFileModelType();
    return Model::None;
}

qint64 R640SettingManager::loadLocalIDWithSDPath(const QString &path) const
{
    const std::optional<QByteArray> bytes =
        readCardFile(findSettingFile(path, kRecordFileName), kLocalIdEnd);
    if (!bytes)
        return -1;
    const std::optional<qint32> id = ByteReader(*bytes).int32At(fieldOffset(Field::local_id));
    if (!id || *id < -1 || *id > 6)
        return -1;
    return *id;
}

QString R640SettingManager::loadVersionSDPath(const QString &path) const
{
    const std::optional<QByteArray> bytes =
        readCardFile(findSettingFile(path, kRecordFileName), kVersionEnd);
    if (!bytes || bytes->size() < kVersionMinimumFileSize)
        return {};
    // A 48- or 49-byte file holds only part of the field; take what is there, nothing beyond.
    const int offset = fieldOffset(Field::version);
    return textFromField(QByteArrayView(*bytes).sliced(offset, bytes->size() - offset));
}

int R640SettingManager::firmwareVersionFromText(const QString &version)
{
    if (version.isNull())
        return 0;
    return leadingInteger(version.section(QLatin1Char('.'), -1));
}

void R640SettingManager::loadVersionInfo(const QString &chosenFolder)
{
    loadVersionInfoWithSDPath(findSDCardPath(chosenFolder));
}

void R640SettingManager::loadVersionInfoWithSDPath(const QString &root)
{
    m_settingDirPath = root;
    m_modelType = loadModelTypeWithSDPath(m_settingDirPath);
    if (cameraModel(m_modelType).localID != -1) {
        const qint64 id = loadLocalIDWithSDPath(m_settingDirPath);
        if (id != -1)
            m_localID = id;
    }
    setVersion(loadVersionSDPath(m_settingDirPath));
    m_firmwareVersionInt = firmwareVersionFromText(version());
    qCDebug(lcDetect) << "model" << m_modelType << "version" << version() << "local id"
                      << m_localID;
}

QList<LanguageEntry> R640SettingManager::defaultLanguages()
{
    return {{0, QStringLiteral("en")}, {1, QStringLiteral("fr")}, {4, QStringLiteral("es")}};
}

QList<LanguageEntry> R640SettingManager::parseLanguages(const QString &text)
{
    static const QRegularExpression line(QStringLiteral("#\\s+Language ISO Code:(.+?)\\s*$"),
                                         QRegularExpression::UseUnicodePropertiesOption);
    QList<LanguageEntry> entries;
    for (const QString &row : text.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = line.match(row);
        if (!match.hasMatch())
            continue;
        // Every blank separates, so a blank right after the colon gives an empty first code.
        const QString codes = match.captured(1);
        qint64 index = 0;
        qsizetype start = 0;
        for (qsizetype i = 0; i <= codes.size(); ++i) {
            if (i == codes.size() || codes.at(i).isSpace()) {
                entries.append({index++, codes.mid(start, i - start)});
                start = i + 1;
            }
        }
    }
    return entries;
}

void R640SettingManager::loadLanguages()
{
    const QString path = upperSettingPath(m_settingDirPath, kLanguageListFileName);
    const std::optional<QByteArray> bytes = readWholeCardFile(path, kLanguageFileLimit);
    m_languages = bytes ? languagesFromVerDat(*bytes) : defaultLanguages();
}

// The leading integer of a text as cameras' version parts are read: blanks skipped, an
// optional sign, the digits that follow; 0 when there are none.
int leadingInteger(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        negative = text.at(i++) == QLatin1Char('-');
    qint64 value = 0;
    for (; i < text.size() && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'); ++i)
        value = qMin<qint64>(value * 10 + (text.at(i).unicode() - '0'), qint64(1) << 32);
    value = negative ? -value : value;
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

} // namespace drovik
