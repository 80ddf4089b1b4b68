// The playback controller driven through the play bar, the tool bar and the keyboard, on
// real clips named like a camera's recordings: the state table, speed, seeking, the end of
// the play list, missing files, front and rear pairs, full screen and the keys.
#include "GuiTestSupport.h"
#include "TestClips.h"

#include "LocalizedText.h"
#include "app/MainWindow.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "controls/PanelHost.h"
#include "Preferences.h"
#include "app/ToolbarView.h"
#include "controls/BitmapButton.h"
#include "browse/FileListView.h"
#include "display/MapView.h"
#include "controls/MultiButtons.h"
#include "controls/PlayControlView.h"
#include "controls/Slider.h"
#include "playback/VideoPlayerView.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// One recording of the card; recordings of one moment share their modification time, and
// the moments follow each other a minute apart, so the play list keeps each pair together.
struct Clip {
    QString path;
    int moment;
    int seconds = 4;
};

class PlaybackTest : public ::testing::Test {
protected:
    void write(const std::vector<Clip>& clips)
    {
        const QDateTime start = QDateTime::currentDateTime().addSecs(-3600);
        for (const Clip& clip : clips) {
            const QString path = dir.filePath(clip.path);
            QDir().mkpath(QFileInfo(path).absolutePath());
            ClipOptions options;
            options.seconds = clip.seconds;
            options.inverted = clip.path.endsWith("R.MP4");
            ASSERT_TRUE(writeTestClip(path.toStdString(), options)) << path.toStdString();
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            file.setFileTime(start.addSecs(60 * clip.moment), QFileDevice::FileModificationTime);
        }
    }
    // Front and rear of moments 1 and 2, and a front alone at moment 3.
    void writeCard(int rearSeconds = 4)
    {
        write({{"DCIM/100F/FILE0001F.MP4", 1}, {"DCIM/100R/FILE0001R.MP4", 1, rearSeconds},
               {"DCIM/100F/FILE0002F.MP4", 2}, {"DCIM/100R/FILE0002R.MP4", 2},
               {"DCIM/100F/FILE0003F.MP4", 3}});
    }
    void launch()
    {
        app = launchApplication(dir.path());
        bar = app->playbarView();
        // Window shortcuts act in the active window only.
        app->mainWindow()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(app->mainWindow()));
    }
    int indexOf(const QString& relative) const
    {
        const QString path = QFileInfo(dir.filePath(relative)).canonicalFilePath();
        for (int i = 0; i < app->playlist().count(); ++i) {
            if (QFileInfo(QString::fromStdString(app->playlist().at(i).URL())).canonicalFilePath() == path)
                return i;
        }
        return -1;
    }
    QString openPath(VideoPlayerView* view) const
    {
        return view && app->getCurPlayIndex() >= 0 ? QString::fromStdString(app->playlist().at(app->getCurPlayIndex()).URL()) : QString();
    }
    bool waitReady()
    {
        return waitFor([this] { return app->playersShowSecond(-1); });
    }
    void open(const QString& relative)
    {
        ASSERT_TRUE(app->openRecording(dir.filePath(relative)));
        ASSERT_TRUE(waitReady());
    }
    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void key(int qtKey) { QTest::keyClick(app->mainWindow(), Qt::Key(qtKey)); }

    QTemporaryDir dir;
    std::unique_ptr<AppDelegate> app;
    PlayControlView* bar = nullptr;
};

} // namespace

