#include "MediaAsset.h"

#include "CommandRunner.h"
#include "TempDir.h"
#include "TestClips.h"

#include <QFile>
#include <QImage>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <vector>

namespace {

// Every clip: 4 seconds at 25 frames per second, 160 x 90, a key frame every 2 seconds.
constexpr int kSeconds = 4;

QString qpath(const std::string& path)
{
    return QString::fromStdString(path);
}

// The second of the clip a picture shows, read at its centre; -1 for no clip colour.
int secondOf(const QImage& image)
{
    if (image.isNull())
        return -2;
    const QRgb pixel = image.pixel(image.width() / 2, image.height() / 2);
    return clipSecondOf(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Where each video chunk ("00dc", size, data) of an AVI file starts, up to its index.
std::vector<size_t> aviVideoChunks(const std::string& bytes)
{
    std::vector<size_t> chunks;
    const size_t index = bytes.rfind("idx1");
    for (size_t at = bytes.find("movi"); (at = bytes.find("00dc", at)) < index && at + 8 <= bytes.size();) {
        chunks.push_back(at);
        const auto* size = reinterpret_cast<const unsigned char*>(bytes.data() + at + 4);
        const size_t length = size[0] | size[1] << 8 | size[2] << 16 | size_t(size[3]) << 24;
        at += 8 + length + (length & 1);
    }
    return chunks;
}

class MediaAssetClips : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir = new TempDir;
        ClipOptions h264;
        h264.seconds = kSeconds;
        ClipOptions mjpg = h264;
        mjpg.codec = "mjpeg";
        ASSERT_TRUE(writeTestClip(dir->file("clip.MP4"), h264));
        ASSERT_TRUE(writeTestClip(dir->file("clip.MOV"), h264));
        ASSERT_TRUE(writeTestClip(dir->file("clip.AVI"), h264));
        ASSERT_TRUE(writeTestClip(dir->file("mjpg.AVI"), mjpg));
    }
    static void TearDownTestSuite()
    {
        delete dir;
        dir = nullptr;
    }
    static inline TempDir* dir = nullptr;
};

} // namespace

TEST_F(MediaAssetClips, EveryContainerGivesThePictureOfEachSecond)
{
    // A key frame, just after one, within a run of frames, just before the next key frame,
    // and past the end (the last frame).
    const struct {
        double time;
        int second;
    } expected[] = {{0, 0}, {0.5, 0}, {1.0, 1}, {1.92, 1}, {2.0, 2}, {2.04, 2}, {3.96, 3}, {60, 3}, {0.04, 0}};
    for (const char* name : {"clip.MP4", "clip.MOV", "clip.AVI", "mjpg.AVI"}) {
        SCOPED_TRACE(name);
        MediaAsset asset(qpath(dir->file(name)));
        ASSERT_TRUE(asset.isValid()) << asset.errorString().toStdString();
        EXPECT_NEAR(asset.duration(), kSeconds, 0.1);
        EXPECT_EQ(asset.naturalSize(), QSize(160, 90));
        for (const auto& e : expected) {
            SCOPED_TRACE(e.time);
            const QImage image = asset.imageAt(e.time);
            ASSERT_FALSE(image.isNull()) << asset.errorString().toStdString();
            EXPECT_EQ(image.size(), QSize(160, 90));
            EXPECT_EQ(secondOf(image), e.second);
            const double frameTime = std::min(e.time, kSeconds - 0.04); // the last frame is at 3.96 s
            EXPECT_GE(asset.actualTime(), frameTime - 0.001);
            EXPECT_LT(asset.actualTime(), frameTime + 0.039);
        }
    }
}

