#include "telemetry/byte_source.h"
#include "telemetry/clip_data.h"
#include "bytes.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <tuple>

using drovik::DrovikClipData;
using drovik::telemetry::MemoryByteSource;

namespace {

// A line as the cameras embed it: marker, one byte, zero padding, the text, a zero byte.
std::string embedded(std::string_view text, std::string_view marker = "02tx")
{
    std::string bytes(marker);
    bytes += '\x11';
    bytes += std::string(3, '\0');
    bytes += text;
    bytes += '\0';
    return bytes;
}

const std::string kFix = "GPRMC,120000,A,3723.2475,N,12658.3040,E,10.0,0,010120";

int scan(const std::string &bytes, DrovikClipData &clip)
{
    MemoryByteSource source(bytes);
    return clip.getR640AllDataFromSource(source);
}

TEST(Embedded, GsensorLineGivesOneSample)
{
    DrovikClipData clip;
    ASSERT_EQ(scan("junk" + embedded("gsensor,12,-7,3") + "junk", clip), 1);
    EXPECT_EQ(std::tuple(clip.gx[0], clip.gy[0], clip.gz[0]), std::tuple(12, -7, 3));
    EXPECT_EQ(clip.gpsDataCount(), 0u);
    // The last field runs into the file's bytes: the leading-number rule keeps what it can.
    ASSERT_EQ(scan(embedded("gsensor,1,1,-45abc") + embedded("gsensor,1,1,1234"), clip), 2);
    EXPECT_EQ(clip.gz[0], -45);
    EXPECT_EQ(clip.gz[1], 123);
}

TEST(Embedded, MarkerRules)
{
    struct {
        const char *name;
        std::string bytes;
        int count;
    } cases[] = {
        {"03tx marker", embedded("gsensor,1,2,3", "03tx"), 1},
        {"04tx is no marker", embedded("gsensor,1,2,3", "04tx"), 0},
        {"upper case is no marker", embedded("gsensor,1,2,3", "02TX"), 0},
        {"marker in the last bytes", "xx02tx", 0},
        {"marker with 3 bytes left", "xx02t", 0},
        {"no zero padding", std::string("02tx\x01") + "gsensor,4,5,6", 1},
        {"line not UTF-8", embedded("gsensor,1,2,\xFF"), 0},
        {"type is case-sensitive", embedded("GSENSOR,1,2,3"), 0},
        {"too few fields", embedded("gsensor,1,2"), 0},
        {"nothing after the marker", "02tx", 0},
        {"only zeros after", std::string("02tx") + std::string(10, '\0'), 0},
    };
    for (const auto &c : cases) {
        DrovikClipData clip;
        EXPECT_EQ(scan(c.bytes, clip), c.count) << c.name;
    }
}

TEST(Embedded, LineIsCutAfter119Bytes)
{
    // 119 bytes end inside the third field: "gsensor,1," + 109 digits of field 2; no field 3.
    const std::string cut = "gsensor,1," + std::string(109, '7') + ",5";
    DrovikClipData clip;
    EXPECT_EQ(scan(embedded(cut), clip), 0);
    const std::string fits = "gsensor,1," + std::string(107, '7') + ",5"; // 119 bytes exactly
    EXPECT_EQ(scan(embedded(fits), clip), 1);
    EXPECT_EQ(clip.gy[0], -1); // saturated to INT32_MAX, low 16 bits kept
    EXPECT_EQ(clip.gz[0], 5);
}

TEST(Embedded, ScanResumesAfterFirstByteOfLine)
{
    // The text of one line holds another marker: it is found as well.
    DrovikClipData clip;
    EXPECT_EQ(scan(embedded("gsensor,1,2,3" + embedded("gsensor,4,5,6")), clip), 2);
    EXPECT_EQ(clip.gx[1], 4);
}

TEST(Embedded, BlocksAndEndRules)
{
    std::string twelveThenFixThenFive;
    for (int i = 0; i < 12; ++i)
        twelveThenFixThenFive += embedded("gsensor," + std::to_string(i) + ",0,0");
    twelveThenFixThenFive += embedded(kFix);
    for (int i = 0; i < 5; ++i)
        twelveThenFixThenFive += embedded("gsensor," + std::to_string(100 + i) + ",0,0");
    DrovikClipData clip;
    ASSERT_EQ(scan(twelveThenFixThenFive, clip), 20);
    EXPECT_EQ(clip.gpsDataCount(), 20u);
    EXPECT_EQ(clip.gx[10], 100);
    EXPECT_EQ(clip.gx[19], 104);
    EXPECT_EQ(clip.gpsSpeed[19], 19u);

    std::string fixThenTwelve = embedded(kFix);
    for (int i = 0; i < 12; ++i)
        fixThenTwelve += embedded("gsensor,1,1,1");
    EXPECT_EQ(scan(fixThenTwelve, clip), 0);
    EXPECT_EQ(clip.gpsDataCount(), 0u);

    std::string only37;
    for (int i = 0; i < 37; ++i)
        only37 += embedded("gsensor," + std::to_string(i) + ",0,0");
    ASSERT_EQ(scan(only37, clip), 37);
    EXPECT_EQ(clip.gx[36], 36);
    EXPECT_EQ(clip.gpsInfoLat[36], 0.0f);

    // GNRMC with status V: samples at (0, 0), speed 0.
    std::string invalid = embedded("gsensori,1,1024,512,0,-512")
        + embedded("GNRMC,1,V,3723.2475,N,12658.3040,E,10.0");
    ASSERT_EQ(scan(invalid, clip), 10);
    EXPECT_EQ(clip.gx[0], 64);
    EXPECT_EQ(clip.gz[0], -5); // "-512" trimmed to "-51"
    EXPECT_EQ(clip.gpsDataCount(), 0u);
    EXPECT_EQ(clip.gpsSpeed[0], 0u);
}

TEST(Embedded, Caps)
{
    // 700 accelerometer lines pending and no RMC: 650 kept one to one.
    std::string many;
    for (int i = 0; i < 700; ++i)
        many += embedded("gsensor," + std::to_string(i) + ",0,0");
    DrovikClipData clip;
    ASSERT_EQ(scan(many, clip), 650);
    EXPECT_EQ(clip.gx[649], 649);
    // 70 seconds of one line and one fix each: 650 samples, reading stops.
    std::string seconds;
    for (int i = 0; i < 70; ++i)
        seconds += embedded("gsensor,1,1,1") + embedded(kFix);
    ASSERT_EQ(scan(seconds, clip), 650);
    EXPECT_EQ(clip.gpsDataCount(), 650u);
}

TEST(Embedded, LinesAcrossWindowBoundaries)
{
    // Lines placed around the 4 MiB window edge and behind a long run of zeros.
    const std::size_t window = 4 << 20;
    for (std::size_t offset : {window - 4, window - 3, window - 6, window - 20, window - 100}) {
        std::string bytes(offset, '\xEE');
        bytes += embedded("gsensor,7,8,9");
        bytes += std::string(100, '\xEE');
        DrovikClipData clip;
        ASSERT_EQ(scan(bytes, clip), 1) << offset;
        EXPECT_EQ(clip.gz[0], 9) << offset;
    }
    std::string zeros = "02tx" + std::string(window + 1000, '\0') + "gsensor,1,2,3";
    DrovikClipData clip;
    ASSERT_EQ(scan(zeros, clip), 1);
    EXPECT_EQ(clip.gz[0], 3);
}

TEST(Embedded, FromAFileThroughTheGeneralLoader)
{
    drovik::test::TempFolder dir;
    std::string bytes(5000, '\x01');
    for (int s = 0; s < 3; ++s) {
        for (int i = 0; i < 10; ++i)
            bytes += std::string(200, '\x02') + embedded("gsensor,1,2,3");
        bytes += embedded(kFix);
    }
    DrovikClipData clip;
    clip.loadVideoFileClipDataFromFilePath(dir.file("clip.mp4", bytes));
    EXPECT_EQ(clip.clipDataCount(), 30u);
    EXPECT_EQ(clip.gpsDataCount(), 30u);
}

} // namespace
