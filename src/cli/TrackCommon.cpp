#include "TrackCommon.h"

#include "CliCommand.h"
#include "display/GpsInfoText.h"
#include "display/NumberText.h"
#include "display/SensorGraph.h"
#include "gps/CurrentSample.h"
#include "library/MediaDuration.h"

#include <chrono>
#include <cstdio>
#include <filesystem>

namespace cli {

namespace {

constexpr const char* kDegreeSign = "\xC2\xB0";

void appendColumn(std::string& line, double value)
{
    line += '\t';
    pmAppendFixed(line, value, 6);
}

void appendColumn(std::string& line, long long value)
{
    line += '\t';
    pmAppendInt(line, value);
}

} // namespace

long long nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double elapsedMs(long long startNs)
{
    return static_cast<double>(nowNs() - startNs) / 1e6;
}

int parseTrackArgs(std::string_view command, std::span<const std::string_view> args, bool needsOutput,
                   TrackArgs& parsed, bool folderOptions)
{
    for (size_t i = 0; i < args.size(); ++i) {
        std::string_view value;
        if (folderOptions && args[i] == "--day") {
            CalendarDate day;
            if (!takeValue(args, i, value) || !parseDay(value, day))
                return usageError(command, "--day takes YYYY-MM-DD");
            parsed.day = day;
        } else if (folderOptions && args[i] == "--trip") {
            double number = 0;
            if (!takeValue(args, i, value) || !parseSeconds(value, number) || number < 1 || number != int(number))
                return usageError(command, "--trip takes a trip number, from 1");
            parsed.trip = static_cast<int>(number);
        } else if (args[i] == "--duration") {
            double seconds = 0;
            if (!takeValue(args, i, value) || !parseSeconds(value, seconds))
                return usageError(command, "--duration takes a number of seconds");
            parsed.duration = seconds;
        } else if (args[i] == "--format") {
            if (!takeValue(args, i, value) || (value != "tsv" && value != "text"))
                return usageError(command, "--format takes text or tsv");
            parsed.tsv = value == "tsv";
        } else if (args[i] == "--summary") {
            parsed.summary = parsed.tsv = true;
        } else if (args[i] == "-o") {
            if (!takeValue(args, i, value))
                return usageError(command, "-o takes a file");
            parsed.output = value;
        } else if (parsed.input.empty() && !args[i].starts_with("-")) {
            parsed.input = args[i];
        } else {
            return usageError(command, "unexpected argument '" + std::string(args[i]) + "'");
        }
    }
    if (parsed.input.empty())
        return usageError(command, "a file is needed");
    if (needsOutput && parsed.output.empty())
        return usageError(command, "-o OUT is needed");
    if (parsed.trip > 0 && !parsed.day)
        return usageError(command, "--trip needs --day");
    return 0;
}

bool loadRecordingTrack(std::string_view command, const TrackArgs& args, GpsList& list, LoadedTrack& track)
{
    std::error_code ec;
    // The log lookup looks beside and above the recording's folder: give it a full path.
    const std::string path = std::filesystem::absolute(args.input, ec).lexically_normal().string();
    const std::optional<double> duration = args.duration ? args.duration : pmGetMediaDuration(path);
    if (!duration) {
        std::fprintf(stderr, "korivmanager-cli %.*s: cannot read the length of %s; give --duration SECONDS\n",
                     static_cast<int>(command.size()), command.data(), path.c_str());
        return false;
    }
    const long long start = nowNs();
    track = pmLoadTrack(path, *duration, list);
    std::fprintf(stderr, "%.*s: %s, %d s, %d samples (%s) loaded in %.3f ms\n", static_cast<int>(command.size()),
                 command.data(), path.c_str(), track.durationSeconds, list.GetDataCount(),
                 track.logFile ? track.logFile->c_str() : (track.loaded ? "embedded track" : "no track"),
                 elapsedMs(start));
    return true;
}

void printTrackTsv(const GpsList& list, int eventIndex, bool summaryOnly)
{
    std::string out;
    if (!summaryOnly) {
        for (size_t i = 0; i < list.gpslist().size(); ++i) {
            const GpsData& s = list.gpslist()[i];
            pmAppendInt(out, static_cast<long long>(i));
            for (double value : {double(s.fLatitude()), double(s.fLongitude()), double(s.fSpeed()),
                                 double(s.fDirection()), s.dAltitude(), double(s.GetGValueX()),
                                 double(s.GetGValueY()), double(s.GetGValueZ())})
                appendColumn(out, value);
            out += '\n';
        }
    }
    out += "summary";
    appendColumn(out, static_cast<long long>(list.GetDataCount()));
    appendColumn(out, static_cast<long long>(list.GetGpsFrequency()));
    appendColumn(out, static_cast<long long>(list.IsGPSReady()));
    appendColumn(out, static_cast<long long>(list.IsGSensorReady()));
    appendColumn(out, double(list.GetMaxGValue()));
    appendColumn(out, static_cast<long long>(list.GetMaxGIndex()));
    appendColumn(out, double(list.GetMinGValue()));
    appendColumn(out, static_cast<long long>(list.GetMinGIndex()));
    appendColumn(out, static_cast<long long>(eventIndex));
    out += '\n';
    std::fwrite(out.data(), 1, out.size(), stdout);
}

void printShownSample(std::string_view label, const GpsData* sample, bool eventMark)
{
    const MapGoToValues v = pmMapGoToValues(sample);
    std::string line(label);
    line += "  ";
    line += pmInfoBarText(v.latitude, v.longitude, v.speed, v.altitude, v.direction, kDegreeSign);
    line += "  ";
    line += pmSpeedText(v.speed, SpeedUnitKmh);
    line += " km/h  G";
    for (int value : {v.sensorX, v.sensorY, v.sensorZ}) {
        line += ' ';
        line += pmIndicatorText(value);
    }
    if (eventMark)
        line += "  EVENT";
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stdout);
}

} // namespace cli
