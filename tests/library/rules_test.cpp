// The text rules: extensions, partners, camera side, filters, colours and order.
#include "library/recording_library.h"
#include "library/video_file_rules.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <QUrl>

using namespace drovik;
using drovik::test::strings;

namespace {

QUrl clip(const char *path)
{
    return QUrl::fromLocalFile(QString::fromUtf8(path));
}

QStringList names(const QList<QUrl> &urls)
{
    QStringList out;
    for (const QUrl &url : urls)
        out.append(url.path());
    return out;
}

TEST(VideoFileName, ExtensionsAreComparedInLowerCase)
{
    for (const char *name : {"a.mp4", "a.MP4", "a.Mov", "a.AVI", "2024_0501_F.mp4", "x.y.mov"}) {
        EXPECT_TRUE(isVideoFileName(QString::fromUtf8(name))) << name;
        EXPECT_TRUE(isVideoFileName(QByteArrayView(name))) << name;
    }
    for (const char *name : {"a.mkv", "a.mp4.bak", "mp4", ".mp4", "a.", "a.mp", "a.mp44", "a"}) {
        EXPECT_FALSE(isVideoFileName(QString::fromUtf8(name))) << name;
        EXPECT_FALSE(isVideoFileName(QByteArrayView(name))) << name;
    }
    EXPECT_EQ(lowerCasedExtension(QStringLiteral("A.B.MoV")), QStringLiteral("mov"));
    EXPECT_TRUE(lowerCasedExtension(QStringLiteral(".hidden")).isEmpty());
}

TEST(Partner, FrontAndRearSwapInTheUrlText)
{
    EXPECT_EQ(partnerUrlText(QStringLiteral("file:///c/cont_rec/0512_F.mp4")),
              QStringLiteral("file:///c/cont_rec/0512_R.mp4"));
    EXPECT_EQ(partnerUrlText(QStringLiteral("file:///c/cont_rec/0512_R.mp4")),
              QStringLiteral("file:///c/cont_rec/0512_F.mp4"));
    // "F." wins, and every occurrence is replaced.
    EXPECT_EQ(partnerUrlText(QStringLiteral("file:///F./R.x_F.mp4")),
              QStringLiteral("file:///R./R.x_R.mp4"));
    EXPECT_TRUE(partnerUrlText(QStringLiteral("file:///c/0512.mp4")).isNull());
    // The list's own rule knows nothing of "_BC" names.
    EXPECT_TRUE(partnerUrlText(QStringLiteral("file:///c/0512_F_BC.mp4")).isNull());
}

TEST(Partner, OnlyTwoMp4FilesArePartners)
{
    const QUrl front = clip("/card/cont_rec/0512_F.mp4");
    const QUrl rear = clip("/card/cont_rec/0512_R.mp4");
    EXPECT_TRUE(isPartner(front, rear));
    EXPECT_TRUE(isPartner(rear, front));
    EXPECT_TRUE(isMp4Partner(front, rear));
    EXPECT_TRUE(isMp4Partner(rear, front));
    EXPECT_TRUE(isMp4Partner(clip("/card/a_F.MP4"), clip("/card/a_R.MP4")));

    // Two "avi" files named alike are never treated as partners, though the text rule matches.
    const QUrl frontAvi = clip("/card/cont_rec/0512_F.avi");
    const QUrl rearAvi = clip("/card/cont_rec/0512_R.avi");
    EXPECT_TRUE(isPartner(frontAvi, rearAvi));
    EXPECT_FALSE(isMp4Partner(frontAvi, rearAvi));
    EXPECT_FALSE(isMp4Partner(front, clip("/card/cont_rec/0512_R.avi")));

    EXPECT_FALSE(isMp4Partner(front, clip("/card/evt_rec/0512_R.mp4")));
    EXPECT_FALSE(isMp4Partner(front, front));
    EXPECT_FALSE(isMp4Partner(clip("/card/a.mp4"), clip("/card/a.mp4")));
    EXPECT_TRUE(isMp4Partner(clip("/card/my clip #1 ?é_F.mp4"), clip("/card/my clip #1 ?é_R.mp4")));
    EXPECT_EQ(QUrl(partnerUrlText(clip("/card/#1 ?_F.mp4"))).toLocalFile(), QStringLiteral("/card/#1 ?_R.mp4"));
}

TEST(CameraSide, FromTheUrlText)
{
    EXPECT_EQ(cameraSide(clip("/card/0512_F.mp4")), CameraSide::Front);
    EXPECT_EQ(cameraSide(clip("/card/0512_R.mp4")), CameraSide::Rear);
    EXPECT_EQ(cameraSide(clip("/card/R./0512_F.mp4")), CameraSide::Front);
    EXPECT_EQ(cameraSide(clip("/card/0512.mp4")), CameraSide::None);
}

// What the rules read of one clip: its side, its partner's file name, and the filters besides All
// that show it ("a" always, "m" motion, "e" event, "n" manual).
struct Reading {
    const char *path;
    CameraSide side;
    const char *partner; // "": none
    const char *filters;
};

void expectReadings(std::initializer_list<Reading> table)
{
    for (const Reading &row : table) {
        const QUrl url = clip(row.path);
        EXPECT_EQ(cameraSide(url), row.side) << row.path;
        const QString partner = partnerUrlText(url);
        EXPECT_EQ(partner.isNull() ? QString() : QUrl(partner).fileName(), QString::fromUtf8(row.partner)) << row.path;
        std::string filters;
        for (const auto &[filter, letter] : {std::pair(VideoFileFilterAlways, 'a'), std::pair(VideoFileFilterMotion, 'm'),
                                             std::pair(VideoFileFilterEvent, 'e'), std::pair(VideoFileFilterManual, 'n')}) {
            if (videoFileMatchesFilter(url, filter))
                filters += letter;
        }
        EXPECT_EQ(filters, row.filters) << row.path;
    }
}

constexpr auto F = CameraSide::Front;
constexpr auto R = CameraSide::Rear;
constexpr auto N = CameraSide::None;

// Names and folders of other makes inside this maker's folders change nothing: the specified
// rules answer as they always have.
TEST(OtherCameras, ThisMakersClipsKeepTheirReadings)
{
    expectReadings({
        {"/card/cont_rec/20240517_101500_F.mp4", F, "20240517_101500_R.mp4", "a"},
        {"/card/evt_rec/20240517_101500_NF.mp4", F, "20240517_101500_NR.mp4", "e"},
        {"/card/parking_rec/20240517_101500_PR.mp4", R, "20240517_101500_PF.mp4", "e"},
        {"/card/manual_rec/2024_0517_101500_001R.MP4", R, "2024_0517_101500_001F.MP4", "n"},
        {"/card/cont_rec/20240517_101500_A.mp4", N, "", "a"},
        {"/card/Saved_Videos/20240517_101500_EF.mp4", F, "20240517_101500_ER.mp4", ""},
        {"/card/sos_rec/Event/20240517_101500_B.mp4", N, "", "n"},
        {"/card/motion_rec/Normal/x_MF.mp4", F, "x_MR.mp4", "m"},
        {"/media/cont_rec_old/DCIM/Movie/RO/a_A.mp4", N, "", "a"},
        {"/card/0100.MP4", N, "", ""},
    });
}

TEST(OtherCameras, FoldersAndNamesTellTypeAndSide)
{
    expectReadings({
        {"/card/DCIM/Movie/2024_0517_101500_001F.MP4", F, "2024_0517_101500_001R.MP4", "a"},
        {"/card/DCIM/Movie/RO/2024_0517_101500_001R.MP4", R, "2024_0517_101500_001F.MP4", "e"},
        {"/card/DCIM/100MEDIA/240517_101500_A.MP4", F, "240517_101500_B.MP4", ""},
        {"/card/DCIM/100MEDIA/240517_101500_B.MP4", R, "240517_101500_A.MP4", ""},
        {"/card/Record/20240517_101500_NF.mp4", F, "20240517_101500_NR.mp4", "a"},
        {"/card/Record/20240517_101500_ER.mp4", R, "20240517_101500_EF.mp4", "e"},
        {"/card/Record/20240517_101500_PF.mp4", F, "20240517_101500_PR.mp4", "e"},
        {"/card/Record/20240517_101500_MR.mp4", R, "20240517_101500_MF.mp4", "n"},
        {"/card/normal/20240517101500F.MP4", F, "20240517101500R.MP4", "a"},
        {"/card/EMER/FILE240517-101500R.MOV", R, "FILE240517-101500F.MOV", "e"},
        {"/card/PARK/x.mp4", N, "", "e"},
        {"/card/Manual/20240517_101500.mp4", N, "", "n"},
        {"/card/Event/20240517_101500_NF.mp4", F, "20240517_101500_NR.mp4", "a"}, // the name first
        {"/card/DCIM/XMF.mp4", F, "XMR.mp4", ""}, // "F." as ever, but "MF" ends a word: no type
        {"/card/DCIM/trip #1 240517_101500_A.mp4", F, "trip #1 240517_101500_B.mp4", ""},
    });
    EXPECT_TRUE(isMp4Partner(clip("/c/DCIM/1_A.mp4"), clip("/c/DCIM/1_B.mp4")));
    EXPECT_FALSE(isMp4Partner(clip("/c/DCIM/1_A.mov"), clip("/c/DCIM/1_B.mov"))) << "only mp4 files pair";
    for (const char *name : {"DCIM", "dcim", "100MEDIA", "Normal", "NORMAL", "event", "EMER", "PARK", "20240517", "2024_05_17"})
        EXPECT_TRUE(isForeignListingFolderName(QString::fromUtf8(name))) << name;
    for (const char *name : {"cont_rec", "Photo", "other", "100MEDIA1", "2024_0517"})
        EXPECT_FALSE(isForeignListingFolderName(QString::fromUtf8(name))) << name;
}

TEST(OtherCameras, NextAndPreviousStepOverTheirRearFiles)
{
    const QList<QUrl> list = {clip("/c/DCIM/a_A.mp4"), clip("/c/DCIM/a_B.mp4"), clip("/c/DCIM/b_A.mp4"),
                              clip("/c/DCIM/b_B.mp4"), clip("/c/DCIM/c.mp4")};
    const std::pair<int, int> next[] = {{0, 2}, {2, 4}, {4, 0}};
    for (const auto &[from, to] : next)
        EXPECT_EQ(nextEntryRow(list, from), to) << from;
    const std::pair<int, int> previous[] = {{2, 0}, {3, 2}, {4, 2}, {1, 0}};
    for (const auto &[from, to] : previous)
        EXPECT_EQ(previousEntryRow(list, from), to) << from;
}

struct Membership {
    const char *path;
    bool all, always, motion, event, manual;
};

TEST(Filter, FolderTextsSelectTheirRecordingTypes)
{
    const Membership table[] = {
        {"/card/cont_rec/a.mp4", true, true, false, false, false},
        {"/card/motion_rec/a.mp4", true, false, true, false, false},
        {"/card/motion_timelapse_rec/a.mp4", true, false, true, false, false},
        {"/card/evt_rec/a.mp4", true, false, false, true, false},
        {"/card/parking_rec/a.mp4", true, false, false, true, false},
        {"/card/manual_rec/a.mp4", true, false, false, false, true},
        {"/card/option_rec/a.mp4", true, false, false, false, true},
        {"/card/sos_rec/a.mp4", true, false, false, false, true},
        {"/card/Saved_Videos/a.mp4", true, false, false, false, false},
        {"/card/a.mp4", true, false, false, false, false},
        // A substring test on the whole path, not a test of the parent folder's name.
        {"/media/cont_rec_old/evt_rec/a.mp4", true, true, false, true, false},
        {"/card/evt_rec/2024/cont_rec.mp4", true, true, false, true, false},
        // Case-sensitive.
        {"/card/EVT_REC/a.mp4", true, false, false, false, false},
    };
    for (const Membership &row : table) {
        const QUrl url = clip(row.path);
        EXPECT_EQ(videoFileMatchesFilter(url, VideoFileFilterAll), row.all) << row.path;
        EXPECT_EQ(videoFileMatchesFilter(url, VideoFileFilterAlways), row.always) << row.path;
        EXPECT_EQ(videoFileMatchesFilter(url, VideoFileFilterMotion), row.motion) << row.path;
        EXPECT_EQ(videoFileMatchesFilter(url, VideoFileFilterEvent), row.event) << row.path;
        EXPECT_EQ(videoFileMatchesFilter(url, VideoFileFilterManual), row.manual) << row.path;
    }
}

TEST(Filter, ValuesOutsideOneToFourShowEverything)
{
    const QUrl url = clip("/card/evt_rec/a.mp4");
    EXPECT_TRUE(videoFileMatchesFilter(url, -1));
    EXPECT_TRUE(videoFileMatchesFilter(url, 5));
    EXPECT_EQ(applyVideoFileFilter({url}, 99).size(), 1);
    EXPECT_TRUE(applyVideoFileFilter({}, VideoFileFilterEvent).isEmpty());
}

TEST(CellColor, ByTheFolderThatHoldsTheFile)
{
    EXPECT_EQ(videoFileCellColor(clip("/card/Saved_Videos/a.mp4")), VideoFileCellColor::Magenta);
    EXPECT_EQ(videoFileCellColor(clip("/card/My_Saved_Videos/a.mp4")), VideoFileCellColor::Magenta);
    EXPECT_EQ(videoFileCellColor(clip("/card/option_rec/a.mp4")), VideoFileCellColor::Yellow);
    EXPECT_EQ(videoFileCellColor(clip("/card/sos_rec/a.mp4")), VideoFileCellColor::Yellow);
    EXPECT_EQ(videoFileCellColor(clip("/card/cont_rec/a.mp4")), VideoFileCellColor::Default);
    // Only the folder that holds the file counts.
    EXPECT_EQ(videoFileCellColor(clip("/card/Saved_Videos/2024/a.mp4")), VideoFileCellColor::Default);
    EXPECT_EQ(videoFileCellColor(clip("/card/sos_rec.mp4")), VideoFileCellColor::Default);
}

TEST(Order, SavedVideosFirstThenByFileName)
{
    const QList<QUrl> all = {
        clip("/card/cont_rec/0512_R.mp4"),   clip("/card/Saved_Videos/b.mp4"),
        clip("/card/evt_rec/0001_F.avi"),    clip("/card/cont_rec/0512_F.mp4"),
        clip("/card/Saved_Videos/a.mp4"),    clip("/card/sos_rec/Zulu.mp4"),
        clip("/card/motion_rec/alpha.mp4"),
    };
    EXPECT_EQ(names(applyVideoFileFilter(all, VideoFileFilterAll)),
              (strings({"/card/Saved_Videos/a.mp4", "/card/Saved_Videos/b.mp4",
                           "/card/evt_rec/0001_F.avi", "/card/cont_rec/0512_F.mp4",
                           "/card/cont_rec/0512_R.mp4", "/card/sos_rec/Zulu.mp4",
                           "/card/motion_rec/alpha.mp4"})));
    EXPECT_EQ(videoFileCellText(all[0]), QStringLiteral("0512_R.mp4"));
}

TEST(Order, SavedVideosStayFirstInEveryFilteredView)
{
    const QList<QUrl> all = {
        clip("/card/evt_rec/0001.mp4"),
        clip("/card/Saved_Videos/evt_rec_copy/9999.mp4"),
        clip("/card/Saved_Videos/zz_evt_rec.mp4"),
    };
    const QList<QUrl> event = applyVideoFileFilter(all, VideoFileFilterEvent);
    EXPECT_EQ(names(event), (strings({"/card/Saved_Videos/evt_rec_copy/9999.mp4",
                                         "/card/Saved_Videos/zz_evt_rec.mp4",
                                         "/card/evt_rec/0001.mp4"})));
}

TEST(Order, PlainCaseSensitiveComparisonAndStableForEqualNames)
{
    QList<QUrl> list = {clip("/card/evt_rec/a.mp4"), clip("/card/cont_rec/B.mp4"),
                        clip("/card/cont_rec/a.mp4"), clip("/card/cont_rec/_x.mp4")};
    sortVideoFileList(list);
    // 'B' (0x42) < '_' (0x5F) < 'a' (0x61); the two "a.mp4" keep their order.
    EXPECT_EQ(names(list), (strings({"/card/cont_rec/B.mp4", "/card/cont_rec/_x.mp4",
                                        "/card/evt_rec/a.mp4", "/card/cont_rec/a.mp4"})));
    EXPECT_TRUE(videoFileComesBefore(clip("/x/Saved_Videos/z.mp4"), clip("/x/a.mp4")));
    EXPECT_FALSE(videoFileComesBefore(clip("/x/a.mp4"), clip("/x/a.mp4")));
}

} // namespace
