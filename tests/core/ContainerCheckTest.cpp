#include "io/ByteSource.h"
#include "library/ContainerCheck.h"
#include "library/MediaDuration.h"

#include "TempDir.h"
#include "VideoFixtures.h"

#include <gtest/gtest.h>

namespace {

bool movAccepted(const std::string& bytes)
{
    MemoryByteSource source(bytes.data(), bytes.size());
    return isMovCodecReady(source, "test.mp4");
}

bool aviAccepted(const std::string& bytes)
{
    MemoryByteSource source(bytes.data(), bytes.size());
    return isAviCodecReady(source);
}

} // namespace

TEST(ContainerCheck, AviAcceptsH264AndMjpgHandlersOnly)
{
    EXPECT_TRUE(aviAccepted(makeAvi("H264")));
    EXPECT_TRUE(aviAccepted(makeAvi("h264")));
    EXPECT_TRUE(aviAccepted(makeAvi("mjpg")));
    EXPECT_TRUE(aviAccepted(makeAvi("MjPg")));
    EXPECT_FALSE(aviAccepted(makeAvi("XVID")));
    EXPECT_FALSE(aviAccepted(makeAvi("x264")));
    EXPECT_FALSE(aviAccepted(makeAvi("H265")));
    EXPECT_FALSE(aviAccepted(""));
    EXPECT_FALSE(aviAccepted(makeAvi().substr(0, 114))); // handler cut short
}

TEST(ContainerCheck, MovAcceptsH264WhereverTheMovieAtomIs)
{
    EXPECT_TRUE(movAccepted(makeMp4()));
    EXPECT_TRUE(movAccepted(makeMp4({.movieAtEnd = false})));
    EXPECT_TRUE(movAccepted(makeMp4({.upperCaseTypes = true})));
    EXPECT_TRUE(movAccepted(makeMp4({.mediaLargeSize = true})));
    EXPECT_FALSE(movAccepted(makeMp4({.sampleEntry = "hvc1"})));
    EXPECT_FALSE(movAccepted(makeMp4({.audioTrackFirst = true})));
    EXPECT_FALSE(movAccepted(makeMp4({.firstAtom = "free"})));
    EXPECT_FALSE(movAccepted(makeMp4({.firstAtom = "mdat"})));
    EXPECT_FALSE(movAccepted(makeMp4({.mediaSizeZero = true})));
}

TEST(ContainerCheck, MovNeedsMoreThan2048Bytes)
{
    std::string file = makeMp4({.movieAtEnd = false, .mediaBytes = 0});
    // Pad the media atom so the whole file is exactly 2048, then 2049 bytes.
    auto withSize = [&](size_t total) {
        Mp4Options o{.movieAtEnd = false};
        o.mediaBytes = total - file.size();
        return makeMp4(o);
    };
    ASSERT_EQ(withSize(2048).size(), 2048u);
    EXPECT_FALSE(movAccepted(withSize(2048)));
    EXPECT_TRUE(movAccepted(withSize(2049)));
}

TEST(ContainerCheck, MovDurationMustReachOneFifthOfASecond)
{
    EXPECT_FALSE(movAccepted(makeMp4({.timeScale = 1000, .duration = 199})));
    EXPECT_TRUE(movAccepted(makeMp4({.timeScale = 1000, .duration = 200})));
    EXPECT_TRUE(movAccepted(makeMp4({.timeScale = 0, .duration = 0})));
    // A version-1 header keeps 64-bit times; reading it as version 0 would see scale 0.
    EXPECT_FALSE(movAccepted(makeMp4({.timeScale = 1000, .duration = 100, .movieHeaderVersion1 = true})));
    EXPECT_TRUE(movAccepted(makeMp4({.timeScale = 600, .duration = 6000000000ull, .movieHeaderVersion1 = true})));
}

TEST(ContainerCheck, BrokenAtomSizesAreRejectedNotTrusted)
{
    std::string good = makeMp4();
    // Every cut of the file is rejected without reading past its end.
    for (size_t cut = 2049; cut < good.size(); cut += 7)
        EXPECT_FALSE(movAccepted(good.substr(0, cut))) << cut;

    // The media atom claims more than the file holds.
    std::string oversized = good;
    size_t mdat = oversized.find("mdat") - 4;
    oversized[mdat] = '\x7F';
    EXPECT_FALSE(movAccepted(oversized));
    // A size below the header.
    std::string tiny = good;
    tiny[mdat] = tiny[mdat + 1] = tiny[mdat + 2] = 0;
    tiny[mdat + 3] = 4;
    EXPECT_FALSE(movAccepted(tiny));
}

TEST(ContainerCheck, FilesOnDiskAndTheirDuration)
{
    TempDir dir;
    std::string mp4 = dir.write("FILE0001.MP4", makeMp4({.timeScale = 90000, .duration = 90000 * 12}));
    std::string avi = dir.write("FILE0002.AVI", makeAvi("MJPG", 450, 66666, 15));
    std::string aviNoRate = dir.write("FILE0003.AVI", makeAvi("MJPG", 450, 66666, 0));
    EXPECT_TRUE(pmIsMovCodecReady(mp4));
    EXPECT_TRUE(pmIsAviCodecReady(avi));
    EXPECT_FALSE(pmIsMovCodecReady(dir.file("missing.mp4")));
    EXPECT_FALSE(pmIsAviCodecReady(dir.write("EMPTY.AVI", "")));

    EXPECT_DOUBLE_EQ(pmGetMediaDuration(mp4).value_or(-1), 12.0);
    EXPECT_DOUBLE_EQ(pmGetMediaDuration(avi).value_or(-1), 30.0); // not the rounded 29.9997
    EXPECT_NEAR(pmGetMediaDuration(aviNoRate).value_or(-1), 29.9997, 1e-4);
    EXPECT_EQ(pmGetMediaDuration(dir.write("TEXT.AVI", "not a video")), std::nullopt);
}

TEST(ContainerCheck, ReadsOnlyAFewHeaders)
{
    TempDir dir;
    std::string mp4 = dir.write("FILE0001.MP4", makeMp4({.mediaBytes = 1 << 20}));
    FileByteSource source(mp4);
    ASSERT_TRUE(isMovCodecReady(source, mp4));
    EXPECT_LE(source.readCount(), 16);
}
