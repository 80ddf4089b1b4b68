#include "display/ClipOverlayText.h"

#include "display/SensorGraph.h"
#include "gps/CurrentSample.h"

#include <chrono>
#include <cmath>

namespace {

constexpr const char* kDegreeSign = "\xC2\xB0";

void appendValuesLines(std::string& text, const GpsData& sample, int speedUnit)
{
    const MapGoToValues v = pmMapGoToValues(&sample);
    if (!text.empty())
        text += '\n';
    text += pmSpeedText(v.speed, speedUnit);
    text += speedUnit == SpeedUnitMph ? " mph   " : " km/h   ";
    if (sample.hasPosition()) {
        text += GetLocationString(true, v.latitude, kDegreeSign);
        text += "  ";
        text += GetLocationString(false, v.longitude, kDegreeSign);
    } else {
        text += '-';
    }
    text += "\nG";
    for (int value : {v.sensorX, v.sensorY, v.sensorZ}) {
        text += ' ';
        text += pmIndicatorText(value);
    }
}

} // namespace

std::string pmClipOverlayText(const std::optional<FileTime>& moment, const GpsData* sample, ClipOverlay overlay,
                              int speedUnit)
{
    std::string text;
    if (overlay == ClipOverlay::None)
        return text;
    if (moment)
        text = pmDateText(*moment) + ' ' + pmTimeText(*moment);
    if (overlay == ClipOverlay::Full && sample)
        appendValuesLines(text, *sample, speedUnit);
    return text;
}

std::vector<ClipOverlayCue> pmClipOverlayCues(std::span<const ClipTrackSpan> spans, ClipOverlay overlay,
                                              int speedUnit)
{
    std::vector<ClipOverlayCue> cues;
    if (overlay == ClipOverlay::None)
        return cues;
    double clipStart = 0;
    for (const ClipTrackSpan& span : spans) {
        if (!pmIsUsableSpan(span))
            continue;
        for (double second = std::floor(span.in); second < span.out; ++second) {
            std::optional<FileTime> moment;
            if (span.recordingStart)
                moment = *span.recordingStart + std::chrono::seconds(static_cast<long long>(second));
            const GpsData* sample = span.track ? pmGetCurGpsData(*span.track, second) : nullptr;
            cues.push_back({clipStart + std::max(0.0, second - span.in),
                            pmClipOverlayText(moment, sample, overlay, speedUnit)});
        }
        clipStart += span.out - span.in;
    }
    return cues;
}
