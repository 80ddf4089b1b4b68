#include "CardPlan.h"

#include <cstdio>

namespace {

std::time_t localTime(int day, int hour, int minute, int second)
{
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 10; // November
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

std::string rearFolder(const std::string& frontFolder)
{
    return frontFolder.substr(0, frontFolder.size() - 1) + "R";
}

} // namespace

std::string PlannedClip::extension() const
{
    switch (container) {
    case Container::Mp4: return ".MP4";
    case Container::Mov: return ".MOV";
    default: return ".AVI";
    }
}

std::string PlannedClip::name(bool rearCamera) const
{
    char text[32];
    std::snprintf(text, sizeof text, "%s%04d%c", prefix.c_str(), number, rearCamera ? 'R' : 'F');
    return text;
}

std::string PlannedClip::path(bool rearCamera) const
{
    return (rearCamera ? rearFolder(folder) : folder) + "/" + name(rearCamera) + extension();
}

std::string pmSampleCardLogFolder()
{
    return std::string(kCardRoot) + "/NMEA";
}

std::vector<PlannedClip> pmSampleCardPlan()
{
    const std::string normal = std::string(kCardRoot) + "/MOVIEF";
    const std::string event = std::string(kCardRoot) + "/EVENTF";
    const std::string parking = std::string(kCardRoot) + "/PARKF";
    const std::string trip = std::string(kCardRoot) + "/TRIPF";
    const std::string lapse = std::string(kCardRoot) + "/TIMEF";
    using C = Container;
    using T = TrackStore;
    // prefix, number, folder, container, start, seconds, track, rear, route start, km/h, peak
    return {
        {"FILE", 1, normal, C::Mp4, localTime(20, 8, 2, 0), 20, T::LogBeside, true, 0, 35},
        {"FILE", 2, normal, C::Mp4, localTime(20, 8, 2, 20), 20, T::PairLogBeside, true, 195, 40},
        {"EMER", 1, event, C::Mp4, localTime(20, 8, 2, 40), 15, T::PairLogInFolder, true, 420, 45, -1.2},
        {"FILE", 3, normal, C::Mov, localTime(20, 17, 45, 0), 20, T::OwnLogInFolder, true, 900, 50},
        {"PARK", 1, parking, C::Mov, localTime(20, 22, 10, 0), 10, T::SensorLog, true, 0, 0, 0.7},
        {"FILE", 4, normal, C::AviH264, localTime(21, 9, 15, 0), 20, T::AviChunks, true, 1500, 45},
        {"EMER", 2, event, C::AviMjpeg, localTime(21, 9, 15, 20), 15, T::AviChunks, true, 1750, 50, 0.8},
        {"FILE", 5, normal, C::AviMjpeg, localTime(21, 9, 15, 35), 20, T::AviSensorChunk, true, 1960, 40},
        {"TRIP", 1, trip, C::Mp4, localTime(21, 12, 0, 0), 10, T::TextLog, true, 2300, 30},
        {"TIME", 1, lapse, C::Mov, localTime(22, 7, 30, 0), 10, T::None, false, 0, 0},
        {"FILE", 6, normal, C::Mp4, localTime(22, 18, 20, 0), 30, T::LogBeside, true, 3000, 45},
        {"EMER", 3, event, C::Mov, localTime(22, 18, 20, 30), 12, T::PairLogInFolder, true, 3380, 40, 0.6},
    };
}

std::vector<RejectedFile> pmSampleCardRejects()
{
    const std::string normal = std::string(kCardRoot) + "/MOVIEF/";
    return {
        {normal + "FILE0098F.MP4", "HEVC video"},
        {normal + "FILE0099F.MOV", "truncated: the movie atom is missing"},
        {normal + "FILE0097F.AVI", "a text file"},
    };
}
