#include "speed_reading.h"

#include <algorithm>
#include <cmath>

namespace drovik {

int litSpeedSegments(int value)
{
    const int lit = int(std::trunc(value / 10.0));
    return std::clamp(lit, 0, kSpeedSegmentCount);
}

SpeedReading speedReading(int kmh, int unitPreference)
{
    SpeedReading reading;
    reading.milesPerHour = unitPreference != 0;
    // In float the product of any int stays far inside the range of long.
    reading.shown = reading.milesPerHour ? int(std::lround(float(kmh) * 0.621371f)) : kmh;
    reading.litSegments = litSpeedSegments(reading.shown);
    if (kmh < 9)
        return reading;
    const int ones = reading.shown % 10;
    const int tensQuotient = int(float(reading.shown) / 10.0f);
    const int tens = tensQuotient % 10;
    const int hundreds = int(float(tensQuotient) / 10.0f) % 10;
    if (hundreds != 0)
        reading.digits = {hundreds, tens, ones};
    else if (tens != 0)
        reading.digits = {-1, tens, ones};
    else
        reading.digits = {-1, -1, ones};
    return reading;
}

} // namespace drovik
