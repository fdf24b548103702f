// The seek and volume bars and the hover-reporting slider, driven by simulated mouse events.
#include "widgets/mouse_event_slider.h"
#include "display/slider_views.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace drovik;

namespace {

constexpr int kRowY = 16;

void press(QWidget *w, int x) { QTest::mousePress(w, Qt::LeftButton, {}, QPoint(x, kRowY)); }
void release(QWidget *w, int x) { QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(x, kRowY)); }
void drag(QWidget *w, int x) { QTest::mouseMove(w, QPoint(x, kRowY)); }

// The values a spy of a one-argument signal caught, in order.
QList<double> values(const QSignalSpy &spy)
{
    QList<double> caught;
    for (const QList<QVariant> &arguments : spy)
        caught << arguments.at(0).toDouble();
    return caught;
}

// The bar of the examples: 300 wide, a knob 10 wide (half width 5), a track of 290.
struct SeekBar : ::testing::Test {
    QWidget window;
    SeekTimeSliderView *bar = new SeekTimeSliderView(&window);
    QSignalSpy down{bar, &SeekTimeSliderView::seekTimeSliderTouchedDown};
    QSignalSpy dragged{bar, &SeekTimeSliderView::seekTimeSliderDragged};
    QSignalSpy up{bar, &SeekTimeSliderView::seekTimeSliderTouchedUp};

    void SetUp() override
    {
        window.resize(400, 60);
        bar->setGeometry(40, 10, 300, 33);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        bar->setMaxSliderValue(580);
    }
};

// Press and release at x: both report the value under the pointer, the knob centres on it.
TEST_F(SeekBar, PointerPositionToValueAndKnob)
{
    EXPECT_DOUBLE_EQ(bar->track().sliderLength, 290);
    EXPECT_EQ(bar->knobFrame().size(), QSizeF(10, 33));
    struct Case { int x; double value; double knob; };
    const Case cases[] = {{5, 0, 0},     {0, 0, 0},       {150, 145.0 / 290 * 580, 145}, {295, 580, 290},
                          {298, 580, 290}, {-20, 0, 0}, {100, 190, 95}};
    for (const Case &c : cases) {
        down.clear();
        up.clear();
        press(bar, c.x);
        release(bar, c.x);
        EXPECT_EQ(values(down), QList<double>{c.value}) << "x " << c.x;
        EXPECT_EQ(values(up), QList<double>{c.value}) << "x " << c.x;
        EXPECT_DOUBLE_EQ(bar->currentSliderValue(), c.value) << "x " << c.x;
        EXPECT_DOUBLE_EQ(bar->knobFrame().x(), c.knob) << "x " << c.x;
    }
    EXPECT_TRUE(dragged.isEmpty());
}

TEST_F(SeekBar, KnobFollowsThePointerAndStaysThereWhileHeld)
{
    press(bar, 150);
    EXPECT_TRUE(bar->isSliderTouching());
    drag(bar, 200);
    EXPECT_DOUBLE_EQ(bar->knobFrame().x(), 195);
    EXPECT_EQ(values(dragged), QList<double>{195.0 / 290 * 580});
    EXPECT_TRUE(up.isEmpty());

    // The play timer keeps setting the playing time; the value changes, the knob does not.
    bar->setCurrentSliderValue(10);
    EXPECT_DOUBLE_EQ(bar->currentSliderValue(), 10);
    EXPECT_DOUBLE_EQ(bar->knobFrame().x(), 195);

    release(bar, 250);
    EXPECT_FALSE(bar->isSliderTouching());
    EXPECT_EQ(values(up), QList<double>{245.0 / 290 * 580});
    EXPECT_DOUBLE_EQ(bar->knobFrame().x(), 195) << "the release reports but does not move the knob";
    EXPECT_EQ(down.size(), 1);

    bar->setCurrentSliderValue(290);
    EXPECT_DOUBLE_EQ(bar->knobFrame().x(), 145) << "after the release the timer moves it again";
}

