#include "export/TrackExport.h"

#include "export/CsvWriter.h"
#include "export/GpxWriter.h"
#include "export/KmlExport.h"
#include "library/RecordingName.h"
#include "util/TextHelpers.h"

std::optional<ExportFormat> pmExportFormatOf(std::string_view path)
{
    const std::string_view name = pmGetFileName(path, false);
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return std::nullopt;
    const std::string extension = pmToLower(name.substr(dot + 1));
    for (ExportFormat format : {ExportFormat::Gpx, ExportFormat::Kml, ExportFormat::Csv})
        if (extension == pmExportExtension(format))
            return format;
    return std::nullopt;
}

const char* pmExportExtension(ExportFormat format)
{
    switch (format) {
    case ExportFormat::Gpx: return "gpx";
    case ExportFormat::Kml: return "kml";
    case ExportFormat::Csv: return "csv";
    }
    return "";
}

bool pmExportSegments(const std::string& path, ExportFormat format, std::span<const TrackSegment> segments,
                      std::string_view name, FileTime exportTime)
{
    switch (format) {
    case ExportFormat::Gpx: return pmWriteGpx(path, segments, name);
    case ExportFormat::Kml: return outputKML(path, segments, exportTime);
    case ExportFormat::Csv: return pmWriteCsv(path, segments);
    }
    return false;
}
