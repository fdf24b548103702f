// The playback speed: its control and keys, a front and rear pair kept on one frame while it
// plays faster or slower (the real ffmpeg and mpv, offscreen, no sound), and the speed kept
// from clip to clip.
#include "playing_window.h"
#include "app/main_window.h"
#include "app/main_window_ui.h"
#include "playback/playback_controller.h"
#include "playback/playback_speed.h"
#include "playback/player/drovik_av_view.h"
#include "playback/player/mpv_controller.h"
#include "programs.h"

#include <QMenu>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace drovik;

namespace {

constexpr double kFrame = 1.0 / 25;

// A pair of 320×180, 25 fps clips with sound, `seconds` long.
bool makePair(const test::TempFolder &clips, const QString &name, int seconds)
{
    const QString front = clips.path(name + QStringLiteral("_F.mp4"));
    const bool made = test::ffmpeg(
        test::words(QStringLiteral("-f lavfi -i testsrc2=size=320x180:rate=25:duration=%1 -f lavfi "
                                   "-i sine=frequency=440:sample_rate=44100:duration=%1")
                        .arg(seconds))
        + test::h264() + test::words(QStringLiteral("-c:a aac -shortest")) + QStringList{front});
    return made && QFile::copy(front, clips.path(name + QStringLiteral("_R.mp4")));
}

class PlaybackSpeedTest : public test::PlayingWindowTest {
protected:
    PlaybackController &playback() const { return *controller->playback(); }
    DrovikAVView &big() const { return *controller->bigMovieView(); }
    DrovikAVView &small() const { return *controller->smallMovieView(); }

    bool listAndPlayPair()
    {
        controller->fileList().refreshVideoFileListWithURL(QUrl::fromLocalFile(clips.root()));
        if (!test::WindowServices::waitForList(*controller))
            return false;
        playback().playVideoWithIdx(0);
        return bothPlaying(1.0);
    }

    bool bothPlaying(double speed) const
    {
        return QTest::qWaitFor([&] {
            return !playback().isPreparing() && playback().isDisplayTimerRunning() && big().rate() == speed
                   && small().rate() == speed;
        }, 20000);
    }

    // How far the small view's frame is from the large one's, in frames.
    double gapInFrames() const { return std::abs(big().currentTime() - small().currentTime()) / kFrame; }
};

// ] and [ step through the speeds and stop at the ends, Backspace goes back to 1×, and a speed
// from the control's menu is taken; both views and the control follow every step.
TEST_F(PlaybackSpeedTest, KeysAndMenuStepThroughTheSpeedsAndStopAtTheEnds)
{
    const MainWindowUi &ui = controller->ui();
    const QString menuPick = QStringLiteral("menu 2");
    const std::pair<QString, const char *> steps[] = {
        {QStringLiteral("]"), "1.5×"}, {QStringLiteral("]"), "2×"},    {QStringLiteral("]"), "4×"},
        {QStringLiteral("]"), "4×"},   {QStringLiteral("⌫"), "1×"},    {QStringLiteral("["), "0.5×"},
        {QStringLiteral("["), "0.25×"}, {QStringLiteral("["), "0.25×"}, {QStringLiteral("]"), "0.5×"},
        {menuPick, "2×"},              {QStringLiteral("["), "1.5×"},  {QStringLiteral("⌫"), "1×"},
    };
    EXPECT_EQ(ui.playbackSpeedButton->text(), QStringLiteral("1×"));
    int step = 0;
    for (const auto &[gesture, text] : steps) {
        if (gesture == menuPick) {
            for (QAction *action : ui.playbackSpeedButton->menu()->actions()) {
                if (action->text() == QStringLiteral("2×"))
                    action->trigger();
            }
        } else {
            const Qt::Key key = gesture == QStringLiteral("]")   ? Qt::Key_BracketRight
                                : gesture == QStringLiteral("[") ? Qt::Key_BracketLeft
                                                                 : Qt::Key_Backspace;
            QTest::keyClick(controller->window(), key);
        }
        const QString expected = QString::fromUtf8(text);
        EXPECT_EQ(ui.playbackSpeedButton->text(), expected) << "step " << step;
        EXPECT_EQ(playbackSpeedText(big().playbackSpeed()), expected) << "step " << step;
        EXPECT_EQ(small().playbackSpeed(), big().playbackSpeed()) << "step " << step;
        QStringList ticked;
        for (QAction *action : ui.playbackSpeedButton->menu()->actions()) {
            if (action->isChecked())
                ticked << action->text();
        }
        EXPECT_EQ(ticked, QStringList{expected}) << "the menu ticks the shown speed, step " << step;
        ++step;
    }
}

// At 2× and 0.5× both views play at that speed, and a rear view knocked off comes back onto the
// front view's frame: by a trim of its speed the right way from a fraction of a second off (slower
// when ahead, faster when behind), by a seek from seconds off (trimming alone would take twelve
// seconds at 0.5×). How long that takes and how steadily they stay together is measured in
// bench/playback.
TEST_F(PlaybackSpeedTest, TheRearViewComesBackOntoTheFrontViewsFrame)
{
    ASSERT_TRUE(makePair(clips, QStringLiteral("a"), 20));
    ASSERT_TRUE(listAndPlayPair());
    enum class Mend { Slower, Faster, Seek };
    const struct {
        double speed;
        double knock;
        Mend mend;
    } cases[] = {{2.0, 0.4, Mend::Slower}, {2.0, -0.4, Mend::Faster}, {0.5, 3.0, Mend::Seek}};
    for (const auto &[speed, knock, mend] : cases) {
        SCOPED_TRACE(testing::Message() << speed << "x, knocked " << knock << " s");
        playback().setPlaybackSpeed(speed);
        playback().setCurrentVideoTime(1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return big().currentTime() > 1.2 && small().currentTime() > 1.2; }, 10000));
        small().setCurrentTimeExactly(small().currentTime() + knock);
        ASSERT_TRUE(QTest::qWaitFor([&] { return gapInFrames() > 5.0; }, 5000)) << "the knock landed";

