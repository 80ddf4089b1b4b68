#include "display/TripSummaryText.h"

#include "display/GpsInfoText.h"
#include "display/NumberText.h"

namespace {
constexpr double kMetresPerMile = 1609.344;
}

std::string pmTripDistanceText(double metres, int speedUnit)
{
    const bool miles = speedUnit == SpeedUnitMph;
    std::string text = pmFixedText(metres / (miles ? kMetresPerMile : 1000.0), 1);
    text += miles ? " mi" : " km";
    return text;
}

std::string pmClockText(int seconds)
{
    seconds = seconds < 0 ? 0 : seconds;
    std::string text;
    pmAppendInt(text, seconds / 3600);
    text += ':';
    pmAppendInt(text, seconds / 60 % 60, 2);
    text += ':';
    pmAppendInt(text, seconds % 60, 2);
    return text;
}
