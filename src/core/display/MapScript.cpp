#include "display/MapScript.h"

#include "display/NumberText.h"

#include <cmath>

namespace {

// A value the page cannot parse (NaN, infinity from a damaged track) is sent as 0, which the
// page takes as "no position".
void appendCoordinate(std::string& out, double value)
{
    pmAppendFixed(out, std::isfinite(value) ? value : 0.0, 6);
}

void appendCall(std::string& out, const char* function, double latitude, double longitude)
{
    out += function;
    out += '(';
    appendCoordinate(out, latitude);
    out += ", ";
    appendCoordinate(out, longitude);
    out += ')';
}

} // namespace

std::string pmMapSetCenterScript(double latitude, double longitude)
{
    std::string script;
    appendCall(script, "mapSetCenter", latitude, longitude);
    return script;
}

std::string pmAddPathPointScript(double latitude, double longitude)
{
    std::string script;
    appendCall(script, "addPathPoint", latitude, longitude);
    return script;
}

std::string pmSetZoomScript(int zoom)
{
    std::string script = "setZoom(";
    pmAppendInt(script, zoom);
    script += ')';
    return script;
}

std::string pmDrawPathScript(const MapPathPlan& plan)
{
    // One array literal parses far faster than a call per point.
    std::string script;
    script.reserve(plan.points.size() * 24 + 48);
    script += "addPathPoints([";
    for (const MapPoint& point : plan.points) {
        script += '[';
        appendCoordinate(script, point.latitude);
        script += ',';
        appendCoordinate(script, point.longitude);
        script += "],";
    }
    if (!plan.points.empty())
        script.pop_back();
    script += "]);\n";
    script += kDrawPathScript;
    script += ";\n";
    if (plan.zoom) {
        script += pmSetZoomScript(*plan.zoom);
        script += ";\n";
    }
    return script;
}
