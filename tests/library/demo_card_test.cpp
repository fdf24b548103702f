// scripts/make-demo-card, end to end: the card it makes is recognised, listed in the right order
// and colours, converts, and carries telemetry the readers understand.
#include "library/recording_library.h"
#include "playback/convert/video_conversion.h"
#include "telemetry/clip_data.h"
#include "telemetry/gforce_events.h"
#include "telemetry/subtitle_data.h"
#include "programs.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>

using namespace drovik;
using namespace drovik::test;

namespace {

class DemoCard : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!haveProgram(QStringLiteral("ffmpeg")) || !haveProgram(QStringLiteral("ffprobe")))
            return;
        dir = new QTemporaryDir;
        qputenv("DROVIK_CLI", DROVIK_CLI);
        made = run(QStringLiteral(DROVIK_SOURCE_DIR "/scripts/make-demo-card"), {root()}).exitCode;
    }
    static void TearDownTestSuite()
    {
        delete dir;
        dir = nullptr;
    }
    void SetUp() override
    {
        if (!dir)
            GTEST_SKIP() << "ffmpeg is not installed";
        ASSERT_EQ(made, 0);
    }
    static QString root() { return dir->path() + QStringLiteral("/DROVIK_DEMO"); }
    static QString at(const char *relative) { return root() + QLatin1Char('/') + QString::fromUtf8(relative); }

    static inline QTemporaryDir *dir = nullptr;
    static inline int made = -1;
};

TEST_F(DemoCard, IsARecognisedR640)
{
    const ProgramRun card = run(QStringLiteral(DROVIK_CLI), {QStringLiteral("card"), root()});
    EXPECT_TRUE(card.out.startsWith(R"({"modelType":1,"modelName":"R640","version":"1.00.07",)"
                                    R"("firmwareVersionInt":7,"localID":-1,)"
                                    R"("languages":[[0,"en"],[1,"fr"],[2,"ja"],[3,"pt"],[4,"ko"]],)"
                                    R"("recordSize":432,)"))
        << card.out.toStdString();
}

TEST_F(DemoCard, EveryFolderIsListedInOrderAndColour)
{
    const QList<QUrl> shown = applyVideoFileFilter(scanSelectedFolder(QUrl::fromLocalFile(root())),
                                                   VideoFileFilterAll);
    QStringList names;
    for (const QUrl &url : shown)
        names.append(QDir(root()).relativeFilePath(url.toLocalFile()));
    const QStringList expected = QStringLiteral(
        "Saved_Videos/20240517_101600_F.mp4 cont_rec/20240517_101500_F.mp4 cont_rec/20240517_101500_R.mp4 "
        "cont_rec/20240517_101530_F.mp4 cont_rec/20240517_101530_R.mp4 evt_rec/20240517_101600_F.mp4 "
        "evt_rec/20240517_101600_R.mp4 sos_rec/20240517_101620.mov manual_rec/20240517_101640.avi "
        "parking_rec/20240517_103000_F.mp4 parking_rec/20240517_103000_R.mp4 motion_rec/20240517_103500_F.mp4 "
        "motion_rec/20240517_103500_R.mp4").split(QLatin1Char(' '));
    EXPECT_EQ(names, expected);
    ASSERT_EQ(shown.size(), expected.size());
    EXPECT_EQ(videoFileCellColor(shown[0]), VideoFileCellColor::Magenta);
    EXPECT_EQ(videoFileCellColor(shown[7]), VideoFileCellColor::Yellow);
    EXPECT_EQ(videoFileCellColor(shown[1]), VideoFileCellColor::Default);
    EXPECT_TRUE(isMp4Partner(shown[1], shown[2]));
    for (const int filter : {1, 2, 3, 4})
        EXPECT_FALSE(applyVideoFileFilter(shown, filter).isEmpty()) << filter;
}

