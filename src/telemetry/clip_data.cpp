#include "telemetry/clip_data.h"

#include "telemetry/sample_writer.h"
#include "telemetry/text_rules.h"

namespace drovik {

using telemetry::floatValue;
using telemetry::integerValue;

void DrovikClipData::clear()
{
    gx.fill(0);
    gy.fill(0);
    gz.fill(0);
    gpsInfoLat.fill(0.0f);
    gpsInfoLng.fill(0.0f);
    gpsSpeed.fill(0);
    m_clipDataCount = 0;
    m_gpsDataCount = 0;
    m_gpsStartTime.reset();
}

void DrovikClipData::loadVideoFileClipDataFromFilePath(const std::string &path)
{
    clear();
    const bool isSubtitle = path.size() >= 4 && path.compare(path.size() - 4, 4, ".srt") == 0;
    if (isSubtitle) {
        m_clipDataCount = uint32_t(getR640AllDataFromSrtFile(path));
        return;
    }
    int count = getR640AllDataFromFile(path);
    if (count == 0)
        count = getAllDataFromFileTail(path);
    if (count == 0)
        count = getAllDataFromFile(path);
    m_clipDataCount = uint32_t(count);
}

void DrovikClipData::loadVideoFileClipDataFromFilePathKvl(const std::string &path)
{
    clear();
    m_clipDataCount = uint32_t(getAllDataFromFileKvl(path));
}

bool DrovikClipData::isValidIndex(int index) const
{
    return index >= 0 && index < kCapacity && uint32_t(index) < m_clipDataCount;
}

int DrovikClipData::getGx(int index) const
{
    return isValidIndex(index) ? gx[std::size_t(index)] : kNoDataAcceleration;
}

int DrovikClipData::getGy(int index) const
{
    return isValidIndex(index) ? gy[std::size_t(index)] : kNoDataAcceleration;
}

int DrovikClipData::getGz(int index) const
{
    return isValidIndex(index) ? gz[std::size_t(index)] : kNoDataAcceleration;
}

float DrovikClipData::getGpsLat(int index) const
{
    return isValidIndex(index) ? gpsInfoLat[std::size_t(index)] : kNoDataCoordinate;
}

float DrovikClipData::getGpsLng(int index) const
{
    return isValidIndex(index) ? gpsInfoLng[std::size_t(index)] : kNoDataCoordinate;
}

uint32_t DrovikClipData::getGpsSpeed(int index) const
{
    return isValidIndex(index) ? gpsSpeed[std::size_t(index)] : kNoDataSpeed;
}

void DrovikClipData::getClipDataWithIndex(int index, int &x, int &y, int &z, float &lat, float &lng,
                                          uint32_t &speed) const
{
    x = getGx(index);
    y = getGy(index);
    z = getGz(index);
    lat = getGpsLat(index);
    lng = getGpsLng(index);
    speed = getGpsSpeed(index);
}

// Positions in the coordinate text are counted in UTF-16 units, as the cameras' desktop tools did;
// for the ASCII text that cameras write this is the byte position.
int32_t DrovikClipData::cal_string(std::string_view text)
{
    const std::size_t point = text.find('.');
    if (text.empty() || point == std::string_view::npos)
        return 0;
    const std::size_t unitsBefore = telemetry::utf16Length(text.substr(0, point));
    if (unitsBefore < 2)
        return 0;
    // Find the byte where the last two UTF-16 units before the point begin.
    const std::size_t wanted = unitsBefore - 2;
    std::size_t units = 0;
    std::size_t pos = 0;
    bool splitsCharacter = false;
    while (units < wanted) {
        std::size_t length = 1;
        const char32_t c = telemetry::codePointAt(text, pos, &length);
        units += c >= 0x10000 ? 2 : 1;
        if (units > wanted) {
            splitsCharacter = true; // half a surrogate pair on each side: neither reads as a number
            break;
        }
        pos += length;
    }
    const int32_t degrees = integerValue(text.substr(0, pos));
    const float minutes = splitsCharacter ? 0.0f : floatValue(text.substr(pos));
    const float value = (float(degrees) + minutes / 60.0f) * 1000000.0f;
    return telemetry::truncateToInt32(double(value));
}

} // namespace drovik
