// koriv-fuzz-seeds OUTDIR: writes a small seed corpus per fuzzer (OUTDIR/nmea, avi_track,
// avi_check, mov_check, movie_trim, http_answer), made with the same fixture builders as the tests.

#include "NmeaWriter.h"
#include "RiffWriter.h"
#include "VideoFixtures.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

namespace {

std::string nmeaSeed(bool header)
{
    NmeaWriter nmea;
    nmea.rmc({.secondOfDay = 1, .valid = false});
    for (int i = 0; i < 4; ++i) {
        const NmeaFix fix{.secondOfDay = i, .latitude = -25.06 + i * 1e-4, .longitude = 121.6, .speedKnots = 10,
                          .course = 90.5, .altitude = 35.2};
        nmea.rmc(fix).gga(fix).gsensor(i * 40, -i, 127).gsensord(0.5, -12.5, 1);
    }
    nmea.line("$GPGSV,1,1,00*79").line("$GNRMC,1,A,3352.12,S,15112.6,W,1,2,3,,,A");
    if (!header)
        return nmea.text();
    char size[16];
    std::snprintf(size, sizeof size, "%08zx", nmea.text().size() / 2);
    return "HEADER" + std::string(size) + "x\n" + nmea.text();
}

// The first byte is the recording's length in seconds.
std::string aviTrackSeed(int seconds, const RiffWriter& riff)
{
    return std::string(1, static_cast<char>(seconds)) + riff.bytes();
}

// A movie atom of a fixture file, after the length byte (3 s).
std::string movieTrimSeed(const Mp4Options& options)
{
    const std::string file = makeMp4(options);
    const size_t type = file.find("moov");
    return type == std::string::npos || type < 4 ? std::string() : std::string(1, char(12)) + file.substr(type - 4);
}

RiffWriter recordingHead()
{
    RiffWriter riff;
    riff.chunk("LIST", "hdrl" + std::string(20, 'h')).chunk("JUNK", "j").chunk("LIST", "movi").chunk("idx1", "");
    return riff;
}

std::map<std::string, std::string> seeds()
{
    const std::vector<TrackPosition> positions{{}, {25.04, 121.55, 30}, {-25.05, -121.56, 31}};
    const std::vector<TrackGValue> g{{0.1, -0.7, 0.2}, {-1.5, 1.5, -0.5}, {0, 0, 0}};
    Mp4Options audioFirst;
    audioFirst.audioTrackFirst = true;
    Mp4Options large;
    large.mediaLargeSize = true;
    large.movieAtEnd = false;
    Mp4Options version1;
    version1.movieHeaderVersion1 = true;
    version1.upperCaseTypes = true;
    Mp4Options wideHeader;
    wideHeader.movieHeaderVersion1 = true;
    return {
        {"nmea/plain", nmeaSeed(false)},
        {"nmea/header", nmeaSeed(true)},
        {"avi_track/positions_and_g", aviTrackSeed(5, recordingHead().positions(positions).gValues(g))},
        {"avi_track/g_only", aviTrackSeed(2, recordingHead().gValues(g))},
        {"avi_track/gsea", aviTrackSeed(3, recordingHead().chunk("GSEA", "x").gValues(g))},
        {"avi_track/unknown_before_index", aviTrackSeed(3, RiffWriter().chunk("ABCD", "").gValues(g))},
        {"avi_check/h264", makeAvi("H264")},
        {"avi_check/mjpg", makeAvi("mjpg")},
        {"mov_check/movie_at_end", makeMp4()},
        {"mov_check/audio_first", makeMp4(audioFirst)},
        {"mov_check/large_media", makeMp4(large)},
        {"mov_check/version1", makeMp4(version1)},
        {"movie_trim/version0", movieTrimSeed({})},
        {"movie_trim/version1", movieTrimSeed(wideHeader)},
        {"http_answer/length", "\x07HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\n{\"id\":\"7\"}"},
        {"http_answer/chunked", "\x05HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 201 Created\r\nTransfer-Encoding: chunked\r\n\r\n"
                                "4;x=y\r\n{\"id\r\n0\r\nX-T: 1\r\n\r\n"},
        {"http_answer/to_close", "\x01HTTP/1.0 500 Internal Server Error\r\n\r\nno video"},
    };
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: koriv-fuzz-seeds OUTDIR\n", stderr);
        return 2;
    }
    for (const auto& [name, bytes] : seeds()) {
        const std::filesystem::path path = std::filesystem::path(argv[1]) / name;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    return 0;
}