TEST_F(PlaybackTest, PlayPauseFollowTheStateTableAndSurviveSleepAndClose)
{
    write({{"DCIM/100F/FILE0001F.MP4", 1, 6}, {"DCIM/100F/FILE0002F.MP4", 2, 6}});
    launch();
    EXPECT_EQ(app->getState(), 0);
    EXPECT_TRUE(bar->poPlayBtn()->isEnabled());

    app->dblClickFile(1);
    EXPECT_EQ(app->getState(), 2);
    ASSERT_TRUE(waitReady());
    EXPECT_EQ(bar->poPlayBtn()->getCurButtonIndex(), 1);
    EXPECT_EQ(bar->poTimeSlider()->maxValue(), 6);
    EXPECT_TRUE(bar->poTimeSlider()->isSliderEnabled());
    EXPECT_EQ(VideoPlayerView::livePlayerCount(), 1);

    click(bar->poPlayBtn()); // offers pause while playing
    EXPECT_EQ(app->getState(), 3);
    EXPECT_EQ(bar->poPlayBtn()->getCurButtonIndex(), 0);
    click(bar->poPlayBtn());
    EXPECT_EQ(app->getState(), 2);
    EXPECT_EQ(bar->poPlayBtn()->getCurButtonIndex(), 1);
    // Re-choosing the open entry does not restart it.
    VideoPlayerView* view = app->videoPlayView();
    app->dblClickFile(1);
    EXPECT_EQ(app->videoPlayView(), view);

    app->makeSleep();
    EXPECT_EQ(app->getState(), 3);
    app->makeWake();
    EXPECT_EQ(app->getState(), 3);
    click(bar->poPlayBtn());
    app->mainWindow()->close();
    EXPECT_EQ(app->getState(), 3);

    app->rebuildPlaylist();
    EXPECT_EQ(app->getState(), 0);
    EXPECT_EQ(app->videoPlayView(), nullptr);
    EXPECT_EQ(VideoPlayerView::livePlayerCount(), 0);
}

TEST_F(PlaybackTest, SpeedButtonCyclesTheRatesAndPausedChoiceWaitsForPlay)
{
    write({{"DCIM/100F/FILE0001F.MP4", 1, 6}});
    launch();
    open("DCIM/100F/FILE0001F.MP4");
    const float expected[] = {1.5f, 2.0f, 0.25f, 0.5f, 1.0f};
    for (float rate : expected) {
        click(bar->poSpeedBtn());
        EXPECT_FLOAT_EQ(app->playSpeed(), rate);
        EXPECT_FLOAT_EQ(app->videoPlayView()->playSpeed(), rate);
    }
    click(bar->poPlayBtn());
    ASSERT_EQ(app->getState(), 3);
    click(bar->poSpeedBtn()); // 1.5 while paused: stored only
    EXPECT_FLOAT_EQ(app->playSpeed(), 1.5f);
    EXPECT_EQ(app->getState(), 3);
    EXPECT_FLOAT_EQ(app->videoPlayView()->playSpeed(), 1.0f);
    click(bar->poPlayBtn());
    EXPECT_FLOAT_EQ(app->videoPlayView()->playSpeed(), 1.5f);
    EXPECT_EQ(app->getState(), 2);
}

TEST_F(PlaybackTest, VolumeAndMuteCarryOverToTheNextRecording)
{
    write({{"DCIM/100F/FILE0001F.MP4", 1}, {"DCIM/100F/FILE0002F.MP4", 2}});
    launch();
    open("DCIM/100F/FILE0001F.MP4");
    NotificationCenter::defaultCenter().postNotification(kDoSliderChangedNotification, 3, {{kSliderTypeKey, "volume"}});
    EXPECT_EQ(app->volume(), 3);
    EXPECT_EQ(pmGetProfileInt("Volume", 8), 3);
    click(bar->poVolumeBtn());
    EXPECT_TRUE(app->isMuted());
    click(bar->poNextBtn());
    ASSERT_TRUE(waitReady());
    EXPECT_EQ(app->getCurPlayIndex(), 1);
    EXPECT_EQ(app->volume(), 3);
    EXPECT_TRUE(app->isMuted());
    pmSetProfileInt("Volume", 8);
}

