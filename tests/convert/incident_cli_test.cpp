// drovik export, run as a user would run it, on a generated front/rear pair with known telemetry:
// the cuts (ffprobe), the span's track (gpsbabel), the stills' text (Qt's PNG reader), and the
// promise that a failed or interrupted export leaves nothing behind.
#include "incident_test_clips.h"
#include "programs.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <unistd.h>

using namespace drovik::test;

namespace {

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

class ExportCli : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!haveProgram(QStringLiteral("ffmpeg")) || !haveProgram(QStringLiteral("ffprobe")))
            return;
        s_clips = new QTemporaryDir;
        // Passed to another user below: the clips must be readable by everyone.
        QFile::setPermissions(s_clips->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                                   | QFileDevice::ReadOther | QFileDevice::ExeOther);
        s_made = KnownTelemetry::makePair(s_clips->path(), QStringLiteral("20240517_101600"), 12);
    }
    static void TearDownTestSuite()
    {
        delete s_clips;
        s_clips = nullptr;
    }
    void SetUp() override
    {
        if (!s_clips)
            GTEST_SKIP() << "ffmpeg is not installed";
        ASSERT_TRUE(s_made);
    }
    static QString front() { return s_clips->path() + QStringLiteral("/20240517_101600_F.mp4"); }

    static inline QTemporaryDir *s_clips = nullptr;
    static inline bool s_made = false;
    QTemporaryDir out;
};

