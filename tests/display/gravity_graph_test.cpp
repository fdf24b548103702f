// The G-sensor graph: its points for the worked examples, and what a view actually paints.
#include "display/gravity_graph.h"
#include "display/gravity_graph_view.h"
#include "display/gforce_event_style.h"
#include "display_test_util.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace drovik;
using drovik::test::TableRecord;

namespace {

struct YCase {
    const char *name;
    int acceleration;
    float base;
    float y;
};

TEST(GravityGraphPoints, YOfOneAcceleration)
{
    const YCase cases[] = {
        {"at rest", 0, 64.0f, 64.0f},
        {"+300 hangs 30 below", 300, 64.0f, 34.0f},
        {"-300 the same, sign dropped", -300, 64.0f, 34.0f},
        {"one g is 12.8", 128, 64.0f, 64.0f - 12.8f},
        {"512 on an 80-high view is clamped to the bottom", 512, 40.0f, 0.0f},
        {"-512 likewise", -512, 40.0f, 0.0f},
        {"just reaching the bottom", 400, 40.0f, 0.0f},
        {"largest 16-bit value", -32768, 64.0f, 0.0f},
    };
    for (const YCase &c : cases)
        EXPECT_FLOAT_EQ(gravityGraphY(c.acceleration, c.base), c.y) << c.name;
}

// Sample i of n lies at x = (i + 1) / n in single precision: one sample on the right edge.
TEST(GravityGraphPoints, SamplesSpreadFromOneStepInToTheRightEdge)
{
    EXPECT_TRUE(generateGravityGraphPoints(TableRecord{}, 64.0f).gxPointList.isEmpty());
    TableRecord one;
    one.accel = {{300, -300, 512}};
    const GravityGraphPoints single = generateGravityGraphPoints(one, 40.0f);
    EXPECT_EQ(single.gxPointList, QList<QPointF>{QPointF(1.0, 10.0)});
    EXPECT_EQ(single.gyPointList, QList<QPointF>{QPointF(1.0, 10.0)});
    EXPECT_EQ(single.gzPointList, QList<QPointF>{QPointF(1.0, 0.0)});

    TableRecord record;
    record.accel = {{10, 0, -10}, {20, 0, -20}, {30, 0, -30}, {40, 0, -40}};
    const GravityGraphPoints points = generateGravityGraphPoints(record, 64.0f);
    const QList<QPointF> diagonal{{0.25, 63}, {0.5, 62}, {0.75, 61}, {1.0, 60}};
    EXPECT_EQ(points.gxPointList, diagonal);
    EXPECT_EQ(points.gzPointList, diagonal);
    EXPECT_EQ(points.gyPointList, (QList<QPointF>{{0.25, 64}, {0.5, 64}, {0.75, 64}, {1.0, 64}}));

    record.accel.assign(650, {0, 0, 0});
    const QList<QPointF> many = generateGravityGraphPoints(record, 64.0f).gxPointList;
    ASSERT_EQ(many.size(), 650);
    EXPECT_EQ(many[2].x(), double(3.0f / 650.0f));
    EXPECT_EQ(many.last().x(), 1.0);
}

// The playhead stands on the point of the sample playing and moves on through it; the time
// scale's ticks keep 40 pixels apart at round steps.
TEST(GravityGraphPoints, PlayheadPlaceAndTimeSteps)
{
    const struct {
        double seconds;
        int count;
        double width;
        double x;
    } places[] = {
        {0.0, 40, 200, 5},  {1.9, 40, 200, 100}, {1.95, 40, 200, 102.5}, {3.9, 40, 200, 200},
        {9.0, 40, 200, 200}, {-1.0, 40, 200, 0},  {1.0, 0, 200, 0},        {1.0, 40, 0, 0},
    };
    for (const auto &p : places)
        EXPECT_DOUBLE_EQ(gravityGraphTimeX(p.seconds, p.count, p.width), p.x) << p.seconds << " s of " << p.count;
    const std::tuple<int, double, int> steps[] = {
        {100, 250, 2}, {600, 250, 10}, {650, 250, 15}, {40, 200, 1}, {36000, 250, 600}, {0, 250, 600},
    };
    for (const auto &[count, width, step] : steps)
        EXPECT_EQ(gravityGraphTimeStep(count, width, 40), step) << count << " samples";
}

TEST(GravityGraphView, ResizeStretchesWidthAndKeepsTheBase)
{
    GravityGraphView view;
    view.resize(200, 80);
    const DrovikClipData clip = test::KvlClipBuilder().block(300, 0, 0, test::kSeoulFix).load();
    ASSERT_EQ(clip.clipDataCount(), 10u);
    view.setClipData(clip);
    EXPECT_FLOAT_EQ(view.baseYPoint(), 40.0f);
    const QList<QPointF> before = view.points().gxPointList;

    view.resize(400, 200);
    EXPECT_FLOAT_EQ(view.baseYPoint(), 40.0f) << "taller must not move the base line";
    EXPECT_EQ(view.points().gxPointList, before) << "points are computed once per clip";
    const QPolygonF wide = GravityGraphView::polyline(view.points().gxPointList, view.baseYPoint(),
                                                      QSizeF(view.size()));
    EXPECT_EQ(wide.last(), QPointF(400, 200 - 10)) << "the last point follows the new width";
    EXPECT_EQ(wide.first(), QPointF(0, 160)) << "the base line stays 40 above the bottom";

    view.awakeFromNib();
    EXPECT_FLOAT_EQ(view.baseYPoint(), 100.0f);
}

// The real road: a record loaded from a crafted clip, painted, and the three colours found where
// the graph puts them. First second: X +300, Y -100, Z 0; second second: X 0, Y 0, Z +500.
TEST(GravityGraphView, PaintsThreeAxesInTheirColours)
{
    const DrovikClipData clip = test::KvlClipBuilder()
                                    .block(300, -100, 0, test::kSeoulFix)
                                    .block(0, 0, 500, test::kSeoulFix)
                                    .load();
    ASSERT_EQ(clip.clipDataCount(), 20u);
    GravityGraphView view;
    view.resize(200, 80);
    view.setClipData(clip);
    const QImage image = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb red = qRgb(255, 0, 0), yellow = qRgb(255, 255, 0), blue = qRgb(0, 0, 255);

    // First half (samples 0-9 at x 10 … 100): X at 80 - 10, Y at 80 - 30, Z on the base.
    EXPECT_EQ(test::rowsWithColor(image, 50, red), std::vector<int>{70});
    EXPECT_EQ(test::rowsWithColor(image, 50, yellow), std::vector<int>{50});
    EXPECT_EQ(test::rowsWithColor(image, 50, blue), std::vector<int>{40});
    // Second half: X and Y on the base (Y drawn over X), Z clamped onto the bottom row.
    EXPECT_TRUE(test::rowsWithColor(image, 160, red).empty());
    EXPECT_EQ(test::rowsWithColor(image, 160, yellow), std::vector<int>{40});
    EXPECT_EQ(test::rowsWithColor(image, 160, blue), std::vector<int>{79});

}

TEST(GravityGraphView, EmptyRecordPaintsOnlyThePanel)
{
    GravityGraphView view;
    view.resize(200, 80);
    view.setClipData(DrovikClipData{});
    EXPECT_TRUE(view.points().gxPointList.isEmpty());
    const QImage image = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (QRgb color : {qRgb(255, 0, 0), qRgb(255, 255, 0), qRgb(0, 0, 255)})
        for (int x : {1, 100, 198})
            EXPECT_TRUE(test::rowsWithColor(image, x, color).empty());
}

// 40 samples on a graph 200 wide: sample i is drawn at x = 5 (i + 1). A press plays from the
// start of the sample whose point is nearest; a drag asks again only when the sample changes.
TEST(GravityGraphView, PressAndDragSeekToTheSampleUnderThePointer)
{
    GravityGraphView view;
    view.resize(200, 80);
    QSignalSpy seeks(&view, &GravityGraphView::sampleSeekRequested);
    QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(100, 40));
    EXPECT_TRUE(seeks.isEmpty()) << "no clip, nothing to seek to";

