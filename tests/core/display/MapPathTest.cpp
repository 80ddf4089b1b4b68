#include "display/MapPath.h"

#include <gtest/gtest.h>

namespace {

GpsList track(std::initializer_list<MapPoint> points, int frequency = 1)
{
    GpsList list;
    for (const MapPoint& p : points)
        list.InsertData(p.latitude, p.longitude, 10, 0, -1);
    list.setBGps(true);
    list.SetGpsFrequency(frequency);
    return list;
}

} // namespace

TEST(MapPathTest, PointsPerSecondAndFixes)
{
    EXPECT_TRUE(pmMapPath(nullptr).points.empty());
    GpsList noGps;
    noGps.InsertData(25, 121, 0, 0, -1);
    EXPECT_TRUE(pmMapPath(&noGps).points.empty());

    const GpsList one = track({{25, 121}});
    const MapPathPlan single = pmMapPath(&one);
    EXPECT_EQ(single.points.size(), 1u);
    EXPECT_FALSE(single.zoom);

    GpsList tenHertz;
    for (int i = 0; i < 600; ++i)
        tenHertz.InsertData(i < 15 ? 0.0f : 25.0f + i * 1e-6f, 121.5f, 10, 0, -1);
    tenHertz.setBGps(true);
    tenHertz.SetGpsFrequency(10);
    const MapPathPlan path = pmMapPath(&tenHertz);
    ASSERT_EQ(path.points.size(), 60u);
    EXPECT_EQ(path.points[0].latitude, 0) << "samples without a fix are sent too";
    EXPECT_FLOAT_EQ(path.start.latitude, 25.0f + 20 * 1e-6f) << "the first stepped sample with a fix";
    EXPECT_FLOAT_EQ(path.end.latitude, 25.0f + 590 * 1e-6f);
    EXPECT_EQ(path.zoom, 18);
}

TEST(MapPathTest, ZoomFromDistance)
{
    // 0.001 degree of latitude is about 111 m on this sphere.
    EXPECT_NEAR(pmHaversineKm(25, 121, 25.001, 121), 0.1113, 1e-4);
    EXPECT_EQ(pmHaversineKm(25, 121, 25, 121), 0);
    for (auto [metres, zoom] : {std::pair{80.0, 18}, {300.0, 15}, {800.0, 14}, {5000.0, 13}}) {
        const float north = static_cast<float>(25.0 + metres / 1000.0 / 111.3);
        const GpsList list = track({{25, 121.5}, {0, 0}, {north, 121.5}});
        EXPECT_EQ(pmMapPath(&list).zoom, zoom) << metres;
    }
    EXPECT_EQ(pmZoomForDistance(0.0999), 18);
    EXPECT_EQ(pmZoomForDistance(0.1), 15);
    EXPECT_EQ(pmZoomForDistance(1.0), 13);
}
