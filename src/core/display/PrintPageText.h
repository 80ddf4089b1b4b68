#pragma once
// The values of the printed page's GPS rows: direction, longitude, latitude, altitude and
// speed of the current sample, "-" where a value is missing or not to be trusted.

#include "gps/GpsData.h"

#include <string>
#include <string_view>

struct PrintRowValues {
    std::string direction;
    std::string longitude;
    std::string latitude;
    std::string altitude;
    std::string speed;
};

// sample may be null (no track): it then reads as no direction and zero values.
// speedUnit 0 is km/h, anything else mph.
PrintRowValues pmPrintRowValues(const GpsData* sample, int speedUnit, std::string_view degreeSign);
