// The playback subsystem's front and rear cameras: the second player beside the first, opened pair
// by pair and driven with it.
#include "PlaybackController.h"

#include "LogText.h"
#include "controls/PanelHost.h"
#include "VideoPlayerView.h"
#include "browse/BrowseController.h"
#include "library/CameraPairing.h"
#include "library/PlaylistStepping.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace {

// Beyond this the second player is brought back to the first by a seek; below it, by a
// slightly faster or slower rate, so that neither picture jumps.
constexpr double kResyncSeekSeconds = 0.5;
constexpr double kInStepSeconds = 0.02;
// The largest share by which the follower's rate departs from the chosen rate.
constexpr double kMaxNudge = 0.1;
// How much of the difference a nudge makes up before the next tick.
constexpr double kTickSeconds = 0.5;

} // namespace

void PlaybackController::enable2VideoWindow(bool enable)
{
    pmWriteLogText(QString::asprintf("AppDelegate::enable2VideoWindow = %d", enable ? 1 : 0));
    if (m_bSwitchVideo)
        switchVideoWindow(false);
    const bool changed = enable != m_b2VideoWindowEnable;
    m_b2VideoWindowEnable = enable;
    emit dualModeChanged(enable, changed);
}

void PlaybackController::setCurPlaylistIndex2(int index, bool /*autoPlay*/)
{
    if (index == m_nCurPlayIndex2)
        return;
    if (mVideoPlayView2) {
        releasePlayerView(mVideoPlayView2);
        currectasset2.clear();
    }
    m_nCurPlayIndex2 = index;
    const Playlist& playlist = mBrowse.playlist();
    if (!playlist.isValidIndex(index))
        return;
    const QString path = QString::fromStdString(playlist.at(index).URL());
    // The first player's opening reports missing files.
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    pmWriteLogText("AppDelegate - ready to open video 2 : " + path);
    mVideoPlayView2 = openPlayerView(mPlayerView2, path, false);
    currectasset2 = path;
    mVideoPlayView2->setMuted(true);
    // The first player may already have been sent on, by a click on the route or a time asked
    // for: the second starts there rather than at its beginning.
    if (const double seconds = mVideoPlayView ? mVideoPlayView->getitemTime() : 0; seconds > 0)
        mVideoPlayView2->seekToTime(seconds);
    mLargestDualDifference = 0;
}

void PlaybackController::switchVideoWindow(bool swapped)
{
    m_bSwitchVideo = swapped;
    const QRect front = mPlayerView ? mPlayerView->geometry() : QRect();
    const QRect rear = mPlayerView2 ? mPlayerView2->geometry() : QRect();
    if ((swapped && rear.width() >= front.width()) || (!swapped && rear.width() <= front.width()))
        return;
    mPlayerView->setGeometry(rear);
    mPlayerView2->setGeometry(front);
    mPlayerView->setVisible(!mIsMapFullScreen());
    mPlayerView2->setVisible(m_b2VideoWindowEnable);
    // The small picture stays above the large one.
    (swapped ? mPlayerView : mPlayerView2)->raise();
}

void PlaybackController::onButtonWindowSwitch()
{
    if (!mBrowse.playlist().empty() && has2Videos())
        switchVideoWindow(!m_bSwitchVideo);
}

void PlaybackController::dualSelectFile(int index)
{
    const DualSelection choice = ::dualSelectFile(mBrowse.playlist(), index);
    if (choice.secondIndex < 0) {
        switchVideoWindow(false);
        if (mVideoPlayView2)
            setCurPlaylistIndex2(-1, false);
        setCurPlaylistIndex(choice.mainIndex, true);
        return;
    }
    if (choice.showRearLarge != m_bSwitchVideo)
        switchVideoWindow(choice.showRearLarge);
    if (choice.selectIndex >= 0)
        mBrowse.selectRow(choice.selectIndex, true);
    setCurPlaylistIndex(choice.mainIndex, true);
    setCurPlaylistIndex2(choice.secondIndex, true);
    VideoPlayerView::startTogether(mVideoPlayView, mVideoPlayView2);
}

bool PlaybackController::dualNextFile(bool forward, bool wrap)
{
    const int target = dualNextTarget(mBrowse.playlist(), m_nCurPlayIndex, forward, wrap, mVideoPlayView2 != nullptr);
    if (target == m_nCurPlayIndex) {
        onStop();
        return false;
    }
    dualSelectFile(target);
    return true;
}

// Two players started together drift apart by their start-up and decoding delays. At each
// tick the follower is nudged toward the first player's position; the front picture is never
// touched.
void PlaybackController::keepSecondPlayerInStep()
{
    if (!has2Videos() || mVideoPlayView2->getState() != kPlayStatePlaying || !mVideoPlayView->isReadyToPlay() ||
        !mVideoPlayView2->isReadyToPlay())
        return;
    const double front = mVideoPlayView->getitemTime();
    const double rear = mVideoPlayView2->getitemTime();
    // The rear recording may be shorter: past its end it rests on its first picture.
    if (rear <= 0 && front > kResyncSeekSeconds)
        return;
    const double difference = front - rear;
    mLargestDualDifference = std::max(mLargestDualDifference, std::fabs(difference));
    if (std::fabs(difference) > kResyncSeekSeconds) {
        mVideoPlayView2->seekToTime(front);
        return;
    }
    const double nudge = std::fabs(difference) < kInStepSeconds
                             ? 0
                             : std::clamp(difference / kTickSeconds, -kMaxNudge, kMaxNudge);
    mVideoPlayView2->setPlayerRate(m_fPlaySpeed * (1 + nudge));
}
