// The seek and volume bars and the hover-reporting slider, driven by simulated mouse events.
#include "widgets/mouse_event_slider.h"
#include "display/slider_views.h"
#include "display_test_util.h"

#include <QDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace drovik;

namespace {

// A delegate that writes down every callback it receives.
class SeekDelegate : public QObject {
    Q_OBJECT
public:
    QStringList calls;
    QList<double> values;
public slots:
    void seekTimeSliderTouchedDown(double v) { record(QStringLiteral("down"), v); }
    void seekTimeSliderDragged(double v) { record(QStringLiteral("dragged"), v); }
    void seekTimeSliderTouchedUp(double v) { record(QStringLiteral("up"), v); }

private:
    void record(const QString &name, double v)
    {
        calls << name;
        values << v;
    }
};

// Implements only the release, as the playback controller's seeking needs.
class ReleaseOnlyDelegate : public QObject {
    Q_OBJECT
public:
    QList<double> released;
public slots:
    void seekTimeSliderTouchedUp(double v) { released << v; }
};

class VolumeDelegate : public QObject {
    Q_OBJECT
public:
    QList<float> volumes;
public slots:
    void volumeChanged(float v) { volumes << v; }
};

class DoubleVolumeDelegate : public QObject {
    Q_OBJECT
public:
    QList<double> volumes;
public slots:
    void volumeChanged(double v) { volumes << v; }
};

class HoverDelegate : public QObject {
    Q_OBJECT
public:
    QStringList calls;
public slots:
    void sliderTouchedDown(QObject *slider) { calls << QStringLiteral("down:") + slider->objectName(); }
    void sliderTouchedUp(QObject *slider) { calls << QStringLiteral("up:") + slider->objectName(); }
};

constexpr int kRowY = 16;

void press(QWidget *w, int x) { QTest::mousePress(w, Qt::LeftButton, {}, QPoint(x, kRowY)); }
void release(QWidget *w, int x) { QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(x, kRowY)); }
void drag(QWidget *w, int x) { QTest::mouseMove(w, QPoint(x, kRowY)); }

// The bar of the examples: 300 wide, a knob 10 wide (half width 5), a track of 290.
struct SeekBar : ::testing::Test {
    QWidget window;
    SeekTimeSliderView *bar = new SeekTimeSliderView(&window);
    SeekDelegate delegate;

    void SetUp() override
    {
        window.resize(400, 60);
        bar->setGeometry(40, 10, 300, 33);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        bar->setDelegate(&delegate);
        bar->setMaxSliderValue(580);
    }
};

TEST_F(SeekBar, TrackGeometry)
{
    EXPECT_DOUBLE_EQ(bar->track().sliderHalfWidth, 5);
    EXPECT_DOUBLE_EQ(bar->track().minSliderXPt, 5);
    EXPECT_DOUBLE_EQ(bar->track().maxSliderXPt, 295);
    EXPECT_DOUBLE_EQ(bar->track().sliderLength, 290);
    EXPECT_EQ(bar->knobFrame().size(), QSizeF(10, 33));
}

TEST_F(SeekBar, PointerPositionToValue)
{
    struct Case { int x; double value; };
    const Case cases[] = {{5, 0}, {0, 0}, {150, 145.0 / 290 * 580}, {295, 580}, {298, 580}, {-20, 0}};
    for (const Case &c : cases) {
        delegate.calls.clear();
        delegate.values.clear();
        press(bar, c.x);
        release(bar, c.x);
        EXPECT_EQ(delegate.calls, (QStringList{QStringLiteral("down"), QStringLiteral("up")})) << c.x;
        ASSERT_EQ(delegate.values.size(), 2);
        EXPECT_DOUBLE_EQ(delegate.values[0], c.value) << "x " << c.x;
        EXPECT_DOUBLE_EQ(delegate.values[1], c.value) << "x " << c.x;
        EXPECT_DOUBLE_EQ(bar->currentSliderValue(), c.value) << "x " << c.x;
    }
}