TEST_F(PlaybackTest, SeekingWhilePlayingResumesAndWhilePausedStaysPaused)
{
    write({{"DCIM/100F/FILE0001F.MP4", 1, 8}});
    launch();
    open("DCIM/100F/FILE0001F.MP4");
    click(bar->poSpeedBtn()); // 1.5
    Slider* slider = bar->poTimeSlider();
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(slider->width() * 3 / 4, slider->height() / 2));
    const int target = slider->getCurrentValue();
    EXPECT_GT(target, 2);
    EXPECT_EQ(app->selectedMovieCurrentTime(), target);
    EXPECT_EQ(app->getState(), 2);
    EXPECT_FLOAT_EQ(app->videoPlayView()->playSpeed(), 1.5f);
    ASSERT_TRUE(waitFor([&] { return app->videoPlayView()->getitemTime() >= target; }));

    app->pausePlayback();
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(slider->width() / 4, slider->height() / 2));
    const int early = slider->getCurrentValue();
    EXPECT_LT(early, target);
    EXPECT_EQ(app->getState(), 3);
    ASSERT_TRUE(waitFor([&] { return app->playersShowSecond(early); }));
    // Half a second of the player's own clock: time for a paused player to move, had it resumed.
    ASSERT_TRUE(waitForClockTicks(app->videoPlayView(), 2));
    EXPECT_EQ(app->getState(), 3);
    EXPECT_EQ(int(app->videoPlayView()->getitemTime()), early);
    EXPECT_EQ(bar->playTime(), early);
}

TEST_F(PlaybackTest, PlayListRunsOnAndStopsAtTheStartAfterTheLastEntry)
{
    write({{"DCIM/100F/FILE0001F.MP4", 1, 1}, {"DCIM/100F/FILE0002F.MP4", 2, 1}});
    launch();
    open("DCIM/100F/FILE0001F.MP4");
    ASSERT_TRUE(waitFor([&] { return app->getCurPlayIndex() == 1; }));
    ASSERT_TRUE(waitFor([&] { return app->getState() == 3; }));
    // The rewound first picture comes last of what the end brings; the recordings last a second.
    ASSERT_TRUE(waitFor([&] { return app->videoPlayView()->pictureTime() < 0.5; }));
    EXPECT_EQ(app->getCurPlayIndex(), 1);
    EXPECT_EQ(app->getState(), 3);
    EXPECT_EQ(app->selectedMovieCurrentTime(), 0.0);
    EXPECT_EQ(bar->poTimeSlider()->getCurrentValue(), 0);
    EXPECT_EQ(bar->poPlayBtn()->getCurButtonIndex(), 0);
    // Next from the last entry wraps to the first.
    click(bar->poNextBtn());
    EXPECT_EQ(app->getCurPlayIndex(), 0);
    click(bar->poPrevBtn());
    EXPECT_EQ(app->getCurPlayIndex(), 1);
}

TEST_F(PlaybackTest, MissingOrBrokenFileLeavesTheWindowUsable)
{
    write({{"DCIM/100F/FILE0001F.MP4", 1}, {"DCIM/100F/FILE0002F.MP4", 2}, {"DCIM/100F/FILE0003F.MP4", 3}});
    launch();
    int removed = 0;
    NotificationCenter::defaultCenter().addObserver(this, kVideoFileIsRemoved, [&](const Notification&) { ++removed; });
    open("DCIM/100F/FILE0001F.MP4");
    QFile::remove(dir.filePath("DCIM/100F/FILE0002F.MP4"));
    QFile garbage(dir.filePath("DCIM/100F/FILE0003F.MP4"));
    ASSERT_TRUE(garbage.open(QIODevice::ReadWrite));
    garbage.seek(garbage.size() / 2);
    garbage.write(QByteArray(int(garbage.size() / 2), '\x5a'));
    garbage.close();
    app->dblClickFile(1);
    EXPECT_EQ(removed, 1);
    EXPECT_EQ(app->getState(), 0);
    EXPECT_EQ(VideoPlayerView::livePlayerCount(), 0);
    // The folder check has dropped the vanished recording from the play list.
    ASSERT_EQ(app->playlist().count(), 2);
    app->dblClickFile(1); // damaged frames: no crash, the controls go on
    // The player reports an error or goes on loading: a while of its own clock is the measure.
    ASSERT_TRUE(waitForClockTicks(app->videoPlayView(), 3));
    EXPECT_EQ(VideoPlayerView::livePlayerCount(), 1);
    app->dblClickFile(0);
    EXPECT_TRUE(waitReady());
    NotificationCenter::defaultCenter().removeObserver(this);
}

