#include "display/PrintPageText.h"

#include "display/GpsInfoText.h"

#include <charconv>

namespace {

constexpr float kMilesPerKm = 0.62137f;

std::string fixed(double value, int precision)
{
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision).ptr;
    return std::string(buffer, end);
}

} // namespace

PrintRowValues pmPrintRowValues(const GpsData* sample, int speedUnit, std::string_view degreeSign)
{
    const GpsData blank;
    const GpsData& s = sample ? *sample : blank;
    const float direction = sample ? s.fDirection() : -1.0f;
    PrintRowValues rows;
    if (s.fLatitude() == 0 || s.fLongitude() == 0) {
        rows.direction = rows.longitude = rows.latitude = rows.altitude = rows.speed = "-";
        return rows;
    }
    rows.direction = GetDirectionString(direction, degreeSign);
    rows.altitude = s.dAltitude() >= kNoAltitude ? std::string("-") : fixed(s.dAltitude(), 1) + " m";
    if (s.fSpeed() < 0) {
        rows.longitude = rows.latitude = rows.speed = "-";
        return rows;
    }
    rows.longitude = fixed(s.fLongitude(), 5) + std::string(degreeSign);
    rows.latitude = fixed(s.fLatitude(), 5) + std::string(degreeSign);
    rows.speed = speedUnit == 0 ? fixed(s.fSpeed(), 0) + " km/h" : fixed(s.fSpeed() * kMilesPerKm, 0) + " mph";
    return rows;
}
