// The settings button of the main window: the editor for the cameras it serves, a short message
// for every other case.
#include "window_services.h"

#include "app/main_window.h"
#include "settings/editor/setting_window.h"
#include "widgets/image_widgets.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

using namespace drovik;

namespace {

// Writes the built-in defaults of type as the card's record.
bool makeCard(test::WindowServices &window, ModelType type)
{
    window.volumesDir.mkdir(QStringLiteral("CARD/DCIM"));
    R640SettingManager writer(&window.volumes);
    writer.setSettingDirPath(window.volumesDir.path(QStringLiteral("CARD")));
    writer.setModelType(type);
    writer.loadDefaultValue();
    if (writer.saveData() != CardWriteStatus::Written)
        return false;
    window.volumes.refresh();
    return true;
}

TEST(SettingsButton, OpensTheEditorOnlyForCamerasItServes)
{
    Preferences::store()->clear();
    AppDelegate::initializeLanguageSetting();
    const struct { ModelType card; bool editor; } cases[] = {
        {Model::None, false}, {0, true}, {1, true}, {2, true}, {3, false}, {8, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.card);
        test::WindowServices window;
        if (c.card != Model::None) {
            ASSERT_TRUE(makeCard(window, c.card));
        }
        auto controller = window.shownWindow();
        controller->fileList().updateModelInfo();

        // The editor runs its own modal loop: look at it from inside, then press its OK.
        bool sawEditor = false;
        QTimer::singleShot(50, [&] {
            auto *settings = qobject_cast<SettingWindow *>(QApplication::activeModalWidget());
            if (!settings)
                return;
            sawEditor = true;
            EXPECT_TRUE(settings->windowFlags().testFlag(Qt::FramelessWindowHint));
            auto *ok = settings->findChild<ImageButton *>(QStringLiteral("okButton"));
            if (ok)
                QTest::mouseClick(ok, Qt::LeftButton);
            else
                settings->done(0);
        });
        controller->settingButtonTouched(controller->ui().settingsButton);
        EXPECT_EQ(sawEditor, c.editor);
        auto *alert = controller->window()->findChild<QMessageBox *>(QStringLiteral("settingsUnavailableAlert"));
        EXPECT_EQ(alert != nullptr, !c.editor);
        if (alert) {
            EXPECT_EQ(alert->text(), QStringLiteral("This dashcam's settings cannot be opened here yet."));
            alert->done(0);
        }
        QCoreApplication::processEvents();
    }
}

} // namespace
