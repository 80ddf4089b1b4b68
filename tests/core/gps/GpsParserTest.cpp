#include "gps/GpsList.h"
#include "gps/GpsParser.h"
#include "NmeaWriter.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <future>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

GpsList parse(const std::string& text)
{
    GpsList list;
    GpsParser().ParseBytes(text, list);
    return list;
}

const char* kRmcFix = "$GPRMC,120001,A,2503.6319,N,12138.7374,E,10.0,90.5,010119,,,A\r\n";
const char* kRmcNoFix = "$GPRMC,120000,V,,,,,0.0,,010119,,,N\r\n";

} // namespace

TEST(GpsParserTest, PositionsAndLastValidBackFill)
{
    GpsList list = parse(std::string(kRmcNoFix) + kRmcNoFix + kRmcFix +
                         "$GPRMC,120002,V,,,,,3.0,45.0,010119,,,N\r\n");
    ASSERT_EQ(list.GetDataCount(), 4);
    EXPECT_TRUE(list.IsGPSReady());
    const GpsData* fix = list.GetGpsData(2);
    EXPECT_NEAR(fix->fLatitude(), 25.060532, 1e-5);
    EXPECT_NEAR(fix->fLongitude(), 121.645623, 1e-5);
    EXPECT_NEAR(fix->fSpeed(), 18.412464, 1e-4);
    EXPECT_FLOAT_EQ(fix->fDirection(), 90.5f);
    for (int i : {0, 1, 3}) {
        EXPECT_EQ(list.GetGpsData(i)->fLatitude(), fix->fLatitude()) << i;
        EXPECT_EQ(list.GetGpsData(i)->fSpeed(), -1) << i;
    }
    EXPECT_EQ(list.GetGpsData(3)->fDirection(), 45.0f);

    GpsList first = parse(kRmcNoFix);
    EXPECT_EQ(first.GetGpsData(0)->fSpeed(), 0);
    EXPECT_EQ(first.GetGpsData(0)->fDirection(), 0);

    GpsList south = parse("$GNRMC,1,A,3352.1200,S,15112.6000,W,0,0,1,,,A\n");
    EXPECT_NEAR(south.GetGpsData(0)->fLatitude(), -33.868667, 1e-5);
    EXPECT_NEAR(south.GetGpsData(0)->fLongitude(), -151.21, 1e-5);
}

TEST(GpsParserTest, AltitudeAndGSensorSentences)
{
    GpsList list = parse(std::string("$GPGGA,1,2503.6,N,12138.7,E,1,08,1.0,35.2,M,15.0,M,,\r\n") + kRmcFix +
                         "$GPGGA,120001,2503.6319,N,12138.7374,E,1,08,1.0,35.2,M,15.0,M,,\r\n"
                         "$GSENSOR,7f,80,ff\r\n");
    ASSERT_EQ(list.GetDataCount(), 1) << "a fix sentence adds no sample, even on an empty track";
    const GpsData* sample = list.GetGpsData(0);
    EXPECT_DOUBLE_EQ(sample->dAltitude(), 35.2);
    EXPECT_EQ(sample->GetSensorX(), 127);
    EXPECT_EQ(sample->GetSensorY(), -128);
    EXPECT_EQ(sample->GetSensorZ(), -1);
    EXPECT_FLOAT_EQ(sample->GetGValueZ(), -0.016f);
    EXPECT_NEAR(list.GetMaxGValue(), 2.032, 1e-5);
    EXPECT_NEAR(list.GetMinGValue(), -2.048, 1e-5);
    EXPECT_TRUE(list.IsGSensorReady());

    GpsList sensorOnly = parse("$GSENSOR,0A,01,02\n$GSENSORD,12.5,-0.25,1\n$GSENSOR,zz,,1ff\n");
    ASSERT_EQ(sensorOnly.GetDataCount(), 3) << "without positions every G line makes a sample";
    EXPECT_EQ(sensorOnly.GetGpsData(0)->GetSensorX(), 10) << "fields are lower-cased first";
    EXPECT_FLOAT_EQ(sensorOnly.GetGpsData(1)->GetGValueX(), 10) << "decimal values are clamped";
    EXPECT_FLOAT_EQ(sensorOnly.GetGpsData(1)->GetGValueY(), -0.25f);
    EXPECT_EQ(sensorOnly.GetGpsData(1)->GetSensorX(), 0);
    EXPECT_EQ(sensorOnly.GetGpsData(2)->GetSensorX(), 0) << "invalid hex counts 0";
    EXPECT_EQ(sensorOnly.GetGpsData(2)->GetSensorZ(), -1) << "low 8 bits of 0x1ff";
    EXPECT_EQ(sensorOnly.GetMaxGIndex(), 1);
}

