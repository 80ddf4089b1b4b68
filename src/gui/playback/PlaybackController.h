#pragma once
// The playback subsystem: the player views of the front and rear cameras, the open play-list
// entries, the play state, speed, volume and mute, the play bar under the pictures and the
// marks of a clip on its time slider. The
// play list comes from the browsing subsystem; what the rest of the window does at an opened
// recording, a tick or a moved position is told by signals.

#include "ClipMarks.h"
#include "PlayState.h"
#include "PreparedPlayers.h"

#include <QElapsedTimer>
#include <QFuture>
#include <QImage>
#include <QObject>
#include <QString>

#include <functional>

class BrowseController;
class PanelHost;
class PlayControlView;
class QTimer;
class QWidget;
class VideoPlayerView;

class PlaybackController : public QObject {
    Q_OBJECT
public:
    explicit PlaybackController(BrowseController& browse, QObject* parent = nullptr);
    ~PlaybackController() override;

    void createPanels(QWidget* content);
    void addObservers();
    // Back to the state of a new start: nothing open, the stored volume, normal speed.
    void reset();
    // Whether the window shows the map alone, where the front player's host stays hidden.
    void setMapFullScreenQuery(std::function<bool()> query) { mIsMapFullScreen = std::move(query); }

    // ---- Opening and the transport (PlaybackController.cpp) ----
    PlayState getState();
    // Opens a play-list entry and plays it; -1 closes the open recording. Opening always plays:
    // autoPlay is kept because callers name it.
    void setCurPlaylistIndex(int index, bool autoPlay);
    int getCurPlayIndex() const { return m_nCurPlayIndex; }
    void onPlay();
    void onPause();
    void onStop();
    void onButtonPlay();
    void onButtonPause();
    void onButtonNext(bool wrap) { stepPlaylist(true, wrap); }
    // The first entry is preceded by the last; a pair of cameras steps back with wrapping too.
    void onButtonPrev() { stepPlaylist(false, true); }
    void onButtonMute();
    void onButtonSpeed();
    void setPlaySpeed(float speed);
    void setVolume(int volume);
    void checkMute();
    void setCurrentMovieTime(int seconds);
    // Pauses a playing recording and shows the play button; true when it was playing.
    bool pausePlayback();
    void dblClickFile(int index);
    void drawTime();
    void changeSeekTime(int seconds);
    void resetCtrl();
    void checkPlayButtonState(bool paused);
    void handleLoadStateChanged();
    void movieLoadStateChanged(QObject* sender);
    void movieDidEnd();
    void checkMovieTime();
    void onPlayBarButtonClicked(int tag);
    void onSliderChanged(int value, const QString& sliderType);
    void onUpdateTitle(bool flag);
    void onStopMessage();
    void updateTimeSliderRange();
    // Space, the arrows and the page keys; false for any other key.
    bool handleKey(int key);
    // Opens a recording of the library as a double click on its row would, after selecting
    // its day; false when the library does not hold it.
    bool openRecording(const QString& path);
    // Shows a second of a play-list entry: a seek in the open one, or the entry opened as a
    // double click would and the seek once it is ready.
    void openAt(int entry, int second);
    // The rate of a speed button state.
    static float speedForButtonIndex(int index);

    // ---- Front and rear cameras (PlaybackPair.cpp) ----
    void enable2VideoWindow(bool enable);
    void setCurPlaylistIndex2(int index, bool autoPlay);
    int getCurPlayIndex2() const { return m_nCurPlayIndex2; }
    bool has2Videos() const { return m_b2VideoWindowEnable && mVideoPlayView2; }
    void switchVideoWindow(bool swapped);
    bool isVideoSwitched() const { return m_bSwitchVideo; }
    void onButtonWindowSwitch();
    void dualSelectFile(int index);
    bool dualNextFile(bool forward, bool wrap);
    bool isDualCameraMode() const { return m_b2VideoWindowEnable; }
    // The largest difference between the two players' positions seen at a tick, seconds.
    double largestDualDifference() const { return mLargestDualDifference; }

    // ---- The marks of a clip (PlaybackMarks.cpp) ----
    // Marks the clip's start (or end) at the open recording's position; false when nothing
    // is open.
    bool markClip(bool end);
    ClipMarks& clipMarks() { return mClipMarks; }
    const ClipMarks& clipMarks() const { return mClipMarks; }

