// The NMEA parser on any bytes, then every text the panels make from what it read: damaged
// logs bring NaN-free but otherwise arbitrary numbers.

#include "display/GpsInfoText.h"
#include "gps/CurrentSample.h"
#include "gps/GpsList.h"
#include "gps/GpsParser.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    GpsList list;
    GpsParser().ParseBytes(std::string_view(reinterpret_cast<const char*>(data), size), list);
    for (const GpsData& sample : list.gpslist()) {
        const MapGoToValues v = pmMapGoToValues(&sample);
        pmInfoBarText(v.latitude, v.longitude, v.speed, v.altitude, v.direction, "d");
        pmDashboardTexts(v.latitude, v.longitude, v.speed, v.altitude, v.direction, "d");
        pmSpeedDigits(pmRoundedSpeed(pmDisplaySpeed(v.speed, SpeedUnitMph)));
    }
    return 0;
}
