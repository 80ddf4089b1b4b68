#pragma once
// One recording played by a GStreamer pipeline of its own (playbin into an application sink).
// Nothing here waits for the pipeline: opening, pausing, seeking and the change of rate return
// at once, and the pictures, the end and the errors arrive later as signals on the GUI thread.
// A destroyed player stops its pipeline on a thread of its own, so neither the GUI thread nor
// the next recording waits for that either. A player may also start its pipeline a moment
// later: dropped before then, it has cost nothing at all.

#include <QImage>
#include <QList>
#include <QObject>
#include <QString>

#include <memory>

class GstPlayerRelay;
typedef struct _GstElement GstElement;

class GstPlayer : public QObject {
    Q_OBJECT
public:
    // Starts the pipeline paused on its first picture, after openDelayMs when that is not 0;
    // play() lets it run. Until the pipeline starts, every command is kept for it.
    GstPlayer(const QString& path, bool withAudio, int openDelayMs, QObject* parent = nullptr);
    ~GstPlayer() override;

    void play();
    void pause();
    bool isPlaying() const { return mPlaying; }
    // Kept until the pipeline has its first picture, then applied at once.
    void setRate(double rate);
    double rate() const { return mRate; }
    // To the picture of that time exactly, playing or paused.
    void seek(double seconds);
    // Seconds; 0 while the pipeline does not know yet.
    double position() const;
    double duration() const;
    void setVolume(double volume);
    void setMuted(bool muted);

    // Loads the media framework and its plug-in registry, which the first pipeline would
    // otherwise do on the way to its picture. Safe from any thread, done once.
    static void initialize();
    // Pipelines of destroyed players still being stopped.
    static int stoppingCount();
    // Players that are to run in step start together: each one that has no picture yet rests
    // on its first picture, even when asked to play, until the others have theirs, have failed
    // or are gone (or one of them has waited long enough). Left to run each from its own first
    // picture, two pipelines start apart by the difference of their opening times, and bringing
    // the follower back by an exact seek means decoding from its last key frame.
    static void startTogether(const QList<GstPlayer*>& players);

signals:
    // A picture to show and its time in the recording, in seconds.
    void pictureArrived(const QImage& picture, double seconds);
    void ended();
    void failed(const QString& text);

private:
    friend class GstPlayerRelay;
    struct StartGate;
    void open(const QString& path, bool withAudio);
    // The pipeline's state as asked for: playing only once no start gate holds it.
    void applyState();
    // At the first picture, a failure or the end of the player: no longer waited for.
    void arriveAtGate();
    void onPrerolled();
    void onPicture(const QImage& picture, double seconds);
    void seekNow(double seconds, double rate);

    GstElement* mPipeline = nullptr;
    std::shared_ptr<GstPlayerRelay> mRelay;
    bool mPlaying = false;
    bool mPrerolled = false;   // seeks wait for the pipeline's first preroll
    double mRate = 1.0;
    double mVolume = 1.0;
    bool mMuted = false;
    double mPendingSeek = -1;  // seconds, for the preroll
    // Until the pipeline has reached it, the position is the time asked for, as a player's
    // position is right after a seek.
    double mSeekTarget = -1;
    bool mPendingRate = false; // a rate to apply at the preroll
    std::shared_ptr<StartGate> mGate;
};
