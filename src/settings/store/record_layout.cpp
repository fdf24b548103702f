#include "settings/store/record_layout.h"

#include <QHash>

namespace drovik {

int settingVariableCountFor(ModelType modelType, int firmwareVersionInt)
{
    using namespace Model;
    switch (modelType) {
    case V820:
    case V820UK:
        return firmwareVersionInt >= 17 ? 78 : 68;
    case R930:
        return 79;
    case V530: case V560: case V880: case R970: case R60: case RB20: case VM30: case RM30:
    case RB740:
        return 81;
    case R810:
        return 92;
    case R120: case QT_K9_PN: case R75:
        return 93;
    case R280: case RB280:
        return 96;
    case R810MAX:
        return 99;
    case V990:
        return 102;
    case DVR_R810MAX: case DVR_R280:
        return 113;
    case DVR_L420:
        return 116;
    default: // K210, R640, V470, N260, DVR_L410, DVR_L470, unknown
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
