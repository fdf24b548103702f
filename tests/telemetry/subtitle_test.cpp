#include "telemetry/clip_data.h"
#include "telemetry/subtitle_data.h"
#include "telemetry/telemetry_export.h"
#include "telemetry/text_rules.h"
#include "bytes.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

using drovik::DrovikClipData;
using drovik::SubtitleData;
using drovik::SubtitleEntry;

namespace {

std::string cue(int index, int ms, const std::string &payload, const char *eol = "\n")
{
    char timing[64];
    std::snprintf(timing, sizeof timing, "%02d:%02d:%02d,%03d --> %02d:%02d:%02d,%03d", ms / 3600000,
                  ms / 60000 % 60, ms / 1000 % 60, ms % 1000, ms / 3600000, ms / 60000 % 60,
                  (ms + 100) / 1000 % 60, (ms + 100) % 1000);
    return std::to_string(index) + eol + timing + eol + payload + eol + eol;
}

const std::string kFix = "GPRMC,120000,A,3723.2475,N,12658.3040,E,10.0,0,010120";

SubtitleData subtitles(const std::string &text)
{
    SubtitleData data;
    data.loadFromText(text);
    return data;
}

TEST(SubtitleEntry, TimingLines)
{
    struct {
        const char *line;
        bool matches;
        int32_t cts;
    } cases[] = {
        {"00:01:02,345 --> 00:01:02,445", true, 62345},
        {"01:00:05,500 --> 01:00:05,600", true, 5500}, // hours dropped
        {"x 00:00:01,2-->1", true, 1200},             // anywhere in the line, spaces optional
        {"00:00:01.200 --> 00:00:01,300", false, 0},  // a point before the milliseconds
        {"00:00:01,200 --> ", false, 0},
        {"0:00:01,200 --> 1", false, 0},
    };
    for (const auto &c : cases) {
        const auto match = drovik::firstMatch(c.line);
        ASSERT_EQ(match.has_value(), c.matches) << c.line;
        if (match) {
            EXPECT_EQ(SubtitleEntry::entryWithTime(*match).cts, c.cts) << c.line;
        }
    }
    EXPECT_EQ(drovik::firstMatchString("00:59:00,000 --> 1").value_or(""), "59");
    EXPECT_TRUE(drovik::isBlankLine(" \t\r\xE2\x80\x83"));
    EXPECT_FALSE(drovik::isBlankLine("\x0B")); // vertical tab is not pattern white space
}

TEST(SubtitleEntry, SensorRecords)
{
    struct {
        const char *line;
        int x, y, z;
    } cases[] = {
        {"gsensor,1,-2,1234", 1, -2, 512},             // no trim here; clamped
        {"gsensori,1,1024,512,0,-512", 64, 0, -64},
        {"gsensori,1,256,-1000,96,-3", -500, 48, -2},  // -1.5: halves away from zero
        {"gsensori,1,1,200,0,0", 512, 0, 0},           // 25600 → clamped
        {"gsensori,1,1,1000,0,0", -512, 0, 0},         // 128000 cut to 16 bits: -3072 → clamped
        {"gsensori,1,0,5,5,5", -512, -512, -512},      // ratio 0: unchanged
        {"gsensori,0,1,5,5,5", -512, -512, -512},      // divisor 0: unchanged, no division
        {"gsensor,1,2", -512, -512, -512},             // too few fields
    };
    for (const auto &c : cases) {
        SubtitleEntry e;
        const auto fields = drovik::telemetry::splitFields(c.line, ',');
        if (fields[0] == "gsensor")
            e.parseSensor(fields);
        else
            e.parseSensorI(fields);
        EXPECT_EQ(e.gx, c.x) << c.line;
        EXPECT_EQ(e.gy, c.y) << c.line;
        EXPECT_EQ(e.gz, c.z) << c.line;
    }
}

TEST(SubtitleEntry, DegreeCompass)
{
    EXPECT_NEAR(SubtitleEntry::degree("3723.2475", "N"), 37.387458, 1e-5);
    EXPECT_NEAR(SubtitleEntry::degree("3723.2475", "S"), -37.387458, 1e-5);
    EXPECT_EQ(SubtitleEntry::degree("3723.2475", ""), 0.0f);
    EXPECT_EQ(SubtitleEntry::degree("5", "N"), 0.0f);
    EXPECT_NEAR(SubtitleEntry::degree("12658.3040", "W"), -126.97173, 1e-4);
    EXPECT_NEAR(SubtitleEntry::degree("12658.3040", "x"), -126.97173, 1e-4);
}

TEST(SubtitleData, SensorOnlyAtExactCueTimes)
{
    const auto data = subtitles(cue(1, 1200, "gsensor,5,6,7") + cue(2, 1300, "dummy"));
    int x = 0, y = 0, z = 0;
    EXPECT_TRUE(data.getSensorAt(12, x, y, z));
    EXPECT_EQ(x, 5);
    EXPECT_EQ(z, 7);
    EXPECT_FALSE(data.getSensorAt(11, x, y, z));
    EXPECT_TRUE(data.getSensorAt(13, x, y, z)); // a cue without a record answers the no-data values
    EXPECT_EQ(x, -512);
    x = 99;
    EXPECT_FALSE(data.getSensorAt(14, x, y, z));
    EXPECT_EQ(x, 99);
    EXPECT_FALSE(data.getSensorAt(-2147483647, x, y, z));
}

TEST(SubtitleData, GpsInterpolation)
{
    const std::string fix5000 = "GPRMC,1,A,3700.0000,N,12700.0000,E,10.0";
    const std::string fix6000 = "GPRMC,1,A,3700.6000,N,12701.2000,E,20.0";
    const auto data = subtitles(cue(1, 5000, fix5000) + cue(2, 5500, "GPRMC,1,V,,,,,")
                                + cue(3, 6000, fix6000));
    ASSERT_EQ(data.entries.size(), 3u);
    const float lat5 = data.entries[0].lat, lat6 = data.entries[2].lat;
    struct {
        int index;
        int result;
        float lat;
        uint32_t speed;
    } cases[] = {
        {50, 0, lat5, 19},
        {53, 1, lat5 + 0.3f * (lat6 - lat5), 24}, // 19 + 0.3 × (37 − 19) = 24.4
        {55, 1, lat5 + 0.5f * (lat6 - lat5), 28},
        {60, 0, lat6, 37},
        {69, 1, lat6, 37},
        {70, 2, -1.0f, 0},  // exactly 1000 ms after the last fix
        {71, 2, -1.0f, 0},
        {40, 2, -1.0f, 0},  // exactly 1000 ms away is not used
        {41, 1, lat5, 19},
    };
    for (const auto &c : cases) {
        float lat = -1.0f, lng = -1.0f;
        uint32_t speed = 0;
        EXPECT_EQ(data.getGpsAt(c.index, lat, lng, speed), c.result) << c.index;
        EXPECT_NEAR(lat, c.lat, 1e-5) << c.index;
        EXPECT_EQ(speed, c.speed) << c.index;
    }
}

TEST(SubtitleData, NoEntriesAndDuplicateTimes)
{
    float lat = 1, lng = 1;
    uint32_t speed = 1;
    int x, y, z;
    const SubtitleData empty = SubtitleData::loadFromPath("/nonexistent.srt");
    EXPECT_EQ(empty.getGpsAt(0, lat, lng, speed), 2);
    EXPECT_FALSE(empty.getSensorAt(0, x, y, z));
    // Two fixes at one time: no interpolation through a zero interval (no NaN).
    const auto same = subtitles(cue(1, 5100, "GPRMC,1,A,3700.0,N,12700.0,E,1") + cue(2, 5100, "GPRMC,1,A,3800.0,N,12700.0,E,1"));
    EXPECT_EQ(same.getGpsAt(50, lat, lng, speed), 1);
    EXPECT_EQ(lat, 37.0f);
}

TEST(SubtitleData, EntryNeedsABlankLineAfterItAndCrlfCommitsItBeforeItsPayload)
{
    const std::string text = cue(1, 0, "gsensor,1,1,1") + "2\n00:00:00,100 --> 00:00:00,200\ngsensor,2,2,2";
    EXPECT_EQ(subtitles(text).entries.size(), 1u);
    EXPECT_EQ(subtitles(text + "\n").entries.size(), 2u);
    DrovikClipData clip;
    EXPECT_EQ(clip.getR640AllDataFromSrtText(text), 2); // the record reader keeps the last cue
    const auto crlf = subtitles(cue(1, 0, "gsensor,1,1,1", "\r\n") + cue(2, 100, kFix, "\r\n"));
    ASSERT_EQ(crlf.entries.size(), 2u);
    EXPECT_EQ(crlf.entries[0].gx, -512);
    EXPECT_EQ(crlf.entries[1].lat, 512.0f);
}

TEST(SrtRecordReader, CuesToSamples)
{
    const std::string noon = "2020-01-01T12:00:00.000Z"; // kFix's date and time
    const std::string invalidFix = "gsensori,1,1024,512,0,-512;GPRMC,1,V,1,N,1,E,1";
    struct {
        const char *name;
        std::string text;
        int count;
        uint32_t withFix;
        std::string start; // the GPS start time; empty: none
    } cases[] = {
        {"two fixes in a row", cue(1, 0, kFix) + cue(2, 1000, kFix), 20, 20, noon},
        {"gsensori and fix in one cue", cue(1, 0, "gsensori,1,1024,512,0,-512;" + kFix), 10, 10, noon},
        {"gsensori and invalid fix", cue(1, 0, invalidFix), 10, 0, ""},
        {"the first dated fix closes the second second", cue(1, 0, invalidFix) + cue(2, 1000, kFix), 20, 10,
         "2020-01-01T11:59:59.000Z"},
        {"fix with hundredths", cue(1, 0, "GPRMC,120000.90,A,3723.2475,N,12658.3040,E,10.0,0,010120"), 10, 10, noon},
        {"fix without a date", cue(1, 0, "GPRMC,120000,A,3723.2475,N,12658.3040,E,10.0,0"), 10, 10, ""},
        {"fix on 31 February", cue(1, 0, "GPRMC,120000,A,3723.2475,N,12658.3040,E,10.0,0,310220"), 10, 10, ""},
        {"37 accelerometer cues", [] {
             std::string t;
             for (int i = 0; i < 37; ++i)
                 t += cue(i, i * 100, "gsensor,1,2,3");
             return t;
         }(), 37, 0, ""},
        {"fix then accelerometer only", cue(1, 0, kFix) + cue(2, 100, "gsensor,1,2,3"), 20, 20, noon},
        {"empty", "", 0, 0, ""},
        {"not UTF-8", cue(1, 0, "gsensor,1,2,\xFF"), 0, 0, ""},
    };
    for (const auto &c : cases) {
        DrovikClipData clip;
        EXPECT_EQ(clip.getR640AllDataFromSrtText(c.text), c.count) << c.name;
        EXPECT_EQ(clip.gpsDataCount(), c.withFix) << c.name;
        const auto start = clip.gpsStartTime();
        EXPECT_EQ(start ? drovik::telemetry::isoTimeText(*start) : std::string(), c.start) << c.name;
    }
}

TEST(SrtRecordReader, EmptyBlockRepeatsSlotZero)
{
    DrovikClipData clip;
    const std::string text = cue(1, 0, "gsensor,4,5,6") + cue(2, 100, "gsensor,7,8,9") + cue(3, 200, kFix)
        + cue(4, 1000, kFix);
    ASSERT_EQ(clip.getR640AllDataFromSrtText(text), 20);
    for (int i = 10; i < 20; ++i)
        EXPECT_EQ(clip.gx[i], 4);
    EXPECT_EQ(clip.gx[9], 7);
}

TEST(SrtRecordReader, CarRepeatsTheSampleBeforeIt)
{
    DrovikClipData clip;
    const std::string text = cue(1, 0, "CAR,1,2,3") + cue(2, 100, "CAR,9,9,9") + cue(3, 200, "CAR") + cue(4, 300, kFix);
    ASSERT_EQ(clip.getR640AllDataFromSrtText(text), 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(clip.gx[i], 1);
        EXPECT_EQ(clip.gz[i], 3);
    }
    EXPECT_EQ(clip.getR640AllDataFromSrtText(cue(1, 0, "CAR,1,2") + cue(2, 100, kFix)), 10);
    EXPECT_EQ(clip.gx[0], 0); // CAR with too few fields first: nothing pending, slot 0 zeroed storage
}

TEST(SrtRecordReader, CrlfReadsTheRestAsOnePayload)
{
    std::string text;
    for (int i = 0; i < 5; ++i)
        text += cue(i, i * 100, "gsensor,1,2,3", "\r\n");
    DrovikClipData clip;
    EXPECT_EQ(clip.getR640AllDataFromSrtText(text), 1);
}

TEST(SrtRecordReader, Caps)
{
    std::string text;
    for (int i = 0; i < 700; ++i)
        text += cue(i, i * 100, "gsensor," + std::to_string(i) + ",0,0");
    DrovikClipData clip;
    ASSERT_EQ(clip.getR640AllDataFromSrtText(text), 650);
    EXPECT_EQ(clip.gx[649], 649);
    std::string seconds;
    for (int i = 0; i < 70; ++i)
        seconds += cue(i, i * 1000, "gsensori,1,1024,512,0,-512;" + kFix);
    ASSERT_EQ(clip.getR640AllDataFromSrtText(seconds), 650);
    EXPECT_EQ(clip.gpsDataCount(), 650u);
}

// Both readers take a file up to the cap and treat a larger one as unreadable.
TEST(SubtitleFiles, Capped)
{
    drovik::test::TempFolder dir;
    for (const std::size_t size : {drovik::telemetry::kMaxSubtitleFileBytes, drovik::telemetry::kMaxSubtitleFileBytes + 1}) {
        std::string text = cue(1, 0, "gsensor,1,2,3") + cue(2, 100, kFix);
        text.resize(size, ' ');
        const std::string path = dir.file("clip.srt", text);
        const bool fits = size <= drovik::telemetry::kMaxSubtitleFileBytes;
        DrovikClipData clip;
        EXPECT_EQ(clip.getR640AllDataFromSrtFile(path), fits ? 10 : 0) << size;
        EXPECT_EQ(SubtitleData::loadFromPath(path).entries.size(), fits ? 2u : 0u) << size;
    }
}

} // namespace
