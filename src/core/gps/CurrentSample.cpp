#include "gps/CurrentSample.h"

#include <climits>
#include <cmath>

const GpsData* pmGetCurGpsData(const GpsList& list, double playTime)
{
    if (list.GetDataCount() == 0)
        return nullptr;
    const double second = std::trunc(playTime);
    if (!(second > INT_MIN && second < INT_MAX))
        return nullptr;
    return list.GetGpsDataBySecond(static_cast<int>(second));
}

int pmIndicatorValue(float g)
{
    const double rounded = (g > 0 ? g + 0.0005 : g - 0.0005) * 1000.0;
    if (!(std::fabs(rounded) < INT_MAX))
        return 0;
    return static_cast<int>(rounded);
}

MapGoToValues pmMapGoToValues(const GpsData* sample)
{
    MapGoToValues values;
    if (!sample)
        return values;
    values.sensorX = pmIndicatorValue(sample->GetGValueX());
    values.sensorY = pmIndicatorValue(sample->GetGValueY());
    values.sensorZ = pmIndicatorValue(sample->GetGValueZ());
    if (sample->fLatitude() == 0 && sample->fLongitude() == 0) {
        values.altitude = sample->dAltitude() == kNoAltitude ? static_cast<float>(kNoAltitude) : 0.0f;
        return values;
    }
    values.latitude = sample->fLatitude();
    values.longitude = sample->fLongitude();
    values.speed = sample->fSpeed();
    values.altitude = static_cast<float>(sample->dAltitude());
    values.direction = sample->fDirection();
    return values;
}