TEST_F(PlaybackTest, RecordingShorterThanASecondGetsAUsableTimeSlider)
{
    // The movie containers' check turns such a short recording away; an AVI passes.
    const QString path = dir.filePath("DCIM/100F/FILE0001F.AVI");
    QDir().mkpath(QFileInfo(path).absolutePath());
    ASSERT_EQ(QProcess::execute("ffmpeg", {"-nostdin", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                                           "color=red:s=160x90:r=25:d=0.6", "-c:v", "mjpeg", path}),
              0);
    launch();
    ASSERT_TRUE(app->openRecording(path));
    Slider* slider = bar->poTimeSlider();
    EXPECT_FALSE(slider->isSliderEnabled());
    EXPECT_EQ(slider->minValue(), 0);
    EXPECT_EQ(slider->maxValue(), 1);
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(slider->width() / 2, slider->height() / 2));
    EXPECT_EQ(slider->getCurrentValue(), 0);
    ASSERT_TRUE(waitFor([&] { return app->getState() == 3; }));
    EXPECT_EQ(bar->playTime(), 0);
}

TEST_F(PlaybackTest, PairsOpenFrontInTheFirstPlayerWhicheverWasChosen)
{
    writeCard();
    launch();
    ASSERT_TRUE(app->isDualCameraMode());
    EXPECT_TRUE(app->toolbarView()->oWindowSwitchBtn()->isVisible());

    open("DCIM/100F/FILE0001F.MP4");
    EXPECT_TRUE(app->has2Videos());
    EXPECT_EQ(app->getCurPlayIndex(), indexOf("DCIM/100F/FILE0001F.MP4"));
    EXPECT_EQ(app->getCurPlayIndex2(), indexOf("DCIM/100R/FILE0001R.MP4"));
    EXPECT_FALSE(app->isVideoSwitched());
    EXPECT_TRUE(app->videoPlayView2()->isMuted() || VideoPlayerView::livePlayerCount() == 2);

    app->dblClickFile(indexOf("DCIM/100R/FILE0002R.MP4"));
    ASSERT_TRUE(waitReady());
    EXPECT_EQ(app->getCurPlayIndex(), indexOf("DCIM/100F/FILE0002F.MP4"));
    EXPECT_EQ(app->getCurPlayIndex2(), indexOf("DCIM/100R/FILE0002R.MP4"));
    EXPECT_TRUE(app->isVideoSwitched());
    EXPECT_GT(app->playerView2()->width(), app->playerView()->width());

    app->dblClickFile(indexOf("DCIM/100F/FILE0003F.MP4"));
    EXPECT_FALSE(app->has2Videos());
    EXPECT_EQ(app->getCurPlayIndex2(), -1);
    EXPECT_FALSE(app->isVideoSwitched());
    EXPECT_EQ(VideoPlayerView::livePlayerCount(), 1);
}

TEST_F(PlaybackTest, BothPlayersFollowEveryCommandAndTheShorterRearRests)
{
    writeCard(2);
    launch();
    open("DCIM/100F/FILE0001F.MP4");
    VideoPlayerView* rear = app->videoPlayView2();
    click(bar->poSpeedBtn()); // 1.5 on both
    EXPECT_FLOAT_EQ(rear->playSpeed(), 1.5f);
    click(bar->poPlayBtn());
    EXPECT_EQ(rear->getState(), 3);
    key(Qt::Key_Right); // paused seek to 5 s lands on the length, 4 s
    EXPECT_EQ(app->selectedMovieCurrentTime(), 4);
    app->setCurrentMovieTime(1);
    ASSERT_TRUE(waitFor([&] { return app->playersShowSecond(1); }));
    click(bar->poPlayBtn());
    EXPECT_EQ(rear->getState(), 2);
    // The rear ends first and rests at its start while the front plays on.
    ASSERT_TRUE(waitFor([&] { return rear->getState() == 3; }));
    EXPECT_EQ(app->getState(), 2);
    EXPECT_EQ(app->getCurPlayIndex(), indexOf("DCIM/100F/FILE0001F.MP4"));
    // Then the front's end opens the next pair.
    ASSERT_TRUE(waitFor([&] { return app->getCurPlayIndex() == indexOf("DCIM/100F/FILE0002F.MP4"); }));
    EXPECT_EQ(app->getCurPlayIndex2(), indexOf("DCIM/100R/FILE0002R.MP4"));
    EXPECT_LE(VideoPlayerView::livePlayerCount(), 2);
}

