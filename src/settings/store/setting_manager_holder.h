#pragma once

#include <QObject>

#include <memory>
#include <vector>

namespace drovik {

class R640SettingManager;

// Holds the card's settings manager and hands a replacement (the editor's Reset installs a
// manager filled from the card's default record) to everyone who edits it: an editor keeps the
// holder and asks manager() each time, or follows managerReplaced. A replaced manager is kept
// alive, unused, so a reference someone still holds never dangles; replacements are rare.
// The program makes one and hands it down.
class SettingManagerHolder : public QObject {
    Q_OBJECT
public:
    // Starts with initial, or with a manager without volumes when it is null.
    explicit SettingManagerHolder(std::unique_ptr<R640SettingManager> initial);
    ~SettingManagerHolder() override;

    // The current manager.
    R640SettingManager &manager();
    // Makes manager the current one (a fresh one on the same volumes when it is null) and
    // announces it.
    void replace(std::unique_ptr<R640SettingManager> manager);

signals:
    void managerReplaced(drovik::R640SettingManager &manager);

private:
    std::unique_ptr<R640SettingManager> m_current;
    std::vector<std::unique_ptr<R640SettingManager>> m_retired;
};

} // namespace drovik