TEST_F(MediaAssetClips, ABadTimeGivesANullPictureAndTheAssetStaysUsable)
{
    MediaAsset asset(qpath(dir->file("clip.MP4")));
    for (double bad : {-1.0, -1e-9, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        EXPECT_TRUE(asset.imageAt(bad).isNull());
        EXPECT_FALSE(asset.errorString().isEmpty());
        EXPECT_EQ(asset.actualTime(), -1);
    }
    EXPECT_EQ(secondOf(asset.imageAt(3.0)), 3);
    EXPECT_TRUE(asset.errorString().isEmpty());
}

TEST_F(MediaAssetClips, TheAsyncCallGivesTheSamePicture)
{
    const QString path = qpath(dir->file("clip.MOV"));
    QFuture<QImage> later = MediaAsset::imageAtAsync(path, 2.5);
    QFuture<QImage> missing = MediaAsset::imageAtAsync(path + ".gone", 2.5);
    MediaAsset asset(path);
    const QImage now = asset.imageAt(2.5);
    EXPECT_EQ(secondOf(now), 2);
    EXPECT_EQ(later.result(), now);
    EXPECT_TRUE(missing.result().isNull());
}

TEST_F(MediaAssetClips, ThePictureHasTheDisplaySizeOfAnamorphicPixels)
{
    const std::string wide = dir->file("wide.MP4");
    ASSERT_EQ(runCommand("ffmpeg -nostdin -y -loglevel error -i '" + dir->file("clip.MP4")
                         + "' -vf setsar=2 -c:v libx264 -preset veryfast '" + wide + "'")
                  .exitCode,
              0);
    MediaAsset asset(qpath(wide));
    EXPECT_EQ(asset.naturalSize(), QSize(320, 90));
    const QImage image = asset.imageAt(1.5);
    EXPECT_EQ(image.size(), QSize(320, 90));
    EXPECT_EQ(secondOf(image), 1);
}

TEST_F(MediaAssetClips, FilesThatAreNoRecordingGiveNoAssetAndNoPicture)
{
    std::mt19937 random(7);
    std::string garbage(64 * 1024, '\0');
    for (char& c : garbage)
        c = char(random());
    const std::string mp4 = readBytes(dir->file("clip.MP4"));
    const std::string audio = dir->file("audio.MP4");
    ASSERT_EQ(runCommand("ffmpeg -nostdin -y -loglevel error -f lavfi -i sine=duration=1 -c:a aac '" + audio + "'")
                  .exitCode,
              0);
    const std::string broken[] = {
        dir->write("garbage.AVI", garbage),
        dir->write("garbage.MP4", "RIFF" + garbage),
        dir->write("text.MP4", "This is a note, not a recording.\n"),
        dir->write("empty.MOV", ""),
        dir->write("truncated.MP4", mp4.substr(0, mp4.size() / 2)), // its index comes last
        audio,
        dir->file("deleted.MP4"),
    };
    for (const std::string& path : broken) {
        SCOPED_TRACE(path);
        MediaAsset asset(qpath(path));
        EXPECT_FALSE(asset.isValid());
        EXPECT_FALSE(asset.errorString().isEmpty());
        EXPECT_EQ(asset.duration(), 0);
        EXPECT_TRUE(asset.imageAt(1).isNull());
        EXPECT_FALSE(asset.errorString().isEmpty());
    }
}

TEST_F(MediaAssetClips, DamagedRecordingsKeepTheirSoundPictures)
{
    for (const char* name : {"clip.AVI", "mjpg.AVI"}) {
        SCOPED_TRACE(name);
        const std::string bytes = readBytes(dir->file(name));
        const std::vector<size_t> frames = aviVideoChunks(bytes);
        ASSERT_EQ(frames.size(), size_t(kSeconds * 25));

        // Cut short by a power loss: no index, the last half second lost.
        const std::string cut = dir->write(std::string("cut-") + name, bytes.substr(0, frames[kSeconds * 25 - 12]));
        MediaAsset cutAsset(qpath(cut));
        ASSERT_TRUE(cutAsset.isValid());
        EXPECT_EQ(secondOf(cutAsset.imageAt(0.5)), 0);
        EXPECT_EQ(secondOf(cutAsset.imageAt(2.5)), 2) << cutAsset.errorString().toStdString();
        EXPECT_EQ(secondOf(cutAsset.imageAt(kSeconds + 1)), kSeconds - 1); // the last picture before the cut

        // Garbage in the frames of 1.2 s to 1.8 s spoils those pictures only.
        std::string spoilt = bytes;
        std::mt19937 random(11);
        for (int frame = 30; frame < 45; ++frame)
            for (size_t i = frames[frame] + 8; i < frames[frame + 1]; ++i)
                spoilt[i] = char(random());
        MediaAsset spoiltAsset(qpath(dir->write(std::string("spoilt-") + name, spoilt)));
        ASSERT_TRUE(spoiltAsset.isValid());
        for (double t = 0.1; t < kSeconds + 1; t += 0.2)
            spoiltAsset.imageAt(t);
        EXPECT_EQ(secondOf(spoiltAsset.imageAt(0.5)), 0);
        EXPECT_EQ(secondOf(spoiltAsset.imageAt(2.5)), 2);
        EXPECT_EQ(secondOf(spoiltAsset.imageAt(3.5)), 3);
    }
}
