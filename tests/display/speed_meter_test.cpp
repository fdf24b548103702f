// The speed meter: segments, digits and unit label for the worked examples, in both units as the
// user's preference chooses them.
#include "i18n/preferences.h"
#include "display/speed_meter_view.h"
#include "display/speed_reading.h"
#include "display_test_util.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cstdint>

using namespace drovik;

namespace {

struct MeterCase {
    const char *name;
    int kmh;
    int kmhSegments;
    const char *kmhDigits;
    int mphSegments;
    const char *mphDigits;
};

// mph = km/h × 0.621371, rounded half away from zero; below 9 km/h no digits in either unit.
const MeterCase kCases[] = {
    {"57 km/h (35.42 mph)", 57, 5, "57", 3, "35"},
    {"120 km/h (74.56 mph)", 120, 12, "120", 7, "75"},
    {"8 km/h: no number even as 5 mph", 8, 0, "", 0, ""},
    {"9 km/h: first number shown (5.59 mph)", 9, 0, "9", 0, "6"},
    {"10 km/h (6.21 mph)", 10, 1, "10", 0, "6"},
    {"105 km/h keeps its zero tens (65.24 mph)", 105, 10, "105", 6, "65"},
    {"1000 km/h shows the single digit 0 (621.37 mph)", 1000, 24, "0", 24, "621"},
    {"1024, the no-data speed (636.28 mph)", 1024, 24, "24", 24, "636"},
    {"0 km/h", 0, 0, "", 0, ""},
    {"a huge unsigned speed read as negative", int(uint32_t(4294967295u)), 0, "", 0, ""},
    {"239 km/h, one short of full (148.51 mph)", 239, 23, "239", 14, "149"},
    {"240 km/h lights all (149.13 mph)", 240, 24, "240", 14, "149"},
};

class SpeedMeter : public ::testing::Test {
protected:
    void SetUp() override { Preferences::store()->clear(); }
    void TearDown() override { Preferences::store()->clear(); }
};

TEST_F(SpeedMeter, KilometresPerHour)
{
    Preferences::storeSpeedUnit(Preferences::KilometresPerHour);
    SpeedMeterView meter;
    for (const MeterCase &c : kCases) {
        meter.setSpeed(c.kmh);
        EXPECT_EQ(meter.speed(), c.kmh) << c.name;
        EXPECT_EQ(meter.litSegmentCount(), c.kmhSegments) << c.name;
        EXPECT_EQ(meter.shownDigits(), QString::fromLatin1(c.kmhDigits)) << c.name;
        EXPECT_FALSE(meter.isUnitLabelShown()) << c.name;
    }
}

TEST_F(SpeedMeter, MilesPerHour)
{
    Preferences::storeSpeedUnit(Preferences::MilesPerHour);
    SpeedMeterView meter;
    for (const MeterCase &c : kCases) {
        meter.setSpeed(c.kmh);
        EXPECT_EQ(meter.speed(), c.kmh) << c.name << ": the stored speed stays in km/h";
        EXPECT_EQ(meter.litSegmentCount(), c.mphSegments) << c.name;
        EXPECT_EQ(meter.shownDigits(), QString::fromLatin1(c.mphDigits)) << c.name;
        EXPECT_TRUE(meter.isUnitLabelShown()) << c.name;
    }
}

TEST_F(SpeedMeter, AbsentPreferenceIsKilometresAndAnyOtherValueIsMiles)
{
    SpeedMeterView meter;
    meter.setSpeed(57);
    EXPECT_EQ(meter.shownDigits(), QStringLiteral("57"));
    Preferences::storeSpeedUnit(2);
    meter.setSpeed(57);
    EXPECT_EQ(meter.shownDigits(), QStringLiteral("35"));
    EXPECT_TRUE(meter.isUnitLabelShown());
}

TEST_F(SpeedMeter, UnitChangeShowsOnlyWhenTheSpeedIsSetAgain)
{
    SpeedMeterView meter;
    meter.setSpeed(120);
    Preferences::storeSpeedUnit(Preferences::MilesPerHour);
    EXPECT_EQ(meter.shownDigits(), QStringLiteral("120"));
    EXPECT_FALSE(meter.isUnitLabelShown());
    meter.setSpeed(meter.speed()); // what the main window does on the unit notification
    EXPECT_EQ(meter.shownDigits(), QStringLiteral("75"));
    EXPECT_EQ(meter.litSegmentCount(), 7);
    EXPECT_TRUE(meter.isUnitLabelShown());
}

TEST_F(SpeedMeter, GaugeAlone)
{
    SpeedMeterView meter;
    EXPECT_EQ(meter.litSegmentCount(), 0) << "a new meter shows nothing";
    const std::pair<int, int> gauge[] = {{-5, 0}, {-19, 0}, {9, 0}, {10, 1}, {19, 1}, {57, 5},
                                        {239, 23}, {240, 24}, {100000, 24}};
    for (const auto &[value, lit] : gauge) {
        meter.setSpeedGauge(value);
        EXPECT_EQ(meter.litSegmentCount(), lit) << value;
    }
    meter.setSpeed(120);
    meter.setSpeedGauge(-5);
    EXPECT_EQ(meter.litSegmentCount(), 0);
    EXPECT_EQ(meter.shownDigits(), QStringLiteral("120")) << "the gauge leaves the digits alone";
}

TEST(SpeedReading, MilesRoundToTheNearestWholeNumber)
{
    // 37 km/h is 22.99 mph, 38 is 23.61; negative speeds round away from zero too.
    EXPECT_EQ(speedReading(37, 1).shown, 23);
    EXPECT_EQ(speedReading(38, 1).shown, 24);
    EXPECT_EQ(speedReading(-9, 1).shown, -6);
    EXPECT_EQ(speedReading(-9, 1).litSegments, 0);
}

TEST_F(SpeedMeter, LooksFinished)
{
    const QString dir = test::grabDirectory();
    if (dir.isEmpty())
        GTEST_SKIP() << "set DROVIK_DISPLAY_GRAB_DIR to look at the meter";
    // On the dashboard the meter stands on a dark panel.
    QWidget panel;
    panel.setStyleSheet(QStringLiteral("background:#121417"));
    panel.resize(240, 150);
    auto *meter = new SpeedMeterView(&panel);
    meter->resize(240, 150);
    for (int unit : {0, 1}) {
        Preferences::storeSpeedUnit(unit);
        for (int kmh : {0, 57, 105, 187}) {
            meter->setSpeed(kmh);
            panel.grab().save(QDir(dir).filePath(QStringLiteral("speed_meter_%1_%2.png").arg(unit).arg(kmh)));
        }
    }
}

} // namespace