TEST_F(ExportCli, CutsTrackStillsAndSummaryOfTheSpan)
{
    const ProgramRun run = runDrovik({QStringLiteral("export"), front(), QStringLiteral("--at"), QStringLiteral("6.9"),
                                      QStringLiteral("--before"), QStringLiteral("3"), QStringLiteral("--after=2"),
                                      QStringLiteral("--out"), out.path()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString folder = out.path() + QStringLiteral("/20240517_101600_F_at_00m06s");
    EXPECT_EQ(run.out, folder.toUtf8() + '\n');
    EXPECT_EQ(entriesOf(out.path()), QStringList{QStringLiteral("20240517_101600_F_at_00m06s")});
    EXPECT_EQ(entriesOf(folder),
              (QStringList{QStringLiteral("20240517_101600_F.gpx"), QStringLiteral("20240517_101600_F.mp4"),
                           QStringLiteral("20240517_101600_F.png"), QStringLiteral("20240517_101600_R.mp4"),
                           QStringLiteral("20240517_101600_R.png"), QStringLiteral("summary.txt")}));

    // Both cuts play the asked 5 s (3.9 … 8.9 s) and keep pictures, sound and the telemetry.
    for (const char *side : {"F", "R"}) {
        const QString cut = folder + QStringLiteral("/20240517_101600_%1.mp4").arg(QLatin1String(side));
        EXPECT_GE(probeDuration(cut), 5.0 - 0.1) << side;
        EXPECT_LE(probeDuration(cut), 5.0 + 2.1) << side << ": at most the key frame interval more";
        EXPECT_EQ(probeStreams(cut), (QStringList{QStringLiteral("video 160x90"), QStringLiteral("audio"),
                                                  QStringLiteral("subtitle")})) << side;
    }

    // The track holds the span's samples only: 39 … 88.
    const QString gpx = folder + QStringLiteral("/20240517_101600_F.gpx");
    if (haveProgram(QStringLiteral("gpsbabel"))) {
        EXPECT_EQ(gpsbabelPointCount(QStringLiteral("gpx"), gpx), 50);
    }
    const QString track = QString::fromUtf8(readFile(gpx));
    EXPECT_EQ(track.count(QStringLiteral("<trkpt")), 50);
    EXPECT_TRUE(track.contains(QStringLiteral("<time>2024-05-17T10:16:03.900Z</time><cmt>3.9 s,")))
        << "the first sample of the span, timed from the clip's name";
    EXPECT_TRUE(track.contains(QStringLiteral("<cmt>8.8 s,"))) << "the last sample of the span";
    EXPECT_FALSE(track.contains(QStringLiteral("<cmt>3.8 s,")));
    EXPECT_FALSE(track.contains(QStringLiteral("<cmt>8.9 s,")));

    // Each still is the moment's frame with the moment's date, position, speed and G (6.9 s: the
    // cue that closes second 6 with its fix).
    const int i = 69, second = 6;
    for (const char *side : {"F", "R"}) {
        const QImage still(folder + QStringLiteral("/20240517_101600_%1.png").arg(QLatin1String(side)));
        ASSERT_FALSE(still.isNull()) << side;
        EXPECT_EQ(still.size(), QSize(160, 90));
        EXPECT_EQ(still.text(QStringLiteral("Creation Time")), QStringLiteral("2024-05-17T10:16:06"));
        EXPECT_EQ(still.text(QStringLiteral("Drovik:ClipTime")), QStringLiteral("6.900"));
        EXPECT_NEAR(still.text(QStringLiteral("Drovik:Latitude")).toDouble(), KnownTelemetry::lat(second), 1e-5);
        EXPECT_NEAR(still.text(QStringLiteral("Drovik:Longitude")).toDouble(), KnownTelemetry::lng(second), 1e-5);
        EXPECT_NEAR(still.text(QStringLiteral("Drovik:SpeedKmh")).toDouble(), KnownTelemetry::knots(second) * 1.852, 1.0);
        EXPECT_NEAR(still.text(QStringLiteral("Drovik:GX")).toDouble(), KnownTelemetry::gx(i), 1.0 / 128);
        EXPECT_NEAR(still.text(QStringLiteral("Drovik:GY")).toDouble(), 0.25, 1.0 / 128);
        EXPECT_NEAR(still.text(QStringLiteral("Drovik:GZ")).toDouble(), 1.0, 1.0 / 128);
    }

    // The summary names both clips and holds each file's SHA-256, as sha256sum computes it.
    const QString summary = QString::fromUtf8(readFile(folder + QStringLiteral("/summary.txt")));
    EXPECT_TRUE(summary.contains(front())) << summary.toStdString();
    EXPECT_TRUE(summary.contains(s_clips->path() + QStringLiteral("/20240517_101600_R.mp4")));
    EXPECT_TRUE(summary.contains(QStringLiteral("2024-05-17T10:16:06")));
    const QRegularExpression line(QStringLiteral("^([0-9a-f]{64})  (\\S+)$"), QRegularExpression::MultilineOption);
    int checked = 0;
    for (auto it = line.globalMatch(summary); it.hasNext(); ++checked) {
        const QRegularExpressionMatch m = it.next();
        const ProgramRun sum = drovik::test::run(QStringLiteral("sha256sum"), {m.captured(2)}, 10000, folder);
        EXPECT_TRUE(sum.out.startsWith(m.captured(1).toLatin1())) << m.captured(2).toStdString();
    }
    EXPECT_EQ(checked, 5);

    // A second export of the same moment never replaces the first.
    const ProgramRun again = runDrovik({QStringLiteral("export"), front(), QStringLiteral("--at"), QStringLiteral("6.2"),
                                        QStringLiteral("--out"), out.path()});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.out, folder.toUtf8() + "_2\n");
}

TEST_F(ExportCli, SpanKeptWithinTheClip)
{
    const ProgramRun run = runDrovik({QStringLiteral("export"), front(), QStringLiteral("--at"), QStringLiteral("11"),
                                      QStringLiteral("--out"), out.path()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString folder = QString::fromUtf8(run.out.trimmed());
    EXPECT_NEAR(probeDuration(folder + QStringLiteral("/20240517_101600_F.mp4")), 12.0, 0.2) << "0 … 12 s, the whole clip";
    EXPECT_EQ(QString::fromUtf8(readFile(folder + QStringLiteral("/20240517_101600_F.gpx"))).count(QStringLiteral("<trkpt")), 120);
    const QRegularExpressionMatch span = QRegularExpression(QStringLiteral(" to (\\d+\\.\\d+) s \\(asked"))
                                             .match(QString::fromUtf8(readFile(folder + QStringLiteral("/summary.txt"))));
    ASSERT_TRUE(span.hasMatch());
    EXPECT_NEAR(span.captured(1).toDouble(), 12.0, 0.2) << "the summary's span ends with the clip";
}

TEST_F(ExportCli, UsageAndFailures)
{
    const QString clip = front();
    const struct {
        QStringList args;
        int exit;
    } cases[] = {
        {{QStringLiteral("--at"), QStringLiteral("1"), QStringLiteral("--out"), QStringLiteral("/tmp")}, 2}, // no CLIP
        {{clip, QStringLiteral("--out"), out.path()}, 2},
        {{clip, QStringLiteral("--at"), QStringLiteral("1")}, 2},
        {{clip, QStringLiteral("--at"), QStringLiteral("-1"), QStringLiteral("--out"), out.path()}, 2},
        {{clip, QStringLiteral("--at"), QStringLiteral("1s"), QStringLiteral("--out"), out.path()}, 2},
        {{clip, QStringLiteral("--at"), QStringLiteral("nan"), QStringLiteral("--out"), out.path()}, 2},
        {{clip, QStringLiteral("--at=1"), QStringLiteral("--before"), QStringLiteral("x"), QStringLiteral("--out"), out.path()}, 2},
        {{clip, QStringLiteral("--at=1"), QStringLiteral("--after"), QStringLiteral("-2"), QStringLiteral("--out"), out.path()}, 2},
        {{clip, QStringLiteral("--at=1"), QStringLiteral("--bogus"), QStringLiteral("--out"), out.path()}, 2},
        {{clip, QStringLiteral("--at=12.5"), QStringLiteral("--out"), out.path()}, 2}, // past the end
        {{clip + QStringLiteral(".gone"), QStringLiteral("--at=1"), QStringLiteral("--out"), out.path()}, 1},
        {{clip, QStringLiteral("--at=1"), QStringLiteral("--out"), out.path() + QStringLiteral("/missing")}, 1},
    };
    for (const auto &c : cases) {
        const ProgramRun run = runDrovik(QStringList{QStringLiteral("export")} + c.args);
        EXPECT_EQ(run.exitCode, c.exit) << c.args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_FALSE(run.err.isEmpty());
    }
    EXPECT_EQ(entriesOf(out.path()), QStringList());
}

// As root every folder is writable, so the read-only folder is tried as an unprivileged user
// (setpriv), for whom a 0555 folder really is read-only; a path under a regular file fails for
// everyone. Either way: a message, exit 1, and nothing left.
TEST_F(ExportCli, UnwritableOutputLeavesNothing)
{
    ASSERT_TRUE(writeFile(out.path() + QStringLiteral("/file"), "x"));
    const QString readOnly = out.path() + QStringLiteral("/read-only");
    ASSERT_TRUE(QDir().mkpath(readOnly));
    QFile::setPermissions(out.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                          | QFileDevice::ReadOther | QFileDevice::ExeOther);
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                        | QFileDevice::ExeOther);
    const QStringList exportArgs{QStringLiteral(DROVIK_CLI), QStringLiteral("export"), front(),
                                 QStringLiteral("--at"), QStringLiteral("5")};
    QList<std::pair<QString, ProgramRun>> runs;
    runs.append({QStringLiteral("under a file"),
                 runDrovik(exportArgs.mid(1) + QStringList{QStringLiteral("--out"), out.path() + QStringLiteral("/file/sub")})});
    if (::geteuid() == 0 && haveProgram(QStringLiteral("setpriv"))) {
        // HOME is not the user's own here: nothing may need it.
        runs.append({QStringLiteral("read-only, as nobody"),
                     drovik::test::run(QStringLiteral("setpriv"),
                                       QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                                   QStringLiteral("--clear-groups"), QStringLiteral("--")}
                                           + exportArgs + QStringList{QStringLiteral("--out"), readOnly})});
    } else if (::geteuid() != 0) {
        runs.append({QStringLiteral("read-only"), runDrovik(exportArgs.mid(1) + QStringList{QStringLiteral("--out"), readOnly})});
    }
    for (const auto &[what, run] : runs) {
        EXPECT_EQ(run.exitCode, 1) << what.toStdString() << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.startsWith("drovik export: ")) << what.toStdString() << ": " << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << what.toStdString();
    }
    EXPECT_TRUE(runs.last().second.err.contains("Permission denied") || runs.size() == 1) << runs.last().second.err.toStdString();
    EXPECT_EQ(entriesOf(readOnly), QStringList());
    EXPECT_EQ(entriesOf(out.path()), (QStringList{QStringLiteral("file"), QStringLiteral("read-only")}));
}

