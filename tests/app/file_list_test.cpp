// The clip list of the main window: card detection, listing, filters, colours, card removal,
// following the chosen folder, the playing clip's mark, rows that share a name, paths dropped on
// the window and the folder reopened at launch.
#include "window_services.h"
#include "../settings/card_fixture.h"
#include "app/main_window.h"
#include "app/preference_menus.h"
#include "playback/playback_controller.h"
#include "programs.h"
#include "widgets/image_widgets.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QColor>
#include <QFileInfo>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>
#include <QTableView>

#include <gtest/gtest.h>

using namespace drovik;

namespace {

// A card the R640 wrote: its record names the product at bytes 8-23.
void makeCard(const test::TempFolder &volumes, const QString &card)
{
    ASSERT_TRUE(volumes.put(card + QStringLiteral("/SETTING/setup.cfg"), test::makeRecord(464, "R640", 0)));
    QStringList clips{QStringLiteral("cont_rec/20261201_100000_F.mp4"), QStringLiteral("cont_rec/20261201_100000_R.mp4"),
                      QStringLiteral("evt_rec/20261201_100500_F.MP4"), QStringLiteral("Saved_Videos/z_saved.mp4"),
                      QStringLiteral("sos_rec/20261201_101000.avi"), QStringLiteral("root_clip.mov"),
                      QStringLiteral("other/ignored.mp4"), QStringLiteral("cont_rec/.hidden.mp4"),
                      QStringLiteral("cont_rec/notes.mkv")};
    for (QString &clip : clips)
        clip.prepend(card + QLatin1Char('/'));
    ASSERT_TRUE(volumes.touch(clips));
}

class FileListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Preferences::store()->clear();
        AppDelegate::initializeLanguageSetting(test::languages());
    }

    std::unique_ptr<MainWindowController> startedController() { return window.shownWindow(); }

    void insertCard(const QString &name = QStringLiteral("CARD"))
    {
        makeCard(window.volumesDir, name);
        window.volumes.refresh();
    }

    static QStringList rows(const MainWindowController &controller, int role = Qt::DisplayRole)
    {
        QStringList texts;
        const QAbstractItemModel *model = controller.ui().fileListTableView->model();
        for (int row = 0; row < model->rowCount(); ++row)
            texts << model->index(row, 0).data(role).toString();
        return texts;
    }

    // The names of the rows marked as playing.
    static QStringList markedRows(const MainWindowController &controller)
    {
        QStringList names;
        const QAbstractItemModel *model = controller.ui().fileListTableView->model();
        for (int row = 0; row < model->rowCount(); ++row)
            if (model->index(row, 0).data(Qt::FontRole).value<QFont>().bold())
                names << model->index(row, 0).data().toString();
        return names;
    }

    static QString selectedName(const MainWindowController &controller)
    {
        const int row = controller.fileList().selectedRow();
        return row < 0 ? QString() : controller.fileList().shownClips().at(row).fileName();
    }

    static QColor rowColour(const MainWindowController &controller, int row)
    {
        return controller.ui().fileListTableView->model()->index(row, 0).data(Qt::ForegroundRole).value<QColor>();
    }

    test::WindowServices window;
};

TEST_F(FileListTest, NoCardShowsUnknownAndAnEmptyList)
{
    auto controller = startedController();
    EXPECT_EQ(controller->ui().modelTextField->text(), QStringLiteral("Unknown"));
    EXPECT_FALSE(controller->ui().settingsButton->isEnabled());
    EXPECT_TRUE(rows(*controller).isEmpty());
    EXPECT_FALSE(controller->ui().fileListSaveButton_OEM->isEnabled());

    // A replaced settings manager (an editor's Reset) is the one the window asks from then on.
    test::TempFolder otherVolumes;
    makeCard(otherVolumes, QStringLiteral("CARD"));
    VolumeMonitor otherMonitor{otherVolumes.root()};
    window.settings.replace(std::make_unique<R640SettingManager>(&otherMonitor));
    controller->fileList().updateModelInfo();
    EXPECT_EQ(controller->ui().modelTextField->text(), QStringLiteral("R640"));
}

