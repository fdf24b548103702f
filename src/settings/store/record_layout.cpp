#include "settings/store/record_layout.h"

#include <QHash>

namespace drovik {

int settingVariableCountFor(ModelType modelType, int firmwareVersionInt)
{
    switch (modelType) {
    case 3: // V820
    case 4: // V820 UK
        return firmwareVersionInt >= 17 ? 78 : 68;
    case 5:
        return 79;
    case 7: case 8: case 9: case 10: case 11: case 12: case 14: case 15: case 18:
        return 81;
    case 16:
        return 92;
    case 13: case 19: case 20:
        return 93;
    case 21: case 22:
        return 96;
    case 17:
        return 99;
    case 23:
        return 102;
    case 24: case 25:
        return 113;
    case 26:
        return 116;
    default: // 0, 1, 2, 6, 27, 28, unknown
        return 60;
    }
}

std::optional<Field> fieldByName(const QString &name)
{
    static const QHash<QString, Field> byName = [] {
        QHash<QString, Field> map;
        for (const FieldInfo &info : kSetupRecordFields)
            map.insert(QString::fromLatin1(info.name), info.field);
        return map;
    }();
    const auto it = byName.constFind(name);
    if (it == byName.constEnd())
        return std::nullopt;
    return *it;
}

} // namespace drovik
