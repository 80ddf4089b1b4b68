// The controller's playback: opening a play-list entry into a player view and turning the
// play bar's commands into player operations.
#include "AppDelegate.h"

#include "LogText.h"
#include "MediaAsset.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "PanelHost.h"
#include "PreferenceKeys.h"
#include "Preferences.h"
#include "ToolbarView.h"
#include "SkinImages.h"
#include "VideoPlayerView.h"
#include "WaitingWindow/WaitingWindowController.h"
#include "controls/BitmapButton.h"
#include "controls/MultiButtons.h"
#include "controls/PlayControlView.h"
#include "controls/Slider.h"
#include "library/MediaDuration.h"
#include "library/PlaylistStepping.h"
#include "util/FileQueries.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kPlayTimeIntervalMs = 500;

constexpr float kSpeedTable[] = {1.0f, 1.5f, 2.0f, 0.25f, 0.5f};

} // namespace

void AppDelegate::createPlaybackPanels(QWidget* content)
{
    mPlayerView = new PanelHost("playerView", Qt::black, content);
    mPlayerView2 = new PanelHost("playerView2", Qt::black, content);
    mPlayerView2->hide();
    // As high as its background; the window's layout gives it its width.
    const int barHeight = sizeOr(pmGetSkinImage("playbar_background.png").size(), 689, 44).height();
    mPlaybarView = new PlayControlView(QRect(0, 0, 689, barHeight), content);
}

void AppDelegate::addPlaybackObservers()
{
    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.addObserver(this, kPlayBarButtonClickedNotification,
                       [this](const Notification& n) { onPlayBarButtonClicked(n.object.toInt()); });
    center.addObserver(this, kDoSliderChangedNotification, [this](const Notification& n) {
        onSliderChanged(n.object.toInt(), n.userInfo.value(kSliderTypeKey).toString());
    });
    center.addObserver(this, kFileListViewDoubleClickNotification,
                       [this](const Notification& n) { dblClickFile(n.object.toInt()); });
    center.addObserver(this, kVideoEndNotification, [this](const Notification&) { movieDidEnd(); });
    center.addObserver(this, kAVPlayerReadyToPlayNotification,
                       [this](const Notification& n) { movieLoadStateChanged(n.object.value<QObject*>()); });
}

float AppDelegate::speedForButtonIndex(int index)
{
    return index >= 0 && index < int(std::size(kSpeedTable)) ? kSpeedTable[index] : 1.0f;
}

// ---- Player views ----

VideoPlayerView* AppDelegate::makePlayerView(PanelHost* container)
{
    auto* view = new VideoPlayerView(container->rect(), container);
    view->setRate(m_fPlaySpeed);
    view->show();
    return view;
}

void AppDelegate::releasePlayerView(VideoPlayerView*& view)
{
    if (!view)
        return;
    view->onPause();
    view->releasePlayer();
    delete view;
    view = nullptr;
}

void AppDelegate::forEachPlayer(const std::function<void(VideoPlayerView*)>& action) const
{
    if (mVideoPlayView)
        action(mVideoPlayView);
    if (has2Videos())
        action(mVideoPlayView2);
}

// ---- Opening ----

