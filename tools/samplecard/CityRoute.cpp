#include "CityRoute.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kEarthRadiusM = 6378137.0;
constexpr double kRad = std::numbers::pi / 180.0;

double distance(const RoutePoint& a, const RoutePoint& b)
{
    const double x = (b.longitude - a.longitude) * kRad * std::cos((a.latitude + b.latitude) / 2 * kRad);
    const double y = (b.latitude - a.latitude) * kRad;
    return std::sqrt(x * x + y * y) * kEarthRadiusM;
}

double bearing(const RoutePoint& a, const RoutePoint& b)
{
    const double x = (b.longitude - a.longitude) * std::cos(a.latitude * kRad);
    const double y = b.latitude - a.latitude;
    const double degrees = std::atan2(x, y) / kRad;
    return degrees < 0 ? degrees + 360 : degrees;
}

} // namespace

CityRoute::CityRoute()
    : mWaypoints{
          {25.04640, 121.51700}, // Zhongxiao West Road at Taipei Main Station
          {25.04510, 121.52020}, // Zhongshan South Road
          {25.04460, 121.52300}, // Shandao Temple
          {25.04350, 121.52900}, // Huashan
          {25.04240, 121.53290}, // Xinsheng South Road
          {25.04160, 121.54370}, // Fuxing South Road
          {25.04140, 121.54930}, // Dunhua South Road
          {25.04470, 121.54910}, // Dunhua, Civic Boulevard
          {25.05190, 121.54900}, // Dunhua North Road, Nanjing East Road
          {25.05770, 121.54930}, // Minsheng East Road
          {25.06200, 121.55000}, // towards Songshan Airport
      }
{
    mCumulative.push_back(0);
    for (size_t i = 1; i < mWaypoints.size(); ++i) {
        mWaypoints[i - 1].heading = bearing(mWaypoints[i - 1], mWaypoints[i]);
        mCumulative.push_back(mCumulative.back() + distance(mWaypoints[i - 1], mWaypoints[i]));
    }
    mWaypoints.back().heading = mWaypoints[mWaypoints.size() - 2].heading;
}

RoutePoint CityRoute::at(double metres) const
{
    metres = std::clamp(metres, 0.0, length());
    const size_t i = std::min<size_t>(
        static_cast<size_t>(std::upper_bound(mCumulative.begin(), mCumulative.end(), metres) - mCumulative.begin()),
        mCumulative.size() - 1);
    const RoutePoint& a = mWaypoints[i - 1];
    const RoutePoint& b = mWaypoints[i];
    const double t = (metres - mCumulative[i - 1]) / (mCumulative[i] - mCumulative[i - 1]);
    return {a.latitude + (b.latitude - a.latitude) * t, a.longitude + (b.longitude - a.longitude) * t, a.heading};
}