TEST_F(PlaybackTest, StepsPairByPairAndRapidNextLeavesOnePlayerPerCamera)
{
    writeCard();
    launch();
    open("DCIM/100F/FILE0001F.MP4");
    click(bar->poNextBtn());
    EXPECT_EQ(app->getCurPlayIndex(), indexOf("DCIM/100F/FILE0002F.MP4"));
    EXPECT_EQ(app->getCurPlayIndex2(), indexOf("DCIM/100R/FILE0002R.MP4"));
    click(bar->poNextBtn());
    EXPECT_EQ(app->getCurPlayIndex(), indexOf("DCIM/100F/FILE0003F.MP4"));
    EXPECT_FALSE(app->has2Videos());
    click(bar->poPrevBtn()); // lands on the rear of the pair before: opened through its front
    EXPECT_EQ(app->getCurPlayIndex(), indexOf("DCIM/100F/FILE0002F.MP4"));
    EXPECT_TRUE(app->has2Videos());

    for (int i = 0; i < 20; ++i) {
        click(bar->poNextBtn());
        // The pace of a user's clicks: each lands while the players opened by the one before
        // are somewhere in their loading, which is the point, so there is nothing to wait for.
        QTest::qWait(50);
        EXPECT_LE(VideoPlayerView::livePlayerCount(), 2);
    }
    EXPECT_TRUE(waitReady());
    EXPECT_EQ(app->getState(), 2);
    // What shows is the entry the presses stopped at, on one player per camera.
    ASSERT_TRUE(app->has2Videos());
    EXPECT_EQ(app->videoPlayView()->path(), openPath(app->videoPlayView()));
    EXPECT_EQ(app->videoPlayView2()->path(), QString::fromStdString(app->playlist().at(app->getCurPlayIndex2()).URL()));
    EXPECT_EQ(VideoPlayerView::livePlayerCount(), 2);
    EXPECT_TRUE(waitFor([] { return VideoPlayerView::retiredPlayerCount() == 0; }));
}

TEST_F(PlaybackTest, ARouteClickShowsThatSecondOfThatRecordingWithItsPartner)
{
    writeCard();
    launch();
    open("DCIM/100F/FILE0001F.MP4");

    // Another recording: opened as a double click would, then moved to the second.
    const int last = indexOf("DCIM/100F/FILE0003F.MP4");
    app->openAt(last, 2);
    ASSERT_TRUE(waitFor([&] { return app->getCurPlayIndex() == last && app->playersShowSecond(2); }));
    EXPECT_EQ(app->fileListView()->getCurSel(), last);

    // The open recording: a seek.
    app->openAt(last, 0);
    ASSERT_TRUE(waitFor([&] { return app->playersShowSecond(0); }));
    EXPECT_EQ(app->getCurPlayIndex(), last);

    // A front of a pair: its rear follows to the same second.
    const int pair = indexOf("DCIM/100F/FILE0002F.MP4");
    app->openAt(pair, 2);
    // The rear opens at that second, not at its start to be brought there by the drift correction.
    ASSERT_NE(app->videoPlayView2(), nullptr);
    EXPECT_DOUBLE_EQ(app->videoPlayView2()->getitemTime(), 2.0);
    ASSERT_TRUE(waitFor([&] { return app->getCurPlayIndex() == pair && app->has2Videos() && app->playersShowSecond(2); }));
    EXPECT_EQ(app->getCurPlayIndex2(), indexOf("DCIM/100R/FILE0002R.MP4"));
}

TEST_F(PlaybackTest, WindowSwitchSwapsThePicturesAndBackAgain)
{
    writeCard();
    launch();
    BitmapButton* switchButton = app->toolbarView()->oWindowSwitchBtn();
    click(switchButton); // nothing open: nothing to swap
    EXPECT_FALSE(app->isVideoSwitched());
    open("DCIM/100F/FILE0001F.MP4");
    const QRect large = app->playerView()->geometry();
    const QRect small = app->playerView2()->geometry();
    click(switchButton);
    EXPECT_TRUE(app->isVideoSwitched());
    EXPECT_EQ(app->playerView()->geometry(), small);
    EXPECT_EQ(app->playerView2()->geometry(), large);
    app->switchVideoWindow(true); // already so
    EXPECT_EQ(app->playerView2()->geometry(), large);
    click(switchButton);
    EXPECT_EQ(app->playerView()->geometry(), large);
    EXPECT_EQ(app->playerView2()->geometry(), small);
    // Each picture follows its container.
    EXPECT_TRUE(waitFor([&] { return app->videoPlayView()->size() == large.size(); }));
}

