#pragma once

// The interface's string tables in a test program: one set, made and installed for localized()
// on first use, whose language the tests set as the viewer's main and the commands do.

#include "i18n/drovik_languages.h"

namespace drovik::test {

inline DrovikLanguages &languages()
{
    static DrovikLanguages tables;
    static const bool installed = (tables.install(), true);
    (void)installed;
    return tables;
}

} // namespace drovik::test
