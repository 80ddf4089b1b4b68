#pragma once
// What the map is told about a track: one path point per second of video, and a zoom level
// from the great-circle distance between the first and last fixes.

#include "gps/GpsList.h"

#include <optional>
#include <vector>

struct MapPoint {
    float latitude = 0;
    float longitude = 0;
};

struct MapPathPlan {
    std::vector<MapPoint> points; // sent with "addPathPoints", samples at 0, 0 included
    MapPoint start;               // first point with a position (0, 0 when none)
    MapPoint end;                 // last point with a position (0, 0 when none)
    std::optional<int> zoom;      // sent with "setZoom" for tracks of two samples or more
};

inline constexpr double kEarthRadiusKm = 6378.137;

// Haversine distance on the 6378.137 km sphere.
double pmGreatCircleKm(double latitude1, double longitude1, double latitude2, double longitude2);
// The same rounded to 1e-4 km, as the zoom rule takes it.
double pmHaversineKm(double latitude1, double longitude1, double latitude2, double longitude2);
// 18 below 0.1 km, 15 below 0.5 km, 14 below 1 km, else 13.
int pmZoomForDistance(double km);
// No track, a track without positions or an empty one: no points and no zoom.
MapPathPlan pmMapPath(const GpsList* list);
