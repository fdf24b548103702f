// Recording discovery on real folder trees.
#include "library/recording_library.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <QFile>

#include <algorithm>

using namespace drovik;
using drovik::test::strings;
using drovik::test::TempFolder;

namespace {

// The paths of urls relative to root, for readable comparisons.
QStringList relativePaths(const QString &root, const QList<QUrl> &urls)
{
    QStringList out;
    for (const QUrl &url : urls)
        out.append(QDir(root).relativeFilePath(url.toLocalFile()));
    return out;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

TEST(Scan, RootIsScannedFlatAndOnlyTheKnownFoldersDeeply)
{
    TempFolder tree;
    ASSERT_TRUE(tree.touch(strings({
        "root.mp4",              // a clip directly in the selected folder is listed
        "notes.txt",             // not a clip
        "other/lost.mp4",        // an unknown sub-folder is not scanned
        "cont_rec/2024_05_01/deep_F.mp4", // known folders are scanned recursively
        "cont_rec/a_F.mp4",
    })));
    const QList<QUrl> all = scanSelectedFolder(QUrl::fromLocalFile(tree.root()));
    EXPECT_EQ(sorted(relativePaths(tree.root(), all)),
              strings({"cont_rec/2024_05_01/deep_F.mp4", "cont_rec/a_F.mp4", "root.mp4"}));
}

TEST(Scan, ExtensionsHiddenFilesAndOtherTypes)
{
    TempFolder tree;
    ASSERT_TRUE(tree.touch(strings({
        "evt_rec/CAPS.MP4", "evt_rec/mixed.Avi", "evt_rec/clip.mov", "evt_rec/movie.mkv",
        "evt_rec/.hidden.mp4", "evt_rec/.thumbs/x.mp4", "evt_rec/noext", "evt_rec/x.mp4.part",
    })));
    ASSERT_TRUE(tree.mkdir(QStringLiteral("evt_rec/folder.mp4"))); // a folder, not a clip
    const QList<QUrl> all = scanSelectedFolder(QUrl::fromLocalFile(tree.root()));
    EXPECT_EQ(sorted(relativePaths(tree.root(), all)),
              strings({"evt_rec/CAPS.MP4", "evt_rec/clip.mov", "evt_rec/mixed.Avi"}));
}

TEST(Scan, FoldersComeInTheKnownOrderAfterTheRoot)
{
    TempFolder tree;
    // Created in reverse so that no creation order can pass for the scan order.
    const QStringList folders = recordingFolderNames();
    for (qsizetype i = folders.size() - 1; i >= 0; --i)
        ASSERT_TRUE(tree.touch({folders[i] + QStringLiteral("/clip.mp4")}));
    ASSERT_TRUE(tree.touch({QStringLiteral("zzz_root.mp4")}));
    const QStringList found = relativePaths(tree.root(), scanSelectedFolder(QUrl::fromLocalFile(tree.root())));
    QStringList expected = {QStringLiteral("zzz_root.mp4")};
    for (const QString &folder : folders)
        expected.append(folder + QStringLiteral("/clip.mp4"));
    EXPECT_EQ(found, expected);
}

TEST(Scan, NonRecursiveScanStaysInTheFolder)
{
    TempFolder tree;
    ASSERT_TRUE(tree.touch(strings({"a/x.mp4", "a/b/y.mp4", "a/b/c/z.avi"})));
    EXPECT_EQ(relativePaths(tree.root(), getVideoFilesInDirectoryUrl(tree.url(QStringLiteral("a")), false)),
              strings({"a/x.mp4"}));
    EXPECT_EQ(sorted(relativePaths(tree.root(),
                                   getVideoFilesInDirectoryUrl(tree.url(QStringLiteral("a")), true))),
              strings({"a/b/c/z.avi", "a/b/y.mp4", "a/x.mp4"}));
}

TEST(Scan, MissingOrUnreadableFoldersYieldNothing)
{
    TempFolder tree;
    ASSERT_TRUE(tree.touch({QStringLiteral("file.mp4")}));
    EXPECT_TRUE(getVideoFilesInDirectoryUrl(tree.url(QStringLiteral("missing")), true).isEmpty());
    EXPECT_TRUE(getVideoFilesInDirectoryUrl(tree.url(QStringLiteral("file.mp4")), true).isEmpty());
    EXPECT_TRUE(getVideoFilesInDirectoryUrl(QUrl(), true).isEmpty());
    EXPECT_TRUE(scanSelectedFolder(tree.url(QStringLiteral("missing"))).isEmpty());
    EXPECT_TRUE(scanSelectedFolder(QUrl(QStringLiteral("https://example.com/card"))).isEmpty());
    // A card without recording folders still lists its root.
    EXPECT_EQ(scanSelectedFolder(QUrl::fromLocalFile(tree.root())).size(), 1);
}

TEST(Scan, LinksAreFollowedButLoopsAreNot)
{
    TempFolder tree;
    ASSERT_TRUE(tree.touch(strings({"store/real.mp4", "cont_rec/sub/a.mp4"})));
    ASSERT_TRUE(QFile::link(tree.path(QStringLiteral("store/real.mp4")),
                            tree.path(QStringLiteral("cont_rec/linked.mp4"))));
    ASSERT_TRUE(QFile::link(tree.path(QStringLiteral("nowhere.mp4")),
                            tree.path(QStringLiteral("cont_rec/dangling.mp4"))));
    ASSERT_TRUE(QFile::link(tree.path(QStringLiteral("store")), tree.path(QStringLiteral("cont_rec/store"))));
    ASSERT_TRUE(QFile::link(tree.path(QStringLiteral("cont_rec")),
                            tree.path(QStringLiteral("cont_rec/sub/loop"))));
    const QList<QUrl> all = scanSelectedFolder(QUrl::fromLocalFile(tree.root()));
    EXPECT_EQ(sorted(relativePaths(tree.root(), all)),
              strings({"cont_rec/linked.mp4", "cont_rec/store/real.mp4", "cont_rec/sub/a.mp4"}));
}

TEST(Scan, NamesWithSpacesAndNonAsciiRoundTrip)
{
    TempFolder tree;
    const QString name = QStringLiteral("sos_rec/주행 #1 %20 ?_F.mp4");
    ASSERT_TRUE(tree.touch({name}));
    const QList<QUrl> all = scanSelectedFolder(QUrl::fromLocalFile(tree.root()));
    ASSERT_EQ(all.size(), 1);
    EXPECT_EQ(all[0].toLocalFile(), tree.path(name));
    EXPECT_EQ(videoFileCellText(all[0]), QStringLiteral("주행 #1 %20 ?_F.mp4"));
    EXPECT_EQ(videoFileCellColor(all[0]), VideoFileCellColor::Yellow);
}

// Cards of other makes' layouts, listed as the viewer shows them: each clip in display order with
// the filters that show it besides All ("a" always, "e" event, "n" manual; "-" none), its listed
// mp4 partner and the start its name tells.
TEST(Scan, OtherMakesLayouts)
{
    const struct {
        const char *layout;
        std::initializer_list<const char *> files;
        std::initializer_list<const char *> shown;
    } cards[] = {
        {"DCIM: a movie folder with a locked one, a numbered and a dated folder",
         {"DCIM/Movie/2024_0517_101500_001F.MP4", "DCIM/Movie/2024_0517_101500_001R.MP4",
          "DCIM/Movie/RO/2024_0517_101600_002F.MP4", "DCIM/100MEDIA/240517_101700_A.MP4",
          "DCIM/100MEDIA/240517_101700_B.MP4", "DCIM/Photo/2024_0517_101500.JPG", "DCIM/20240518/20240518101500.mp4"},
         {"DCIM/20240518/20240518101500.mp4 - - 2024-05-18T10:15:00",
          "DCIM/Movie/2024_0517_101500_001F.MP4 a DCIM/Movie/2024_0517_101500_001R.MP4 2024-05-17T10:15:00",
          "DCIM/Movie/2024_0517_101500_001R.MP4 a DCIM/Movie/2024_0517_101500_001F.MP4 2024-05-17T10:15:00",
          "DCIM/Movie/RO/2024_0517_101600_002F.MP4 e - 2024-05-17T10:16:00",
          "DCIM/100MEDIA/240517_101700_A.MP4 - DCIM/100MEDIA/240517_101700_B.MP4 2024-05-17T10:17:00",
          "DCIM/100MEDIA/240517_101700_B.MP4 - DCIM/100MEDIA/240517_101700_A.MP4 2024-05-17T10:17:00"}},
        {"per-type folders in any case",
         {"Normal/20240517101500F.MP4", "Normal/20240517101500R.MP4", "event/EV20240517-101530F.MP4",
          "PARK/PA240517_103000.mov", "Manual/2024_05_17_10_16_00.avi", "EMER/20240517_101545_F.mp4",
          "other/20240517_101500.mp4"},
         {"Normal/20240517101500F.MP4 a Normal/20240517101500R.MP4 2024-05-17T10:15:00",
          "Normal/20240517101500R.MP4 a Normal/20240517101500F.MP4 2024-05-17T10:15:00",
          "EMER/20240517_101545_F.mp4 e - 2024-05-17T10:15:45",
          "Manual/2024_05_17_10_16_00.avi n - 2024-05-17T10:16:00",
          "event/EV20240517-101530F.MP4 e - 2024-05-17T10:15:30",
          "PARK/PA240517_103000.mov e - 2024-05-17T10:30:00"}},
        {"names that carry the type and side",
         {"Record/20240517_101500_NF.mp4", "Record/20240517_101500_NR.mp4", "Record/20240517_101600_EF.mp4",
          "Record/20240517_101600_ER.mp4", "Record/20240517_103000_PF.mp4", "Record/20240517_101700_MF.mp4"},
         {"Record/20240517_101500_NF.mp4 a Record/20240517_101500_NR.mp4 2024-05-17T10:15:00",
          "Record/20240517_101500_NR.mp4 a Record/20240517_101500_NF.mp4 2024-05-17T10:15:00",
          "Record/20240517_101600_EF.mp4 e Record/20240517_101600_ER.mp4 2024-05-17T10:16:00",
          "Record/20240517_101600_ER.mp4 e Record/20240517_101600_EF.mp4 2024-05-17T10:16:00",
          "Record/20240517_101700_MF.mp4 n - 2024-05-17T10:17:00",
          "Record/20240517_103000_PF.mp4 e - 2024-05-17T10:30:00"}},
        {"this maker's card with a DCIM folder beside it",
         {"cont_rec/20240517_101500_F.mp4", "cont_rec/20240517_101500_R.mp4", "DCIM/Movie/20240517_101500_A.mp4",
          "dcim/x.txt", "0001_root.mp4"},
         {"0001_root.mp4 - - -", "DCIM/Movie/20240517_101500_A.mp4 a - 2024-05-17T10:15:00",
          "cont_rec/20240517_101500_F.mp4 a cont_rec/20240517_101500_R.mp4 2024-05-17T10:15:00",
          "cont_rec/20240517_101500_R.mp4 a cont_rec/20240517_101500_F.mp4 2024-05-17T10:15:00"}},
    };
    for (const auto &card : cards) {
        TempFolder tree;
        ASSERT_TRUE(tree.touch(strings(card.files))) << card.layout;
        const QList<QUrl> shown = applyVideoFileFilter(scanSelectedFolder(QUrl::fromLocalFile(tree.root())), VideoFileFilterAll);
        QStringList lines;
        for (const QUrl &url : shown) {
            QString filters;
            for (const auto &[filter, letter] : {std::pair(VideoFileFilterAlways, 'a'), std::pair(VideoFileFilterMotion, 'm'),
                                                 std::pair(VideoFileFilterEvent, 'e'), std::pair(VideoFileFilterManual, 'n')}) {
                if (videoFileMatchesFilter(url, filter))
                    filters += QLatin1Char(letter);
            }
            const auto partner = std::find_if(shown.begin(), shown.end(), [&](const QUrl &other) { return isMp4Partner(url, other); });
            const auto start = clipStartFromFileName(url.fileName());
            lines.append(QStringList({relativePaths(tree.root(), {url}).constFirst(), filters.isEmpty() ? QStringLiteral("-") : filters,
                                      partner == shown.end() ? QStringLiteral("-") : relativePaths(tree.root(), {*partner}).constFirst(),
                                      start ? start->toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) : QStringLiteral("-")})
                             .join(QLatin1Char(' ')));
        }
        EXPECT_EQ(lines, strings(card.shown)) << card.layout;
    }
}

// The listing edge cases on one card, through scan, filter and order as the viewer runs them.
TEST(Scan, ACardThroughEveryFilter)
{
    TempFolder tree;
    ASSERT_TRUE(tree.touch(strings({
        "0001_root.mp4",
        "cont_rec/0512_R.mp4", "cont_rec/0512_F.mp4", "cont_rec/0511_F.avi", "cont_rec/0511_R.avi",
        "evt_rec/0600_F.mp4", "parking_rec/0700.MP4", "motion_timelapse_rec/0800.mp4",
        "motion_rec/0900.mp4", "manual_rec/1000.mp4", "option_rec/1100.mp4", "sos_rec/1200.mp4",
        "Saved_Videos/z_saved.mp4", "Saved_Videos/a_saved.mp4", "unknown/1300.mp4", "cont_rec/x.mkv",
    })));
    const QList<QUrl> all = scanSelectedFolder(QUrl::fromLocalFile(tree.root()));
    auto shown = [&](int filter) { return relativePaths(tree.root(), applyVideoFileFilter(all, filter)); };

    EXPECT_EQ(shown(VideoFileFilterAll),
              strings({"Saved_Videos/a_saved.mp4", "Saved_Videos/z_saved.mp4", "0001_root.mp4",
                       "cont_rec/0511_F.avi", "cont_rec/0511_R.avi", "cont_rec/0512_F.mp4",
                       "cont_rec/0512_R.mp4", "evt_rec/0600_F.mp4", "parking_rec/0700.MP4",
                       "motion_timelapse_rec/0800.mp4", "motion_rec/0900.mp4", "manual_rec/1000.mp4",
                       "option_rec/1100.mp4", "sos_rec/1200.mp4"}));
    EXPECT_EQ(shown(VideoFileFilterEvent), strings({"evt_rec/0600_F.mp4", "parking_rec/0700.MP4"}));

    const QList<QUrl> shownAll = applyVideoFileFilter(all, VideoFileFilterAll);
    EXPECT_EQ(videoFileCellColor(shownAll[0]), VideoFileCellColor::Magenta);
    EXPECT_EQ(videoFileCellColor(shownAll[1]), VideoFileCellColor::Magenta);
    EXPECT_EQ(videoFileCellColor(shownAll[2]), VideoFileCellColor::Default);
    EXPECT_EQ(videoFileCellColor(shownAll[12]), VideoFileCellColor::Yellow); // option_rec
    EXPECT_EQ(videoFileCellColor(shownAll[13]), VideoFileCellColor::Yellow); // sos_rec
}

} // namespace
