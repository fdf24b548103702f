#pragma once

#include <optional>

namespace drovik {

// The track of the seek bar: the knob's centre runs from minSliderXPt (half a knob in from the
// left edge) to maxSliderXPt (half a knob in from the right edge); values map linearly onto that
// run, 0 at the left end and the maximum at the right end. x is in the bar's own coordinates.
struct SeekTrack {
    double sliderHalfWidth = 0;
    double minSliderXPt = 0;
    double maxSliderXPt = 0;
    double sliderLength = 0;

    static SeekTrack forWidth(double viewWidth, double knobWidth);

    // The value under a pointer at x, within 0 … maxValue. A bar too narrow to have a track
    // answers 0.
    double valueAtX(double x, double maxValue) const;
    // The knob's left edge when its centre is put at x, kept on the track.
    double knobOriginAtX(double x) const;
    // The knob's left edge for a value, or nothing when the value cannot be placed (no maximum
    // yet, or a value or maximum that is not a finite number).
    std::optional<double> knobOriginForValue(double value, double maxValue) const;
};

// The volume bar: the filled width is volume × width.
float volumeAtX(double x, double viewWidth);
double volumeGaugeWidth(float volume, double viewWidth);
// A volume kept within 0 … 1; something that is not a number reads as silence.
float limitedVolume(float volume);

} // namespace drovik
