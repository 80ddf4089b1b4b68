#include "display/TripRouteScript.h"

#include "display/NumberText.h"

#include <algorithm>
#include <cmath>

namespace {

void appendJsonString(std::string& out, std::string_view text)
{
    out += '"';
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            out += "\\u00";
            out += "0123456789abcdef"[(c >> 4) & 0xf];
            out += "0123456789abcdef"[c & 0xf];
        } else {
            out += c;
        }
    }
    out += '"';
}

void appendPoints(std::string& out, const GpsList& list)
{
    out += '[';
    bool first = true;
    pmForEachSecondSample(list, [&](int, const GpsData& sample) {
        if (!first)
            out += ',';
        first = false;
        const bool drawable = sample.hasPosition() && std::isfinite(sample.fLatitude()) && std::isfinite(sample.fLongitude());
        if (!drawable) {
            out += "null";
            return;
        }
        out += '[';
        pmAppendFixed(out, sample.fLatitude(), 6);
        out += ',';
        pmAppendFixed(out, sample.fLongitude(), 6);
        out += ']';
    });
    out += ']';
}

} // namespace

std::string pmTripPartsJson(std::span<const TrackSegment> segments)
{
    std::string json;
    size_t seconds = 0;
    for (const TrackSegment& segment : segments)
        seconds += segment.list->gpslist().size() / static_cast<size_t>(std::max(1, segment.list->GetGpsFrequency()));
    json.reserve(seconds * 24 + segments.size() * 64 + 2);
    json += '[';
    for (size_t i = 0; i < segments.size(); ++i) {
        const TrackSegment& segment = segments[i];
        if (i > 0)
            json += ',';
        json += "{\"id\":";
        pmAppendInt(json, segment.entry);
        json += ",\"name\":";
        appendJsonString(json, segment.name);
        json += segment.event ? ",\"event\":true" : ",\"event\":false";
        json += ",\"points\":";
        appendPoints(json, *segment.list);
        json += '}';
    }
    json += ']';
    return json;
}

std::string pmDrawTripScript(std::string_view partsJson, int current)
{
    std::string script = "drawTrip({\"current\":";
    pmAppendInt(script, current);
    script += ",\"parts\":";
    script += partsJson;
    script += "})";
    return script;
}

std::string pmSetTripCurrentScript(int current)
{
    std::string script = "setTripCurrent(";
    pmAppendInt(script, current);
    script += ')';
    return script;
}
