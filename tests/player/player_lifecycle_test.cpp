// Two player views exchanging players, mirroring, the mouse, and closing at awkward moments.

#include "player_test_kit.h"

#include "playback/player/drovik_av_view.h"

#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace drovik::test {
namespace {

using PlayerLifecycleTest = TwoViewTest;

TEST_F(PlayerLifecycleTest, SwapKeepsEachPlayersPositionVolumeAndPicture)
{
    ASSERT_TRUE(openAndWait(*left, clips().pattern));
    ASSERT_TRUE(openAndWait(*right, clips().blue));
    ASSERT_NEAR(seekAndWait(*left, leftReports, 3.0), 3.0, 1e-3);
    ASSERT_NEAR(seekAndWait(*right, rightReports, 8.0), 8.0, 1e-3);
    left->setVolume(0.7f);
    right->setVolume(0.0f);
    left->setUpsideDown(true);
    left->setLeftsideRight(true);
    ASSERT_GT(blueFraction(shownPicture(right)), 0.9);

    left->swapPlayerItemWith(right);

    EXPECT_EQ(left->fileName(), clips().blue);
    EXPECT_EQ(right->fileName(), clips().pattern);
    EXPECT_NEAR(left->currentTime(), 8.0, 1e-3);
    EXPECT_NEAR(right->currentTime(), 3.0, 1e-3);
    EXPECT_FLOAT_EQ(left->volume(), 0.0f);
    EXPECT_FLOAT_EQ(right->volume(), 0.7f);
    EXPECT_EQ(left->status(), DrovikAVView::StatusReadyToPlay);
    EXPECT_TRUE(left->upsideDown()) << "stays with the view";
    EXPECT_FALSE(left->leftsideRight()) << "exchanged";
    EXPECT_TRUE(right->leftsideRight());
    EXPECT_GT(blueFraction(shownPicture(left)), 0.9) << "the blue picture moved left";
    EXPECT_TRUE(waitUntil([&] { return blueFraction(right->grab().toImage()) < 0.5; }));

    // Reports keep coming from both views, each naming the view that now holds the player.
    leftReports = {};
    rightReports = {};
    left->play();
    right->play();
    ASSERT_TRUE(waitUntil([&] { return leftReports.times.size() > 3 && rightReports.times.size() > 3; }));
    EXPECT_GT(leftReports.times.back(), 8.0);
    EXPECT_GT(rightReports.times.back(), 3.0);
    EXPECT_LT(rightReports.times.back(), 8.0);
    for (auto *reporter : leftReports.reporters)
        EXPECT_EQ(reporter, left);
    left->setCurrentTime(12.0);
    EXPECT_TRUE(waitUntil([&] { return leftReports.ends == 1; })) << "the end comes from the left";
    EXPECT_EQ(rightReports.ends, 0);
}

TEST_F(PlayerLifecycleTest, SwapWithAnEmptyViewMovesThePlayerAcross)
{
    ASSERT_TRUE(openAndWait(*left, clips().pattern));
    left->swapPlayerItemWith(right);
    EXPECT_EQ(left->status(), DrovikAVView::StatusNoClip);
    EXPECT_FALSE(left->hasMovie());
    EXPECT_TRUE(left->snapshot().isNull());
    EXPECT_EQ(right->status(), DrovikAVView::StatusReadyToPlay);
    EXPECT_EQ(right->snapshot().size(), QSize(320, 180));
    left->swapPlayerItemWith(left);
    left->swapPlayerItemWith(nullptr);
    left->close();
    right->close();
    EXPECT_FALSE(right->hasMovie());
}

TEST_F(PlayerLifecycleTest, MirroringFlipsThePictureButNotTheSnapshot)
{
    ASSERT_TRUE(openAndWait(*left, clips().pattern));
    ASSERT_NEAR(seekAndWait(*left, leftReports, 4.0), 4.0, 1e-3);
    const QImage shot = left->snapshot();
    const QImage upright = shownPicture(left);
    const struct {
        bool upsideDown, leftsideRight;
    } cases[] = {{true, false}, {false, true}, {true, true}, {false, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.upsideDown * 2 + c.leftsideRight);
        left->setUpsideDown(c.upsideDown);
        left->setLeftsideRight(c.leftsideRight);
        const QImage expected = upright.mirrored(c.leftsideRight, c.upsideDown);
        EXPECT_TRUE(waitUntil([&] { return meanDifference(left->grab().toImage(), expected) < 3.0; }, 3000));
        EXPECT_EQ(meanDifference(left->snapshot(), shot), 0.0);
    }
}

TEST_F(PlayerLifecycleTest, RightButtonReleaseAsksForFullScreen)
{
    const struct {
        Qt::MouseButton button;
        int requests;
    } cases[] = {{Qt::RightButton, 1}, {Qt::LeftButton, 0}, {Qt::MiddleButton, 0}};
    for (const auto &c : cases) {
        leftReports.fullscreenRequests = 0;
        QTest::mouseClick(left, c.button, {}, QPoint(100, 100));
        EXPECT_EQ(leftReports.fullscreenRequests, c.requests) << c.button;
    }
}

// Closing must be harmless whatever the player is doing, including from inside a report.
TEST_F(PlayerLifecycleTest, CloseAndResetAreSafeAtAnyTime)
{
    const struct {
        const char *name;
        std::function<void(DrovikAVView *, Reports &)> run;
    } cases[] = {
        {"never opened", [](DrovikAVView *v, Reports &) { v->close(); }},
        {"while loading",
         [](DrovikAVView *v, Reports &) {
             v->setFileName(clips().pattern);
             v->close();
         }},
        {"opened twice at once",
         [](DrovikAVView *v, Reports &) {
             v->setFileName(clips().pattern);
             v->setFileName(clips().blue);
             ASSERT_TRUE(waitUntil([&] { return v->status() == 2; }));
             EXPECT_EQ(v->fileName(), clips().blue);
             v->reset();
         }},
        {"while playing",
         [](DrovikAVView *v, Reports &r) {
             ASSERT_TRUE(openAndWait(*v, clips().pattern));
             v->play();
             ASSERT_TRUE(waitUntil([&] { return !r.times.empty() && r.times.back() > 0.2; }));
             v->close();
         }},
        {"from the ready report",
         [](DrovikAVView *v, Reports &r) {
             r.onStatus = [](DrovikAVView *view, int status) {
                 if (status == 2)
                     view->close();
             };
             v->setFileName(clips().shortClip);
             ASSERT_TRUE(waitUntil([&] { return r.statuses.size() >= 4; }));
         }},
        {"from the end report",
         [](DrovikAVView *v, Reports &r) {
             r.onEnd = [](DrovikAVView *view) { view->reset(); };
             ASSERT_TRUE(openAndWait(*v, clips().shortClip));
             v->setCurrentTime(1.0);
             v->play();
             ASSERT_TRUE(waitUntil([&] { return r.ends == 1; }));
         }},
        {"operations after close",
         [](DrovikAVView *v, Reports &) {
             v->close();
             v->play();
             v->stepForward();
             v->stepBackward();
             v->setCurrentTime(3.0);
             v->setVolume(0.5f);
             v->prepareAsset();
             ASSERT_TRUE(waitUntil([&] { return v->status() == 7; }));
             v->close();
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        leftReports = {};
        c.run(left, leftReports);
        // Closing reports status 0 last; nothing of the closed player comes after it.
        EXPECT_TRUE(waitForReport(leftReports, DrovikAVView::StatusNoClip));
        leftReports.onStatus = nullptr;
        leftReports.onEnd = nullptr;
        EXPECT_EQ(left->status(), DrovikAVView::StatusNoClip);
        EXPECT_FALSE(left->hasMovie());
        EXPECT_TRUE(left->fileName().isEmpty());
        EXPECT_EQ(left->duration(), 0.0);
    }
}

// A view keeps its player from clip to clip: nothing of the clip before (its length, its
// position, its end, its sound-only state) may be taken for the next one's.
TEST_F(PlayerLifecycleTest, NextClipInheritsNothingFromThePlayerBefore)
{
    ASSERT_TRUE(openAndWait(*left, clips().pattern));
    left->setCurrentTime(14.0);
    left->play();
    ASSERT_TRUE(waitUntil([&] { return leftReports.ends == 1; }));
    const struct {
        const QString &path;
        double duration;
        bool picture;
    } next[] = {{clips().blue, 12.0, true}, {clips().audioOnly, 3.0, false}, {clips().shortClip, 2.0, true}};
    for (const auto &clip : next) {
        SCOPED_TRACE(clip.path.toStdString());
        leftReports = {};
        left->setFileName(clip.path);
        ASSERT_TRUE(waitUntil([&] { return left->status() == DrovikAVView::StatusReadyToPlay
                                           || left->duration() > 0.0; }));
        ASSERT_TRUE(waitUntil([&] { return left->duration() > 0.0; }));
        EXPECT_NEAR(left->duration(), clip.duration, 0.2);
        EXPECT_LT(left->currentTime(), 0.5);
        EXPECT_EQ(leftReports.ends, 0);
        EXPECT_EQ(left->snapshot().isNull(), !clip.picture);
    }
}

// A view destroyed while it loads or plays takes its player and its pending reports with it and
// leaves the other views working.
TEST_F(PlayerLifecycleTest, DestroyingAViewWhileItLoadsOrPlays)
{
    const std::function<bool(DrovikAVView &, Reports &)> reach[] = {
        [](DrovikAVView &, Reports &) { return true; },
        [](DrovikAVView &, Reports &r) { return waitForReport(r, DrovikAVView::StatusLoading); },
        [](DrovikAVView &v, Reports &r) {
            if (!waitForReport(r, DrovikAVView::StatusReadyToPlay))
                return false;
            v.play();
            return waitUntil([&] { return !r.times.empty() && r.times.back() > 0.2; });
        },
    };
    for (const auto &state : reach) {
        Reports reports;
        auto view = std::make_unique<DrovikAVView>(&window);
        reports.listenTo(view.get());
        view->resize(160, 90);
        view->show();
        view->setFileName(clips().pattern);
        ASSERT_TRUE(state(*view, reports));
        view.reset();
    }
    EXPECT_TRUE(openAndWait(*left, clips().shortClip));
    left->play();
    EXPECT_TRUE(waitUntil([&] { return leftReports.ends == 1; }));
}

} // namespace
} // namespace drovik::test
