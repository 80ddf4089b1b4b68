#include "gps/AviTrackReader.h"
#include "gps/AviTrackRecord.h"
#include "gps/GpsList.h"
#include "io/ByteSource.h"
#include "RiffWriter.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

// A file laid out as cameras write it: header list, movie list, index, then the track.
RiffWriter recording()
{
    RiffWriter riff;
    riff.chunk("LIST", "hdrl" + std::string(60, 'h')).chunk("JUNK", "j").chunk("LIST", "movi" + std::string(99, 'm'));
    riff.chunk("idx1", std::string(32, 'i'));
    return riff;
}

std::vector<TrackPosition> route(int count, int firstValid = 0)
{
    std::vector<TrackPosition> positions;
    for (int i = 0; i < count; ++i)
        positions.push_back(i < firstValid ? TrackPosition{} : TrackPosition{25.0 + i * 0.001, 121.5, 40 + i});
    return positions;
}

std::vector<TrackGValue> gValues(int count, double peakAt = -1)
{
    std::vector<TrackGValue> values;
    for (int i = 0; i < count; ++i)
        values.push_back({0.01 * i, -0.02, i == peakAt ? 0.75 : 1.0 / (i + 2)});
    return values;
}

struct Read {
    GpsList list;
    bool gps = false;
    bool only = false;
};

Read readAll(const std::string& bytes, int duration)
{
    Read r;
    MemoryByteSource source(bytes.data(), bytes.size());
    r.gps = readAviGpsTrack(source, r.list, duration);
    GpsList onlyList;
    r.only = readAviSensorOnly(source, onlyList);
    return r;
}

} // namespace

TEST(AviTrackRecordTest, DecodesCoordinatesAndGValues)
{
    const std::string record = RiffWriter::positionRecord({25.1, 121.5, 300});
    const AviPositionRecord p = pmDecodeAviPositionRecord(reinterpret_cast<const unsigned char*>(record.data()));
    EXPECT_FLOAT_EQ(p.longitude, 121.5f);
    EXPECT_FLOAT_EQ(p.latitude, 25.1f);
    EXPECT_EQ(p.speed, 300);

    const unsigned char west[] = {255, 135, 0x02, 0xfa, 0xf0, 0x80}; // -121, 50000000
    EXPECT_FLOAT_EQ(pmDecodeAviCoordinate(west), -121.5f);

    const unsigned char half[] = {0, 0, 0, 0xc3, 0x50}; // fraction 50000
    for (auto [head, expected] : {std::pair{129, -1.5f}, {1, 1.5f}, {63, -0.5f}, {0x40 | 1, 1.5f}}) {
        unsigned char value[5] = {static_cast<unsigned char>(head), half[1], half[2], half[3], half[4]};
        EXPECT_FLOAT_EQ(pmDecodeAviGValue(value), expected) << head;
    }
}

TEST(AviTrackReaderTest, PositionsLineUpWithTheEndOfTheRecording)
{
    const std::string file = recording().positions(route(20, 5)).gValues(gValues(25)).bytes();
    Read r = readAll(file, 30);
    ASSERT_TRUE(r.gps);
    ASSERT_EQ(r.list.GetDataCount(), 30);
    EXPECT_TRUE(r.list.IsGPSReady());
    EXPECT_TRUE(r.list.IsGSensorReady());
    const GpsData* firstFix = r.list.GetGpsData(15);
    EXPECT_FLOAT_EQ(firstFix->fLatitude(), 25.005f);
    EXPECT_EQ(firstFix->fSpeed(), 45);
    for (int i = 0; i < 15; ++i) {
        const GpsData* pad = r.list.GetGpsData(i);
        EXPECT_EQ(pad->fLatitude(), firstFix->fLatitude()) << "padding and blank records move to the first fix";
        EXPECT_EQ(pad->dAltitude(), 65535);
    }
    EXPECT_EQ(r.list.GetGpsData(0)->fSpeed(), -1);
    EXPECT_EQ(r.list.GetGpsData(12)->fSpeed(), -1) << "a blank record moved to the first fix";
    EXPECT_EQ(r.list.GetGpsData(4)->GetGValueX(), 0) << "25 G records go to samples 5 to 29";
    EXPECT_FLOAT_EQ(r.list.GetGpsData(5)->GetGValueZ(), 0.5f);
    EXPECT_NEAR(r.list.GetGpsData(29)->GetGValueX(), 0.24, 1e-5);
    EXPECT_EQ(r.list.GetMaxGIndex(), 5);
    EXPECT_EQ(r.list.GetMinGIndex(), 5);
    EXPECT_TRUE(r.only) << "the plain reader passes over the position chunk";
}

