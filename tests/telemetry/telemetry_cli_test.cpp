// Black-box tests of `drovik telemetry` and `drovik cues`: output byte for byte, exit statuses, and
// the GPX and KML tracks read back by gpsbabel.
#include "bytes.h"
#include "foreign_clips.h"
#include "programs.h"

#include <gtest/gtest.h>

#include <QDir>

namespace {

// drovik with arguments given as std::string (the paths the temporary folder hands out).
drovik::test::ProgramRun cli(std::initializer_list<std::string> args)
{
    QStringList list;
    for (const std::string &arg : args)
        list.append(QString::fromStdString(arg));
    return drovik::test::runDrovik(list);
}

const std::string kTrailer = "ETKQX4"
                             "x,37.5,127.25,88,10,-20,130\n"
                             "x,0,0,1,1,1,1\n"
                             "x,1e-5,-0.1,3,1,1,1\n"
                             "x,1e39,0,0,0,0,0\n";

TEST(TelemetryCommand, JsonAndCsv)
{
    drovik::test::TempFolder dir;
    const std::string clip = dir.file("a.mov", kTrailer);
    const auto json = cli({"telemetry", clip});
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_EQ(json.out, "{\"clipDataCount\":4,\"gpsDataCount\":3,\"samples\":["
                        "[10,-20,130,37.5,127.25,88],[1,1,1,0,0,1],[1,1,1,1e-05,-0.1,3],[0,0,0,\"inf\",0,0]]}\n");
    const auto csv = cli({"telemetry", "--format", "csv", clip});
    EXPECT_EQ(csv.exitCode, 0);
    EXPECT_EQ(csv.out, "index,time_s,gx,gy,gz,lat,lng,speed_kmh,datetime\n"
                       "0,0.0,10,-20,130,37.5,127.25,88,\n"
                       "1,0.1,1,1,1,0,0,1,\n"
                       "2,0.2,1,1,1,1e-05,-0.1,3,\n"
                       "3,0.3,0,0,0,inf,0,0,\n");
    // A name that tells when the clip began times every row, the camera's clock marked as UTC.
    const auto dated = cli({"telemetry", "--format", "csv", dir.file("20240517_101500_F.mov", kTrailer)});
    EXPECT_TRUE(dated.out.endsWith("2,0.2,1,1,1,1e-05,-0.1,3,2024-05-17T10:15:00.200Z\n"
                                   "3,0.3,0,0,0,inf,0,0,2024-05-17T10:15:00.300Z\n")) << dated.out.toStdString();
}

// gpsbabel's reading of a track file, as CSV rows ending in the date and time when a point has them.
drovik::test::ProgramRun gpsbabel(const char *format, const std::string &track)
{
    return drovik::test::run(QStringLiteral("gpsbabel"),
                             {QStringLiteral("-t"), QStringLiteral("-i"), QString::fromLatin1(format),
                              QStringLiteral("-f"), QString::fromStdString(track), QStringLiteral("-o"),
                              QStringLiteral("unicsv"), QStringLiteral("-F"), QStringLiteral("-")});
}

// The same track points in both map formats, byte for byte, and both as gpsbabel reads them.
TEST(TelemetryCommand, GpxAndKmlAreReadByGpsbabel)
{
    const struct {
        const char *format;
        const char *expected;
    } cases[] = {
        {"gpx", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                "<gpx version=\"1.1\" creator=\"Drovik Viewer\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
                "  <trk>\n    <name>a&amp;b.mov</name>\n    <trkseg>\n"
                "      <trkpt lat=\"37.5\" lon=\"127.25\"><cmt>0.0 s, 88 km/h</cmt></trkpt>\n"
                "      <trkpt lat=\"0.00001\" lon=\"-0.1\"><cmt>0.2 s, 3 km/h</cmt></trkpt>\n"
                "    </trkseg>\n  </trk>\n</gpx>\n"},
        {"kml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n"
                "  <Document>\n    <name>a&amp;b.mov</name>\n    <Placemark>\n      <name>a&amp;b.mov</name>\n"
                "      <LineString>\n        <tessellate>1</tessellate>\n        <coordinates>\n"
                "          127.25,37.5,0\n          -0.1,0.00001,0\n"
                "        </coordinates>\n      </LineString>\n    </Placemark>\n  </Document>\n</kml>\n"},
    };
    drovik::test::TempFolder dir;
    const std::string clip = dir.file("a&b.mov", kTrailer);
    const std::string dated = dir.file("20240517_101500_F.mov", kTrailer);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.format);
        const auto r = cli({"telemetry", "--format", c.format, clip});
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_EQ(r.out, c.expected);
        if (!drovik::test::haveProgram(QStringLiteral("gpsbabel")))
            GTEST_SKIP() << "gpsbabel is not installed";
        const auto back = gpsbabel(c.format, dir.file(std::string("track.") + c.format, r.out.toStdString()));
        EXPECT_EQ(back.exitCode, 0) << back.err.toStdString();
        EXPECT_TRUE(back.out.contains("37.500000,127.250000")) << back.out.toStdString();
        EXPECT_TRUE(back.out.contains("0.000010,-0.100000")) << back.out.toStdString();
        EXPECT_FALSE(back.out.contains("Time")) << "no start, no times";
        EXPECT_FALSE(back.err.contains("rror")) << back.err.toStdString();

