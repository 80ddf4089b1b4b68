#include "export/GpxWriter.h"

#include "display/NumberText.h"
#include "export/TextFileWriter.h"
#include "gps/TrackStepping.h"

std::string pmXmlEscape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&apos;"; break;
        default: out += c;
        }
    }
    return out;
}

bool pmWriteGpx(const std::string& path, const GpsList& list, std::string_view name)
{
    std::string points;
    pmForEachSecondSample(list, [&](int, const GpsData& sample) {
        if (!sample.hasPosition())
            return;
        points += "<trkpt lat=\"";
        pmAppendFixed(points, sample.fLatitude(), 6);
        points += "\" lon=\"";
        pmAppendFixed(points, sample.fLongitude(), 6);
        points += '"';
        if (sample.dAltitude() < kNoAltitude) {
            points += "><ele>";
            pmAppendFixed(points, sample.dAltitude(), 1);
            points += "</ele></trkpt>\n";
        } else {
            points += "/>\n";
        }
    });
    if (points.empty())
        return false;
    TextFileWriter file;
    if (!file.open(path))
        return false;
    const std::string title = pmXmlEscape(name);
    file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<gpx version=\"1.1\" creator=\"Koriv Manager\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
               "<metadata><name>" + title + "</name></metadata>\n"
               "<trk><name>" + title + "</name><trkseg>\n");
    file.write(points);
    file.write("</trkseg></trk>\n</gpx>\n");
    return file.close();
}
