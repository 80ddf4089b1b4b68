#include "export/KmlExport.h"

#include "display/NumberText.h"
#include "export/KmlSave.h"
#include "gps/TrackStepping.h"
#include "library/RecordingName.h"

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
    if (!list || list->GetDataCount() == 0)
        return false;
    KmlSave kml;
    if (!kml.CreateFile(path))
        return false;
    const std::string name(pmGetFileName(path, false));
    kml.WriteHeader(name, exportTimeText(exportTime));
    KmlLocation last;
    pmForEachSecondSample(*list, [&](int index, const GpsData& sample) {
        last = locationOf(sample);
        if (index == 0) {
            kml.WriteBeginTrack(name, "", last);
            kml.WriteOpenSegment();
        }
        kml.WriteLocation(last);
    });
    kml.WriteCloseSegment();
    kml.WriteEndTrack(name, "", last);
    kml.WriteFooter();
    return kml.CloseFile();
}
