#include "TrackFiles.h"

#include "CityRoute.h"
#include "NmeaWriter.h"
#include "RiffWriter.h"

#include <cmath>
#include <vector>

namespace {

constexpr double kKnotsPerKmh = 1 / 1.852;

struct SecondSample {
    RoutePoint point;
    double kmh = 0;
    double altitude = 0;
    TrackGValue g;
};

// Speed wanders a little; the peak second is a hard brake (or a knock on a parked car). The
// camera reports acceleration with gravity taken out, so quiet driving stays near 0 G.
std::vector<SecondSample> samplesOf(const PlannedClip& clip)
{
    static const CityRoute route;
    std::vector<SecondSample> samples;
    double metres = clip.routeStart;
    for (int t = 0; t < clip.seconds; ++t) {
        const bool peak = clip.peakG != 0 && t == clip.seconds / 2;
        const double kmh = clip.kmh > 0 ? clip.kmh + 6 * std::sin(t * 0.7) : 0;
        SecondSample s;
        s.point = route.at(metres);
        s.kmh = kmh;
        s.altitude = 9.0 + 2.5 * std::sin(metres / 400.0);
        s.g = {0.04 * std::sin(t * 1.3), peak ? clip.peakG : 0.08 * std::cos(t * 0.9), 0.03 * std::sin(t * 2.1)};
        samples.push_back(s);
        metres += kmh / 3.6;
    }
    return samples;
}

int counts(double g)
{
    return static_cast<int>(std::lround(g / 0.016));
}

} // namespace

std::string pmSampleNmeaLog(const PlannedClip& clip)
{
    std::tm utc{};
    gmtime_r(&clip.start, &utc);
    char date[8];
    std::strftime(date, sizeof date, "%d%m%y", &utc);
    const int startOfDay = utc.tm_hour * 3600 + utc.tm_min * 60 + utc.tm_sec;
    NmeaWriter nmea;
    int t = 0;
    for (const SecondSample& s : samplesOf(clip)) {
        if (clip.track != TrackStore::SensorLog) {
            const NmeaFix fix{.secondOfDay = startOfDay + t,
                              .latitude = s.point.latitude,
                              .longitude = s.point.longitude,
                              .speedKnots = s.kmh * kKnotsPerKmh,
                              .course = s.point.heading,
                              .altitude = s.altitude,
                              .valid = true,
                              .date = date};
            nmea.rmc(fix).gga(fix);
        }
        nmea.gsensor(counts(s.g.x), counts(s.g.y), counts(s.g.z));
        ++t;
    }
    return nmea.text();
}

std::string pmSampleAviChunks(const PlannedClip& clip)
{
    if (clip.track != TrackStore::AviChunks && clip.track != TrackStore::AviSensorChunk)
        return {};
    std::vector<TrackPosition> positions;
    std::vector<TrackGValue> gValues;
    for (const SecondSample& s : samplesOf(clip)) {
        positions.push_back({s.point.latitude, s.point.longitude, static_cast<int>(std::lround(s.kmh))});
        gValues.push_back(s.g);
    }
    const std::string sensor = RiffWriter::gValueChunk(gValues);
    return clip.track == TrackStore::AviChunks ? RiffWriter::positionChunk(positions) + sensor : sensor;
}
