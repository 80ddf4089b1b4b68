#include "DriveCard.h"

#include "LocalDate.h"
#include "NmeaWriter.h"
#include "VideoFixtures.h"
#include "library/VideoLibrary.h"

#include <chrono>
#include <cstdio>
#include <filesystem>

namespace {

void setLocalDate(const std::string& path, int hour, int minute)
{
    std::filesystem::last_write_time(path, std::chrono::file_clock::from_sys(localFileTime(2026, 3, 10, hour, minute)));
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

void DriveCard::writeDay(int minutes) const
{
    for (int minute = 0; minute < minutes; ++minute) {
        char stem[16];
        std::snprintf(stem, sizeof stem, "FILE%04d", minute);
        writeMinute(stem, 9 + minute / 60, minute % 60, minute * 60);
    }
}

std::vector<AMediaFile> DriveCard::scan() const
{
    VideoLibrary library;
    library.build(folder());
    return library.sortByFileDateAndPath();
}
