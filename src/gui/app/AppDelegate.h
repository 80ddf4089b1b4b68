#pragma once
// The application controller: the delegate of the application and of its main window. It
// runs start-up and shut-down, owns the video library and the play list, places the panels
// of the window and answers the tool bar and the menus.

#include "MainWindowLayout.h"
#include "browse/SCEventListenerProtocol.h"
#include "display/GSensorView.h"
#include "display/MapView.h"
#include "gps/CurrentSample.h"
#include "gps/GpsList.h"
#include "library/Playlist.h"
#include "library/VideoLibrary.h"
#include "backup/FileCopy.h"

#include <QList>
#include <QFuture>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

class CalendarView;
class FileListView;
class BackupCopyThread;
class BackupDlg;
class CapturePreviewDlg;
class PrintWindowController;
class QImage;
class EditUploadDlg;
class LoginDlg;
class MainWindow;
struct Notification;
class ProgressDlg;
class PanelHost;
class CardAnnouncer;
class PlayControlView;
class SCEvents;
class SleepWatcher;
class ToolbarView;
class VideoPlayerView;
class QWidget;

class AppDelegate : public QObject, public SCEventListenerProtocol {
    Q_OBJECT
public:
    explicit AppDelegate(QObject* parent = nullptr);
    ~AppDelegate() override;

    // Start-up, in the order the program runs it.
    void awakeFromNib();
    void applicationWillFinishLaunching();
    void applicationDidFinishLaunching();
    void applicationDidBecomeActive();
    void initialData();
    bool isLaunched() const { return mLaunched; }
    bool hasBeenActivated() const { return !bFirstTimeActive; }

    // A folder given on the command line, opened at launch as if chosen with the browse button.
    void setLaunchFolder(const QString& folder) { mLaunchFolder = folder; }
    // The connectivity check run at launch (tests replace the network).
    void setConnectivityCheck(std::function<bool()> check) { mConnectivityCheck = std::move(check); }

    // Shut-down and the window's return.
    void windowWillClose();
    bool applicationShouldHandleReopen();
    void applicationWillTerminate();

    // Menu commands.
    void languageMenuItemClicked(int tag);
    void skinMenuItemClicked(int tag);
    void aboutMenuItemClicked();
    void onMenuAbout();
    void updateMenuItemClicked();

    void makeSleep();
    void makeWake();

    // ---- Window layout (app/AppDelegateLayout.cpp) ----
    void relayout(double width, double height);
    void relayoutContents();
    void windowWillResize(int width, int height);
    bool windowShouldZoom(int width, int height);
    int getSwitchButtonPosition() const;
    QSizeF storedWindowSize() const { return mWindowSize; }
    void setScreenMode(int mode) { m_nScreenMode = mode; }

    // ---- Library and play list (browse/AppDelegateBrowse.cpp) ----
    bool buildVideoLibrary(const QString& folder);
    void rebuildPlaylist();
    void checkLastVideoDate();
    bool checkDualCameraFolder();
    void showCalendar(bool show);
    void onButtonBrowse();
    void openFolder(const QString& folder);
    // Folder monitoring (browse/AppDelegateMonitor.cpp)
    void startMonitorFolder(const QString& folder);
    void stopMonitorFolder();
    void pathWatcher(SCEvents* pathWatcher, const SCEvent& event) override;
    void onMonitorFolder();
    SCEvents* folderEvents() const { return _events; }
    CardAnnouncer* cardAnnouncer() const { return mCardAnnouncer; }
    // Some library recording, of any category, was made on that day (the calendar's marks).
    bool isMediaExistByDate(int year, int month, int day) const;
    // Replaces the library as a scan would leave it, without scanning.
    void setVideoLib(std::vector<AMediaFile> files);
    CalendarView* calendarView() const { return mCalendarView; }
    FileListView* fileListView() const { return mFileListView; }

