// Other makes' telemetry of a card's worth of clips through ExifTool's batch mode, against ExifTool
// alone reading the same files in one run (`exiftool -ee -n -j FILE…`). Target: the batch mode
// within three times ExifTool alone. A plain timing program, not a test:
//
//   drovik_exiftool_bench [CLIPS [MIB]]      (default 100 clips of 50 MiB)
//
// The clips are the box layouts of tests/telemetry/make_foreign_clips.py (12 fixes each), their
// 'mdat' grown to MIB with zero bytes and copied sparse (cp --sparse=always), so a hundred of them
// take little disk; ExifTool seeks past the picture data, so what it reads is the same as on a
// camera's card. They live in a temporary folder under $TMPDIR (default /tmp), removed at the end.
// Times are the best of three runs, page cache warm.
#include "library/exiftool_reader.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThreadPool>

#include <atomic>
#include <cstdio>
#include <functional>

using namespace drovik;

namespace {

bool runQuietly(const QString &program, const QStringList &args)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, args);
    return process.waitForFinished(600000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QStringList makeClips(const QString &folder, int count, int mebibytes)
{
    const QString base = folder + QStringLiteral("/base.mp4");
    const QString layouts = folder + QStringLiteral("/layouts");
    QDir().mkpath(layouts);
    if (!runQuietly(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-f"),
                                               QStringLiteral("lavfi"), QStringLiteral("-i"),
                                               QStringLiteral("testsrc=size=64x48:rate=5:duration=12"),
                                               QStringLiteral("-c:v"), QStringLiteral("libx264"), base})
        || !runQuietly(QStringLiteral("python3"), {QStringLiteral(DROVIK_SOURCE_DIR "/tests/telemetry/make_foreign_clips.py"),
                                                   base, layouts, QString::number(mebibytes)}))
        return {};
    QStringList sources;
    for (const QFileInfo &file : QDir(layouts).entryInfoList({QStringLiteral("*.mp4")}, QDir::Files, QDir::Name)) {
        if (file.fileName() != QLatin1String("grown_base.mp4"))
            sources.append(file.filePath());
    }
    QStringList clips;
    for (int i = 0; i < count && !sources.isEmpty(); ++i) {
        const QString clip = folder + QStringLiteral("/clip%1.mp4").arg(i, 3, 10, QLatin1Char('0'));
        if (!runQuietly(QStringLiteral("cp"), {QStringLiteral("--sparse=always"), sources.at(i % sources.size()), clip}))
            return {};
        clips.append(clip);
    }
    return clips;
}

double bestOfThree(const std::function<void()> &work)
{
    double best = 1e300;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 100;
    const int mebibytes = argc > 2 ? std::atoi(argv[2]) : 50;
    QTemporaryDir folder;
    const QStringList clips = makeClips(folder.path(), count, mebibytes);
    if (clips.size() != count) {
        std::fprintf(stderr, "could not make the clips (ffmpeg, python3, cp)\n");
        return 1;
    }

    const double alone = bestOfThree([&] {
        runQuietly(QStringLiteral("exiftool"), QStringList{QStringLiteral("-ee"), QStringLiteral("-n"), QStringLiteral("-j")} + clips);
    });
    std::atomic<int> fixes = 0;
    const double batch = bestOfThree([&] {
        ExifToolSession session;
        fixes = 0;
        for (const QString &clip : clips)
            fixes += int(session.read(clip).fixes.size());
    });
    const int batchFixes = fixes;
    // The background loader's way: a pool of one worker per core, each with its own session.
    const double pooled = bestOfThree([&] {
        QThreadPool pool;
        pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
        pool.setExpiryTimeout(-1);
        for (const QString &clip : clips)
            pool.start([clip] { readForeignTelemetry(clip); });
        pool.waitForDone();
    });

    std::printf("%d clips of %d MiB (sparse), %d fixes read\n", count, mebibytes, batchFixes);
    std::printf("exiftool -ee -n -j, one run:        %8.0f ms\n", alone);
    std::printf("batch session, one thread:          %8.0f ms  (%.2fx)\n", batch, batch / alone);
    std::printf("per-thread sessions, %d workers:     %8.0f ms  (%.2fx)\n", QThread::idealThreadCount(), pooled,
                pooled / alone);
    return batch <= 3 * alone ? 0 : 2;
}
