#include "gps/GpsData.h"

#include <algorithm>
#include <cmath>

void GpsData::setSensorValue(int x, int y, int z)
{
    m_nSensorX = static_cast<std::int16_t>(x);
    m_nSensorY = static_cast<std::int16_t>(y);
    m_nSensorZ = static_cast<std::int16_t>(z);
    m_fGSensorX = static_cast<float>(m_nSensorX) * kGPerCount;
    m_fGSensorY = static_cast<float>(m_nSensorY) * kGPerCount;
    m_fGSensorZ = static_cast<float>(m_nSensorZ) * kGPerCount;
}

void GpsData::setSensorValueGSensor(float x, float y, float z)
{
    m_fGSensorX = x;
    m_fGSensorY = y;
    m_fGSensorZ = z;
}

bool GpsData::Copy(const GpsData* other)
{
    if (!other)
        return false;
    *this = *other;
    return true;
}

float GpsData::strength() const
{
    return std::max({std::fabs(m_fGSensorX), std::fabs(m_fGSensorY), std::fabs(m_fGSensorZ)});
}
