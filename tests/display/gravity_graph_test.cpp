// The G-sensor graph: its points for the worked examples, and what a view actually paints.
#include "display/gravity_graph.h"
#include "display/gravity_graph_view.h"
#include "display_test_util.h"

#include <QImage>

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

} // namespace
