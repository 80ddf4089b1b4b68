#pragma once
// Tracks as GPX 1.1, for other mapping tools and photo geotaggers: one track, one segment per
// recording, one point per second of video with a position of its own or carried over,
// elevation where known and the moment in UTC where the log or the file tells it. Samples
// without any position are left out (a point at 0, 0 would put the car in the Gulf of Guinea).

#include "gps/TrackSegment.h"

#include <span>
#include <string>
#include <string_view>

class GpsList;

// False, writing nothing, when no segment holds a position or the file cannot be written.
bool pmWriteGpx(const std::string& path, std::span<const TrackSegment> segments, std::string_view name);
// One track whose times are not known.
bool pmWriteGpx(const std::string& path, const GpsList& list, std::string_view name);
// Text with &, <, >, " and ' escaped for XML content and attributes.
std::string pmXmlEscape(std::string_view text);
