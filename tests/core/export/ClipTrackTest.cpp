#include "display/ClipOverlayText.h"
#include "export/ClipTrack.h"
#include "export/MovieEndTrim.h"
#include "GpxSchema.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

// A track of `seconds` samples at one per second, position and speed growing with the second.
GpsList track(int seconds, float latitude)
{
    GpsList list;
    for (int s = 0; s < seconds; ++s) {
        GpsData sample(latitude + s * 0.001f, 121.5f, float(10 * s), 90);
        sample.setDAltitude(12.5);
        sample.setSensorValueGSensor(0.125f * s, -0.5f, 1);
        list.InsertData(&sample, -1);
    }
    list.setBGps(true);
    list.setBSenser(true);
    return list;
}

FileTime at(int hour, int minute, int second)
{
    std::tm tm{};
    tm.tm_year = 2026 - 1900;
    tm.tm_mon = 0;
    tm.tm_mday = 2;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&tm));
}

} // namespace

TEST(ClipTrack, TakesTheSecondsOfEachSpanInClipOrder)
{
    const GpsList first = track(6, 25.0f);
    GpsList second = track(4, 26.0f);
    second.SetGpsFrequency(1);
    const ClipTrackSpan spans[] = {{&first, std::nullopt, 3.5, 6}, {&second, std::nullopt, 0, 2.2}};
    const GpsList clip = pmClipTrack(spans);
    std::vector<float> latitudes;
    for (const GpsData& s : clip.gpslist())
        latitudes.push_back(s.fLatitude());
    EXPECT_EQ(latitudes, (std::vector<float>{25.003f, 25.004f, 25.005f, 26.0f, 26.001f, 26.002f}));

    // Two samples a second: every other one is a second's; seconds past the track are left out.
    GpsList twice = track(8, 27.0f);
    twice.SetGpsFrequency(2);
    const ClipTrackSpan beyond[] = {{&twice, std::nullopt, 1, 9}};
    EXPECT_EQ(pmClipTrack(beyond).GetDataCount(), 3);
}

TEST(ClipTrack, SidecarGpxOfTheSpansValidatesAgainstTheSchema)
{
    TempDir dir;
    const GpsList first = track(6, 25.0f);
    const GpsList second = track(4, 26.0f);
    const ClipTrackSpan spans[] = {{&first, std::nullopt, 4, 6}, {&second, std::nullopt, 0, 1}};
    const std::string path = dir.file("clip & co.gpx");
    ASSERT_TRUE(pmWriteClipGpx(path, spans, "FILE0001F <4-1>"));
    EXPECT_EQ(gpxSchemaErrors(path), "");
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    EXPECT_NE(text.str().find("lat=\"25.004000\""), std::string::npos);
    EXPECT_NE(text.str().find("lat=\"26.000000\""), std::string::npos);
    EXPECT_EQ(text.str().find("lat=\"25.003000\""), std::string::npos);

    const GpsList blank;
    const ClipTrackSpan none[] = {{&blank, std::nullopt, 0, 3}, {nullptr, std::nullopt, 0, 3}};
    EXPECT_FALSE(pmWriteClipGpx(dir.file("none.gpx"), none, "x"));
    EXPECT_FALSE(std::ifstream(dir.file("none.gpx")).good());
}

TEST(ClipOverlayText, OneCueWhereEachRecordingSecondStarts)
{
    const GpsList first = track(6, 25.0f);
    const ClipTrackSpan spans[] = {{&first, at(10, 0, 0), 3.5, 6}, {nullptr, at(10, 0, 6), 0, 1.5}};
    const std::vector<ClipOverlayCue> cues = pmClipOverlayCues(spans, ClipOverlay::DateTime, SpeedUnitKmh);
    std::vector<double> times;
    std::vector<std::string> texts;
    for (const ClipOverlayCue& cue : cues) {
        times.push_back(cue.at);
        texts.push_back(cue.text);
    }
    EXPECT_EQ(times, (std::vector<double>{0, 0.5, 1.5, 2.5, 3.5}));
    EXPECT_EQ(texts, (std::vector<std::string>{"2026/01/02 10:00:03", "2026/01/02 10:00:04", "2026/01/02 10:00:05",
                                               "2026/01/02 10:00:06", "2026/01/02 10:00:07"}));
    EXPECT_TRUE(pmClipOverlayCues(spans, ClipOverlay::None, SpeedUnitKmh).empty());

    const std::vector<ClipOverlayCue> full = pmClipOverlayCues(spans, ClipOverlay::Full, SpeedUnitMph);
    ASSERT_EQ(full.size(), 5u);
    EXPECT_EQ(full[1].text, "2026/01/02 10:00:04\n25 mph   N 25\xC2\xB0" "00'14.4\"  E 121\xC2\xB0" "30'0.0\"\n"
                            "G 0.500 -0.500 1.000");
    EXPECT_EQ(full[3].text, "2026/01/02 10:00:06") << "no track: the moment alone";
    GpsList noFix = track(2, 0);
    noFix.setBSenser(false);
    EXPECT_EQ(pmClipOverlayText(std::nullopt, &noFix, 0, ClipOverlay::Full, SpeedUnitKmh), "0 km/h   -")
        << "no position, no G-sensor";
}