        // Every trim on the way back, until the pictures are within a frame again: sampled by a
        // timer of the event loop, which runs between the sync's own however busy the loop is.
        double slowest = 1.0;
        double fastest = 1.0;
        QTimer sampler;
        QObject::connect(&sampler, &QTimer::timeout, [&] {
            slowest = std::min(slowest, small().player()->speedTrim());
            fastest = std::max(fastest, small().player()->speedTrim());
        });
        sampler.start(5);
        const bool back = QTest::qWaitFor([&] { return gapInFrames() <= 1.0 + 1e-6; }, 60000);
        sampler.stop();
        ASSERT_TRUE(back) << "the rear view came back in step";
        // A trim begun before the knock or after an overshoot is small; the one closing the
        // knock is the largest and goes toward the front view.
        if (mend == Mend::Slower) {
            EXPECT_GT(1.0 - slowest, std::max(fastest - 1.0, 0.1));
        } else if (mend == Mend::Faster) {
            EXPECT_GT(fastest - 1.0, std::max(1.0 - slowest, 0.1));
        }
        EXPECT_EQ(big().rate(), speed);
        EXPECT_EQ(small().rate(), speed) << "the catching up does not show as a rate";
        const double front = big().currentTime();
        EXPECT_TRUE(QTest::qWaitFor([&] { return big().currentTime() > front + 0.5; }, 20000)) << "it plays on";
    }
}

// The speed belongs to the session: the next clip (the players are kept from clip to clip)
// plays at it, until it is set back.
TEST_F(PlaybackSpeedTest, TheSpeedHoldsForTheNextClip)
{
    ASSERT_TRUE(makePair(clips, QStringLiteral("a"), 12));
    ASSERT_TRUE(makePair(clips, QStringLiteral("b"), 12));
    ASSERT_TRUE(listAndPlayPair());
    QTest::keyClick(controller->window(), Qt::Key_BracketRight);
    QTest::keyClick(controller->window(), Qt::Key_BracketRight);
    ASSERT_TRUE(bothPlaying(2.0));

    playback().playNextFileButtonTouched();
    ASSERT_TRUE(QTest::qWaitFor([&] { return playback().currentVideoUrl().fileName() == QStringLiteral("b_F.mp4"); }, 15000));
    ASSERT_TRUE(bothPlaying(2.0));
    EXPECT_EQ(controller->ui().playbackSpeedButton->text(), QStringLiteral("2×"));
    playback().pauseVideo();
    playback().playVideo();
    EXPECT_TRUE(bothPlaying(2.0)) << "a pause keeps it";
    QTest::keyClick(controller->window(), Qt::Key_Backspace);
    EXPECT_TRUE(bothPlaying(1.0));
}

} // namespace
