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
    decodeRmc(rmcFields, fix_);
    rmcSeen_ = true;
    if (flushCount > 0 || flushWhenEmpty) {
        writer_.flush(pending_, flushCount, fix_);
        pending_.reset();
    }
}

void LineRecordReader::handleEmbeddedLine(std::string_view line)
{
    const auto fields = splitFields(line, ',');
    const std::string_view type = fields[0];
    if (type == "gsensor" && fields.size() >= 4) {
        pending_.append(gsensorSample(fields));
    } else if (type == "gsensori" && fields.size() >= 6) {
        pending_.append(gsensoriSample(fields));
    } else if (isRmcName(type) && fields.size() >= 8) {
        handleRmc(std::span(fields).first(8), pending_.count(), false);
    }
}

void LineRecordReader::handleSubtitleFields(std::span<const std::string_view> fields)
{
    const std::string_view type = fields[0];
    if (type == "gsensor" && fields.size() >= 4) {
        pending_.append(gsensorSample(fields));
    } else if (type == "gsensori" && fields.size() >= 6) {
        pending_.append(gsensoriSample(fields));
        // A cue may carry its position too: the accelerometer sample and the fix close the block.
        if (fields.size() >= 14 && isRmcName(fields[6]))
            handleRmc(fields.subspan(6, 8), pending_.count(), true);
    } else if (type == "CAR") {
        if (pending_.count() == 0) {
            if (fields.size() >= 4)
                pending_.append(gsensorSample(fields));
        } else {
            pending_.append(pending_.at(pending_.count() - 1));
        }
    } else if (isRmcName(type) && fields.size() >= 8) {
        handleRmc(fields.first(8), pending_.count(), true);
    }
}

int LineRecordReader::finish(uint32_t &gpsDataCount)
{
    const int n = pending_.count();
    if (n > 0 && writer_.count() > 0) {
        writer_.flush(pending_, n, fix_);
    } else if (n > 0) {
        if (rmcSeen_) {
            gpsDataCount = 0;
            return 0;
        }
        // Accelerometer lines only: one sample each, no position.
        for (int i = 0; i < n; ++i)
            writer_.append(pending_.at(i), FixState{});
    }
    gpsDataCount = writer_.finish();
    return writer_.count();
}

} // namespace drovik::telemetry