TEST(GpsParserTest, RawGSensorPeaksKeepTheEarlierIndexOnTies)
{
    // Every count, twice: the first line set the peak, the equal second one must not take it.
    for (int count = -128; count < 128; ++count) {
        if (count == 0)
            continue;
        char line[32];
        std::snprintf(line, sizeof line, "$GSENSOR,%02x,0,0\n", count & 0xff);
        GpsList list = parse(std::string(line) + line);
        ASSERT_EQ(list.GetDataCount(), 2);
        const float g = list.GetGpsData(0)->GetGValueX();
        EXPECT_EQ(count > 0 ? list.GetMaxGIndex() : list.GetMinGIndex(), 0) << count;
        EXPECT_EQ(count > 0 ? list.GetMaxGValue() : list.GetMinGValue(), g) << count;
    }
}

TEST(GpsParserTest, SentenceLimits)
{
    const std::string field21(21, '1');
    std::string fields24 = "$GPRMC";
    for (int i = 0; i < 23; ++i)
        fields24 += ",1";
    GpsList rejected = parse("$GPRMC,1,A,2503.6319,N,12138.7374,E,1.0," + field21 + "\n" + fields24 + "\n");
    EXPECT_EQ(rejected.GetDataCount(), 0);
    EXPECT_FALSE(rejected.IsGPSReady());

    std::string fields23 = fields24.substr(0, fields24.size() - 2);
    EXPECT_EQ(parse(fields23 + "\n").GetDataCount(), 1);

    // 300 characters whose last field is far too long: only the first 200 are kept, which
    // leaves that field short enough to split.
    std::string longLine = "$GPRMC,120001,A,2503.6319,N,12138.7374,E,10.0,90.5,010119";
    while (longLine.size() + 21 <= 200)
        longLine += "," + std::string(20, '7');
    longLine += ",";
    longLine += std::string(300 - longLine.size(), '8');
    GpsList cut = parse("junk,before,the first dollar,A,1\n" + longLine + "\n");
    ASSERT_EQ(cut.GetDataCount(), 1);
    EXPECT_NEAR(cut.GetGpsData(0)->fLatitude(), 25.060532, 1e-5);

    GpsParser parser;
    EXPECT_FALSE(parser.ParseSentence("$GPRMC,1")) << "no track set";
    GpsList list;
    parser.ParseBytes("", list);
    EXPECT_FALSE(parser.ParseSentence("$GPXXX,1"));
    EXPECT_TRUE(parser.ParseSentence("$GPGSV,1"));
}

TEST(GpsParserTest, HexadecimalConversions)
{
    long value = 7;
    EXPECT_TRUE(GpsParser::wxtoi("", value));
    EXPECT_EQ(value, 7);
    EXPECT_TRUE(GpsParser::wxtoi("1a2f", value));
    EXPECT_EQ(value, 0x1a2f);
    EXPECT_TRUE(GpsParser::xtoi("1a2f", value));
    EXPECT_EQ(value, 0xf2a1);
    EXPECT_TRUE(GpsParser::wxtoi("ffffffff", value));
    EXPECT_EQ(value, 0xffffffffL);
    for (const char* bad : {"2F", "123456789", "-1", "0x1"})
        EXPECT_FALSE(GpsParser::wxtoi(bad, value)) << bad;
}

TEST(GpsParserTest, HeaderSize)
{
    const std::string body = std::string(kRmcFix) + kRmcFix;
    // Characters 6 to 13 give the size to parse: only the header and the first sentence.
    char size[9];
    std::snprintf(size, sizeof size, "%08x", static_cast<unsigned>(16 + std::strlen(kRmcFix)));
    const std::string withSize = "HEADER" + std::string(size) + "x\n" + body;
    EXPECT_EQ(parse(withSize).GetDataCount(), 1);
    EXPECT_EQ(GpsParser::GetNmeaFileSize(withSize.substr(0, 16), 999), static_cast<long>(16 + std::strlen(kRmcFix)));
    EXPECT_EQ(GpsParser::GetNmeaFileSize("HEADER0000002Fxx", 999), 999) << "upper case is no size";
    EXPECT_EQ(GpsParser::GetNmeaFileSize(std::string("HEADER00000020\0x", 16), 999), 999) << "a zero byte";
    EXPECT_EQ(parse("HEADERffffffffx\n" + body).GetDataCount(), 2) << "a size beyond the file";
    GpsList none;
    EXPECT_FALSE(GpsParser().ParseBytes("HEADER00000000xx", none));
}

