#include "telemetry/byte_source.h"
#include "telemetry/clip_data.h"
#include "telemetry/sample_writer.h"
#include "bytes.h"

#include <gtest/gtest.h>

#include <tuple>

using drovik::DrovikClipData;
using drovik::telemetry::MemoryByteSource;
using drovik::test::RiffBuilder;

namespace {

const std::string kFixSentence = "$GPRMC,120000,A,3723.2475,N,12658.3040,E,10.0,0,010120,,,A";

int readRiff(const std::string &bytes, DrovikClipData &clip, bool kvl = false)
{
    MemoryByteSource source(bytes);
    return clip.getAllDataFromSource(source, kvl);
}

struct AccelCase {
    const char *name;
    std::string record;
    bool kvl;
    bool accepted;
    int x, y, z;
};

TEST(Riff, AccelerometerRecordDecodings)
{
    const AccelCase cases[] = {
        {"general 80 7F 00", {'M', '\x80', '\x7F', '\x00'}, false, true, 0, 1, 128},
        {"general FF", {'M', '\xFF', '\xFF', '\xFF'}, false, true, -127, -127, -127},
        {"general too short", {'M', '\x80', '\x80'}, false, false, 0, 0, 0},
        {"family 80 8D 73", {'M', '\x80', '\x8D', '\x73', 1, 1, 1}, true, true, 0, 130, -130},
        {"family FF 00", {'M', '\xFF', '\x00', '\x80', 1, 1, 1}, true, true, 1270, -1280, 0},
        {"family byte 5 not 1", {'M', '\x8D', '\x8D', '\x8D', 1, 0, 1}, true, false, 0, 0, 0},
        {"family too short", {'M', '\x8D', '\x8D', '\x8D', 1, 1}, true, false, 0, 0, 0},
        {"family ignores general-only layout", {'M', '\x80', '\x7F', '\x00'}, true, false, 0, 0, 0},
    };
    for (const auto &c : cases) {
        // One record, a fix to flush it, a second record so the end flush has something to add.
        RiffBuilder riff;
        riff.chunk("02tx", c.record).chunk("03tx", kFixSentence);
        DrovikClipData clip;
        const int count = readRiff(riff.bytes(), clip, c.kvl);
        if (!c.accepted) {
            EXPECT_EQ(count, 0) << c.name;
            continue;
        }
        ASSERT_EQ(count, 10) << c.name;
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(std::tuple(clip.gx[i], clip.gy[i], clip.gz[i]), std::tuple(c.x, c.y, c.z)) << c.name;
    }
}

TEST(Riff, BlockClosedByFixOrTimeMark)
{
    RiffBuilder withFix;
    for (int i = 0; i < 25; ++i)
        withFix.accel(0x80 - i, 0x80, 0x80);
    withFix.chunk("02tx", kFixSentence);
    DrovikClipData clip;
    ASSERT_EQ(readRiff(withFix.bytes(), clip), 10);
    EXPECT_EQ(clip.gpsDataCount(), 10u);
    EXPECT_NEAR(clip.gpsInfoLat[9], 37.387458, 1e-5);
    EXPECT_NEAR(clip.gpsInfoLng[9], 126.97173, 1e-5);
    EXPECT_EQ(clip.gpsSpeed[0], 19u);
    // 25 thinned to 10, X = the pending slot taken.
    const auto slots = drovik::telemetry::flushPattern(25);
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(clip.gx[k], slots[k]);

    RiffBuilder withMark;
    for (int i = 0; i < 25; ++i)
        withMark.accel(0x80, 0x80, 0x80);
    withMark.chunk("02tx", kFixSentence).accel(0x80, 0x80, 0x80).chunk("02tx", "T");
    DrovikClipData marked;
    ASSERT_EQ(readRiff(withMark.bytes(), marked), 20);
    EXPECT_EQ(marked.gpsDataCount(), 10u);
    EXPECT_EQ(marked.gpsInfoLat[10], 0.0f);
    EXPECT_EQ(marked.gpsSpeed[10], 0u);
}

TEST(Riff, FamilyReaderIgnoresTimeMarks)
{
    RiffBuilder riff;
    riff.accelKvl(0x81, 0x80, 0x80).chunk("02tx", "T").chunk("02tx", kFixSentence);
    DrovikClipData clip;
    ASSERT_EQ(readRiff(riff.bytes(), clip, true), 10);
    EXPECT_EQ(clip.gpsDataCount(), 10u); // the mark did not flush nor empty the fix
}

TEST(Riff, SentenceFirstSetsTheFixForTheEndFlush)
{
    RiffBuilder riff;
    riff.accel(0x80, 0x80, 0x80).chunk("02tx", "T");                 // 10 samples, no fix
    riff.chunk("02tx", "G" + kFixSentence);                          // "G$GPRMC": fix, nothing pending
    riff.accel(0x7F, 0x80, 0x80);                                    // pending at the end
    DrovikClipData clip;
    ASSERT_EQ(readRiff(riff.bytes(), clip), 20);
    EXPECT_EQ(clip.gpsDataCount(), 10u);
    EXPECT_EQ(clip.gx[19], 1);

    // Pending samples with nothing output yet are discarded at the end.
    RiffBuilder onlyPending;
    onlyPending.chunk("02tx", kFixSentence).accel(0x80, 0x80, 0x80);
    DrovikClipData none;
    EXPECT_EQ(readRiff(onlyPending.bytes(), none), 0);
}

TEST(Riff, SentenceRules)
{
    struct {
        std::string sentence;
        int count;
    } cases[] = {
        {"$GPRMC,1,A,3723.2475,N,12658.3040,E,10.0", 10},  // exactly 8 fields
        {"$GPRMC,1,A,3723.2475,N,12658.3040,E", 0},        // 7 fields: ignored
        {"$GNRMC,1,A,3723.2475,N,12658.3040,E,10.0", 0},   // only GPRMC here
        {"$GPGGA,1,A,3723.2475,N,12658.3040,E,10.0", 0},
        {std::string("$GPRMC,1,A,3723.2475,N,12658.3040,E,10.0\0junk", 45), 10},
    };
    for (const auto &c : cases) {
        RiffBuilder riff;
        riff.accel(0x80, 0x80, 0x80).chunk("02tx", c.sentence);
        DrovikClipData clip;
        EXPECT_EQ(readRiff(riff.bytes(), clip), c.count) << c.sentence;
    }
}

TEST(Riff, WalkIntoListsAndOverPadBytes)
{
    RiffBuilder riff;
    riff.list("movi").chunk("00dc", "odd").list("rec ").accel(0x80, 0x80, 0x80);
    riff.chunk("01wb", std::string(7, 'x')).chunk("02tx", kFixSentence);
    DrovikClipData clip;
    EXPECT_EQ(readRiff(riff.bytes(), clip), 10);
}

TEST(Riff, NotRiffOrTruncated)
{
    DrovikClipData clip;
    EXPECT_EQ(readRiff("", clip), 0);
    EXPECT_EQ(readRiff("RIFF\0\0\0\0AVI", clip), 0);
    EXPECT_EQ(readRiff(std::string("RIFF\0\0\0\0WAVE", 12), clip), 0);
    // A text chunk whose size runs past the end: handled with what is there, then the walk ends.
    RiffBuilder riff;
    riff.accel(0x80, 0x80, 0x80).chunk("02tx", "T").accel(0x7F, 0x80, 0x80);
    std::string bytes = riff.bytes() + "03tx";
    drovik::test::appendLe32(bytes, 0xFFFFFFF0u);
    bytes += "M";
    EXPECT_EQ(readRiff(bytes, clip), 20);
    EXPECT_EQ(clip.gx[10], 1);
    EXPECT_EQ(clip.gx[19], 128); // the cut 'M' record reads zero bytes: 128 − 0
    // A header cut short ends the walk.
    EXPECT_EQ(readRiff(riff.bytes() + "02t", clip), 20);
}

TEST(Riff, SixtySamplesPendingAnd650Output)
{
    RiffBuilder riff;
    for (int second = 0; second < 70; ++second) {
        for (int i = 0; i < 80; ++i) // 20 beyond the bound of 60 are dropped
            riff.accel(0x80 - (i % 60 == 59 ? 1 : 0), 0x80, 0x80);
        riff.chunk("02tx", kFixSentence);
    }
    DrovikClipData clip;
    EXPECT_EQ(readRiff(riff.bytes(), clip), 650);
    EXPECT_EQ(clip.gpsDataCount(), 650u);
}

} // namespace
