// The G-sensor panel and its curve image, compared with the skin images they are made of.
#include "Preferences.h"
#include "SkinImages.h"
#include "display/GSensorView.h"
#include "display/SensorGraphic.h"
#include "gps/GpsList.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

QImage argb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

GpsList sensorTrack(int count, float peak)
{
    GpsList list;
    for (int i = 0; i < count; ++i) {
        GpsData sample;
        const float x = (i % 10 == 0) ? peak : peak / 4;
        sample.setSensorValueGSensor(x, -x / 2, 0.1f);
        list.InsertData(&sample, -1);
        list.UpdatePeaks(i, x, -x / 2, 0.1f);
    }
    list.setBSenser(true);
    return list;
}

class GSensorPanel : public ::testing::Test {
protected:
    void SetUp() override { saveLanguageId(0); }
    void TearDown() override { saveLanguageId(0); }

    QImage curve(const GpsList& list, int event, float* scale = nullptr)
    {
        QImage image;
        const float s = pmBuildSensorGraphic(list, event, view.axisColors(), image);
        if (scale)
            *scale = s;
        return image;
    }

    GSensorView view{QRect(0, 0, 340, 212)};
};

TEST_F(GSensorPanel, CurveImageWithItsEventLine)
{
    float scale = 0;
    // One sample: the backdrop alone and the default scale.
    const QImage single = curve(sensorTrack(1, 1.0f), -1, &scale);
    EXPECT_FLOAT_EQ(scale, 2.0f);
    EXPECT_EQ(argb(single), argb(pmGetSkinImage("GSensorGraphic.png")));

    // 100 samples, event at 50: a red line at x 119 over the whole height.
    const QImage image = curve(sensorTrack(100, 1.5f), 50, &scale);
    EXPECT_FLOAT_EQ(scale, 1.5f);
    for (int y : {0, 20, 62})
        EXPECT_EQ(image.pixelColor(119, y), QColor(Qt::red)) << y;
    EXPECT_NE(image.pixelColor(118, 5), QColor(Qt::red));
    EXPECT_NE(image.pixelColor(120, 5), QColor(Qt::red));
    // The X curve reaches its peak (y 61 up from the bottom: row 2) in the X colour.
    EXPECT_EQ(image.pixelColor(0, 2), view.getXAxisColor());

    // No G-sensor data: no image and no scale.
    GpsList gpsOnly;
    gpsOnly.InsertData(25, 121, 40, 0, -1);
    gpsOnly.setBGps(true);
    EXPECT_TRUE(curve(gpsOnly, -1, &scale).isNull());
    EXPECT_FLOAT_EQ(scale, 0.0f);
}

TEST_F(GSensorPanel, AxisColoursComeFromTheArrowImages)
{
    view.setGensorGraphic(curve(sensorTrack(10, 1.0f), -1), 1, 1.0f);
    for (int axis = 0; axis < 3; ++axis) {
        const QImage arrow = view.arrowImage(axis, 0);
        const QColor centre = arrow.pixelColor(arrow.width() / 2, arrow.height() / 2);
        EXPECT_EQ(view.axisColors()[static_cast<size_t>(axis)], centre);
        // The colour key beside the curve.
        EXPECT_EQ(view.getGensorBitmap().pixelColor(306, 15 + 20 * axis), centre);
    }
}

TEST_F(GSensorPanel, ArrowsValuesAndCursorFollowTheIndicator)
{
    const GpsList track = sensorTrack(100, 1.5f);
    view.setGensorGraphic(curve(track, 50), 1, 1.5f);
    EXPECT_EQ(view.getGensorBitmap().pixelColor(view.graphicRect().left() + 119, 30), QColor(Qt::red));

    view.drawIndicator(20, 0, 0, 0);
    const QImage resting = argb(view.getGensorBitmap());
    EXPECT_EQ(view.indicatorPos(), 71);
    for (int y = view.graphicRect().top() + 1; y <= view.graphicRect().bottom(); ++y)
        EXPECT_EQ(resting.pixelColor(71, y), QColor(Qt::white)) << y;

    view.drawIndicator(20, -120, 0, 0);
    const QImage shown = argb(view.getGensorBitmap());
    const QImage arrow = view.arrowImage(0, 1);
    const QRect arrowArea(view.arrowPoint(0, 1), arrow.size());
    QImage expected = resting.copy(arrowArea);
    QPainter(&expected).drawImage(0, 0, arrow);
    EXPECT_EQ(shown.copy(arrowArea), expected);
    EXPECT_NE(shown.copy(view.valueRect(0, 1)), resting.copy(view.valueRect(0, 1)));
    // Nothing for the positive X arrow nor for the zero Y and Z values.
    EXPECT_EQ(shown.copy(QRect(view.arrowPoint(0, 0), view.arrowImage(0, 0).size())),
              resting.copy(QRect(view.arrowPoint(0, 0), view.arrowImage(0, 0).size())));
    for (int axis : {1, 2}) {
        for (int sign : {0, 1})
            EXPECT_EQ(shown.copy(view.valueRect(axis, sign)), resting.copy(view.valueRect(axis, sign)));
    }

    // Without a curve the cursor only moves.
    view.setGensorGraphic(QImage(), 1, 0);
    const QImage placeholder = view.getGensorBitmap();
    view.drawIndicator(50, 500, 500, 500);
    EXPECT_EQ(view.indicatorPos(), 101);
    EXPECT_EQ(view.getGensorBitmap(), placeholder);
}

TEST_F(GSensorPanel, ScaleLabelsFollowTheCurve)
{
    const QRect labels(0, 5, 46, 66);
    view.setGensorGraphic(curve(sensorTrack(100, 1.5f), -1), 1, 1.5f);
    const QImage scaled = argb(view.getGensorBitmap().copy(labels));
    view.setGensorGraphic(curve(sensorTrack(100, 2.0f), -1), 1, 2.0f);
    const QImage doubled = argb(view.getGensorBitmap().copy(labels));
    EXPECT_NE(scaled, doubled);
    view.setGensorGraphic(curve(sensorTrack(100, 1.5f), -1), 1, 1.5f);
    EXPECT_EQ(argb(view.getGensorBitmap().copy(labels)), scaled);
}

TEST_F(GSensorPanel, PlaceholdersCarryTheMessageExceptInKoreanAndArabic)
{
    const QRect message(60, 20, 220, 40);
    const auto placeholder = [&](int motorType) {
        view.setGensorGraphic(QImage(), motorType, 0);
        return argb(view.getGensorBitmap().copy(message));
    };
    const QImage plainDefault = argb(pmGetSkinImage("G-Sensor Screen_default.png").copy(message));
    EXPECT_EQ(placeholder(0), plainDefault);
    EXPECT_NE(placeholder(2), plainDefault);
    EXPECT_NE(placeholder(1), argb(pmGetSkinImage("G-Sensor Screen_disable.png").copy(message)));
    for (int language : {4, 13}) {
        saveLanguageId(language);
        view.changeLanguage();
        EXPECT_EQ(placeholder(2), plainDefault) << language;
        EXPECT_EQ(placeholder(1), argb(pmGetSkinImage("G-Sensor Screen_disable.png").copy(message))) << language;
    }
}

} // namespace
