// The string tables: every key the code looks up exists, translated, in every language.
#include "test_languages.h"
#include "i18n/preferences.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace drovik;

namespace {

const QStringList &kLanguages = Preferences::supportedLanguages();

// The keys passed as string literals to localized(…) anywhere in the sources.
QSet<QString> keysUsedInSources()
{
    static const QRegularExpression call(QStringLiteral(R"(localized(?:In)?\((?:[^,()]*,\s*)?\"((?:[^\"\\]|\\.)*)\"\))"));
    QSet<QString> keys;
    QDirIterator it(QStringLiteral(DROVIK_SOURCE_DIR "/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        for (const QRegularExpressionMatch &m : call.globalMatch(text)) {
            QString key = m.captured(1);
            key.replace(QStringLiteral("\\r"), QStringLiteral("\r"))
                .replace(QStringLiteral("\\n"), QStringLiteral("\n"))
                .replace(QStringLiteral("\\\""), QStringLiteral("\""));
            keys.insert(key);
        }
    }
    return keys;
}

struct Table {
    QStringList sources;
    QStringList emptyOnes;
    bool wellFormed = false;
};

Table readTable(const QString &language)
{
    Table table;
    QFile file(QStringLiteral(DROVIK_SOURCE_DIR "/resources/translations/drovik_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return table;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            EXPECT_EQ(xml.readElementText(), QStringLiteral("Localizable_R640"));
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
            table.sources.append(source);
        } else if (xml.name() == QLatin1String("translation")) {
            EXPECT_FALSE(xml.attributes().hasAttribute(QStringLiteral("type"))) << source.toStdString();
            if (xml.readElementText().trimmed().isEmpty())
                table.emptyOnes.append(source);
        }
    }
    table.wellFormed = !xml.hasError();
    return table;
}

TEST(StringTables, EveryKeyInTheCodeIsTranslatedInEveryLanguage)
{
    const QSet<QString> keys = keysUsedInSources();
    ASSERT_GE(keys.size(), 12) << "the scan found too few keys to be working";
    for (const QString &language : kLanguages) {
        for (const QString &key : keys) {
            EXPECT_FALSE(test::languages().localizedIn(language, key).isEmpty())
                << language.toStdString() << ": " << key.toStdString();
        }
    }
}

TEST(StringTables, TablesAreCompleteAndAgree)
{
    const Table english = readTable(QStringLiteral("en"));
    ASSERT_TRUE(english.wellFormed);
    ASSERT_FALSE(english.sources.isEmpty());
    for (const QString &language : kLanguages) {
        const Table table = readTable(language);
        EXPECT_TRUE(table.wellFormed) << language.toStdString();
        EXPECT_TRUE(table.emptyOnes.isEmpty()) << language.toStdString() << " has empty translations";
        EXPECT_EQ(QSet<QString>(table.sources.begin(), table.sources.end()),
                  QSet<QString>(english.sources.begin(), english.sources.end()))
            << language.toStdString();
        EXPECT_EQ(table.sources.size(), QSet<QString>(table.sources.begin(), table.sources.end()).size())
            << language.toStdString() << " repeats a key";
    }
}

TEST(StringTables, MissingKeysAndLanguagesGiveEmptyText)
{
    EXPECT_EQ(test::languages().localizedIn(QStringLiteral("en"), QStringLiteral("없는 키")), QString());
    EXPECT_EQ(test::languages().localizedIn(QStringLiteral("de"), QStringLiteral("언어")), QString());
    EXPECT_EQ(test::languages().localizedIn(QStringLiteral("../en"), QStringLiteral("언어")), QString());
    EXPECT_EQ(test::languages().localizedIn(QStringLiteral("/../drovik_fr"), QStringLiteral("언어")), QString());
    EXPECT_EQ(test::languages().localizedIn(QStringLiteral("fr"), QStringLiteral("언어")), QStringLiteral("Langue"));
}

// The command line localises in a language of its own, never reading or writing the user's.
TEST(StringTables, AnInstanceOfItsOwnIgnoresThePreferences)
{
    Preferences::storeLanguage(QStringLiteral("fr"));
    DrovikLanguages tables;
    EXPECT_EQ(tables.localized("언어"), QString()) << "told no language, it has no table";
    tables.setLanguage(QStringLiteral("ja"));
    EXPECT_EQ(tables.localized("언어"), tables.localizedIn(QStringLiteral("ja"), QStringLiteral("언어")));
    EXPECT_NE(tables.localized("언어"), tables.localizedIn(QStringLiteral("fr"), QStringLiteral("언어")));
    EXPECT_EQ(Preferences::storedLanguage(), QStringLiteral("fr"));
    EXPECT_EQ(Preferences::interfaceLanguage(), QStringLiteral("fr"));
}

} // namespace
