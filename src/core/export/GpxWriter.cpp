#include "export/GpxWriter.h"

#include "display/NumberText.h"
#include "export/TextFileWriter.h"
#include "export/TimeText.h"

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

namespace {

void appendPoint(std::string& out, const GpsData& sample, std::optional<std::int64_t> millis)
{
    out += "<trkpt lat=\"";
    pmAppendFixed(out, sample.fLatitude(), 6);
    out += "\" lon=\"";
    pmAppendFixed(out, sample.fLongitude(), 6);
    out += '"';
    const bool elevation = sample.dAltitude() < kNoAltitude;
    if (!elevation && !millis) {
        out += "/>\n";
        return;
    }
    out += '>';
    if (elevation) {
        out += "<ele>";
        pmAppendFixed(out, sample.dAltitude(), 1);
        out += "</ele>";
    }
    if (millis) {
        out += "<time>";
        pmAppendUtcText(out, *millis);
        out += "</time>";
    }
    out += "</trkpt>\n";
}

// The points of one segment; empty when none has a position.
std::string segmentPoints(const TrackSegment& segment)
{
    std::string points;
    pmForEachTimedSecond(segment, [&](int, const GpsData& sample, std::optional<std::int64_t> millis) {
        if (sample.hasPosition())
            appendPoint(points, sample, millis);
    });
    return points;
}

} // namespace

bool pmWriteGpx(const std::string& path, std::span<const TrackSegment> segments, std::string_view name)
{
    std::string body;
    for (const TrackSegment& segment : segments) {
        const std::string points = segmentPoints(segment);
        if (points.empty())
            continue;
        body += "<trkseg>\n";
        body += points;
        body += "</trkseg>";
    }
    if (body.empty())
        return false;
    TextFileWriter file;
    if (!file.open(path))
        return false;
    const std::string title = pmXmlEscape(name);
    file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<gpx version=\"1.1\" creator=\"Koriv Manager\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
               "<metadata><name>" + title + "</name></metadata>\n"
               "<trk><name>" + title + "</name>");
    file.write(body);
    file.write("</trk>\n</gpx>\n");
    return file.close();
}

bool pmWriteGpx(const std::string& path, const GpsList& list, std::string_view name)
{
    const TrackSegment segment = TrackSegment::of(list, std::string(name), std::nullopt);
    return pmWriteGpx(path, std::span(&segment, 1), name);
}
