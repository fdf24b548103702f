#include "settings/store/setting_manager_holder.h"

#include "settings/store/r640_setting_manager.h"

namespace drovik {

SettingManagerHolder &SettingManagerHolder::shared()
{
    // Never destroyed: managers handed out may be used until the very end of the process.
    static SettingManagerHolder *holder = new SettingManagerHolder;
    return *holder;
}

SettingManagerHolder::SettingManagerHolder() = default;

SettingManagerHolder::SettingManagerHolder(std::unique_ptr<R640SettingManager> initial)
    : m_current(std::move(initial))
{
}
SettingManagerHolder::~SettingManagerHolder() = default;

R640SettingManager &SettingManagerHolder::manager()
{
    if (!m_current)
        m_current = std::make_unique<R640SettingManager>();
    return *m_current;
}

void SettingManagerHolder::replace(std::unique_ptr<R640SettingManager> manager)
{
    if (m_current)
        m_retired.push_back(std::move(m_current));
    m_current = manager ? std::move(manager) : std::make_unique<R640SettingManager>();
    emit managerReplaced(*m_current);
}

} // namespace drovik