    test::KvlClipBuilder builder;
    for (int block = 0; block < 4; ++block)
        builder.block(0, 0, 0, test::kSeoulFix);
    view.setClipData(builder.load());
    ASSERT_EQ(view.points().gxPointList.size(), 40);
    const std::pair<int, double> presses[] = {
        {0, 0.0}, {5, 0.0}, {7, 0.0}, {8, 0.1}, {100, 1.9}, {102, 1.9}, {103, 2.0}, {199, 3.9},
    };
    for (const auto &[x, seconds] : presses) {
        seeks.clear();
        QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(x, 40));
        ASSERT_EQ(seeks.size(), 1) << x;
        EXPECT_DOUBLE_EQ(seeks.at(0).at(0).toDouble(), seconds) << x;
        EXPECT_NEAR(view.xOfSample(int(std::lround(seconds * 10))), 5.0 * (std::lround(seconds * 10) + 1),
                    1e-4) << x;
    }

    seeks.clear();
    QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(100, 40));
    QTest::mouseMove(&view, QPoint(102, 30));
    QTest::mouseMove(&view, QPoint(150, 30));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(150, 30));
    ASSERT_EQ(seeks.size(), 2);
    EXPECT_DOUBLE_EQ(seeks.at(0).at(0).toDouble(), 1.9);
    EXPECT_DOUBLE_EQ(seeks.at(1).at(0).toDouble(), 2.9);
    QTest::mouseClick(&view, Qt::RightButton, {}, QPoint(50, 40));
    EXPECT_EQ(seeks.size(), 2) << "only the left button seeks";
}