void AppDelegate::setCurPlaylistIndex(int index, bool /*autoPlay: opening always plays*/)
{
    const int count = mPlaylist.count();
    mSelectedMovieCurrentTime = 0;
    if (index < 0)
        mSelectedMovieDuration = 0;
    if (index == m_nCurPlayIndex)
        return;
    if (mVideoPlayView) {
        releasePlayerView(mVideoPlayView);
        currectasset.clear();
    }
    pmWriteLogText(QString::asprintf("setCurPlaylistIndex() - index = %d", index));
    m_nCurPlayIndex = index;
    if (index >= 0 && index < count) {
        const QString path = QString::fromStdString(mPlaylist.at(index).URL());
        if (!QFileInfo(path).isFile()) {
            NotificationCenter::defaultCenter().postNotification(kVideoFileIsRemoved);
            return;
        }
        pmWriteLogText("AppDelegate - ready to open video : " + path);
        m_bVideoLoading = true;
        mVideoPlayView = makePlayerView(mPlayerView);
        currectasset = path;
        mVideoPlayView->loadURL(path, true);
        // The container headers give the length at once; the player fills it in otherwise.
        mSelectedMovieDuration = pmGetMediaDuration(path.toStdString()).value_or(0.0);
        mSelectedMovieIsPlaying = true;
    }
    if (currectasset.isEmpty()) {
        delete mCheckMovieTimeTimer;
        mCheckMovieTimeTimer = nullptr;
    } else if (!mCheckMovieTimeTimer) {
        mCheckMovieTimeTimer = new QTimer(this);
        mCheckMovieTimeTimer->setInterval(kPlayTimeIntervalMs);
        connect(mCheckMovieTimeTimer, &QTimer::timeout, this, &AppDelegate::checkMovieTime);
        mCheckMovieTimeTimer->start();
    }
    handleLoadStateChanged();
    setVolume(m_nVolume);
    checkMute();
    pmWriteLog("Set movie to movie view !");
    pmWriteLog("setCurPlaylistIndex() - end !");
}

void AppDelegate::handleLoadStateChanged()
{
    if (currectasset.isEmpty())
        return;
    if (!m_bVideoLoading) {
        pmWriteLog("AppDelegate::handleLoadStateChanged - twice open video OK, then pass it.");
        return;
    }
    m_bVideoLoading = false;
    pmWriteLog("AppDelegate::handleLoadStateChanged - open video OK!");
    onOpenGPSFile();
    onButtonPlay();
    pmEndWait();
}

void AppDelegate::movieLoadStateChanged(QObject* sender)
{
    if (mVideoPlayView && sender == mVideoPlayView) {
        handleLoadStateChanged();
        mVideoPlayView->relayout(mPlayerView->rect());
        // A container without a length in its headers: the player knows it now.
        if (mSelectedMovieDuration <= 0 && mVideoPlayView->playerDuration() > 0) {
            mSelectedMovieDuration = mVideoPlayView->playerDuration();
            updateTimeSliderRange();
        }
    } else if (mVideoPlayView2 && sender == mVideoPlayView2) {
        mVideoPlayView2->relayout(mPlayerView2->rect());
    }
}

void AppDelegate::updateTimeSliderRange()
{
    Slider* slider = mPlaybarView->poTimeSlider();
    const int seconds = int(mSelectedMovieDuration);
    // A range of 0 .. 0 would leave the slider nothing to divide by.
    slider->setEnabled(seconds >= 1);
    slider->setRange(0, seconds >= 1 ? seconds : 1);
}

// ---- State ----

int AppDelegate::getState()
{
    m_nPlayState = mVideoPlayView ? mVideoPlayView->getState() : 0;
    return m_nPlayState;
}

void AppDelegate::checkPlayButtonState(bool paused)
{
    MultiButtons* play = mPlaybarView->poPlayBtn();
    const int index = paused ? 0 : 1;
    if (play->getCurButtonIndex() != index)
        play->setButtonIndex(index);
}

// ---- Transport ----

void AppDelegate::onPlay()
{
    if (getState() == 2)
        return;
    forEachPlayer([this](VideoPlayerView* view) { view->setRate(m_fPlaySpeed); });
}

void AppDelegate::onPause()
{
    const int state = getState();
    if (state == 2 || state == 3)
        forEachPlayer([](VideoPlayerView* view) { view->onPause(); });
}

void AppDelegate::onStop()
{
    forEachPlayer([](VideoPlayerView* view) { view->onPause(); });
    mSelectedMovieCurrentTime = 0;
    onStopMessage();
}

