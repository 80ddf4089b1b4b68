// The three AVI track readers on any bytes (the first byte is the recording's length in
// seconds), then what the loader and the graph derive from the track.

#include "display/MapPath.h"
#include "display/SensorGraph.h"
#include "gps/AviTrackReader.h"
#include "gps/TrackLoader.h"
#include "io/ByteSource.h"

#include <cstddef>
#include <cstdint>

namespace {

void derive(GpsList& list, int seconds)
{
    list.SetGpsFrequency(pmGpsFrequency(list.GetDataCount(), seconds));
    if (list.IsGSensorReady())
        list.SyncVideoDuration(seconds);
    pmSensorCurve(list, pmEventIndex(list, 1));
    pmMapPath(&list);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const int seconds = data[0];
    MemoryByteSource source(data + 1, size - 1);
    GpsList track;
    if (!readAviGpsTrack(source, track, seconds))
        readAviSensorOnly(source, track);
    derive(track, seconds);
    GpsList aligned;
    readAviSensorTrack(source, aligned, seconds);
    return 0;
}
