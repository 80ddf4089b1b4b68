#include "AppDelegate.h"

#include "AboutDialog.h"
#include "AppVersion.h"
#include "Connectivity.h"
#include "LocalizedText.h"
#include "LogText.h"
#include "MainWindow.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "PanelHost.h"
#include "PreferenceKeys.h"
#include "Preferences.h"
#include "SkinImages.h"
#include "SleepWatcher.h"
#include "ToolbarView.h"
#include "tools/BackupCopyThread.h"
#include "controls/PlayControlView.h"
#include "util/Log.h"

#include <QApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QScreen>
#include <QUrl>

namespace {

AppDelegate* gAppDelegate = nullptr;

constexpr int kLanguageLayoutDelayMs = 500;
constexpr int kInitialWidth = 1100;
constexpr int kInitialHeight = 720;

const char* const kProjectHome = "https://github.com/koriv/korivmanager";

// Qt's own widgets (menu bar, menus, dialogs, tool tips) follow the language's writing
// direction; the panels mirror themselves by their own arithmetic.
void followWritingDirection()
{
    QGuiApplication::setLayoutDirection(pmIsRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
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
    createPlaybackPanels(content);
    createDisplayPanels(content);
    createBrowsePanels(content);
    // The bar is as high as its background; its buttons are laid out for that height.
    const QSize toolbar = pmGetSkinImage("toolbar_background.png").size();
    mToolbarView = new ToolbarView(QRect(0, 0, content->width(), toolbar.isEmpty() ? 30 : toolbar.height()), content);
    // A first placement; the window's first sizing lays it out again.
    relayout(mWindow->width(), mWindow->height());
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
    pmWriteLogText("Version : " + pmGetVersion());
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

    // Each subsystem registers the observers of its notifications.
    NotificationCenter::defaultCenter().removeObserver(this);
    addPlaybackObservers();
    addBrowseObservers();
    addDisplayObservers();
    if (!mSleepWatcher) {
        mSleepWatcher = new SleepWatcher(this);
        connect(mSleepWatcher, &SleepWatcher::willSleep, this, &AppDelegate::makeSleep);
        connect(mSleepWatcher, &SleepWatcher::didWake, this, &AppDelegate::makeWake);
    }
}

void AppDelegate::applicationDidBecomeActive()
{
    pmWriteLog("Application DidBecomeActive !");
    pmWriteLogText(QString::asprintf("AppDelegate::applicationDidBecomeActive, bFirstTimeActive = %d, isDualCameraMode = %d",
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
    pausePlayback();
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
    setCurPlaylistIndex(-1, false);
    setCurPlaylistIndex2(-1, false);
}

// ---- Menus ----

void AppDelegate::forEachPanelHost(const std::function<void(PanelHost*)>& action) const
{
    for (PanelHost* host : {mCalendarView, mFileListView, mGsensorView, mMapView})
        action(host);
}

void AppDelegate::languageMenuItemClicked(int tag)
{
    qInfo().noquote() << "languageMenuItemClicked ! - " + QString::number(tag);
    saveLanguageId(tag);
    pmInstallLanguageTranslator();
    followWritingDirection();
    mToolbarView->changeLanguage();
    mPlaybarView->changeLanguage();
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
    mPlaybarView->loadSkinBitmap();
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
    // Playback is never resumed on wake.
    if (getState() != 0) {
        pausePlayback();
        pmWriteLog("AppDelegate::makeSleep - paused playback before sleep!");
    }
}

void AppDelegate::makeWake()
{
    pmWriteLog("AppDelegate::makeWake - MAC will wake up!");
}
