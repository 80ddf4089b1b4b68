#include "gps/GpsData.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

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

void GpsData::setNUtcMillis(std::int64_t millis)
{
    const std::int64_t seconds = millis / 1000;
    const bool representable = millis > 0 && seconds > 0 && seconds <= std::int64_t(UINT32_MAX);
    m_nUtcSeconds = representable ? static_cast<std::uint32_t>(seconds) : 0;
    m_nUtcMilliseconds = representable ? static_cast<std::uint16_t>(millis % 1000) : 0;
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
