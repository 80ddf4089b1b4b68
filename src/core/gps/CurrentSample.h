#pragma once
// Following the play time: the sample of the current second and the values handed to the
// map, the information panel and the G-sensor indicator.

#include "gps/GpsList.h"

struct MapGoToValues {
    float latitude = 0;
    float longitude = 0;
    float speed = 0;
    float altitude = 0;
    float direction = -1;
    // G values in thousandths of a G, rounded half away from zero.
    int sensorX = 0;
    int sensorY = 0;
    int sensorZ = 0;
};

// None for an empty track; else the sample of the play time's whole second.
const GpsData* pmGetCurGpsData(const GpsList& list, double playTime);
// A G value in thousandths, rounded half away from zero.
int pmIndicatorValue(float g);
// What is shown for a sample: a sample without a position shows the blank sample's values
// (keeping the no-altitude marker); without a sample, the blank sample alone.
MapGoToValues pmMapGoToValues(const GpsData* sample);
