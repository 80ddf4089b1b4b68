#pragma once
// Builds NMEA log text the way the camera writes it: position and fix sentences with
// checksums, and the camera's own G-sensor sentences (hexadecimal counts or decimal G,
// without checksum). Lines end in CR LF.

#include <string>

struct NmeaFix {
    int secondOfDay = 0; // UTC time of the fix
    int millisecond = 0;
    double latitude = 0;
    double longitude = 0;
    double speedKnots = 0;
    double course = 0;
    double altitude = 0;
    bool valid = true;
    const char* date = "010126"; // ddmmyy, UTC
};

class NmeaWriter {
public:
    NmeaWriter& rmc(const NmeaFix& fix);
    NmeaWriter& gga(const NmeaFix& fix);
    NmeaWriter& gsensor(int x, int y, int z);
    NmeaWriter& gsensord(double x, double y, double z);
    // Any line, as it is (CR LF added).
    NmeaWriter& line(const std::string& text);

    const std::string& text() const { return mText; }
    // "$GPRMC,...*hh" for the body "GPRMC,...".
    static std::string withChecksum(const std::string& body);

private:
    std::string mText;
};

// A drive's log for the benchmarks: RMC, GGA and GSENSOR every tenth of a second, until the text
// reaches `megabytes` or `ticks` ticks are written.
std::string tenHertzDriveLog(double megabytes, int ticks);