TEST(GpsParserTest, Files)
{
    TempDir dir;
    GpsList list;
    EXPECT_FALSE(GpsParser().ParseFile(dir.file("missing.nmea"), list));
    EXPECT_FALSE(GpsParser().ParseFile(dir.write("empty.nmea", ""), list));
    EXPECT_FALSE(GpsParser().ParseFile(dir.path(), list)) << "a folder";

    NmeaWriter nmea;
    for (int i = 0; i < 3000; ++i)
        nmea.rmc({.secondOfDay = i, .latitude = 25 + i * 1e-4, .longitude = 121.5}).gsensor(i % 50, -1, 62);
    ASSERT_TRUE(GpsParser().ParseFile(dir.write("big.nmea", nmea.text()), list));
    ASSERT_EQ(list.GetDataCount(), 3000);
    EXPECT_NEAR(list.GetGpsData(2999)->fLatitude(), 25.2999, 1e-4);
    EXPECT_EQ(list.GetGpsData(2999)->GetSensorX(), 2999 % 50);
    ASSERT_TRUE(GpsParser().ParseFile(dir.write("again.nmea", nmea.text()), list));
    EXPECT_EQ(list.GetDataCount(), 6000) << "parsing appends";
}

TEST(GpsParserTest, AFifoNamedLikeALogDoesNotBlock)
{
    TempDir dir;
    const std::string fifo = dir.file("FILE0001F.nmea");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    auto parsed = std::async(std::launch::async, [&] {
        GpsList list;
        return GpsParser().ParseFile(fifo, list);
    });
    if (parsed.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
        // A writer lets the blocked open return, so the test can end.
        ::close(::open(fifo.c_str(), O_WRONLY | O_NONBLOCK));
        FAIL() << "opening the log waited for a writer";
    }
    EXPECT_FALSE(parsed.get());
}

TEST(GpsParserTest, JunkNeverCrashes)
{
    // Pieces of real sentences in random order: damaged logs look like this.
    const char* pieces[] = {"$GPRMC", "$GNRMC", "$GPGGA", "$GSENSOR", "$GSENSORD", ",", ",", ",", "A", "V", "N",
                            "S", "E", "W", "2503.6319", "12138.7374", "10.5", "-3", "7f", "1e9", "\r", "\n",
                            "\n", "(long field)", "*4A", "$", "(zero)", "\xff"};
    std::vector<std::string> pool(std::begin(pieces), std::end(pieces));
    pool[23] = std::string(25, '9');
    pool[26] = std::string(1, '\0');
    std::string junk;
    unsigned seed = 12345;
    for (int i = 0; i < 100000; ++i) {
        seed = seed * 1103515245 + 12345;
        junk += pool[(seed >> 16) % pool.size()];
    }
    junk += std::string(kRmcFix) + "$GSENSOR,1\r,2,3\n$GPRMC,1,A,2503.6319,N,12138.7374,E,1,2,3\r\r\n";
    GpsList list = parse(junk);
    EXPECT_GT(list.GetDataCount(), 100);
    for (const GpsData& sample : list.gpslist()) {
        EXPECT_TRUE(std::isfinite(sample.fSpeed()));
        EXPECT_TRUE(std::isfinite(sample.fLatitude()));
    }

    // Whole lines are taken at once; byte by byte must give the very same track.
    GpsList byBytes;
    GpsParser parser;
    parser.ParseBytes("", byBytes);
    for (char c : junk)
        parser.ProcessChar(static_cast<unsigned char>(c));
    ASSERT_EQ(byBytes.GetDataCount(), list.GetDataCount());
    for (int i = 0; i < list.GetDataCount(); ++i) {
        const GpsData& a = list.gpslist()[static_cast<size_t>(i)];
        const GpsData& b = byBytes.gpslist()[static_cast<size_t>(i)];
        ASSERT_TRUE(a.fLatitude() == b.fLatitude() && a.fLongitude() == b.fLongitude() && a.fSpeed() == b.fSpeed() &&
                    a.fDirection() == b.fDirection() && a.dAltitude() == b.dAltitude() &&
                    a.GetSensorX() == b.GetSensorX() && a.GetGValueZ() == b.GetGValueZ())
            << "sample " << i;
    }
    EXPECT_EQ(byBytes.GetMaxGValue(), list.GetMaxGValue());
    EXPECT_EQ(byBytes.GetMinGIndex(), list.GetMinGIndex());
}
