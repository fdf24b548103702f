// The language and speed-unit menus of the main window, and what choosing from them does.
#include "window_services.h"

#include "display/speed_meter_view.h"
#include "i18n/preferences.h"
#include "widgets/image_widgets.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace drovik;

namespace {

class PreferenceMenusTest : public ::testing::Test {
protected:
    void SetUp() override { Preferences::store()->clear(); }

    // A controller whose main window has been built, as after the splash.
    std::unique_ptr<MainWindowController> shownController()
    {
        auto controller = std::make_unique<MainWindowController>(window.services());
        controller->showMainWindow();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        return controller;
    }

    test::WindowServices window;

    static QList<QAction *> checkedItems(QMenu *menu)
    {
        QList<QAction *> checked;
        for (QAction *item : menu->actions())
            if (item->isChecked())
                checked.append(item);
        return checked;
    }
};

TEST_F(PreferenceMenusTest, PortugueseIsHonouredButMarksNoMenuItem)
{
    Preferences::store()->setValue(QString::fromLatin1(Preferences::kLanguageKey), QStringLiteral("pt"));
    AppDelegate::initializeLanguageSetting(test::languages());
    auto controller = shownController();
    EXPECT_TRUE(checkedItems(controller->menus().languageMenu()).isEmpty());
    EXPECT_EQ(controller->menus().languageMenu()->actions().size(), 3);
    const QString portuguese = test::languages().localizedIn(QStringLiteral("pt"), QStringLiteral("파일_전체"));
    EXPECT_FALSE(portuguese.isEmpty());
    EXPECT_EQ(localized("파일_전체"), portuguese);
    EXPECT_NE(localized("파일_전체"), test::languages().localizedIn(QStringLiteral("en"), QStringLiteral("파일_전체")));
}

// Choosing the stored language posts nothing; another one is stored, marked and relabels the window.
TEST_F(PreferenceMenusTest, ChoosingALanguage)
{
    AppDelegate::initializeLanguageSetting(test::languages());
    auto controller = shownController();
    QSignalSpy posted(&window.notifier, &Notifier::refreshLanguage);
    controller->menus().languageChangeToEnglish();
    EXPECT_EQ(posted.count(), 0);
    EXPECT_EQ(checkedItems(controller->menus().languageMenu()), QList<QAction *>{controller->menus().englishItem()});

    controller->menus().languageChangeToFrench();
    controller->menus().languageChangeToFrench();
    EXPECT_EQ(posted.count(), 1);
    EXPECT_EQ(Preferences::storedLanguage(), QStringLiteral("fr"));
    EXPECT_EQ(Preferences::interfaceLanguage(), QStringLiteral("fr"));
    EXPECT_EQ(checkedItems(controller->menus().languageMenu()), QList<QAction *>{controller->menus().frenchItem()});

    controller->menus().languageChangeToJapanese();
    QCoreApplication::processEvents();
    EXPECT_EQ(controller->ui().fileListAllButton_OEM->text(),
              test::languages().localizedIn(QStringLiteral("ja"), QStringLiteral("파일_전체")));
    EXPECT_EQ(controller->menus().languageMenu()->title(),
              test::languages().localizedIn(QStringLiteral("ja"), QStringLiteral("언어")));
    EXPECT_EQ(controller->menus().englishItem()->text(),
              test::languages().localizedIn(QStringLiteral("ja"), QStringLiteral("영어")) + QStringLiteral(" — English"));
    EXPECT_EQ(controller->menus().japaneseItem()->text(), QStringLiteral("日本語")) << "its own name once";
}

TEST_F(PreferenceMenusTest, StoredUnitMarksItsItemAndAFirstStartStoresKilometres)
{
    const std::pair<std::optional<int>, bool> cases[] = {
        {std::nullopt, false}, {1, true}, {0, false}, {7, false}, {-1, false}};
    for (const auto &[unit, mph] : cases) {
        Preferences::store()->clear();
        if (unit)
            Preferences::storeSpeedUnit(*unit);
        auto controller = shownController();
        EXPECT_EQ(controller->menus().mphItem()->isChecked(), mph) << unit.value_or(-99);
        EXPECT_EQ(controller->menus().kmphItem()->isChecked(), !mph) << unit.value_or(-99);
        EXPECT_EQ(Preferences::storedSpeedUnit(), std::optional<int>(unit.value_or(0)));
    }
}

TEST_F(PreferenceMenusTest, ChoosingMphPostsOnceAndTheMeterRedraws)
{
    AppDelegate::initializeLanguageSetting(test::languages());
    auto controller = shownController();
    SpeedMeterView *meter = controller->ui().speedMeterView;
    meter->setSpeed(57);
    EXPECT_EQ(meter->shownDigits(), QStringLiteral("57"));

    QSignalSpy posted(&window.notifier, &Notifier::refreshSpeedUnit);
    controller->menus().onMenuSpeedMph();
    EXPECT_EQ(posted.count(), 1);
    EXPECT_EQ(Preferences::storedSpeedUnit(), std::optional<int>(1));
    EXPECT_EQ(meter->shownDigits(), QStringLiteral("35"));
    EXPECT_TRUE(meter->isUnitLabelShown());
    EXPECT_EQ(checkedItems(controller->menus().speedUnitMenu()), QList<QAction *>{controller->menus().mphItem()});

    controller->menus().onMenuSpeedMph();
    EXPECT_EQ(posted.count(), 1);
    controller->menus().onMenuSpeedKmph();
    EXPECT_EQ(posted.count(), 2);
    EXPECT_EQ(meter->shownDigits(), QStringLiteral("57"));
    EXPECT_FALSE(meter->isUnitLabelShown());
}

} // namespace
