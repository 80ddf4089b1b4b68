#include "VideoPlayerView.h"

#include "LogText.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QCoreApplication>
#include <QEvent>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QOperatingSystemVersion>
#include <QPainter>
#include <QUrl>
#include <QVideoSink>

#include <atomic>
#include <cmath>

Q_LOGGING_CATEGORY(lcPlayer, "koriv.player", QtInfoMsg)

namespace {

std::atomic<int> gLivePlayers{0};
std::atomic<int> gRetiredPlayers{0};
// Long enough for a paused pipeline to have stopped drawing.
constexpr int kRetireDelayMs = 500;

constexpr int kFineIntervalMs = 100;
constexpr int kCoarseIntervalMs = 500;

// The child that holds the picture: it paints the player's last frame over its whole area.
class PictureView : public QWidget {
public:
    PictureView(const QVideoFrame& frame, QWidget* parent) : QWidget(parent), mFrame(frame)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QImage image = QVideoFrame(mFrame).toImage();
        if (image.isNull())
            painter.fillRect(rect(), Qt::black);
        else
            painter.drawImage(rect(), image); // fills the area, as the fitting decided
    }

private:
    const QVideoFrame& mFrame;
};

} // namespace

// Stopping a playing pipeline waits for its drawing thread, which itself waits up to a second
// for the GUI thread: a blocked GUI thread. So a released player is only paused at once and
// destroyed a little later, once it rests; it has no connection left to the view by then.
void VideoPlayerView::retire(QMediaPlayer* player, QVideoSink* sink, QAudioOutput* audio)
{
    player->pause();
    for (QObject* object : std::initializer_list<QObject*>{player, sink, audio}) {
        if (object)
            object->setParent(QCoreApplication::instance());
    }
    ++gRetiredPlayers;
    QTimer::singleShot(kRetireDelayMs, QCoreApplication::instance(), [player, sink, audio] {
        delete player;
        delete sink;
        delete audio;
        --gRetiredPlayers;
    });
}

int VideoPlayerView::retiredPlayerCount()
{
    return gRetiredPlayers.load();
}

bool VideoPlayerView::isRender360(int majorVersion, int minorVersion)
{
    return majorVersion > 9 && minorVersion > 14;
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
    mNormalView = new PictureView(mFrame, this);
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

void VideoPlayerView::loadURL(const QString& path, bool endNotice)
{
    if (mPlayer)
        return;
    mEndNotice = endNotice;
    removeBoundaryTimeObserver();
    mPath = path;
    mPlayer = new QMediaPlayer(this);
    ++gLivePlayers;
    // Without an audio device the recording plays silently rather than not at all.
    if (!QMediaDevices::audioOutputs().isEmpty()) {
        mAudioOutput = new QAudioOutput(this);
        mPlayer->setAudioOutput(mAudioOutput);
    }
    mSink = new QVideoSink(this);
    mPlayer->setVideoSink(mSink);
    connect(mSink, &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame& frame) {
        mFrame = frame;
        if (mReady)
            mNormalView->update();
        else
            checkReadiness();
    });
    connect(mPlayer, &QMediaPlayer::mediaStatusChanged, this, &VideoPlayerView::checkReadiness);
    connect(mPlayer, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error, const QString& text) {
        pmWriteLogText("VideoPlayerView - cannot play " + mPath + " - " + text);
    });
    mPlayer->setSource(QUrl::fromLocalFile(path));
    mPlayer->play();
    addVideoTimerObserver();
    addItemEndObserverForPlayerItem();
}

void VideoPlayerView::checkReadiness()
{
    if (!mPlayer || mReady)
        return;
    const QMediaPlayer::MediaStatus status = mPlayer->mediaStatus();
    const bool loaded = status == QMediaPlayer::LoadedMedia || status == QMediaPlayer::BufferingMedia ||
                        status == QMediaPlayer::BufferedMedia;
    const QSize size = mFrame.isValid() ? mFrame.size() : QSize();
    if (!loaded || size.isEmpty())
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
    if (mPlayer && mPlayer->playbackState() == QMediaPlayer::PlayingState && rate > 0)
        mPlayer->setPlaybackRate(rate);
}

void VideoPlayerView::applyPlayerRate(double rate)
{
    if (!mPlayer)
        return;
    if (rate == 0) {
        mPlayer->pause();
        return;
    }
    if (!qFuzzyCompare(mPlayer->playbackRate(), rate))
        mPlayer->setPlaybackRate(rate);
    mPlayer->play();
}

void VideoPlayerView::setMuted(bool muted)
{
    if (mAudioOutput)
        mAudioOutput->setMuted(muted);
}

void VideoPlayerView::setVolume(float volume)
{
    if (mAudioOutput)
        mAudioOutput->setVolume(volume);
}

bool VideoPlayerView::isMuted() const
{
    return mAudioOutput && mAudioOutput->isMuted();
}

float VideoPlayerView::volume() const
{
    return mAudioOutput ? mAudioOutput->volume() : 0.0f;
}

void VideoPlayerView::seekToTime(double seconds)
{
    if (mPlayer)
        mPlayer->setPosition(qint64(std::llround(seconds * 1000)));
    mCurrentTime = seconds;
}

double VideoPlayerView::getitemTime() const
{
    return mPlayer ? mPlayer->position() / 1000.0 : 0.0;
}

double VideoPlayerView::playerDuration() const
{
    return mPlayer ? mPlayer->duration() / 1000.0 : 0.0;
}

PlayState VideoPlayerView::getState() const
{
    if (!mPlayer)
        return kPlayStateClosed;
    return mPlayer->playbackState() == QMediaPlayer::PlayingState ? kPlayStatePlaying : kPlayStatePaused;
}

QImage VideoPlayerView::currentPicture() const
{
    return QVideoFrame(mFrame).toImage();
}

double VideoPlayerView::pictureTime() const
{
    return mFrame.isValid() && mFrame.startTime() >= 0 ? mFrame.startTime() / 1e6 : -1.0;
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
    const double seconds = std::round(mPlayer->position() / 1000.0);
    qCDebug(lcPlayer, "currentTime %f", seconds);
    mCurrentTime = seconds;
}

void VideoPlayerView::addItemEndObserverForPlayerItem()
{
    if (!mPlayer || itemEndObserver)
        return;
    itemEndObserver = connect(mPlayer, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia)
            onItemEnd();
    });
}

void VideoPlayerView::onItemEnd()
{
    // Back at the start and paused: the first picture shows again.
    mPlayer->setPosition(0);
    mPlayer->pause();
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
    mPlayer->disconnect(this);
    mSink->disconnect(this);
    retire(mPlayer, mSink, mAudioOutput);
    mPlayer = nullptr;
    mSink = nullptr;
    mAudioOutput = nullptr;
    --gLivePlayers;
    mFrame = QVideoFrame();
    mNormalView->hide();
    mCurrentTime = 0;
}
