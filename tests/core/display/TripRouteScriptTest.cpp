#include "display/TripRouteScript.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(TripRouteScript, OnePointPerSecondNullWithoutAPositionAndNamesKeptAsText)
{
    // Two samples a second: the second's first sample is its point; a sample without a
    // position, or with a value the page cannot read, is null so the others keep their second.
    GpsList first;
    for (float latitude : {25.5f, 99.0f, 0.0f, 99.0f, NAN, 99.0f, 25.25f})
        first.InsertData(latitude, latitude == 0 ? 0.0f : 121.5f, 30, 0, -1);
    first.SetGpsFrequency(2);
    GpsList empty;
    std::vector<TrackSegment> segments{TrackSegment::of(first, "FILE\"0001\"\\F.MP4", std::nullopt),
                                       TrackSegment::of(empty, "EMER\n0002F.MP4", std::nullopt)};
    segments[0].entry = 4;
    segments[1].entry = 6;
    segments[1].event = true;
    const std::string parts = pmTripPartsJson(segments);
    EXPECT_EQ(parts, R"([{"id":4,"name":"FILE\"0001\"\\F.MP4","event":false,"points":[[25.500000,121.500000],null,null,)"
                     R"([25.250000,121.500000]]},{"id":6,"name":"EMER\u000a0002F.MP4","event":true,"points":[]}])");
    EXPECT_EQ(pmDrawTripScript(parts, 6), "drawTrip({\"current\":6,\"parts\":" + parts + "})");
    EXPECT_EQ(pmDrawTripScript(pmTripPartsJson({}), -1), "drawTrip({\"current\":-1,\"parts\":[]})");
    EXPECT_EQ(pmSetTripCurrentScript(12), "setTripCurrent(12)");
}