// The playing time set by the timer, one step after the other (maximum first, then the time).
TEST_F(SeekBar, SetValuesPlaceTheKnob)
{
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double max, set, value, knob;
    } steps[] = {
        {580, 1000, 580, 290}, // above the maximum: the right end
        {580, -7, -7, 0},      // negative values are kept, but the knob stops at the left end
        {580, 290, 290, 145},
        {0, 5, 0, 145},        // no maximum yet: the knob stays where it was
        {kNaN, kNaN, kNaN, 145}, // nor does a duration that is not a number move it
    };
    for (const auto &step : steps) {
        bar->setMaxSliderValue(step.max);
        bar->setCurrentSliderValue(step.set);
        if (!std::isnan(step.value))
            EXPECT_DOUBLE_EQ(bar->currentSliderValue(), step.value) << step.set;
        EXPECT_DOUBLE_EQ(bar->knobFrame().x(), step.knob) << step.set;
    }
}

TEST_F(SeekBar, DisabledBarIgnoresTheMouseAndAReleaseAfterDisabling)
{
    press(bar, 150);
    ASSERT_TRUE(bar->isSliderTouching());
    bar->setEnabled(false);
    release(bar, 150);
    EXPECT_FALSE(bar->isSliderTouching());
    press(bar, 200);
    drag(bar, 250);
    release(bar, 250);
    EXPECT_TRUE(dragged.isEmpty() && up.isEmpty()) << "no drag or release while disabled";
    EXPECT_EQ(down.size(), 1);
    EXPECT_FALSE(bar->isSliderTouching());
    bar->setEnabled(true);
    bar->setCurrentSliderValue(580);
    EXPECT_DOUBLE_EQ(bar->knobFrame().x(), 290) << "the timer moves the knob again";
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
    EXPECT_DOUBLE_EQ(bar->knobFrame().x(), 490);
    press(bar, 250);
    EXPECT_DOUBLE_EQ(bar->currentSliderValue(), 245.0 / 490 * 580);
}

// Event marks: a tick centred where the knob's centre would stand for the value, behind the
// knob, none before the bar has a maximum, and gone when cleared.
TEST_F(SeekBar, MarksStandWhereTheirValuesAre)
{
    const QColor orange(0xff, 0x6a, 0x3d);
    const auto columnHas = [&](int x) {
        const QImage image = bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixel(x, y) == orange.rgb())
                return true;
        }
        return false;
    };
    bar->setCurrentSliderValue(0);
    bar->setMarks({{290, orange}, {580, orange}});
    EXPECT_TRUE(columnHas(150)) << "290 of 580: half way along the track, 5 + 145";
    EXPECT_TRUE(columnHas(294)) << "the maximum: the right end of the track";
    EXPECT_FALSE(columnHas(100));
    bar->setMaxSliderValue(0);
    EXPECT_FALSE(columnHas(150)) << "no maximum, no place for a mark";
    bar->setMaxSliderValue(580);
    bar->setMarks({});
    EXPECT_FALSE(columnHas(150));
}

struct VolumeBar : ::testing::Test {
    QWidget window;
    VolumeSliderView *bar = new VolumeSliderView(&window);
    QSignalSpy changed{bar, &VolumeSliderView::volumeChanged};

    void SetUp() override
    {
        window.resize(200, 40);
        bar->setGeometry(30, 10, 100, 8);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
};

TEST_F(VolumeBar, PressAndDragSetTheVolumeFromThePointer)
{
    EXPECT_FLOAT_EQ(bar->volume(), 1.0f) << "starts full";
    struct Case { int x; float volume; double gauge; };
    const Case cases[] = {{150, 1.0f, 100}, {-3, 0.0f, 0}, {25, 0.25f, 25}, {100, 1.0f, 100}, {0, 0.0f, 0}};
    for (const Case &c : cases) {
        changed.clear();
        QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(c.x, 4));
        EXPECT_FLOAT_EQ(bar->volume(), c.volume) << c.x;
        EXPECT_DOUBLE_EQ(bar->gaugeWidth(), c.gauge) << c.x;
        EXPECT_EQ(values(changed), QList<double>{c.volume}) << c.x;
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(c.x, 4));
    }
    changed.clear();
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(10, 4));
    QTest::mouseMove(bar, QPoint(70, 4));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(70, 4));
    EXPECT_EQ(values(changed), (QList<double>{0.1f, 0.7f})) << "press and drag report, release does not";
}

