#include "preferences.h"

namespace drovik::Preferences {

namespace {
QString key(const char *name)
{
    return QString::fromLatin1(name);
}
} // namespace

const QStringList &supportedLanguages()
{
    static const QStringList languages = {QStringLiteral("en"), QStringLiteral("fr"),
                                          QStringLiteral("ja"), QStringLiteral("pt")};
    return languages;
}

std::unique_ptr<QSettings> store()
{
    return std::make_unique<QSettings>(QStringLiteral("Drovik"), QStringLiteral("Drovik Viewer"));
}

QString storedLanguage()
{
    const QVariant value = store()->value(key(kLanguageKey));
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

void settleLanguageAtLaunch()
{
    const QString language = storedLanguage();
    storeLanguage(supportedLanguages().contains(language) ? language : QStringLiteral("en"));
}

QString interfaceLanguage()
{
    const QStringList languages = store()->value(key(kAppleLanguagesKey)).toStringList();
    return languages.isEmpty() ? QString() : languages.first();
}

void storeLanguage(const QString &code)
{
    const auto settings = store();
    settings->setValue(key(kLanguageKey), code);
    settings->setValue(key(kAppleLanguagesKey), QStringList{code});
    settings->sync();
}

std::optional<int> storedSpeedUnit()
{
    const auto settings = store();
    if (!settings->contains(key(kSpeedUnitKey)))
        return std::nullopt;
    // Integer reading of a stored text is lenient, as the store has always been.
    return settings->value(key(kSpeedUnitKey)).toInt();
}

int speedUnit()
{
    return storedSpeedUnit().value_or(KilometresPerHour);
}

void storeSpeedUnit(int unit)
{
    const auto settings = store();
    settings->setValue(key(kSpeedUnitKey), unit);
    settings->sync();
}

bool listByTrip()
{
    return store()->value(key(kListByTripKey)).toBool();
}

void storeListByTrip(bool byTrip)
{
    const auto settings = store();
    settings->setValue(key(kListByTripKey), byTrip);
    settings->sync();
}

std::optional<double> storedTripGapSeconds()
{
    bool ok = false;
    const double seconds = store()->value(key(kTripGapKey)).toDouble(&ok);
    if (!ok || !(seconds >= 0 && seconds <= kMaxTripGapSeconds))
        return std::nullopt;
    return seconds;
}

void storeTripGapSeconds(double seconds)
{
    const auto settings = store();
    settings->setValue(key(kTripGapKey), seconds);
    settings->sync();
}

QStringList storedRecentFolders()
{
    const QVariant value = store()->value(key(kRecentFoldersKey));
    return value.canConvert<QStringList>() ? value.toStringList() : QStringList();
}

void storeRecentFolders(const QStringList &folders)
{
    const auto settings = store();
    settings->setValue(key(kRecentFoldersKey), folders);
    settings->sync();
}

QString storedLastFolder()
{
    const QVariant value = store()->value(key(kLastFolderKey));
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

void storeLastFolder(const QString &folder)
{
    const auto settings = store();
    if (folder.isEmpty())
        settings->remove(key(kLastFolderKey));
    else
        settings->setValue(key(kLastFolderKey), folder);
    settings->sync();
}

std::optional<QRect> storedWindowFrame()
{
    const QVariant value = store()->value(key(kWindowFrameKey));
    if (value.typeId() != QMetaType::QRect || value.toRect().isEmpty())
        return std::nullopt;
    return value.toRect();
}

bool storedWindowMaximized()
{
    return store()->value(key(kWindowMaximizedKey)).toBool();
}

void storeWindowFrame(const QRect &frame, bool maximized)
{
    const auto settings = store();
    settings->setValue(key(kWindowFrameKey), frame);
    settings->setValue(key(kWindowMaximizedKey), maximized);
    settings->sync();
}

} // namespace drovik::Preferences
