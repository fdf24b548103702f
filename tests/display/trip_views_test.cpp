// The drive's timeline strip and speed chart: a press anywhere plays the right clip at the right
// second, and both draw an empty, a one-clip and a two-hour drive.
#include "display/speed_chart_view.h"
#include "display/trip_timeline_view.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

using namespace drovik;
using telemetry::DriveTrack;
using telemetry::GForceEventKind;

namespace {

// A drive of clips given as (offset, duration, read) at ten samples a second: a town drive's
// speed with stops, a lost fix at 100–104 s of the drive, events at the given seconds.
std::shared_ptr<const DriveTrack> drive(std::vector<DriveTrack::Clip> clips,
                                        std::vector<std::pair<double, GForceEventKind>> events = {})
{
    auto track = std::make_shared<DriveTrack>();
    track->clips = std::move(clips);
    for (int c = 0; c < int(track->clips.size()); ++c) {
        const DriveTrack::Clip &clip = track->clips[std::size_t(c)];
        track->durationSeconds = std::max(track->durationSeconds, clip.offsetSeconds + clip.durationSeconds);
        for (int i = 0; clip.read && i < int(std::lround(clip.durationSeconds * 10)); ++i) {
            DriveTrack::Sample s;
            s.clip = c;
            s.clipSeconds = i / 10.0;
            s.seconds = clip.offsetSeconds + s.clipSeconds;
            s.fix = s.seconds < 100 || s.seconds >= 104;
            const double t = s.seconds;
            s.speedKmh = s.fix ? float(std::max(0.0, 38 + 30 * std::sin(t / 37) + 14 * std::sin(t / 9.3 + 1)
                                                          + 10 * std::sin(t / 240)))
                               : 0.0f;
            track->samples.push_back(s);
        }
    }
    for (const auto &[seconds, kind] : events) {
        const DriveTrack::Moment m = *track->momentAt(seconds);
        track->events.push_back({seconds, m.clip, m.clipSeconds, kind});
    }
    return track;
}

// Three clips of a minute, the third after ten seconds without recording.
std::shared_ptr<const DriveTrack> threeClips()
{
    return drive({{0, 60, true}, {60, 60, true}, {130, 60, true}},
                 {{20, GForceEventKind::HarshBraking}, {140, GForceEventKind::Cornering}});
}

// Twelve clips of a minute with a stop of half a minute after the fifth, the last two not read yet.
std::shared_ptr<const DriveTrack> townTrip()
{
    std::vector<DriveTrack::Clip> clips;
    for (int c = 0; c < 12; ++c)
        clips.push_back({c * 60.0 + (c >= 5 ? 30 : 0), 60, c < 10});
    return drive(std::move(clips), {{47, GForceEventKind::HarshAcceleration}, {212, GForceEventKind::HarshBraking},
                                    {268, GForceEventKind::Cornering}, {405, GForceEventKind::HarshBraking},
                                    {530, GForceEventKind::Impact}, {571, GForceEventKind::Cornering}});
}

std::shared_ptr<const DriveTrack> twoHours()
{
    std::vector<DriveTrack::Clip> clips;
    for (int c = 0; c < 120; ++c)
        clips.push_back({c * 60.0, 60, true});
    std::vector<std::pair<double, GForceEventKind>> events;
    for (int e = 0; e < 40; ++e)
        events.push_back({e * 180.0 + 17, GForceEventKind(e % 4)});
    return drive(std::move(clips), std::move(events));
}

// Resizes the view so that its timeline holds a whole number of pixels per second of the drive.
void fitPixelsPerSecond(DriveTimeView &view, int pixelsPerSecond, int height)
{
    view.resize(600, height);
    const int margins = view.width() - int(view.plotRect().width());
    view.resize(margins + int(view.track()->durationSeconds) * pixelsPerSecond, height);
}

void darkBackground(QWidget &view)
{
    QPalette palette = view.palette();
    palette.setColor(QPalette::Window, QColor(0x0e, 0x10, 0x13));
    view.setPalette(palette);
    view.setAutoFillBackground(true);
}

// Pictures go beside the build, for looking at.
void save(const QImage &image, const QString &name)
{
    const QString dir = QStringLiteral(DROVIK_BINARY_DIR "/shots");
    QDir().mkpath(dir);
    image.save(dir + QLatin1Char('/') + name);
}

TEST(TripViews, APressPlaysTheClipAndSecondUnderIt)
{
    TripTimelineView timeline;
    SpeedChartView chart;
    const struct {
        double seconds;
        int clip;
        double clipSeconds;
    } cases[] = {
        {0, 0, 0},     {30, 0, 30},    {75, 1, 15},   {119, 1, 59},
        {125, 2, 0} /* between clips: the next one's start */, {150, 2, 20}, {190, 2, 59.9} /* the end */,
    };
    for (DriveTimeView *view : std::initializer_list<DriveTimeView *>{&timeline, &chart}) {
        view->setTrack(threeClips(), 1);
        fitPixelsPerSecond(*view, 2, view == &timeline ? 20 : 180);
        QSignalSpy clicked(view, &DriveTimeView::momentClicked);
        for (const auto &c : cases) {
            const int x = int(view->plotRect().left()) + int(c.seconds * 2);
            QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(x, view->height() / 2));
            ASSERT_EQ(clicked.size(), 1) << c.seconds;
            const QList<QVariant> args = clicked.takeFirst();
            EXPECT_EQ(args.at(0).toInt(), c.clip) << view->metaObject()->className() << " at " << c.seconds;
            EXPECT_NEAR(args.at(1).toDouble(), c.clipSeconds, 1e-9) << view->metaObject()->className() << " at " << c.seconds;
        }
        // Beside the chart's scale, before the drive's start: its first moment.
        QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(1, view->height() / 2));
        ASSERT_EQ(clicked.size(), 1);
        EXPECT_EQ(clicked.takeFirst().at(1).toDouble(), 0.0);
        // Cleared, a view asks for nothing.
        view->clear();
        QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(view->width() / 2, view->height() / 2));
        EXPECT_EQ(clicked.size(), 0);
    }
}