        // With a start, every point carries its time.
        const auto timed = cli({"telemetry", "--format", c.format, dated});
        const auto timedBack = gpsbabel(c.format, dir.file(std::string("timed.") + c.format, timed.out.toStdString()));
        EXPECT_EQ(timedBack.exitCode, 0) << timedBack.err.toStdString();
        const QList<QByteArray> rows = timedBack.out.trimmed().split('\n');
        ASSERT_EQ(rows.size(), 3) << timedBack.out.toStdString();
        EXPECT_TRUE(rows[0].trimmed().endsWith(",Date,Time")) << rows[0].toStdString();
        EXPECT_TRUE(rows[1].trimmed().endsWith(",2024/05/17,10:15:00")) << rows[1].toStdString();
        EXPECT_TRUE(rows[2].trimmed().endsWith(",2024/05/17,10:15:00.200")) << rows[2].toStdString();
    }
}

// Other makes' clips, read through ExifTool: in GPX and KML as many points as ExifTool finds, each
// timed by the GPS (by the file name where the layout has no date); CSV and JSON of the same track;
// a clip with nothing prints the empty record as before.
TEST(TelemetryCommand, ForeignClipsInEveryFormat)
{
    if (!drovik::test::haveForeignClipTools() || !drovik::test::haveProgram(QStringLiteral("gpsbabel")))
        GTEST_SKIP() << "exiftool, ffmpeg, python3 or gpsbabel is not installed";
    drovik::test::TempFolder dir;
    ASSERT_TRUE(drovik::test::makeForeignClips(dir.root()));
    const QString undated = QStringLiteral("gps_records.mp4");
    QFile::copy(dir.path(undated), dir.path(QStringLiteral("20240517_101500_F.mp4")));
    for (const QString &name : drovik::test::kForeignLayouts + QStringList{QStringLiteral("20240517_101500_F.mp4")}) {
        SCOPED_TRACE(name.toStdString());
        const std::size_t fixes = drovik::test::exifToolFixes(dir.path(name)).size();
        for (const char *format : {"gpx", "kml"}) {
            const auto r = cli({"telemetry", "--format", format, dir.path(name).toStdString()});
            ASSERT_EQ(r.exitCode, 0);
            const auto back = gpsbabel(format, dir.file(std::string("track.") + format, r.out.toStdString()));
            const QList<QByteArray> rows = back.out.trimmed().split('\n');
            ASSERT_EQ(std::size_t(rows.size()), fixes + 1) << back.out.toStdString();
            EXPECT_EQ(rows[0].trimmed().endsWith(",Date,Time"), name != undated) << rows[0].toStdString();
            EXPECT_TRUE(rows.back().contains("48.85") && rows.back().contains("-2.35")) << rows.back().toStdString();
            if (name != undated) {
                EXPECT_TRUE(rows[1].trimmed().endsWith(",2024/05/17,10:15:00")) << rows[1].toStdString();
            }
        }
    }
    const std::string withAccelerometer = dir.path(QStringLiteral("novatek_nmea.mp4")).toStdString();
    const auto json = cli({"telemetry", withAccelerometer}).out;
    EXPECT_TRUE(json.startsWith("{\"clipDataCount\":0,\"gpsDataCount\":0,\"samples\":[],\"track\":{\"start\":"
                                "\"2024-05-17T10:15:00.000Z\",\"fixes\":[[0,48.8566133333333,-2.35221833333333,37.966,45,35],"))
        << json.toStdString();
    EXPECT_TRUE(json.endsWith("[11,0.5,0.1875,1]]}}\n")) << json.toStdString();
    const auto csv = cli({"telemetry", "--format", "csv", withAccelerometer}).out;
    EXPECT_TRUE(csv.startsWith("time_s,lat,lng,speed_kmh,heading_deg,alt_m,gx,gy,gz,datetime\n"
                               "0,48.8566133333333,-2.35221833333333,37.966,45,35,,,,2024-05-17T10:15:00.000Z\n"
                               "0,,,,,,0,-0.5,1,2024-05-17T10:15:00.000Z\n"))
        << csv.toStdString();
    EXPECT_EQ(cli({"telemetry", dir.path(QStringLiteral("base.mp4")).toStdString()}).out,
              "{\"clipDataCount\":0,\"gpsDataCount\":0,\"samples\":[]}\n");
    // Without ExifTool a foreign clip is one without telemetry, as before, and the log says why.
    qputenv("DROVIK_EXIFTOOL", dir.path(QStringLiteral("no-exiftool")).toLocal8Bit());
    const auto without = cli({"telemetry", withAccelerometer});
    qunsetenv("DROVIK_EXIFTOOL");
    EXPECT_EQ(without.exitCode, 0);
    EXPECT_EQ(without.out, "{\"clipDataCount\":0,\"gpsDataCount\":0,\"samples\":[]}\n");
    EXPECT_EQ(without.err.count("telemetry is unavailable"), 1) << without.err.toStdString();

    // Two of them one after the other on a card are one trip, with its figures.
    QDir().mkpath(dir.path(QStringLiteral("card/DCIM")));
    QFile::copy(dir.path(QStringLiteral("novatek_nmea.mp4")), dir.path(QStringLiteral("card/DCIM/20240517_101500_F.mp4")));
    QFile::copy(dir.path(QStringLiteral("free_gps_nmea.mp4")), dir.path(QStringLiteral("card/DCIM/20240517_101512_F.mp4")));
    const auto trips = cli({"trips", "--json", dir.path(QStringLiteral("card")).toStdString()}).out;
    EXPECT_TRUE(trips.contains("\"durationS\":23.1,\"distanceM\":") && trips.contains("\"maxSpeedKmh\":63.0")
                && trips.contains("\"clips\":[\"DCIM/20240517_101500_F.mp4\",\"DCIM/20240517_101512_F.mp4\"]"))
        << trips.toStdString();
    const auto trackOfTrip = cli({"trips", "--export", "0", dir.path(QStringLiteral("card")).toStdString()});
    const auto back = gpsbabel("gpx", dir.file("trip.gpx", trackOfTrip.out.toStdString()));
    EXPECT_EQ(back.out.trimmed().split('\n').size(), 2 * drovik::test::kForeignFixCount + 1) << back.out.toStdString();
    EXPECT_EQ(trackOfTrip.out.count("<trkseg>"), 2);

    // An incident taken from one: the moment's telemetry and the span's fixes.
    QDir().mkpath(dir.path(QStringLiteral("out")));
    const std::string clip = dir.path(QStringLiteral("card/DCIM/20240517_101500_F.mp4")).toStdString();
    ASSERT_EQ(cli({"export", clip, "--at", "5", "--before", "2", "--after", "2", "--out", dir.path(QStringLiteral("out")).toStdString()}).exitCode, 0);
    const QString incident = dir.path(QStringLiteral("out/20240517_101500_F_at_00m05s/"));
    EXPECT_TRUE(drovik::test::readFile(incident + QStringLiteral("summary.txt")).contains("Position: 48.857"));
    EXPECT_EQ(drovik::test::readFile(incident + QStringLiteral("20240517_101500_F.gpx")).count("<trkpt"), 5);
}