void AppDelegate::onButtonPlay()
{
    pmWriteLog("AppDelegate - onButtonPlay()");
    const int selection = fileListCurSel();
    if (getState() == 0 && !mPlaylist.empty() && mPlaylist.isValidIndex(selection)) {
        dblClickFile(selection);
        return;
    }
    checkPlayButtonState(false);
    onPlay();
}

void AppDelegate::onButtonPause()
{
    pmWriteLog("AppDelegate - onButtonPause()");
    onPause();
}

bool AppDelegate::pausePlayback()
{
    const bool paused = getState() == 2;
    if (paused)
        onButtonPause();
    checkPlayButtonState(true);
    return paused;
}

void AppDelegate::onButtonNext(bool wrap)
{
    const int count = mPlaylist.count();
    if (count < 2)
        return;
    const int current = m_nCurPlayIndex < 0 ? fileListCurSel() : m_nCurPlayIndex;
    const std::optional<int> next = nextPlaylistIndex(current, count);
    if (!next)
        return;
    resetCtrl();
    mSelectedMovieCurrentTime = 0;
    if (isDualCameraMode())
        dualNextFile(true, wrap);
    else
        setCurPlaylistIndex(*next, true);
    onUpdateTitle(false);
}

void AppDelegate::onButtonPrev()
{
    const int count = mPlaylist.count();
    if (count < 2)
        return;
    const int current = m_nCurPlayIndex < 0 ? fileListCurSel() : m_nCurPlayIndex;
    const std::optional<int> previous = previousPlaylistIndex(current, count);
    if (!previous)
        return;
    resetCtrl();
    if (isDualCameraMode())
        dualNextFile(false, true);
    else
        setCurPlaylistIndex(*previous, true);
    onUpdateTitle(false);
}

void AppDelegate::dblClickFile(int index)
{
    if (isDualCameraMode())
        dualSelectFile(index);
    else
        setCurPlaylistIndex(index, true);
    fileListShowPlayMark(index);
    if (getState() == 2)
        mPlaybarView->poPlayBtn()->setButtonIndex(1);
}

void AppDelegate::movieDidEnd()
{
    pmWriteLog("AppDelegate::movieDidEnd");
    if (getCurPlayIndex() + 1 < mPlaylist.count())
        onButtonNext(false);
    else
        onStop();
}

// ---- Speed, volume, mute ----

void AppDelegate::onButtonSpeed()
{
    setPlaySpeed(speedForButtonIndex(mPlaybarView->poSpeedBtn()->getCurButtonIndex()));
}

void AppDelegate::setPlaySpeed(float speed)
{
    m_fPlaySpeed = speed;
    if (m_bVideoLoading) {
        pmWriteLog("AppDelegate - setPlaySpeed() - Video is loading, then pass it.");
        return;
    }
    if (mVideoPlayView && getState() == 2)
        forEachPlayer([speed](VideoPlayerView* view) { view->setRate(speed); });
}

void AppDelegate::setVolume(int volume)
{
    m_nVolume = volume;
    if (mVideoPlayView)
        mVideoPlayView->setVolume(float(volume) / 10.0f);
}

void AppDelegate::onButtonMute()
{
    m_bMute = !m_bMute;
    checkMute();
}

void AppDelegate::checkMute()
{
    if (mVideoPlayView)
        mVideoPlayView->setMuted(m_bMute);
}

// ---- Seeking and the time display ----

void AppDelegate::setCurrentMovieTime(int seconds)
{
    const int state = getState();
    if (state == 2) {
        mSelectedMovieIsPlaying = false;
        forEachPlayer([](VideoPlayerView* view) { view->onPause(); });
    }
    forEachPlayer([seconds](VideoPlayerView* view) { view->seekToTime(seconds); });
    mSelectedMovieCurrentTime = seconds;
    if (state == 2) {
        forEachPlayer([this](VideoPlayerView* view) { view->setRate(m_fPlaySpeed); });
        mSelectedMovieIsPlaying = true;
    } else if (state == 3) {
        emit selectedMovieCurrentTimeChanged(mSelectedMovieCurrentTime);
    }
}