// An interrupt while ffmpeg cuts: ffmpeg is stopped, the temporary folder goes, exit 130.
TEST_F(ExportCli, InterruptLeavesNothing)
{
    // An ffmpeg that hangs on the cut, after saying so; anything else goes to the real one.
    const QString fake = out.path() + QStringLiteral("/ffmpeg");
    const QString hung = out.path() + QStringLiteral("/hung");
    ASSERT_TRUE(writeScript(fake, QStringLiteral("#!/bin/sh\ncase \" $* \" in *\" -t \"*) touch '%1'; exec sleep 60;; esac\n"
                                                 "exec ffmpeg \"$@\"\n").arg(hung).toUtf8()));
    const QString target = out.path() + QStringLiteral("/target");
    ASSERT_TRUE(QDir().mkpath(target));

    QProcess drovik;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DROVIK_FFMPEG"), fake);
    drovik.setProcessEnvironment(environment);
    drovik.start(QStringLiteral(DROVIK_CLI), {QStringLiteral("export"), front(), QStringLiteral("--at"), QStringLiteral("5"),
                                              QStringLiteral("--out"), target});
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(hung); }, 30000));
    EXPECT_EQ(entriesOf(target).size(), 1) << "the temporary folder, while it works";
    ::kill(pid_t(drovik.processId()), SIGINT);
    ASSERT_TRUE(drovik.waitForFinished(10000)) << "the hung ffmpeg was not stopped";
    EXPECT_EQ(drovik.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(drovik.exitCode(), 130);
    EXPECT_EQ(entriesOf(target), QStringList());
}

} // namespace
