#include "gps/CurrentSample.h"
#include "gps/TrackLoader.h"
#include "library/RecordingName.h"
#include "NmeaWriter.h"
#include "RiffWriter.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

std::string nmeaLog(int samples, double peak)
{
    NmeaWriter nmea;
    for (int i = 0; i < samples; ++i)
        nmea.rmc({.secondOfDay = i, .latitude = 25.04, .longitude = 121.5 + i * 1e-4, .speedKnots = 20})
            .gsensord(0.01, i == samples / 2 ? peak : 0.02, 1.0 / 64);
    return nmea.text();
}

std::string aviWithTrack(int seconds)
{
    std::vector<TrackPosition> positions(static_cast<size_t>(seconds), TrackPosition{25.04, 121.55, 30});
    std::vector<TrackGValue> g(static_cast<size_t>(seconds), TrackGValue{0.1, -0.7, 0.2});
    RiffWriter riff;
    riff.chunk("LIST", "hdrl").chunk("idx1", "").positions(positions).gValues(g);
    return riff.bytes();
}

} // namespace

TEST(TrackLoaderTest, FrequencyAndEventIndex)
{
    EXPECT_EQ(pmGpsFrequency(600, 60), 10);
    EXPECT_EQ(pmGpsFrequency(95, 60), 2);
    EXPECT_EQ(pmGpsFrequency(10, 60), 1) << "never 0: stepping by it would not end";
    EXPECT_EQ(pmGpsFrequency(10, 0), 1);
    EXPECT_EQ(pmWholeSeconds(59.9), 59);
    EXPECT_EQ(pmWholeSeconds(0.5), 0);
    EXPECT_EQ(pmWholeSeconds(1e12), kMaxTrackSeconds);
    EXPECT_EQ(pmWholeSeconds(std::nan("")), 0);

    GpsList list;
    list.setBSenser(true);
    for (int i = 0; i < 4; ++i)
        list.InsertData(0, 0, 0, 0, -1);
    list.setFMaxGValue(0.45f);
    list.setNMaxGIndex(1);
    list.setFMinGValue(-0.48f);
    list.setNMinGIndex(2);
    EXPECT_EQ(pmEventIndex(list, VideoEvent), -1);
    list.setFMaxGValue(0.3f);
    list.setFMinGValue(-0.9f);
    EXPECT_EQ(pmEventIndex(list, VideoEvent), 2);
    EXPECT_EQ(pmEventIndex(list, VideoNormal), -1);
    list.setFMaxGValue(0.9f);
    EXPECT_EQ(pmEventIndex(list, VideoEvent), 1) << "the maximum wins a tie";
}

TEST(TrackLoaderTest, LogFileFirstThenEmbeddedTrack)
{
    TempDir dir;
    const std::string video = dir.write("CARD/EMERF/EMER0001F.AVI", aviWithTrack(20));
    GpsList list;
    LoadedTrack fromAvi = pmLoadTrack(video, 20.4, list);
    ASSERT_TRUE(fromAvi.loaded);
    EXPECT_FALSE(fromAvi.logFile);
    EXPECT_EQ(list.GetDataCount(), 20);
    EXPECT_EQ(list.GetGpsFrequency(), 1);
    EXPECT_EQ(fromAvi.eventIndex, 0) << "-0.7 G in an event recording";
    EXPECT_EQ(fromAvi.eventSecond, 0);

    dir.write("CARD/EMERF/EMER0001N.NMEA", nmeaLog(200, -0.8));
    LoadedTrack fromLog = pmLoadTrack(video, 20.4, list);
    ASSERT_TRUE(fromLog.loaded);
    EXPECT_TRUE(fromLog.logFile);
    EXPECT_EQ(list.GetDataCount(), 200);
    EXPECT_EQ(list.GetGpsFrequency(), 10);
    EXPECT_EQ(fromLog.eventIndex, 100);
    EXPECT_EQ(fromLog.eventSecond, 10);
    EXPECT_EQ(fromLog.motorType, MotorOrdinary);

    // A G-sensor log shorter than the recording is padded to its length.
    dir.write("CARD/EMERF/EMER0001F.log", nmeaLog(100, 0.1));
    LoadedTrack padded = pmLoadTrack(video, 30, list);
    EXPECT_EQ(list.GetGpsFrequency(), 3);
    EXPECT_EQ(list.GetDataCount(), 90 + 10) << "already longer than 30 s x 3: not padded";
    EXPECT_EQ(padded.eventIndex, -1);
    pmLoadTrack(video, 50, list);
    EXPECT_EQ(list.GetGpsFrequency(), 2);
    EXPECT_EQ(list.GetDataCount(), 100);
    pmLoadTrack(video, 80, list);
    EXPECT_EQ(list.GetGpsFrequency(), 1);
    EXPECT_EQ(list.GetDataCount(), 100);
    pmLoadTrack(video, 150, list);
    EXPECT_EQ(list.GetDataCount(), 150);
    EXPECT_EQ(list.GetGpsData(149)->fSpeed(), -1);

    GpsList none;
    EXPECT_FALSE(pmLoadTrack(dir.write("CARD/MOVIEF/FILE0002F.MP4", aviWithTrack(5)), 5, none).loaded)
        << "tracks are read only from AVI containers";
    EXPECT_FALSE(pmLoadTrack(dir.write("CARD/MOVIEF/FILE0003F.AVI", RiffWriter().bytes()), 5, none).loaded);
    EXPECT_FALSE(pmLoadTrack("", 5, none).loaded);
}

TEST(TrackFollowingTest, CurrentSampleAndShownValues)
{
    GpsList list;
    EXPECT_EQ(pmGetCurGpsData(list, 1.5), nullptr);
    list.InsertData(25, 121, 30, 90, -1);
    list.InsertData(0, 0, 12, 45, -1);
    list.GetGpsData(1)->setDAltitude(65535);
    list.GetGpsData(1)->setSensorValueGSensor(0.0125f, -0.0125f, 1.0f);
    EXPECT_EQ(pmGetCurGpsData(list, 1.99), list.GetGpsData(1));
    EXPECT_EQ(pmGetCurGpsData(list, 1e300), nullptr);

    const MapGoToValues blank = pmMapGoToValues(list.GetGpsData(1));
    EXPECT_EQ(blank.latitude, 0);
    EXPECT_EQ(blank.speed, 0);
    EXPECT_EQ(blank.altitude, 65535);
    EXPECT_EQ(blank.direction, -1);
    EXPECT_EQ(blank.sensorX, 13);
    EXPECT_EQ(blank.sensorY, -13);
    EXPECT_EQ(blank.sensorZ, 1000);

    list.GetGpsData(1)->setDAltitude(20);
    EXPECT_EQ(pmMapGoToValues(list.GetGpsData(1)).altitude, 0);
    const MapGoToValues shown = pmMapGoToValues(list.GetGpsData(0));
    EXPECT_EQ(shown.latitude, 25);
    EXPECT_EQ(shown.speed, 30);
    EXPECT_EQ(shown.direction, 90);
    const MapGoToValues none = pmMapGoToValues(nullptr);
    EXPECT_EQ(none.altitude, 0);
    EXPECT_EQ(none.direction, -1);
    EXPECT_EQ(pmIndicatorValue(0), 0);
    EXPECT_EQ(pmIndicatorValue(-0.0004f), 0);
}
