// Stills, prints, copies and removals from the main window, with the real ffmpeg and mpv
// (offscreen, no sound) and the save and print dialogs answered by the test.
#include "playing_window.h"
#include "../convert/incident_test_clips.h"
#include "app/main_window.h"
#include "app/main_window_ui.h"
#include "playback/convert/incident_export.h"
#include "playback/playback_controller.h"
#include "playback/player/drovik_av_view.h"
#include "playback/snapshot_controller.h"
#include "programs.h"
#include "testenv.h"
#include "widgets/image_widgets.h"

#include <QDir>
#include <QImage>
#include <QMessageBox>
#include <QPrinter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>

#include <gtest/gtest.h>

using namespace drovik;

namespace {

TEST(SnapshotNames, NameOfTheFileTheLargeViewShowsAndWholeMilliseconds)
{
    QList<QUrl> list;
    for (const char *name : {"0512_F.mp4", "0512_R.mp4", "0513_F.avi", "0513_R.avi", "0514_R.mp4",
                             "0515_F.mp4", "trip.day1.mov"})
        list.append(QUrl::fromLocalFile(QStringLiteral("/card/") + QLatin1String(name)));
    const struct {
        int row;
        bool switched;
        double seconds;
        const char *name;
    } cases[] = {
        {0, false, 83.4567, "0512_F_83456.png"},
        {0, true, 83.4567, "0512_R_83456.png"}, // switched: the rear file is on the large view
        {1, true, 0.0009, "0512_F_0.png"},
        {1, false, 1.0, "0512_R_1000.png"},
        {2, true, 1.5, "0513_F_1500.png"}, // two avi files are never partners
        {4, true, 2.0, "0514_R_2000.png"}, // its neighbours are not its partner
        {5, true, 0.0, "0515_F_0.png"},
        {6, false, 12.3456, "trip.day1_12345.png"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(snapshotFileName(bigVideoUrlOfRow(list, c.row, c.switched), c.seconds), QLatin1String(c.name))
            << c.row << (c.switched ? " switched" : "");
    }
    EXPECT_EQ(bigVideoUrlOfRow(list, 7, true), QUrl());
    EXPECT_EQ(bigVideoUrlOfRow(list, -1, false), QUrl());
}

// The bounding boxes of what is printed on a page, one per band of rows with ink separated by
// white paper, from the top.
QList<QRect> inkBands(const QImage &page)
{
    QList<QRect> bands;
    bool inBand = false;
    for (int y = 0; y < page.height(); ++y) {
        QRect row;
        for (int x = 0; x < page.width(); ++x) {
            if (qGray(page.pixel(x, y)) < 235)
                row |= QRect(x, y, 1, 1);
        }
        if (!row.isNull() && !inBand)
            bands.append(row);
        else if (!row.isNull())
            bands.last() |= row;
        inBand = !row.isNull();
    }
    return bands;
}

class SnapshotTest : public test::PlayingWindowTest {
protected:
    void SetUp() override
    {
        PlayingWindowTest::SetUp();
        SnapshotDialogs dialogs;
        dialogs.savePath = [this](QWidget *, const QString &folder, const QString &name) {
            openedIn.append(folder);
            proposed.append(name);
            return answer;
        };
        dialogs.print = [this](QWidget *, QPrinter &printer) {
            EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(out.path(QStringLiteral("frame.pdf")));
            return true;
        };
        controller->snapshot()->setDialogs(dialogs);
    }

    void list()
    {
        controller->fileList().refreshVideoFileListWithURL(QUrl::fromLocalFile(clips.root()));
        ASSERT_TRUE(test::WindowServices::waitForList(*controller));
    }

    // The alert that is up, closed once its texts are read: "text | reason".
    QString takeAlert()
    {
        for (QMessageBox *alert : controller->window()->findChildren<QMessageBox *>()) {
            if (alert->isVisible()) {
                const QString texts = alert->text() + QStringLiteral(" | ") + alert->informativeText();
                alert->close();
                return texts;
            }
        }
        return QString();
    }

    test::TempFolder out;
    QStringList openedIn;
    QStringList proposed;
    QString answer;
};

TEST_F(SnapshotTest, StillAndPrintHoldTheShownFrameAndItsMoment)
{
    ASSERT_TRUE(test::KnownTelemetry::makePair(clips.root(), QStringLiteral("20240517_101600"), 6));
    list();
    PlaybackController &playback = *controller->playback();
    const DrovikAVView &big = *controller->bigMovieView();
    playback.playVideoWithIdx(0);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return playback.isDisplayTimerRunning() && !playback.isPreparing() && big.currentTime() > 1.5;
    }, 15000))
        << "past the first fix";

    // The first dialog opens in Pictures, home when there is none; then where the last save went.
    const QString home = test::isolatedHome();
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    ASSERT_TRUE(pictures.startsWith(home + QLatin1Char('/'))) << pictures.toStdString();
    controller->ui().snapShotButton->click();
    EXPECT_TRUE(playback.isVideoPaused());
    ASSERT_TRUE(QDir().mkpath(pictures));
    controller->ui().snapShotButton->click();
    EXPECT_EQ(openedIn, (QStringList{home, pictures})) << "a cancelled dialog leaves the first folder";

    // A write that fails is reported and leaves nothing behind.
    answer = out.path(QStringLiteral("missing/still.png"));
    controller->ui().snapShotButton->click();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^20240517_101600_F_\\d+\\.png$")).match(proposed.last()).hasMatch())
        << proposed.last().toStdString();
    const QString alert = takeAlert();
    EXPECT_TRUE(alert.startsWith(QStringLiteral("The snapshot could not be saved. | ")) && !alert.endsWith(QLatin1String("| ")))
        << alert.toStdString();
    EXPECT_EQ(QDir(out.root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());

    answer = out.path(QStringLiteral("still.png"));
    controller->ui().snapShotButton->click();
    EXPECT_EQ(openedIn.last(), out.path(QStringLiteral("missing")));
    const QImage still(answer);
    EXPECT_EQ(still.size(), QSize(160, 90)) << "the frame at its own size, not the view's";
    EXPECT_EQ(takeAlert(), QString());
    QDir(home).rmdir(QStringLiteral("Pictures"));

    // Its text chunks are those of the incident export's still of the same moment.
    const double at = big.currentTime();
    const int sample = int(at * 10);
    EXPECT_TRUE(still.text(QStringLiteral("Creation Time")).startsWith(QStringLiteral("2024-05-17T10:16:0")));
    EXPECT_NEAR(still.text(QStringLiteral("Drovik:Latitude")).toDouble(), test::KnownTelemetry::lat(sample / 10), 0.0011);
    EXPECT_NEAR(still.text(QStringLiteral("Drovik:GX")).toDouble(), test::KnownTelemetry::gx(sample), 1.0 / 128);
    IncidentRequest request;
    request.clip = clips.url(QStringLiteral("20240517_101600_F.mp4"));
    request.at = at;
    request.outputFolder = out.root();
    const IncidentResult incident = exportIncident(request);
    ASSERT_TRUE(incident.ok()) << incident.error.toStdString();
    const QImage incidentStill(incident.folder + QStringLiteral("/20240517_101600_F.png"));
    ASSERT_EQ(still.textKeys(), incidentStill.textKeys());
    for (const QString &key : still.textKeys())
        EXPECT_EQ(still.text(key), incidentStill.text(key)) << key.toStdString();

    // One landscape page with the frame as wide as the page allows, in its own proportions, and
    // under it the file, the date and time, the position and the speed.
    controller->ui().printButton->click();
    EXPECT_EQ(takeAlert(), QString());
    const QString pdf = out.path(QStringLiteral("frame.pdf"));
    const test::ProgramRun render = test::run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-png"), pdf, out.path(QStringLiteral("page"))});
    ASSERT_EQ(render.exitCode, 0) << render.err.constData();
    const QStringList pages = QDir(out.root()).entryList({QStringLiteral("page*.png")});
    ASSERT_EQ(pages.size(), 1);
    const QImage page(out.path(pages.first()));
    EXPECT_GT(page.width(), page.height());
    const QList<QRect> bands = inkBands(page);
    ASSERT_EQ(bands.size(), 2) << "the frame and its caption";
    EXPECT_GT(bands.first().width(), page.width() * 8 / 10);
    EXPECT_NEAR(double(bands.first().width()) / bands.first().height(), 160.0 / 90.0, 0.05);
    const test::ProgramRun text = test::run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_EQ(text.exitCode, 0) << text.err.constData();
    const QString caption = QString::fromUtf8(text.out).simplified();
    const auto reading = [&](const char *key) { return still.text(QLatin1String(key)).toDouble(); };
    EXPECT_EQ(caption, QStringLiteral("20240517_101600_F.mp4 \u00b7 %1 \u00b7 %2, %3 \u00b7 %4 km/h")
                           .arg(still.text(QStringLiteral("Creation Time")).replace(QLatin1Char('T'), QLatin1Char(' ')))
                           .arg(reading("Drovik:Latitude"), 0, 'f', 4)
                           .arg(reading("Drovik:Longitude"), 0, 'f', 4)
                           .arg(still.text(QStringLiteral("Drovik:SpeedKmh"))));
}

