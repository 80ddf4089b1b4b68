#include "VideoPlayerView.h"

#include "LogText.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"

#include "GstPlayer.h"

#include <QAudioDevice>
#include <QEvent>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QOperatingSystemVersion>
#include <QPainter>

#include <atomic>
#include <cmath>

Q_LOGGING_CATEGORY(lcPlayer, "koriv.player", QtInfoMsg)

namespace {

std::atomic<int> gLivePlayers{0};
std::atomic<int> gPreparedPlayers{0};

constexpr int kFineIntervalMs = 100;
constexpr int kCoarseIntervalMs = 500;

// The child that holds the picture: it paints the player's last frame over its whole area.
class PictureView : public QWidget {
public:
    PictureView(const QImage& picture, QWidget* parent) : QWidget(parent), mPicture(picture)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        if (mPicture.isNull())
            painter.fillRect(rect(), Qt::black);
        else
            painter.drawImage(rect(), mPicture); // fills the area, as the fitting decided
    }

private:
    const QImage& mPicture;
};

} // namespace

int VideoPlayerView::retiredPlayerCount()
{
    return GstPlayer::stoppingCount();
}

bool VideoPlayerView::isRender360(int majorVersion, int minorVersion)
{
    return majorVersion > 9 && minorVersion > 14;
}

int VideoPlayerView::preparedPlayerCount()
{
    return gPreparedPlayers.load();
}

int VideoPlayerView::livePlayerCount()
{
    return gLivePlayers.load();
}

VideoPlayerView::VideoPlayerView(const QRect& frame, QWidget* parent) : QWidget(parent)
{
    setGeometry(frame);
    // Black around the picture. Not an opaque-paint widget: it paints nothing itself, so the
    // filled background is what covers the area beside a picture smaller than the view.
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    mNormalView = new PictureView(mPicture, this);
    mNormalView->setGeometry(rect());
    mNormalView->hide();
    m_fPlaySpeed = 1.0f;
    const QOperatingSystemVersion os = QOperatingSystemVersion::current();
    m_bRender360 = isRender360(os.majorVersion(), os.minorVersion());
    // The view follows its container's size, as the picture follows the view.
    if (parent)
        parent->installEventFilter(this);
}

VideoPlayerView::~VideoPlayerView()
{
    releasePlayer();
}

void VideoPlayerView::loadURL(const QString& path, bool endNotice, int openDelayMs)
{
    if (mPlayer)
        return;
    openPlayer(path, endNotice, openDelayMs);
    startPlaying();
}

void VideoPlayerView::prepareURL(const QString& path, bool endNotice)
{
    if (mPlayer)
        return;
    openPlayer(path, endNotice, 0);
    mPrepared = true;
    ++gPreparedPlayers;
}

void VideoPlayerView::activate()
{
    if (!mPrepared)
        return;
    mPrepared = false;
    --gPreparedPlayers;
    startPlaying();
    // Told after the caller has taken the view, as a fresh player's readiness would be.
    QMetaObject::invokeMethod(this, &VideoPlayerView::checkReadiness, Qt::QueuedConnection);
}

void VideoPlayerView::openPlayer(const QString& path, bool endNotice, int openDelayMs)
{
    mEndNotice = endNotice;
    removeBoundaryTimeObserver();
    mPath = path;
    // Without an audio device the recording plays silently rather than not at all.
    mHasAudio = !QMediaDevices::audioOutputs().isEmpty();
    mPlayer = new GstPlayer(path, mHasAudio, openDelayMs, this);
    mPlayer->setVolume(mVolume);
    mPlayer->setMuted(mMuted);
    connect(mPlayer, &GstPlayer::pictureArrived, this, &VideoPlayerView::onPicture);
    connect(mPlayer, &GstPlayer::failed, this, [this](const QString& text) {
        pmWriteLogText("VideoPlayerView - cannot play " + mPath + " - " + text);
    });
}

void VideoPlayerView::startPlaying()
{
    ++gLivePlayers;
    mPlayer->play();
    addVideoTimerObserver();
    addItemEndObserverForPlayerItem();
}

void VideoPlayerView::onPicture(const QImage& picture, double seconds)
{
    mPicture = picture;
    mPictureTime = seconds;
    if (mReady)
        mNormalView->update();
    else
        checkReadiness();
}

// Ready at the first picture: the pipeline has read the headers and decoded it by then.
void VideoPlayerView::checkReadiness()
{
    if (!mPlayer || mReady || mPrepared)
        return;
    const QSize size = mPicture.size();
    if (size.isEmpty())
        return;
    mReady = true;
    mPresentationSize = size;
    pmWriteLogText(QString::asprintf("VideoPlayerView - AVPlayerStatusReadyToPlay -  %.1f x %.1f", double(size.width()),
                                     double(size.height())));
    setRate(m_fPlaySpeed);
    mNormalView->show();
    mNormalView->update();
    NotificationCenter::defaultCenter().postNotification(kAVPlayerReadyToPlayNotification,
                                                         QVariant::fromValue(static_cast<QObject*>(this)));
}

