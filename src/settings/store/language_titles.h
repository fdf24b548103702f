#pragma once

#include "settings/store/r640_setting_manager.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace drovik {

// The English name of a language code as cameras list them in "SETTING/lang/ver.dat": ISO 639-1
// codes (withdrawn ones such as "iw" included) and a few Chinese tags. Lookup is exact; an
// unknown code comes back unchanged.
QString languageTitleByExpandingCode(const QString &code);

// The number of codes the table knows.
int languageTitleCount();

// The languages of a ver.dat file's bytes: its entries when it is UTF-8 text naming some, else
// R640SettingManager::defaultLanguages().
QList<LanguageEntry> languagesFromVerDat(const QByteArray &bytes);

} // namespace drovik
