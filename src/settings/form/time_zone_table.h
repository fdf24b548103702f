#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace drovik::form {

// The time-zone combo box of the binary-record editor: 39 offsets in ascending order, the
// minutes each stands for, and the 32 zone names a record may carry in `tz_key`.
const QStringList &gmtDescList();
// Minutes east of UTC of each item, parsed from its text ("UTC-09:30" is -570, "UTC" is 0).
const QList<int> &gmtHourList();
const QStringList &timezoneNameList();

// The zone name paired with an item, "" for the seven items no name is paired with.
QString timezoneNameForItem(int item);
// The item a zone name is paired with, -1 for a text that is no zone name.
int itemForTimezoneName(const QString &name);
// The item whose minute value is minutes, -1 when none is.
int itemForMinutes(int minutes);

} // namespace drovik::form
