// The clip export on real clips whose every second has its own colour (the rear camera's
// colours inverted): what each camera shows where, across recordings, copied packets,
// the overlay, lengths, and the failures that must leave nothing behind.
#include "ClipExporter.h"
#include "CommandRunner.h"
#include "MediaAsset.h"
#include "TempDir.h"
#include "TestClips.h"
#include "TmpfsMount.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

extern "C" {
#include <libavformat/avformat.h>
}

namespace {

ClipOptions clipOptions(int seconds, int fps, bool rear = false)
{
    ClipOptions o;
    o.seconds = seconds;
    o.fps = fps;
    o.width = 320;
    o.height = 240;
    o.keyFrameInterval = fps;
    o.inverted = rear;
    o.audio = !rear;
    return o;
}

std::string makeClip(const TempDir& dir, const std::string& name, const ClipOptions& options)
{
    const std::string path = dir.file(name);
    EXPECT_TRUE(writeTestClip(path, options)) << path;
    return path;
}

QString q(const std::string& path)
{
    return QString::fromStdString(path);
}

ClipRequest requestOf(std::vector<ClipSegment> segments, ClipCameras cameras, const std::string& output)
{
    ClipRequest request;
    request.segments = std::move(segments);
    request.cameras = cameras;
    request.output = q(output);
    return request;
}

bool exportClip(ClipExporter& exporter)
{
    const bool written = exporter.run();
    EXPECT_EQ(written, exporter.failure() == ClipFailure::None) << exporter.errorString().toStdString();
    return written;
}

// The second (modulo eight) a picture shows at a point, or -1 for no colour of the palette.
int secondAt(const QImage& image, int x, int y, bool rear)
{
    const QRgb p = image.pixel(x, y);
    return clipSecondOf(qRed(p), qGreen(p), qBlue(p), rear);
}

bool isBlack(const QImage& image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return qRed(p) < 30 && qGreen(p) < 30 && qBlue(p) < 30;
}

std::string probe(const std::string& path, const std::string& entries)
{
    return runCommand("ffprobe -v error " + entries + " -of csv=p=0 '" + path + "'").out;
}

// Frames the video stream shows (its edit list applied) and the codecs of its streams.
int shownFrames(const std::string& path)
{
    return std::atoi(probe(path, "-select_streams v -count_frames -show_entries stream=nb_read_frames").c_str());
}

// The payloads of the video packets in file order, and which are key frames.
struct Packets {
    std::vector<std::string> data;
    std::vector<bool> key;
};

Packets videoPackets(const std::string& path)
{
    Packets packets;
    AVFormatContext* format = nullptr;
    if (avformat_open_input(&format, path.c_str(), nullptr, nullptr) < 0)
        return packets;
    const int video = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    AVPacket* packet = av_packet_alloc();
    while (av_read_frame(format, packet) >= 0) {
        if (packet->stream_index == video) {
            packets.data.emplace_back(reinterpret_cast<const char*>(packet->data), size_t(packet->size));
            packets.key.push_back(packet->flags & AV_PKT_FLAG_KEY);
        }
        av_packet_unref(packet);
    }
    av_packet_free(&packet);
    avformat_close_input(&format);
    return packets;
}

QStringList filesIn(const std::string& folder)
{
    return QDir(q(folder)).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

TEST(ClipExporter, CopiesOneCameraAcrossTwoRecordings)
{
    TempDir dir;
    const std::string first = makeClip(dir, "FILE0001F.MP4", clipOptions(4, 25));
    const std::string second = makeClip(dir, "FILE0002F.MP4", clipOptions(4, 25));
    std::filesystem::create_directories(dir.file("out"));
    ClipExporter exporter(requestOf({{q(first), {}, 1.3, 4.0}, {q(second), {}, 0.0, 2.5}}, ClipCameras::Front,
                                    dir.file("out/clip.mp4")));
    std::vector<double> reports;
    exporter.setProgressHandler([&](double done) { reports.push_back(done); });
    ASSERT_TRUE(exportClip(exporter));
    EXPECT_FALSE(exporter.reencoded());
    EXPECT_DOUBLE_EQ(exporter.duration(), 5.2);
    ASSERT_FALSE(reports.empty());
    EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));
    EXPECT_DOUBLE_EQ(reports.back(), 1.0);

