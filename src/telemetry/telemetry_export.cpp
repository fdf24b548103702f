#include "telemetry/telemetry_export.h"

#include <charconv>
#include <cmath>

namespace drovik::telemetry {

namespace {

// xsd:decimal has no exponent: the shortest round-trip text in fixed notation.
std::string fixedFloat(float value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

std::string xmlEscaped(std::string_view text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default:
            // Control characters are not allowed in XML 1.0 text.
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r')
                out += c;
        }
    }
    return out;
}

} // namespace

std::string floatText(float value)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value > 0 ? "inf" : "-inf";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

void writeClipCsv(std::ostream &out, const DrovikClipData &clip)
{
    out << "index,time_s,gx,gy,gz,lat,lng,speed_kmh\n";
    for (int i = 0; i < int(clip.clipDataCount()); ++i) {
        int x, y, z;
        float lat, lng;
        uint32_t speed;
        clip.getClipDataWithIndex(i, x, y, z, lat, lng, speed);
        out << i << ',' << i / 10 << '.' << i % 10 << ',' << x << ',' << y << ',' << z << ','
            << floatText(lat) << ',' << floatText(lng) << ',' << speed << '\n';
    }
}

void writeClipGpx(std::ostream &out, const DrovikClipData &clip, std::string_view trackName)
{
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<gpx version=\"1.1\" creator=\"Drovik Viewer\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
           "  <trk>\n    <name>"
        << xmlEscaped(trackName) << "</name>\n    <trkseg>\n";
    for (int i = 0; i < int(clip.clipDataCount()); ++i) {
        const float lat = clip.getGpsLat(i);
        const float lng = clip.getGpsLng(i);
        const bool hasFix = lat != 0.0f || lng != 0.0f;
        if (!hasFix || !(lat >= -90.0f && lat <= 90.0f) || !(lng >= -180.0f && lng < 180.0f))
            continue;
        out << "      <trkpt lat=\"" << fixedFloat(lat) << "\" lon=\"" << fixedFloat(lng) << "\">"
            << "<cmt>" << i / 10 << '.' << i % 10 << " s, " << clip.getGpsSpeed(i) << " km/h</cmt>"
            << "</trkpt>\n";
    }
    out << "    </trkseg>\n  </trk>\n</gpx>\n";
}

} // namespace drovik::telemetry
