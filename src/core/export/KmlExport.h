#pragma once
// The track of the current recording as the KML file the export button writes: named after
// the file, described by the export time, one location per second of video.

#include "util/CalendarDate.h"

#include <string>

class GpsList;

// False, writing nothing, without samples or when the file cannot be written.
bool outputKML(const std::string& path, const GpsList* list, FileTime exportTime);
