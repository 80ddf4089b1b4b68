#pragma once
// The view that shows one recording of one camera. It owns the media player of that
// recording and the picture it paints, reports the play position in whole seconds and the
// end of the recording. Single use: it loads one recording in its life; the controller makes
// a new view for the next one, or takes one it prepared.

#include "PlayState.h"
#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class GstPlayer;

class VideoPlayerView : public QWidget {
    Q_OBJECT
public:
    explicit VideoPlayerView(const QRect& frame, QWidget* parent = nullptr);
    ~VideoPlayerView() override;

    // Loads the recording and starts it at the normal rate; ignored when a player exists. With
    // an opening delay the player's pipeline starts that much later (see GstPlayer).
    void loadURL(const QString& path, bool endNotice, int openDelayMs = 0);
    // Loads the recording paused on its first picture, for a start later: it neither counts as
    // live nor tells of its readiness until activated.
    void prepareURL(const QString& path, bool endNotice);
    // Starts a prepared recording as loadURL would have, ready as soon as its picture is there.
    void activate();
    bool isPrepared() const { return mPrepared; }
    QString path() const { return mPath; }
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
    // The players of two views that play in step start running together (see GstPlayer).
    static void startTogether(VideoPlayerView* first, VideoPlayerView* second);

    // Players in use in the process: one per camera at most.
    static int livePlayerCount();
    // Released players not yet destroyed; none a moment after the last release.
    static int retiredPlayerCount();
    // Prepared players waiting to be activated.
    static int preparedPlayerCount();
    static bool isRender360(int majorVersion, int minorVersion);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openPlayer(const QString& path, bool endNotice, int openDelayMs);
    void startPlaying();
    void checkReadiness();
    void onItemEnd();
    void onTimeTick();
    void applyPlayerRate(double rate);
    void onPicture(const QImage& picture, double seconds);

    QWidget* mNormalView = nullptr;
    GstPlayer* mPlayer = nullptr;
    bool mHasAudio = false;
    bool mMuted = false;
    float mVolume = 1.0f;
    QImage mPicture;
    double mPictureTime = -1;
    QTimer* timeObserver = nullptr;
    QMetaObject::Connection itemEndObserver;
    bool mReady = false;          // the picture is shown and readiness was posted
    bool mEndNotice = false;
    bool mPrepared = false;
    bool m_bRender360 = false;
    bool mFitToBounds = false;    // the last fit was for the whole view: refit on resize
    float m_fPlaySpeed = 1.0f;
    double mCurrentTime = 0;
    QSize mPresentationSize;
    QString mPath;
};