TEST_F(PlaybackTest, FullScreenRoundTripsRestoreTheWindow)
{
    write({{"DCIM/100F/FILE0001F.MP4", 1, 6}});
    launch();
    MainWindow* window = app->mainWindow();
    open("DCIM/100F/FILE0001F.MP4");
    QRect frame = window->geometry();

    // Each switch is followed by a layout, which waits for the new frame.
    const LogWatch layouts(kContentsLaidOut);
    click(bar->poFullScreenBtn());
    EXPECT_EQ(layouts.count(), 0); // the layout waits for the new frame
    EXPECT_EQ(app->screenMode(), 1);
    EXPECT_TRUE(app->isMenuBarHidden());
    EXPECT_FALSE(app->toolbarView()->isVisible());
    EXPECT_FALSE(app->mapView()->isVisible());
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(app->getState(), 2);
    ASSERT_TRUE(layouts.waitFor(1));
    EXPECT_EQ(layouts.count(), 1);
    EXPECT_EQ(window->geometry().size(), window->screen()->geometry().size());
    click(bar->poFullScreenBtn());
    EXPECT_EQ(app->screenMode(), 0);
    EXPECT_FALSE(app->isMenuBarHidden());
    EXPECT_TRUE(app->toolbarView()->isVisible());
    ASSERT_TRUE(layouts.waitFor(2));
    // The frame may settle once more just after the layout.
    EXPECT_TRUE(waitFor([&] { return window->geometry() == frame; }));
    EXPECT_EQ(window->windowTitle(), pmLoadString("IDR_MAINFRAME"));

    frame = window->geometry();
    // Leaving at once, before the window system has carried out the way in.
    app->onButtonMapFullScreen();
    EXPECT_EQ(app->screenMode(), 2);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_TRUE(app->mapView()->isVisible());
    key(Qt::Key_Escape);
    EXPECT_EQ(app->screenMode(), 0);
    ASSERT_TRUE(layouts.waitFor(4));
    EXPECT_FALSE(window->isFullScreen());
    EXPECT_TRUE(waitFor([&] { return window->geometry() == frame; }));
}

TEST_F(PlaybackTest, KeysOfTheWindowDriveThePlayer)
{
    write({{"DCIM/100F/FILE0001F.MP4", 1, 8}, {"DCIM/100F/FILE0002F.MP4", 2}});
    launch();
    open("DCIM/100F/FILE0001F.MP4");
    key(Qt::Key_Space);
    EXPECT_EQ(app->getState(), 3);
    EXPECT_EQ(bar->poPlayBtn()->getCurButtonIndex(), 0);
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    EXPECT_EQ(app->selectedMovieCurrentTime(), 8);
    key(Qt::Key_Left);
    EXPECT_EQ(app->selectedMovieCurrentTime(), 3);
    EXPECT_EQ(bar->poTimeSlider()->getCurrentValue(), 3);
    key(Qt::Key_Space);
    EXPECT_EQ(app->getState(), 2);
    key(Qt::Key_F);
    EXPECT_EQ(app->screenMode(), 1);
    key(Qt::Key_Escape);
    EXPECT_EQ(app->screenMode(), 0);
    key(Qt::Key_PageDown);
    EXPECT_EQ(app->getCurPlayIndex(), 1);
    key(Qt::Key_PageUp);
    EXPECT_EQ(app->getCurPlayIndex(), 0);
    // The menu names the commands with their keys.
    QMenu* playback = app->mainWindow()->menuBar()->actions().at(1)->menu();
    ASSERT_NE(playback, nullptr);
    EXPECT_EQ(playback->title(), pmLoadString("IDS_MENU_PLAYBACK"));
    EXPECT_EQ(playback->actions().front()->shortcut(), QKeySequence(Qt::Key_Space));
}
