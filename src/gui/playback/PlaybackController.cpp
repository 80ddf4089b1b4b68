#include "PlaybackController.h"

#include "LogText.h"
#include "MediaAsset.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "controls/PanelHost.h"
#include "PreferenceKeys.h"
#include "Preferences.h"
#include "SkinImages.h"
#include "VideoPlayerView.h"
#include "WaitingWindow/WaitingWindowController.h"
#include "browse/BrowseController.h"
#include "controls/BitmapButton.h"
#include "controls/MultiButtons.h"
#include "controls/PlayControlView.h"
#include "controls/Slider.h"
#include "controls/ViewGeometry.h"
#include "library/CameraPairing.h"
#include "library/MediaDuration.h"
#include "library/PlaylistStepping.h"

#include <QFileInfo>
#include <QScopedValueRollback>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr int kPlayTimeIntervalMs = 500;
// The neighbours are prepared once the open recording has settled: not for each of many quick
// steps, and not while its own pipeline starts.
constexpr int kPrepareDelayMs = 300;
// A step that comes this soon after the one before, whose pictures have not shown yet, goes on
// a burst of presses. Its pipelines start only when no further press came for a little longer
// than the presses' own pace: a burst then costs one opening after its last press, not one
// for every entry it passed on the way, each competing with the next for the processor.
constexpr qint64 kBurstGapMs = 300;
constexpr qint64 kMinCoalesceMs = 20; // presses handled in one go still leave their opening to the event loop
constexpr qint64 kMaxCoalesceMs = 150;

constexpr float kSpeedTable[] = {1.0f, 1.5f, 2.0f, 0.25f, 0.5f};

// The picture a view shows is the moment's own picture at full size when it was taken at or
// just before that time (within a frame at the slowest rate cameras record): then nothing
// needs decoding. Otherwise (a seek still on its way) the recording is decoded.
QFuture<QImage> pictureOf(const VideoPlayerView* view, const QString& path, double seconds)
{
    constexpr double kFrameSeconds = 1.0 / 24;
    if (view) {
        const double behind = seconds - view->pictureTime();
        if (view->pictureTime() >= 0 && behind > -1e-3 && behind < kFrameSeconds)
            return QtFuture::makeReadyFuture(view->currentPicture());
    }
    return MediaAsset::imageAtAsync(path, seconds);
}

} // namespace

PlaybackController::PlaybackController(BrowseController& browse, QObject* parent)
    : QObject(parent), mBrowse(browse), mIsMapFullScreen([] { return false; })
{
    connect(&mClipMarks, &ClipMarks::changed, this, &PlaybackController::showClipMarks);
    connect(&mBrowse, &BrowseController::playlistWillChange, &mClipMarks, &ClipMarks::clear);
}

PlaybackController::~PlaybackController()
{
    NotificationCenter::defaultCenter().removeObserver(this);
}

void PlaybackController::createPanels(QWidget* content)
{
    mPlayerView = new PanelHost("playerView", Qt::black, content);
    mPlayerView2 = new PanelHost("playerView2", Qt::black, content);
    mPlayerView2->hide();
    // As high as its background; the window's layout gives it its width.
    const int barHeight = sizeOr(pmGetSkinImage("playbar_background.png").size(), 689, 44).height();
    mPlaybarView = new PlayControlView(QRect(0, 0, 689, barHeight), content);
}

void PlaybackController::reset()
{
    m_nCurPlayIndex = -1;
    m_nPlayState = kPlayStateClosed;
    m_bMute = false;
    m_nVolume = pmGetProfileInt(kPrefVolume, kDefaultVolume);
    m_fPlaySpeed = 1.0f;
    mSelectedMovieCurrentTime = 0;
    mSelectedMovieDuration = 0;
    m_bVideoLoading = false;
    m_b2VideoWindowEnable = false;
    m_bSwitchVideo = false;
}

