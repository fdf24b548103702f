// Listing a card of many clips, against `find DIR -type f` on the same tree (the target:
// the viewer's scan, filter and sort take at most twice as long as find); and grouping a listing of
// as many clips into trips (target: at most 50 ms).
//
//   drovik_library_bench [--clips N] [--runs R] [--check] [DIR]
//
// Without DIR a card of N clips (default 10 000) is generated in a temporary folder: front/rear
// MP4 pairs spread over the nine recording folders, some in date sub-folders, plus a few files
// that are not clips. After one warm-up round the measurements run R times (default 15),
// interleaved, and their medians are reported. --check exits with status 1 when the ratio is
// above 2 or the grouping takes more than 50 ms.
#include "library/recording_library.h"
#include "library/trips.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimeZone>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

bool touch(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

// A plausible card: most clips continuous, the others spread over the other folders.
bool makeCard(const QString &root, int clips)
{
    const QStringList folders = drovik::recordingFolderNames();
    const int weights[] = {60, 8, 10, 4, 8, 2, 3, 2, 3}; // per cent, in folder order
    int made = 0;
    for (int f = 0; f < folders.size() && made < clips; ++f) {
        const int share = f + 1 == folders.size() ? clips - made : clips * weights[f] / 100;
        for (int i = 0; i < share && made < clips; i += 2) {
            // Every hundred pairs in a dated sub-folder, as some cameras file them.
            const QString dir = root + QLatin1Char('/') + folders.at(f)
                                + QStringLiteral("/2024_05_%1").arg(1 + i / 200, 2, 10, QLatin1Char('0'));
            if (!QDir().mkpath(dir))
                return false;
            const QString base = dir + QStringLiteral("/2024_0501_%1").arg(100000 + i, 6, 10, QLatin1Char('0'));
            if (!touch(base + QStringLiteral("_F.mp4")))
                return false;
            ++made;
            if (made < clips && !touch(base + QStringLiteral("_R.mp4")))
                return false;
            ++made;
        }
    }
    QDir().mkpath(root + QStringLiteral("/SETTING"));
    touch(root + QStringLiteral("/SETTING/setup.cfg"));
    touch(root + QStringLiteral("/cont_rec/index.dat"));
    return true;
}

// A listing of a busy card, as applyVideoFileFilter hands it over: drives of thirty one-minute
// front/rear pairs an hour apart, each with an event clip recorded during its tenth minute, and a
// parking clip between drives.
QList<QUrl> tripListing(int clips)
{
    QList<QUrl> listing;
    const QDateTime first(QDate(2024, 5, 1), QTime(6, 0), QTimeZone::utc());
    const auto name = [](const QString &folder, const QDateTime &start, const char *side) {
        return QUrl::fromLocalFile(QStringLiteral("/media/card/%1/%2_%3.mp4")
                                       .arg(folder, start.toString(QStringLiteral("yyyyMMdd_HHmmss")),
                                            QLatin1String(side)));
    };
    for (int drive = 0; listing.size() < clips; ++drive) {
        const QDateTime start = first.addSecs(qint64(drive) * 3600);
        for (int minute = 0; minute < 30 && listing.size() < clips; ++minute) {
            const QDateTime at = start.addSecs(minute * 60);
            listing.append(name(QStringLiteral("cont_rec"), at, "F"));
            listing.append(name(QStringLiteral("cont_rec"), at, "R"));
            if (minute == 9)
                listing.append(name(QStringLiteral("evt_rec"), at.addSecs(25), "F"));
        }
        listing.append(name(QStringLiteral("parking_rec"), start.addSecs(40 * 60), "F"));
    }
    listing.resize(clips);
    drovik::sortVideoFileList(listing);
    return listing;
}

double milliseconds(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int clips = 10000;
    int runs = 15;
    bool check = false;
    QString root;
    const QStringList args = app.arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--clips") && i + 1 < args.size())
            clips = args[++i].toInt();
        else if (args[i] == QLatin1String("--runs") && i + 1 < args.size())
            runs = std::max(1, args[++i].toInt());
        else if (args[i] == QLatin1String("--check"))
            check = true;
        else
            root = args[i];
    }
    QTemporaryDir temp;
    if (root.isEmpty()) {
        root = temp.path() + QStringLiteral("/card");
        if (!makeCard(root, clips)) {
            std::fprintf(stderr, "cannot make the card in %s\n", qPrintable(root));
            return 1;
        }
    }

    const QUrl url = QUrl::fromLocalFile(root);
    auto find = [&] {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(QStringLiteral("find"), {root, QStringLiteral("-type"), QStringLiteral("f")});
        process.waitForFinished(-1);
    };
    const QList<QUrl> all = drovik::scanSelectedFolder(url);
    const qsizetype listed = all.size();
    auto scan = [&] { drovik::scanSelectedFolder(url); };
    auto filter = [&] { drovik::applyVideoFileFilter(all, 0); };
    auto total = [&] { drovik::applyVideoFileFilter(drovik::scanSelectedFolder(url), 0); };
    const QList<QUrl> tripClips = tripListing(clips);
    std::size_t tripCount = 0;
    auto trips = [&] { tripCount = drovik::groupListedTrips(tripClips).trips.size(); };

    // Interleaved, after one warm-up round, so that drift of the machine hits all alike.
    std::vector<double> findTimes, scanTimes, filterTimes, totalTimes, tripTimes;
    for (int i = 0; i <= runs; ++i) {
        const double f = milliseconds(find), s = milliseconds(scan), fl = milliseconds(filter),
                     t = milliseconds(total), tr = milliseconds(trips);
        if (i == 0)
            continue;
        findTimes.push_back(f);
        scanTimes.push_back(s);
        filterTimes.push_back(fl);
        totalTimes.push_back(t);
        tripTimes.push_back(tr);
    }
    const double findMs = median(findTimes), scanMs = median(scanTimes),
                 filterMs = median(filterTimes), totalMs = median(totalTimes), tripMs = median(tripTimes);

    std::printf("clips listed             %lld\n", static_cast<long long>(listed));
    std::printf("find DIR -type f         %8.2f ms\n", findMs);
    std::printf("scanSelectedFolder       %8.2f ms\n", scanMs);
    std::printf("applyVideoFileFilter(0)  %8.2f ms\n", filterMs);
    std::printf("scan + filter + sort     %8.2f ms   (%.2f x find; target <= 2)\n", totalMs,
                totalMs / findMs);
    std::printf("groupListedTrips         %8.2f ms   (%lld clips, %zu trips; target <= 50)\n", tripMs,
                static_cast<long long>(tripClips.size()), tripCount);
    return check && (totalMs > 2 * findMs || tripMs > 50) ? 1 : 0;
}