    // ---- Playback (playback/AppDelegatePlayback.cpp) ----
    void enableMediaButton(bool on);
    int getState();
    // Opens a play-list entry and plays it; -1 closes the open recording.
    void setCurPlaylistIndex(int index, bool autoPlay);
    int getCurPlayIndex() const { return m_nCurPlayIndex; }
    void onPlay();
    void onPause();
    void onStop();
    void onButtonPlay();
    void onButtonPause();
    void onButtonNext(bool wrap);
    void onButtonPrev();
    void onButtonMute();
    void onButtonSpeed();
    void setPlaySpeed(float speed);
    void setVolume(int volume);
    void checkMute();
    void setCurrentMovieTime(int seconds);
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
    // The rate of a speed button state.
    static float speedForButtonIndex(int index);

    VideoPlayerView* videoPlayView() const { return mVideoPlayView; }
    bool selectedMovieIsPlaying() const { return mSelectedMovieIsPlaying; }
    double selectedMovieCurrentTime() const { return mSelectedMovieCurrentTime; }
    void setSelectedMovieCurrentTime(double seconds);
    double selectedMovieDuration() const { return mSelectedMovieDuration; }
    float playSpeed() const { return m_fPlaySpeed; }
    int volume() const { return m_nVolume; }
    bool isMuted() const { return m_bMute; }
    // The picture of the open recording (of the second camera) at the first player's time,
    // decoded off the GUI thread; a null picture when nothing is open.
    QFuture<QImage> getCurrentImage() const;
    QFuture<QImage> getCurrentImage2() const;
    // Every open player is ready and shows a picture, of the given second when it is not
    // negative.
    bool playersShowSecond(double seconds) const;
    // Opens a recording of the library as a double click on its row would, after selecting
    // its day; false when the library does not hold it.
    bool openRecording(const QString& path);
    // The keys a user of any video player expects, at the window level.
    bool handlePlaybackKey(int key);

    // ---- Front and rear cameras (playback/AppDelegateDual.cpp) ----
    void enable2VideoWindow(bool enable);
    void setCurPlaylistIndex2(int index, bool autoPlay);
    int getCurPlayIndex2() const { return m_nCurPlayIndex2; }
    bool has2Videos() const { return m_b2VideoWindowEnable && mVideoPlayView2; }
    void switchVideoWindow(bool swapped);
    bool isVideoSwitched() const { return m_bSwitchVideo; }
    void onButtonWindowSwitch();
    void dualSelectFile(int index);
    bool dualNextFile(bool forward, bool wrap);
    VideoPlayerView* videoPlayView2() const { return mVideoPlayView2; }
    // The largest difference between the two players' positions seen at a tick, seconds.
    double largestDualDifference() const { return mLargestDualDifference; }

    // ---- Full screen (playback/AppDelegateFullScreen.cpp) ----
    void onButtonPlayFullScreen();
    void onButtonMapFullScreen();
    void showFullScreen(bool full);
    int screenMode() const { return m_nScreenMode; }
    bool isMenuBarHidden() const;

    // ---- Track, map and G-sensor graph (display/AppDelegateTrack.cpp, display/AppDelegateMap.cpp,
    // display/AppDelegateExport.cpp) ----
    void onMapViewReady();
    void onCenterMap();
    void unitMenuItemClicked(int tag);
    // Builds the curve image of the track into m_oSensorBitmap; returns its scale.
    float xCreateSensorGraphic(int eventTime);
    const QImage& sensorBitmap() const { return m_oSensorBitmap; }
    // The display panels after a language or skin change.
    void changeDisplayLanguage();
    void loadDisplaySkin();
    void redrawSensorGraphic();
    // The export button and the File menu's export command.
    void onButtonExport();
    // Writes the track as KML, or as GPX when the path ends in ".gpx"; false when nothing
    // could be written.
    bool exportTrack(const QString& path);
    void onOpenGPSFile();
    const GpsData* getCurGpsData() const;
    void mapGoTo();
    void onPlayTimerChange();
    const GpsList* gpsList() const { return &m_poGpsList; }
    // The values last handed to the map panel and the G-sensor indicator.
    const MapGoToValues& lastMapPosition() const { return mLastMapPosition; }
    int sensorX() const { return m_nSensorX; }
    int sensorY() const { return m_nSensorY; }
    int sensorZ() const { return m_nSensorZ; }
    int eventTime() const { return m_nEventTime; }

