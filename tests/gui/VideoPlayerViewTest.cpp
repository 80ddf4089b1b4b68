// The player view on real clips: readiness once, fitting, whole-second ticks, the end of a
// recording and release.
#include "GuiTestSupport.h"
#include "TestClips.h"

#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "playback/VideoPlayerView.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

class VideoPlayerViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        NotificationCenter& center = NotificationCenter::defaultCenter();
        center.addObserver(this, kAVPlayerReadyToPlayNotification, [this](const Notification& n) {
            readyFrom << n.object.value<QObject*>();
        });
        center.addObserver(this, kVideoEndNotification, [this](const Notification&) { ++ends; });
        container.resize(960, 600);
        container.show();
    }
    void TearDown() override { NotificationCenter::defaultCenter().removeObserver(this); }

    QString clip(const QString& name, const ClipOptions& options = {})
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(writeTestClip(path.toStdString(), options));
        return path;
    }

    VideoPlayerView* makeView()
    {
        auto* view = new VideoPlayerView(container.rect(), &container);
        view->show();
        return view;
    }

    QTemporaryDir dir;
    QWidget container;
    QList<QObject*> readyFrom;
    int ends = 0;
};

} // namespace

TEST_F(VideoPlayerViewTest, BecomesReadyOnceAtTheStoredSpeedAndFitsThePicture)
{
    ClipOptions options;
    options.width = 960;
    options.height = 540;
    options.seconds = 2;
    const QString path = clip("FILE0001F.MP4", options);
    VideoPlayerView* view = makeView();
    view->setRate(2.0f);
    EXPECT_EQ(view->getState(), 0);
    view->loadURL(path, true);
    EXPECT_EQ(view->getState(), 2);
    EXPECT_FALSE(view->normalView()->isVisible());
    ASSERT_TRUE(waitFor([&] { return !readyFrom.isEmpty(); }));
    const double shownAt = view->pictureTime();
    EXPECT_EQ(readyFrom.front(), view);
    EXPECT_TRUE(view->normalView()->isVisible());
    EXPECT_GE(logIndexOf(logMessages(), "VideoPlayerView - AVPlayerStatusReadyToPlay -  960.0 x 540.0"), 0);

    container.resize(480, 300);
    view->relayout(container.rect());
    EXPECT_EQ(view->pictureFrame(), QRect(0, 15, 480, 270));
    // A later size change of the container keeps the proportions.
    container.resize(240, 300);
    EXPECT_EQ(view->pictureFrame(), QRect(0, 82, 240, 135));
    // Half a second of pictures after the first, each a chance to announce readiness again.
    ASSERT_TRUE(waitFor([&] { return view->pictureTime() >= shownAt + 0.5; }));
    EXPECT_EQ(readyFrom.size(), 1);
    delete view;
}

TEST_F(VideoPlayerViewTest, SmallPictureIsNeverEnlargedAndWithoutPlayerFillsTheRectangle)
{
    ClipOptions options;
    options.width = 320;
    options.height = 180;
    VideoPlayerView* view = makeView();
    view->relayout(QRect(10, 20, 300, 200));
    EXPECT_EQ(view->pictureFrame(), QRect(10, 20, 300, 200));
    view->loadURL(clip("FILE0002F.MP4", options), false);
    ASSERT_TRUE(waitFor([&] { return view->isReadyToPlay(); }));
    view->relayout(QRect(0, 0, 960, 600));
    EXPECT_EQ(view->pictureFrame(), QRect(320, 210, 320, 180));
    delete view;
}

TEST_F(VideoPlayerViewTest, SeekIsExactAtOnceAndTicksRoundToWholeSeconds)
{
    VideoPlayerView* view = makeView();
    view->loadURL(clip("FILE0003F.MP4", {}), false);
    ASSERT_TRUE(waitFor([&] { return view->isReadyToPlay(); }));
    view->onPause();
    view->seekToTime(2.5);
    EXPECT_EQ(view->getCurrentTime(), 2.5);
    EXPECT_EQ(view->getState(), 3);
    ASSERT_TRUE(waitFor([&] { return view->getCurrentTime() == 3.0; })); // 2.5 rounds up
    view->onPlay();
    ASSERT_TRUE(waitFor([&] { return view->getCurrentTime() == 4.0; }));
    EXPECT_EQ(view->getState(), 2);
    delete view;
}

TEST_F(VideoPlayerViewTest, EndRewindsAndPausesAndIsAnnouncedOnlyWhenAsked)
{
    ClipOptions options;
    options.seconds = 1;
    VideoPlayerView* announcing = makeView();
    VideoPlayerView* silent = makeView();
    announcing->loadURL(clip("FILE0004F.MP4", options), true);
    silent->loadURL(clip("FILE0004R.MP4", options), false);
    ASSERT_TRUE(waitFor([&] { return ends == 1 && silent->getState() == 3; }));
    // The rewound first pictures come last of what the ends bring; the clips last a second.
    ASSERT_TRUE(waitFor([&] { return announcing->pictureTime() < 0.5 && silent->pictureTime() < 0.5; }));
    EXPECT_EQ(ends, 1);
    for (VideoPlayerView* view : {announcing, silent}) {
        EXPECT_EQ(view->getState(), 3);
        EXPECT_EQ(view->getCurrentTime(), 0.0);
    }
    delete announcing;
    delete silent;
}