TEST_F(FileListTest, CardIsListedInDisplayOrderWithColours)
{
    insertCard();
    auto controller = startedController();
    EXPECT_EQ(controller->ui().modelTextField->text(), QStringLiteral("R640"));
    EXPECT_TRUE(controller->ui().settingsButton->isEnabled());
    EXPECT_EQ(controller->ui().selectedDirTextField_OEM->text(), window.volumesDir.path(QStringLiteral("CARD")));
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
    insertCard();
    auto controller = startedController();
    ASSERT_EQ(rows(*controller).size(), 6);

    QDir(window.volumesDir.path(QStringLiteral("CARD"))).removeRecursively();
    window.volumes.refresh();
    ASSERT_TRUE(QTest::qWaitFor([&] { return rows(*controller).isEmpty(); }));
    EXPECT_EQ(controller->ui().modelTextField->text(), QStringLiteral("Unknown"));
    EXPECT_FALSE(controller->ui().settingsButton->isEnabled());
    EXPECT_TRUE(controller->ui().selectedDirTextField_OEM->text().isEmpty());

    insertCard(QStringLiteral("CARD2"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return rows(*controller).size() == 6; }));
    EXPECT_EQ(controller->ui().modelTextField->text(), QStringLiteral("R640"));
}

TEST_F(FileListTest, AChosenFolderIsListedAndTheFilterIsKept)
{
    auto controller = startedController();
    test::TempFolder folder;
    ASSERT_TRUE(folder.touch({QStringLiteral("cont_rec_old/a.mp4"), QStringLiteral("b.mp4")}));
    controller->ui().fileListAlwaysButton_OEM->click();
    controller->fileList().refreshVideoFileListWithURL(folder.url(QStringLiteral("cont_rec_old")));
    ASSERT_TRUE(test::WindowServices::waitForList(*controller));
    // The folder's own path contains "cont_rec", so its clip passes the Always filter.
    EXPECT_EQ(rows(*controller), QStringList{QStringLiteral("a.mp4")});
    EXPECT_EQ(controller->fileList().allVideoFileList().size(), 1);
}

// A card being copied in or cleaned up in a file manager: the list follows, new recording
// folders included, and the selected clip stays selected until its own file goes.
TEST_F(FileListTest, FilesCopiedInOrRemovedShowWhileTheSelectionStays)
{
    insertCard();
    auto controller = startedController();
    const test::TempFolder &volumes = window.volumesDir;
    controller->fileList().selectRow(2);
    ASSERT_EQ(selectedName(*controller), QStringLiteral("20261201_100000_R.mp4"));
    const struct {
        const char *file;
        bool copied;
        const char *selected;
    } steps[] = {
        {"CARD/cont_rec/20261201_090000_F.mp4", true, "20261201_100000_R.mp4"},
        {"CARD/evt_rec/front/20261201_110000_F.mp4", true, "20261201_100000_R.mp4"},
        {"CARD/evt_rec/20261201_100500_F.MP4", false, "20261201_100000_R.mp4"},
        {"CARD/cont_rec/20261201_100000_R.mp4", false, ""},
    };
    for (const auto &step : steps) {
        const QString path = volumes.path(QString::fromUtf8(step.file));
        const QString name = QFileInfo(path).fileName();
        ASSERT_TRUE(step.copied ? volumes.touch({QString::fromUtf8(step.file)}) : QFile::remove(path)) << step.file;
        EXPECT_TRUE(QTest::qWaitFor([&] { return rows(*controller).contains(name) == step.copied; }, 5000)) << step.file;
        EXPECT_EQ(selectedName(*controller), QString::fromUtf8(step.selected)) << step.file;
    }
    EXPECT_EQ(rows(*controller), (QStringList{QStringLiteral("z_saved.mp4"), QStringLiteral("20261201_090000_F.mp4"),
                                              QStringLiteral("20261201_100000_F.mp4"), QStringLiteral("20261201_101000.avi"),
                                              QStringLiteral("20261201_110000_F.mp4"), QStringLiteral("root_clip.mov")}));
}