TEST_F(SeekBar, KnobFollowsThePointerAndStaysThereWhileHeld)
{
    press(bar, 150);
    EXPECT_TRUE(bar->isSliderTouching());
    EXPECT_DOUBLE_EQ(bar->knobFrame().x(), 145) << "knob centred under the pointer";
    drag(bar, 200);
    EXPECT_DOUBLE_EQ(bar->knobFrame().x(), 195);
    EXPECT_DOUBLE_EQ(bar->currentSliderValue(), 195.0 / 290 * 580);

    // The play timer keeps setting the playing time; the value changes, the knob does not.
    bar->setCurrentSliderValue(10);
    EXPECT_DOUBLE_EQ(bar->currentSliderValue(), 10);
    EXPECT_DOUBLE_EQ(bar->knobFrame().x(), 195);

    release(bar, 250);
    EXPECT_FALSE(bar->isSliderTouching());
    EXPECT_DOUBLE_EQ(bar->currentSliderValue(), 245.0 / 290 * 580);
    EXPECT_DOUBLE_EQ(bar->knobFrame().x(), 195) << "the release reports but does not move the knob";
    EXPECT_EQ(delegate.calls, (QStringList{QStringLiteral("down"), QStringLiteral("dragged"),
                                           QStringLiteral("up")}));

    bar->setCurrentSliderValue(290);
    EXPECT_DOUBLE_EQ(bar->knobFrame().x(), 145) << "after the release the timer moves it again";
}

TEST_F(SeekBar, ValuesAboveTheMaximumAndBelowZero)
{
    bar->setCurrentSliderValue(1000);
    EXPECT_DOUBLE_EQ(bar->currentSliderValue(), 580);
    EXPECT_DOUBLE_EQ(bar->knobFrame().x(), 290) << "right end: centre at 295";
    bar->setCurrentSliderValue(-7);
    EXPECT_DOUBLE_EQ(bar->currentSliderValue(), -7) << "negative values are kept";
    EXPECT_DOUBLE_EQ(bar->knobFrame().x(), 0) << "but the knob stops at the left end";
}

TEST_F(SeekBar, NoMaximumYet)
{
    bar->setMaxSliderValue(580);
    bar->setCurrentSliderValue(290);
    bar->setMaxSliderValue(0);
    bar->setCurrentSliderValue(5);
    EXPECT_DOUBLE_EQ(bar->currentSliderValue(), 0);
    EXPECT_DOUBLE_EQ(bar->knobFrame().x(), 145) << "the knob stays where it was";
    bar->setMaxSliderValue(std::numeric_limits<double>::quiet_NaN());
    bar->setCurrentSliderValue(std::numeric_limits<double>::quiet_NaN());
    EXPECT_DOUBLE_EQ(bar->knobFrame().x(), 145) << "nor does a duration that is not a number move it";
}

TEST_F(SeekBar, DisabledBarIgnoresTheMouse)
{
    bar->setEnabled(false);
    press(bar, 150);
    drag(bar, 200);
    release(bar, 200);
    EXPECT_TRUE(delegate.calls.isEmpty());
    EXPECT_FALSE(bar->isSliderTouching());
    EXPECT_DOUBLE_EQ(bar->currentSliderValue(), 0);
}

TEST_F(SeekBar, DisablingDuringADragLetsTheTimerMoveTheKnobAgain)
{
    press(bar, 150);
    ASSERT_TRUE(bar->isSliderTouching());
    bar->setEnabled(false);
    release(bar, 150);
    EXPECT_EQ(delegate.calls, QStringList{QStringLiteral("down")}) << "no release while disabled";
    EXPECT_FALSE(bar->isSliderTouching());
    bar->setEnabled(true);
    bar->setCurrentSliderValue(580);
    EXPECT_DOUBLE_EQ(bar->knobFrame().x(), 290);
}

