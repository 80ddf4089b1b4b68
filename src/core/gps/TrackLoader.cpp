#include "gps/TrackLoader.h"

#include "gps/AviTrackReader.h"
#include "gps/GpsLogFile.h"
#include "gps/GpsParser.h"
#include "library/RecordingName.h"
#include "util/Log.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr float kEventThresholdG = 0.5f;

bool readEmbeddedTrack(const std::string& videoPath, GpsList& list, int duration)
{
    if (pmGetFileType(videoPath) != FileTypeAvi)
        return false;
    return pmReadAviGpsTrack(videoPath, list, duration) || pmReadAviSensorOnly(videoPath, list);
}

} // namespace

int pmWholeSeconds(double seconds)
{
    if (!(seconds >= 1)) // also NaN
        return 0;
    return seconds >= kMaxTrackSeconds ? kMaxTrackSeconds : static_cast<int>(seconds);
}

int pmGpsFrequency(int sampleCount, int seconds)
{
    // A sparse track (fewer samples than half the seconds) would give 0, and stepping by 0
    // never ends; a length under one second leaves the division undefined.
    if (seconds <= 0)
        return 1;
    const int frequency = static_cast<int>(static_cast<double>(sampleCount) / seconds + 0.5);
    return frequency < 1 ? 1 : frequency;
}

int pmEventIndex(const GpsList& list, int videoType)
{
    if (videoType != VideoEvent || !list.IsGSensorReady())
        return -1;
    const bool maxWins = std::fabs(list.GetMaxGValue()) >= std::fabs(list.GetMinGValue());
    const float peak = std::fabs(maxWins ? list.GetMaxGValue() : list.GetMinGValue());
    return peak > kEventThresholdG ? (maxWins ? list.GetMaxGIndex() : list.GetMinGIndex()) : -1;
}

namespace {

// announce: the controller's lines in the log and on the console, for the opened recording.
LoadedTrack readTrack(const std::string& videoPath, double durationSeconds, GpsList& list, bool announce)
{
    LoadedTrack track;
    track.durationSeconds = pmWholeSeconds(durationSeconds);
    list.ClearAllData();
    if (videoPath.empty())
        return track;
    track.videoType = pmGetVideoType(videoPath);
    track.motorType = pmGetMotorType(videoPath);

    track.logFile = pmGetGpsLogFile(videoPath);
    if (track.logFile) {
        if (announce)
            pmWriteLog("OnOpenGpsFile() - Found GPS file - " + *track.logFile);
        track.loaded = GpsParser().ParseFile(*track.logFile, list);
    } else {
        if (announce)
            pmWriteLog("OnOpenGpsFile() - No GPS file !");
        list.ClearAllData();
        track.loaded = readEmbeddedTrack(videoPath, list, track.durationSeconds);
    }

    if (track.loaded) {
        const int frequency = pmGpsFrequency(list.GetDataCount(), track.durationSeconds);
        list.SetGpsFrequency(frequency);
        if (announce) {
            char line[96];
            std::snprintf(line, sizeof line, "OnOpenGpsFile() - GPS data count = %d, GPS frequency = %d",
                          list.GetDataCount(), frequency);
            pmWriteConsole(line);
        }
        if (list.IsGSensorReady())
            list.SyncVideoDuration(track.durationSeconds);
        list.shrinkToFit();
        track.eventIndex = pmEventIndex(list, track.videoType);
        if (track.eventIndex >= 0)
            track.eventSecond = track.eventIndex / frequency;
    }
    return track;
}

} // namespace

// The application writes the operation's first and last log lines around this.
LoadedTrack pmLoadTrack(const std::string& videoPath, double durationSeconds, GpsList& list)
{
    return readTrack(videoPath, durationSeconds, list, true);
}

LoadedTrack pmReadTrack(const std::string& videoPath, double durationSeconds, GpsList& list)
{
    return readTrack(videoPath, durationSeconds, list, false);
}
