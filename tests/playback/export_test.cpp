// The track and incident exports from the main window, with the real ffmpeg and mpv (offscreen,
// no sound) and the save and folder dialogs answered by the test.
#include "playing_window.h"
#include "../convert/incident_test_clips.h"
#include "app/main_window.h"
#include "app/main_window_ui.h"
#include "playback/export_controller.h"
#include "playback/playback_controller.h"
#include "programs.h"
#include "widgets/image_widgets.h"

#include <QDir>
#include <QImage>
#include <QMessageBox>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <optional>
#include <utility>

using namespace drovik;

namespace {

class ExportTest : public test::PlayingWindowTest {
protected:
    void SetUp() override
    {
        PlayingWindowTest::SetUp();
        ExportDialogs dialogs;
        dialogs.trackPath = [this](QWidget *, const QString &name, const QStringList &filters) {
            proposed.append(name);
            offered = filters;
            return answer;
        };
        dialogs.incidentFolder = [this](QWidget *) { return answer; };
        controller->exports()->setDialogs(dialogs);
    }

    // The alert that is up, closed once read: whether it warns, and its detail. (Its title is
    // the translation of a new text, which the tables may not hold yet.)
    std::optional<std::pair<bool, QString>> takeAlert()
    {
        for (QMessageBox *alert : controller->window()->findChildren<QMessageBox *>()) {
            if (alert->isVisible()) {
                const std::pair<bool, QString> seen{alert->icon() == QMessageBox::Warning, alert->informativeText()};
                alert->close();
                return seen;
            }
        }
        return std::nullopt;
    }

    test::TempFolder out;
    QStringList proposed;
    QStringList offered;
    QString answer;
};

TEST_F(ExportTest, TrackAndIncidentOfThePlayingClip)
{
    if (!test::haveProgram(QStringLiteral("ffmpeg")))
        GTEST_SKIP() << "ffmpeg is not installed";
    ASSERT_TRUE(test::KnownTelemetry::makePair(clips.root(), QStringLiteral("20240517_101600"), 6));
    controller->fileList().refreshVideoFileListWithURL(QUrl::fromLocalFile(clips.root()));
    ASSERT_TRUE(test::WindowServices::waitForList(*controller));
    const MainWindowUi &ui = controller->ui();
    EXPECT_FALSE(ui.trackExportButton->isEnabled()) << "nothing plays yet";
    PlaybackController &playback = *controller->playback();
    playback.playVideoWithIdx(0);
    // The picture comes first, the telemetry once the clip is converted.
    ASSERT_TRUE(QTest::qWaitFor([&] { return playback.isDisplayTimerRunning() && !playback.isPreparing(); }, 15000));
    EXPECT_TRUE(ui.trackExportButton->isEnabled());
    EXPECT_TRUE(ui.incidentExportButton->isEnabled());

    QSignalSpy tracks(controller->exports(), &ExportController::trackExportFinished);
    // Every format of the whole clip (60 samples, each with a fix), chosen by the file's name.
    const struct {
        const char *name;
        const char *gpsbabelFormat;
    } formats[] = {{"track.gpx", "gpx"}, {"track.kml", "kml"}, {"track.CSV", nullptr}};
    for (const auto &f : formats) {
        answer = out.path(QLatin1String(f.name));
        ui.trackExportButton->click();
        EXPECT_TRUE(playback.isVideoPaused());
        ASSERT_EQ(tracks.size(), 1) << f.name;
        EXPECT_TRUE(tracks.takeFirst().value(0).toBool()) << f.name;
        EXPECT_EQ(takeAlert(), std::nullopt);
        if (f.gpsbabelFormat && test::haveProgram(QStringLiteral("gpsbabel"))) {
            // Every point timed from the clip's name: the last one 5.9 s after 10:16:00.
            const QList<QByteArray> rows = test::gpsbabelRows(QLatin1String(f.gpsbabelFormat), answer);
            EXPECT_EQ(rows.size(), 61) << f.name;
            EXPECT_TRUE(rows.value(60).endsWith(",2024/05/17,10:16:05.900")) << f.name << rows.value(60).toStdString();
        }
    }
    EXPECT_EQ(proposed, QStringList(3, QStringLiteral("20240517_101600_F.gpx")));
    EXPECT_EQ(offered, (QStringList{QStringLiteral("GPX 1.1 (*.gpx)"), QStringLiteral("KML 2.2 (*.kml)"),
                                    QStringLiteral("CSV (*.csv)")}));
    const QList<QByteArray> rows = out.get(QStringLiteral("track.CSV")).trimmed().split('\n');
    EXPECT_EQ(rows.size(), 61);
    EXPECT_EQ(rows.value(0), "index,time_s,gx,gy,gz,lat,lng,speed_kmh,datetime");
    EXPECT_TRUE(rows.value(60).endsWith(",2024-05-17T10:16:05.900Z")) << rows.value(60).toStdString();

    // A folder that does not exist: an alert, and nothing written.
    answer = out.path(QStringLiteral("missing/track.gpx"));
    ui.trackExportButton->click();
    ASSERT_EQ(tracks.size(), 1);
    EXPECT_FALSE(tracks.takeFirst().value(0).toBool());
    const auto alert = takeAlert();
    ASSERT_TRUE(alert);
    EXPECT_TRUE(alert->first);
    EXPECT_FALSE(alert->second.isEmpty()) << "the system's reason";
    EXPECT_EQ(QDir(out.root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 3);

    // The incident around the position on screen, off the GUI thread.
    playback.setCurrentVideoTime(3.0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return controller->bigMovieView()->currentTime() >= 2.95; }, 5000));
    QSignalSpy incidents(controller->exports(), &ExportController::incidentExportFinished);
    answer = out.path(QStringLiteral("evidence"));
    ASSERT_TRUE(QDir().mkpath(answer));
    ui.incidentExportButton->click();
    EXPECT_TRUE(controller->exports()->isExportingIncident());
    ASSERT_TRUE(incidents.wait(60000));
    const QString folder = incidents.takeFirst().value(0).toString();
    // What the folder holds is the command line's export, checked there; here, the moment.
    EXPECT_EQ(folder, answer + QStringLiteral("/20240517_101600_F_at_00m03s"));
    EXPECT_EQ(QImage(folder + QStringLiteral("/20240517_101600_R.png")).text(QStringLiteral("Creation Time")),
              QStringLiteral("2024-05-17T10:16:03"));
    EXPECT_EQ(takeAlert(), std::pair(false, folder));

    // A folder that cannot take it: the alert, and the folder as it was.
    answer = out.path(QStringLiteral("track.gpx/inside"));
    ui.incidentExportButton->click();
    ASSERT_TRUE(incidents.wait(60000));
    EXPECT_EQ(incidents.takeFirst().value(0).toString(), QString());
    const auto failure = takeAlert();
    ASSERT_TRUE(failure);
    EXPECT_TRUE(failure->first);
    EXPECT_TRUE(failure->second.contains(answer)) << failure->second.toStdString();
}

} // namespace
