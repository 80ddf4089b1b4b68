#pragma once
// The export formats of tracks behind one call, chosen by the user or by the file's extension.

#include "gps/TrackSegment.h"
#include "util/CalendarDate.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

enum class ExportFormat { Gpx, Kml, Csv };

// By the extension, in any case ("trip.GPX"); none for another one.
std::optional<ExportFormat> pmExportFormatOf(std::string_view path);
// "gpx", "kml", "csv".
const char* pmExportExtension(ExportFormat format);
// Writes the segments; name titles a GPX file, exportTime describes a KML file. False, with
// nothing left behind, when there is nothing to write or the file cannot be written.
bool pmExportSegments(const std::string& path, ExportFormat format, std::span<const TrackSegment> segments,
                      std::string_view name, FileTime exportTime);
