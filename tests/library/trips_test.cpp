// The trip rule's edges, one row each, and a listing's recordings as the rule sees them.
#include "library/card_trips.h"
#include "library/trips.h"
#include "library/video_file_rules.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QTimeZone>

#include <string>
#include <vector>

using namespace drovik;

namespace {

constexpr auto C = TripClipKind::Continuous;
constexpr auto O = TripClipKind::Other;
constexpr auto P = TripClipKind::Parking;

struct Clip {
    double start; // seconds after 2024-05-17 23:50:00 (camera clock); -1: no time in the name
    double duration;
    TripClipKind kind;
    int rank = 0;
};

// The trips as text: members by index, extras in brackets, trips separated by " | ".
std::string tripsText(const std::vector<Clip> &input, double gap = kDefaultTripGapSeconds)
{
    const int64_t base = QDateTime(QDate(2024, 5, 17), QTime(23, 50), QTimeZone::utc()).toMSecsSinceEpoch();
    std::vector<TripClip> clips;
    for (const Clip &c : input)
        clips.push_back({c.start < 0 ? std::nullopt : std::optional(base + int64_t(c.start * 1000)), c.duration, c.kind, c.rank});
    std::string text;
    for (const Trip &trip : groupTrips(clips, gap)) {
        if (!text.empty())
            text += " | ";
        std::string members;
        for (const TripMember &m : trip.members)
            members += (members.empty() ? "" : " ") + (m.extra ? "[" + std::to_string(m.clip) + "]" : std::to_string(m.clip));
        text += members;
    }
    return text;
}

TEST(Trips, TheRuleAtItsEdges)
{
    const struct {
        const char *name;
        std::vector<Clip> clips;
        const char *expected;
        double gap = kDefaultTripGapSeconds;
    } cases[] = {
        {"consecutive clips, listed out of order", {{60, 60, C}, {0, 60, C}, {120, 60, C}}, "1 0 2"},
        {"a gap of the gap joins, one more second cuts", {{0, 60, C}, {70, 60, C}, {141, 60, C}}, "0 1 | 2"},
        {"a gap of zero", {{0, 60, C}, {60, 60, C}, {121, 60, C}}, "0 1 | 2", 0.0},
        {"an event recorded during a clip is an extra", {{0, 60, C}, {20, 20, O}, {60, 60, C}}, "0 [1] 2"},
        {"an event after the last clip plays", {{0, 60, C}, {60, 20, O}, {80, 10, O}}, "0 1 2"},
        {"cameras overlap clips by a moment", {{0, 61, C}, {60, 60, C}, {119.5, 10, O}}, "0 1 2"},
        {"on equal starts the continuous clip plays", {{0, 20, O}, {0, 60, C}}, "1 [0]"},
        {"a saved copy is the extra, not its clip", {{30, 20, O, 6}, {0, 30, C}, {30, 20, O, 2}}, "1 2 [0]"},
        {"parking never joins a drive", {{0, 60, C}, {60, 60, P}, {65, 60, C}, {120, 60, P}}, "0 2 | 1 3"},
        {"past midnight one drive", {{570, 30, C}, {600, 30, C}, {630, 30, C}}, "0 1 2"},
        {"no time in the name: a trip of its own, last", {{-1, 60, C}, {0, 60, C}, {-1, 60, O}, {60, 60, C}},
         "1 3 | 0 | 2"},
        {"nothing", {}, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(tripsText(c.clips, c.gap), c.expected) << c.name;
}

TEST(Trips, TimesSpanTheDrive)
{
    const std::vector<TripClip> clips = {{1000, 30, C, 0}, {31000, 30.5, C, 0}, {40000, 60, O, 0}};
    const std::vector<Trip> trips = groupTrips(clips);
    ASSERT_EQ(trips.size(), 1u);
    EXPECT_EQ(trips[0].startMs, 1000);
    EXPECT_EQ(trips[0].endMs, 100000) << "the extra's end counts";
    EXPECT_EQ(cameraTimeText(QDateTime(QDate(2024, 5, 17), QTime(0, 0, 5), QTimeZone::utc()).toMSecsSinceEpoch()),
              QStringLiteral("2024-05-17T00:00:05"));
}

// The start a name tells: "YYYYMMDD_HHMMSS" at its very beginning, else the first time stamp of
// another make's forms anywhere in it; a real date and time.
TEST(Trips, StartFromTheName)
{
    const struct {
        const char *name;
        const char *start; // nullptr: none
    } cases[] = {
        {"20240517_101500_F.mp4", "2024-05-17T10:15:00"},
        {"20240517_235959", "2024-05-17T23:59:59"},
        {"20240229_000000.avi", "2024-02-29T00:00:00"},
        {"20230229_000000.avi", nullptr},
        {"20240517_240000.mp4", nullptr},
        {"20240517_101560.mp4", nullptr},
        {"20241317_101500.mp4", nullptr},
        {"00000101_101500.mp4", nullptr},
        {"20240517-101500.mp4", "2024-05-17T10:15:00"},
        {"20240517_10150", nullptr},
        {"x20240517_101500.mp4", "2024-05-17T10:15:00"},
        {"20240517_1015001.mp4", "2024-05-17T10:15:00"}, // the leading form reads no further
        {"2024_0517_101500_001F.MP4", "2024-05-17T10:15:00"},
        {"FILE240517-101500F.MOV", "2024-05-17T10:15:00"},
        {"NO20240517101500_000123R.mp4", "2024-05-17T10:15:00"},
        {"REC_2024_05_17_10_15_00_F.mp4", "2024-05-17T10:15:00"},
        {"2024_0501_F.mp4", nullptr},
        {"GRMN0001.MP4", nullptr},
        {"120240517_101500.mp4", nullptr},
        {"x19691231_235959.mp4", nullptr},
        {"IMG_1234_567890.mp4", nullptr},
        {"2024O517_101500.mp4", nullptr},
        {"\uff12\uff10\uff12\uff14\uff10\uff15\uff11\uff17_101500.mp4", nullptr},
    };
    for (const auto &c : cases) {
        const auto start = clipStartFromFileName(QString::fromUtf8(c.name));
        EXPECT_EQ(start ? cameraTimeText(start->toMSecsSinceEpoch()).toStdString() : std::string("none"),
                  c.start ? c.start : "none") << c.name;
    }
}

// The listing: partners go with their front, kinds and ranks come from the folder, starts from the name.
TEST(Trips, ListingRecordings)
{
    const QString root = QStringLiteral("/card/");
    const QList<QUrl> listing = {
        QUrl::fromLocalFile(root + QStringLiteral("cont_rec/20240517_101500_R.mp4")),
        QUrl::fromLocalFile(root + QStringLiteral("cont_rec/20240517_101500_F.mp4")),
        QUrl::fromLocalFile(root + QStringLiteral("evt_rec/20240517_101510_R.mp4")),
        QUrl::fromLocalFile(root + QStringLiteral("parking_rec/2024/20240517_103000_F.avi")),
        QUrl::fromLocalFile(root + QStringLiteral("parking_rec/20240517_103000_R.avi")),
        QUrl::fromLocalFile(root + QStringLiteral("Saved_Videos/clip.mov")),
    };
    const ListedTrips listed = groupListedTrips(listing);
    ASSERT_EQ(listed.recordings.size(), 5);
    EXPECT_EQ(listed.recordings[0].clip, listing[1]);
    EXPECT_EQ(listed.recordings[0].partner, listing[0]);
    EXPECT_TRUE(listed.recordings[1].partner.isEmpty()) << "a rear without its front stands alone";
    EXPECT_TRUE(listed.recordings[2].partner.isEmpty()) << "AVI files are never partners";

    const struct {
        int recording;
        TripClipKind kind;
        int rank;
        bool timed;
    } kinds[] = {{0, C, 0, true}, {1, O, 2, true}, {2, P, 4, true}, {4, O, 6, false}};
    for (const auto &k : kinds) {
        const TripClip clip = tripClipOf(listed.recordings[k.recording].clip);
        EXPECT_EQ(clip.kind, k.kind) << k.recording;
        EXPECT_EQ(clip.folderRank, k.rank) << k.recording;
        EXPECT_EQ(clip.startMs.has_value(), k.timed) << k.recording;
        EXPECT_EQ(clip.durationSeconds, kUsualClipSeconds);
    }
    // cont + its event at 10 s (within the assumed minute) | the two parking clips (the second
    // recorded at the same time) | the untimed copy.
    ASSERT_EQ(listed.trips.size(), 3u);
    EXPECT_EQ(listed.trips[0].members.size(), 2u);
    EXPECT_TRUE(listed.trips[0].members[1].extra);
    EXPECT_TRUE(listed.trips[1].parking);
    EXPECT_EQ(listed.trips[1].members.size(), 2u);
    EXPECT_FALSE(listed.trips[2].startMs.has_value());

    // Shown by trips (the rear of the first clip filtered out, a file of no trip at the end).
    const CardTrips card = cardTrips(root, listed.recordings, {});
    const QUrl stray = QUrl::fromLocalFile(root + QStringLiteral("elsewhere.mp4"));
    const TripListing byTrips = listByTrips(card, {stray, listing[5], listing[4], listing[3], listing[2], listing[1]});
    EXPECT_EQ(byTrips.clips, (QList<QUrl>{listing[1], listing[2], listing[3], listing[4], listing[5], stray}));
    ASSERT_EQ(byTrips.headers.size(), 3u);
    const std::pair<int, int> headers[] = {{0, 0}, {2, 1}, {4, 2}};
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(std::pair(byTrips.headers[i].row, byTrips.headers[i].trip), headers[i]) << i;
}

// Other makes' clips: pairs by their side markers, kinds by their folders or names.
TEST(Trips, OtherMakesRecordings)
{
    const auto at = [](const char *path) { return QUrl::fromLocalFile(QString::fromUtf8(path)); };
    const QList<QUrl> listing = {
        at("/card/Normal/20240517101500R.MP4"),     at("/card/Normal/20240517101500F.MP4"),
        at("/card/DCIM/100MEDIA/240517_101600_B.mp4"), at("/card/DCIM/100MEDIA/240517_101600_A.mp4"),
        at("/card/Record/20240517_103000_PF.mp4"),  at("/card/Event/2024_0517_101530_001F.MOV"),
    };
    const QList<TripRecording> recordings = tripRecordings(listing);
    ASSERT_EQ(recordings.size(), 4);
    EXPECT_EQ(recordings[0].clip, listing[1]);
    EXPECT_EQ(recordings[0].partner, listing[0]);
    EXPECT_EQ(recordings[1].clip, listing[3]);
    EXPECT_EQ(recordings[1].partner, listing[2]);
    const struct {
        int recording;
        TripClipKind kind;
        const char *start;
    } kinds[] = {{0, C, "2024-05-17T10:15:00"}, {1, O, "2024-05-17T10:16:00"},
                 {2, P, "2024-05-17T10:30:00"}, {3, O, "2024-05-17T10:15:30"}};
    for (const auto &k : kinds) {
        const TripClip clip = tripClipOf(recordings[k.recording].clip);
        EXPECT_EQ(clip.kind, k.kind) << k.recording;
        EXPECT_EQ(clip.folderRank, recordingFolderNames().size()) << k.recording;
        ASSERT_TRUE(clip.startMs.has_value()) << k.recording;
        EXPECT_EQ(cameraTimeText(*clip.startMs).toStdString(), k.start) << k.recording;
    }
}

} // namespace