// Rows of one name in different folders say which folder; every row's tooltip is its path.
TEST_F(FileListTest, SharedNamesShowTheirFolderAndEveryRowItsPath)
{
    auto controller = startedController();
    test::TempFolder folder;
    ASSERT_TRUE(folder.touch({QStringLiteral("a.mp4"), QStringLiteral("cont_rec/front/a.mp4"),
                              QStringLiteral("cont_rec/rear/a.mp4"), QStringLiteral("cont_rec/b.mp4")}));
    controller->fileList().refreshVideoFileListWithURL(QUrl::fromLocalFile(folder.root()));
    ASSERT_TRUE(test::WindowServices::waitForList(*controller));
    QStringList texts = rows(*controller);
    texts.sort();
    EXPECT_EQ(texts, (QStringList{QStringLiteral("a.mp4"), QStringLiteral("b.mp4"), QStringLiteral("cont_rec/front/a.mp4"),
                                  QStringLiteral("cont_rec/rear/a.mp4")}));
    QStringList paths;
    for (const QUrl &clip : controller->fileList().shownClips())
        paths << clip.toLocalFile();
    EXPECT_EQ(rows(*controller, Qt::ToolTipRole), paths);
    EXPECT_TRUE(paths.contains(folder.path(QStringLiteral("cont_rec/rear/a.mp4"))));
}

// The playing clip is marked, not the selected one, and keeps its mark when a language change
// lists the card again.
// The playing mark and the chosen clip both stay through a language change.
TEST_F(FileListTest, ThePlayingClipKeepsItsMarkThroughALanguageChange)
{
    qputenv("DROVIK_MPV_OPTIONS", "ao=null,hwdec=no");
    insertCard();
    // Long enough to still play when the test ends.
    ASSERT_TRUE(test::ffmpeg(test::words(QStringLiteral("-f lavfi -i testsrc=size=160x90:rate=10:duration=60")) + test::h264()
                             + QStringList{window.volumesDir.path(QStringLiteral("CARD/root_clip.mov"))}));
    auto controller = startedController();
    const int row = int(rows(*controller).indexOf(QStringLiteral("root_clip.mov")));
    controller->fileList().selectRow(row);
    controller->playback()->playVideoWithIdx(row);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !markedRows(*controller).isEmpty(); }, 15000));
    EXPECT_EQ(markedRows(*controller), QStringList{QStringLiteral("root_clip.mov")});
    ASSERT_GE(rows(*controller).size(), 3);
    const int chosen = row == 1 ? 2 : 1;
    controller->fileList().selectRow(chosen);
    QSignalSpy listed(&controller->fileList(), &FileListController::listRefreshed);
    controller->menus().languageChangeToFrench();
    ASSERT_TRUE(listed.wait(5000));
    EXPECT_EQ(markedRows(*controller), QStringList{QStringLiteral("root_clip.mov")});
    EXPECT_EQ(controller->fileList().selectedRow(), chosen);
    controller->playback()->closeVideo();
    EXPECT_TRUE(markedRows(*controller).isEmpty());
}

