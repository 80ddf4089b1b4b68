#include "AppDelegate.h"

#include "AboutDialog.h"
#include "AppVersion.h"
#include "Connectivity.h"
#include "LocalizedText.h"
#include "LogText.h"
#include "MainWindow.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "controls/PanelHost.h"
#include "PreferenceKeys.h"
#include "Preferences.h"
#include "SkinImages.h"
#include "SleepWatcher.h"
#include "ToolbarView.h"
#include "controls/PlayControlView.h"
#include "display/MapView.h"
#include "util/Log.h"

#include <QApplication>
#include <QDesktopServices>
#include <QScreen>
#include <QUrl>

namespace {

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

AppDelegate::AppDelegate(QObject* parent)
    : QObject(parent), mConnectivityCheck(pmIsInternetConnected), mPlayback(mBrowse), mTrack(mBrowse, mPlayback),
      mLayout(mBrowse, mPlayback, mTrack), mBackup(mBrowse, mPlayback), mPictures(mPlayback, mTrack),
      mClip(mPlayback, mTrack), mUpload(mBrowse, mPlayback, mBackup, mConnectivityCheck)
{
    // Core's console lines go where the program's own go.
    pmSetConsoleSink([](std::string_view line) { pmWriteConsoleText(QString::fromUtf8(line.data(), qsizetype(line.size()))); });
    connectSubsystems();
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive && mLaunched)
            applicationDidBecomeActive();
    });
}

AppDelegate::~AppDelegate()
{
    NotificationCenter::defaultCenter().removeObserver(this);
    delete mWindow;
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
    mPlayback.createPanels(content);
    mTrack.createPanels(content, mWindow);
    mBrowse.createPanels(content, mWindow);
    // The bar is as high as its background; its buttons are laid out for that height.
    const QSize toolbar = pmGetSkinImage("toolbar_background.png").size();
    mToolbarView = new ToolbarView(QRect(0, 0, content->width(), toolbar.isEmpty() ? 30 : toolbar.height()), content);
    mLayout.setWindow(mWindow, mToolbarView);
    mBackup.setWindow(mWindow);
    mPictures.setWindow(mWindow);
    mClip.setWindow(mWindow);
    mUpload.setWindow(mWindow);
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
    mBrowse.reset();
    mPlayback.reset();
    mTrack.reset();
    mLayout.reset();
    addObservers();
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
                               bFirstTimeActive ? 1 : 0, isDualCameraMode() ? 1 : 0));
    if (!bFirstTimeActive)
        return;
    if (pmIsRightToLeft()) {
        mLayout.setRightToLeft(true);
        mBrowse.setRightToLeft(true);
    }
    const QWidget* content = mWindow->contentView();
    mLayout.storeFirstSize(content->width(), content->height() + kTitleBarHeight);
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
    stopMonitorFolder();
}

// ---- Menus ----

void AppDelegate::languageMenuItemClicked(int tag)
{
    pmWriteConsoleText("languageMenuItemClicked ! - " + QString::number(tag));
    saveLanguageId(tag);
    pmInstallLanguageTranslator();
    followWritingDirection();
    mToolbarView->changeLanguage();
    mPlayback.playbarView()->changeLanguage();
    mBrowse.changeLanguage();
    mWindow->changeLanguage();
    mTrack.changeLanguage();
    const bool rightToLeft = tag == kLanguageArabic;
    if (rightToLeft != mLayout.isRightToLeft()) {
        mLayout.setRightToLeft(rightToLeft);
        mBrowse.setRightToLeft(rightToLeft);
        pmWriteLog("AppDelegate - ready to relayout for language changed.");
        mLayout.scheduleRelayoutContents(kLanguageLayoutDelayMs);
    }
}

void AppDelegate::skinMenuItemClicked(int tag)
{
    pmWriteConsoleText("skinMenuItemClicked ! - " + QString::number(tag));
    saveSkinId(tag);
    mToolbarView->loadSkinBitmap();
    mPlayback.playbarView()->loadSkinBitmap();
    mBrowse.loadSkinBitmap();
    mTrack.loadSkinBitmap();
}

void AppDelegate::aboutMenuItemClicked()
{
    pmWriteConsoleText("aboutMenuItemClicked !");
    showAboutBox();
}

void AppDelegate::onMenuAbout()
{
    pmWriteConsoleText("onMenuAbout !");
    showAboutBox();
}

void AppDelegate::showAboutBox()
{
    AboutDialog dialog(mWindow);
    dialog.exec();
}

void AppDelegate::updateMenuItemClicked()
{
    pmWriteConsoleText("checkForUpdateMenuItemClicked !");
    QDesktopServices::openUrl(QUrl(kProjectHome));
}

// ---- Sleep and wake ----

void AppDelegate::makeSleep()
{
    pmWriteLog("AppDelegate::makeSleep - MAC will make sleep!");
    // Playback is never resumed on wake.
    if (getState() != kPlayStateClosed) {
        pausePlayback();
        pmWriteLog("AppDelegate::makeSleep - paused playback before sleep!");
    }
}

void AppDelegate::makeWake()
{
    pmWriteLog("AppDelegate::makeWake - MAC will wake up!");
}
