// The card pulled while the main window plays or converts one of its clips (the real ffmpeg and
// mpv, offscreen): one alert that says what happened, nothing half-made in the cache, and the
// clips play again once the card is back.
#include "card_faults.h"
#include "../settings/card_fixture.h"
#include "playing_window.h"
#include "app/main_window.h"
#include "app/main_window_ui.h"
#include "widgets/image_widgets.h"
#include "i18n/drovik_languages.h"
#include "platform/utils.h"
#include "playback/convert/video_conversion.h"
#include "playback/playback_controller.h"
#include "programs.h"

#include <QAbstractItemModel>
#include <QMessageBox>
#include <QTableView>

#include <gtest/gtest.h>

using namespace drovik;
using namespace drovik::test;

namespace {

constexpr int kClipSeconds = 4;

// A clip of a few seconds at a rate high enough that the player cannot have read it all ahead
// when the fault lands.
bool makeLongClip(const QString &path)
{
    return ffmpeg(words(QStringLiteral("-f lavfi -i testsrc2=size=320x180:rate=25:duration=%1").arg(kClipSeconds))
                  + h264() + words(QStringLiteral("-b:v 4M")) + QStringList{path});
}

enum class Alert { Card, Unsupported };

class PulledCardTest : public PlayingWindowTest {
protected:
    void SetUp() override
    {
        PlayingWindowTest::SetUp();
        // The card, made once and kept aside: every case starts from it and puts it back.
        ASSERT_TRUE(writeFile(clips.path(QStringLiteral("CARD/SETTING/setup.cfg")), makeRecord(464, "R640", 0)));
        ASSERT_TRUE(QDir().mkpath(clips.path(QStringLiteral("CARD/cont_rec"))));
        ASSERT_TRUE(makeLongClip(clips.path(QStringLiteral("CARD/cont_rec/a.mov"))));
        for (const char *name : {"b.mov", "c_F.mp4", "c_R.mp4"})
            ASSERT_TRUE(QFile::copy(clips.path(QStringLiteral("CARD/cont_rec/a.mov")),
                                    clips.path(QStringLiteral("CARD/cont_rec/") + QLatin1String(name))));
    }

    QString card() const { return services.volumesDir.path(QStringLiteral("CARD")); }
    QString clip(const char *name) const { return card() + QStringLiteral("/cont_rec/") + QLatin1String(name); }
    PlaybackController &playback() const { return *controller->playback(); }

    QStringList rows() const
    {
        QStringList names;
        const QAbstractItemModel *model = controller->ui().fileListTableView->model();
        for (int row = 0; row < model->rowCount(); ++row)
            names << model->index(row, 0).data().toString();
        return names;
    }

    // The card goes into the reader and the list shows its clips.
    bool insertCard()
    {
        if (!putCardBack(clips.path(QStringLiteral("CARD")), card()))
            return false;
        services.volumes.refresh();
        return QTest::qWaitFor([&] { return !controller->fileList().isScanning() && rows().size() == 4; }, 10000);
    }

    // Plays the named row; true once both views (or the one) play and it is converted.
    bool play(const QString &name)
    {
        const int row = int(rows().indexOf(name));
        if (row < 0)
            return false;
        controller->ui().fileListTableView->selectRow(row);
        playback().playVideoWithIdx(row);
        return QTest::qWaitFor([&] { return playback().isDisplayTimerRunning() && !playback().isPreparing(); }, 20000);
    }

    QList<QMessageBox *> alerts() const { return controller->window()->findChildren<QMessageBox *>(); }

