// The language rule at launch, as the stored preferences see it.
#include "i18n/preferences.h"

#include <gtest/gtest.h>

using namespace drovik;

namespace {

TEST(Preferences, LaunchKeepsATableLanguageAndFallsBackToEnglish)
{
    const std::pair<QVariant, const char *> cases[] = {
        {QVariant(), "en"},      {QStringLiteral("de"), "en"}, {QStringLiteral("EN"), "en"},
        {QStringLiteral(""), "en"}, {QStringLiteral("fr"), "fr"}, {QStringLiteral("ja"), "ja"},
        {QStringLiteral("pt"), "pt"}, {QStringList{QStringLiteral("fr")}, "en"},
    };
    for (const auto &[stored, expected] : cases) {
        Preferences::store()->clear();
        if (stored.isValid())
            Preferences::store()->setValue(QString::fromLatin1(Preferences::kLanguageKey), stored);
        Preferences::settleLanguageAtLaunch();
        EXPECT_EQ(Preferences::storedLanguage(), QLatin1String(expected)) << stored.toString().toStdString();
        EXPECT_EQ(Preferences::store()->value(QString::fromLatin1(Preferences::kAppleLanguagesKey)).toStringList(),
                  QStringList{QLatin1String(expected)});
        EXPECT_EQ(Preferences::interfaceLanguage(), QLatin1String(expected));
    }
    Preferences::store()->setValue(QString::fromLatin1(Preferences::kAppleLanguagesKey), QStringList{QStringLiteral("ja"), QStringLiteral("fr")});
    EXPECT_EQ(Preferences::interfaceLanguage(), QStringLiteral("ja"));
}

} // namespace
