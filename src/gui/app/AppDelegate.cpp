#include "AppDelegate.h"

#include "AboutDialog.h"
#include "AppVersion.h"
#include "Connectivity.h"
#include "LocalizedText.h"
#include "MainWindow.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "PanelHost.h"
#include "PreferenceKeys.h"
#include "Preferences.h"
#include "SkinImages.h"
#include "SleepWatcher.h"
#include "ToolbarView.h"
#include "WaitingWindow/WaitingWindowController.h"
#include "controls/BitmapButton.h"
#include "library/CameraPairing.h"
#include "util/Log.h"

#include <QApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QScreen>
#include <QUrl>

namespace {

AppDelegate* gAppDelegate = nullptr;

constexpr int kFirstLayoutDelayMs = 100;
constexpr int kResizeLayoutDelayMs = 500;
constexpr int kLanguageLayoutDelayMs = 500;
constexpr int kInitialWidth = 1100;
constexpr int kInitialHeight = 720;

// The calendar's month grid folds away in list mode by this much.
constexpr int kCalendarFoldHeight = 209;

const char* const kYouTubeHome = "https://www.youtube.com/";
const char* const kProjectHome = "https://github.com/koriv/korivmanager";

void writeLog(const QString& line)
{
    pmWriteLog(line.toStdString());
}

// Qt's own widgets (menu bar, menus, dialogs, tool tips) follow the language's writing
// direction; the panels mirror themselves by their own arithmetic.
void followWritingDirection()
{
    QGuiApplication::setLayoutDirection(pmIsRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
}

QSize sizeOr(const QSize& size, int width, int height)
{
    return size.isEmpty() ? QSize(width, height) : size;
}

} // namespace

AppDelegate* pmGetAppDelegate()
{
    return gAppDelegate;
}

AppDelegate::AppDelegate(QObject* parent) : QObject(parent), mConnectivityCheck(pmIsInternetConnected)
{
    gAppDelegate = this;
    mRelayoutTimer.setSingleShot(true);
    connect(&mRelayoutTimer, &QTimer::timeout, this, &AppDelegate::relayoutContents);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive && mLaunched)
            applicationDidBecomeActive();
    });
}

AppDelegate::~AppDelegate()
{
    NotificationCenter::defaultCenter().removeObserver(this);
    delete mWindow;
    if (gAppDelegate == this)
        gAppDelegate = nullptr;
}

// ---- Start-up ----

void AppDelegate::awakeFromNib()
{
    followWritingDirection();
    mWindow = new MainWindow(this);
    mWindow->setMinimumSize(kMinWindowWidth, kMinWindowHeight);
    mWindow->resize(kInitialWidth, kInitialHeight);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        mWindow->resize(mWindow->size().boundedTo(available.size()).expandedTo(mWindow->minimumSize()));
        mWindow->move(available.center() - mWindow->rect().center());
    }
    createPanels();
}

void AppDelegate::createPanels()
{
    // The panels load their images as they are made: read the stored skin first, as the tool
    // bar does, or they would show the first skin until the next skin change.
    getSkinId();
    QWidget* content = mWindow->contentView();
    mPlayerView = new PanelHost("playerView", Qt::black, content);
    mPlayerView2 = new PanelHost("playerView2", Qt::black, content);
    mPlayerView2->hide();
    mMapView = new PanelHost("mapView", QColor(0x23, 0x27, 0x2c), content);
    mMapView->setBackgroundImageName("map_disable.png", PanelHost::Fill::TopCentred);
    mGsensorView = new PanelHost("gsensorView", QColor(0x14, 0x14, 0x14), content);
    mGsensorView->setBackgroundImageName("G-Sensor Screen_disable.png", PanelHost::Fill::AtTop);
    mFileListView = new PanelHost("fileListView", QColor(0x1c, 0x1c, 0x1c), content);
    mFileListView->setBackgroundImageName("bg_calendar_title.png", PanelHost::Fill::TwoBands);
    mCalendarView = new PanelHost("calendarView", QColor(0x14, 0x14, 0x14), content);
    mCalendarView->setBackgroundImageName("calendar_background.png", PanelHost::Fill::AtTop);
    mPlaybarView = new PanelHost("playbarView", QColor(0x20, 0x20, 0x20), content);
    mPlaybarView->setBackgroundImageName("playbar_background.png", PanelHost::Fill::Tiled);

    // The calendar starts with its month grid shown, as big as its background.
    mCalendarHeight = sizeOr(mCalendarView->backgroundSize(), 291, 241).height();
    // The bar is as high as its background; its buttons are laid out for that height.
    const QSize toolbar = pmGetSkinImage("toolbar_background.png").size();
    mToolbarView = new ToolbarView(QRect(0, 0, content->width(), toolbar.isEmpty() ? 30 : toolbar.height()), content);
    // A first placement; the window's first sizing lays it out again.
    relayout(mWindow->width(), mWindow->height());
}

