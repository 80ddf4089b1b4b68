// Stepping through the play list on players loaded ahead: a prepared player stays silent and
// out of the counts until it is taken, the step shows its picture at once, and no prepared
// player outlives the play list it was made for.
#include "GuiTestSupport.h"
#include "TestClips.h"
#include "WaitFor.h"

#include "NotificationNames.h"
#include "app/MainWindow.h"
#include "controls/BitmapButton.h"
#include "controls/PlayControlView.h"
#include "playback/VideoPlayerView.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr int kOpenMs = 10000;

class PreparedPlaybackTest : public ::testing::Test {
protected:
    // Pairs at moments 1 and 2 and a front alone at moment 3, a minute apart.
    void writeCard()
    {
        const QDateTime start = QDateTime::currentDateTime().addSecs(-3600);
        const std::vector<std::pair<QString, int>> clips = {{"DCIM/100F/FILE0001F.MP4", 1}, {"DCIM/100R/FILE0001R.MP4", 1},
                                                            {"DCIM/100F/FILE0002F.MP4", 2}, {"DCIM/100R/FILE0002R.MP4", 2},
                                                            {"DCIM/100F/FILE0003F.MP4", 3}};
        for (const auto& [relative, moment] : clips) {
            const QString path = dir.filePath(relative);
            QDir().mkpath(QFileInfo(path).absolutePath());
            ClipOptions options;
            options.seconds = 4;
            options.inverted = relative.endsWith("R.MP4");
            ASSERT_TRUE(writeTestClip(path.toStdString(), options));
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            file.setFileTime(start.addSecs(60 * moment), QFileDevice::FileModificationTime);
        }
    }
    bool waitReady()
    {
        return QTest::qWaitFor([this] { return app->playersShowSecond(-1); }, kOpenMs);
    }
    // Next with the neighbours prepared and their first pictures decoded.
    void stepWhenPrepared(int expectedPrepared)
    {
        ASSERT_TRUE(waitFor([&] {
            int pictured = 0;
            for (QWidget* widget : QApplication::allWidgets()) {
                const auto* view = qobject_cast<VideoPlayerView*>(widget);
                pictured += view && view->isPrepared() && !view->currentPicture().isNull();
            }
            return VideoPlayerView::preparedPlayerCount() == expectedPrepared && pictured == expectedPrepared;
        }));
        QTest::mouseClick(app->playbarView()->poNextBtn(), Qt::LeftButton);
    }

    QTemporaryDir dir;
    std::unique_ptr<AppDelegate> app;
};

} // namespace

TEST_F(PreparedPlaybackTest, StepShowsThePreparedPairAtOnceAndAnnouncesOnlyWhatOpens)
{
    writeCard();
    app = launchApplication(dir.path());
    NotificationRecorder ready(kAVPlayerReadyToPlayNotification);
    ASSERT_TRUE(app->openRecording(dir.filePath("DCIM/100F/FILE0001F.MP4")));
    ASSERT_TRUE(waitReady());
    // Next is the pair of moment 2; Previous wraps to the front of moment 3.
    stepWhenPrepared(3);
    ASSERT_TRUE(app->has2Videos());
    // Taken pictures are there before any new pipeline could have made one.
    EXPECT_FALSE(app->videoPlayView()->currentPicture().isNull());
    EXPECT_FALSE(app->videoPlayView2()->currentPicture().isNull());
    EXPECT_TRUE(app->videoPlayView()->path().endsWith("FILE0002F.MP4"));
    EXPECT_TRUE(app->videoPlayView2()->path().endsWith("FILE0002R.MP4"));
    EXPECT_EQ(VideoPlayerView::livePlayerCount(), 2);
    ASSERT_TRUE(waitReady());
    EXPECT_EQ(app->getState(), 2);
    QTest::qWait(300); // nothing to await: a prepared player's own announcement would come now
    // Two opens of two cameras: the prepared players said nothing of their own.
    ASSERT_EQ(ready.posts.size(), 4u);
    const QSet<QObject*> last = {ready.posts[2].object.value<QObject*>(), ready.posts[3].object.value<QObject*>()};
    EXPECT_EQ(last, (QSet<QObject*>{app->videoPlayView(), app->videoPlayView2()}));

    // From the pair to the front alone: the rear closes, nothing prepared is taken for it.
    stepWhenPrepared(3);
    EXPECT_TRUE(app->videoPlayView()->path().endsWith("FILE0003F.MP4"));
    EXPECT_FALSE(app->videoPlayView()->currentPicture().isNull());
    EXPECT_FALSE(app->has2Videos());
    EXPECT_EQ(VideoPlayerView::livePlayerCount(), 1);
}

