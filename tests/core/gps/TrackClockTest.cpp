// The UTC moment of every sample: the log's own dates and times where it has them, otherwise
// the recording's date and the second within it.
#include "NmeaWriter.h"
#include "gps/GpsParser.h"
#include "gps/TrackClock.h"
#include "util/UtcTime.h"

#include <gtest/gtest.h>

namespace {

GpsList parsed(const NmeaWriter& log)
{
    GpsList list;
    EXPECT_TRUE(GpsParser().ParseBytes(log.text(), list));
    return list;
}

std::int64_t utc(int hour, int minute, int second, int millisecond = 0)
{
    return *pmUtcMillis(2026, 3, 29, hour, minute, second, millisecond);
}

} // namespace

TEST(TrackClock, PositionSentencesCarryTheirDateAndTime)
{
    NmeaWriter log;
    log.rmc({.secondOfDay = 12 * 3600, .millisecond = 500, .latitude = 25.5, .longitude = 121.25, .date = "290326"})
        .rmc({.secondOfDay = 12 * 3600 + 1, .latitude = 25.5, .longitude = 121.25, .date = "310226"}) // no such day
        .line("$GPRMC,120002,A,2530.0000,N,12115.0000,E,0.0,0.0,,,,A")                             // no date
        .line("$GPRMC,1200,A,2530.0000,N,12115.0000,E,0.0,0.0,290326,,,A")                         // short time
        .rmc({.secondOfDay = 23 * 3600 + 59 * 60 + 59, .latitude = 25.5, .longitude = 121.25, .date = "311279"});
    const GpsList list = parsed(log);
    ASSERT_EQ(list.GetDataCount(), 5);
    EXPECT_EQ(list.GetGpsData(0)->nUtcMillis(), utc(12, 0, 0, 500));
    for (int i = 1; i < 4; ++i)
        EXPECT_EQ(list.GetGpsData(i)->nUtcMillis(), 0) << i;
    // Two-digit years count from 1980, where GPS time begins.
    EXPECT_EQ(list.GetGpsData(4)->nUtcMillis(), *pmUtcMillis(2079, 12, 31, 23, 59, 59));
}

TEST(TrackClock, TheLogsTimesWinAndGlitchesFollowTheOthers)
{
    // Ten seconds of fixes; the receiver's reset clock says 2000 at second 4; second 7 has no
    // date. The recording's date (a camera clock an hour off) is not used while the log tells.
    NmeaWriter log;
    for (int s = 0; s < 10; ++s) {
        const char* date = s == 4 ? "010100" : s == 7 ? "" : "290326";
        log.rmc({.secondOfDay = 8 * 3600 + s, .latitude = 25.5, .longitude = 121.25, .date = date});
    }
    const GpsList list = parsed(log);
    const TrackClock clock(list, pmFileTimeOf(utc(9, 0, 0)));
    EXPECT_TRUE(clock.fromLog());
    for (int s = 0; s < 10; ++s)
        EXPECT_EQ(clock.millisAt(list, s), utc(8, 0, s)) << s;
    EXPECT_EQ(clock.millisAt(list, 12), utc(8, 0, 12)) << "past the samples, the seconds go on";
}

TEST(TrackClock, WithoutTimesInTheLogTheRecordingsDateAndTheSecondTell)
{
    GpsList list;
    for (int i = 0; i < 20; ++i)
        list.InsertData(25.5f, 121.25f, 30, 0, -1);
    list.SetGpsFrequency(10);
    const TrackClock clock(list, pmFileTimeOf(utc(0, 59, 30)));
    EXPECT_FALSE(clock.fromLog());
    EXPECT_EQ(clock.millisAt(list, 0), utc(0, 59, 30));
    EXPECT_EQ(clock.millisAt(list, 15), utc(0, 59, 31, 500));
    EXPECT_FALSE(TrackClock(list, std::nullopt).millisAt(list, 0)) << "neither the log nor the file tells";
}
