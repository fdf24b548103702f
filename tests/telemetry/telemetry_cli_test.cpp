// Black-box tests of `drovik telemetry` and `drovik cues`: output byte for byte, exit statuses, and
// the GPX read back by gpsbabel.
#include "process_util.h"
#include "telemetry_test_util.h"

#include <gtest/gtest.h>

using drovik::test::shellQuoted;
using drovik::test::run;

namespace {

const std::string kDrovik = shellQuoted(DROVIK_CLI);

const std::string kTrailer = "ETKQX4"
                             "x,37.5,127.25,88,10,-20,130\n"
                             "x,0,0,1,1,1,1\n"
                             "x,1e-5,-0.1,3,1,1,1\n"
                             "x,1e39,0,0,0,0,0\n";

TEST(TelemetryCommand, Json)
{
    drovik::test::TempDir dir;
    const auto r = run(kDrovik + " telemetry " + shellQuoted(dir.file("a.mov", kTrailer)));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "{\"clipDataCount\":4,\"gpsDataCount\":3,\"samples\":["
                     "[10,-20,130,37.5,127.25,88],[1,1,1,0,0,1],[1,1,1,1e-05,-0.1,3],[0,0,0,\"inf\",0,0]]}\n");
}

TEST(TelemetryCommand, Csv)
{
    drovik::test::TempDir dir;
    const auto r = run(kDrovik + " telemetry --format csv " + shellQuoted(dir.file("a.mov", kTrailer)));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "index,time_s,gx,gy,gz,lat,lng,speed_kmh\n"
                     "0,0.0,10,-20,130,37.5,127.25,88\n"
                     "1,0.1,1,1,1,0,0,1\n"
                     "2,0.2,1,1,1,1e-05,-0.1,3\n"
                     "3,0.3,0,0,0,inf,0,0\n");
}

TEST(TelemetryCommand, GpxIsReadByGpsbabel)
{
    drovik::test::TempDir dir;
    const std::string clip = dir.file("a&b.mov", kTrailer);
    const auto r = run(kDrovik + " telemetry --format gpx " + shellQuoted(clip));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<gpx version=\"1.1\" creator=\"Drovik Viewer\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
                     "  <trk>\n    <name>a&amp;b.mov</name>\n    <trkseg>\n"
                     "      <trkpt lat=\"37.5\" lon=\"127.25\"><cmt>0.0 s, 88 km/h</cmt></trkpt>\n"
                     "      <trkpt lat=\"0.00001\" lon=\"-0.1\"><cmt>0.2 s, 3 km/h</cmt></trkpt>\n"
                     "    </trkseg>\n  </trk>\n</gpx>\n");
    if (!drovik::test::haveProgram("gpsbabel"))
        GTEST_SKIP() << "gpsbabel is not installed";
    const std::string gpx = dir.file("track.gpx", r.out);
    const auto back = run("gpsbabel -t -i gpx -f " + shellQuoted(gpx) + " -o unicsv -F - 2>&1");
    EXPECT_EQ(back.status, 0) << back.out;
    EXPECT_NE(back.out.find("37.500000,127.250000"), std::string::npos) << back.out;
    EXPECT_NE(back.out.find("0.000010,-0.100000"), std::string::npos) << back.out;
    EXPECT_EQ(back.out.find("rror"), std::string::npos) << back.out;
}

TEST(TelemetryCommand, FamilyLoader)
{
    drovik::test::TempDir dir;
    drovik::test::RiffBuilder riff;
    riff.accelKvl(0x8D, 0x73, 0x80).chunk("02tx", "$GPRMC,1,V,,,,,");
    const std::string path = shellQuoted(dir.file("Rec_1.avi", riff.bytes()));
    const std::string head = "{\"clipDataCount\":10,\"gpsDataCount\":0,\"samples\":[";
    EXPECT_EQ(run(kDrovik + " telemetry --kvl " + path).out.substr(0, head.size() + 20),
              head + "[130,-130,0,0,0,0],[");
    EXPECT_EQ(run(kDrovik + " telemetry " + path).out.substr(0, head.size() + 18),
              head + "[-13,13,0,0,0,0],[");
}

TEST(TelemetryCommand, Errors)
{
    EXPECT_EQ(run(kDrovik + " telemetry /nonexistent/clip.mp4 2>/dev/null").status, 1);
    EXPECT_EQ(run(kDrovik + " telemetry 2>/dev/null").status, 2);
    EXPECT_EQ(run(kDrovik + " telemetry --format xml a 2>/dev/null").status, 2);
    EXPECT_EQ(run(kDrovik + " telemetry a b 2>/dev/null").status, 2);
    EXPECT_EQ(run(kDrovik + " telemetry --bogus a 2>/dev/null").status, 2);
    const auto r = run(kDrovik + " telemetry /nonexistent 2>&1 >/dev/null");
    EXPECT_NE(r.out.find("cannot read"), std::string::npos);
}

const std::string kCues = "1\n00:00:05,000 --> 00:00:05,100\ngsensor,1,2,3;GPRMC,1,A,3723.2475,N,12658.3040,E,10.0\n\n"
                          "2\n00:00:06,000 --> 00:00:06,100\ngsensor,600,2,3\n\n";

TEST(CuesCommand, Entries)
{
    drovik::test::TempDir dir;
    const auto r = run(kDrovik + " cues " + shellQuoted(dir.file("a.srt", kCues)));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "{\"entries\":[{\"cts\":5000,\"gx\":1,\"gy\":2,\"gz\":3,\"lat\":37.38746,\"lng\":126.971725,\"speed\":19},"
                     "{\"cts\":6000,\"gx\":512,\"gy\":2,\"gz\":3,\"lat\":512,\"lng\":512,\"speed\":1024}]}\n");
}

TEST(CuesCommand, Lookups)
{
    drovik::test::TempDir dir;
    const auto r = run(kDrovik + " cues " + shellQuoted(dir.file("a.srt", kCues)) + " --at 50 --at 49 --at -3 --at 60");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "{\"index\":50,\"sensor\":{\"found\":true,\"x\":1,\"y\":2,\"z\":3},\"gps\":{\"result\":0,\"lat\":37.38746,\"lng\":126.971725,\"speed\":19}}\n"
              "{\"index\":49,\"sensor\":{\"found\":false},\"gps\":{\"result\":1,\"lat\":37.38746,\"lng\":126.971725,\"speed\":19}}\n"
              "{\"index\":-3,\"sensor\":{\"found\":false},\"gps\":{\"result\":2}}\n"
              "{\"index\":60,\"sensor\":{\"found\":true,\"x\":512,\"y\":2,\"z\":3},\"gps\":{\"result\":2}}\n");
    EXPECT_EQ(run(kDrovik + " cues " + shellQuoted(dir.file("b.srt", kCues)) + " --at x 2>/dev/null").status, 2);
    EXPECT_EQ(run(kDrovik + " cues " + shellQuoted(dir.file("c.srt", kCues)) + " --at 2>/dev/null").status, 2);
    EXPECT_EQ(run(kDrovik + " cues 2>/dev/null").status, 2);
    EXPECT_EQ(run(kDrovik + " cues /nonexistent.srt 2>/dev/null").status, 1);
}

} // namespace
