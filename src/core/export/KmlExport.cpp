#include "export/KmlExport.h"

#include "display/NumberText.h"
#include "export/KmlSave.h"
#include "gps/TrackStepping.h"
#include "library/RecordingName.h"

#include <algorithm>

namespace {

// "%04d/%02d/%02d %02d:%02d:%02d" in local time.
std::string exportTimeText(FileTime time)
{
    const LocalTime t = pmLocalTime(time);
    std::string text;
    pmAppendInt(text, t.date.year, 4);
    for (auto [separator, value] : {std::pair{'/', t.date.month}, {'/', t.date.day}, {' ', t.hour},
                                    {':', t.minute}, {':', t.second}}) {
        text += separator;
        pmAppendInt(text, value, 2);
    }
    return text;
}

KmlLocation locationOf(const GpsData& sample)
{
    return {sample.fLongitude(), sample.fLatitude(), sample.dAltitude()};
}

} // namespace

bool outputKML(const std::string& path, const GpsList* list, FileTime exportTime)
{
    if (!list)
        return false;
    const TrackSegment segment = TrackSegment::of(*list, "", std::nullopt);
    return outputKML(path, std::span(&segment, 1), exportTime);
}

bool outputKML(const std::string& path, std::span<const TrackSegment> segments, FileTime exportTime)
{
    // One recording is written as the export button always wrote it, positions or not; in a
    // trip or a day, a recording without any position would only draw lines to 0, 0.
    const bool several = segments.size() > 1;
    const auto written = [several](const TrackSegment& s) {
        return s.list->GetDataCount() > 0 &&
               (!several || std::any_of(s.list->gpslist().begin(), s.list->gpslist().end(),
                                        [](const GpsData& sample) { return sample.hasPosition(); }));
    };
    if (std::none_of(segments.begin(), segments.end(), written))
        return false;
    KmlSave kml;
    if (!kml.CreateFile(path))
        return false;
    const std::string name(pmGetFileName(path, false));
    kml.WriteHeader(name, exportTimeText(exportTime));
    KmlLocation last;
    bool begun = false;
    for (const TrackSegment& segment : segments) {
        if (!written(segment))
            continue;
        pmForEachSecondSample(*segment.list, [&](int index, const GpsData& sample) {
            last = locationOf(sample);
            if (!begun)
                kml.WriteBeginTrack(name, "", last);
            if (index == 0)
                kml.WriteOpenSegment();
            begun = true;
            kml.WriteLocation(last);
        });
        kml.WriteCloseSegment();
    }
    kml.WriteEndTrack(name, "", last);
    kml.WriteFooter();
    return kml.CloseFile();
}