TEST(AviTrackReaderTest, MoreRecordsThanSecondsAndLaterBlanks)
{
    std::vector<TrackPosition> positions = route(40);
    positions[30] = {};
    const std::string file = recording().positions(positions).gValues(gValues(50, 45)).bytes();
    Read r = readAll(file, 30);
    ASSERT_TRUE(r.gps);
    ASSERT_EQ(r.list.GetDataCount(), 50) << "extra G records append";
    EXPECT_EQ(r.list.GetGpsData(30)->fLatitude(), r.list.GetGpsData(29)->fLatitude()) << "a blank keeps the last fix";
    EXPECT_EQ(r.list.GetGpsData(30)->fSpeed(), 0) << "with the record's own speed";
    EXPECT_EQ(r.list.GetMaxGIndex(), 45);
}

TEST(AviTrackReaderTest, SensorOnlyAndMissingChunks)
{
    const std::string sensorOnly = recording().gValues(gValues(10)).bytes();
    Read r = readAll(sensorOnly, 30);
    EXPECT_FALSE(r.gps);
    EXPECT_TRUE(r.only);

    GpsList list;
    MemoryByteSource source(sensorOnly.data(), sensorOnly.size());
    ASSERT_TRUE(readAviSensorOnly(source, list));
    EXPECT_EQ(list.GetDataCount(), 10);
    EXPECT_FALSE(list.IsGPSReady());
    EXPECT_TRUE(list.IsGSensorReady());

    Read positionsOnly = readAll(recording().positions(route(5)).bytes(), 5);
    EXPECT_FALSE(positionsOnly.gps) << "no G-sensor chunk behind the positions";
    EXPECT_EQ(positionsOnly.list.GetDataCount(), 5);
    EXPECT_TRUE(positionsOnly.list.IsGSensorReady());

    Read plain = readAll(recording().bytes(), 5);
    EXPECT_FALSE(plain.gps);
    EXPECT_FALSE(plain.only);
}

TEST(AviTrackReaderTest, UnexpectedStructures)
{
    Read gsea = readAll(recording().chunk("GSEA", "x").positions(route(3)).gValues(gValues(3)).bytes(), 3);
    EXPECT_FALSE(gsea.gps);
    EXPECT_FALSE(gsea.only);
    EXPECT_EQ(gsea.list.GetDataCount(), 0);

    // An unknown chunk before the index, or a file that is not AVI: "read", with nothing.
    RiffWriter unknown;
    unknown.chunk("LIST", "hdrl").chunk("ABCD", "").gValues(gValues(3));
    Read stopped = readAll(unknown.bytes(), 3);
    EXPECT_TRUE(stopped.gps);
    EXPECT_TRUE(stopped.only);
    EXPECT_EQ(stopped.list.GetDataCount(), 0);
    EXPECT_TRUE(stopped.list.IsGSensorReady());
    EXPECT_TRUE(readAll(RiffWriter("WAVE").gValues(gValues(3)).bytes(), 3).only);

    Read empty = readAll("", 3);
    EXPECT_FALSE(empty.gps);
    EXPECT_FALSE(empty.only);
}

TEST(AviTrackReaderTest, HostileSizes)
{
    // A negative size to skip would walk backwards forever.
    Read backwards = readAll(RiffWriter().chunkWithSize("LIST", -12, "").gValues(gValues(2)).bytes(), 2);
    EXPECT_FALSE(backwards.gps);
    EXPECT_FALSE(backwards.only);

    Read huge = readAll(RiffWriter().chunkWithSize("JUNK", 0x7fffffff, "").gValues(gValues(2)).bytes(), 2);
    EXPECT_FALSE(huge.only);

    // A record chunk that claims more than the file holds: the whole records that exist.
    std::string records;
    for (const TrackGValue& g : gValues(3))
        records += RiffWriter::gValueRecord(g);
    records += "tail";
    Read truncated = readAll(recording().chunkWithSize("SGLT", 100000, records).bytes(), 0);
    EXPECT_TRUE(truncated.only);
    GpsList list;
    const std::string bytes = recording().chunkWithSize("SGLT", 100000, records).bytes();
    MemoryByteSource source(bytes.data(), bytes.size());
    readAviSensorOnly(source, list);
    EXPECT_EQ(list.GetDataCount(), 3);

    GpsList negative;
    const std::string negativeChunk = recording().chunkWithSize("sglt", -40, records).bytes();
    MemoryByteSource negativeSource(negativeChunk.data(), negativeChunk.size());
    EXPECT_TRUE(readAviSensorOnly(negativeSource, negative)) << "ids are compared upper-cased";
    EXPECT_EQ(negative.GetDataCount(), 0);
}

TEST(AviTrackReaderTest, ReadsFiles)
{
    TempDir dir;
    const std::string path = dir.write("FILE0001.AVI", recording().positions(route(4)).gValues(gValues(4)).bytes());
    GpsList list;
    EXPECT_TRUE(pmReadAviGpsTrack(path, list, 4));
    EXPECT_EQ(list.GetDataCount(), 4);
    EXPECT_FALSE(pmReadAviSensorOnly(dir.file("missing.avi"), list));
    EXPECT_FALSE(pmReadAviGpsTrack(dir.path(), list, 4));
}
