#include "select_device_view_controller.h"

#include "settings/store/r640_setting_manager.h"

#include <QComboBox>

namespace drovik {

SelectDeviceViewController::SelectDeviceViewController(Notifier &notifier, QObject *parent)
    : SelectionViewController(notifier, QStringLiteral("SelectDeviceView"),
                              QStringLiteral("modelComboBox"), parent)
{
}

const char *SelectDeviceViewController::titleKey() const
{
    return "오스트레보 블랙박스 정보를 읽을 수 없습니다.\n모델명을 선택하면 기본 설정 값을 적용 할 수 있습니다.";
}

void SelectDeviceViewController::fillComboBox()
{
    modelComboBox()->clear();
    modelComboBox()->addItems(R640SettingManager::modelNameList());
    modelComboBox()->setCurrentIndex(0);
    modelComboBox()->setMaxVisibleItems(12);
}

ModelType SelectDeviceViewController::selectedModelType() const
{
    return modelComboBox() ? modelComboBox()->currentIndex() : ModelType(Model::None);
}

} // namespace drovik