void VideoPlayerView::relayout(const QRect& rect)
{
    mFitToBounds = rect == QRect(QPoint(0, 0), size());
    if (!mPlayer || mPresentationSize.width() == 0 || mPresentationSize.height() == 0) {
        mNormalView->setGeometry(rect);
        return;
    }
    const int vw = mPresentationSize.width();
    const int vh = mPresentationSize.height();
    const int wi = rect.width();
    const int hi = rect.height();
    int w = vw;
    int h = vh;
    if (vw > wi || vh > hi) {
        const int r = std::min(wi * 1000 / vw, hi * 1000 / vh);
        w = (vw * r + 500) / 1000;
        h = (vh * r + 500) / 1000;
    }
    mNormalView->setGeometry(rect.x() + (rect.width() - w) / 2, rect.y() + (rect.height() - h) / 2, w, h);
}

QRect VideoPlayerView::pictureFrame() const
{
    return mNormalView->geometry();
}

bool VideoPlayerView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
        // The picture keeps its proportions in the new size, not the old margins.
        if (mFitToBounds || !mReady)
            relayout(rect());
    }
    return QWidget::eventFilter(watched, event);
}

void VideoPlayerView::onPlay()
{
    applyPlayerRate(m_fPlaySpeed);
}

void VideoPlayerView::onPause()
{
    applyPlayerRate(0);
}

void VideoPlayerView::setRate(float rate)
{
    m_fPlaySpeed = rate;
    applyPlayerRate(rate);
}

void VideoPlayerView::setPlayerRate(double rate)
{
    if (mPlayer && mPlayer->isPlaying() && rate > 0)
        mPlayer->setRate(rate);
}

void VideoPlayerView::startTogether(VideoPlayerView* first, VideoPlayerView* second)
{
    if (first && second)
        GstPlayer::startTogether({first->mPlayer, second->mPlayer});
}

void VideoPlayerView::applyPlayerRate(double rate)
{
    if (!mPlayer)
        return;
    if (rate == 0) {
        mPlayer->pause();
        return;
    }
    mPlayer->setRate(rate);
    mPlayer->play();
}

void VideoPlayerView::setMuted(bool muted)
{
    mMuted = muted;
    if (mPlayer)
        mPlayer->setMuted(muted);
}

void VideoPlayerView::setVolume(float volume)
{
    mVolume = volume;
    if (mPlayer)
        mPlayer->setVolume(volume);
}

bool VideoPlayerView::isMuted() const
{
    return mPlayer && mHasAudio && mMuted;
}

float VideoPlayerView::volume() const
{
    return mPlayer && mHasAudio ? mVolume : 0.0f;
}

void VideoPlayerView::seekToTime(double seconds)
{
    if (mPlayer)
        mPlayer->seek(seconds);
    mCurrentTime = seconds;
}

double VideoPlayerView::getitemTime() const
{
    return mPlayer ? mPlayer->position() : 0.0;
}

double VideoPlayerView::playerDuration() const
{
    return mPlayer ? mPlayer->duration() : 0.0;
}

PlayState VideoPlayerView::getState() const
{
    if (!mPlayer)
        return kPlayStateClosed;
    return mPlayer->isPlaying() ? kPlayStatePlaying : kPlayStatePaused;
}

QImage VideoPlayerView::currentPicture() const
{
    return mPicture;
}

double VideoPlayerView::pictureTime() const
{
    return mPicture.isNull() ? -1.0 : mPictureTime;
}

void VideoPlayerView::addVideoTimerObserver()
{
    if (!timeObserver) {
        timeObserver = new QTimer(this);
        connect(timeObserver, &QTimer::timeout, this, &VideoPlayerView::onTimeTick);
    }
    timeObserver->start(m_bRender360 ? kFineIntervalMs : kCoarseIntervalMs);
}

void VideoPlayerView::onTimeTick()
{
    if (!mPlayer)
        return;
    const double seconds = std::round(mPlayer->position());
    qCDebug(lcPlayer, "currentTime %f", seconds);
    mCurrentTime = seconds;
}

void VideoPlayerView::addItemEndObserverForPlayerItem()
{
    if (!mPlayer || itemEndObserver)
        return;
    itemEndObserver = connect(mPlayer, &GstPlayer::ended, this, &VideoPlayerView::onItemEnd);
}

void VideoPlayerView::onItemEnd()
{
    // Back at the start and paused: the first picture shows again.
    mPlayer->pause();
    mPlayer->seek(0);
    mCurrentTime = 0;
    if (mEndNotice)
        NotificationCenter::defaultCenter().postNotification(kVideoEndNotification);
    qCInfo(lcPlayer, "play end");
}

void VideoPlayerView::removeBoundaryTimeObserver()
{
    if (timeObserver) {
        delete timeObserver;
        timeObserver = nullptr;
    }
    if (itemEndObserver)
        disconnect(itemEndObserver);
    itemEndObserver = {};
}

void VideoPlayerView::releasePlayer()
{
    if (!mPlayer)
        return;
    removeBoundaryTimeObserver();
    // Nothing of the released recording may arrive later: cut every connection first.
    delete mPlayer;
    mPlayer = nullptr;
    --(mPrepared ? gPreparedPlayers : gLivePlayers);
    mPrepared = false;
    mPicture = QImage();
    mPictureTime = -1;
    mNormalView->hide();
    mCurrentTime = 0;
}