TEST_F(SnapshotTest, SaveCopyAndRemoveTouchOnlyTheirFiles)
{
    for (const char *name : {"0512_F.mp4", "0512_R.mp4", "0513_F.mp4", "0512_F.srt"})
        ASSERT_TRUE(clips.put(QLatin1String(name), name));
    list();
    ASSERT_EQ(controller->fileList().filteredVideoFileList().size(), 3);
    QTableView *table = controller->ui().fileListTableView;
    QSignalSpy copied(controller->snapshot(), &SnapshotController::copyFinished);

    table->clearSelection();
    controller->ui().fileListSaveButton_OEM->click();
    EXPECT_EQ(proposed, QStringList()) << "nothing selected, nothing to save";

    // A new file, then one the dialog was told to replace, then a folder that does not exist.
    const struct {
        int row;
        const char *target;
        bool copies;
    } saves[] = {{1, "copy.mp4", true}, {2, "copy.mp4", true}, {0, "missing/copy.mp4", false}};
    for (const auto &save : saves) {
        table->selectRow(save.row);
        answer = out.path(QLatin1String(save.target));
        controller->ui().fileListSaveButton_OEM->click();
        ASSERT_TRUE(copied.wait(10000)) << save.row;
        const QString file = controller->fileList().filteredVideoFileList().at(save.row).fileName();
        EXPECT_EQ(proposed.takeLast(), file);
        EXPECT_EQ(copied.takeFirst().value(0).toBool(), save.copies);
        if (save.copies) {
            EXPECT_EQ(out.get(QLatin1String(save.target)), file.toUtf8());
        } else {
            EXPECT_TRUE(takeAlert().startsWith(QStringLiteral("The file could not be saved. | "))) << save.row;
        }
    }
    EXPECT_EQ(QDir(out.root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{QStringLiteral("copy.mp4")});

    // The hidden remove button still works: only the listed file goes, the selection with it.
    table->selectRow(0);
    controller->ui().fileListRemoveButton_OEM->click();
    const QStringList left{QStringLiteral("0512_F.srt"), QStringLiteral("0512_R.mp4"), QStringLiteral("0513_F.mp4")};
    EXPECT_EQ(QDir(clips.root()).entryList(QDir::Files, QDir::Name), left);
    EXPECT_EQ(controller->fileList().filteredVideoFileList(),
              (QList<QUrl>{clips.url(left.at(1)), clips.url(left.at(2))}));
    EXPECT_EQ(controller->fileList().allVideoFileList().size(), 2);
    EXPECT_EQ(controller->fileList().selectedRow(), -1);
    EXPECT_EQ(table->model()->rowCount(), 2);
}

} // namespace
