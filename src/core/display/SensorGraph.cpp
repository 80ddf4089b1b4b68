#include "display/SensorGraph.h"

#include "display/NumberText.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kDefaultScale = 2.0f;

float axisValue(const GpsData& sample, size_t axis)
{
    return axis == 0 ? sample.GetGValueX() : axis == 1 ? sample.GetGValueY() : sample.GetGValueZ();
}

} // namespace

SensorCurve pmSensorCurve(const GpsList& list, int eventIndex, int width, int height)
{
    SensorCurve curve;
    const int count = list.GetDataCount();
    if (count == 0 || !list.IsGSensorReady())
        return curve;
    curve.hasImage = true;
    curve.scale = kDefaultScale;
    if (count < 2)
        return curve;

    curve.scale = std::max(std::fabs(list.GetMaxGValue()), std::fabs(list.GetMinGValue()));
    curve.factor = curve.scale > 0 ? 2.0 / curve.scale : 1.0;
    curve.mid = static_cast<int>(height * 0.5);
    curve.half = curve.mid / 2;
    curve.step = static_cast<double>(width) / count;
    for (size_t axis = 0; axis < 3; ++axis) {
        std::vector<CurvePoint>& points = curve.axes[axis];
        points.reserve(static_cast<size_t>(count) + 1);
        for (int i = 0; i < count; ++i) {
            const double g = axisValue(list.gpslist()[static_cast<size_t>(i)], axis);
            points.push_back({curve.step * i, g * curve.half * curve.factor + curve.mid});
        }
        points.push_back({static_cast<double>(width), static_cast<double>(curve.mid)});
    }
    if (eventIndex != -1)
        curve.eventX = pmTruncToInt(curve.step * eventIndex);
    return curve;
}

ScaleLabels pmScaleLabels(float scale)
{
    const std::string value = pmFixedText(scale, 1);
    return {value + "G", "0.0", "-" + value + "G"};
}

std::string pmIndicatorText(int thousandths)
{
    return pmFixedText(thousandths / 1000.0, 3);
}

int pmArrowIndex(int thousandths)
{
    return thousandths / 1000.0 > 0 ? 0 : 1;
}