TEST_F(DemoCard, Mp4PairConvertsAndItsSubtitlesCarryTheDrive)
{
    const QTemporaryDir work;
    const auto files = VideoConverter(work.path()).checkAndConvertVideo(
        QUrl::fromLocalFile(at("evt_rec/20240517_101600_F.mp4")));
    ASSERT_TRUE(files.has_value());
    ASSERT_EQ(files->size(), 2);
    const QString srt = files->at(0).toLocalFile().replace(QStringLiteral(".mov"), QStringLiteral(".srt"));

    DrovikClipData record;
    record.loadVideoFileClipDataFromFilePath(srt.toStdString());
    EXPECT_EQ(record.clipDataCount(), 200u);
    EXPECT_EQ(record.gpsDataCount(), 200u);
    // Westbound on the Champs-Élysées, and the hard braking 8 s in.
    EXPECT_NEAR(record.getGpsLat(0), 48.8689, 0.0005);
    EXPECT_NEAR(record.getGpsLng(0), 2.3106, 0.0005);
    EXPECT_GT(record.getGpsLat(199), record.getGpsLat(0));
    EXPECT_LT(record.getGpsLng(199), record.getGpsLng(0));
    int hardest = 0;
    for (int i = 0; i < 200; ++i)
        hardest = std::min(hardest, record.getGy(i));
    EXPECT_LT(hardest, -64); // beyond 0.5 g
    // The viewer marks it: one harsh braking, peaking in the second half second of the stop.
    const std::vector<telemetry::GForceEvent> events = telemetry::detectGForceEvents(record);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, telemetry::GForceEventKind::HarshBraking);
    EXPECT_GE(events[0].timeSeconds, 8.5);
    EXPECT_LE(events[0].timeSeconds, 9.5);
    EXPECT_GT(events[0].peakG, 0.6f);
    EXPECT_GT(record.getGpsSpeed(50), record.getGpsSpeed(100));

    const SubtitleData cues = SubtitleData::loadFromPath(srt.toStdString());
    EXPECT_EQ(cues.entries.size(), 200u);
    float lat = 0, lng = 0;
    std::uint32_t speed = 0;
    EXPECT_EQ(cues.getGpsAt(9, lat, lng, speed), 0);
    EXPECT_EQ(cues.getGpsAt(15, lat, lng, speed), 1);
    int x = 0, y = 0, z = 0;
    EXPECT_TRUE(cues.getSensorAt(15, x, y, z));
    EXPECT_NEAR(z, 128, 10);
}

// Each telemetry form the card carries, read from what the viewer plays or extracts: a parked
// clip's subtitles without a fix, a dual-stream AVI's RIFF records, a MOV's trailer.
TEST_F(DemoCard, EachClipFormConvertsAndCarriesItsTelemetry)
{
    struct Case { const char *clip; int played; bool fromSubtitles; uint32_t withFix; };
    for (const Case &c : {Case{"parking_rec/20240517_103000_R.mp4", 2, true, 0},
                          Case{"manual_rec/20240517_101640.avi", 2, false, 200},
                          Case{"sos_rec/20240517_101620.mov", 1, false, 200}}) {
        const QTemporaryDir work;
        const auto files = VideoConverter(work.path()).checkAndConvertVideo(QUrl::fromLocalFile(at(c.clip)));
        ASSERT_TRUE(files.has_value()) << c.clip;
        ASSERT_EQ(files->size(), c.played) << c.clip;
        const QString source = c.fromSubtitles
            ? files->at(0).toLocalFile().replace(QStringLiteral(".mov"), QStringLiteral(".srt"))
            : at(c.clip);
        DrovikClipData record;
        record.loadVideoFileClipDataFromFilePath(source.toStdString());
        EXPECT_EQ(record.clipDataCount(), 200u) << c.clip;
        EXPECT_EQ(record.gpsDataCount(), c.withFix) << c.clip;
        // Parked with a door shut, the drive after the stop with its pothole: no G-force event.
        EXPECT_TRUE(telemetry::detectGForceEvents(record).empty()) << c.clip;
    }
}

// `drovik telemetry` reads an MP4's subtitle stream as the viewer does, and times the track from
// the clip's name.
TEST_F(DemoCard, TelemetryCommandReadsTheMp4ClipsAsTheViewerDoes)
{
    struct Case { const char *clip; const char *counts; const char *firstTime; };
    for (const Case &c : {Case{"cont_rec/20240517_101500_F.mp4", "{\"clipDataCount\":300,\"gpsDataCount\":300,",
                               "2024-05-17T10:15:00.000Z"},
                          Case{"parking_rec/20240517_103000_R.mp4", "{\"clipDataCount\":200,\"gpsDataCount\":0,",
                               "2024-05-17T10:30:00.000Z"}}) {
        const ProgramRun json = run(QStringLiteral(DROVIK_CLI), {QStringLiteral("telemetry"), at(c.clip)});
        EXPECT_EQ(json.exitCode, 0) << c.clip;
        EXPECT_TRUE(json.out.startsWith(c.counts)) << c.clip << json.out.left(80).toStdString();
        const ProgramRun csv = run(QStringLiteral(DROVIK_CLI),
                                   {QStringLiteral("telemetry"), QStringLiteral("--format"), QStringLiteral("csv"), at(c.clip)});
        EXPECT_EQ(csv.out.split('\n').value(1).split(',').value(8).toStdString(), c.firstTime) << c.clip;
    }
}