TEST(TripViews, ClockTexts)
{
    const std::pair<double, const char *> cases[] = {
        {0, "00:00"}, {135.9, "02:15"}, {3599.5, "59:59"}, {3725, "1:02:05"}, {-5, "00:00"}, {std::nan(""), "00:00"},
    };
    for (const auto &[seconds, text] : cases)
        EXPECT_EQ(driveClockText(seconds), QString::fromUtf8(text)) << seconds;
}

// The speed under the playhead and the event dots: the nearest fix within a second, in the unit.
TEST(TripViews, SpeedAtAMomentInEitherUnit)
{
    SpeedChartView chart;
    const std::shared_ptr<const DriveTrack> track = threeClips();
    chart.setTrack(track, 0);
    const auto kmhAt = [&](double seconds) {
        const auto it = std::find_if(track->samples.begin(), track->samples.end(),
                                     [&](const DriveTrack::Sample &s) { return std::abs(s.seconds - seconds) < 1e-6; });
        return double(it->speedKmh);
    };
    const struct {
        double seconds;
        std::optional<double> kmh;
    } cases[] = {
        {30, kmhAt(30)}, {30.04, kmhAt(30)}, {100.5, kmhAt(99.9)} /* the fix lost at 100 s */,
        {102, std::nullopt}, {125, std::nullopt} /* between clips */, {129.5, kmhAt(130)}, {500, std::nullopt},
    };
    for (const bool mph : {false, true}) {
        chart.setMilesPerHour(mph);
        for (const auto &c : cases) {
            const std::optional<double> speed = chart.speedAt(c.seconds);
            ASSERT_EQ(speed.has_value(), c.kmh.has_value()) << c.seconds;
            if (c.kmh)
                EXPECT_NEAR(*speed, mph ? *c.kmh / 1.609344 : *c.kmh, 1e-4) << c.seconds;
        }
    }
}

TEST(TripViews, DrawEmptyOneClipAndTwoHourDrives)
{
    TripTimelineView timeline;
    SpeedChartView chart;
    timeline.resize(846, 22);
    chart.resize(560, 180);
    darkBackground(timeline);
    darkBackground(chart);
    const struct {
        const char *name;
        std::shared_ptr<const DriveTrack> track;
        int currentClip;
    } drives[] = {
        {"empty", std::make_shared<DriveTrack>(), -1},
        {"one_clip", drive({{0, 60, true}}, {{12, GForceEventKind::Impact}}), 0},
        {"no_fix", drive({{100, 4, true}}), 0},
        {"two_hours", twoHours(), 57},
        {"town_trip", townTrip(), 5},
    };
    for (const auto &d : drives) {
        QElapsedTimer timer;
        timer.start();
        timeline.setTrack(d.track, d.currentClip);
        chart.setTrack(d.track, d.currentClip);
        timeline.setPosition(d.track->durationSeconds * 0.48);
        chart.setPosition(d.track->durationSeconds * 0.48);
        const QImage strip = timeline.grab().toImage();
        const QImage speeds = chart.grab().toImage();
        const qint64 drawn = timer.elapsed();
        // Following playback draws the cached picture and the playhead over it.
        QImage frames(chart.size(), QImage::Format_ARGB32_Premultiplied);
        timer.restart();
        for (int frame = 0; frame < 30; ++frame) {
            timeline.setPosition(d.track->durationSeconds * 0.48 + frame);
            chart.setPosition(d.track->durationSeconds * 0.48 + frame);
            timeline.render(&frames);
            chart.render(&frames);
        }
        std::printf("%-10s %6zu samples: setTrack and first draw %lld ms, 30 positions %lld µs\n", d.name,
                    d.track->samples.size(), static_cast<long long>(drawn), static_cast<long long>(timer.nsecsElapsed() / 1000));
        EXPECT_EQ(strip.size(), QSize(846, 22));
        EXPECT_EQ(speeds.size(), QSize(560, 180));
        save(strip, QStringLiteral("trip_timeline_%1.png").arg(QLatin1String(d.name)));
        save(speeds, QStringLiteral("speed_chart_%1.png").arg(QLatin1String(d.name)));
    }
    timeline.clear();
    chart.clear();
    EXPECT_EQ(timeline.track(), nullptr);
    timeline.grab();
    chart.grab();
}

} // namespace
