#pragma once
// The texts of the GPS information panel: heading, position, speed in the display unit, the
// one-line bar under the web map and the dashboard's values. The degree sign is the
// localised text the caller passes.

#include <array>
#include <string>
#include <string_view>

enum SpeedUnit { SpeedUnitKmh = 0, SpeedUnitMph = 1 };

// "N", "NE", ... "NW"; boundaries belong to the point before them, except N (337.5 .. 22.5).
const char* pmCompassPoint(float degrees);
// "NE 45°"; "-" for an unknown (negative) direction.
std::string GetDirectionString(float degrees, std::string_view degreeSign);
// "N 25°03'38.3\"": hemisphere, degrees, minutes, seconds.
std::string GetLocationString(bool latitude, float value, std::string_view degreeSign);

// km/h as stored, or mph; negative speeds (no own fix) are kept.
float pmDisplaySpeed(float kmh, int unit);
// Rounded by adding 0.5 and truncating.
int pmRoundedSpeed(float speed);
// The speed text beside the bar: "%d" or "-" for a negative speed.
std::string pmSpeedText(float kmh, int unit);
// "D [lat°N. lon°E] Alt.35.2m", with "-" for what is unknown.
std::string pmInfoBarText(float latitude, float longitude, float speed, float altitude, float direction,
                          std::string_view degreeSign);

// The digit of each of the three cells (hundreds, tens, units); -1 leaves a cell empty.
// Speeds beyond 999 show 999: there is no fourth cell.
std::array<int, 3> pmSpeedDigits(int speed);

struct DashboardTexts {
    std::string direction;
    std::string altitude;
    std::string latitude;
    std::string longitude;
};
DashboardTexts pmDashboardTexts(float latitude, float longitude, float speed, float altitude, float direction,
                                std::string_view degreeSign);
