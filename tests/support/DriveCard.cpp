#include "DriveCard.h"

#include "NmeaWriter.h"
#include "VideoFixtures.h"

#include <chrono>
#include <ctime>
#include <filesystem>

namespace {

void setLocalDate(const std::string& path, int hour, int minute)
{
    std::tm tm{};
    tm.tm_year = 126;
    tm.tm_mon = 2;
    tm.tm_mday = 10;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_isdst = -1;
    const auto t = std::chrono::system_clock::from_time_t(std::mktime(&tm));
    std::filesystem::last_write_time(path, std::chrono::file_clock::from_sys(t));
}

} // namespace

void DriveCard::writeMinute(const std::string& stem, int hour, int minute, int driveSecond, bool rear) const
{
    Mp4Options options;
    options.duration = 60000;
    setLocalDate(mDir.write("DCIM/CARDF/" + stem + "F.MP4", makeMp4(options)), hour, minute);
    if (rear) {
        options.duration = 65000;
        setLocalDate(mDir.write("DCIM/CARDR/" + stem + "R.MP4", makeMp4(options)), hour, minute);
    }
    NmeaWriter log;
    for (int s = driveSecond; s < driveSecond + 60; ++s) {
        const NmeaFix fix{.secondOfDay = 8 * 3600 + s, .latitude = latitudeAt(s), .longitude = 121.0,
                          .speedKnots = kKnots, .altitude = 30, .date = "100326"};
        log.rmc(fix).gga(fix);
    }
    mDir.write("DCIM/NMEA/" + stem + "N.NMEA", log.text());
}