void AppDelegate::setSelectedMovieCurrentTime(double seconds)
{
    if (seconds == mSelectedMovieCurrentTime)
        return;
    mSelectedMovieCurrentTime = seconds;
    emit selectedMovieCurrentTimeChanged(seconds);
}

void AppDelegate::checkMovieTime()
{
    if (getState() != 2)
        return;
    onPlayTimerChange();
    keepSecondPlayerInStep();
}

void AppDelegate::changeSeekTime(int /*seconds*/)
{
    drawTime();
}

void AppDelegate::drawTime()
{
    mSelectedMovieCurrentTime = mVideoPlayView ? mVideoPlayView->getCurrentTime() : 0;
    // The last tick rounds up past a length that is not whole.
    if (mSelectedMovieDuration > 0)
        mSelectedMovieCurrentTime = std::min(mSelectedMovieCurrentTime, mSelectedMovieDuration);
    mPlaybarView->SetPlayTime(int(mSelectedMovieCurrentTime), int(mSelectedMovieDuration), true);
}

// ---- Controls ----

void AppDelegate::resetCtrl()
{
    Slider* slider = mPlaybarView->poTimeSlider();
    slider->setCurrentValue(0);
    slider->setEventMarkPos(-1);
    mPlaybarView->poPlayBtn()->resetButtonState();
}

void AppDelegate::onStopMessage()
{
    mPlaybarView->poPlayBtn()->resetButtonState();
    mPlaybarView->poTimeSlider()->setCurrentValue(0);
    drawTime();
    mapGoTo();
}

void AppDelegate::onUpdateTitle(bool flag)
{
    if (m_nCurPlayIndex < 0)
        return;
    const int state = getState();
    MultiButtons* play = mPlaybarView->poPlayBtn();
    if (state == 2) {
        fileListSetCurSel(m_nCurPlayIndex, true);
        play->setButtonIndex(1);
    } else if (state == 3) {
        fileListSetCurSel(m_nCurPlayIndex, true);
        drawTime();
        play->setButtonIndex(0);
    } else {
        fileListSetCurSel(m_nCurPlayIndex, flag);
        play->setButtonIndex(0);
    }
}

void AppDelegate::fileListSetCurSel(int index, bool /*flag*/)
{
    mListSelection = index;
}

void AppDelegate::enableMediaButton(bool on)
{
    PlayControlView* bar = mPlaybarView;
    for (QWidget* control : std::initializer_list<QWidget*>{bar->poPlayBtn(), bar->poPrevBtn(), bar->poNextBtn(),
                                                             bar->poSpeedBtn()})
        control->setEnabled(on);
    bar->poTimeSlider()->setEnabled(on);
    if (on)
        bar->poFullScreenBtn()->setEnabled(true);
    // Print, capture, backup, export and the Facebook upload stay disabled until their
    // operations exist; the YouTube button only opens the site.
    mToolbarView->oUploadYouTubeBtn()->setEnabled(on);
    mToolbarView->oPrintBtn()->setEnabled(false);
    mToolbarView->oBackupBtn()->setEnabled(false);
    mToolbarView->oCaptureBtn()->setEnabled(false);
    mToolbarView->oExportBtn()->setEnabled(false);
    mToolbarView->oUploadFacebookBtn()->setEnabled(false);
}

// ---- Notifications ----

void AppDelegate::onPlayBarButtonClicked(int tag)
{
    switch (tag) {
    case PlayControlView::kTagPlay: onButtonPlay(); break;
    case PlayControlView::kTagPause: onButtonPause(); break;
    case PlayControlView::kTagNext: onButtonNext(true); break;
    case PlayControlView::kTagPrev: onButtonPrev(); break;
    case PlayControlView::kTagMute: onButtonMute(); break;
    case PlayControlView::kTagSpeed: onButtonSpeed(); break;
    case PlayControlView::kTagFullScreen: onButtonPlayFullScreen(); break;
    default: break;
    }
}

