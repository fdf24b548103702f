#include "telemetry/sample_writer.h"

#include "telemetry/text_rules.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace drovik::telemetry {

void PendingBlock::append(AccelSample sample)
{
    if (isFull())
        return;
    m_slots[std::size_t(m_count++)] = sample;
}

void SampleWriter::append(AccelSample sample, const FixState &fix)
{
    if (isFull())
        return;
    const auto i = std::size_t(m_count++);
    m_clip.gx[i] = sample.x;
    m_clip.gy[i] = sample.y;
    m_clip.gz[i] = sample.z;
    m_clip.gpsSpeed[i] = fix.speedKmh;
    m_fixes[i] = fix;
}

std::array<int, 10> flushPattern(int n)
{
    std::array<int, 10> slots{};
    if (n <= 10) {
        const float step = float(n) / 10.0f;
        for (int k = 0; k < 10; ++k)
            slots[std::size_t(k)] = int(float(k) * step);
        return slots;
    }
    const float step = 10.0f / float(n);
    int last = -1;
    int produced = 0;
    for (int j = 0; j < n && produced < 10; ++j) {
        const float product = float(j) * step;
        const int key = int(double(product) + 0.5);
        if (key != last) {
            slots[std::size_t(produced++)] = j;
            last = key;
        }
    }
    // The keys run through 0…9 without gaps, so ten slots are always produced.
    return slots;
}

void SampleWriter::flush(const PendingBlock &block, int n, const FixState &fix)
{
    if (fix.time && !m_clip.m_gpsStartTime)
        m_clip.m_gpsStartTime = *fix.time - std::chrono::milliseconds(100) * m_count;
    for (int slot : flushPattern(n))
        append(block.at(slot), fix);
}

uint32_t SampleWriter::finish()
{
    uint32_t withFix = 0;
    for (int i = 0; i < m_count; ++i) {
        const FixState &fix = m_fixes[std::size_t(i)];
        float lat = float(fix.rawLatitudeMicrodegrees) / 1000000.0f;
        float lng = float(fix.rawLongitudeMicrodegrees) / 1000000.0f;
        if (fix.latitudeLetter != U'N')
            lat = -lat;
        if (fix.longitudeLetter != U'E')
            lng = -lng;
        m_clip.gpsInfoLat[std::size_t(i)] = lat;
        m_clip.gpsInfoLng[std::size_t(i)] = lng;
        if (lat != 0.0f || lng != 0.0f)
            ++withFix;
    }
    return withFix;
}

int32_t truncateToInt32(double value)
{
    if (std::isnan(value))
        return 0;
    if (value <= double(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    if (value >= double(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    return int32_t(value);
}

uint32_t truncateToUint32Wrapping(double value)
{
    if (!std::isfinite(value) || std::fabs(value) >= 9.2e18)
        return 0;
    return uint32_t(uint64_t(int64_t(value)));
}

namespace {

char32_t firstCharacter(std::string_view text)
{
    if (text.empty())
        return 0;
    return codePointAt(text, 0, nullptr);
}

// The first `count` characters of text as a number when they are all ASCII digits.
std::optional<int> digits(std::string_view text, std::size_t count)
{
    if (text.size() < count)
        return std::nullopt;
    int value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// RMC time "hhmmss[.ss]" (field 1) and date "ddmmyy" (field 9, years 2000-2099), whole seconds.
std::optional<ClipTime> rmcTime(std::span<const std::string_view> fields)
{
    using namespace std::chrono;
    if (fields.size() < 10 || fields[9].size() != 6 || fields[1].size() < 6
        || (fields[1].size() > 6 && fields[1][6] != '.'))
        return std::nullopt;
    const auto h = digits(fields[1].substr(0, 2), 2), m = digits(fields[1].substr(2, 2), 2),
               s = digits(fields[1].substr(4, 2), 2);
    const auto dd = digits(fields[9].substr(0, 2), 2), mm = digits(fields[9].substr(2, 2), 2),
               yy = digits(fields[9].substr(4, 2), 2);
    if (!h || !m || !s || !dd || !mm || !yy || *h > 23 || *m > 59 || *s > 59)
        return std::nullopt;
    const year_month_day date{year(2000 + *yy), month(unsigned(*mm)), day(unsigned(*dd))};
    if (!date.ok())
        return std::nullopt;
    return ClipTime(sys_days(date)) + hours(*h) + minutes(*m) + seconds(*s);
}

} // namespace

void decodeRmc(std::span<const std::string_view> fields, FixState &fix)
{
    if (fields.size() < 8 || fields[2] != "A") {
        fix = FixState{};
        return;
    }
    fix.rawLatitudeMicrodegrees = uint32_t(DrovikClipData::cal_string(fields[3]));
    fix.latitudeLetter = firstCharacter(fields[4]);
    fix.rawLongitudeMicrodegrees = uint32_t(DrovikClipData::cal_string(fields[5]));
    fix.longitudeLetter = firstCharacter(fields[6]);
    const float kmh = float(double(floatValue(fields[7])) * 1.852);
    fix.speedKmh = truncateToUint32Wrapping(double(kmh) + 0.5);
    fix.time = rmcTime(fields);
}

std::string_view leadingNumberTrim(std::string_view field)
{
    if (utf16Length(field) < 4)
        return field;
    std::size_t k = 0;
    while (k < field.size() && (field[k] == '-' || (field[k] >= '0' && field[k] <= '9')))
        ++k;
    // The cut keeps min(k, 2) + 1 characters; when k < 3 the last kept character is neither a digit
    // nor '-', so it cannot change the integer value and is left out.
    return field.substr(0, std::min<std::size_t>(k, 3));
}

AccelSample gsensorSample(std::span<const std::string_view> fields)
{
    return {int16_t(integerValue(fields[1])), int16_t(integerValue(fields[2])),
            int16_t(integerValue(leadingNumberTrim(fields[3])))};
}

int32_t gsensoriRatio(std::string_view divisor, std::string_view dividend)
{
    const int64_t d = integerValue(divisor);
    if (d == 0)
        return 0;
    // INT32_MIN / -1 does not fit: computed in 64 bits and saturated.
    return int32_t(std::clamp<int64_t>(int64_t(integerValue(dividend)) / d,
                                       std::numeric_limits<int32_t>::min(),
                                       std::numeric_limits<int32_t>::max()));
}

AccelSample gsensoriSample(std::span<const std::string_view> fields)
{
    const int32_t q = gsensoriRatio(fields[1], fields[2]);
    if (q == 0)
        return {};
    auto scale = [q](std::string_view text) {
        const int64_t v = int64_t(integerValue(text)) * 128;
        const float ratio = float(v) / float(q);
        const double rounded = std::trunc(double(ratio) + 0.5);
        return int16_t(std::clamp(rounded, -512.0, 512.0));
    };
    return {scale(fields[3]), scale(fields[4]), scale(leadingNumberTrim(fields[5]))};
}

} // namespace drovik::telemetry
