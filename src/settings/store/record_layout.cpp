#include "settings/store/record_layout.h"

#include <QHash>

namespace drovik {

int settingVariableCountFor(ModelType modelType, int firmwareVersionInt)
{
    const CameraModel &model = cameraModel(modelType);
    if (model.driverAssistance == DriverAssistance::FromFirmware17
        && !hasDriverAssistance(modelType, firmwareVersionInt))
        return model.fieldCountWithoutDriverAssistance;
    return model.fieldCount;
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