    // ---- Capture, printing and backup (tools/) ----
    // Backup (tools/AppDelegateBackup.cpp). The selection dialog also serves the upload
    // (openBackupDlg with backupButton false: at most ten rows); its hand-over for an upload
    // is left to the upload flow's own observer.
    void onButtonBackup();
    void openBackupDlg(const QString& title, bool backupButton);
    void UploadVideoChanged(const Notification& notification);
    void doBackup(const QList<int>& indexes);
    // On the copy thread.
    void startCopyFileThread(const QString& destFolder);
    bool writeMediaToPath(const QString& sourcePath, const QString& destFolderPath);
    BackupDlg* backupDlg() const { return _backupDlg; }
    // The progress window of the running backup, or of the last one (closed).
    ProgressDlg* progressDlg() const { return mProgressDlg; }
    bool isBackupRunning() const { return mCopyThread != nullptr; }
    quint64 copiedBytes() const { return m_lCurrentSize.bytesCopied.load(); }
    // The tool bar's backup, print and capture buttons: backup with a play list, print and
    // capture with an open recording.
    // Capture (tools/AppDelegateCapture.cpp): pause, take the pictures, preview them; playback
    // resumes after a cancel when it was playing.
    void onButtonCapture();
    // The preview of the pictures taken; true when a file was written.
    bool showCapturePreview(const QImage& image, const QImage& subImage);
    CapturePreviewDlg* capturePreviewDlg() const { return mCapturePreviewDlg; }
    // Printing (tools/AppDelegatePrint.cpp).
    void onButtonPrint();
    void showPrintPreview(const QImage& image, const QImage& subImage);
    // The G-sensor curve for the printed page.
    QImage getGSensorBitmap() const;
    PrintWindowController* printWindow() const { return mPrintWindow; }

    // ---- Sharing (sharing/AppDelegateSharing.cpp) ----
    void onButtonUploadYouTube();
    void onButtonUploadFacebook();
    void doVideoUpload(int videoWebsite);
    void doLogin();
    // The upload flow's own observer of the hand-over (the backup has UploadVideoChanged).
    void UploadVideoChangedForUpload(const Notification& notification);
    void editUploadVideos(const QList<int>& rows);
    LoginDlg* loginDlg() const;
    EditUploadDlg* editUploadDlg() const;
    const QString& fbKey() const { return mFBKey; }

    MainWindow* mainWindow() const { return mWindow; }
    ToolbarView* toolbarView() const { return mToolbarView; }
    PlayControlView* playbarView() const { return mPlaybarView; }
    GSensorView* gsensorView() const { return mGsensorView; }
    MapView* mapView() const { return mMapView; }
    PanelHost* playerView() const { return mPlayerView; }
    PanelHost* playerView2() const { return mPlayerView2; }
    const VideoLibrary& videoLib() const { return mVideoLib; }
    const Playlist& playlist() const { return mPlaylist; }
    const QString& currentFolder() const { return mCurFolder; }
    bool isDualCameraMode() const { return m_b2VideoWindowEnable; }
    bool isRightToLeft() const { return bR2L; }

signals:
    // The library of the launch folder is built and shown.
    void launchFinished();
    // The play position was moved by hand while paused.
    void selectedMovieCurrentTimeChanged(double seconds);

private:
    void createPanels();
    void scheduleRelayoutContents(int delayMs);
    void showAboutBox();
    PanelMetrics panelMetrics() const;

    // Each subsystem makes its panels and registers its observers in its own file.
    void createPlaybackPanels(QWidget* content);
    void createBrowsePanels(QWidget* content);
    void createDisplayPanels(QWidget* content);
    void addPlaybackObservers();
    void addBrowseObservers();
    void addDisplayObservers();

    // Library and play list.
    PlaylistFilter playlistFilter() const;

    MainWindow* mWindow = nullptr;
    ToolbarView* mToolbarView = nullptr;
    SleepWatcher* mSleepWatcher = nullptr;
    QTimer mRelayoutTimer;