void PlaybackController::addObservers()
{
    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.removeObserver(this);
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

float PlaybackController::speedForButtonIndex(int index)
{
    return index >= 0 && index < int(std::size(kSpeedTable)) ? kSpeedTable[index] : 1.0f;
}

// ---- Player views ----

VideoPlayerView* PlaybackController::makePlayerView(PanelHost* container)
{
    auto* view = new VideoPlayerView(container->rect(), container);
    view->setRate(m_fPlaySpeed);
    return view;
}

VideoPlayerView* PlaybackController::openPlayerView(PanelHost* container, const QString& path, bool endNotice)
{
    VideoPlayerView* view = mPrepared.take(container, path);
    if (view) {
        view->activate();
        view->setRate(m_fPlaySpeed);
    } else {
        view = makePlayerView(container);
        view->loadURL(path, endNotice, mOpenDelayMs);
    }
    view->show();
    return view;
}

void PlaybackController::addStepTargets(QList<PreparedPlayers::Wanted>& wanted, bool forward) const
{
    const Playlist& playlist = mBrowse.playlist();
    auto want = [&](PanelHost* host, int index, bool endNotice) {
        if (playlist.isValidIndex(index))
            wanted.append({host, QString::fromStdString(playlist.at(index).URL()), endNotice});
    };
    if (isDualCameraMode()) {
        const int target = dualNextTarget(playlist, m_nCurPlayIndex, forward, true, mVideoPlayView2 != nullptr);
        const DualSelection choice = ::dualSelectFile(playlist, target);
        want(mPlayerView, choice.mainIndex, true);
        want(mPlayerView2, choice.secondIndex, false);
        return;
    }
    const int count = playlist.count();
    const std::optional<int> target =
        forward ? nextPlaylistIndex(m_nCurPlayIndex, count) : previousPlaylistIndex(m_nCurPlayIndex, count);
    if (target)
        want(mPlayerView, *target, true);
}

void PlaybackController::prepareNeighbours()
{
    if (!mVideoPlayView || mBrowse.playlist().count() < 2)
        return;
    QList<PreparedPlayers::Wanted> wanted;
    addStepTargets(wanted, true);
    addStepTargets(wanted, false);
    mPrepared.keepOnly(wanted, [this](PanelHost* host) { return makePlayerView(host); });
}

void PlaybackController::releasePlayerView(VideoPlayerView*& view)
{
    if (!view)
        return;
    view->onPause();
    view->releasePlayer();
    delete view;
    view = nullptr;
}

void PlaybackController::forEachPlayer(const std::function<void(VideoPlayerView*)>& action) const
{
    if (mVideoPlayView)
        action(mVideoPlayView);
    if (has2Videos())
        action(mVideoPlayView2);
}

// ---- Opening ----

void PlaybackController::setCurPlaylistIndex(int index, bool /*autoPlay*/)
{
    const Playlist& playlist = mBrowse.playlist();
    const int count = playlist.count();
    mSelectedMovieCurrentTime = 0;
    if (index < 0)
        mSelectedMovieDuration = 0;
    if (index == m_nCurPlayIndex)
        return;
    // The neighbours of the entry being left are not wanted any more.
    if (mPrepareTimer)
        mPrepareTimer->stop();
    if (index < 0)
        mPrepared.clear();
    if (mVideoPlayView) {
        releasePlayerView(mVideoPlayView);
        currectasset.clear();
    }
    pmWriteLogText(QString::asprintf("setCurPlaylistIndex() - index = %d", index));
    m_nCurPlayIndex = index;
    showClipMarks();
    if (index >= 0 && index < count) {
        const QString path = QString::fromStdString(playlist.at(index).URL());
        if (!QFileInfo(path).isFile()) {
            NotificationCenter::defaultCenter().postNotification(kVideoFileIsRemoved);
            return;
        }
        pmWriteLogText("AppDelegate - ready to open video : " + path);
        m_bVideoLoading = true;
        mVideoPlayView = openPlayerView(mPlayerView, path, true);
        currectasset = path;
        emit recordingOpening(index);
        // The container headers give the length at once; the player fills it in otherwise.
        mSelectedMovieDuration = pmGetMediaDuration(path.toStdString()).value_or(0.0);
        mSelectedMovieIsPlaying = true;
    }
    startOrStopTickTimer();
    handleLoadStateChanged();
    setVolume(m_nVolume);
    checkMute();
    pmWriteLog("Set movie to movie view !");
    pmWriteLog("setCurPlaylistIndex() - end !");
}

void PlaybackController::startOrStopTickTimer()
{
    if (currectasset.isEmpty()) {
        delete mCheckMovieTimeTimer;
        mCheckMovieTimeTimer = nullptr;
    } else if (!mCheckMovieTimeTimer) {
        mCheckMovieTimeTimer = new QTimer(this);
        mCheckMovieTimeTimer->setInterval(kPlayTimeIntervalMs);
        connect(mCheckMovieTimeTimer, &QTimer::timeout, this, &PlaybackController::checkMovieTime);
        mCheckMovieTimeTimer->start();
    }
}

void PlaybackController::handleLoadStateChanged()
{
    if (currectasset.isEmpty())
        return;
    if (!m_bVideoLoading) {
        pmWriteLog("AppDelegate::handleLoadStateChanged - twice open video OK, then pass it.");
        return;
    }
    m_bVideoLoading = false;
    pmWriteLog("AppDelegate::handleLoadStateChanged - open video OK!");
    emit recordingLoaded();
    onButtonPlay();
    if (const int second = std::exchange(mPendingSeek, -1); second >= 0)
        seekTo(second);
    pmEndWait();
}

void PlaybackController::movieLoadStateChanged(QObject* sender)
{
    if (mVideoPlayView && sender == mVideoPlayView) {
        handleLoadStateChanged();
        if (!mPrepareTimer) {
            mPrepareTimer = new QTimer(this);
            mPrepareTimer->setSingleShot(true);
            mPrepareTimer->setInterval(kPrepareDelayMs);
            connect(mPrepareTimer, &QTimer::timeout, this, &PlaybackController::prepareNeighbours);
        }
        mPrepareTimer->start();
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

void PlaybackController::updateTimeSliderRange()
{
    Slider* slider = mPlaybarView->poTimeSlider();
    const int seconds = int(mSelectedMovieDuration);
    // A range of 0 .. 0 would leave the slider nothing to divide by.
    slider->setEnabled(seconds >= 1);
    slider->setRange(0, seconds >= 1 ? seconds : 1);
}

// ---- State ----

PlayState PlaybackController::getState()
{
    const PlayState state = mVideoPlayView ? mVideoPlayView->getState() : kPlayStateClosed;
    m_nPlayState = state;
    return state;
}

void PlaybackController::checkPlayButtonState(bool paused)
{
    MultiButtons* play = mPlaybarView->poPlayBtn();
    const int index = paused ? 0 : 1;
    if (play->getCurButtonIndex() != index)
        play->setButtonIndex(index);
}

// ---- Transport ----

void PlaybackController::onPlay()
{
    if (getState() == kPlayStatePlaying)
        return;
    forEachPlayer([this](VideoPlayerView* view) { view->setRate(m_fPlaySpeed); });
}

void PlaybackController::onPause()
{
    if (getState() != kPlayStateClosed)
        forEachPlayer([](VideoPlayerView* view) { view->onPause(); });
}

void PlaybackController::onStop()
{
    forEachPlayer([](VideoPlayerView* view) { view->onPause(); });
    mSelectedMovieCurrentTime = 0;
    onStopMessage();
}

void PlaybackController::onButtonPlay()
{
    pmWriteLog("AppDelegate - onButtonPlay()");
    const int selection = mBrowse.selectedRow();
    const Playlist& playlist = mBrowse.playlist();
    if (getState() == kPlayStateClosed && !playlist.empty() && playlist.isValidIndex(selection)) {
        dblClickFile(selection);
        return;
    }
    checkPlayButtonState(false);
    onPlay();
}

void PlaybackController::onButtonPause()
{
    pmWriteLog("AppDelegate - onButtonPause()");
    onPause();
}

bool PlaybackController::pausePlayback()
{
    const bool wasPlaying = getState() == kPlayStatePlaying;
    if (wasPlaying)
        onButtonPause();
    checkPlayButtonState(true);
    return wasPlaying;
}

// Next and previous: the neighbouring entry, the last followed by the first and the first
// preceded by the last; a pair of cameras steps by pairs.
void PlaybackController::stepPlaylist(bool forward, bool wrap)
{
    const int count = mBrowse.playlist().count();
    if (count < 2)
        return;
    const int current = m_nCurPlayIndex < 0 ? mBrowse.selectedRow() : m_nCurPlayIndex;
    const std::optional<int> target = forward ? nextPlaylistIndex(current, count) : previousPlaylistIndex(current, count);
    if (!target)
        return;
    resetCtrl();
    mSelectedMovieCurrentTime = 0;
    const QScopedValueRollback<int> coalesced(mOpenDelayMs, burstOpenDelay());
    if (isDualCameraMode())
        dualNextFile(forward, wrap);
    else
        setCurPlaylistIndex(*target, true);
    onUpdateTitle(false);
}

int PlaybackController::burstOpenDelay()
{
    const bool shown =
        mVideoPlayView && mVideoPlayView->isReadyToPlay() && (!has2Videos() || mVideoPlayView2->isReadyToPlay());
    const qint64 gap = mLastStep.isValid() ? mLastStep.elapsed() : kBurstGapMs;
    mLastStep.start();
    if (shown || gap >= kBurstGapMs)
        return 0;
    return int(std::clamp(gap * 3 / 2, kMinCoalesceMs, kMaxCoalesceMs));
}

void PlaybackController::dblClickFile(int index)
{
    if (isDualCameraMode())
        dualSelectFile(index);
    else
        setCurPlaylistIndex(index, true);
    mBrowse.showPlayMark(index);
    if (getState() == kPlayStatePlaying)
        mPlaybarView->poPlayBtn()->setButtonIndex(1);
}

void PlaybackController::movieDidEnd()
{
    pmWriteLog("AppDelegate::movieDidEnd");
    if (getCurPlayIndex() + 1 < mBrowse.playlist().count())
        onButtonNext(false);
    else
        onStop();
}

// ---- Speed, volume, mute ----

void PlaybackController::onButtonSpeed()
{
    setPlaySpeed(speedForButtonIndex(mPlaybarView->poSpeedBtn()->getCurButtonIndex()));
}

void PlaybackController::setPlaySpeed(float speed)
{
    m_fPlaySpeed = speed;
    if (m_bVideoLoading) {
        pmWriteLog("AppDelegate - setPlaySpeed() - Video is loading, then pass it.");
        return;
    }
    if (mVideoPlayView && getState() == kPlayStatePlaying)
        forEachPlayer([speed](VideoPlayerView* view) { view->setRate(speed); });
}

void PlaybackController::setVolume(int volume)
{
    m_nVolume = volume;
    if (mVideoPlayView)
        mVideoPlayView->setVolume(float(volume) / 10.0f);
}

void PlaybackController::onButtonMute()
{
    m_bMute = !m_bMute;
    checkMute();
}

void PlaybackController::checkMute()
{
    if (mVideoPlayView)
        mVideoPlayView->setMuted(m_bMute);
}

// ---- Seeking and the time display ----

void PlaybackController::setCurrentMovieTime(int seconds)
{
    const PlayState state = getState();
    if (state == kPlayStatePlaying) {
        mSelectedMovieIsPlaying = false;
        forEachPlayer([](VideoPlayerView* view) { view->onPause(); });
    }
    forEachPlayer([seconds](VideoPlayerView* view) { view->seekToTime(seconds); });
    mSelectedMovieCurrentTime = seconds;
    if (state == kPlayStatePlaying) {
        forEachPlayer([this](VideoPlayerView* view) { view->setRate(m_fPlaySpeed); });
        mSelectedMovieIsPlaying = true;
    } else if (state == kPlayStatePaused) {
        emit selectedMovieCurrentTimeChanged(mSelectedMovieCurrentTime);
    }
}

void PlaybackController::setSelectedMovieCurrentTime(double seconds)
{
    if (seconds == mSelectedMovieCurrentTime)
        return;
    mSelectedMovieCurrentTime = seconds;
    emit selectedMovieCurrentTimeChanged(seconds);
}

void PlaybackController::checkMovieTime()
{
    if (getState() != kPlayStatePlaying)
        return;
    emit ticked();
    keepSecondPlayerInStep();
}

void PlaybackController::changeSeekTime(int /*seconds*/)
{
    drawTime();
}

void PlaybackController::drawTime()
{
    mSelectedMovieCurrentTime = mVideoPlayView ? mVideoPlayView->getCurrentTime() : 0;
    // The last tick rounds up past a length that is not whole.
    if (mSelectedMovieDuration > 0)
        mSelectedMovieCurrentTime = std::min(mSelectedMovieCurrentTime, mSelectedMovieDuration);
    mPlaybarView->SetPlayTime(int(mSelectedMovieCurrentTime), int(mSelectedMovieDuration), true);
}

// ---- Controls ----

void PlaybackController::resetCtrl()
{
    Slider* slider = mPlaybarView->poTimeSlider();
    slider->setCurrentValue(0);
    slider->setEventMarkPos(-1);
    mPlaybarView->poPlayBtn()->resetButtonState();
}

void PlaybackController::onStopMessage()
{
    mPlaybarView->poPlayBtn()->resetButtonState();
    mPlaybarView->poTimeSlider()->setCurrentValue(0);
    drawTime();
    emit positionChanged();
}

void PlaybackController::onUpdateTitle(bool flag)
{
    if (m_nCurPlayIndex < 0)
        return;
    const PlayState state = getState();
    MultiButtons* play = mPlaybarView->poPlayBtn();
    if (state == kPlayStatePlaying) {
        mBrowse.selectRow(m_nCurPlayIndex, true);
        play->setButtonIndex(1);
    } else if (state == kPlayStatePaused) {
        mBrowse.selectRow(m_nCurPlayIndex, true);
        drawTime();
        play->setButtonIndex(0);
    } else {
        mBrowse.selectRow(m_nCurPlayIndex, flag);
        play->setButtonIndex(0);
    }
}

void PlaybackController::setControlsEnabled(bool on)
{
    PlayControlView* bar = mPlaybarView;
    for (QWidget* control : std::initializer_list<QWidget*>{bar->poPlayBtn(), bar->poPrevBtn(), bar->poNextBtn(),
                                                             bar->poSpeedBtn()})
        control->setEnabled(on);
    bar->poTimeSlider()->setEnabled(on);
    if (on)
        bar->poFullScreenBtn()->setEnabled(true);
}

float PlaybackController::timeSliderPosition() const
{
    return mPlaybarView->poTimeSlider()->getCurrentPos();
}

void PlaybackController::setTimeSliderValue(int seconds)
{
    mPlaybarView->poTimeSlider()->setCurrentValue(seconds);
}

void PlaybackController::setEventMark(int second)
{
    mPlaybarView->poTimeSlider()->setEventMarkPos(second);
}

double PlaybackController::playerTime() const
{
    return mVideoPlayView ? mVideoPlayView->getCurrentTime() : 0;
}

// ---- Notifications ----

void PlaybackController::onPlayBarButtonClicked(int tag)
{
    switch (tag) {
    case PlayControlView::kTagPlay: onButtonPlay(); break;
    case PlayControlView::kTagPause: onButtonPause(); break;
    case PlayControlView::kTagNext: onButtonNext(true); break;
    case PlayControlView::kTagPrev: onButtonPrev(); break;
    case PlayControlView::kTagMute: onButtonMute(); break;
    case PlayControlView::kTagSpeed: onButtonSpeed(); break;
    case PlayControlView::kTagFullScreen: emit fullScreenRequested(); break;
    default: break;
    }
}

void PlaybackController::onSliderChanged(int value, const QString& sliderType)
{
    if (sliderType == kSliderTypeVolume) {
        pmSetProfileInt(kPrefVolume, value);
        setVolume(value);
        return;
    }
    setCurrentMovieTime(value);
    drawTime();
    emit positionChanged();
}

// ---- Pictures for capture, printing and the screenshot ----

QFuture<QImage> PlaybackController::getCurrentImage() const
{
    if (currectasset.isEmpty() || !mVideoPlayView)
        return QtFuture::makeReadyFuture(QImage());
    return pictureOf(mVideoPlayView, currectasset, mVideoPlayView->getitemTime());
}

QFuture<QImage> PlaybackController::getCurrentImage2() const
{
    // The rear picture of the same moment: at the first player's time.
    if (currectasset2.isEmpty() || !mVideoPlayView)
        return QtFuture::makeReadyFuture(QImage());
    return pictureOf(has2Videos() ? mVideoPlayView2 : nullptr, currectasset2, mVideoPlayView->getitemTime());
}

bool PlaybackController::playersShowSecond(double seconds) const
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

bool PlaybackController::openRecording(const QString& path)
{
    const int row = mBrowse.showRecording(path);
    if (row < 0)
        return false;
    mBrowse.selectRow(row, true);
    dblClickFile(row);
    return true;
}

// ---- Keyboard ----

void PlaybackController::openAt(int entry, int second)
{
    if (!mBrowse.playlist().isValidIndex(entry))
        return;
    if (entry == m_nCurPlayIndex && !m_bVideoLoading) {
        seekTo(second);
        return;
    }
    mPendingSeek = second;
    mBrowse.selectRow(entry, true);
    dblClickFile(entry);
}

// As a move of the time slider would: the players, the time, the slider and the map.
void PlaybackController::seekTo(int second)
{
    const int target = std::clamp(second, 0, std::max(int(mSelectedMovieDuration), 0));
    setCurrentMovieTime(target);
    drawTime();
    setTimeSliderValue(target);
    emit positionChanged();
}

bool PlaybackController::handleKey(int key)
{
    switch (key) {
    case Qt::Key_Space:
        if (getState() == kPlayStatePlaying)
            pausePlayback();
        else
            onButtonPlay();
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right: {
        if (!mVideoPlayView)
            return false;
        const int step = key == Qt::Key_Left ? -5 : 5;
        seekTo(int(mVideoPlayView->getitemTime()) + step);
        return true;
    }
    case Qt::Key_PageUp: onButtonPrev(); return true;
    case Qt::Key_PageDown: onButtonNext(true); return true;
    case Qt::Key_I:
    case Qt::Key_O: return markClip(key == Qt::Key_O);
    default: return false;
    }
}
