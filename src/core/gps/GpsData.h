#pragma once
// One sample of a recording's track: a position fix and/or a G-sensor reading.
// Markers: latitude or longitude 0 = no position, speed -1 = given the last valid position,
// direction -1 = unknown, altitude 65535 = no altitude, UTC time 0 = the log gave none.

#include <cstdint>

inline constexpr double kNoAltitude = 65535.0;
// One raw accelerometer count in G.
inline constexpr float kGPerCount = 0.016f;

class GpsData {
public:
    float m_fLatitude = 0;
    float m_fLongitude = 0;
    float m_fSpeed = 0;
    float m_fDirection = -1;
    std::int16_t m_nSensorX = 0;
    std::int16_t m_nSensorY = 0;
    std::int16_t m_nSensorZ = 0;
    // The UTC time of the position sentence: seconds since 1970 (0 for none; enough up to 2106)
    // and the milliseconds within, laid out in what would be padding so a sample stays small.
    std::uint16_t m_nUtcMilliseconds = 0;
    float m_fGSensorX = 0;
    float m_fGSensorY = 0;
    float m_fGSensorZ = 0;
    std::uint32_t m_nUtcSeconds = 0;
    double m_dAltitude = 0;

    GpsData() = default;
    GpsData(float latitude, float longitude, float speed, float direction)
        : m_fLatitude(latitude), m_fLongitude(longitude), m_fSpeed(speed), m_fDirection(direction) {}

    float fLatitude() const { return m_fLatitude; }
    float fLongitude() const { return m_fLongitude; }
    float fSpeed() const { return m_fSpeed; }
    float fDirection() const { return m_fDirection; }
    double dAltitude() const { return m_dAltitude; }
    // Milliseconds since 1970-01-01 UTC; 0 when the log gave no time.
    std::int64_t nUtcMillis() const
    {
        return m_nUtcSeconds == 0 ? 0 : std::int64_t(m_nUtcSeconds) * 1000 + m_nUtcMilliseconds;
    }
    void setFLatitude(float v) { m_fLatitude = v; }
    void setFLongitude(float v) { m_fLongitude = v; }
    void setFSpeed(float v) { m_fSpeed = v; }
    void setFDirection(float v) { m_fDirection = v; }
    void setDAltitude(double v) { m_dAltitude = v; }
    // A moment outside 1970 .. 2106 is kept as none.
    void setNUtcMillis(std::int64_t millis);

    // Raw counts; each G value becomes count x 0.016.
    void setSensorValue(int x, int y, int z);
    // G values only; the raw counts are left as they are.
    void setSensorValueGSensor(float x, float y, float z);
    void ResetData() { *this = GpsData(); }
    // False, with nothing changed, when there is no sample to copy.
    bool Copy(const GpsData* other);

    int GetSensorX() const { return m_nSensorX; }
    int GetSensorY() const { return m_nSensorY; }
    int GetSensorZ() const { return m_nSensorZ; }
    float GetGValueX() const { return m_fGSensorX; }
    float GetGValueY() const { return m_fGSensorY; }
    float GetGValueZ() const { return m_fGSensorZ; }

    bool hasPosition() const { return m_fLatitude != 0 && m_fLongitude != 0; }
    // A position of its own: not one carried over from an earlier fix.
    bool hasOwnFix() const { return hasPosition() && m_fSpeed >= 0; }
    // The largest absolute G value of the three axes.
    float strength() const;
};
