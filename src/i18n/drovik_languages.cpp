#include "drovik_languages.h"

#include <QFileInfo>
#include <QTranslator>

namespace drovik {

namespace {
constexpr char kContext[] = "Localizable_R640";

// What localized() reads; set by the owner of the tables, never made here.
const DrovikLanguages *g_installed = nullptr;
} // namespace

DrovikLanguages::~DrovikLanguages()
{
    if (g_installed == this)
        g_installed = nullptr;
}

void DrovikLanguages::install()
{
    g_installed = this;
}

QString localized(const char *utf8Key)
{
    return g_installed ? g_installed->localized(utf8Key) : QString();
}

QString localizedIn(const QString &language, const char *utf8Key)
{
    return g_installed ? g_installed->localizedIn(language, QString::fromUtf8(utf8Key)) : QString();
}

QString DrovikLanguages::localizedIn(const QString &language, const QString &key) const
{
    const QTranslator *table = tableFor(language);
    if (!table)
        return QString();
    return table->translate(kContext, key.toUtf8().constData());
}

void DrovikLanguages::setTableDirectory(const QString &directory)
{
    m_directory = directory;
    m_tables.clear();
}

const QTranslator *DrovikLanguages::tableFor(const QString &language) const
{
    if (language.isEmpty() || language.contains(QLatin1Char('/')))
        return nullptr;
    if (const auto it = m_tables.constFind(language); it != m_tables.constEnd())
        return it->get();
    // A failed load is remembered as a missing table, so it is not retried on every lookup.
    auto table = std::make_shared<QTranslator>();
    const QString file = m_directory + QStringLiteral("/drovik_") + language + QStringLiteral(".qm");
    if (!QFileInfo::exists(file) || !table->load(file))
        table.reset();
    m_tables.insert(language, table);
    return table.get();
}

} // namespace drovik
