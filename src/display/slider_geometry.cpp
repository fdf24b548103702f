#include "slider_geometry.h"

#include <algorithm>
#include <cmath>

namespace drovik {

namespace {
// std::clamp would assert on an empty range (a bar narrower than its knob); this answers lo.
double limited(double value, double lo, double hi)
{
    return std::max(lo, std::min(hi, value));
}
} // namespace

SeekTrack SeekTrack::forWidth(double viewWidth, double knobWidth)
{
    SeekTrack track;
    track.sliderHalfWidth = knobWidth * 0.5;
    track.minSliderXPt = track.sliderHalfWidth;
    track.maxSliderXPt = viewWidth - track.sliderHalfWidth;
    track.sliderLength = track.maxSliderXPt - track.minSliderXPt;
    return track;
}

double SeekTrack::valueAtX(double x, double maxValue) const
{
    if (!(sliderLength > 0) || !std::isfinite(x))
        return 0;
    const double p = limited(x - sliderHalfWidth, 0, sliderLength);
    return p * maxValue / sliderLength;
}

double SeekTrack::knobOriginAtX(double x) const
{
    return limited(x - sliderHalfWidth, 0, maxSliderXPt - sliderHalfWidth);
}

std::optional<double> SeekTrack::knobOriginForValue(double value, double maxValue) const
{
    if (maxValue == 0 || !std::isfinite(maxValue) || !std::isfinite(value))
        return std::nullopt;
    return knobOriginAtX(value * sliderLength / maxValue + sliderHalfWidth);
}

float limitedVolume(float volume)
{
    if (std::isnan(volume))
        return 0.0f;
    return std::clamp(volume, 0.0f, 1.0f);
}

float volumeAtX(double x, double viewWidth)
{
    if (!(viewWidth > 0) || std::isnan(x))
        return 0.0f;
    return float(limited(x, 0, viewWidth) / viewWidth);
}

double volumeGaugeWidth(float volume, double viewWidth)
{
    return double(limitedVolume(volume)) * std::max(0.0, viewWidth);
}

} // namespace drovik
