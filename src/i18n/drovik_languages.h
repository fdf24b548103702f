#pragma once

#include <QHash>
#include <QString>

#include <memory>

class QTranslator;

namespace drovik {

// Looks up interface texts by their Korean source text in the string table "Localizable_R640"
// of the language it has been told. It never reads the user's preferences itself: the
// application tells the shared instance the language at start-up and on every change, and a
// caller without preferences (the command line) keeps its own instance.
class DrovikLanguages {
public:
    // The language of localized(); "" (no table) until told.
    void setLanguage(const QString &code) { m_language = code; }
    const QString &language() const { return m_language; }

    // A key the table lacks, or a language without a table, gives "".
    QString localized(const QString &key) const { return localizedIn(m_language, key); }
    QString localized(const char *utf8Key) const { return localized(QString::fromUtf8(utf8Key)); }

    // The same lookup in a named language's table.
    QString localizedIn(const QString &language, const QString &key) const;

    // Where the compiled tables live: ":/i18n/drovik_<code>.qm" unless overridden (tests).
    void setTableDirectory(const QString &directory);

    ~DrovikLanguages();

private:
    const QTranslator *tableFor(const QString &language) const;

    QString m_language;
    QString m_directory = QStringLiteral(":/i18n");
    mutable QHash<QString, std::shared_ptr<QTranslator>> m_tables;
};

// The application's instance; its language is the interface language of the preferences.
DrovikLanguages &SharedDrovikLanguages();

// Shorthand for SharedDrovikLanguages().localized(key).
inline QString localized(const char *utf8Key)
{
    return SharedDrovikLanguages().localized(utf8Key);
}

} // namespace drovik