// Event marks in their kind's colour at the peak sample, and the hover cursor with its read-out.
TEST(GravityGraphView, MarksEventsAndShowsTheHoveredSample)
{
    test::KvlClipBuilder builder;
    for (int block = 0; block < 4; ++block)
        builder.block(0, block == 2 ? -100 : 0, 0, test::kSeoulFix);
    GravityGraphView view;
    view.resize(200, 80);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.setClipData(builder.load());
    view.setEvents(telemetry::detectGForceEvents(*view.clipData()));
    ASSERT_EQ(view.events().size(), 1u);
    EXPECT_EQ(view.events()[0].sampleIndex, 20);
    EXPECT_EQ(view.events()[0].kind, telemetry::GForceEventKind::HarshBraking);

    const QRgb braking = gforceEventColor(telemetry::GForceEventKind::HarshBraking).rgb();
    QImage image = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_FALSE(test::rowsWithColor(image, 105, braking).empty()) << "the mark at sample 20";
    EXPECT_TRUE(test::rowsWithColor(image, 60, braking).empty());

    const int panel = qGray(image.pixel(8, 12));
    QTest::mouseMove(&view, QPoint(150, 60));
    EXPECT_EQ(view.hoveredSample(), 29);
    image = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int cursorRows = 0;
    for (int y = 0; y < image.height(); ++y)
        cursorRows += qGray(image.pixel(150, y)) > 120 ? 1 : 0;
    EXPECT_GT(cursorRows, 30) << "a light cursor line down the hovered sample";
    // The read-out box sits away from the cursor, top left, dark.
    EXPECT_LT(qGray(image.pixel(8, 12)), panel);

    // The playhead: a light column where the position lies, starting anew with each clip.
    QTest::mouseMove(&view, QPoint(150, 300));
    view.setPlayPosition(1.9);
    EXPECT_EQ(view.playheadColumn(), 100);
    image = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_GT(qGray(image.pixel(100, 30)), 200);
    EXPECT_LT(qGray(image.pixel(110, 30)), 80);

    // A new clip forgets the events, the hover and the position; no clip, no playhead.
    view.setClipData(builder.load());
    EXPECT_TRUE(view.events().empty());
    EXPECT_EQ(view.hoveredSample(), -1);
    EXPECT_EQ(view.playheadColumn(), 5);
    view.setClipData(DrovikClipData{});
    EXPECT_EQ(view.playheadColumn(), -1);
}

} // namespace
