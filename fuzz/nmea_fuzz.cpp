// The NMEA parser on any bytes, then every text the panels make from what it read: damaged
// logs bring NaN-free but otherwise arbitrary numbers. Whole lines are parsed at once; fed
// byte by byte, the same bytes must give the same track.

#include "display/GpsInfoText.h"
#include "gps/CurrentSample.h"
#include "gps/GpsList.h"
#include "gps/GpsParser.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

void compareByteByByte(std::string_view bytes, const GpsList& list)
{
    GpsList slow;
    GpsParser parser;
    parser.ParseBytes("", slow);
    const long length = GpsParser::GetNmeaFileSize(bytes.substr(0, 16), static_cast<long>(bytes.size()));
    for (char c : bytes.substr(0, static_cast<size_t>(length)))
        parser.ProcessChar(static_cast<unsigned char>(c));
    if (slow.GetDataCount() != list.GetDataCount() || slow.GetMaxGIndex() != list.GetMaxGIndex() ||
        slow.GetMinGIndex() != list.GetMinGIndex())
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    GpsList list;
    GpsParser().ParseBytes(bytes, list);
    compareByteByByte(bytes, list);
    for (const GpsData& sample : list.gpslist()) {
        const MapGoToValues v = pmMapGoToValues(&sample);
        pmInfoBarText(v.latitude, v.longitude, v.speed, v.altitude, v.direction, "d");
        pmDashboardTexts(v.latitude, v.longitude, v.speed, v.altitude, v.direction, "d");
        pmSpeedDigits(pmRoundedSpeed(pmDisplaySpeed(v.speed, SpeedUnitMph)));
    }
    return 0;
}