    const std::string out = dir.file("out/clip.mp4");
    EXPECT_EQ(probe(out, "-show_entries stream=codec_name"), "h264\naac\n");
    EXPECT_NEAR(shownFrames(out), 5.2 * 25, 1);
    MediaAsset asset(q(out));
    EXPECT_NEAR(asset.duration(), 5.2, 0.04);
    // Clip time → recording time: 0.3 → 1.6, 2.0 → 3.3, 2.8 → 0.1 of the second, 4.9 → 2.2.
    for (const auto& [t, expected] : {std::pair{0.3, 1}, {2.0, 3}, {2.8, 0}, {4.9, 2}}) {
        const QImage image = asset.imageAt(t);
        ASSERT_FALSE(image.isNull()) << t;
        EXPECT_EQ(secondAt(image, 160, 120, false), expected) << "at " << t;
    }
    EXPECT_EQ(filesIn(dir.file("out")), QStringList{"clip.mp4"});
}

TEST(ClipExporter, CopiedPacketsAreTheSourcesFromTheKeyFrameBeforeTheStart)
{
    TempDir dir;
    const std::string source = makeClip(dir, "FILE0001F.MP4", clipOptions(5, 25));
    ClipRequest request = requestOf({{q(source), {}, 2.5, 4.2}}, ClipCameras::Front, dir.file("clip.mp4"));
    request.sound = false;
    ClipExporter exporter(request);
    ASSERT_TRUE(exportClip(exporter));
    EXPECT_EQ(probe(dir.file("clip.mp4"), "-show_entries stream=codec_name"), "h264\n");

    const Packets in = videoPackets(source);
    const Packets out = videoPackets(dir.file("clip.mp4"));
    ASSERT_FALSE(out.data.empty());
    const auto first = std::find(in.data.begin(), in.data.end(), out.data.front());
    ASSERT_NE(first, in.data.end());
    const size_t start = size_t(first - in.data.begin());
    EXPECT_TRUE(in.key[start]);
    EXPECT_EQ(start, 50u) << "the key frame of second 2, at or before 2.5 s";
    ASSERT_LE(start + out.data.size(), in.data.size());
    EXPECT_TRUE(std::equal(out.data.begin(), out.data.end(), in.data.begin() + long(start)));
    // The edit list shows 1.7 s from the frame at 2.5 s.
    EXPECT_NEAR(shownFrames(dir.file("clip.mp4")), 1.7 * 25, 1);
    MediaAsset asset(q(dir.file("clip.mp4")));
    EXPECT_EQ(secondAt(asset.imageAt(0), 160, 120, false), 2);
    EXPECT_EQ(secondAt(asset.imageAt(0.6), 160, 120, false), 3);
}

TEST(ClipExporter, BothCamerasInTheirPlacesInStepWhateverTheirRates)
{
    TempDir dir;
    for (const auto& [frontFps, rearFps] : {std::pair{25, 30}, {30, 25}}) {
        SCOPED_TRACE(std::to_string(frontFps) + "/" + std::to_string(rearFps));
        const std::string front = makeClip(dir, "FILE0001F.MP4", clipOptions(5, frontFps));
        // The rear stopped recording a second and a half before the front.
        const std::string rear = makeClip(dir, "FILE0001R.MP4", [&] {
            ClipOptions o = clipOptions(4, rearFps, true);
            o.seconds = 3;
            return o;
        }());
        for (ClipCameras cameras : {ClipCameras::SideBySide, ClipCameras::PictureInPicture}) {
            const bool side = cameras == ClipCameras::SideBySide;
            const std::string out = dir.file(side ? "side.mp4" : "pip.mp4");
            ClipExporter exporter(requestOf({{q(front), q(rear), 1.25, 4.75}}, cameras, out));
            ASSERT_TRUE(exportClip(exporter));
            EXPECT_TRUE(exporter.reencoded());
            EXPECT_EQ(probe(out, "-show_entries stream=codec_name,width,height"),
                      side ? "h264,640,240\naac\n" : "h264,320,240\naac\n");
            EXPECT_NEAR(shownFrames(out), 3.5 * frontFps, 1) << "the front camera's rate";
            MediaAsset asset(q(out));
            const QPoint frontAt(160, 120);
            const QPoint rearAt = side ? QPoint(480, 120) : QPoint(259, 45);
            for (double t : {0.3, 1.3, 1.7, 2.6}) {
                const QImage image = asset.imageAt(t);
                ASSERT_FALSE(image.isNull()) << t;
                const int second = int(1.25 + t + 0.02);
                EXPECT_EQ(secondAt(image, frontAt.x(), frontAt.y(), false), second) << "front at " << t;
                if (1.25 + t < 3.0)
                    EXPECT_EQ(secondAt(image, rearAt.x(), rearAt.y(), true), second) << "rear at " << t;
                else
                    EXPECT_TRUE(isBlack(image, rearAt.x(), rearAt.y())) << "rear over at " << t;
            }
        }
    }
}

