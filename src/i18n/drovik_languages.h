#pragma once

#include <QHash>
#include <QString>

#include <memory>

class QTranslator;

namespace drovik {

// Looks up interface texts by their Korean source text in the string table "Localizable_R640"
// of the language it has been told. It never reads the user's preferences itself: the viewer's
// main makes one, installs it for localized() and tells it the language at start-up and on
// every change; a command-line command makes and installs its own.
class DrovikLanguages {
public:
    DrovikLanguages() = default;
    DrovikLanguages(const DrovikLanguages &) = delete;
    DrovikLanguages &operator=(const DrovikLanguages &) = delete;
    // Uninstalls them when they are the installed tables.
    ~DrovikLanguages();

    // Makes these the tables localized() reads, as an application installs its translators.
    void install();

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

private:
    const QTranslator *tableFor(const QString &language) const;

    QString m_language;
    QString m_directory = QStringLiteral(":/i18n");
    mutable QHash<QString, std::shared_ptr<QTranslator>> m_tables;
};

// The interface text of key in the installed tables' language; "" when none are installed.
QString localized(const char *utf8Key);
// The same in the given language, whatever the interface's.
QString localizedIn(const QString &language, const char *utf8Key);

} // namespace drovik