TEST_F(PreparedPlaybackTest, NoPreparedPlayerOutlivesThePlayList)
{
    writeCard();
    app = launchApplication(dir.path());
    ASSERT_TRUE(app->openRecording(dir.filePath("DCIM/100F/FILE0002F.MP4")));
    ASSERT_TRUE(waitReady());
    ASSERT_TRUE(QTest::qWaitFor([] { return VideoPlayerView::preparedPlayerCount() > 0; }, kOpenMs));
    app->rebuildPlaylist();
    EXPECT_EQ(VideoPlayerView::preparedPlayerCount(), 0);
    EXPECT_EQ(VideoPlayerView::livePlayerCount(), 0);
    EXPECT_TRUE(QTest::qWaitFor([] { return VideoPlayerView::retiredPlayerCount() == 0; }, 2000));
    // Closing the window with players prepared leaves none behind either.
    ASSERT_TRUE(app->openRecording(dir.filePath("DCIM/100F/FILE0002F.MP4")));
    ASSERT_TRUE(waitReady());
    ASSERT_TRUE(QTest::qWaitFor([] { return VideoPlayerView::preparedPlayerCount() > 0; }, kOpenMs));
    app.reset();
    EXPECT_EQ(VideoPlayerView::preparedPlayerCount(), 0);
    EXPECT_EQ(VideoPlayerView::livePlayerCount(), 0);
}

TEST_F(PreparedPlaybackTest, PreparedViewWaitsPausedUntilActivated)
{
    ClipOptions options;
    options.seconds = 2;
    const QString path = dir.filePath("FILE0009F.MP4");
    ASSERT_TRUE(writeTestClip(path.toStdString(), options));
    QWidget container;
    container.resize(320, 200);
    container.show();
    NotificationRecorder ready(kAVPlayerReadyToPlayNotification);
    NotificationRecorder ends(kVideoEndNotification);
    const int live = VideoPlayerView::livePlayerCount();
    auto* view = new VideoPlayerView(container.rect(), &container);
    view->prepareURL(path, true);
    EXPECT_TRUE(view->isPrepared());
    EXPECT_EQ(VideoPlayerView::livePlayerCount(), live);
    EXPECT_EQ(VideoPlayerView::preparedPlayerCount(), 1);
    // Paused on its first picture, longer than the recording lasts: no readiness, no end.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view->currentPicture().isNull(); }, kOpenMs));
    QTest::qWait(2500); // longer than the recording lasts: an end would have come by now
    EXPECT_EQ(view->getState(), 3);
    EXPECT_TRUE(ready.posts.empty());
    EXPECT_TRUE(ends.posts.empty());
    EXPECT_FALSE(view->isReadyToPlay());

    view->activate();
    view->show(); // as its owner does when it takes it
    EXPECT_EQ(VideoPlayerView::livePlayerCount(), live + 1);
    EXPECT_EQ(VideoPlayerView::preparedPlayerCount(), 0);
    EXPECT_EQ(view->getState(), 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ready.posts.size() == 1; }, 1000));
    EXPECT_TRUE(view->normalView()->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return ends.posts.size() == 1; }, kOpenMs));
    delete view;
    EXPECT_EQ(VideoPlayerView::livePlayerCount(), live);
}