void AppDelegate::onSliderChanged(int value, const QString& sliderType)
{
    if (sliderType == "volume") {
        pmSetProfileInt(kPrefVolume, value);
        setVolume(value);
        return;
    }
    setCurrentMovieTime(value);
    drawTime();
    mapGoTo();
}

// ---- Pictures for capture, printing and the screenshot ----

QFuture<QImage> AppDelegate::getCurrentImage() const
{
    if (currectasset.isEmpty() || !mVideoPlayView)
        return QtFuture::makeReadyFuture(QImage());
    return MediaAsset::imageAtAsync(currectasset, mVideoPlayView->getitemTime());
}

QFuture<QImage> AppDelegate::getCurrentImage2() const
{
    // The rear picture of the same moment: at the first player's time.
    if (currectasset2.isEmpty() || !mVideoPlayView)
        return QtFuture::makeReadyFuture(QImage());
    return MediaAsset::imageAtAsync(currectasset2, mVideoPlayView->getitemTime());
}

bool AppDelegate::playersShowSecond(double seconds) const
{
    for (VideoPlayerView* view : {mVideoPlayView, has2Videos() ? mVideoPlayView2 : nullptr}) {
        if (!view)
            continue;
        if (!view->isReadyToPlay() || view->currentPicture().isNull())
            return false;
        if (seconds >= 0 && std::floor(view->pictureTime()) != std::floor(seconds))
            return false;
    }
    return mVideoPlayView != nullptr;
}

// ---- The command line ----

bool AppDelegate::openRecording(const QString& path)
{
    const QString wanted = QFileInfo(path).canonicalFilePath();
    const auto& files = mVideoLib.videoLib();
    const auto file = std::find_if(files.begin(), files.end(), [&wanted](const AMediaFile& f) {
        return QFileInfo(QString::fromStdString(f.URL())).canonicalFilePath() == wanted;
    });
    if (wanted.isEmpty() || file == files.end())
        return false;
    if (file->fileDate())
        mSelectedDay = pmCalendarDate(*file->fileDate());
    rebuildPlaylist();
    for (int i = 0; i < mPlaylist.count(); ++i) {
        if (QFileInfo(QString::fromStdString(mPlaylist.at(i).URL())).canonicalFilePath() == wanted) {
            fileListSetCurSel(i, true);
            dblClickFile(i);
            return true;
        }
    }
    return false;
}

// ---- Keyboard ----

bool AppDelegate::handlePlaybackKey(int key)
{
    switch (key) {
    case Qt::Key_Space:
        if (getState() == 2)
            pausePlayback();
        else
            onButtonPlay();
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right: {
        if (!mVideoPlayView)
            return false;
        const int step = key == Qt::Key_Left ? -5 : 5;
        const int length = int(mSelectedMovieDuration);
        const int target = std::clamp(int(mVideoPlayView->getitemTime()) + step, 0, std::max(length, 0));
        setCurrentMovieTime(target);
        drawTime();
        mPlaybarView->poTimeSlider()->setCurrentValue(target);
        mapGoTo();
        return true;
    }
    case Qt::Key_PageUp: onButtonPrev(); return true;
    case Qt::Key_PageDown: onButtonNext(true); return true;
    case Qt::Key_F:
        if (m_nScreenMode == kScreenMapFull)
            return false;
        onButtonPlayFullScreen();
        return true;
    case Qt::Key_Escape:
        if (m_nScreenMode == kScreenVideoFull)
            onButtonPlayFullScreen();
        else if (m_nScreenMode == kScreenMapFull)
            onButtonMapFullScreen();
        else
            return false;
        return true;
    default: return false;
    }
}
