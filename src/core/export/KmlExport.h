#pragma once
// Tracks as the KML file the export button writes: named after the file, described by the
// export time, one location per second of video. A trip or a day puts one line per recording
// into the track's geometry; one recording gives the file the export button always wrote.

#include "gps/TrackSegment.h"
#include "util/CalendarDate.h"

#include <span>
#include <string>

class GpsList;

// False, writing nothing, without samples or when the file cannot be written.
bool outputKML(const std::string& path, const GpsList* list, FileTime exportTime);
bool outputKML(const std::string& path, std::span<const TrackSegment> segments, FileTime exportTime);
