#include "display/SensorGraph.h"

#include <gtest/gtest.h>

namespace {

GpsList sensorTrack(std::initializer_list<float> xs)
{
    GpsList list;
    list.setBSenser(true);
    for (float x : xs) {
        GpsData sample;
        sample.setSensorValueGSensor(x, 0, 0);
        list.InsertData(&sample, -1);
        list.UpdatePeaks(list.GetDataCount() - 1, x, 0, 0);
    }
    return list;
}

} // namespace

TEST(SensorGraphTest, NoImageAndBlankImage)
{
    GpsList positions;
    positions.InsertData(25, 121, 0, 0, -1);
    const SensorCurve none = pmSensorCurve(positions, -1);
    EXPECT_FALSE(none.hasImage);
    EXPECT_EQ(none.scale, 0);

    const SensorCurve blank = pmSensorCurve(sensorTrack({1.0f}), -1);
    EXPECT_TRUE(blank.hasImage);
    EXPECT_EQ(blank.scale, 2.0f);
    EXPECT_TRUE(blank.axes[0].empty());
    const ScaleLabels labels = pmScaleLabels(blank.scale);
    EXPECT_EQ(labels.max, "2.0G");
    EXPECT_EQ(labels.mean, "0.0");
    EXPECT_EQ(labels.min, "-2.0G");
}

TEST(SensorGraphTest, CurvesScaledToThePeak)
{
    const SensorCurve curve = pmSensorCurve(sensorTrack({1.5f, -0.75f, -0.5f, 0}), 2);
    EXPECT_FLOAT_EQ(curve.scale, 1.5f);
    EXPECT_EQ(curve.mid, 31);
    EXPECT_EQ(curve.half, 15);
    ASSERT_EQ(curve.axes[0].size(), 5u);
    EXPECT_DOUBLE_EQ(curve.axes[0][0].y, 61);
    EXPECT_DOUBLE_EQ(curve.axes[0][1].y, 16);
    EXPECT_DOUBLE_EQ(curve.axes[0][1].x, 59.5);
    EXPECT_DOUBLE_EQ(curve.axes[0][4].x, 238) << "each axis ends on the mid-line at the right edge";
    EXPECT_DOUBLE_EQ(curve.axes[1][0].y, 31);
    EXPECT_EQ(curve.eventX, 119);

    GpsList hundred;
    hundred.setBSenser(true);
    for (int i = 0; i < 100; ++i)
        hundred.InsertData(0, 0, 0, 0, -1);
    const SensorCurve flat = pmSensorCurve(hundred, 50);
    EXPECT_DOUBLE_EQ(flat.step, 2.38);
    EXPECT_EQ(flat.eventX, 119);
    EXPECT_EQ(flat.scale, 0);
    EXPECT_EQ(flat.factor, 1);
    EXPECT_EQ(pmScaleLabels(flat.scale).min, "-0.0G");
    EXPECT_EQ(pmSensorCurve(hundred, -1).eventX, -1);
}

TEST(SensorGraphTest, IndicatorTexts)
{
    EXPECT_EQ(pmIndicatorText(-120), "-0.120");
    EXPECT_EQ(pmArrowIndex(-120), 1);
    EXPECT_EQ(pmIndicatorText(1008), "1.008");
    EXPECT_EQ(pmArrowIndex(1008), 0);
}
