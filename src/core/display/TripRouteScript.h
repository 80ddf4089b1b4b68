#pragma once
// What the map page is told about a trip: every recording's route, one point per second of
// video (null where the second has no position, so a point's place in its list is its second),
// which recording is open and which are events. The whole trip goes as one call, its argument a
// JSON object, so a day's route costs one round trip to the page.

#include "gps/TrackSegment.h"

#include <span>
#include <string>

// The trip's parts as the page takes them, "[{"id":..,"name":..,"event":..,"points":[..]},..]":
// the ids are the segments' entries.
std::string pmTripPartsJson(std::span<const TrackSegment> segments);
// "drawTrip({"current":%d,"parts":PARTS})": current is the open recording's id.
std::string pmDrawTripScript(std::string_view partsJson, int current);
// "setTripCurrent(%d)": another recording of the drawn trip is open.
std::string pmSetTripCurrentScript(int current);
inline constexpr const char* kClearTripScript = "clearTrip()";
