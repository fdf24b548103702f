#include "telemetry/gforce_events.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace drovik::telemetry {

namespace {

// The horizontal magnitude of a sample, or nothing when the sample is not a reading.
std::optional<float> horizontalG(const GForceSample &sample)
{
    if (!std::isfinite(sample.gx) || !std::isfinite(sample.gy))
        return std::nullopt;
    const float magnitude = std::hypot(sample.gx, sample.gy);
    if (!std::isfinite(magnitude) || magnitude > kImplausibleG)
        return std::nullopt;
    return magnitude;
}

GForceEventKind classify(const GForceSample &peak, float magnitude)
{
    if (magnitude >= kImpactG)
        return GForceEventKind::Impact;
    // Whichever axis carries more of the pull says what the driver was doing.
    if (std::fabs(peak.gy) >= std::fabs(peak.gx))
        return peak.gy < 0 ? GForceEventKind::HarshBraking : GForceEventKind::HarshAcceleration;
    return GForceEventKind::Cornering;
}

} // namespace

std::vector<GForceEvent> detectGForceEvents(std::span<const GForceSample> samples)
{
    std::vector<GForceEvent> events;
    // Sample indices are ints everywhere else (the record holds 650 at most).
    const int count = int(std::min<std::size_t>(samples.size(), INT_MAX));
    bool open = false;
    int quietRun = 0;
    GForceEvent current;
    const auto close = [&] {
        const GForceSample &peak = samples[std::size_t(current.sampleIndex)];
        current.kind = classify(peak, current.peakG);
        current.timeSeconds = double(current.sampleIndex) / kSamplesPerSecond;
        events.push_back(current);
        open = false;
    };
    for (int i = 0; i < count; ++i) {
        const std::optional<float> g = horizontalG(samples[std::size_t(i)]);
        if (g && *g >= kEventThresholdG) {
            if (!open) {
                open = true;
                current = GForceEvent{i, 0, GForceEventKind::HarshBraking, *g};
            } else if (*g > current.peakG) {
                current.sampleIndex = i;
                current.peakG = *g;
            }
            quietRun = 0;
        } else if (open && ++quietRun >= kHoldOffSamples) {
            close();
        }
    }
    if (open)
        close();
    return events;
}

std::vector<GForceEvent> detectGForceEvents(const DrovikClipData &clip)
{
    return detectGForceEvents(gforceSamplesOf(clip));
}

double eventSeekTime(const GForceEvent &event)
{
    return std::max(0.0, event.timeSeconds - kEventLeadInSeconds);
}

std::optional<double> nextEventSeekTime(std::span<const GForceEvent> events, double now)
{
    if (!std::isfinite(now))
        return std::nullopt;
    for (const GForceEvent &event : events) {
        if (eventSeekTime(event) > now + kEventNearSeconds)
            return eventSeekTime(event);
    }
    return std::nullopt;
}

std::optional<double> previousEventSeekTime(std::span<const GForceEvent> events, double now)
{
    if (!std::isfinite(now))
        return std::nullopt;
    for (auto it = events.rbegin(); it != events.rend(); ++it) {
        if (eventSeekTime(*it) < now - kEventRepeatSeconds)
            return eventSeekTime(*it);
    }
    return std::nullopt;
}

} // namespace drovik::telemetry
