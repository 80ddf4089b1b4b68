#pragma once
// The figures of a trip as the dashboard and the command line show them: the distance in the
// speed unit's length (km for km/h, miles for mph) and the driving time as a clock.

#include <string>

// "12.3 km" or "7.6 mi", one decimal.
std::string pmTripDistanceText(double metres, int speedUnit);
// "h:mm:ss"; a negative time counts as 0.
std::string pmClockText(int seconds);
