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

} // namespace drovik::Preferences
