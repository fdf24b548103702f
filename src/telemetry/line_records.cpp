#include "telemetry/line_records.h"

#include "telemetry/text_rules.h"

namespace drovik::telemetry {

bool isRmcName(std::string_view name)
{
    return name == "GPRMC" || name == "GNRMC";
}

void LineRecordReader::handleRmc(std::span<const std::string_view> rmcFields, int flushCount,
                                 bool flushWhenEmpty)
{
    decodeRmc(rmcFields, m_fix);
    m_rmcSeen = true;
    if (flushCount > 0 || flushWhenEmpty) {
        m_writer.flush(m_pending, flushCount, m_fix);
        m_pending.reset();
    }
}

void LineRecordReader::handleEmbeddedLine(std::string_view line)
{
    const auto fields = splitFields(line, ',');
    const std::string_view type = fields[0];
    if (type == "gsensor" && fields.size() >= 4) {
        m_pending.append(gsensorSample(fields));
    } else if (type == "gsensori" && fields.size() >= 6) {
        m_pending.append(gsensoriSample(fields));
    } else if (isRmcName(type) && fields.size() >= 8) {
        handleRmc(fields, m_pending.count(), false);
    }
}

void LineRecordReader::handleSubtitleFields(std::span<const std::string_view> fields)
{
    const std::string_view type = fields[0];
    if (type == "gsensor" && fields.size() >= 4) {
        m_pending.append(gsensorSample(fields));
    } else if (type == "gsensori" && fields.size() >= 6) {
        m_pending.append(gsensoriSample(fields));
        // A cue may carry its position too: the accelerometer sample and the fix close the block.
        if (fields.size() >= 14 && isRmcName(fields[6]))
            handleRmc(fields.subspan(6), m_pending.count(), true);
    } else if (type == "CAR") {
        if (m_pending.count() == 0) {
            if (fields.size() >= 4)
                m_pending.append(gsensorSample(fields));
        } else {
            m_pending.append(m_pending.at(m_pending.count() - 1));
        }
    } else if (isRmcName(type) && fields.size() >= 8) {
        handleRmc(fields, m_pending.count(), true);
    }
}

int LineRecordReader::finish(uint32_t &gpsDataCount)
{
    const int n = m_pending.count();
    if (n > 0 && m_writer.count() > 0) {
        m_writer.flush(m_pending, n, m_fix);
    } else if (n > 0) {
        if (m_rmcSeen) {
            gpsDataCount = 0;
            return 0;
        }
        // Accelerometer lines only: one sample each, no position.
        for (int i = 0; i < n; ++i)
            m_writer.append(m_pending.at(i), FixState{});
    }
    gpsDataCount = m_writer.finish();
    return m_writer.count();
}

} // namespace drovik::telemetry