PanelMetrics AppDelegate::panelMetrics() const
{
    PanelMetrics m;
    m.toolbarHeight = mToolbarView->height();
    const QSize playbar = mPlaybarView ? mPlaybarView->backgroundSize() : QSize();
    m.playbarHeight = playbar.isEmpty() ? 44 : playbar.height();
    const QSize calendar = sizeOr(mCalendarView ? mCalendarView->backgroundSize() : QSize(), 291, 241);
    m.calendarWidth = calendar.width();
    m.calendarHeight = mCalendarHeight;
    const QSize gsensor = sizeOr(mGsensorView ? mGsensorView->backgroundSize() : QSize(), 340, 212);
    m.gsensorWidth = gsensor.width();
    m.gsensorHeight = gsensor.height();
    return m;
}

void AppDelegate::applicationWillFinishLaunching()
{
    getSkinId();
    // The content view is the window's black backing (see MainWindow).
}

void AppDelegate::applicationDidFinishLaunching()
{
    pmClearLog();
    pmWriteLog("-- Start Video Player! - AppDelegate.");
    writeLog("Version : " + pmGetVersion());
    const bool connected = mConnectivityCheck();
    pmWriteLog(connected ? "applicationDidFinishLaunching - pmIsInternetConnected() - TRUE"
                         : "applicationDidFinishLaunching - pmIsInternetConnected() - FALSE");
    initialData();
    if (mLaunchFolder.isEmpty())
        buildVideoLibrary(pmGetCurrentFolder());
    else
        openFolder(mLaunchFolder);
    mLaunched = true;
    if (QGuiApplication::applicationState() == Qt::ApplicationActive)
        applicationDidBecomeActive();
    emit launchFinished();
}

void AppDelegate::initialData()
{
    m_bAllFile = false;
    m_nCurPlayIndex = -1;
    m_nPlayState = 0;
    m_bMute = false;
    m_nVolume = pmGetProfileInt(kPrefVolume, kDefaultVolume);
    m_fPlaySpeed = 1.0f;
    mCurFolder = pmGetCurrentFolder();
    mSelectedMovieCurrentTime = 0;
    mSelectedMovieDuration = 0;
    m_nEventTime = -1;
    m_nMotorType = 0;
    m_nScreenMode = kScreenNormal;
    m_nSensorX = m_nSensorY = m_nSensorZ = 0;
    m_rectNormalScreen = QRect();
    m_bCheckFolder = false;
    m_lLastTime = 0;
    m_bVideoLoading = false;
    m_b2VideoWindowEnable = false;
    m_bSwitchVideo = false;
    m_bSyncStateFromVideo1 = false;
    m_bSyncStateFromVideo2 = false;
    // The stored window size starts at 0 by 0 with the controller; the window is shown and
    // sized before launching finishes here, so a size stored by then is kept.
    mPlaylist.clearPlayList();
    mVideoLib.clearVideoLibrary();

    // Observers whose handlers exist; the others join with the panels that post them.
    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.removeObserver(this);
    center.addObserver(this, kFileListViewCheckBoxNotification, [this](const Notification&) { rebuildPlaylist(); });
    center.addObserver(this, kCalendarSelChangedNotification, [this](const Notification&) { rebuildPlaylist(); });
    if (!mSleepWatcher) {
        mSleepWatcher = new SleepWatcher(this);
        connect(mSleepWatcher, &SleepWatcher::willSleep, this, &AppDelegate::makeSleep);
        connect(mSleepWatcher, &SleepWatcher::didWake, this, &AppDelegate::makeWake);
    }
}

