// The clips' telemetry read in the background through the per-clip cache: the real subtitle reader
// on small telemetry files, the cache in the test's own XDG_CACHE_HOME.
#include "library/telemetry_cache.h"
#include "library/telemetry_loader.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include <atomic>

using namespace drovik;
using drovik::test::TempFolder;

namespace {

QByteArray srtClip(int seconds)
{
    QByteArray text;
    for (int s = 0; s < seconds; ++s) {
        text += QByteArray::number(s + 1) + "\n00:00:0" + QByteArray::number(s) + ",000 --> 00:00:0"
                + QByteArray::number(s + 1) + ",000\ngsensori,1,1024," + QByteArray::number(64 + s)
                + ",0,-64;GPRMC,12000" + QByteArray::number(s) + ",A,3723.2575,N,12658.3140,E,20.0,0,010120,,,A\n\n";
    }
    return text;
}

// The real general loader, counting its runs.
struct CountingReader {
    std::shared_ptr<std::atomic<int>> runs = std::make_shared<std::atomic<int>>(0);
    TelemetryLoader::Reader reader() const
    {
        return [runs = runs](const QString &path) -> ClipTelemetry {
            ++*runs;
            DrovikClipData clip;
            clip.loadVideoFileClipDataFromFilePath(path.toStdString());
            return clip.clipDataCount() ? ClipTelemetry(clip) : std::nullopt;
        };
    }
};

// Loads paths to the end; the telemetry by index.
QList<ClipTelemetry> loadAll(TelemetryLoader &loader, const QStringList &paths)
{
    QList<ClipTelemetry> out(paths.size());
    QObject receiver;
    QObject::connect(&loader, &TelemetryLoader::clipLoaded, &receiver,
                     [&](int index, const ClipTelemetry &telemetry) { out[index] = telemetry; });
    QSignalSpy finished(&loader, &TelemetryLoader::finished);
    loader.load(paths);
    EXPECT_TRUE(finished.wait(10000));
    return out;
}

bool sameSamples(const ClipTelemetry &a, const ClipTelemetry &b)
{
    if (a.has_value() != b.has_value())
        return false;
    if (!a)
        return true;
    if (a->clipDataCount() != b->clipDataCount() || a->gpsDataCount() != b->gpsDataCount()
        || a->gpsStartTime() != b->gpsStartTime())
        return false;
    for (int i = 0; i < int(a->clipDataCount()); ++i) {
        if (a->getGx(i) != b->getGx(i) || a->getGpsLat(i) != b->getGpsLat(i) || a->getGpsSpeed(i) != b->getGpsSpeed(i))
            return false;
    }
    return true;
}

TEST(TelemetryCache, SecondLookReadsNothingUntilAClipChanges)
{
    TempFolder card;
    QStringList paths;
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(card.put(QStringLiteral("clip%1.srt").arg(i), srtClip(1 + i % 3)));
        paths.append(card.path(QStringLiteral("clip%1.srt").arg(i)));
    }
    ASSERT_TRUE(card.put(QStringLiteral("empty.srt"), "no telemetry here"));
    paths.append(card.path(QStringLiteral("empty.srt")));

    const auto cache = std::make_shared<TelemetryCache>();
    EXPECT_TRUE(cache->folder().startsWith(qEnvironmentVariable("XDG_CACHE_HOME")));
    CountingReader counting;
    TelemetryLoader loader(counting.reader(), cache);
    const QList<ClipTelemetry> first = loadAll(loader, paths);
    EXPECT_EQ(*counting.runs, paths.size());
    EXPECT_EQ(first.at(2)->clipDataCount(), 30u);
    EXPECT_FALSE(first.last().has_value());

    *counting.runs = 0;
    const QList<ClipTelemetry> second = loadAll(loader, paths);
    EXPECT_EQ(*counting.runs, 0) << "every clip, the one without telemetry too, comes from the cache";
    for (int i = 0; i < paths.size(); ++i)
        EXPECT_TRUE(sameSamples(first.at(i), second.at(i))) << i;

    // Another size, or the same size with another time: read again, once.
    ASSERT_TRUE(card.put(QStringLiteral("clip0.srt"), srtClip(3)));
    QFile touched(paths.at(1));
    ASSERT_TRUE(touched.open(QIODevice::ReadWrite));
    ASSERT_TRUE(touched.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-3600), QFileDevice::FileModificationTime));
    touched.close();
    for (int look = 0; look < 2; ++look) {
        *counting.runs = 0;
        const QList<ClipTelemetry> changed = loadAll(loader, paths);
        EXPECT_EQ(*counting.runs, look == 0 ? 2 : 0);
        EXPECT_EQ(changed.at(0)->clipDataCount(), 30u);
    }
}

