#include "display/GpsInfoText.h"

#include <gtest/gtest.h>

#include <array>

namespace {
constexpr const char* kDeg = "\xC2\xB0";
}

TEST(GpsInfoTextTest, DirectionAndLocation)
{
    EXPECT_EQ(GetDirectionString(22.5f, kDeg), std::string("N 23") + kDeg);
    EXPECT_EQ(GetDirectionString(22.6f, kDeg), std::string("NE 23") + kDeg);
    EXPECT_EQ(GetDirectionString(359.6f, kDeg), std::string("N 360") + kDeg);
    EXPECT_EQ(GetDirectionString(202.5f, "d"), "S 203d");
    EXPECT_EQ(GetDirectionString(292.6f, "d"), "NW 293d");
    EXPECT_EQ(GetDirectionString(-1, kDeg), "-");
    EXPECT_EQ(GetDirectionString(1e30f, "d"), "N 2147483647d") << "no overflow on damaged logs";

    EXPECT_EQ(GetLocationString(true, -25.5f, kDeg), std::string("S 25") + kDeg + "30'0.0\"");
    EXPECT_EQ(GetLocationString(true, 25.060532f, "d"), "N 25d03'37.9\"");
    EXPECT_EQ(GetLocationString(false, 121.645623f, "d"), "E 121d38'44.2\"");
    EXPECT_EQ(GetLocationString(false, -0.5f, "d"), "W 0d30'0.0\"");
    EXPECT_EQ(GetLocationString(false, 0, "d"), "E 0d00'00\"");
}

TEST(GpsInfoTextTest, SpeedUnitsAndDigits)
{
    EXPECT_EQ(pmSpeedText(100, SpeedUnitMph), "62");
    EXPECT_EQ(pmSpeedText(99.6f, SpeedUnitKmh), "100");
    EXPECT_EQ(pmSpeedText(-1, SpeedUnitMph), "-");
    EXPECT_EQ(pmDisplaySpeed(-1, SpeedUnitMph), -1);
    EXPECT_EQ(pmSpeedDigits(pmRoundedSpeed(99.6f)), (std::array{1, 0, 0}));
    EXPECT_EQ(pmSpeedDigits(7), (std::array{-1, -1, 7}));
    EXPECT_EQ(pmSpeedDigits(42), (std::array{-1, 4, 2}));
    EXPECT_EQ(pmSpeedDigits(0), (std::array{-1, -1, 0}));
    EXPECT_EQ(pmSpeedDigits(2500), (std::array{9, 9, 9}));
}

TEST(GpsInfoTextTest, InformationBarAndDashboard)
{
    EXPECT_EQ(pmInfoBarText(25.1f, -121.5f, 30, 35.25f, 90, "d"), "E 90d [25.10000dN. 121.50000dW] Alt.35.2m");
    EXPECT_EQ(pmInfoBarText(-25.1f, 121.5f, 30, 65535, -1, "d"), "  [25.10000dS. 121.50000dE] Alt.-");
    EXPECT_EQ(pmInfoBarText(25.1f, 121.5f, -1, 35, 45, "d"), "NE 45d [-. -] Alt.-") << "no own fix";
    EXPECT_EQ(pmInfoBarText(0, 121.5f, 30, 35, -1, "d"), "  [-. -] Alt.-");

    const DashboardTexts lastValid = pmDashboardTexts(25.5f, 121.5f, -1, 65535, 45, "d");
    EXPECT_EQ(lastValid.direction, "NE 45d");
    EXPECT_EQ(lastValid.altitude, "-");
    EXPECT_EQ(lastValid.latitude, "-");
    EXPECT_EQ(lastValid.longitude, "-");
    const DashboardTexts fix = pmDashboardTexts(25.5f, 121.5f, 10, 12.25f, -1, "d");
    EXPECT_EQ(fix.direction, "-");
    EXPECT_EQ(fix.altitude, "12.2 m");
    EXPECT_EQ(fix.latitude, "N 25d30'0.0\"");
    EXPECT_EQ(pmDashboardTexts(0, 0, 10, 12, 10, "d").direction, "-");
}
