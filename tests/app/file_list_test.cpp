// The clip list of the main window: card detection, listing, filters, colours, card removal.
#include "app/app_delegate.h"
#include "widgets/image_widgets.h"
#include "app/notifier.h"
#include "i18n/preferences.h"
#include "platform/volume_monitor.h"
#include "app/file_list_controller.h"
#include "app/main_window_controller.h"
#include "settings/store/r640_setting_manager.h"
#include "settings/store/setting_manager_holder.h"

#include <QAbstractItemModel>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace drovik;

namespace {

void touch(const QString &path, const QByteArray &bytes = "clip")
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A card the R640 wrote: its record names the product at bytes 8-23.
void makeCard(const QString &root)
{
    QByteArray record(464, '\0');
    record.replace(8, 4, "R640");
    touch(root + QStringLiteral("/SETTING/setup.cfg"), record);
    touch(root + QStringLiteral("/cont_rec/20261201_100000_F.mp4"));
    touch(root + QStringLiteral("/cont_rec/20261201_100000_R.mp4"));
    touch(root + QStringLiteral("/evt_rec/20261201_100500_F.MP4"));
    touch(root + QStringLiteral("/Saved_Videos/z_saved.mp4"));
    touch(root + QStringLiteral("/sos_rec/20261201_101000.avi"));
    touch(root + QStringLiteral("/root_clip.mov"));
    touch(root + QStringLiteral("/other/ignored.mp4"));
    touch(root + QStringLiteral("/cont_rec/.hidden.mp4"));
    touch(root + QStringLiteral("/cont_rec/notes.mkv"));
}

class FileListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Preferences::store()->clear();
        AppDelegate::initializeLanguageSetting();
    }

    std::unique_ptr<MainWindowController> startedController()
    {
        auto controller = std::make_unique<MainWindowController>(AppServices{monitor, notifier, settings});
        controller->showMainWindow();
        QCoreApplication::processEvents();
        waitForList(*controller);
        return controller;
    }

    static void waitForList(MainWindowController &controller)
    {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !controller.fileList().isScanning(); }));
    }

    static QStringList rows(const MainWindowController &controller)
    {
        QStringList names;
        const QAbstractItemModel *model = controller.ui().fileListTableView->model();
        for (int row = 0; row < model->rowCount(); ++row)
            names << model->index(row, 0).data().toString();
        return names;
    }

    static QColor rowColour(const MainWindowController &controller, int row)
    {
        return controller.ui().fileListTableView->model()->index(row, 0).data(Qt::ForegroundRole).value<QColor>();
    }

    QTemporaryDir volumes;
    VolumeMonitor monitor{volumes.path()};
    Notifier notifier;
    SettingManagerHolder settings{std::make_unique<R640SettingManager>(&monitor)};
};

TEST_F(FileListTest, NoCardShowsUnknownAndAnEmptyList)
{
    auto controller = startedController();
    EXPECT_EQ(controller->ui().modelTextField->text(), QStringLiteral("Unknown"));
    EXPECT_FALSE(controller->ui().settingsButton->isEnabled());
    EXPECT_TRUE(rows(*controller).isEmpty());
    EXPECT_FALSE(controller->ui().fileListSaveButton_OEM->isEnabled());

    // A replaced settings manager (an editor's Reset) is the one the window asks from then on.
    QTemporaryDir otherVolumes;
    makeCard(otherVolumes.filePath(QStringLiteral("CARD")));
    VolumeMonitor otherMonitor{otherVolumes.path()};
    settings.replace(std::make_unique<R640SettingManager>(&otherMonitor));
    controller->fileList().updateModelInfo();
    EXPECT_EQ(controller->ui().modelTextField->text(), QStringLiteral("R640"));
}