TEST(ClipExporter, OverlayChangesItsCornerOnly)
{
    TempDir dir;
    const std::string front = makeClip(dir, "FILE0001F.MP4", clipOptions(3, 25));
    ClipRequest request = requestOf({{q(front), {}, 0.5, 2.5}}, ClipCameras::Front, dir.file("text.mp4"));
    request.overlay = {{0, "2026/01/02 10:00:00"}, {0.5, "2026/01/02 10:00:01\n42 km/h"}};
    ClipExporter withText(request);
    ASSERT_TRUE(exportClip(withText));
    EXPECT_TRUE(withText.reencoded());

    // The same pictures encoded again without text: composed side by side with no rear.
    request.overlay.clear();
    request.cameras = ClipCameras::SideBySide;
    request.output = q(dir.file("plain.mp4"));
    ClipExporter plain(request);
    ASSERT_TRUE(exportClip(plain));

    const QImage text = MediaAsset(q(dir.file("text.mp4"))).imageAt(1.0);
    const QImage bare = MediaAsset(q(dir.file("plain.mp4"))).imageAt(1.0);
    ASSERT_FALSE(text.isNull());
    ASSERT_FALSE(bare.isNull());
    int changed = 0;
    for (int y = 200; y < 240; ++y)
        for (int x = 0; x < 120; ++x)
            changed += text.pixel(x, y) != bare.pixel(x, y);
    EXPECT_GT(changed, 300) << "the text's band at the bottom left";
    EXPECT_EQ(secondAt(text, 250, 60, false), 1);
    EXPECT_EQ(secondAt(text, 250, 60, false), secondAt(bare, 250, 60, false));
}