TEST_F(VideoPlayerViewTest, ReleasedRecordingSendsNothingMore)
{
    ClipOptions options;
    options.seconds = 1;
    const int before = VideoPlayerView::livePlayerCount();
    VideoPlayerView* view = makeView();
    view->loadURL(clip("FILE0005F.MP4", options), true);
    EXPECT_EQ(VideoPlayerView::livePlayerCount(), before + 1);
    view->releasePlayer();
    EXPECT_EQ(VideoPlayerView::livePlayerCount(), before);
    EXPECT_EQ(view->getState(), 0);
    EXPECT_FALSE(view->normalView()->isVisible());
    // Once the released player is destroyed, nothing of it is left to send anything.
    EXPECT_TRUE(waitFor([] { return VideoPlayerView::retiredPlayerCount() == 0; }));
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(readyFrom.isEmpty());
    EXPECT_EQ(ends, 0);
    EXPECT_EQ(view->getCurrentTime(), 0.0);
    delete view;
}

TEST_F(VideoPlayerViewTest, BrokenMediaNeverBecomesReady)
{
    const QString path = dir.filePath("FILE0006F.MP4");
    {
        ASSERT_TRUE(writeTestClip(path.toStdString(), {}));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.resize(file.size() / 3); // the movie header at the end is cut off
    }
    VideoPlayerView* view = makeView();
    view->loadURL(path, true);
    // The player reports an error or goes on loading for good: nothing marks the end of its
    // trying, so a while of the view's own clock is the measure.
    ASSERT_TRUE(waitForClockTicks(view, 3));
    EXPECT_TRUE(readyFrom.isEmpty());
    EXPECT_FALSE(view->normalView()->isVisible());
    EXPECT_NE(view->getState(), 0);
    delete view;
}

TEST_F(VideoPlayerViewTest, DelayedOpeningKeepsTheSeekAndADroppedOneStartsNothing)
{
    const QString path = clip("FILE0007F.MP4", {});
    ASSERT_TRUE(waitFor([] { return VideoPlayerView::retiredPlayerCount() == 0; }));
    VideoPlayerView* dropped = makeView();
    dropped->loadURL(path, true, 100);
    delete dropped;
    EXPECT_EQ(VideoPlayerView::retiredPlayerCount(), 0); // no pipeline was there to stop

    VideoPlayerView* view = makeView();
    view->loadURL(path, true, 100);
    EXPECT_EQ(view->getState(), 2);
    view->seekToTime(3.0);
    // From the seek on, the position never falls back to the start the pipeline opens at.
    double lowest = view->getitemTime();
    ASSERT_TRUE(waitFor([&] {
        lowest = std::min(lowest, view->getitemTime());
        return view->isReadyToPlay() && view->pictureTime() >= 3.0;
    }));
    EXPECT_GE(lowest, 3.0);
    EXPECT_EQ(readyFrom, QList<QObject*>{view});
    delete view;
}

TEST_F(VideoPlayerViewTest, PlayersStartedTogetherRunInStepAndNoPartnerHoldsTheOtherForGood)
{
    const QString front = clip("FILE0008F.MP4", {});
    const QString rear = clip("FILE0008R.MP4", {});
    VideoPlayerView* early = makeView();
    VideoPlayerView* late = makeView();
    early->loadURL(front, false);
    late->loadURL(rear, false, 150);
    VideoPlayerView::startTogether(early, late);
    ASSERT_TRUE(waitFor([&] { return late->isReadyToPlay() && late->getitemTime() >= 1.0; }));
    // The first one with a picture waited on it for the other.
    EXPECT_NEAR(early->getitemTime(), late->getitemTime(), 0.04);
    delete late;

    const QString broken = dir.filePath("FILE0009R.MP4");
    {
        ASSERT_TRUE(writeTestClip(broken.toStdString(), {}));
        QFile file(broken);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.resize(file.size() / 3);
    }
    const QString whole = clip("FILE0009F.MP4", {});
    VideoPlayerView* alone = makeView();
    VideoPlayerView* neverReady = makeView();
    alone->loadURL(whole, false);
    neverReady->loadURL(broken, false);
    VideoPlayerView::startTogether(alone, neverReady);
    EXPECT_TRUE(waitFor([&] { return alone->getitemTime() >= 1.0; }));
    delete alone;
    delete neverReady;
    // A partner that takes its time is not waited for longer than a moment either.
    VideoPlayerView* patient = makeView();
    VideoPlayerView* farOff = makeView();
    patient->loadURL(whole, false);
    farOff->loadURL(whole, false, 2 * kWaitMs);
    VideoPlayerView::startTogether(patient, farOff);
    EXPECT_TRUE(waitFor([&] { return patient->getitemTime() >= 1.0; }));
    delete patient;
    delete farOff;
    delete early;
}