TEST(TelemetryCache, DamagedOrForeignEntryIsReadAgainAndRewritten)
{
    TempFolder card;
    ASSERT_TRUE(card.put(QStringLiteral("clip.srt"), srtClip(2)));
    const QString path = card.path(QStringLiteral("clip.srt"));
    const auto key = ClipFileKey::of(path);
    ASSERT_TRUE(key);
    const auto cache = std::make_shared<TelemetryCache>();
    CountingReader counting;
    TelemetryLoader loader(counting.reader(), cache);
    const ClipTelemetry read = loadAll(loader, {path}).at(0);
    const QString entry = cache->entryPath(key->canonicalPath);
    const QByteArray good = drovik::test::readFile(entry);
    ASSERT_FALSE(good.isEmpty());

    struct Damage { const char *what; QByteArray bytes; };
    QByteArray flipped = good;
    flipped[good.size() / 2] = char(flipped[good.size() / 2] ^ 0x10);
    QByteArray otherVersion = good;
    otherVersion[8] = 2;
    QByteArray longer = good;
    longer[31] = char(0x7F); // the path length's high byte: 2 GiB, past the end
    const Damage damages[] = {
        {"empty", {}},
        {"cut short", good.left(good.size() - 5)},
        {"one bit flipped", flipped},
        {"another version", otherVersion},
        {"a length past the end", longer},
        {"one byte more", good + 'x'},
        {"foreign", QByteArray("PK\3\4 not ours at all")},
    };
    for (const Damage &damage : damages) {
        ASSERT_TRUE(drovik::test::writeFile(entry, damage.bytes));
        *counting.runs = 0;
        EXPECT_TRUE(sameSamples(loadAll(loader, {path}).at(0), read)) << damage.what;
        EXPECT_EQ(*counting.runs, 1) << damage.what;
        EXPECT_EQ(drovik::test::readFile(entry), good) << damage.what;
    }
}

TEST(TelemetryCache, EvictionKeepsTheBoundAndTheEntriesUsedLast)
{
    TempFolder folder;
    const auto keyOf = [](int i) { return ClipFileKey{QStringLiteral("/card/clip%1.srt").arg(i), 100, 0}; };
    const qint64 entryBytes = TelemetryCache::encodeEntry(keyOf(0), {}).size();
    TelemetryCache cache(folder.path(QStringLiteral("telemetry")), 4 * entryBytes);
    for (int i = 0; i < 4; ++i) {
        cache.store(keyOf(i), {});
        // Used in 2001, 2002, … so that the order does not hang on the clock's resolution.
        QFile entry(cache.entryPath(keyOf(i).canonicalPath));
        ASSERT_TRUE(entry.open(QIODevice::ReadWrite));
        entry.setFileTime(QDateTime(QDate(2001 + i, 1, 1), QTime(0, 0), Qt::UTC), QFileDevice::FileModificationTime);
    }
    ASSERT_TRUE(cache.find(keyOf(0))) << "entry 0 is now the one used last";
    cache.store(keyOf(4), {});

    qint64 total = 0;
    const QFileInfoList entries = QDir(cache.folder()).entryInfoList(QDir::Files);
    for (const QFileInfo &entry : entries)
        total += entry.size();
    EXPECT_LE(total, 4 * entryBytes);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(cache.find(keyOf(i)).has_value(), i == 0 || i >= 3) << i;
}

TEST(TelemetryLoader, CancelStopsDeliveryAndDestructionWhileReadingIsSafe)
{
    TempFolder card;
    ASSERT_TRUE(card.put(QStringLiteral("clip.srt"), srtClip(1)));
    const QStringList paths(40, card.path(QStringLiteral("clip.srt")));
    std::atomic<int> runs = 0;
    const TelemetryLoader::Reader slow = [&runs](const QString &) -> ClipTelemetry {
        ++runs;
        QThread::msleep(20);
        return DrovikClipData();
    };
    TelemetryLoader loader(slow, nullptr);
    QSignalSpy loaded(&loader, &TelemetryLoader::clipLoaded);
    QSignalSpy finished(&loader, &TelemetryLoader::finished);
    loader.load(paths);
    ASSERT_TRUE(loaded.wait(5000));
    loader.cancel();
    const qsizetype deliveredBeforeCancel = loaded.size();
    QTest::qWait(200);
    EXPECT_EQ(loaded.size(), deliveredBeforeCancel);
    EXPECT_EQ(finished.size(), 0);
    EXPECT_LT(runs, 30) << "clips not started are not read";

    auto doomed = std::make_unique<TelemetryLoader>(slow, nullptr);
    doomed->load(paths);
    QTest::qWait(30);
    doomed.reset();
    QTest::qWait(50);
}

} // namespace
