#pragma once
// The script texts of the map page's functions, with numbers written "%f"-style whatever the
// process locale. A path goes to the page as one script holding the same calls in the same
// order as separate commands would, so a long route costs one round trip.

#include "display/MapPath.h"

#include <string>

// "mapSetCenter(%f, %f)"
std::string pmMapSetCenterScript(double latitude, double longitude);
// "addPathPoint(%f, %f)"
std::string pmAddPathPointScript(double latitude, double longitude);
inline constexpr const char* kDrawPathScript = "drawPath()";
inline constexpr const char* kAutoLocationScript = "AutoLocation()";
// "setZoom(%d)"
std::string pmSetZoomScript(int zoom);

// Every point of the plan in one "addPathPoints", "drawPath()" and, when the plan has one,
// "setZoom", as statements of one script.
std::string pmDrawPathScript(const MapPathPlan& plan);
