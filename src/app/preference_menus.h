#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;

namespace drovik {

class Notifier;

// The menu bar's Language and Speed unit menus: each item checked for the stored preference, a
// choice stored and posted on the notifier so that every window follows it.
class PreferenceMenus : public QObject {
    Q_OBJECT
public:
    explicit PreferenceMenus(Notifier &notifier, QObject *parent = nullptr);

    // Adds both menus to the bar, marked for the stored preferences and labelled.
    void build(QMenuBar *bar);
    // Labels in the interface language (nothing before build).
    void relabel();

    QMenu *languageMenu() const { return m_languageMenu; }
    QMenu *speedUnitMenu() const { return m_speedUnitMenu; }
    QAction *englishItem() const { return m_englishItem; }
    QAction *frenchItem() const { return m_frenchItem; }
    QAction *japaneseItem() const { return m_japaneseItem; }
    QAction *kmphItem() const { return m_kmphItem; }
    QAction *mphItem() const { return m_mphItem; }

    void languageChange(const QString &code);
    void languageChangeToEnglish();
    void languageChangeToFrench();
    void languageChangeToJapanese();
    void languageChangeToPortuguese();
    void onMenuSpeedKmph();
    void onMenuSpeedMph();
    void setSpeedUnit(int unit);

private:
    void markRadio(QAction *item);
    void markCurrentLanguage();
    void markCurrentSpeedUnit();

    Notifier &m_notifier;
    QMenu *m_languageMenu = nullptr;
    QMenu *m_speedUnitMenu = nullptr;
    QAction *m_englishItem = nullptr;
    QAction *m_frenchItem = nullptr;
    QAction *m_japaneseItem = nullptr;
    QAction *m_kmphItem = nullptr;
    QAction *m_mphItem = nullptr;
};

} // namespace drovik
