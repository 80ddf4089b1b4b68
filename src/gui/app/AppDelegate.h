#pragma once
// The application controller: the delegate of the application and of its main window. It
// runs start-up and shut-down, answers the menus and the tool bar, and owns one controller
// per subsystem, which keeps that subsystem's state: the library and play list (browse), the
// players (playback), the track on the map and graph (display), the backup and the pictures
// (tools) and the upload (sharing). The operations named here forward to them; the wiring
// between them is in AppDelegateWiring.cpp.

#include "WindowLayout.h"
#include "browse/BrowseController.h"
#include "display/TrackController.h"
#include "playback/PlaybackController.h"
#include "sharing/UploadFlow.h"
#include "tools/BackupFlow.h"
#include "tools/MarkedClipExport.h"
#include "tools/PictureFlow.h"

#include <QObject>
#include <QString>

#include <functional>

class MainWindow;
struct Notification;
class SleepWatcher;
class ToolbarView;

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
    // The connectivity check run at launch and before an upload (tests replace the network).
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

    // ---- Window layout and full screen (app/WindowLayout) ----
    void relayout(double width, double height) { mLayout.relayout(width, height); }
    void relayoutContents() { mLayout.relayoutContents(); }
    void windowWillResize(int width, int height) { mLayout.windowWillResize(width, height); }
    bool windowShouldZoom(int width, int height) { return mLayout.windowShouldZoom(width, height); }
    int getSwitchButtonPosition() const { return mLayout.getSwitchButtonPosition(); }
    QSizeF storedWindowSize() const { return mLayout.storedWindowSize(); }
    void onButtonPlayFullScreen() { mLayout.onButtonPlayFullScreen(); }
    void onButtonMapFullScreen();
    void showFullScreen(bool full) { mLayout.showFullScreen(full); }
    ScreenMode screenMode() const { return mLayout.screenMode(); }
    void setScreenMode(ScreenMode mode) { mLayout.setScreenMode(mode); }
    bool isMenuBarHidden() const { return mLayout.isMenuBarHidden(); }
    bool isRightToLeft() const { return mLayout.isRightToLeft(); }

    // ---- Library and play list (browse/BrowseController) ----
    bool buildVideoLibrary(const QString& folder) { return mBrowse.buildVideoLibrary(folder); }
    void rebuildPlaylist() { mBrowse.rebuildPlaylist(); }
    void checkLastVideoDate() { mBrowse.checkLastVideoDate(); }
    bool checkDualCameraFolder() { return mBrowse.checkDualCameraFolder(); }
    void showCalendar(bool show) { mBrowse.showCalendar(show); }
    void onButtonBrowse() { mBrowse.onButtonBrowse(); }
    void openFolder(const QString& folder) { mBrowse.openFolder(folder); }
    void startMonitorFolder(const QString& folder) { mBrowse.startMonitorFolder(folder); }
    void stopMonitorFolder() { mBrowse.stopMonitorFolder(); }
    void onMonitorFolder() { mBrowse.onMonitorFolder(); }
    bool isMediaExistByDate(int year, int month, int day) const { return mBrowse.isMediaExistByDate(year, month, day); }
    void setVideoLib(std::vector<AMediaFile> files) { mBrowse.setVideoLib(std::move(files)); }
    SCEvents* folderEvents() const { return mBrowse.folderEvents(); }
    CardAnnouncer* cardAnnouncer() const { return mBrowse.cardAnnouncer(); }
    CalendarView* calendarView() const { return mBrowse.calendarView(); }
    FileListView* fileListView() const { return mBrowse.fileListView(); }
    const VideoLibrary& videoLib() const { return mBrowse.videoLib(); }
    const Playlist& playlist() const { return mBrowse.playlist(); }
    const QString& currentFolder() const { return mBrowse.currentFolder(); }

    // ---- Playback and the pair of cameras (playback/PlaybackController) ----
    // The play bar, tool bar and export buttons for a play list with or without entries.
    void enableMediaButton(bool on);
    int getState() { return mPlayback.getState(); }
    // The Part's signature: opening always plays, so autoPlay is not consulted.
    void setCurPlaylistIndex(int index, bool autoPlay) { mPlayback.setCurPlaylistIndex(index, autoPlay); }
    int getCurPlayIndex() const { return mPlayback.getCurPlayIndex(); }
    void onPlay() { mPlayback.onPlay(); }
    void onPause() { mPlayback.onPause(); }
    void onStop() { mPlayback.onStop(); }
    void onButtonPlay() { mPlayback.onButtonPlay(); }
    void onButtonPause() { mPlayback.onButtonPause(); }
    void onButtonNext(bool wrap) { mPlayback.onButtonNext(wrap); }
    void onButtonPrev() { mPlayback.onButtonPrev(); }
    void onButtonMute() { mPlayback.onButtonMute(); }
    void onButtonSpeed() { mPlayback.onButtonSpeed(); }
    void setPlaySpeed(float speed) { mPlayback.setPlaySpeed(speed); }
    void setVolume(int volume) { mPlayback.setVolume(volume); }
    void setCurrentMovieTime(int seconds) { mPlayback.setCurrentMovieTime(seconds); }
    bool pausePlayback() { return mPlayback.pausePlayback(); }
    void dblClickFile(int index) { mPlayback.dblClickFile(index); }
    void drawTime() { mPlayback.drawTime(); }
    void changeSeekTime(int seconds) { mPlayback.changeSeekTime(seconds); }
    void resetCtrl() { mPlayback.resetCtrl(); }
    void checkMute() { mPlayback.checkMute(); }
    void checkPlayButtonState(bool paused) { mPlayback.checkPlayButtonState(paused); }
    void handleLoadStateChanged() { mPlayback.handleLoadStateChanged(); }
    void movieLoadStateChanged(QObject* sender) { mPlayback.movieLoadStateChanged(sender); }
    void movieDidEnd() { mPlayback.movieDidEnd(); }
    void checkMovieTime() { mPlayback.checkMovieTime(); }
    void onPlayBarButtonClicked(int tag) { mPlayback.onPlayBarButtonClicked(tag); }
    void onSliderChanged(int value, const QString& sliderType) { mPlayback.onSliderChanged(value, sliderType); }
    void onUpdateTitle(bool flag) { mPlayback.onUpdateTitle(flag); }
    void onStopMessage() { mPlayback.onStopMessage(); }
    QFuture<QImage> getCurrentImage() const { return mPlayback.getCurrentImage(); }
    QFuture<QImage> getCurrentImage2() const { return mPlayback.getCurrentImage2(); }
    void dualSelectFile(int index) { mPlayback.dualSelectFile(index); }
    bool dualNextFile(bool forward, bool wrap) { return mPlayback.dualNextFile(forward, wrap); }
    bool openRecording(const QString& path) { return mPlayback.openRecording(path); }
    // What a click on the trip's route asks: that second of that play-list entry.
    void openAt(int entry, int second) { mPlayback.openAt(entry, second); }
    bool handlePlaybackKey(int key);
    bool playersShowSecond(double seconds) const { return mPlayback.playersShowSecond(seconds); }
    static float speedForButtonIndex(int index) { return PlaybackController::speedForButtonIndex(index); }
    VideoPlayerView* videoPlayView() const { return mPlayback.videoPlayView(); }
    VideoPlayerView* videoPlayView2() const { return mPlayback.videoPlayView2(); }
    PanelHost* playerView() const { return mPlayback.playerView(); }
    PanelHost* playerView2() const { return mPlayback.playerView2(); }
    PlayControlView* playbarView() const { return mPlayback.playbarView(); }
    bool selectedMovieIsPlaying() const { return mPlayback.selectedMovieIsPlaying(); }
    double selectedMovieCurrentTime() const { return mPlayback.selectedMovieCurrentTime(); }
    double selectedMovieDuration() const { return mPlayback.selectedMovieDuration(); }
    float playSpeed() const { return mPlayback.playSpeed(); }
    int volume() const { return mPlayback.volume(); }
    bool isMuted() const { return mPlayback.isMuted(); }
    void enable2VideoWindow(bool enable) { mPlayback.enable2VideoWindow(enable); }
    void setCurPlaylistIndex2(int index, bool autoPlay) { mPlayback.setCurPlaylistIndex2(index, autoPlay); }
    int getCurPlayIndex2() const { return mPlayback.getCurPlayIndex2(); }
    bool has2Videos() const { return mPlayback.has2Videos(); }
    void switchVideoWindow(bool swapped) { mPlayback.switchVideoWindow(swapped); }
    bool isVideoSwitched() const { return mPlayback.isVideoSwitched(); }
    void onButtonWindowSwitch() { mPlayback.onButtonWindowSwitch(); }
    bool isDualCameraMode() const { return mPlayback.isDualCameraMode(); }
    double largestDualDifference() const { return mPlayback.largestDualDifference(); }

    // ---- Track, map and G-sensor graph (display/TrackController) ----
    void onOpenGPSFile() { mTrack.onOpenGPSFile(); }
    void mapGoTo() { mTrack.mapGoTo(); }
    void onPlayTimerChange() { mTrack.onPlayTimerChange(); }
    void onCenterMap() { mTrack.onCenterMap(); }
    void onMapViewReady() { mTrack.onMapViewReady(); }
    float xCreateSensorGraphic(int eventTime) { return mTrack.xCreateSensorGraphic(eventTime); }
    void redrawSensorGraphic() { mTrack.redrawSensorGraphic(); }
    QImage getGSensorBitmap() const { return mTrack.getGSensorBitmap(); }
    void unitMenuItemClicked(int tag) { mTrack.unitMenuItemClicked(tag); }
    void onButtonExport() { mTrack.onButtonExport(); }
    bool exportTrack(const QString& path) { return mTrack.exportTrack(path); }
    const GpsData* getCurGpsData() const { return mTrack.getCurGpsData(); }
    const GpsList* gpsList() const { return mTrack.gpsList(); }
    const MapGoToValues& lastMapPosition() const { return mTrack.lastMapPosition(); }
    const QImage& sensorBitmap() const { return mTrack.sensorBitmap(); }
    int eventTime() const { return mTrack.eventTime(); }
    MapView* mapView() const { return mTrack.mapView(); }
    GSensorView* gsensorView() const { return mTrack.gsensorView(); }

    // ---- Backup, capture and printing (tools/) ----
    void onButtonBackup() { mBackup.onButtonBackup(); }
    void doBackup(const QList<int>& indexes) { mBackup.doBackup(indexes); }
    BackupDlg* backupDlg() const { return mBackup.backupDlg(); }
    ProgressDlg* progressDlg() const { return mBackup.progressDlg(); }
    bool isBackupRunning() const { return mBackup.isBackupRunning(); }
    quint64 copiedBytes() const { return mBackup.copiedBytes(); }
    BackupFlow& backupFlow() { return mBackup; }
    void onButtonCapture() { mPictures.onButtonCapture(); }
    CapturePreviewDlg* capturePreviewDlg() const { return mPictures.capturePreviewDlg(); }
    void onButtonPrint() { mPictures.onButtonPrint(); }
    bool showCapturePreview(const QImage& image, const QImage& subImage)
    {
        return mPictures.showCapturePreview(image, subImage);
    }
    void showPrintPreview(const QImage& image, const QImage& subImage) { mPictures.showPrintPreview(image, subImage); }
    PrintWindowController* printWindow() const { return mPictures.printWindow(); }
    void onExportClip() { mClip.exportMarkedClip(); }
    const ClipMarks& clipMarks() const { return mPlayback.clipMarks(); }
    ClipExportFlow* clipExportFlow() const { return mClip.flow(); }

    // ---- Sharing (sharing/UploadFlow) ----
    void onButtonUploadYouTube() { mUpload.onButtonUploadYouTube(); }
    void onButtonUploadFacebook() { mUpload.onButtonUploadFacebook(); }
    void doVideoUpload(int videoWebsite) { mUpload.doVideoUpload(videoWebsite); }
    void doLogin() { mUpload.doLogin(); }
    void editUploadVideos(const QList<int>& rows) { mUpload.editUploadVideos(rows); }
    LoginDlg* loginDlg() const { return mUpload.loginDlg(); }
    EditUploadDlg* editUploadDlg() const { return mUpload.editUploadDlg(); }
    const QString& fbKey() const { return mUpload.fbKey(); }

    MainWindow* mainWindow() const { return mWindow; }
    ToolbarView* toolbarView() const { return mToolbarView; }

signals:
    // The library of the launch folder is built and shown.
    void launchFinished();
    // The play position was moved by hand while paused.
    void selectedMovieCurrentTimeChanged(double seconds);

private:
    void createPanels();
    void showAboutBox();
    // AppDelegateWiring.cpp: what one subsystem's events ask of another, and the views'
    // notifications that reach the application itself.
    void connectSubsystems();
    void addObservers();
    void onToolbarCommand(int command);

    MainWindow* mWindow = nullptr;
    ToolbarView* mToolbarView = nullptr;
    SleepWatcher* mSleepWatcher = nullptr;
    QString mLaunchFolder;
    std::function<bool()> mConnectivityCheck;
    bool mLaunched = false;
    bool bFirstTimeActive = true;

    // The subsystems, in the order they depend on each other.
    BrowseController mBrowse;
    PlaybackController mPlayback;
    TrackController mTrack;
    WindowLayout mLayout;
    BackupFlow mBackup;
    PictureFlow mPictures;
    MarkedClipExport mClip;
    UploadFlow mUpload;
};
