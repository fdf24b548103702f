// The player view with the real mpv, drawn in software under the offscreen platform, on clips
// made by ffmpeg at start-up.

#include "player_test_kit.h"
#include "temp_folder.h"

#include "playback/player/drovik_av_view.h"
#include "playback/player/player_surface.h"

#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace drovik::test {
namespace {

class PlayerViewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        useQuietPlayer();
        clips();
    }
    void SetUp() override
    {
        view.resize(320, 180);
        reports.listenTo(&view);
        view.show();
    }
    void TearDown() override { EXPECT_TRUE(reports.allOnGuiThread); }

    Reports reports;
    DrovikAVView view;
};

// Everything that is not a playable clip ends in status 7, never in a crash or a stuck view.
TEST_F(PlayerViewTest, UnplayableFilesEndInFailedStatus)
{
    const QString folder = clips().folder + QLatin1Char('/');
    ASSERT_TRUE(writeFile(folder + QStringLiteral("empty.mov"), {}));
    ASSERT_TRUE(writeFile(folder + QStringLiteral("garbage.mov"), QByteArray(4096, '\x5a')));
    // A playlist dressed as a clip must not go on to play the clip it names.
    ASSERT_TRUE(writeFile(folder + QStringLiteral("list.mov"), "#EXTM3U\n" + clips().pattern.toUtf8() + '\n'));
    const QString cases[] = {folder + QStringLiteral("missing.mov"), folder + QStringLiteral("empty.mov"),
                             folder + QStringLiteral("garbage.mov"), folder + QStringLiteral("list.mov"),
                             folder}; // a folder would otherwise play the files inside it
    for (const QString &path : cases) {
        SCOPED_TRACE(path.toStdString());
        reports.statuses.clear();
        view.setFileName(path);
        EXPECT_EQ(view.status(), DrovikAVView::StatusLoading);
        EXPECT_TRUE(reports.statuses.empty()) << "status reports are queued";
        ASSERT_TRUE(waitForReport(reports, DrovikAVView::StatusFailed)) << "the queued report arrives";
        EXPECT_EQ(view.status(), DrovikAVView::StatusFailed);
        EXPECT_FALSE(view.hasMovie());
        EXPECT_EQ(view.duration(), 0.0);
        EXPECT_TRUE(view.snapshot().isNull());
        EXPECT_NE(std::find(reports.statuses.begin(), reports.statuses.end(), int(DrovikAVView::StatusLoading)),
                  reports.statuses.end());
    }
}

TEST_F(PlayerViewTest, AudioOnlyFileFailsAsPictureThenBecomesReady)
{
    auto *noVideo = new QWidget;
    noVideo->resize(40, 20);
    view.setNoVideoView(noVideo);
    ASSERT_TRUE(openAndWait(view, clips().audioOnly));
    ASSERT_TRUE(waitForReport(reports, DrovikAVView::StatusReadyToPlay));
    const auto seven = std::find(reports.statuses.begin(), reports.statuses.end(), 7);
    ASSERT_NE(seven, reports.statuses.end());
    EXPECT_NE(std::find(seven, reports.statuses.end(), 2), reports.statuses.end())
        << "7 comes before 2";
    EXPECT_TRUE(view.hasMovie());
    EXPECT_TRUE(noVideo->isVisible());
    EXPECT_NEAR(view.duration(), 3.0, 0.1);
    EXPECT_TRUE(view.snapshot().isNull()) << "no picture to take";
}

TEST_F(PlayerViewTest, StatusesOfAClipAndItsDuration)
{
    view.setFileName(clips().pattern);
    EXPECT_EQ(view.duration(), 0.0) << "no duration before the clip is ready";
    ASSERT_TRUE(waitForReport(reports, DrovikAVView::StatusReadyToPlay));
    EXPECT_EQ(reports.statuses, (std::vector<int>{0, 1, 6, 2}));
    EXPECT_TRUE(view.hasMovie());
    EXPECT_NEAR(view.duration(), 15.0, 0.1);
    EXPECT_EQ(view.fileName(), clips().pattern);
    EXPECT_EQ(view.fileURL(), QUrl::fromLocalFile(clips().pattern));
}

TEST_F(PlayerViewTest, SeeksLandExactlyOnTheNearestWholeSecond)
{
    ASSERT_TRUE(openAndWait(view, clips().pattern));
    const struct {
        double asked;
        double landed;
    } cases[] = {{12.4, 12.0}, {12.6, 13.0}, {0.49, 0.0}, {7.5, 8.0}, {-3.0, 0.0}, {1.0, 1.0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.asked);
        EXPECT_NEAR(seekAndWait(view, reports, c.asked), c.landed, 1e-3);
        EXPECT_NEAR(view.currentTime(), c.landed, 1e-3);
    }
    // Not a number: ignored, so a frame step that follows it starts from 1 s.
    view.setCurrentTime(std::nan(""));
    view.stepForward();
    EXPECT_TRUE(waitUntil([&] { return std::abs(view.currentTime() - (1.0 + 1.0 / 30)) < 1e-3; }))
        << view.currentTime();
}

