#pragma once

#include <QObject>

#include <memory>
#include <vector>

namespace drovik {

class R640SettingManager;

// Holds the shared settings manager and hands a replacement (the editor's Reset installs a
// manager filled from the card's default record) to everyone who edits it: an editor keeps the
// holder and asks manager() each time, or follows managerReplaced. A replaced manager is kept
// alive, unused, so a reference someone still holds never dangles; replacements are rare.
class SettingManagerHolder : public QObject {
    Q_OBJECT
public:
    // The holder behind R640SettingManager::SharedR640SettingManager().
    static SettingManagerHolder &shared();

    // Starts with a manager created on first use, or with initial.
    SettingManagerHolder();
    explicit SettingManagerHolder(std::unique_ptr<R640SettingManager> initial);
    ~SettingManagerHolder() override;

    // The current manager, created on first use.
    R640SettingManager &manager();
    // Makes manager the current one (a fresh one when it is null) and announces it.
    void replace(std::unique_ptr<R640SettingManager> manager);

signals:
    void managerReplaced(drovik::R640SettingManager &manager);

private:
    std::unique_ptr<R640SettingManager> m_current;
    std::vector<std::unique_ptr<R640SettingManager>> m_retired;
};

} // namespace drovik