namespace {

void put32(std::vector<unsigned char>& out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<unsigned char>(v >> shift));
}

void put64(std::vector<unsigned char>& out, std::uint64_t v)
{
    put32(out, static_cast<std::uint32_t>(v >> 32));
    put32(out, static_cast<std::uint32_t>(v));
}

std::vector<unsigned char> atom(const char* type, const std::vector<unsigned char>& body)
{
    std::vector<unsigned char> out;
    put32(out, static_cast<std::uint32_t>(body.size() + 8));
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

std::vector<unsigned char> join(std::initializer_list<std::vector<unsigned char>> parts)
{
    std::vector<unsigned char> out;
    for (const auto& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

// A full atom's body: version, flags, then the fields.
std::vector<unsigned char> fields(bool wide, std::initializer_list<std::uint64_t> values, size_t padTo = 0)
{
    std::vector<unsigned char> out;
    put32(out, wide ? 0x01000000u : 0);
    for (std::uint64_t v : values)
        wide ? put64(out, v) : put32(out, static_cast<std::uint32_t>(v));
    out.resize(std::max(out.size(), padTo));
    return out;
}

std::uint64_t read(const std::vector<unsigned char>& bytes, size_t at, bool wide)
{
    std::uint64_t v = 0;
    for (size_t i = 0; i < (wide ? 8u : 4u); ++i)
        v = (v << 8) | bytes[at + i];
    return v;
}

} // namespace

TEST(MovieEndTrim, EndsEveryTrackAndTheMovieAtTheClipsLength)
{
    // mvhd v0: times, scale 1000, 5 s. Track 1: tkhd v0 of 5 s, an empty edit of 0.2 s then
    // 4.8 s of media. Track 2: tkhd and elst of version 1, one edit of 5 s.
    std::vector<unsigned char> mvhd = fields(false, {0, 0, 1000, 5000}, 100);
    std::vector<unsigned char> tkhd0 = fields(false, {0, 0, 1, 0, 5000}, 84);
    std::vector<unsigned char> elst0 = fields(false, {2, 200, 0xFFFFFFFF, 0x10000, 4800, 0, 0x10000});
    std::vector<unsigned char> tkhd1 = fields(true, {0, 0}, 0);
    put32(tkhd1, 2);
    put32(tkhd1, 0);
    put64(tkhd1, 5000);
    tkhd1.resize(96);
    std::vector<unsigned char> elst1 = {1, 0, 0, 0};
    put32(elst1, 1);
    put64(elst1, 5000);
    put64(elst1, 1024);
    put32(elst1, 0x10000);
    std::vector<unsigned char> moov = atom("moov", join({atom("mvhd", mvhd),
                                                         atom("trak", join({atom("tkhd", tkhd0), atom("edts", atom("elst", elst0))})),
                                                         atom("trak", join({atom("tkhd", tkhd1), atom("edts", atom("elst", elst1))}))}));
    const std::vector<unsigned char> original = moov;
    ASSERT_TRUE(pmTrimMovieAtom(moov, 3.0));
    const size_t mvhdBody = 16;
    EXPECT_EQ(read(moov, mvhdBody + 16, false), 3000u);
    const size_t trak1 = 8 + 108;
    const size_t tkhd0Body = trak1 + 16;
    EXPECT_EQ(read(moov, tkhd0Body + 20, false), 3000u);
    const size_t elst0Body = tkhd0Body + 84 + 16;
    EXPECT_EQ(read(moov, elst0Body + 8, false), 200u) << "the empty edit stays";
    EXPECT_EQ(read(moov, elst0Body + 20, false), 2800u);
    const size_t trak2 = trak1 + 8 + 92 + 8 + 8 + elst0.size();
    const size_t tkhd1Body = trak2 + 16;
    EXPECT_EQ(read(moov, tkhd1Body + 28, true), 3000u);
    const size_t elst1Body = tkhd1Body + 96 + 16;
    EXPECT_EQ(read(moov, elst1Body + 8, true), 3000u);
    EXPECT_EQ(read(moov, elst1Body + 16, true), 1024u) << "the media time is kept";

    // Never longer; anything but a movie atom, or a cut one, is refused or walked safely.
    std::vector<unsigned char> again = original;
    ASSERT_TRUE(pmTrimMovieAtom(again, 10.0));
    EXPECT_EQ(again, original);
    for (size_t cut = 0; cut < original.size(); cut += 7) {
        std::vector<unsigned char> part(original.begin(), original.begin() + static_cast<long>(cut));
        pmTrimMovieAtom(part, 1.0);
    }
    std::vector<unsigned char> other = atom("free", mvhd);
    EXPECT_FALSE(pmTrimMovieAtom(other, 1.0));
    EXPECT_FALSE(pmTrimMovieEnd("/nonexistent/clip.mp4", 1.0));
}
