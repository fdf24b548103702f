// drovik trips, run as a user would run it, on a card whose clips carry known routes in a trailer
// block (read the way `drovik telemetry` reads them).
#include "programs.h"

#include <gtest/gtest.h>

#include <functional>

using namespace drovik::test;

namespace {

// Around midnight, north along 20° E at 0.001° (111.195 m) a second and 36 km/h:
//   cont_rec  23:59:30, 23:59:50, 00:00:10, 20 s each, front and rear: one drive past midnight
//             (a braking at 23:59:55);
//   evt_rec   23:59:55, 10 s, recorded during the second clip: an extra;
//   parking_rec 00:00:30, 10 s: right after the drive, but parked;
//   cont_rec  00:01:00, 10 s, no fix: 30 s after the drive, a drive of its own;
//   cont_rec/clip.mp4, 5 s, no time in its name.
class TripsCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Sample i of the clip starting `first` seconds into the drive; a braking at sample brakeAt.
        const auto drive = [](int first, int brakeAt = -1) {
            return [=](int i) {
                return QStringLiteral("x,%1,20,36,0,%2,128\n").arg(10 + 0.001 * (first + i / 10), 0, 'f', 4).arg(i == brakeAt ? -96 : 0);
            };
        };
        ASSERT_TRUE(clip("cont_rec/20240517_235930", 200, drive(0)));
        ASSERT_TRUE(clip("cont_rec/20240517_235950", 200, drive(20, 50)));
        ASSERT_TRUE(clip("cont_rec/20240518_000010", 200, drive(40)));
        ASSERT_TRUE(clip("evt_rec/20240517_235955", 100, [](int) { return QStringLiteral("x,10.025,20,36,0,-96,128\n"); }));
        ASSERT_TRUE(clip("parking_rec/20240518_000030", 100, [](int) { return QStringLiteral("x,10.06,20,0,0,0,128\n"); }));
        ASSERT_TRUE(clip("cont_rec/20240518_000100", 100, [](int) { return QStringLiteral("x,0,0,0,0,0,128\n"); }));
        ASSERT_TRUE(tree.put(QStringLiteral("cont_rec/clip.mp4"), trailer(50, [](int) { return QStringLiteral("x,0,0,0,0,0,128\n"); })));
    }
    static QByteArray trailer(int samples, const std::function<QString(int)> &line)
    {
        QString text = QStringLiteral("ETKQX4");
        for (int i = 0; i < samples; ++i)
            text += line(i);
        return text.toUtf8();
    }
    // A front clip with the telemetry and its rear partner (no telemetry of its own).
    bool clip(const char *name, int samples, const std::function<QString(int)> &line) const
    {
        const QString base = QString::fromUtf8(name);
        return tree.put(base + QStringLiteral("_F.mp4"), trailer(samples, line))
               && tree.touch({base + QStringLiteral("_R.mp4")});
    }
    TempFolder tree;
};

