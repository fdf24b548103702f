#include "telemetry/subtitle_data.h"

#include "telemetry/sample_writer.h"
#include "telemetry/text_rules.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace drovik {

using telemetry::floatValue;
using telemetry::integerValue;

SubtitleEntry SubtitleEntry::entryWithTime(const TimingMatch &match)
{
    SubtitleEntry entry;
    std::string seconds(match.seconds);
    std::replace(seconds.begin(), seconds.end(), ',', '.');
    const float total = (float(integerValue(match.minutes) * 60) + floatValue(seconds)) * 1000.0f;
    entry.cts = telemetry::truncateToInt32(double(total));
    return entry;
}

void SubtitleEntry::setGx(int32_t value)
{
    gx = std::clamp(value, -512, 512);
}

void SubtitleEntry::setGy(int32_t value)
{
    gy = std::clamp(value, -512, 512);
}

void SubtitleEntry::setGz(int32_t value)
{
    gz = std::clamp(value, -512, 512);
}

void SubtitleEntry::parseSensor(std::span<const std::string_view> fields)
{
    if (fields.size() < 4)
        return;
    setGx(integerValue(fields[1]));
    setGy(integerValue(fields[2]));
    setGz(integerValue(fields[3]));
}

void SubtitleEntry::parseSensorI(std::span<const std::string_view> fields)
{
    if (fields.size() < 6)
        return;
    const int32_t q = telemetry::gsensoriRatio(fields[1], fields[2]);
    if (q == 0)
        return;
    auto scaled = [q](std::string_view text) {
        const float v = float(integerValue(text)) * 128.0f / float(q);
        // Rounded half away from zero, then cut to 16 bits (|v| < 2^38, so the cut is exact).
        return int32_t(int16_t(int64_t(std::round(v))));
    };
    setGx(scaled(fields[3]));
    setGy(scaled(fields[4]));
    setGz(scaled(fields[5]));
}

void SubtitleEntry::parseGprmc(std::span<const std::string_view> fields)
{
    if (fields.size() < 8 || fields[2] != "A")
        return;
    lat = degree(fields[3], fields[4]);
    lng = degree(fields[5], fields[6]);
    speed = telemetry::truncateToUint32Wrapping(std::round(double(floatValue(fields[7])) * 1.852));
}

float SubtitleEntry::degree(std::string_view coordinate, std::string_view compass)
{
    if (telemetry::utf16Length(coordinate) < 2 || compass.empty())
        return 0.0f;
    const float v = floatValue(coordinate);
    // Truncation in float keeps huge or infinite texts defined; within the int range it is the same.
    const float d = std::trunc(v / 100.0f);
    const float result = d + (v - d * 100.0f) / 60.0f;
    return compass[0] == 'E' || compass[0] == 'N' ? result : -result;
}

SubtitleData SubtitleData::loadFromPath(const std::string &path)
{
    SubtitleData data;
    // Capped (kMaxSubtitleFileBytes): a larger file is no camera's and reads as an unreadable one.
    if (const auto text = telemetry::readWholeFile(path, telemetry::kMaxSubtitleFileBytes))
        data.loadFromText(*text);
    return data;
}

void SubtitleData::loadFromText(std::string_view text)
{
    entries.clear();
    if (!telemetry::isValidUtf8(text))
        return;
    std::optional<SubtitleEntry> current;
    for (std::string_view line : telemetry::splitLines(text)) {
        if (isBlankLine(line)) {
            if (current)
                entries.push_back(*current);
            current.reset();
        } else if (const auto match = firstMatch(line)) {
            current = SubtitleEntry::entryWithTime(*match);
        } else if (current) {
            for (std::string_view part : telemetry::splitFields(line, ';')) {
                const auto fields = telemetry::splitFields(part, ',');
                if (fields[0] == "gsensor")
                    current->parseSensor(fields);
                else if (fields[0] == "gsensori")
                    current->parseSensorI(fields);
                else if (fields[0] == "GPRMC" || fields[0] == "GNRMC")
                    current->parseGprmc(fields);
            }
        }
    }
}

bool SubtitleData::getSensorAt(int index, int &x, int &y, int &z) const
{
    const int64_t target = int64_t(index) * 100;
    for (const SubtitleEntry &e : entries) {
        if (e.cts == target) {
            x = e.gx;
            y = e.gy;
            z = e.gz;
            return true;
        }
    }
    return false;
}

int SubtitleData::getGpsAt(int index, float &lat, float &lng, uint32_t &speed) const
{
    if (entries.empty())
        return 2;
    const int64_t target = int64_t(index) * 100;
    int64_t best1 = 1000;
    int64_t best2 = 1000;
    const SubtitleEntry *nearest = nullptr;
    const SubtitleEntry *second = nullptr;
    for (const SubtitleEntry &e : entries) {
        if (e.lat == 512.0f)
            continue;
        if (e.cts == target) {
            lat = e.lat;
            lng = e.lng;
            speed = e.speed;
            return 0;
        }
        const int64_t d = std::llabs(int64_t(e.cts) - target);
        if (d > 1000)
            continue;
        if (d < best1) {
            second = nearest;
            nearest = &e;
            best1 = d;
        } else if (d < best2) {
            second = &e;
            best2 = d;
        }
    }
    // Two fixes with the same start time give no direction to interpolate in: the nearest one alone.
    if (second && second->cts != nearest->cts) {
        const float t = float(target - nearest->cts) / float(int64_t(second->cts) - nearest->cts);
        lat = (second->lat - nearest->lat) * t + nearest->lat;
        lng = (second->lng - nearest->lng) * t + nearest->lng;
        const auto difference = int32_t(second->speed - nearest->speed);
        speed = telemetry::truncateToUint32Wrapping(double(float(difference) * t + float(nearest->speed)));
        return 1;
    }
    if (nearest) {
        lat = nearest->lat;
        lng = nearest->lng;
        speed = nearest->speed;
        return 1;
    }
    return 2;
}

} // namespace drovik