TEST(TelemetryCommand, FamilyLoader)
{
    drovik::test::TempFolder dir;
    drovik::test::RiffBuilder riff;
    riff.accelKvl(0x8D, 0x73, 0x80).chunk("02tx", "$GPRMC,1,V,,,,,");
    const std::string path = dir.file("Rec_1.avi", riff.bytes());
    const std::string head = "{\"clipDataCount\":10,\"gpsDataCount\":0,\"samples\":[";
    EXPECT_EQ(cli({"telemetry", "--kvl", path}).out.toStdString().substr(0, head.size() + 20),
              head + "[130,-130,0,0,0,0],[");
    EXPECT_EQ(cli({"telemetry", path}).out.toStdString().substr(0, head.size() + 18),
              head + "[-13,13,0,0,0,0],[");
}

// An MP4 keeps its telemetry in its subtitle stream, read as the viewer reads it; with no date in
// its name, the points are timed by the GPS.
TEST(TelemetryCommand, Mp4SubtitleStream)
{
    if (!drovik::test::haveProgram(QStringLiteral("ffmpeg")))
        GTEST_SKIP() << "ffmpeg is not installed";
    drovik::test::TempFolder dir;
    const QString clip = dir.path(QStringLiteral("clip.mp4"));
    ASSERT_TRUE(drovik::test::makeMp4WithSubtitles(
        clip, "1\n00:00:00,000 --> 00:00:01,000\n"
              "gsensori,1,1024,64,0,-64;GPRMC,120001.90,A,3723.2575,N,12658.3140,E,20.0,0,010120,,,A\n\n"
              "2\n00:00:01,000 --> 00:00:02,000\n"
              "gsensori,1,1024,32,0,-32;GPRMC,120002.90,A,3723.2675,N,12658.3240,E,20.0,0,010120,,,A\n\n"));
    const auto json = cli({"telemetry", clip.toStdString()});
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_TRUE(json.out.startsWith("{\"clipDataCount\":20,\"gpsDataCount\":20,\"samples\":[[8,0,-7,37.387627,126.9719,37],"))
        << json.out.toStdString();
    const auto csv = cli({"telemetry", "--format", "csv", clip.toStdString()});
    EXPECT_TRUE(csv.out.contains("\n10,1.0,4,0,-3,37.38779,126.97207,37,2020-01-01T12:00:02.000Z\n"))
        << csv.out.toStdString();
    EXPECT_EQ(QDir(dir.root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{QStringLiteral("clip.mp4")})
        << "nothing is extracted beside the clip";
}

TEST(TelemetryCommand, Errors)
{
    EXPECT_EQ(cli({"telemetry", "/nonexistent/clip.mp4"}).exitCode, 1);
    EXPECT_EQ(cli({"telemetry"}).exitCode, 2);
    EXPECT_EQ(cli({"telemetry", "--format", "xml", "a"}).exitCode, 2);
    EXPECT_EQ(cli({"telemetry", "a", "b"}).exitCode, 2);
    EXPECT_EQ(cli({"telemetry", "--bogus", "a"}).exitCode, 2);
    EXPECT_TRUE(cli({"telemetry", "/nonexistent"}).err.contains("cannot read"));
}

const std::string kCues = "1\n00:00:05,000 --> 00:00:05,100\ngsensor,1,2,3;GPRMC,1,A,3723.2475,N,12658.3040,E,10.0\n\n"
                          "2\n00:00:06,000 --> 00:00:06,100\ngsensor,600,2,3\n\n";

TEST(CuesCommand, Entries)
{
    drovik::test::TempFolder dir;
    const auto r = cli({"cues", dir.file("a.srt", kCues)});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "{\"entries\":[{\"cts\":5000,\"gx\":1,\"gy\":2,\"gz\":3,\"lat\":37.38746,\"lng\":126.971725,\"speed\":19},"
                     "{\"cts\":6000,\"gx\":512,\"gy\":2,\"gz\":3,\"lat\":512,\"lng\":512,\"speed\":1024}]}\n");
}

