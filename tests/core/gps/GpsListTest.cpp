#include "gps/GpsList.h"

#include <gtest/gtest.h>

namespace {

GpsData withG(float x, float y, float z)
{
    GpsData sample;
    sample.setSensorValueGSensor(x, y, z);
    return sample;
}

} // namespace

TEST(GpsDataTest, FitsTheMemoryBudget)
{
    // A one-hour 10 Hz track (36,000 samples) must stay within 2 MiB.
    EXPECT_LE(sizeof(GpsData), 48u);
    EXPECT_LE(36000 * sizeof(GpsData), 2u * 1024 * 1024);
}

TEST(GpsDataTest, NewResetAndCountsToG)
{
    GpsData sample;
    EXPECT_EQ(sample.fDirection(), -1);
    sample.setSensorValue(125, -63, 0);
    EXPECT_FLOAT_EQ(sample.GetGValueX(), 2.0f);
    EXPECT_FLOAT_EQ(sample.GetGValueY(), -1.008f);
    EXPECT_EQ(sample.GetSensorY(), -63);
    sample.setSensorValueGSensor(0.5f, 0.25f, 1);
    EXPECT_EQ(sample.GetSensorX(), 125) << "G values alone leave the counts";
    sample.setDAltitude(12);
    GpsData copy;
    EXPECT_FALSE(copy.Copy(nullptr));
    EXPECT_TRUE(copy.Copy(&sample));
    EXPECT_EQ(copy.dAltitude(), 12);
    sample.ResetData();
    EXPECT_EQ(sample.GetGValueX(), 0);
    EXPECT_EQ(sample.fDirection(), -1);
}

TEST(GpsListTest, InsertGetAndDelete)
{
    GpsList list;
    EXPECT_EQ(list.GetGpsData(-1), nullptr);
    EXPECT_EQ(list.InsertData(nullptr, -1), -1);
    list.InsertData(1, 1, 0, 0, -1);
    list.InsertData(2, 2, 0, 0, -1);
    EXPECT_EQ(list.InsertData(3, 3, 0, 0, 5), 3) << "an index past the end appends";
    EXPECT_EQ(list.InsertData(0.5f, 0.5f, 0, 0, 0), 4);
    EXPECT_EQ(list.GetGpsData(0)->fLatitude(), 0.5f);
    EXPECT_EQ(list.GetGpsData(-1)->fLatitude(), 3);
    EXPECT_EQ(list.GetGpsData(4), nullptr);

    GpsData outside(2, 2, 0, 0);
    EXPECT_FALSE(list.DeleteData(&outside, true)) << "an equal sample that is not in the track";
    EXPECT_TRUE(list.DeleteData(list.GetGpsData(1), false));
    EXPECT_EQ(list.GetDataCount(), 3);
    EXPECT_EQ(list.GetGpsData(1)->fLatitude(), 2);
}

TEST(GpsListTest, SampleOfASecondIsTheStrongest)
{
    GpsList list;
    for (int i = 0; i < 10; ++i)
        list.InsertData(i, i, 0, 0, -1);
    EXPECT_EQ(list.GetGpsDataBySecond(3)->fLatitude(), 3);
    EXPECT_EQ(list.GetGpsDataBySecond(10), nullptr);
    EXPECT_EQ(list.GetGpsDataBySecond(-1)->fLatitude(), 9);

    GpsList g;
    g.SetGpsFrequency(3);
    for (GpsData sample : {withG(0.2f, 0, 0), withG(0, -0.9f, 0), withG(0, 0, 0.9f), withG(0.1f, 0, 0)})
        g.InsertData(&sample, -1);
    EXPECT_EQ(g.GetGpsDataBySecond(0), g.GetGpsData(1)) << "ties keep the first";
    EXPECT_EQ(g.GetGpsDataBySecond(1), g.GetGpsData(3));
    EXPECT_EQ(g.GetGpsDataBySecond(2), nullptr);
    EXPECT_EQ(g.GetGpsDataBySecond(-5), g.GetGpsData(3));
    EXPECT_EQ(g.GetGpsDataBySecond(2000000000), nullptr) << "no overflow far past the end";
}

TEST(GpsListTest, PaddingToTheVideo)
{
    GpsList positions;
    positions.InsertData(1, 1, 0, 0, -1);
    positions.SyncVideoDuration(30);
    EXPECT_EQ(positions.GetDataCount(), 1) << "a track without G values is never padded";

    GpsList empty;
    empty.setBSenser(true);
    empty.SetGpsFrequency(2);
    empty.SyncVideoDuration(3);
    ASSERT_EQ(empty.GetDataCount(), 6);
    EXPECT_EQ(empty.GetGpsData(5)->fSpeed(), 0);
    EXPECT_EQ(empty.GetGpsData(5)->fLatitude(), 0);

    GpsList track;
    track.setBSenser(true);
    GpsData last = withG(1, 1, 1);
    last.setFLatitude(25);
    last.setFLongitude(121);
    last.setDAltitude(40);
    track.InsertData(&last, -1);
    track.SyncVideoDuration(3);
    ASSERT_EQ(track.GetDataCount(), 3);
    const GpsData* pad = track.GetGpsData(2);
    EXPECT_EQ(pad->fLatitude(), 25);
    EXPECT_EQ(pad->fSpeed(), -1);
    EXPECT_EQ(pad->GetGValueX(), 0);
    EXPECT_EQ(pad->dAltitude(), 0);
    EXPECT_EQ(pad->fDirection(), -1);
}

TEST(GpsListTest, PeaksKeepTheEarlierIndexOnTies)
{
    GpsList list;
    GpsData first = withG(0.3f, -0.2f, 0);
    list.InsertData(&first, -1);
    list.UpdatePeaks(0, 0.3f, -0.2f, 0);
    EXPECT_EQ(list.GetMaxGIndex(), 0);
    EXPECT_EQ(list.GetMinGIndex(), 0);
    for (int i = 1; i < 3; ++i) {
        list.InsertData(&first, -1);
        list.UpdatePeaks(i, 0.3f, -0.5f, 0);
    }
    EXPECT_EQ(list.GetMaxGIndex(), 0);
    EXPECT_EQ(list.GetMinGIndex(), 1);
    EXPECT_FLOAT_EQ(list.GetMinGValue(), -0.5f);

    GpsList positive;
    positive.InsertData(&first, -1);
    positive.UpdatePeaks(0, 0.1f, 0.2f, 0.3f);
    EXPECT_EQ(positive.GetMinGValue(), 0) << "the minimum starts at 0 and never rises";
    positive.ClearAllData();
    EXPECT_EQ(positive.GetMaxGIndex(), -1);
    EXPECT_EQ(positive.GetGpsFrequency(), 1);
}