TEST_F(FileListTest, DoubleClickAsksToPlayTheRow)
{
    insertCard();
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

TEST_F(FileListTest, ANamedPathOpensAsTheChosenFolderAndAClipPlays)
{
    insertCard();
    const QString card = window.volumesDir.path(QStringLiteral("CARD"));
    // Named at launch: opened after the card's own listing has started, so it is what shows.
    auto controller = std::make_unique<MainWindowController>(window.services());
    QSignalSpy played(&controller->fileList(), &FileListController::playRequested);
    controller->openPath(card + QStringLiteral("/evt_rec/../cont_rec/20261201_100000_R.mp4"));
    controller->showMainWindow();
    ASSERT_TRUE(played.wait(5000));
    EXPECT_EQ(played.takeFirst().at(0).toInt(), 1);
    EXPECT_EQ(controller->fileList().selectedRow(), 1);
    EXPECT_EQ(controller->ui().selectedDirTextField_OEM->text(), card + QStringLiteral("/cont_rec"));

    // A folder is listed as chosen and nothing plays; what does not exist is refused.
    EXPECT_TRUE(controller->fileList().openPath(card + QStringLiteral("/evt_rec")));
    ASSERT_TRUE(test::WindowServices::waitForList(*controller));
    EXPECT_EQ(rows(*controller), QStringList{QStringLiteral("20261201_100500_F.MP4")});
    EXPECT_FALSE(controller->fileList().openPath(card + QStringLiteral("/missing.mp4")));
    EXPECT_TRUE(played.isEmpty());
}

// What a file manager drags onto the window: a drag the window refuses changes nothing.
bool dropOn(QWidget *window, const QList<QUrl> &urls)
{
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(200, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(200, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
    return drop.isAccepted();
}

TEST_F(FileListTest, ADroppedFolderIsChosenAndADroppedClipPlays)
{
    insertCard();
    const QString card = window.volumesDir.path(QStringLiteral("CARD"));
    auto controller = startedController();
    QSignalSpy played(&controller->fileList(), &FileListController::playRequested);
    const auto shownFolder = [&] { return controller->ui().selectedDirTextField_OEM->text(); };

    ASSERT_TRUE(dropOn(controller->window(), {QUrl::fromLocalFile(card + QStringLiteral("/evt_rec"))}));
    ASSERT_TRUE(test::WindowServices::waitForList(*controller));
    EXPECT_EQ(rows(*controller), QStringList{QStringLiteral("20261201_100500_F.MP4")});
    EXPECT_TRUE(played.isEmpty());

    ASSERT_TRUE(dropOn(controller->window(), {QUrl::fromLocalFile(card + QStringLiteral("/cont_rec/20261201_100000_R.mp4"))}));
    ASSERT_TRUE(played.wait(5000));
    EXPECT_EQ(controller->fileList().selectedRow(), played.takeFirst().at(0).toInt());
    EXPECT_EQ(shownFolder(), card + QStringLiteral("/cont_rec"));

    ASSERT_TRUE(window.volumesDir.put(QStringLiteral("notes.txt"), "a note"));
    const QList<QList<QUrl>> refused = {
        {QUrl::fromLocalFile(window.volumesDir.path(QStringLiteral("notes.txt")))},
        {QUrl(QStringLiteral("https://example.com/clip.mp4"))},
        {QUrl::fromLocalFile(card + QStringLiteral("/evt_rec")), QUrl::fromLocalFile(card + QStringLiteral("/root_clip.mov"))},
    };
    for (const QList<QUrl> &urls : refused) {
        EXPECT_FALSE(dropOn(controller->window(), urls)) << urls.constFirst().toString().toStdString();
        EXPECT_FALSE(controller->fileList().isScanning());
        EXPECT_EQ(shownFolder(), card + QStringLiteral("/cont_rec"));
    }
    EXPECT_TRUE(played.isEmpty());
    EXPECT_EQ(Preferences::storedRecentFolders(), (QStringList{card + QStringLiteral("/cont_rec"), card + QStringLiteral("/evt_rec")}));
}

// The last folder chosen on no card is listed again at launch, unless a card is in.
TEST_F(FileListTest, TheLastFolderOnNoCardIsReopenedUnlessACardIsIn)
{
    test::TempFolder folder;
    ASSERT_TRUE(folder.touch({QStringLiteral("trip/a.mp4")}));
    {
        auto controller = startedController();
        ASSERT_TRUE(controller->fileList().openPath(folder.path(QStringLiteral("trip"))));
    }
    EXPECT_EQ(Preferences::storedLastFolder(), folder.path(QStringLiteral("trip")));
    auto reopened = startedController();
    ASSERT_TRUE(QTest::qWaitFor([&] { return reopened->fileList().chosenFolder() == folder.path(QStringLiteral("trip")); }));
    ASSERT_TRUE(test::WindowServices::waitForList(*reopened));
    EXPECT_EQ(rows(*reopened), QStringList{QStringLiteral("a.mp4")});

    insertCard();
    auto withCard = startedController();
    EXPECT_EQ(withCard->fileList().chosenFolder(), window.volumesDir.path(QStringLiteral("CARD")));
}

} // namespace