TEST(ClipExporter, DamagedFrameInTheMiddleIsPassedOver)
{
    TempDir dir;
    const std::string source = makeClip(dir, "FILE0001F.MP4", clipOptions(4, 25));
    // Garbage over a frame of second 1, well inside the media data.
    const Packets packets = videoPackets(source);
    ASSERT_GT(packets.data.size(), 40u);
    std::string bytes;
    {
        std::ifstream in(source, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    const size_t at = bytes.find(packets.data[35]);
    ASSERT_NE(at, std::string::npos);
    for (size_t i = 4; i < packets.data[35].size(); ++i)
        bytes[at + i] = char(0xA5 ^ i);
    std::ofstream(source, std::ios::binary | std::ios::trunc) << bytes;

    for (ClipCameras cameras : {ClipCameras::Front, ClipCameras::SideBySide}) {
        ClipExporter exporter(requestOf({{q(source), {}, 0.5, 3.5}}, cameras, dir.file("out.mp4")));
        ASSERT_TRUE(exportClip(exporter));
        EXPECT_NEAR(shownFrames(dir.file("out.mp4")), 75, 1);
        EXPECT_EQ(secondAt(MediaAsset(q(dir.file("out.mp4"))).imageAt(2.0), 160, 120, false), 2);
    }
}

TEST(ClipExporter, BadRequestsAreRefusedBeforeAnythingIsWritten)
{
    TempDir dir;
    const std::string front = makeClip(dir, "FILE0001F.MP4", clipOptions(3, 25));
    const struct {
        ClipSegment segment;
        ClipFailure failure;
        const char* says;
    } cases[] = {
        {{q(front), {}, 2.0, 1.0}, ClipFailure::BadRange, "does not come after"},
        {{q(front), {}, 1.0, 9.0}, ClipFailure::BadRange, "cannot end at 9"},
        {{q(front), {}, 4.0, 5.0}, ClipFailure::BadRange, "cannot start at 4"},
        {{{}, q(front), 0.0, 1.0}, ClipFailure::BadRange, "no front recording"},
        {{q(dir.file("gone.MP4")), {}, 0.0, 1.0}, ClipFailure::ReadFailed, "gone.MP4"},
        {{q(front), {}, 0.0, 1.0}, ClipFailure::WriteFailed, "would replace the recording"},
    };
    for (const auto& c : cases) {
        // The last case writes over its own recording, which must stay as it is.
        const std::string output = &c == &cases[std::size(cases) - 1] ? front : dir.file("out.mp4");
        ClipExporter exporter(requestOf({c.segment}, ClipCameras::Front, output));
        EXPECT_FALSE(exporter.run());
        EXPECT_EQ(exporter.failure(), c.failure);
        EXPECT_TRUE(exporter.errorString().contains(QLatin1String(c.says))) << exporter.errorString().toStdString();
    }
    EXPECT_EQ(filesIn(dir.path()), QStringList{"FILE0001F.MP4"});
    EXPECT_NEAR(MediaAsset(q(front)).duration(), 3.0, 0.05);
}

TEST(ClipExporter, FailuresAndCancelLeaveNothingBehind)
{
    TempDir dir;
    const std::string first = makeClip(dir, "src/FILE0001F.MP4", clipOptions(4, 25));
    const std::string second = makeClip(dir, "src/FILE0002F.MP4", clipOptions(4, 25));
    std::filesystem::copy_file(second, dir.file("spare.MP4"));
    std::filesystem::create_directories(dir.file("out"));
    TmpfsMount small(12 * 1024);
    TmpfsMount readOnly(1 << 20);
    if (!small.mounted() || !readOnly.remountReadOnly())
        GTEST_SKIP() << small.error();
    for (ClipCameras cameras : {ClipCameras::Front, ClipCameras::PictureInPicture}) {
        SCOPED_TRACE(cameras == ClipCameras::Front ? "copied" : "encoded");
        const auto run = [&](const std::string& folder, const std::function<void(ClipExporter&, double)>& onProgress) {
            auto exporter = std::make_unique<ClipExporter>(
                requestOf({{q(first), {}, 0.5, 4.0}, {q(second), {}, 0.0, 4.0}}, cameras, folder + "/clip.mp4"));
            exporter->setProgressHandler([&, e = exporter.get()](double done) { onProgress(*e, done); });
            EXPECT_FALSE(exporter->run());
            EXPECT_FALSE(exporter->errorString().isEmpty());
            EXPECT_TRUE(filesIn(folder).isEmpty()) << filesIn(folder).join(' ').toStdString();
            return exporter;
        };
        const auto nothing = [](ClipExporter&, double) {};
        EXPECT_EQ(run(small.path(), nothing)->failure(), ClipFailure::NoDiskSpace);
        EXPECT_EQ(run(readOnly.path(), nothing)->failure(), ClipFailure::WriteFailed);
        const auto halfway = run(dir.file("out"), [](ClipExporter& e, double done) {
            if (done >= 0.5)
                e.cancel();
        });
        EXPECT_EQ(halfway->failure(), ClipFailure::Cancelled);
        // The second recording goes while the first is being written.
        const auto deleted = run(dir.file("out"), [&](ClipExporter&, double) { std::remove(second.c_str()); });
        EXPECT_EQ(deleted->failure(), ClipFailure::ReadFailed);
        EXPECT_TRUE(deleted->errorString().contains(QLatin1String("FILE0002F.MP4")));
        std::filesystem::copy_file(dir.file("spare.MP4"), second);
    }
}
