// Writes the sample card into a temporary folder and reads it back with the core's readers:
// every recording is accepted, named, dated and paired as planned and finds its track; the
// rejects are rejected.

#include "CardPlan.h"
#include "TempDir.h"

#include "gps/GpsLogFile.h"
#include "gps/TrackLoader.h"
#include "library/CameraPairing.h"
#include "library/ContainerCheck.h"
#include "library/MediaDuration.h"
#include "library/RecordingName.h"
#include "util/CalendarDate.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>

namespace fs = std::filesystem;

namespace {

class SampleCardTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        sDir = new TempDir;
        sWritten = std::system((std::string(KORIV_SAMPLECARD_PATH) + " '" + sDir->path() + "'").c_str()) == 0;
    }
    static void TearDownTestSuite()
    {
        delete sDir;
        sDir = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(sWritten) << "the generator failed"; }

    static std::string at(const std::string& relative) { return sDir->path() + "/" + relative; }

    static TempDir* sDir;
    static bool sWritten;
};

TempDir* SampleCardTest::sDir = nullptr;
bool SampleCardTest::sWritten = false;

bool isAccepted(const std::string& path)
{
    const int type = pmGetFileType(path);
    return type == FileTypeAvi ? pmIsAviCodecReady(path) : (type != FileTypeOther && pmIsMovCodecReady(path));
}

} // namespace

TEST_F(SampleCardTest, SmallAndComplete)
{
    std::uintmax_t bytes = 0;
    for (const auto& entry : fs::recursive_directory_iterator(sDir->path()))
        if (entry.is_regular_file())
            bytes += entry.file_size();
    EXPECT_LT(bytes, 40u * 1000 * 1000);

    std::set<int> categories;
    std::set<int> days;
    for (const PlannedClip& clip : pmSampleCardPlan()) {
        for (bool rear : {false, true}) {
            if (rear && !clip.rear)
                continue;
            const std::string path = at(clip.path(rear));
            ASSERT_TRUE(fs::exists(path)) << path;
            EXPECT_TRUE(isAccepted(path)) << path;
            EXPECT_EQ(pmGetCameraType(path), rear ? CameraRear : CameraFront) << path;
            categories.insert(pmGetVideoType(path));
            const std::optional<double> duration = pmGetMediaDuration(path);
            ASSERT_TRUE(duration) << path;
            EXPECT_NEAR(*duration, clip.seconds, 0.5) << path;
            const auto written = fs::last_write_time(path);
            const auto system = std::chrono::system_clock::now() + (written - fs::file_time_type::clock::now());
            const CalendarDate day = pmCalendarDate(system);
            days.insert(day.day);
            EXPECT_EQ(day.month, 11) << path;
        }
        if (clip.rear) {
            EXPECT_EQ(pmGetAnotherCameraFile(at(clip.path(false))), at(clip.path(true)));
        }
    }
    EXPECT_EQ(categories.size(), 5u);
    EXPECT_EQ(days.size(), 3u);
    for (const RejectedFile& reject : pmSampleCardRejects()) {
        ASSERT_TRUE(fs::exists(at(reject.path))) << reject.path;
        EXPECT_FALSE(isAccepted(at(reject.path))) << reject.why;
    }
}

TEST_F(SampleCardTest, EveryRecordingFindsItsTrack)
{
    bool sawSensorOnly = false;
    bool sawEmbeddedEvent = false;
    for (const PlannedClip& clip : pmSampleCardPlan()) {
        for (bool rear : {false, true}) {
            if (rear && !clip.rear)
                continue;
            const std::string path = at(clip.path(rear));
            GpsList list;
            const LoadedTrack track = pmLoadTrack(path, *pmGetMediaDuration(path), list);
            const bool hasLog = clip.track != TrackStore::None && clip.track != TrackStore::AviChunks &&
                                clip.track != TrackStore::AviSensorChunk;
            EXPECT_EQ(track.logFile.has_value(), hasLog) << path;
            EXPECT_EQ(track.loaded, clip.track != TrackStore::None) << path;
            if (!track.loaded)
                continue;
            EXPECT_EQ(list.GetDataCount(), clip.seconds) << path;
            EXPECT_TRUE(list.IsGSensorReady()) << path;
            const bool positions = clip.track != TrackStore::SensorLog && clip.track != TrackStore::AviSensorChunk;
            EXPECT_EQ(list.IsGPSReady(), positions) << path;
            if (positions) {
                const GpsData* first = list.GetGpsData(0);
                EXPECT_NEAR(first->fLatitude(), 25.05, 0.02) << "in Taipei: " << path;
                EXPECT_NEAR(first->fLongitude(), 121.535, 0.025) << path;
            }
            const bool event = pmGetVideoType(path) == VideoEvent && std::abs(clip.peakG) > 0.5;
            EXPECT_EQ(track.eventSecond, event ? clip.seconds / 2 : -1) << "the planned peak: " << path;
            sawSensorOnly = sawSensorOnly || clip.track == TrackStore::AviSensorChunk;
            sawEmbeddedEvent = sawEmbeddedEvent || (event && clip.track == TrackStore::AviChunks);
        }
    }
    EXPECT_TRUE(sawSensorOnly);
    EXPECT_TRUE(sawEmbeddedEvent);
}
