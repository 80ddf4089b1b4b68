#pragma once
// Tracks as CSV for spreadsheets: a header line, then one row per second of video of every
// segment: UTC time, local time, latitude, longitude, speed in km/h, heading, altitude, the
// three G values and the recording's name. A value the sample does not have (no position, no
// fix of its own for the speed, unknown heading or altitude, no time) is an empty field.
// Numbers have a point for the decimal separator whatever the locale; fields holding a comma
// or a quote are quoted.

#include "gps/TrackSegment.h"

#include <span>
#include <string>

inline constexpr const char* kCsvHeader =
    "utc_time,local_time,latitude,longitude,speed_kmh,heading,altitude_m,g_x,g_y,g_z,recording\n";

// False, writing nothing, when there is no sample at all or the file cannot be written.
bool pmWriteCsv(const std::string& path, std::span<const TrackSegment> segments);
