// The OpenGL drawing surface under a virtual X server: it draws the video, mirrors it, keeps
// drawing after two views exchange players and after the view moves to another window.

#include "player_test_kit.h"

#include "playback/player/drovik_av_view.h"

#include <QScrollArea>
#include <QTest>

#include <gtest/gtest.h>

namespace drovik::test {
namespace {

class PlayerGlTest : public TwoViewTest {
protected:
    void SetUp() override
    {
        TwoViewTest::SetUp();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
};

TEST_F(PlayerGlTest, OpenGLSurfaceDrawsAndMirrorsTheVideo)
{
    ASSERT_TRUE(openAndWait(*left, clips().pattern));
    EXPECT_TRUE(left->usesOpenGL());
    ASSERT_NEAR(seekAndWait(*left, leftReports, 4.0), 4.0, 1e-3);
    const QImage upright = shownPicture(left);
    ASSERT_GT(litFraction(upright), 0.5) << "the frame is drawn";
    EXPECT_EQ(upright.size(), QSize(320, 180));
    // The drawn picture is the decoded frame (the snapshot), the right way up.
    EXPECT_LT(meanDifference(upright, left->snapshot()), 12.0);
    const struct {
        bool upsideDown, leftsideRight;
    } cases[] = {{true, false}, {false, true}, {true, true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.upsideDown * 2 + c.leftsideRight);
        left->setUpsideDown(c.upsideDown);
        left->setLeftsideRight(c.leftsideRight);
        const QImage expected = upright.mirrored(c.leftsideRight, c.upsideDown);
        EXPECT_TRUE(waitUntil([&] { return meanDifference(left->grab().toImage(), expected) < 3.0; }, 3000));
    }
}

TEST_F(PlayerGlTest, PicturesTravelWithSwappedPlayers)
{
    ASSERT_TRUE(openAndWait(*left, clips().pattern));
    ASSERT_TRUE(openAndWait(*right, clips().blue));
    ASSERT_GT(blueFraction(shownPicture(right)), 0.9);
    left->swapPlayerItemWith(right);
    EXPECT_GT(blueFraction(shownPicture(left)), 0.9);
    left->play();
    right->play();
    EXPECT_TRUE(waitUntil([&] { return leftReports.times.size() > 3 && rightReports.times.size() > 3; }));
}

TEST_F(PlayerGlTest, AHiddenViewStillOpensItsClipAndDrawsItWhenShown)
{
    right->hide();
    ASSERT_TRUE(openAndWait(*right, clips().blue)) << "does not wait to be shown";
    EXPECT_FALSE(right->usesOpenGL());
    right->play();
    EXPECT_TRUE(waitUntil([&] { return rightReports.times.size() > 3; })) << "plays while hidden";
    right->show();
    EXPECT_GT(blueFraction(shownPicture(right)), 0.9);
    // The next clip, opened while shown, is drawn with OpenGL again.
    ASSERT_TRUE(openAndWait(*right, clips().pattern));
    EXPECT_TRUE(right->usesOpenGL());
}

TEST_F(PlayerGlTest, DrawsZoomedInsideAScrollArea)
{
    // The large view sits in a scroll area and is zoomed by making it larger than the area.
    QScrollArea area;
    area.resize(320, 180);
    area.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *zoomed = new DrovikAVView;
    zoomed->resize(640, 360);
    area.setWidget(zoomed);
    area.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&area));
    ASSERT_TRUE(openAndWait(*zoomed, clips().blue));
    EXPECT_TRUE(zoomed->usesOpenGL());
    area.ensureVisible(320, 180, 160, 90);
    QImage shown;
    EXPECT_TRUE(waitUntil([&] {
        shown = area.viewport()->grab().toImage();
        return blueFraction(shown) > 0.9;
    }, 8000)) << blueFraction(shown);
    zoomed->close();
}

TEST_F(PlayerGlTest, KeepsDrawingInAnotherWindow)
{
    ASSERT_TRUE(openAndWait(*left, clips().pattern));
    ASSERT_NEAR(seekAndWait(*left, leftReports, 2.0), 2.0, 1e-3);
    ASSERT_GT(litFraction(shownPicture(left)), 0.5);
    // As full screen does: the view moves into a window of its own, and back.
    QWidget other;
    other.resize(320, 180);
    left->setParent(&other);
    left->setGeometry(0, 0, 320, 180);
    left->show();
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    left->play();
    EXPECT_TRUE(waitUntil([&] { return !leftReports.times.empty() && leftReports.times.back() > 2.5; }));
    left->pause();
    EXPECT_GT(litFraction(shownPicture(left)), 0.5) << "drawn in the new window";
    left->setParent(&window);
    left->setGeometry(0, 0, 320, 180);
    left->show();
    EXPECT_GT(litFraction(shownPicture(left)), 0.5) << "and back";
}

} // namespace
} // namespace drovik::test
