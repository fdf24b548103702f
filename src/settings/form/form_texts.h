#pragma once

#include "i18n/drovik_languages.h"

#include <QString>
#include <QStringList>

#include <initializer_list>

// Short spellings for the editors' many texts, for their source files only.
namespace drovik::form::formtext {

// A fixed text: an option title that is not localised ("30fps"), a line key, a format.
inline QString s(const char *latin1) { return QString::fromLatin1(latin1); }
// A text shown to the user: the Korean key in the interface's language.
inline QString L(const char *key) { return localized(key); }
inline QStringList Ls(std::initializer_list<const char *> keys)
{
    QStringList result;
    for (const char *key : keys)
        result.append(localized(key));
    return result;
}

} // namespace drovik::form::formtext
