#pragma once

#include "telemetry/clip_data.h"
#include "telemetry/gforce_events.h"

#include <QList>
#include <QPointF>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>

namespace drovik {

// The three acceleration polylines of one clip. A point's x is a fraction of the graph's width,
// in (0, 1]; its y is in view units measured upward from the bottom edge.
struct GravityGraphPoints {
    QList<QPointF> gxPointList;
    QList<QPointF> gyPointList;
    QList<QPointF> gzPointList;
};

// The y of one acceleration: its magnitude hangs below the base line at one unit per 10 raw
// units (12.8 per g), the sign dropped, never below the bottom edge. Single precision, so the
// graph's scale is the same on every machine.
inline float gravityGraphY(int acceleration, float baseYPoint)
{
    const float magnitude = std::fabs(float(acceleration) * 20.0f / 200.0f);
    return std::max(baseYPoint - magnitude, 0.0f);
}

// Sample i of count lies at x = (i + 1) / count, so the first point is one step in from the left
// edge and the last on the right edge. Record is DrovikClipData or anything with its kCapacity and the same
// clipDataCount() and getGx/getGy/getGz(index).
template <typename Record>
GravityGraphPoints generateGravityGraphPoints(const Record &clipData, float baseYPoint)
{
    GravityGraphPoints points;
    // A record never holds more samples than its capacity, whatever its count claims.
    const int count = int(std::min<uint64_t>(clipData.clipDataCount(), uint64_t(Record::kCapacity)));
    points.gxPointList.reserve(count);
    points.gyPointList.reserve(count);
    points.gzPointList.reserve(count);
    for (int i = 0; i < count; ++i) {
        const float x = float(i + 1) / float(count);
        points.gxPointList.append(QPointF(x, gravityGraphY(clipData.getGx(i), baseYPoint)));
        points.gyPointList.append(QPointF(x, gravityGraphY(clipData.getGy(i), baseYPoint)));
        points.gzPointList.append(QPointF(x, gravityGraphY(clipData.getGz(i), baseYPoint)));
    }
    return points;
}

// Where the polylines put sample i of count on a graph `width` wide (the same single-precision
// fraction as generateGravityGraphPoints, scaled as GravityGraphView::polyline scales it).
inline double gravityGraphSampleX(int index, int count, double width)
{
    return count > 0 ? double(float(index + 1) / float(count)) * width : 0.0;
}

// The sample whose point lies nearest to x, within 0 … count - 1; -1 when there is no sample
// (or no width, or x is not a number). Left of the first point is the first sample, right of
// the last the last one.
inline int gravityGraphSampleAtX(double x, int count, double width)
{
    if (count <= 0 || !(width > 0) || std::isnan(x))
        return -1;
    const double step = std::clamp(x / width, 0.0, 1.0) * count;
    return std::clamp(int(std::lround(step)) - 1, 0, count - 1);
}

// Where the playhead stands at `seconds` into the clip: the sample playing then is placed as the
// polylines place it, and the line moves on smoothly through the sample, so a seek to a sample
// puts the playhead on its point. Within 0 … width; 0 without samples or width.
inline double gravityGraphTimeX(double seconds, int count, double width)
{
    if (count <= 0 || !(width > 0) || std::isnan(seconds))
        return 0.0;
    const double step = seconds * telemetry::kSamplesPerSecond + 1.0;
    return std::clamp(step / count * width, 0.0, width);
}

// The spacing in seconds of the time scale's ticks on a graph `width` wide showing `count`
// samples: the shortest of a few round steps that keeps ticks at least minSpacing apart (the
// longest when none does).
inline int gravityGraphTimeStep(int count, double width, double minSpacing)
{
    static constexpr int kSteps[] = {1, 2, 5, 10, 15, 30, 60, 120, 300, 600};
    if (count <= 0 || !(width > 0))
        return kSteps[std::size(kSteps) - 1];
    const double pixelsPerSecond = width * telemetry::kSamplesPerSecond / count;
    for (const int step : kSteps) {
        if (step * pixelsPerSecond >= minSpacing)
            return step;
    }
    return kSteps[std::size(kSteps) - 1];
}

} // namespace drovik