TEST_F(PlayerViewTest, FrameStepForwardThenBackReturnsToTheSameFrame)
{
    ASSERT_TRUE(openAndWait(view, clips().pattern));
    ASSERT_NEAR(seekAndWait(view, reports, 2.0), 2.0, 1e-3);
    const QImage before = view.snapshot();
    ASSERT_FALSE(before.isNull());

    view.stepForward();
    QImage after;
    ASSERT_TRUE(waitUntil([&] {
        after = view.snapshot();
        return meanDifference(after, before) > 0.5;
    })) << "a step forward shows another frame";
    EXPECT_TRUE(waitUntil([&] { return std::abs(view.currentTime() - (2.0 + 1.0 / 30)) < 1e-3; }))
        << view.currentTime();

    view.stepBackward();
    EXPECT_TRUE(waitUntil([&] { return meanDifference(view.snapshot(), before) == 0.0; }))
        << "a step back shows the first frame again";
    EXPECT_TRUE(waitUntil([&] { return std::abs(view.currentTime() - 2.0) < 1e-3; }))
        << view.currentTime();
    EXPECT_EQ(view.rate(), 0.0) << "stepping leaves the player paused";
}

TEST_F(PlayerViewTest, SnapshotHasTheNaturalSizeAndShowsThePicture)
{
    EXPECT_TRUE(view.snapshot().isNull()) << "no clip, no picture";
    const struct {
        QString path;
        QSize size;
    } cases[] = {{clips().pattern, {320, 180}}, {clips().wide, {640, 180}}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        ASSERT_TRUE(openAndWait(view, c.path));
        ASSERT_NEAR(seekAndWait(view, reports, 1.0), 1.0, 1e-3);
        const QImage shot = view.snapshot();
        EXPECT_EQ(shot.size(), c.size);
        EXPECT_GT(litFraction(shot), 0.9);
    }
}

TEST_F(PlayerViewTest, PlayAtTheEndStartsAgainFromZero)
{
    ASSERT_TRUE(openAndWait(view, clips().shortClip));
    // Played into the end, and sought to the end while paused: both count as the end.
    const std::function<void()> reachEnd[] = {
        [&] {
            ASSERT_NEAR(seekAndWait(view, reports, 1.0), 1.0, 1e-3);
            view.play();
            ASSERT_TRUE(waitUntil([&] { return reports.ends == 1; })) << "the end is reported";
            EXPECT_TRUE(waitUntil([&] { return view.rate() == 0.0; })) << "and the player stops";
        },
        [&] { EXPECT_NEAR(seekAndWait(view, reports, 2.0), 2.0, 0.05); },
    };
    for (const auto &toTheEnd : reachEnd) {
        view.pause();
        reports.ends = 0;
        toTheEnd();
        reports.times.clear();
        view.play();
        EXPECT_EQ(view.rate(), 1.0);
        ASSERT_TRUE(waitUntil([&] {
            return std::any_of(reports.times.begin(), reports.times.end(),
                               [](double t) { return t > 0.2 && t < 1.5; });
        })) << "plays again from the start";
        EXPECT_LT(reports.times.front(), 0.1) << "the first report is at the start";
    }
}

TEST_F(PlayerViewTest, RateFollowsTheTransportOperations)
{
    ASSERT_TRUE(openAndWait(view, clips().pattern));
    const struct {
        void (DrovikAVView::*operation)();
        double rate;
    } steps[] = {
        {&DrovikAVView::play, 1.0},          {&DrovikAVView::pause, 0.0},
        {&DrovikAVView::fastForward, 2.0},   {&DrovikAVView::fastForward, 4.0},
        {&DrovikAVView::playPauseToggle, 1.0}, {&DrovikAVView::playPauseToggle, 0.0},
    };
    int index = 0;
    for (const auto &step : steps) {
        SCOPED_TRACE(index++);
        (view.*step.operation)();
        EXPECT_EQ(view.rate(), step.rate);
        ASSERT_FALSE(reports.rates.empty());
        EXPECT_EQ(reports.rates.back(), step.rate);
    }
}

TEST_F(PlayerViewTest, RewindPlaysBackwards)
{
    ASSERT_TRUE(openAndWait(view, clips().pattern));
    ASSERT_NEAR(seekAndWait(view, reports, 6.0), 6.0, 1e-3);
    view.rewind();
    EXPECT_EQ(view.rate(), -2.0);
    EXPECT_TRUE(waitUntil([&] { return view.currentTime() < 5.0; })) << view.currentTime();
    view.play();
    EXPECT_EQ(view.rate(), 1.0);
    const double from = view.currentTime();
    EXPECT_TRUE(waitUntil([&] { return view.currentTime() > from + 0.3; })) << "forwards again";
}

TEST_F(PlayerViewTest, VolumeIsAFractionAndStaysInRange)
{
    EXPECT_EQ(view.volume(), 0.0f) << "no player";
    ASSERT_TRUE(openAndWait(view, clips().pattern));
    const struct {
        float set;
        float read;
    } cases[] = {{0.5f, 0.5f}, {0.0f, 0.0f}, {1.0f, 1.0f}, {1.7f, 1.0f}, {-0.2f, 0.0f}};
    for (const auto &c : cases) {
        view.setVolume(c.set);
        EXPECT_FLOAT_EQ(view.volume(), c.read) << c.set;
    }
}

TEST(PlayerSurfaceSize, SoftwarePicturesAreNeverMadeLargerThanTheVideo)
{
    const struct {
        QSize target, video, expected;
    } cases[] = {
        {{320, 180}, {1920, 1080}, {320, 180}},
        {{3840, 2160}, {1920, 1080}, {1920, 1080}},
        {{4000, 1000}, {1920, 1080}, {4000, 1000}},
        {{1280, 1440}, {320, 180}, {320, 360}},
        {{640, 360}, {}, {640, 360}},
        {{0, 0}, {1920, 1080}, {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(softwareRenderSize(c.target, c.video), c.expected) << c.target.width();
}

} // namespace
} // namespace drovik::test