TEST_F(SeekBar, DelegateWithOnlySomeCallbacks)
{
    ReleaseOnlyDelegate partial;
    bar->setDelegate(&partial);
    press(bar, 150);
    drag(bar, 160);
    release(bar, 160);
    EXPECT_EQ(partial.released, QList<double>{155.0 / 290 * 580});
    {
        SeekDelegate shortLived;
        bar->setDelegate(&shortLived);
    }
    press(bar, 150); // a delegate that is gone receives nothing and breaks nothing
    release(bar, 150);
    EXPECT_EQ(bar->delegate(), nullptr);
}

TEST(SeekBarBeforeShown, UsesTheWidthItWasGiven)
{
    // The main window sets the geometry and the playing time before the window is shown.
    QWidget window;
    SeekTimeSliderView bar(&window);
    bar.setGeometry(0, 0, 300, 33);
    bar.setMaxSliderValue(60);
    bar.setCurrentSliderValue(60);
    EXPECT_DOUBLE_EQ(bar.knobFrame().x(), 290);
}

TEST_F(SeekBar, ResizeMovesTheRightEnd)
{
    bar->setCurrentSliderValue(580);
    bar->resize(500, 33);
    EXPECT_DOUBLE_EQ(bar->track().maxSliderXPt, 495);
    EXPECT_DOUBLE_EQ(bar->knobFrame().x(), 490);
    press(bar, 250);
    EXPECT_DOUBLE_EQ(bar->currentSliderValue(), 245.0 / 490 * 580);
}

struct VolumeBar : ::testing::Test {
    QWidget window;
    VolumeSliderView *bar = new VolumeSliderView(&window);
    VolumeDelegate delegate;

    void SetUp() override
    {
        window.resize(200, 40);
        bar->setGeometry(30, 10, 100, 8);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        bar->setDelegate(&delegate);
    }
};

TEST_F(VolumeBar, StartsFullAndUnmuted)
{
    EXPECT_FLOAT_EQ(bar->volume(), 1.0f);
    EXPECT_FALSE(bar->isMuted());
    EXPECT_DOUBLE_EQ(bar->gaugeWidth(), 100);
}

TEST_F(VolumeBar, PressAndDragSetTheVolumeFromThePointer)
{
    struct Case { int x; float volume; double gauge; };
    const Case cases[] = {{150, 1.0f, 100}, {-3, 0.0f, 0}, {25, 0.25f, 25}, {100, 1.0f, 100}, {0, 0.0f, 0}};
    for (const Case &c : cases) {
        delegate.volumes.clear();
        QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(c.x, 4));
        EXPECT_FLOAT_EQ(bar->volume(), c.volume) << c.x;
        EXPECT_DOUBLE_EQ(bar->gaugeWidth(), c.gauge) << c.x;
        EXPECT_EQ(delegate.volumes, QList<float>{c.volume}) << c.x;
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(c.x, 4));
    }
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(10, 4));
    QTest::mouseMove(bar, QPoint(70, 4));
    EXPECT_FLOAT_EQ(bar->volume(), 0.7f);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(70, 4));
    EXPECT_EQ(delegate.volumes.size(), 3) << "release reports nothing";
}

TEST_F(VolumeBar, SetVolumeLimitsAndReportsNothing)
{
    bar->setVolume(1.7f);
    EXPECT_FLOAT_EQ(bar->volume(), 1.0f);
    bar->setVolume(-0.2f);
    EXPECT_FLOAT_EQ(bar->volume(), 0.0f);
    bar->setVolume(std::numeric_limits<float>::quiet_NaN());
    EXPECT_FLOAT_EQ(bar->volume(), 0.0f);
    bar->setVolume(0.4f);
    EXPECT_DOUBLE_EQ(bar->gaugeWidth(), double(0.4f) * 100);
    EXPECT_TRUE(delegate.volumes.isEmpty());
}

TEST_F(VolumeBar, MuteThenUnmuteRestores)
{
    bar->setVolume(0.6f);
    bar->setIsMuted(true);
    EXPECT_TRUE(bar->isMuted());
    EXPECT_FLOAT_EQ(bar->volume(), 0.0f);
    bar->setIsMuted(false);
    EXPECT_FALSE(bar->isMuted());
    EXPECT_FLOAT_EQ(bar->volume(), 0.6f);
    EXPECT_EQ(delegate.volumes, (QList<float>{0.0f, 0.6f}));
}

