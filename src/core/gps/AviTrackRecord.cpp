#include "gps/AviTrackRecord.h"

namespace {

std::uint32_t be32(const unsigned char* p)
{
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}

int be16Signed(const unsigned char* p)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>((p[0] << 8) | p[1]));
}

} // namespace

float pmDecodeAviCoordinate(const unsigned char* p)
{
    const int whole = be16Signed(p);
    const double fraction = static_cast<double>(be32(p + 2)) / 100000000.0;
    return static_cast<float>(whole < 0 ? whole - fraction : whole + fraction);
}

float pmDecodeAviGValue(const unsigned char* p)
{
    int whole = p[0] & 0x3f;
    if (whole & 0x20)
        whole -= 0x40;
    const double fraction = static_cast<double>(static_cast<std::int32_t>(be32(p + 1))) / 100000.0;
    const double value = whole + fraction;
    return static_cast<float>((p[0] & 0x80) ? -value : value);
}

AviPositionRecord pmDecodeAviPositionRecord(const unsigned char* record)
{
    AviPositionRecord r;
    r.longitude = pmDecodeAviCoordinate(record + 5);
    r.latitude = pmDecodeAviCoordinate(record + 11);
    r.speed = static_cast<float>((record[19] << 8) | record[20]);
    return r;
}

AviSensorRecord pmDecodeAviSensorRecord(const unsigned char* record)
{
    return {pmDecodeAviGValue(record + 5), pmDecodeAviGValue(record + 10), pmDecodeAviGValue(record + 15)};
}