TEST_F(FileListTest, CardIsListedInDisplayOrderWithColours)
{
    makeCard(volumes.filePath(QStringLiteral("CARD")));
    monitor.refresh();
    auto controller = startedController();
    EXPECT_EQ(controller->ui().modelTextField->text(), QStringLiteral("R640"));
    EXPECT_TRUE(controller->ui().settingsButton->isEnabled());
    EXPECT_EQ(controller->ui().selectedDirTextField_OEM->text(), volumes.filePath(QStringLiteral("CARD")));
    EXPECT_EQ(rows(*controller), (QStringList{QStringLiteral("z_saved.mp4"), QStringLiteral("20261201_100000_F.mp4"),
                                              QStringLiteral("20261201_100000_R.mp4"), QStringLiteral("20261201_100500_F.MP4"),
                                              QStringLiteral("20261201_101000.avi"), QStringLiteral("root_clip.mov")}));
    EXPECT_EQ(rowColour(*controller, 0), QColor(Qt::magenta));
    EXPECT_FALSE(rowColour(*controller, 1).isValid());
    EXPECT_EQ(rowColour(*controller, 4), QColor(Qt::yellow));
    EXPECT_EQ(controller->fileList().selectedRow(), 0);
    EXPECT_TRUE(controller->ui().fileListSaveButton_OEM->isEnabled());

    // Event shows the event clip; Manual the SOS clip; the saved copy is in neither.
    controller->ui().fileListEventButton_OEM->click();
    EXPECT_EQ(rows(*controller), QStringList{QStringLiteral("20261201_100500_F.MP4")});
    EXPECT_EQ(controller->fileList().videoFileFilterGroupA(), 3);
    EXPECT_EQ(controller->ui().fileListEventButton_OEM->backgroundName(), QStringLiteral("sorting_btn_60_2"));
    EXPECT_EQ(controller->ui().fileListAllButton_OEM->backgroundName(), QStringLiteral("sorting_btn_60_1"));
    controller->ui().fileListManualButton_OEM->click();
    EXPECT_EQ(rows(*controller), QStringList{QStringLiteral("20261201_101000.avi")});
    controller->ui().fileListMotionButton_OEM->click();
    EXPECT_TRUE(rows(*controller).isEmpty());
    EXPECT_FALSE(controller->ui().fileListSaveButton_OEM->isEnabled());
}

TEST_F(FileListTest, PullingAndInsertingTheCardRefreshesTheList)
{
    const QString card = volumes.filePath(QStringLiteral("CARD"));
    makeCard(card);
    monitor.refresh();
    auto controller = startedController();
    ASSERT_EQ(rows(*controller).size(), 6);

    QDir(card).removeRecursively();
    monitor.refresh();
    ASSERT_TRUE(QTest::qWaitFor([&] { return rows(*controller).isEmpty(); }));
    EXPECT_EQ(controller->ui().modelTextField->text(), QStringLiteral("Unknown"));
    EXPECT_FALSE(controller->ui().settingsButton->isEnabled());
    EXPECT_TRUE(controller->ui().selectedDirTextField_OEM->text().isEmpty());

    makeCard(volumes.filePath(QStringLiteral("CARD2")));
    monitor.refresh();
    ASSERT_TRUE(QTest::qWaitFor([&] { return rows(*controller).size() == 6; }));
    EXPECT_EQ(controller->ui().modelTextField->text(), QStringLiteral("R640"));
}

TEST_F(FileListTest, AChosenFolderIsListedAndTheFilterIsKept)
{
    auto controller = startedController();
    QTemporaryDir folder;
    touch(folder.filePath(QStringLiteral("cont_rec_old/a.mp4")));
    touch(folder.filePath(QStringLiteral("b.mp4")));
    controller->ui().fileListAlwaysButton_OEM->click();
    controller->fileList().refreshVideoFileListWithURL(QUrl::fromLocalFile(folder.filePath(QStringLiteral("cont_rec_old"))));
    waitForList(*controller);
    // The folder's own path contains "cont_rec", so its clip passes the Always filter.
    EXPECT_EQ(rows(*controller), QStringList{QStringLiteral("a.mp4")});
    EXPECT_EQ(controller->fileList().allVideoFileList().size(), 1);
}

TEST_F(FileListTest, DoubleClickAsksToPlayTheRow)
{
    makeCard(volumes.filePath(QStringLiteral("CARD")));
    monitor.refresh();
    auto controller = startedController();
    int requested = -1;
    QObject::connect(&controller->fileList(), &FileListController::playRequested, [&](int row) { requested = row; });
    QTableView *table = controller->ui().fileListTableView;
    table->selectRow(2);
    const QRect cell = table->visualRect(table->model()->index(2, 0));
    ASSERT_TRUE(table->isVisible());
    ASSERT_TRUE(table->viewport()->rect().contains(cell.center()));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(requested, 2);
}

} // namespace
