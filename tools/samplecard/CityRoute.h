#pragma once
// A drive through Taipei on real streets: from Taipei Main Station east along Zhongxiao
// West and East Road to Dunhua South Road, then north along Dunhua Road to Minsheng East
// Road. Positions are found by the distance driven along it.

#include <vector>

struct RoutePoint {
    double latitude = 0;
    double longitude = 0;
    double heading = 0; // degrees from north, clockwise
};

class CityRoute {
public:
    CityRoute();

    double length() const { return mCumulative.back(); } // metres
    // The point after driving `metres` from the start (bounded to the route).
    RoutePoint at(double metres) const;

private:
    std::vector<RoutePoint> mWaypoints;
    std::vector<double> mCumulative;
};
