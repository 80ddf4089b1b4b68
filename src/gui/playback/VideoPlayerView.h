#pragma once
// The view that shows one recording of one camera. It owns the media player of that
// recording and the picture it paints, reports the play position in whole seconds and the
// end of the recording. Single use: it loads one recording in its life; the controller makes
// a new view for the next one.

#include "PlayState.h"
#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QVideoFrame>
#include <QWidget>

class QAudioOutput;
class QMediaPlayer;
class QVideoSink;

class VideoPlayerView : public QWidget {
    Q_OBJECT
public:
    explicit VideoPlayerView(const QRect& frame, QWidget* parent = nullptr);
    ~VideoPlayerView() override;

    // Loads the recording and starts it at the normal rate; ignored when a player exists.
    void loadURL(const QString& path, bool endNotice);
    // Fits the picture into the rectangle: never enlarged, centred.
    void relayout(const QRect& rect);

    void onPlay();
    void onPause();
    void setRate(float rate);
    float playSpeed() const { return m_fPlaySpeed; }
    void setMuted(bool muted);
    void setVolume(float volume);
    bool isMuted() const;
    float volume() const;
    void seekToTime(double seconds);

    double getCurrentTime() const { return mCurrentTime; }
    // The player's own position in seconds, to the millisecond; 0 without a player.
    double getitemTime() const;
    PlayState getState() const;
    // The recording's length as the player knows it, 0 until then.
    double playerDuration() const;

    void releasePlayer();
    void removeBoundaryTimeObserver();
    void addVideoTimerObserver();
    void addItemEndObserverForPlayerItem();

    QWidget* normalView() const { return mNormalView; }
    bool hasPlayer() const { return mPlayer != nullptr; }
    bool isReadyToPlay() const { return mReady; }
    QSize presentationSize() const { return mPresentationSize; }
    QRect pictureFrame() const;
    // The picture last received from the player, null before the first, and its time in
    // seconds (-1 before the first).
    QImage currentPicture() const;
    double pictureTime() const;
    // Fine rate nudges of a follower that must not be heard or seen as a change of speed.
    void setPlayerRate(double rate);

    // Players in use in the process: one per camera at most.
    static int livePlayerCount();
    // Released players not yet destroyed; none a moment after the last release.
    static int retiredPlayerCount();
    static bool isRender360(int majorVersion, int minorVersion);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void checkReadiness();
    void onItemEnd();
    void onTimeTick();
    void applyPlayerRate(double rate);
    static void retire(QMediaPlayer* player, QVideoSink* sink, QAudioOutput* audio);

    QWidget* mNormalView = nullptr;
    QMediaPlayer* mPlayer = nullptr;
    QAudioOutput* mAudioOutput = nullptr;
    QVideoSink* mSink = nullptr;
    QVideoFrame mFrame;
    QTimer* timeObserver = nullptr;
    QMetaObject::Connection itemEndObserver;
    bool mReady = false;          // the picture is shown and readiness was posted
    bool mEndNotice = false;
    bool m_bRender360 = false;
    bool mFitToBounds = false;    // the last fit was for the whole view: refit on resize
    float m_fPlaySpeed = 1.0f;
    double mCurrentTime = 0;
    QSize mPresentationSize;
    QString mPath;
};