TEST_F(VolumeBar, UnmuteWithoutMuteSilences)
{
    bar->setIsMuted(false);
    EXPECT_FLOAT_EQ(bar->volume(), 0.0f);
    EXPECT_EQ(delegate.volumes, QList<float>{0.0f});
}

TEST_F(VolumeBar, DisabledIgnoresTheMouseButNotTheCode)
{
    bar->setEnabled(false);
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(20, 4));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(20, 4));
    EXPECT_FLOAT_EQ(bar->volume(), 1.0f);
    EXPECT_TRUE(delegate.volumes.isEmpty());
    bar->setIsMuted(true);
    EXPECT_EQ(delegate.volumes, QList<float>{0.0f});
}

TEST_F(VolumeBar, DelegateTakingDouble)
{
    DoubleVolumeDelegate other;
    bar->setDelegate(&other);
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(50, 4));
    EXPECT_EQ(other.volumes, QList<double>{0.5});
}

struct HoverSlider : ::testing::Test {
    QWidget window;
    MouseEventSlider *slider = new MouseEventSlider(Qt::Horizontal, &window);
    HoverDelegate delegate;

    void SetUp() override
    {
        window.resize(300, 80);
        slider->setObjectName(QStringLiteral("sensitivity"));
        slider->setGeometry(50, 20, 200, 24);
        slider->setRange(0, 10);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        slider->setDelegate(&delegate);
    }
};

TEST_F(HoverSlider, PressReportsUpThenDownAfterTheRelease)
{
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(190, 12));
    EXPECT_TRUE(delegate.calls.isEmpty()) << "nothing while the button is down";
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(190, 12));
    EXPECT_EQ(delegate.calls, (QStringList{QStringLiteral("up:sensitivity"),
                                           QStringLiteral("down:sensitivity")}));
    EXPECT_GT(slider->value(), 5) << "the slider's own handling still runs";
}

TEST_F(HoverSlider, EnterMoveLeave)
{
    QTest::mouseMove(&window, QPoint(10, 10));
    delegate.calls.clear();
    QTest::mouseMove(&window, QPoint(100, 30));   // onto the slider
    ASSERT_TRUE(QTest::qWaitFor([&] { return !delegate.calls.isEmpty(); }, 2000));
    QTest::mouseMove(&window, QPoint(120, 30));   // over it
    QTest::mouseMove(&window, QPoint(120, 70));   // off it
    QTest::qWait(50);
    ASSERT_GE(delegate.calls.size(), 3);
    EXPECT_TRUE(delegate.calls.first().startsWith(QStringLiteral("down:")));
    EXPECT_EQ(delegate.calls.last(), QStringLiteral("up:sensitivity"));
    EXPECT_EQ(delegate.calls.count(QStringLiteral("up:sensitivity")), 1);
}

TEST(SliderPictures, LookFinished)
{
    const QString dir = test::grabDirectory();
    if (dir.isEmpty())
        GTEST_SKIP() << "set DROVIK_DISPLAY_GRAB_DIR to look at the bars";
    QWidget panel;
    panel.setStyleSheet(QStringLiteral("background:#121417"));
    panel.resize(1000, 60);
    auto *seek = new SeekTimeSliderView(&panel);
    seek->setGeometry(10, 5, 846, 33);
    seek->setMaxSliderValue(60);
    seek->setCurrentSliderValue(22);
    auto *volume = new VolumeSliderView(&panel);
    volume->setGeometry(880, 18, 90, 8);
    volume->setVolume(0.65f);
    auto *disabled = new SeekTimeSliderView(&panel);
    disabled->setGeometry(10, 40, 300, 20);
    disabled->setEnabled(false);
    panel.grab().save(QDir(dir).filePath(QStringLiteral("sliders.png")));
}

} // namespace

#include "slider_test.moc"
