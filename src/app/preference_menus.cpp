#include "preference_menus.h"

#include "i18n/drovik_languages.h"
#include "i18n/preferences.h"
#include "platform/notifier.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace drovik {

PreferenceMenus::PreferenceMenus(Notifier &notifier, QObject *parent)
    : QObject(parent)
    , m_notifier(notifier)
{
}

void PreferenceMenus::build(QMenuBar *bar)
{
    m_languageMenu = bar->addMenu(QString());
    m_englishItem = m_languageMenu->addAction(QString(), this, &PreferenceMenus::languageChangeToEnglish);
    m_frenchItem = m_languageMenu->addAction(QString(), this, &PreferenceMenus::languageChangeToFrench);
    m_japaneseItem = m_languageMenu->addAction(QString(), this, &PreferenceMenus::languageChangeToJapanese);
    m_speedUnitMenu = bar->addMenu(QString());
    m_kmphItem = m_speedUnitMenu->addAction(QString(), this, &PreferenceMenus::onMenuSpeedKmph);
    m_mphItem = m_speedUnitMenu->addAction(QString(), this, &PreferenceMenus::onMenuSpeedMph);
    for (QAction *item : {m_englishItem, m_frenchItem, m_japaneseItem, m_kmphItem, m_mphItem})
        item->setCheckable(true);
    markCurrentLanguage();
    markCurrentSpeedUnit();
    relabel();
}

void PreferenceMenus::languageChange(const QString &code)
{
    if (code == Preferences::storedLanguage())
        return;
    Preferences::storeLanguage(code);
    m_notifier.postRefreshLanguage();
}

void PreferenceMenus::languageChangeToEnglish()
{
    markRadio(m_englishItem);
    languageChange(QStringLiteral("en"));
}

void PreferenceMenus::languageChangeToFrench()
{
    markRadio(m_frenchItem);
    languageChange(QStringLiteral("fr"));
}

void PreferenceMenus::languageChangeToJapanese()
{
    markRadio(m_japaneseItem);
    languageChange(QStringLiteral("ja"));
}

void PreferenceMenus::languageChangeToPortuguese()
{
    // The Language menu has no Portuguese item, so there is nothing to mark.
    markRadio(nullptr);
    languageChange(QStringLiteral("pt"));
}

void PreferenceMenus::markRadio(QAction *item)
{
    if (!item)
        return;
    for (QMenu *menu : {m_languageMenu, m_speedUnitMenu}) {
        if (!menu || !menu->actions().contains(item))
            continue;
        for (QAction *other : menu->actions())
            other->setChecked(other == item);
    }
}

void PreferenceMenus::markCurrentLanguage()
{
    const QString code = Preferences::storedLanguage();
    if (code == QLatin1String("pt"))
        markRadio(nullptr);
    else if (code == QLatin1String("fr"))
        markRadio(m_frenchItem);
    else if (code == QLatin1String("ja"))
        markRadio(m_japaneseItem);
    else
        markRadio(m_englishItem);
}

void PreferenceMenus::markCurrentSpeedUnit()
{
    const std::optional<int> unit = Preferences::storedSpeedUnit();
    if (!unit) {
        Preferences::storeSpeedUnit(Preferences::KilometresPerHour);
        markRadio(m_kmphItem);
    } else if (*unit == Preferences::MilesPerHour) {
        markRadio(m_mphItem);
    } else {
        markRadio(m_kmphItem);
    }
}

void PreferenceMenus::setSpeedUnit(int unit)
{
    if (Preferences::storedSpeedUnit() == unit)
        return;
    Preferences::storeSpeedUnit(unit);
    m_notifier.postRefreshSpeedUnit();
}

void PreferenceMenus::onMenuSpeedKmph()
{
    markRadio(m_kmphItem);
    setSpeedUnit(Preferences::KilometresPerHour);
}

void PreferenceMenus::onMenuSpeedMph()
{
    markRadio(m_mphItem);
    setSpeedUnit(Preferences::MilesPerHour);
}

void PreferenceMenus::relabel()
{
    if (m_languageMenu) {
        m_languageMenu->setTitle(localized("언어"));
        // Each language also in its own name, so that someone who picked a language they cannot
        // read finds theirs again.
        const auto name = [](const char *key, const char *code) {
            const QString here = localized(key);
            const QString own = localizedIn(QString::fromLatin1(code), key);
            return own.isEmpty() || own == here ? here : here + QStringLiteral(" — ") + own;
        };
        m_englishItem->setText(name("영어", "en"));
        m_frenchItem->setText(name("프랑스어", "fr"));
        m_japaneseItem->setText(name("일본어", "ja"));
        m_speedUnitMenu->setTitle(localized("속도 단위"));
        m_kmphItem->setText(localized("KM/H"));
        m_mphItem->setText(localized("MPH"));
    }
}

} // namespace drovik