    // ---- Pictures ----
    // The picture of the open recording (of the second camera) at the first player's time,
    // decoded off the GUI thread; a null picture when nothing is open.
    QFuture<QImage> getCurrentImage() const;
    QFuture<QImage> getCurrentImage2() const;
    // Every open player is ready and shows a picture, of the given second when it is not
    // negative.
    bool playersShowSecond(double seconds) const;

    VideoPlayerView* videoPlayView() const { return mVideoPlayView; }
    VideoPlayerView* videoPlayView2() const { return mVideoPlayView2; }
    PanelHost* playerView() const { return mPlayerView; }
    PanelHost* playerView2() const { return mPlayerView2; }
    PlayControlView* playbarView() const { return mPlaybarView; }
    // The time slider's position, where the graph's cursor stands.
    float timeSliderPosition() const;
    void setTimeSliderValue(int seconds);
    void setEventMark(int second);
    bool selectedMovieIsPlaying() const { return mSelectedMovieIsPlaying; }
    double selectedMovieCurrentTime() const { return mSelectedMovieCurrentTime; }
    void setSelectedMovieCurrentTime(double seconds);
    double selectedMovieDuration() const { return mSelectedMovieDuration; }
    // The front player's position, 0 when nothing is open.
    double playerTime() const;
    float playSpeed() const { return m_fPlaySpeed; }
    int volume() const { return m_nVolume; }
    bool isMuted() const { return m_bMute; }
    void setControlsEnabled(bool on);

signals:
    // A play-list entry is being opened; its picture and track come later.
    void recordingOpening(int entry);
    // A recording opened and its first player is ready: its track can be read now.
    void recordingLoaded();
    // The play position moved by a seek or a stop: the map and the graph follow.
    void positionChanged();
    // A tick of the play timer while playing.
    void ticked();
    // The play bar's full-screen button.
    void fullScreenRequested();
    // The pair mode was switched on or off; changed when it differs from before.
    void dualModeChanged(bool enabled, bool changed);
    // The play position was moved by hand while paused.
    void selectedMovieCurrentTimeChanged(double seconds);

private:
    void stepPlaylist(bool forward, bool wrap);
    // The opening delay of the pipelines of a step that continues a burst of presses, else 0;
    // notes the step's time for the next one.
    int burstOpenDelay();
    void seekTo(int second);
    VideoPlayerView* makePlayerView(PanelHost* container);
    // A view playing the recording: the one prepared for it, or a new one.
    VideoPlayerView* openPlayerView(PanelHost* container, const QString& path, bool endNotice);
    // Prepares what Next and Previous would open from the open entry.
    void prepareNeighbours();
    void addStepTargets(QList<PreparedPlayers::Wanted>& wanted, bool forward) const;
    void releasePlayerView(VideoPlayerView*& view);
    void forEachPlayer(const std::function<void(VideoPlayerView*)>& action) const;
    void startOrStopTickTimer();
    void keepSecondPlayerInStep();
    void showClipMarks();

    BrowseController& mBrowse;
    std::function<bool()> mIsMapFullScreen;
    PlayControlView* mPlaybarView = nullptr;
    QTimer* mCheckMovieTimeTimer = nullptr;
    PreparedPlayers mPrepared;
    QTimer* mPrepareTimer = nullptr;
    QElapsedTimer mLastStep;
    int mOpenDelayMs = 0; // for the views that the step under way opens

    // The front camera, or the only one.
    PanelHost* mPlayerView = nullptr;
    VideoPlayerView* mVideoPlayView = nullptr;
    QString currectasset; // the open recording
    int m_nCurPlayIndex = -1;
    int m_nPlayState = kPlayStateClosed; // as last read by getState
    bool m_bVideoLoading = false;
    int mPendingSeek = -1; // the second to show once the opening recording is ready
    double mSelectedMovieCurrentTime = 0;
    double mSelectedMovieDuration = 0;
    bool mSelectedMovieIsPlaying = false;
    bool m_bMute = false;
    int m_nVolume = 8;
    float m_fPlaySpeed = 1.0f;

    // The rear camera.
    PanelHost* mPlayerView2 = nullptr;
    VideoPlayerView* mVideoPlayView2 = nullptr;
    QString currectasset2;
    int m_nCurPlayIndex2 = -1;
    bool m_b2VideoWindowEnable = false;
    bool m_bSwitchVideo = false;
    double mLargestDualDifference = 0;

    ClipMarks mClipMarks;
};
