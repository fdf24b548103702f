#include "telemetry/byte_source.h"
#include "telemetry/clip_data.h"
#include "bytes.h"

#include <gtest/gtest.h>

#include <tuple>

using drovik::DrovikClipData;
using drovik::telemetry::MemoryByteSource;

namespace {

// Video-like filler: never valid UTF-8, never the magic.
std::string filler(std::size_t n)
{
    return std::string(n, '\xFF');
}

int readTrailer(const std::string &bytes, DrovikClipData &clip)
{
    MemoryByteSource source(bytes);
    return clip.getAllDataFromSourceTail(source);
}

const std::string kLine = "0,37.5,127.25,88,10,-20,130\n";

struct WindowCase {
    const char *name;
    std::string tail;   // starts with the magic, ends the file
    std::size_t fileLength;
    int count;
    float firstLatitude;
};

// The file starts with a valid text of its own, so a trailer that is not found reads from byte 6
// (first latitude 1) and one that is found reads only its own lines (first latitude 2).
TEST(Trailer, SearchWindowEdges)
{
    const std::string head = "ETKQX4" "0,1,1,1,1,1,1\n";
    const std::string line = "0,2,2,2,2,2,2\n";
    const WindowCase cases[] = {
        {"magic 33006 bytes before the end", "ETKQX4" + line + std::string(33006 - 6 - line.size(), ' '),
         40000, 1, 2.0f},
        {"magic 33007 bytes before the end", "ETKQX4" + line + std::string(33007 - 6 - line.size(), ' '),
         40000, 2, 1.0f},
        {"magic 7 bytes before the end", "ETKQX4\n", 40000, 0, 0.0f},
        {"magic 6 bytes before the end", "ETKQX4", 40000, 1, 1.0f},
        {"file of exactly 33006 bytes", "ETKQX4" + line, 33006, 2, 1.0f},
        {"file of 33005 bytes", "ETKQX4" + line, 33005, 2, 1.0f},
    };
    for (const auto &c : cases) {
        const std::string bytes = head + std::string(c.fileLength - head.size() - c.tail.size(), ' ') + c.tail;
        ASSERT_EQ(bytes.size(), c.fileLength);
        DrovikClipData clip;
        EXPECT_EQ(readTrailer(bytes, clip), c.count) << c.name;
        if (c.count > 0) {
            EXPECT_EQ(clip.gpsInfoLat[0], c.firstLatitude) << c.name;
        }
    }
}

TEST(Trailer, VideoBytesBeforeAMissedMagicGiveNothing)
{
    const std::string bytes = filler(40000) + "ETKQX4" + kLine;
    DrovikClipData clip;
    EXPECT_EQ(readTrailer(bytes, clip), 1);
    // A file of exactly the window's length is searched too.
    EXPECT_EQ(readTrailer(filler(33006 - 6 - kLine.size()) + "ETKQX4" + kLine, clip), 1);
    const std::string missed = filler(40000) + "ETKQX4" + kLine + std::string(33006, ' ');
    EXPECT_EQ(readTrailer(missed, clip), 0);
}

TEST(Trailer, EarlierMagicWins)
{
    const std::string bytes = filler(40000) + "ETKQX4" + kLine + "ETKQX4" + kLine;
    DrovikClipData clip;
    // Both lines belong to the text of the first magic; "ETKQX4"+line has 7 fields too.
    EXPECT_EQ(readTrailer(bytes, clip), 2);
    EXPECT_EQ(clip.gpsSpeed[1], 88u);
}

TEST(Trailer, SmallFileIsReadFromByteSix)
{
    DrovikClipData clip;
    EXPECT_EQ(readTrailer("ETKQX4" + kLine + kLine, clip), 2);
    EXPECT_EQ(std::tuple(clip.gpsInfoLat[0], clip.gpsInfoLng[0], clip.gpsSpeed[0], clip.gx[0], clip.gy[0], clip.gz[0]),
              std::tuple(37.5f, 127.25f, 88u, 10, -20, 130));
    // Whatever the first six bytes are, a small file is read from byte 6.
    EXPECT_EQ(readTrailer("abcdef" + kLine, clip), 1);
    EXPECT_EQ(readTrailer("short", clip), 0);
    EXPECT_EQ(readTrailer("", clip), 0);
    EXPECT_EQ(readTrailer("ETKQX4", clip), 0);
}

TEST(Trailer, LineRules)
{
    struct {
        const char *text;
        int count;
        uint32_t withFix;
    } cases[] = {
        {"0,1,2,3,4,5,6,7\n", 0, 0},           // 8 fields
        {"0,1,2,3,4,5\n", 0, 0},               // 6 fields
        {"0,0,0,3,4,5,6\n", 1, 0},             // (0, 0): no fix
        {"0,1,2,3,4,5,6\r\n0,1,2,3,4,5,6", 2, 2}, // CRLF: empty lines between are skipped
        {"0,1,2,3,4,5,6\xE2\x80\xA8" "0,1,2,3,4,5,6", 2, 2},
        {"0,1,2,3,4,5,6\n\xFF", 0, 0},         // not UTF-8: no lines at all
    };
    for (const auto &c : cases) {
        DrovikClipData clip;
        EXPECT_EQ(readTrailer(std::string("ETKQX4") + c.text, clip), c.count) << c.text;
        EXPECT_EQ(clip.gpsDataCount(), c.withFix) << c.text;
    }
}

TEST(Trailer, NegativeSpeedAndSixteenBitAccelerations)
{
    DrovikClipData clip;
    ASSERT_EQ(readTrailer("ETKQX4x,1,1,-5,65537,-32769,40000\n", clip), 1);
    EXPECT_EQ(clip.gpsSpeed[0], 4294967291u);
    EXPECT_EQ(clip.gx[0], 1);
    EXPECT_EQ(clip.gy[0], 32767);
    EXPECT_EQ(clip.gz[0], -25536);
}

TEST(Trailer, StopsAt650Samples)
{
    std::string text = "ETKQX4";
    for (int i = 0; i < 700; ++i)
        text += "0,1,1," + std::to_string(i) + ",0,0,0\n";
    for (bool large : {false, true}) {
        const std::string bytes = large ? filler(50000) + text : text;
        DrovikClipData clip;
        EXPECT_EQ(readTrailer(bytes, clip), 650);
        EXPECT_EQ(clip.gpsDataCount(), 650u);
        EXPECT_EQ(clip.gpsSpeed[649], 649u);
    }
}

TEST(Trailer, LargeTextWithoutMagicIsStreamed)
{
    // 3 MB of valid text without the magic near the end: read from byte 6, across several chunks,
    // with a line split over a chunk boundary.
    std::string bytes = "ETKQX4";
    bytes += std::string((1 << 20) - 10, ' ');
    bytes += "\n0,1,2,3,4,5,6\n";
    bytes += std::string(2 << 20, 'z');
    bytes += "\n0,1,2,3,4,5,7\n";
    DrovikClipData clip;
    EXPECT_EQ(readTrailer(bytes, clip), 2);
    EXPECT_EQ(clip.gz[1], 7);
}

TEST(Trailer, OverlongLineWhileStreamingIsNotASample)
{
    // More than 1 MiB without a line break is not kept whole; the lines after it still count.
    std::string bytes = "ETKQX4" + std::string((1 << 20) + 100, '7') + ",1,2,3,4,5,6\n0,1,2,3,4,5,9\n";
    DrovikClipData clip;
    EXPECT_EQ(readTrailer(bytes, clip), 1);
    EXPECT_EQ(clip.gz[0], 9);
}

} // namespace
