// The speed meter: segments, digits and unit label for the worked examples, in both units as the
// user's preference chooses them.
#include "i18n/preferences.h"
#include "display/speed_meter_view.h"
#include "display/speed_reading.h"
#include "display_test_util.h"

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

TEST_F(SpeedMeter, BothUnits)
{
    for (bool miles : {false, true}) {
        Preferences::storeSpeedUnit(miles ? Preferences::MilesPerHour : Preferences::KilometresPerHour);
        SpeedMeterView meter;
        for (const MeterCase &c : kCases) {
            meter.setSpeed(c.kmh);
            EXPECT_EQ(meter.speed(), c.kmh) << c.name << ": the stored speed stays in km/h";
            EXPECT_EQ(meter.litSegmentCount(), miles ? c.mphSegments : c.kmhSegments) << c.name;
            EXPECT_EQ(meter.shownDigits(), QString::fromLatin1(miles ? c.mphDigits : c.kmhDigits)) << c.name;
            EXPECT_EQ(meter.isUnitLabelShown(), miles) << c.name;
        }
    }
}

// No preference is kilometres, any value but 0 miles; a change shows when the speed is set again.
TEST_F(SpeedMeter, UnitChangeShowsOnlyWhenTheSpeedIsSetAgain)
{
    SpeedMeterView meter;
    meter.setSpeed(120);
    Preferences::storeSpeedUnit(2);
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

} // namespace