TEST_F(TripsCli, JsonAndText)
{
    const ProgramRun json = runDrovik("trips ROOT --json", tree.root());
    EXPECT_EQ(json.exitCode, 0) << json.err.toStdString();
    // 59 steps of 111.195 m; one braking (the event clip's is not counted twice).
    EXPECT_EQ(json.out,
              R"({"trips":[)"
              R"({"start":"2024-05-17T23:59:30","end":"2024-05-18T00:00:30","durationS":60.0,"distanceM":6560.5,)"
              R"("movingS":60.0,"maxSpeedKmh":36.0,"avgSpeedKmh":36.0,)"
              R"("events":{"braking":1,"acceleration":0,"cornering":0,"impact":0},)"
              R"("clips":["cont_rec/20240517_235930_F.mp4","cont_rec/20240517_235950_F.mp4","cont_rec/20240518_000010_F.mp4"]},)"
              R"({"start":"2024-05-18T00:00:30","end":"2024-05-18T00:00:40","durationS":10.0,"distanceM":0.0,)"
              R"("movingS":0.0,"maxSpeedKmh":0.0,"avgSpeedKmh":0.0,)"
              R"("events":{"braking":0,"acceleration":0,"cornering":0,"impact":0},"clips":["parking_rec/20240518_000030_F.mp4"]},)"
              R"({"start":"2024-05-18T00:01:00","end":"2024-05-18T00:01:10","durationS":10.0,"distanceM":0.0,)"
              R"("movingS":0.0,"maxSpeedKmh":0.0,"avgSpeedKmh":0.0,)"
              R"("events":{"braking":0,"acceleration":0,"cornering":0,"impact":0},"clips":["cont_rec/20240518_000100_F.mp4"]},)"
              R"({"start":null,"end":null,"durationS":5.0,"distanceM":0.0,"movingS":0.0,"maxSpeedKmh":0.0,"avgSpeedKmh":0.0,)"
              R"("events":{"braking":0,"acceleration":0,"cornering":0,"impact":0},"clips":["cont_rec/clip.mp4"]}]})"
              "\n");
    const ProgramRun text = runDrovik("trips ROOT", tree.root());
    EXPECT_TRUE(text.out.startsWith("0\t2024-05-17T23:59:30\t2024-05-18T00:00:30\t60.0 s\t6560.5 m\t3 clips\n1\t"))
        << text.out.toStdString();
    EXPECT_TRUE(text.out.endsWith("3\t-\t-\t5.0 s\t0.0 m\t1 clip\n")) << text.out.toStdString();
    // A gap of 30 s joins the late clip to the drive; parking still stays apart.
    EXPECT_EQ(runDrovik("trips ROOT --gap 30", tree.root()).out.count('\n'), 3);
}

// The drive's track: one segment per clip, every point timed from its clip's own start.
TEST_F(TripsCli, ExportedTrackIsReadByGpsbabel)
{
    const ProgramRun csv = runDrovik("trips ROOT --export 0 --format csv", tree.root());
    EXPECT_EQ(csv.out.count('\n'), 601);
    EXPECT_TRUE(csv.out.contains("\ncont_rec/20240518_000010_F.mp4,199,19.9,0,0,128,10.059,20,36,2024-05-18T00:00:29.900Z\n"))
        << csv.out.left(300).toStdString();
    const ProgramRun gpx = runDrovik("trips ROOT --export 0", tree.root());
    EXPECT_EQ(gpx.out.count("<trkseg>"), 3);
    const ProgramRun kml = runDrovik("trips ROOT --export=0 --format kml", tree.root());
    EXPECT_EQ(kml.out.count("<Placemark>"), 3);
    if (!haveProgram(QStringLiteral("gpsbabel")))
        GTEST_SKIP() << "gpsbabel is not installed";
    ASSERT_TRUE(tree.put(QStringLiteral("trip.gpx"), gpx.out));
    const QList<QByteArray> rows = gpsbabelRows(QStringLiteral("gpx"), tree.path(QStringLiteral("trip.gpx")));
    ASSERT_EQ(rows.size(), 601);
    EXPECT_TRUE(rows[1].endsWith(",2024/05/17,23:59:30")) << rows[1].toStdString();
    EXPECT_TRUE(rows[201].endsWith(",2024/05/17,23:59:50")) << rows[201].toStdString();
    EXPECT_TRUE(rows[600].endsWith(",2024/05/18,00:00:29.900")) << rows[600].toStdString();
}

TEST_F(TripsCli, UsageAndErrors)
{
    const struct {
        const char *args;
        int exitCode;
    } cases[] = {
        {"trips", 2},
        {"trips ROOT --gap -1", 2},
        {"trips ROOT --gap x", 2},
        {"trips ROOT --export -1", 2},
        {"trips ROOT --format gpx", 2},
        {"trips ROOT --export 0 --format svg", 2},
        {"trips ROOT --export 0 --json", 2},
        {"trips ROOT ROOT", 2},
        {"trips ROOT --export 4", 1},
        {"trips ROOT/missing", 1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(runDrovik(c.args, tree.root()).exitCode, c.exitCode) << c.args;
    TempFolder empty;
    EXPECT_EQ(runDrovik("trips ROOT --json", empty.root()).out, "{\"trips\":[]}\n");
}

} // namespace
