#pragma once
// The application controller: the delegate of the application and of its main window. It
// runs start-up and shut-down, owns the video library and the play list, places the panels
// of the window and answers the tool bar and the menus.

#include "MainWindowLayout.h"
#include "library/Playlist.h"
#include "library/VideoLibrary.h"
#include "backup/FileCopy.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

class BackupCopyThread;
class BackupDlg;
class EditUploadDlg;
class LoginDlg;
class MainWindow;
struct Notification;
class ProgressDlg;
class PanelHost;
class SleepWatcher;
class ToolbarView;
class QWidget;

class AppDelegate : public QObject {
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

    // ---- Playback (playback/AppDelegatePlayback.cpp) ----
    void enableMediaButton(bool on);
    int getState();

    // ---- Front and rear cameras (playback/AppDelegateDual.cpp) ----
    void enable2VideoWindow(bool enable);

    // ---- Full screen (playback/AppDelegateFullScreen.cpp) ----

    // ---- Track, map and G-sensor graph (display/AppDelegateTrack.cpp) ----

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
    ProgressDlg* progressDlg() const { return mProgressDlg; }
    bool isBackupRunning() const { return mCopyThread != nullptr; }
    quint64 copiedBytes() const { return m_lCurrentSize.bytesCopied.load(); }

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
    PanelHost* playbarView() const { return mPlaybarView; }
    PanelHost* calendarView() const { return mCalendarView; }
    PanelHost* fileListView() const { return mFileListView; }
    PanelHost* gsensorView() const { return mGsensorView; }
    PanelHost* mapView() const { return mMapView; }
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

private:
    void createPanels();
    void scheduleRelayoutContents(int delayMs);
    void forEachPanelHost(const std::function<void(PanelHost*)>& action) const;
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
    PanelHost* mFileListView = nullptr;
    PanelHost* mCalendarView = nullptr;
    double mCalendarHeight = 0; // lower by the folded month grid in list mode
    VideoLibrary mVideoLib;
    Playlist mPlaylist;
    QString mCurFolder;
    // The day the play list shows in calendar mode, until the calendar panel keeps it.
    std::optional<CalendarDate> mSelectedDay;
    bool m_bAllFile = false;
    bool m_bCheckFolder = false;
    qint64 m_lLastTime = 0;

    // Playback.
    PanelHost* mPlaybarView = nullptr;
    PanelHost* mPlayerView = nullptr;
    int m_nCurPlayIndex = -1;
    int m_nPlayState = 0;
    bool m_bMute = false;
    int m_nVolume = 8;
    float m_fPlaySpeed = 1.0f;
    double mSelectedMovieCurrentTime = 0;
    double mSelectedMovieDuration = 0;
    bool m_bVideoLoading = false;

    // Front and rear cameras.
    PanelHost* mPlayerView2 = nullptr;
    bool m_b2VideoWindowEnable = false;
    bool m_bSwitchVideo = false;
    bool m_bSyncStateFromVideo1 = false;
    bool m_bSyncStateFromVideo2 = false;

    // Track, map and G-sensor graph.
    PanelHost* mMapView = nullptr;
    PanelHost* mGsensorView = nullptr;
    int m_nEventTime = -1;
    int m_nMotorType = 0;
    int m_nSensorX = 0, m_nSensorY = 0, m_nSensorZ = 0;

    // Capture, printing and backup.
    void finishBackup();
    bool m_bBackupButton = true;
    QList<int> mSelFileIndexSet;
    std::vector<std::string> mBackupSources; // the paths of mSelFileIndexSet, for the copy thread
    BackupDlg* _backupDlg = nullptr;
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
