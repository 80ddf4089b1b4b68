#include "display/ClipOverlayText.h"

#include "display/SensorGraph.h"
#include "gps/CurrentSample.h"

#include <chrono>
#include <cmath>

namespace {

constexpr const char* kDegreeSign = "\xC2\xB0";

// Speed and position when the track has positions, G values when it has a G-sensor.
void appendValuesLines(std::string& text, const GpsList& track, const GpsData& sample, int speedUnit)
{
    const MapGoToValues v = pmMapGoToValues(&sample);
    const auto newLine = [&text] {
        if (!text.empty())
            text += '\n';
    };
    if (track.IsGPSReady()) {
        newLine();
        text += pmSpeedText(v.speed, speedUnit);
        text += speedUnit == SpeedUnitMph ? " mph   " : " km/h   ";
        if (sample.hasPosition()) {
            text += GetLocationString(true, v.latitude, kDegreeSign);
            text += "  ";
            text += GetLocationString(false, v.longitude, kDegreeSign);
        } else {
            text += '-';
        }
    }
    if (track.IsGSensorReady()) {
        newLine();
        text += 'G';
        for (int value : {v.sensorX, v.sensorY, v.sensorZ}) {
            text += ' ';
            text += pmIndicatorText(value);
        }
    }
}

} // namespace

std::string pmClipOverlayText(const std::optional<FileTime>& moment, const GpsList* track, int second,
                              ClipOverlay overlay, int speedUnit)
{
    std::string text;
    if (overlay == ClipOverlay::None)
        return text;
    if (moment)
        text = pmDateText(*moment) + ' ' + pmTimeText(*moment);
    const GpsData* sample = track ? pmGetCurGpsData(*track, second) : nullptr;
    if (overlay == ClipOverlay::Full && sample)
        appendValuesLines(text, *track, *sample, speedUnit);
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
            cues.push_back({clipStart + std::max(0.0, second - span.in),
                            pmClipOverlayText(moment, span.track, static_cast<int>(second), overlay, speedUnit)});
        }
        clipStart += span.out - span.in;
    }
    return cues;
}
