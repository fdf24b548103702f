#pragma once

#include <array>

namespace drovik {

// What the speed meter shows for one speed. Speeds arrive in km/h; in miles per hour the shown
// value is km/h × 0.621371 in single precision, rounded half away from zero.
struct SpeedReading {
    int shown = 0;                 // in the displayed unit
    int litSegments = 0;           // 0 … 24
    bool milesPerHour = false;
    // Hundreds, tens, ones; -1 where no digit is shown.
    std::array<int, 3> digits{-1, -1, -1};
};

inline constexpr int kSpeedSegmentCount = 24;

// Segments lit for a value in the displayed unit: one per 10 units, truncated toward zero.
int litSpeedSegments(int value);

// unitPreference: the stored speed unit, 0 km/h, anything else mph. Below 9 km/h (whatever the
// unit) no digits are shown; otherwise the leading zeros are dropped, but a zero tens digit
// between hundreds and ones is kept (105), and only the last three digits of a larger value show.
SpeedReading speedReading(int kmh, int unitPreference);

} // namespace drovik
