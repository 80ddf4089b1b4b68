#include "NmeaWriter.h"

#include <cmath>
#include <cstdio>

namespace {

std::string clockText(const NmeaFix& fix)
{
    const int s = fix.secondOfDay;
    char text[24];
    std::snprintf(text, sizeof text, "%02d%02d%02d.%03d", s / 3600 % 24, s / 60 % 60, s % 60, fix.millisecond % 1000);
    return text;
}

// "ddmm.mmmm,N" or "dddmm.mmmm,E"
std::string coordinateText(double value, int degreeDigits, char positive, char negative)
{
    const double x = std::fabs(value);
    const int degrees = static_cast<int>(x);
    char text[32];
    std::snprintf(text, sizeof text, "%0*d%07.4f,%c", degreeDigits, degrees, (x - degrees) * 60.0,
                  value < 0 ? negative : positive);
    return text;
}

} // namespace

std::string NmeaWriter::withChecksum(const std::string& body)
{
    unsigned char sum = 0;
    for (char c : body)
        sum ^= static_cast<unsigned char>(c);
    char tail[8];
    std::snprintf(tail, sizeof tail, "*%02X", sum);
    return "$" + body + tail;
}

NmeaWriter& NmeaWriter::line(const std::string& text)
{
    mText += text;
    mText += "\r\n";
    return *this;
}

NmeaWriter& NmeaWriter::rmc(const NmeaFix& fix)
{
    char tail[64];
    std::snprintf(tail, sizeof tail, ",%.1f,%.1f,%s,,,%c", fix.speedKnots, fix.course, fix.date,
                  fix.valid ? 'A' : 'N');
    std::string body = "GPRMC," + clockText(fix) + (fix.valid ? ",A," : ",V,");
    body += fix.valid ? coordinateText(fix.latitude, 2, 'N', 'S') + "," + coordinateText(fix.longitude, 3, 'E', 'W')
                      : std::string(",,,");
    return line(withChecksum(body + tail));
}

NmeaWriter& NmeaWriter::gga(const NmeaFix& fix)
{
    char tail[64];
    std::snprintf(tail, sizeof tail, ",%d,08,1.0,%.1f,M,15.0,M,,", fix.valid ? 1 : 0, fix.altitude);
    return line(withChecksum("GPGGA," + clockText(fix) + "," +
                             coordinateText(fix.latitude, 2, 'N', 'S') + "," +
                             coordinateText(fix.longitude, 3, 'E', 'W') + tail));
}

NmeaWriter& NmeaWriter::gsensor(int x, int y, int z)
{
    char text[48];
    std::snprintf(text, sizeof text, "$GSENSOR,%02x,%02x,%02x", x & 0xff, y & 0xff, z & 0xff);
    return line(text);
}

NmeaWriter& NmeaWriter::gsensord(double x, double y, double z)
{
    char text[96];
    std::snprintf(text, sizeof text, "$GSENSORD,%.3f,%.3f,%.3f", x, y, z);
    return line(text);
}

std::string tenHertzDriveLog(double megabytes, int ticks)
{
    NmeaWriter nmea;
    for (int tick = 0; nmea.text().size() < megabytes * 1e6 && tick < ticks; ++tick) {
        const double t = tick / 10.0;
        const NmeaFix fix{.secondOfDay = tick / 10,
                          .millisecond = tick % 10 * 100,
                          .latitude = 25.04 + 0.002 * std::sin(t / 300),
                          .longitude = 121.5 + t * 1e-5,
                          .speedKnots = 25 + 5 * std::sin(t / 20),
                          .course = std::fmod(t, 360.0),
                          .altitude = 12 + std::sin(t / 50)};
        nmea.rmc(fix).gga(fix).gsensor(tick % 7 - 3, tick % 5 - 2, 62);
    }
    return nmea.text();
}
