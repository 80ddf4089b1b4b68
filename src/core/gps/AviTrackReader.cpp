#include "gps/AviTrackReader.h"

#include "gps/AviChunkWalk.h"
#include "gps/AviTrackRecord.h"
#include "gps/GpsList.h"

namespace {

constexpr std::uint32_t kPositionChunk = fourCC("SLLT");
constexpr std::uint32_t kSensorChunk = fourCC("SGLT");

// Calls visit(record bytes) for each whole record of the chunk.
template <typename Visit>
void forEachRecord(ByteWindow& window, const AviChunk& chunk, std::uint32_t recordSize, Visit visit)
{
    const std::uint64_t records = chunk.size / recordSize;
    for (std::uint64_t r = 0; r < records; ++r) {
        const unsigned char* record = window.at(chunk.offset + r * recordSize, recordSize);
        if (!record)
            return;
        visit(record);
    }
}

void moveBlankSamples(GpsList& list, float latitude, float longitude)
{
    for (int i = 0; i < list.GetDataCount(); ++i) {
        GpsData* sample = list.GetGpsData(i);
        if (!sample->hasPosition()) {
            sample->setFLatitude(latitude);
            sample->setFLongitude(longitude);
            sample->setFSpeed(-1);
        }
    }
}

void readPositions(ByteWindow& window, const AviChunk& chunk, GpsList& list, int duration)
{
    const auto records = static_cast<long long>(chunk.size / kAviPositionRecordSize);
    GpsData pad;
    pad.setDAltitude(kNoAltitude);
    for (long long i = records; i < duration; ++i)
        list.InsertData(&pad, -1);
    list.setBGps(true);

    float lastLatitude = 0;
    float lastLongitude = 0;
    forEachRecord(window, chunk, kAviPositionRecordSize, [&](const unsigned char* bytes) {
        const AviPositionRecord record = pmDecodeAviPositionRecord(bytes);
        if (record.latitude != 0 && record.longitude != 0) {
            if (lastLatitude == 0 || lastLongitude == 0)
                moveBlankSamples(list, record.latitude, record.longitude);
            lastLatitude = record.latitude;
            lastLongitude = record.longitude;
        }
        GpsData sample(lastLatitude, lastLongitude, record.speed, -1);
        sample.setDAltitude(kNoAltitude);
        list.InsertData(&sample, -1);
    });
}

// Puts G values into sample `index`, appending a sample when it does not exist yet,
// and keeps the peaks with the index the values really went to.
void storeSensorValues(GpsList& list, int index, const AviSensorRecord& g)
{
    GpsData* sample = index >= 0 && index < list.GetDataCount() ? list.GetGpsData(index) : nullptr;
    if (!sample) {
        GpsData fresh;
        list.InsertData(&fresh, -1);
        index = list.GetDataCount() - 1;
        sample = list.GetGpsData(index);
    }
    sample->setSensorValueGSensor(g.x, g.y, g.z);
    list.UpdatePeaks(index, g.x, g.y, g.z);
}

// Aligned: the records end with the recording's last second. Otherwise they are appended.
bool readSensorValues(ByteSource& source, GpsList& list, bool aligned, int duration)
{
    ByteWindow window(source);
    AviChunk chunk;
    const AviWalkResult walk = pmFindAviChunk(window, kSensorChunk, chunk);
    if (walk != AviWalkResult::Found)
        return walk == AviWalkResult::Stopped;
    const auto records = static_cast<long long>(chunk.size / kAviSensorRecordSize);
    int index = aligned ? (records < duration ? static_cast<int>(duration - records) : 0) : list.GetDataCount();
    forEachRecord(window, chunk, kAviSensorRecordSize,
                  [&](const unsigned char* bytes) { storeSensorValues(list, index++, pmDecodeAviSensorRecord(bytes)); });
    list.setBSenser(true);
    return true;
}

} // namespace

bool readAviGpsTrack(ByteSource& source, GpsList& list, int duration)
{
    ByteWindow window(source);
    AviChunk chunk;
    const AviWalkResult walk = pmFindAviChunk(window, kPositionChunk, chunk);
    if (walk == AviWalkResult::Failed)
        return false;
    if (walk == AviWalkResult::Found)
        readPositions(window, chunk, list, duration);
    const bool sensor = readAviSensorTrack(source, list, duration);
    list.setBSenser(true);
    return sensor;
}

bool readAviSensorTrack(ByteSource& source, GpsList& list, int duration)
{
    return readSensorValues(source, list, true, duration);
}

bool readAviSensorOnly(ByteSource& source, GpsList& list)
{
    return readSensorValues(source, list, false, 0);
}

bool pmReadAviGpsTrack(const std::string& path, GpsList& list, int duration)
{
    FileByteSource source(path);
    return source.isOpen() && readAviGpsTrack(source, list, duration);
}

bool pmReadAviSensorTrack(const std::string& path, GpsList& list, int duration)
{
    FileByteSource source(path);
    return source.isOpen() && readAviSensorTrack(source, list, duration);
}

bool pmReadAviSensorOnly(const std::string& path, GpsList& list)
{
    FileByteSource source(path);
    return source.isOpen() && readAviSensorOnly(source, list);
}