    // Waits for the first alert, gives the window time to pile up more, and checks there is one
    // and of the expected kind; then closes it.
    void expectOneAlert(Alert kind)
    {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !alerts().isEmpty(); }, 20000)) << "no alert";
        QTest::qWait(1500);
        const QList<QMessageBox *> shown = alerts();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown.first()->informativeText(),
                  kind == Alert::Card ? localized("메모리카드를 확인하여 주시기 바랍니다.")
                                      : localized("지원하지 않는 형식으로 인코딩된 동영상입니다."));
        EXPECT_FALSE(shown.first()->detailedText().isEmpty()) << "the cause";
        shown.first()->accept();
        ASSERT_TRUE(QTest::qWaitFor([&] { return alerts().isEmpty(); }, 5000));
    }

    QString cache() const { return conversionCacheFolder(Utils::GetWorkingDirectoryPath()); }
};

// While a clip plays from the card: a pulled card stops it with the card error; a clip that
// vanished or was cut short gives one unsupported alert when the list moves on to it. With the
// card back the list shows the clips and they play.
TEST_F(PulledCardTest, WhilePlaying)
{
    for (const CardFault fault : kAllCardFaults) {
        SCOPED_TRACE(faultName(fault));
        ASSERT_TRUE(insertCard());
        ASSERT_TRUE(play(QStringLiteral("a.mov")));
        ASSERT_TRUE(applyCardFault(fault, card(), {clip("a.mov"), clip("b.mov"), clip("c_F.mp4"), clip("c_R.mp4")}));
        services.volumes.refresh();
        expectOneAlert(fault == CardFault::FolderRemoved ? Alert::Card : Alert::Unsupported);
        if (fault == CardFault::FolderRemoved) {
            EXPECT_TRUE(rows().isEmpty());
            EXPECT_TRUE(playback().currentVideoUrl().isEmpty());
            EXPECT_FALSE(playback().isDisplayTimerRunning());
            EXPECT_FALSE(controller->ui().playPauseButton->isEnabled());
        }
        playback().closeVideo();
    }
    ASSERT_TRUE(insertCard());
    EXPECT_TRUE(play(QStringLiteral("b.mov")));
    EXPECT_TRUE(alerts().isEmpty());
}

// While ffmpeg converts a clip of the card (slowed to the clip's pace): one alert, the card error
// when the card itself went, and nothing in the cache; with the card back the clip converts
// and plays.
TEST_F(PulledCardTest, WhileConverting)
{
    const QString slow = clips.path(QStringLiteral("slow-ffmpeg"));
    ASSERT_TRUE(writeSlowFfmpeg(slow));
    qputenv("DROVIK_FFMPEG", slow.toUtf8());
    for (const CardFault fault : kAllCardFaults) {
        SCOPED_TRACE(faultName(fault));
        ASSERT_TRUE(insertCard());
        QDir(cache()).removeRecursively();
        const int row = int(rows().indexOf(QStringLiteral("c_F.mp4")));
        ASSERT_GE(row, 0);
        controller->ui().fileListTableView->selectRow(row);
        playback().playVideoWithIdx(row);
        ASSERT_TRUE(QTest::qWaitFor([&] {
            for (const QString &file : filesBelow(cache()))
                if (file.contains(QStringLiteral(".partial/")))
                    return true;
            return false;
        }, 10000)) << "ffmpeg never started";
        ASSERT_TRUE(applyCardFault(fault, card(), {clip("c_F.mp4"), clip("c_R.mp4")}));
        services.volumes.refresh();
        expectOneAlert(fault == CardFault::FolderRemoved ? Alert::Card : Alert::Unsupported);
        // The conversion dropped by the pulled card still ends before the cache is looked at.
        ASSERT_TRUE(QTest::qWaitFor([&] { return filesBelow(cache()).isEmpty(); }, 3 * kClipSeconds * 1000))
            << filesBelow(cache()).join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(playback().isDisplayTimerRunning());
        playback().closeVideo();
    }
    qunsetenv("DROVIK_FFMPEG");
    ASSERT_TRUE(insertCard());
    EXPECT_TRUE(play(QStringLiteral("c_F.mp4")));
    EXPECT_EQ(filesBelow(cache()).filter(QStringLiteral(".mov")).size(), 2);
    EXPECT_TRUE(alerts().isEmpty());
}

} // namespace
