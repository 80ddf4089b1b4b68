#include "display/MapPath.h"

#include "gps/TrackStepping.h"

#include <cmath>
#include <numbers>

double pmGreatCircleKm(double latitude1, double longitude1, double latitude2, double longitude2)
{
    constexpr double kRadians = std::numbers::pi / 180.0;
    const double dLat = (latitude2 - latitude1) * kRadians;
    const double dLon = (longitude2 - longitude1) * kRadians;
    const double a = std::sin(dLat / 2) * std::sin(dLat / 2) +
                     std::cos(latitude1 * kRadians) * std::cos(latitude2 * kRadians) * std::sin(dLon / 2) *
                         std::sin(dLon / 2);
    return 2 * kEarthRadiusKm * std::atan2(std::sqrt(a), std::sqrt(1 - a));
}

double pmHaversineKm(double latitude1, double longitude1, double latitude2, double longitude2)
{
    return std::round(pmGreatCircleKm(latitude1, longitude1, latitude2, longitude2) * 10000.0) / 10000.0;
}

int pmZoomForDistance(double km)
{
    if (km < 0.1)
        return 18;
    if (km < 0.5)
        return 15;
    if (km < 1.0)
        return 14;
    return 13;
}

MapPathPlan pmMapPath(const GpsList* list)
{
    MapPathPlan plan;
    if (!list || !list->IsGPSReady() || list->GetDataCount() == 0)
        return plan;
    bool started = false;
    pmForEachSecondSample(*list, [&](int, const GpsData& sample) {
        const MapPoint point{sample.fLatitude(), sample.fLongitude()};
        plan.points.push_back(point);
        if (!sample.hasPosition())
            return;
        if (!started)
            plan.start = point;
        plan.end = point;
        started = true;
    });
    if (list->GetDataCount() >= 2)
        plan.zoom = pmZoomForDistance(
            pmHaversineKm(plan.start.latitude, plan.start.longitude, plan.end.latitude, plan.end.longitude));
    return plan;
}