    QString mLaunchFolder;
    std::function<bool()> mConnectivityCheck;
    bool mLaunched = false;
    bool bFirstTimeActive = true;
    bool bR2L = false;

    // Window layout.
    QSizeF mWindowSize{0, 0}; // the stored window size, title bar included
    int m_nScreenMode = kScreenNormal;
    QRect m_rectNormalScreen;

    // Library and play list.
    FileListView* mFileListView = nullptr;
    CalendarView* mCalendarView = nullptr;
    double mCalendarHeight = 0; // lower by the folded month grid in list mode
    VideoLibrary mVideoLib;
    Playlist mPlaylist;
    QString mCurFolder;
    bool m_bAllFile = false;
    bool m_bCheckFolder = false;
    qint64 m_lLastTime = 0;
    // Folder monitoring.
    SCEvents* _events = nullptr;
    CardAnnouncer* mCardAnnouncer = nullptr;

    // Playback.
    PlayControlView* mPlaybarView = nullptr;
    PanelHost* mPlayerView = nullptr;
    int m_nCurPlayIndex = -1;
    int m_nPlayState = 0;
    bool m_bMute = false;
    int m_nVolume = 8;
    float m_fPlaySpeed = 1.0f;
    double mSelectedMovieCurrentTime = 0;
    double mSelectedMovieDuration = 0;
    bool mSelectedMovieIsPlaying = false;
    bool m_bVideoLoading = false;
    QString currectasset; // the open recording
    VideoPlayerView* mVideoPlayView = nullptr;
    QTimer* mCheckMovieTimeTimer = nullptr;
    VideoPlayerView* makePlayerView(PanelHost* container);
    void releasePlayerView(VideoPlayerView*& view);
    void forEachPlayer(const std::function<void(VideoPlayerView*)>& action) const;
    void updateTimeSliderRange();

    // Front and rear cameras.
    PanelHost* mPlayerView2 = nullptr;
    bool m_b2VideoWindowEnable = false;
    bool m_bSwitchVideo = false;
    bool m_bSyncStateFromVideo1 = false;
    bool m_bSyncStateFromVideo2 = false;
    int m_nCurPlayIndex2 = -1;
    QString currectasset2;
    VideoPlayerView* mVideoPlayView2 = nullptr;
    double mLargestDualDifference = 0;
    void keepSecondPlayerInStep();

    // Full screen.
    int m_styleMask = 0; // the window's flags before going full screen
    Qt::WindowStates mNormalWindowState;
    void settleWindowFrame();

    // Track, map and G-sensor graph.
    MapView* mMapView = nullptr;
    GSensorView* mGsensorView = nullptr;
    QImage m_oSensorBitmap;
    int m_nEventTime = -1;
    int m_nMotorType = 0;
    int m_nSensorX = 0, m_nSensorY = 0, m_nSensorZ = 0;
    GpsList m_poGpsList;
    GpsData m_poGpsTempData;
    MapGoToValues mLastMapPosition;

    // Capture, printing and backup.
    void finishBackup();
    bool m_bBackupButton = true;
    QList<int> mSelFileIndexSet;
    std::vector<std::string> mBackupSources; // the paths of mSelFileIndexSet, for the copy thread
    BackupDlg* _backupDlg = nullptr;
    CapturePreviewDlg* mCapturePreviewDlg = nullptr;
    bool mToolDialogPending = false; // pictures for a capture or print preview are being decoded
    PrintWindowController* mPrintWindow = nullptr;
    ProgressDlg* mProgressDlg = nullptr;
    CopyControl m_lCurrentSize; // bytes copied and the cancel flag, shared with the copy thread
    std::unique_ptr<BackupCopyThread> mCopyThread; // after the counter it uses

    // Sharing.
    qint16 m_nVideoWebsite = 0;
    QString mFBKey;
    QPointer<LoginDlg> mLoginDlg;         // kept until the next sign-in replaces it
    QPointer<EditUploadDlg> mEditUploadDlg; // kept until the next upload replaces it
};

// The application controller, for widgets that call its operations directly.
AppDelegate* pmGetAppDelegate();