void AppDelegate::applicationDidBecomeActive()
{
    pmWriteLog("Application DidBecomeActive !");
    writeLog(QString::asprintf("AppDelegate::applicationDidBecomeActive, bFirstTimeActive = %d, isDualCameraMode = %d",
                               bFirstTimeActive ? 1 : 0, m_b2VideoWindowEnable ? 1 : 0));
    if (!bFirstTimeActive)
        return;
    const QWidget* content = mWindow->contentView();
    mWindowSize = QSizeF(content->width(), content->height() + kTitleBarHeight);
    if (pmIsRightToLeft())
        bR2L = true;
    scheduleRelayoutContents(kFirstLayoutDelayMs);
    bFirstTimeActive = false;
}

// ---- Shut-down ----

void AppDelegate::windowWillClose()
{
    pmWriteLog("Window will be closed!!");
    // Pausing joins here once recordings play.
}

bool AppDelegate::applicationShouldHandleReopen()
{
    mWindow->show();
    mWindow->raise();
    mWindow->activateWindow();
    return true;
}

void AppDelegate::applicationWillTerminate()
{
    pmWriteLog("Application will be closed!");
    m_nCurPlayIndex = -1;
}

// ---- Library and play list ----

bool AppDelegate::buildVideoLibrary(const QString& folder)
{
    writeLog("AppDelegate::buildVideoLibrary - Start! - " + folder);
    pmStartWait();
    const size_t count = mVideoLib.build(folder.toStdString());
    // A card that is gone or a folder without read access reads as empty; say which.
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable())
        writeLog("AppDelegate::buildVideoLibrary - cannot read the folder - " + folder);
    writeLog(QString::asprintf("AppDelegate::buildVideoLibrary - found video count = %ld, bOK = %d", long(count), 1));
    checkLastVideoDate();
    rebuildPlaylist();
    pmEndWait();
    pmWriteLog("AppDelegate::buildVideoLibrary - End !");
    return true;
}

PlaylistFilter AppDelegate::playlistFilter() const
{
    PlaylistFilter filter;
    filter.allDates = m_bAllFile;
    filter.day = mSelectedDay.value_or(CalendarDate{});
    return filter;
}

void AppDelegate::rebuildPlaylist()
{
    pmWriteLog("AppDelegate::rebuildPlaylist - Start - Ready to call setCurPlaylistIndex:-1");
    m_nCurPlayIndex = -1;
    pmWriteLog("AppDelegate::rebuildPlaylist - Ready to check if a video exist");
    mPlaylist = mVideoLib.buildPlaylist(playlistFilter());
    checkDualCameraFolder();
    m_nMotorType = 0;
    enableMediaButton(!mPlaylist.empty());
    writeLog(QString::asprintf("AppDelegate::rebuildPlaylist - video count = %ld", long(mPlaylist.count())));
}

void AppDelegate::checkLastVideoDate()
{
    if (const std::optional<CalendarDate> day = mVideoLib.lastVideoDate())
        mSelectedDay = day;
}

bool AppDelegate::checkDualCameraFolder()
{
    pmWriteLog("AppDelegate::checkDualCameraFolder");
    const bool dual = ::checkDualCameraFolder(mPlaylist);
    enable2VideoWindow(dual);
    return dual;
}

void AppDelegate::enable2VideoWindow(bool enable)
{
    writeLog(QString::asprintf("AppDelegate::enable2VideoWindow = %d", enable ? 1 : 0));
    const bool changed = enable != m_b2VideoWindowEnable;
    m_b2VideoWindowEnable = enable;
    BitmapButton* switchButton = mToolbarView->oWindowSwitchBtn();
    switchButton->setVisible(enable);
    // Swapping the two videos arrives with dual playback.
    switchButton->setEnabled(false);
    if (changed && mWindowSize.width() > 0 && mWindowSize.height() > 0)
        relayout(mWindowSize.width(), mWindowSize.height());
}