// The card's drive as one trip: the two continuous clips, the event after them, the SOS and manual
// clips that follow on; the saved copy of the event is not played twice; parking and motion
// clips are trips of their own. Its track holds every clip's points, timed from each clip's name.
TEST_F(DemoCard, TripsCommandFindsTheDrive)
{
    const ProgramRun json = run(QStringLiteral(DROVIK_CLI), {QStringLiteral("trips"), root(), QStringLiteral("--json")});
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_TRUE(json.out.startsWith(R"({"trips":[{"start":"2024-05-17T10:15:00","end":"2024-05-17T10:17:00","durationS":120.0,)"))
        << json.out.toStdString();
    EXPECT_TRUE(json.out.contains(R"("events":{"braking":1,"acceleration":0,"cornering":0,"impact":0},)"
                                  R"("clips":["cont_rec/20240517_101500_F.mp4","cont_rec/20240517_101530_F.mp4",)"
                                  R"("evt_rec/20240517_101600_F.mp4","sos_rec/20240517_101620.mov","manual_rec/20240517_101640.avi"]},)"
                                  R"({"start":"2024-05-17T10:30:00",)"))
        << json.out.toStdString();
    EXPECT_EQ(json.out.count("\"start\""), 3);

    if (!haveProgram(QStringLiteral("gpsbabel")))
        GTEST_SKIP() << "gpsbabel is not installed";
    const QTemporaryDir work;
    int points = 0;
    for (const char *clip : {"cont_rec/20240517_101500_F.mp4", "cont_rec/20240517_101530_F.mp4",
                             "evt_rec/20240517_101600_F.mp4", "sos_rec/20240517_101620.mov",
                             "manual_rec/20240517_101640.avi"}) {
        const ProgramRun one = run(QStringLiteral(DROVIK_CLI), {QStringLiteral("telemetry"), QStringLiteral("--format"),
                                                                QStringLiteral("gpx"), at(clip)});
        ASSERT_TRUE(writeFile(work.filePath(QStringLiteral("clip.gpx")), one.out));
        points += gpsbabelPointCount(QStringLiteral("gpx"), work.filePath(QStringLiteral("clip.gpx")));
    }
    const ProgramRun trip = run(QStringLiteral(DROVIK_CLI), {QStringLiteral("trips"), root(), QStringLiteral("--export"),
                                                             QStringLiteral("0")});
    ASSERT_TRUE(writeFile(work.filePath(QStringLiteral("trip.gpx")), trip.out));
    const QList<QByteArray> rows = gpsbabelRows(QStringLiteral("gpx"), work.filePath(QStringLiteral("trip.gpx")));
    EXPECT_GT(points, 800);
    ASSERT_EQ(rows.size(), points + 1);
    EXPECT_TRUE(rows[1].endsWith(",2024/05/17,10:15:00")) << rows[1].toStdString();
    EXPECT_TRUE(rows[301].endsWith(",2024/05/17,10:15:30")) << rows[301].toStdString();
}

TEST_F(DemoCard, RunningAgainGivesTheSameCardAndLeavesOthersAlone)
{
    const ProgramRun again = run(QStringLiteral(DROVIK_SOURCE_DIR "/scripts/make-demo-card"), {root()});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(scanSelectedFolder(QUrl::fromLocalFile(root())).size(), 13);
    EXPECT_EQ(QDir(dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("DROVIK_DEMO")});

    const QString other = dir->path() + QStringLiteral("/mine");
    ASSERT_TRUE(QDir().mkpath(other));
    ASSERT_TRUE(writeFile(other + QStringLiteral("/keep.txt"), {}));
    EXPECT_EQ(run(QStringLiteral(DROVIK_SOURCE_DIR "/scripts/make-demo-card"), {other}).exitCode, 1);
    EXPECT_TRUE(QFile::exists(other + QStringLiteral("/keep.txt")));
    // A missing parent is refused before anything is made, here or in the current folder.
    EXPECT_EQ(run(QStringLiteral(DROVIK_SOURCE_DIR "/scripts/make-demo-card"),
                  {QStringLiteral("/nonexistent/parent/X")}, 120000, dir->path()).exitCode, 1);
    EXPECT_EQ(QDir(dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              (QStringList{QStringLiteral("DROVIK_DEMO"), QStringLiteral("mine")}));
}

} // namespace