TEST_F(VolumeBar, SetVolumeLimitsAndReportsNothing)
{
    const std::pair<float, float> cases[] = {
        {1.7f, 1.0f}, {-0.2f, 0.0f}, {std::numeric_limits<float>::quiet_NaN(), 0.0f}, {0.4f, 0.4f}};
    for (const auto &[set, kept] : cases) {
        bar->setVolume(set);
        EXPECT_FLOAT_EQ(bar->volume(), kept) << set;
        EXPECT_DOUBLE_EQ(bar->gaugeWidth(), double(kept) * 100) << set;
    }
    EXPECT_TRUE(changed.isEmpty());
}

// Unmuting restores the volume muting kept; unmuting what was never muted silences.
TEST_F(VolumeBar, MuteAndUnmute)
{
    EXPECT_FALSE(bar->isMuted());
    bar->setIsMuted(false);
    bar->setVolume(0.6f);
    bar->setIsMuted(true);
    EXPECT_TRUE(bar->isMuted());
    EXPECT_FLOAT_EQ(bar->volume(), 0.0f);
    bar->setIsMuted(false);
    EXPECT_FALSE(bar->isMuted());
    EXPECT_FLOAT_EQ(bar->volume(), 0.6f);
    EXPECT_EQ(values(changed), (QList<double>{0.0, 0.0, 0.6f}));
}

TEST_F(VolumeBar, DisabledIgnoresTheMouseButNotTheCode)
{
    bar->setEnabled(false);
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(20, 4));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(20, 4));
    EXPECT_FLOAT_EQ(bar->volume(), 1.0f);
    EXPECT_TRUE(changed.isEmpty());
    bar->setIsMuted(true);
    EXPECT_EQ(values(changed), QList<double>{0.0});
}

struct HoverSlider : ::testing::Test {
    QWidget window;
    MouseEventSlider *slider = new MouseEventSlider(Qt::Horizontal, &window);
    QStringList calls; // "down:" or "up:" and the name of the slider reported

    void SetUp() override
    {
        window.resize(300, 80);
        slider->setObjectName(QStringLiteral("sensitivity"));
        slider->setGeometry(50, 20, 200, 24);
        slider->setRange(0, 10);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QObject::connect(slider, &MouseEventSlider::sliderTouchedDown, [this](MouseEventSlider *s) {
            calls << QStringLiteral("down:") + s->objectName();
        });
        QObject::connect(slider, &MouseEventSlider::sliderTouchedUp, [this](MouseEventSlider *s) {
            calls << QStringLiteral("up:") + s->objectName();
        });
    }
};

TEST_F(HoverSlider, PressReportsUpThenDownAfterTheRelease)
{
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(190, 12));
    EXPECT_TRUE(calls.isEmpty()) << "nothing while the button is down";
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(190, 12));
    EXPECT_EQ(calls, (QStringList{QStringLiteral("up:sensitivity"), QStringLiteral("down:sensitivity")}));
    EXPECT_GT(slider->value(), 5) << "the slider's own handling still runs";
}

TEST_F(HoverSlider, EnterMoveLeave)
{
    QTest::mouseMove(&window, QPoint(10, 10));
    calls.clear();
    QTest::mouseMove(&window, QPoint(100, 30));   // onto the slider
    ASSERT_TRUE(QTest::qWaitFor([&] { return !calls.isEmpty(); }));
    QTest::mouseMove(&window, QPoint(120, 30));   // over it
    QTest::mouseMove(&window, QPoint(120, 70));   // off it
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls.contains(QStringLiteral("up:sensitivity")); }));
    ASSERT_GE(calls.size(), 3);
    EXPECT_EQ(calls.first(), QStringLiteral("down:sensitivity"));
    EXPECT_EQ(calls.last(), QStringLiteral("up:sensitivity"));
    EXPECT_EQ(calls.count(QStringLiteral("up:sensitivity")), 1);
}

} // namespace
