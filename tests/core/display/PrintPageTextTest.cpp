#include "display/GpsInfoText.h"
#include "display/PrintPageText.h"

#include <gtest/gtest.h>

namespace {

GpsData sample(float lat, float lon, float speed, double alt, float dir)
{
    GpsData s(lat, lon, speed, dir);
    s.setDAltitude(alt);
    return s;
}

} // namespace

TEST(PrintPageText, ShowsTheSampleAndMarksWhatIsMissing)
{
    const GpsData fix = sample(37.56651f, 126.97801f, 100, 35.25, 90);
    PrintRowValues rows = pmPrintRowValues(&fix, 0, "°");
    EXPECT_EQ(rows.longitude, "126.97801°");
    EXPECT_EQ(rows.latitude, "37.56651°");
    EXPECT_EQ(rows.altitude, "35.2 m");
    EXPECT_EQ(rows.speed, "100 km/h");
    EXPECT_EQ(rows.direction, GetDirectionString(90, "°"));
    EXPECT_EQ(pmPrintRowValues(&fix, 1, "°").speed, "62 mph");

    const GpsData high = sample(37.5f, 127.0f, 10, 70000, 0);
    rows = pmPrintRowValues(&high, 0, "°");
    EXPECT_EQ(rows.altitude, "-");
    EXPECT_EQ(rows.latitude, "37.50000°");

    // Speed -1: the position is the last valid one, not this second's.
    const GpsData stale = sample(37.5f, 127.0f, -1, 20, 180);
    rows = pmPrintRowValues(&stale, 0, "°");
    EXPECT_EQ(rows.longitude, "-");
    EXPECT_EQ(rows.latitude, "-");
    EXPECT_EQ(rows.speed, "-");
    EXPECT_EQ(rows.altitude, "20.0 m");
    EXPECT_NE(rows.direction, "-");

    const GpsData equator = sample(0, 127.0f, 50, 20, 180);
    for (const PrintRowValues& none : {pmPrintRowValues(&equator, 0, "°"), pmPrintRowValues(nullptr, 0, "°")}) {
        EXPECT_EQ(none.direction, "-");
        EXPECT_EQ(none.longitude, "-");
        EXPECT_EQ(none.latitude, "-");
        EXPECT_EQ(none.altitude, "-");
        EXPECT_EQ(none.speed, "-");
    }
}
