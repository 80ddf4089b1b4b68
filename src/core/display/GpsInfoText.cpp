#include "display/GpsInfoText.h"

#include "display/NumberText.h"
#include "gps/GpsData.h"

#include <cmath>

namespace {

constexpr float kKmhToMph = 0.62137f;

bool hasPosition(float latitude, float longitude)
{
    return latitude != 0 && longitude != 0;
}

bool hasAltitude(float altitude)
{
    return altitude < kNoAltitude;
}

// "%.5f°N"
void appendCoordinate(std::string& out, float value, char positive, char negative, std::string_view degreeSign)
{
    pmAppendFixed(out, std::fabs(value), 5);
    out += degreeSign;
    out += value < 0 ? negative : positive;
}

} // namespace

const char* pmCompassPoint(float d)
{
    if (d >= 337.5f || d <= 22.5f)
        return "N";
    if (d <= 67.5f)
        return "NE";
    if (d <= 112.5f)
        return "E";
    if (d <= 157.5f)
        return "SE";
    if (d <= 202.5f)
        return "S";
    if (d <= 247.5f)
        return "SW";
    if (d <= 292.5f)
        return "W";
    return "NW";
}

std::string GetDirectionString(float degrees, std::string_view degreeSign)
{
    if (!(degrees >= 0)) // also NaN
        return "-";
    std::string text = pmCompassPoint(degrees);
    text += ' ';
    pmAppendInt(text, pmTruncToInt(degrees + 0.5));
    text += degreeSign;
    return text;
}

std::string GetLocationString(bool latitude, float value, std::string_view degreeSign)
{
    std::string text = latitude ? (value < 0 ? "S " : "N ") : (value < 0 ? "W " : "E ");
    if (value == 0) {
        text += "0";
        text += degreeSign;
        return text + "00'00\"";
    }
    const double x = std::fabs(static_cast<double>(value));
    const int degrees = pmTruncToInt(x);
    const double minutes = (x - degrees) * 60.0;
    const int wholeMinutes = pmTruncToInt(minutes);
    pmAppendInt(text, degrees);
    text += degreeSign;
    pmAppendInt(text, wholeMinutes, 2);
    text += '\'';
    pmAppendFixed(text, (minutes - wholeMinutes) * 60.0, 1);
    return text + "\"";
}

float pmDisplaySpeed(float kmh, int unit)
{
    return unit == SpeedUnitMph && kmh >= 0 ? kmh * kKmhToMph : kmh;
}

int pmRoundedSpeed(float speed)
{
    return pmTruncToInt(static_cast<double>(speed) + 0.5);
}

std::string pmSpeedText(float kmh, int unit)
{
    if (!(kmh >= 0))
        return "-";
    std::string text;
    pmAppendInt(text, pmRoundedSpeed(pmDisplaySpeed(kmh, unit)));
    return text;
}

std::string pmInfoBarText(float latitude, float longitude, float speed, float altitude, float direction,
                          std::string_view degreeSign)
{
    std::string text = direction < 0 ? std::string(" ") : GetDirectionString(direction, degreeSign);
    if (!hasPosition(latitude, longitude) || !(speed >= 0))
        return text + " [-. -] Alt.-";
    text += " [";
    appendCoordinate(text, latitude, 'N', 'S', degreeSign);
    text += ". ";
    appendCoordinate(text, longitude, 'E', 'W', degreeSign);
    text += "] Alt.";
    if (!hasAltitude(altitude))
        return text + "-";
    pmAppendFixed(text, altitude, 1);
    return text + "m";
}

std::array<int, 3> pmSpeedDigits(int speed)
{
    if (speed < 1)
        return {-1, -1, 0};
    if (speed > 999)
        speed = 999;
    return {speed >= 100 ? speed / 100 : -1, speed >= 10 ? speed / 10 % 10 : -1, speed % 10};
}

DashboardTexts pmDashboardTexts(float latitude, float longitude, float speed, float altitude, float direction,
                                std::string_view degreeSign)
{
    DashboardTexts texts{"-", "-", "-", "-"};
    if (!hasPosition(latitude, longitude))
        return texts;
    texts.direction = GetDirectionString(direction, degreeSign);
    if (hasAltitude(altitude))
        texts.altitude = pmFixedText(altitude, 1) + " m";
    if (speed >= 0) {
        texts.latitude = GetLocationString(true, latitude, degreeSign);
        texts.longitude = GetLocationString(false, longitude, degreeSign);
    }
    return texts;
}