void AppDelegate::enableMediaButton(bool on)
{
    // Print, capture, backup, export and the Facebook upload stay disabled until their
    // operations exist; the YouTube button only opens the site.
    mToolbarView->oUploadYouTubeBtn()->setEnabled(on);
    mToolbarView->oPrintBtn()->setEnabled(false);
    mToolbarView->oBackupBtn()->setEnabled(false);
    mToolbarView->oCaptureBtn()->setEnabled(false);
    mToolbarView->oExportBtn()->setEnabled(false);
    mToolbarView->oUploadFacebookBtn()->setEnabled(false);
}

int AppDelegate::getState()
{
    // No player view exists until recordings can be opened.
    m_nPlayState = 0;
    return m_nPlayState;
}

void AppDelegate::showCalendar(bool show)
{
    // The mode button alternates; a repeated request must not fold the grid twice.
    if (show == !m_bAllFile)
        return;
    m_bAllFile = !show;
    const int delta = show ? kCalendarFoldHeight : -kCalendarFoldHeight;
    mCalendarHeight += delta;
    // y-up: the calendar's origin moves down by delta and its height grows by delta, so its
    // top edge stays; the file list below it loses the same height.
    QRect calendar = mCalendarView->geometry();
    calendar.setHeight(calendar.height() + delta);
    mCalendarView->setGeometry(calendar);
    QRect fileList = mFileListView->geometry();
    fileList.setTop(fileList.top() + delta);
    mFileListView->setGeometry(fileList);
    rebuildPlaylist();
}

void AppDelegate::onButtonBrowse()
{
    pmWriteLog("AppDelegate - onButtonBrowse()");
    auto* dialog = new QFileDialog(mWindow, pmLoadString("IDS_OPEN"), pmGetCurrentFolder());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Qt's own dialog would answer in English whatever the chosen language.
    dialog->setLabelText(QFileDialog::Accept, pmLoadString("IDS_OK"));
    dialog->setLabelText(QFileDialog::Reject, pmLoadString("IDS_CANCEL"));
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    dialog->setWindowModality(Qt::WindowModal);
    connect(dialog, &QFileDialog::fileSelected, this, &AppDelegate::openFolder);
    dialog->open();
}

void AppDelegate::openFolder(const QString& folder)
{
    mCurFolder = folder;
    buildVideoLibrary(mCurFolder);
    pmSaveCurrentFolder(mCurFolder);
}

void AppDelegate::onButtonUploadYouTube()
{
    QDesktopServices::openUrl(QUrl(kYouTubeHome));
}

// ---- Window layout ----

void AppDelegate::relayout(double width, double height)
{
    LayoutMode mode;
    mode.screenMode = m_nScreenMode;
    mode.dualCamera = m_b2VideoWindowEnable;
    mode.rightToLeft = bR2L;
    const PanelFrames frames = layoutMainWindow(width, height, panelMetrics(), mode);

    PanelHost* large = m_bSwitchVideo ? mPlayerView2 : mPlayerView;
    PanelHost* small = m_bSwitchVideo ? mPlayerView : mPlayerView2;
    mPlaybarView->setGeometry(frames.toQt(frames.playbar));
    large->setGeometry(frames.toQt(frames.largeVideo));
    small->setGeometry(frames.toQt(frames.smallVideo));
    small->setVisible(frames.smallVideoVisible);
    if (m_nScreenMode == kScreenMapFull)
        mMapView->setGeometry(frames.toQt(frames.map));
    for (QWidget* panel : {static_cast<QWidget*>(mToolbarView), static_cast<QWidget*>(mFileListView),
                           static_cast<QWidget*>(mCalendarView), static_cast<QWidget*>(mGsensorView)})
        panel->setVisible(frames.panelsVisible);
    mPlaybarView->setVisible(m_nScreenMode != kScreenMapFull);
    if (!frames.panelsVisible) {
        (m_nScreenMode == kScreenMapFull ? static_cast<QWidget*>(mMapView) : large)->raise();
        return;
    }
    mFileListView->setGeometry(frames.toQt(frames.fileList));
    mToolbarView->setGeometry(frames.toQt(frames.toolbar));
    mCalendarView->setGeometry(frames.toQt(frames.calendar));
    mGsensorView->setGeometry(frames.toQt(frames.gsensor));
    mMapView->setGeometry(frames.toQt(frames.map));
    mToolbarView->relayoutContents(bR2L);
    mToolbarView->raise();
}

