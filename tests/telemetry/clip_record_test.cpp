#include "telemetry/byte_source.h"
#include "telemetry/clip_data.h"
#include "telemetry/sample_writer.h"
#include "telemetry/text_rules.h"
#include "bytes.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

using drovik::DrovikClipData;
using namespace drovik::telemetry;

namespace {

struct FlushCase {
    int n;
    std::array<int, 10> slots;
};

TEST(BlockFlush, IndexPatterns)
{
    const FlushCase cases[] = {
        {0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {1, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {3, {0, 0, 0, 0, 1, 1, 1, 2, 2, 2}},
        {5, {0, 0, 1, 1, 2, 2, 3, 3, 4, 4}},
        {7, {0, 0, 1, 2, 2, 3, 4, 4, 5, 6}},
        {10, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {11, {0, 1, 2, 3, 4, 5, 7, 8, 9, 10}},
        {15, {0, 1, 3, 4, 6, 7, 9, 10, 12, 13}},
        {20, {0, 1, 3, 5, 7, 9, 11, 13, 15, 17}},
        {60, {0, 3, 9, 15, 21, 27, 33, 39, 45, 51}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(flushPattern(c.n), c.slots) << "n = " << c.n;
}

TEST(BlockFlush, EveryBlockSizeGivesTenSamplesInOrder)
{
    for (int n = 0; n <= 650; ++n) {
        const auto slots = flushPattern(n);
        for (std::size_t k = 1; k < slots.size(); ++k)
            ASSERT_LE(slots[k - 1], slots[k]) << n;
        ASSERT_LT(slots[9], std::max(n, 1)) << n;
    }
}

struct CalCase {
    const char *text;
    int32_t expected;
};

TEST(CalString, Examples)
{
    const CalCase cases[] = {
        {"3723.2475", 37387460}, // 37.387458 in single precision
        {"12.5", 208333},        // no degrees, 12.5 minutes
        {"1", 0},
        {"", 0},
        {"5.5", 0},              // fewer than two characters before the point
        {"12700.0000", 127000000},
        {"00000.0000", 0},
        {"12345", 0},            // no point
        {"-3723.2475", -36612540},
        {"99999999999.9", 2147483647}, // saturates instead of overflowing
        {"\xC3\xA9" "12.5", 208333},   // positions count characters, not bytes
    };
    for (const auto &c : cases)
        EXPECT_EQ(DrovikClipData::cal_string(c.text), c.expected) << '"' << c.text << '"';
}

struct TrimCase {
    const char *field;
    const char *kept;
};

TEST(LeadingNumberTrim, Rule)
{
    const TrimCase cases[] = {
        {"-5", "-5"},          {"12\r\n", "12"},       {"-45abc", "-45"},
        {"1234", "123"},       {"-123", "-12"},        {"abcd", ""},
        {" 12", " 12"},        {" 123", ""},           {"7", "7"},
        {"12\x01\x02\x03", "12"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(leadingNumberTrim(c.field), c.kept) << '"' << c.field << '"';
}

struct GsensoriCase {
    const char *line;
    int x, y, z;
};

TEST(Gsensori, ScaledToEighthsOfAG)
{
    const GsensoriCase cases[] = {
        {"gsensori,1,1024,512,0,-512", 64, 0, -5},  // last field trimmed to "-51"
        {"gsensori,1,256,-1000,5000,-5000", -499, 512, -24},
        {"gsensori,1,0,5,5,5", 0, 0, 0},           // ratio 0
        {"gsensori,0,1024,5,5,5", 0, 0, 0},        // divisor 0: no division
        {"gsensori,-1,-2147483648,5,5,5", 0, 0, 0},// INT_MIN / -1 saturates; 640/INT_MAX -> 0
        {"gsensori,2,2048,99999999,0,1234", 512, 0, 15},
    };
    for (const auto &c : cases) {
        const auto fields = splitFields(c.line, ',');
        const auto s = gsensoriSample(fields);
        EXPECT_EQ(s.x, c.x) << c.line;
        EXPECT_EQ(s.y, c.y) << c.line;
        EXPECT_EQ(s.z, c.z) << c.line;
    }
}

TEST(Rmc, ValidFixAndEmptyState)
{
    FixState fix;
    const std::vector<std::string_view> valid = {"GPRMC", "120000", "A", "3723.2475", "S",
                                                 "12700.0000", "W", "10.0"};
    decodeRmc(valid, fix);
    EXPECT_EQ(fix.rawLatitudeMicrodegrees, 37387460u);
    EXPECT_EQ(fix.latitudeLetter, U'S');
    EXPECT_EQ(fix.rawLongitudeMicrodegrees, 127000000u);
    EXPECT_EQ(fix.longitudeLetter, U'W');
    EXPECT_EQ(fix.speedKmh, 19u); // 10 knots = 18.52 km/h, + 0.5, truncated
    const std::vector<std::string_view> invalid = {"GPRMC", "120000", "V", "3723.2475", "N",
                                                   "12700.0000", "E", "10.0"};
    decodeRmc(invalid, fix);
    EXPECT_EQ(fix.rawLatitudeMicrodegrees, 0u);
    EXPECT_EQ(fix.latitudeLetter, U'N');
    EXPECT_EQ(fix.longitudeLetter, U'E');
    EXPECT_EQ(fix.speedKmh, 0u);
    const std::vector<std::string_view> noLetter = {"GPRMC", "", "A", "1000.0", "", "1000.0", "", "1e39"};
    decodeRmc(noLetter, fix);
    EXPECT_EQ(fix.latitudeLetter, 0u);
    EXPECT_EQ(fix.speedKmh, 0u); // an infinite speed is not turned into garbage
}

DrovikClipData loaded(const std::string &trailerText)
{
    DrovikClipData clip;
    drovik::test::TempFolder dir;
    clip.loadVideoFileClipDataFromFilePath(dir.file("clip.mov", "ETKQX4" + trailerText));
    return clip;
}

TEST(Lookups, NoDataOutsideTheValidSamples)
{
    std::string text;
    for (int i = 0; i < 650; ++i)
        text += "x,1.5,2.5," + std::to_string(i) + ",1,2,3\n";
    const auto clip = loaded(text);
    ASSERT_EQ(clip.clipDataCount(), 650u);
    struct {
        int index;
        bool valid;
    } cases[] = {{0, true}, {649, true}, {650, false}, {-1, false}, {1 << 30, false}};
    for (const auto &c : cases) {
        int x, y, z;
        float lat, lng;
        uint32_t speed;
        clip.getClipDataWithIndex(c.index, x, y, z, lat, lng, speed);
        if (c.valid) {
            EXPECT_EQ(std::tuple(x, lat, speed), std::tuple(1, 1.5f, uint32_t(c.index)));
        } else {
            EXPECT_EQ(std::tuple(x, y, z, lat, lng, speed), std::tuple(-512, -512, -512, 512.0f, 512.0f, 1024u));
            EXPECT_EQ(std::tuple(clip.getGx(c.index), clip.getGy(c.index), clip.getGz(c.index), clip.getGpsLat(c.index),
                                 clip.getGpsLng(c.index), clip.getGpsSpeed(c.index)),
                      std::tuple(-512, -512, -512, 512.0f, 512.0f, 1024u));
        }
    }
}

TEST(Lookups, IndexAtTheCountIsNoDataEvenWithOlderDataThere)
{
    DrovikClipData clip;
    drovik::test::TempFolder dir;
    clip.loadVideoFileClipDataFromFilePath(dir.file("a.mov", "ETKQX4\n1,1,1,1,1,1,1\n1,1,1,1,1,1,1\n"));
    ASSERT_EQ(clip.clipDataCount(), 2u);
    clip.loadVideoFileClipDataFromFilePath(dir.file("b.mov", "ETKQX4\n1,1,1,1,1,1,1\n"));
    ASSERT_EQ(clip.clipDataCount(), 1u);
    EXPECT_EQ(clip.getGx(1), -512);
    EXPECT_EQ(clip.getGpsLat(1), 512.0f);
}

TEST(Loader, UpperCaseSrtIsNotASubtitleFile)
{
    drovik::test::TempFolder dir;
    const std::string cue = "1\n00:00:00,000 --> 00:00:00,100\ngsensor,1,2,3\n\n";
    DrovikClipData clip;
    clip.loadVideoFileClipDataFromFilePath(dir.file("a.srt", cue));
    EXPECT_EQ(clip.clipDataCount(), 1u);
    clip.loadVideoFileClipDataFromFilePath(dir.file("b.SRT", cue));
    EXPECT_EQ(clip.clipDataCount(), 0u); // not a trailer, RIFF or embedded form
}

TEST(Loader, MissingFileGivesNothing)
{
    DrovikClipData clip;
    clip.loadVideoFileClipDataFromFilePath("/nonexistent/clip.mp4");
    EXPECT_EQ(clip.clipDataCount(), 0u);
    clip.loadVideoFileClipDataFromFilePathKvl("/nonexistent/Rec_1.avi");
    EXPECT_EQ(clip.clipDataCount(), 0u);
    EXPECT_EQ(clip.gpsDataCount(), 0u);
    drovik::test::TempFolder dir;
    clip.loadVideoFileClipDataFromFilePath(dir.root().toStdString());
    EXPECT_EQ(clip.clipDataCount(), 0u);
    clip.loadVideoFileClipDataFromFilePath(dir.path(QStringLiteral("x.srt")).toStdString());
    EXPECT_EQ(clip.clipDataCount(), 0u);
}

TEST(FinishingPass, OnlyZeroZeroHasNoFix)
{
    // Latitude 0, longitude 5 counts; (0, 0) does not; letters other than N/E negate.
    const auto clip = loaded("a,0,5,1,1,1,1\na,0,0,1,1,1,1\n");
    EXPECT_EQ(clip.clipDataCount(), 2u);
    EXPECT_EQ(clip.gpsDataCount(), 1u);
}

} // namespace
