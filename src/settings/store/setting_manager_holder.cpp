#include "settings/store/setting_manager_holder.h"

#include "settings/store/r640_setting_manager.h"

namespace drovik {

SettingManagerHolder::SettingManagerHolder(std::unique_ptr<R640SettingManager> initial)
    : m_current(initial ? std::move(initial) : std::make_unique<R640SettingManager>())
{
}

SettingManagerHolder::~SettingManagerHolder() = default;

R640SettingManager &SettingManagerHolder::manager()
{
    return *m_current;
}

void SettingManagerHolder::replace(std::unique_ptr<R640SettingManager> manager)
{
    if (!manager)
        manager = std::make_unique<R640SettingManager>(m_current->volumeMonitor());
    m_retired.push_back(std::move(m_current));
    m_current = std::move(manager);
    emit managerReplaced(*m_current);
}

} // namespace drovik