void AppDelegate::relayoutContents()
{
    if (mWindowSize.width() == 0 || mWindowSize.height() == 0) {
        pmWriteLog("AppDelegate::relayoutContents () frame size is 0");
        mWindowSize = QSizeF(kFallbackWidth, kFallbackHeight);
    }
    relayout(mWindowSize.width(), mWindowSize.height());
    writeLog(QString::asprintf("AppDelegate::relayoutContents () %fx%f OK!", mWindowSize.width(), mWindowSize.height()));
}

void AppDelegate::scheduleRelayoutContents(int delayMs)
{
    mRelayoutTimer.start(delayMs);
}

void AppDelegate::windowWillResize(int width, int height)
{
    if (!mToolbarView)
        return; // the window is still being made
    relayout(width, height);
    mWindowSize = QSizeF(width, height);
    scheduleRelayoutContents(kResizeLayoutDelayMs);
}

bool AppDelegate::windowShouldZoom(int width, int height)
{
    mWindowSize = QSizeF(width, height);
    scheduleRelayoutContents(kFirstLayoutDelayMs);
    return true;
}

int AppDelegate::getSwitchButtonPosition() const
{
    if (!mFileListView)
        return 668;
    return switchButtonPosition(mFileListView->geometry(), bR2L);
}

// ---- Menus ----

void AppDelegate::forEachPanelHost(const std::function<void(PanelHost*)>& action) const
{
    for (PanelHost* host : {mPlaybarView, mCalendarView, mFileListView, mGsensorView, mMapView})
        action(host);
}

void AppDelegate::languageMenuItemClicked(int tag)
{
    qInfo().noquote() << "languageMenuItemClicked ! - " + QString::number(tag);
    saveLanguageId(tag);
    pmInstallLanguageTranslator();
    followWritingDirection();
    mToolbarView->changeLanguage();
    mWindow->changeLanguage();
    // The G-sensor graph's images carry texts of the language.
    mGsensorView->loadSkinBitmap();
    const bool rightToLeft = tag == kLanguageArabic;
    if (rightToLeft != bR2L) {
        bR2L = rightToLeft;
        pmWriteLog("AppDelegate - ready to relayout for language changed.");
        forEachPanelHost([](PanelHost* host) { host->loadSkinBitmap(); });
        scheduleRelayoutContents(kLanguageLayoutDelayMs);
    }
}

void AppDelegate::skinMenuItemClicked(int tag)
{
    qInfo().noquote() << "skinMenuItemClicked ! - " + QString::number(tag);
    saveSkinId(tag);
    mToolbarView->loadSkinBitmap();
    forEachPanelHost([](PanelHost* host) { host->loadSkinBitmap(); });
}

void AppDelegate::aboutMenuItemClicked()
{
    qInfo().noquote() << "aboutMenuItemClicked !";
    showAboutBox();
}

void AppDelegate::onMenuAbout()
{
    qInfo().noquote() << "onMenuAbout !";
    showAboutBox();
}

void AppDelegate::showAboutBox()
{
    AboutDialog dialog(mWindow);
    dialog.exec();
}

void AppDelegate::updateMenuItemClicked()
{
    qInfo().noquote() << "checkForUpdateMenuItemClicked !";
    QDesktopServices::openUrl(QUrl(kProjectHome));
}

// ---- Sleep and wake ----

void AppDelegate::makeSleep()
{
    pmWriteLog("AppDelegate::makeSleep - MAC will make sleep!");
    // Playback pauses here once recordings play; it is never resumed on wake.
}

void AppDelegate::makeWake()
{
    pmWriteLog("AppDelegate::makeWake - MAC will wake up!");
}