TEST(CuesCommand, Lookups)
{
    drovik::test::TempFolder dir;
    const auto r = cli({"cues", dir.file("a.srt", kCues), "--at", "50", "--at", "49", "--at", "-3", "--at", "60"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out,
              "{\"index\":50,\"sensor\":{\"found\":true,\"x\":1,\"y\":2,\"z\":3},\"gps\":{\"result\":0,\"lat\":37.38746,\"lng\":126.971725,\"speed\":19}}\n"
              "{\"index\":49,\"sensor\":{\"found\":false},\"gps\":{\"result\":1,\"lat\":37.38746,\"lng\":126.971725,\"speed\":19}}\n"
              "{\"index\":-3,\"sensor\":{\"found\":false},\"gps\":{\"result\":2}}\n"
              "{\"index\":60,\"sensor\":{\"found\":true,\"x\":512,\"y\":2,\"z\":3},\"gps\":{\"result\":2}}\n");
    EXPECT_EQ(cli({"cues", dir.file("b.srt", kCues), "--at", "x"}).exitCode, 2);
    EXPECT_EQ(cli({"cues", dir.file("c.srt", kCues), "--at"}).exitCode, 2);
    EXPECT_EQ(cli({"cues"}).exitCode, 2);
    EXPECT_EQ(cli({"cues", "/nonexistent.srt"}).exitCode, 1);
}

} // namespace
