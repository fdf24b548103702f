#pragma once

#include <QHash>
#include <QString>

#include <memory>

class QTranslator;

namespace drovik {

// Looks up interface texts by their Korean source text in the string table "Localizable_R640"
// of the current interface language (the first element of "AppleLanguages").
class DrovikLanguages {
public:
    // The table is chosen afresh on every call, so a language change applies to every text
    // fetched after it. A key the table lacks, or a language without a table, gives "".
    QString localized(const QString &key) const;
    QString localized(const char *utf8Key) const { return localized(QString::fromUtf8(utf8Key)); }

    // The same lookup in a named language's table (tests, and the settings pages).
    QString localizedIn(const QString &language, const QString &key) const;

    // Where the compiled tables live: ":/i18n/drovik_<code>.qm" unless overridden (tests).
    void setTableDirectory(const QString &directory);

    ~DrovikLanguages();

private:
    const QTranslator *tableFor(const QString &language) const;

    QString m_directory = QStringLiteral(":/i18n");
    mutable QHash<QString, std::shared_ptr<QTranslator>> m_tables;
};

DrovikLanguages &SharedDrovikLanguages();

// Shorthand for SharedDrovikLanguages().localized(key).
inline QString localized(const char *utf8Key)
{
    return SharedDrovikLanguages().localized(utf8Key);
}

} // namespace drovik
