// What one subsystem's events ask of another, and the notifications of the views that belong
// to the application itself: the tool bar, its settings menu and the map's full-map button.
#include "AppDelegate.h"

#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "ToolbarView.h"
#include "controls/BitmapButton.h"

#include <QTimer>

namespace {

// After a full-map switch while paused, the map re-centres once the window has its new size.
constexpr int kCenterMapDelayMs = 200;

} // namespace

void AppDelegate::connectSubsystems()
{
    // A new play list closes what was open from the old one, then shows its mode.
    connect(&mBrowse, &BrowseController::playlistWillChange, this, [this] {
        setCurPlaylistIndex(-1, false);
        if (isDualCameraMode())
            setCurPlaylistIndex2(-1, false);
    });
    connect(&mBrowse, &BrowseController::playlistChanged, this, [this](bool dualCamera) {
        enable2VideoWindow(dualCamera);
        mTrack.playlistChanged();
        enableMediaButton(!playlist().empty());
    });
    connect(&mBrowse, &BrowseController::recordingsVanished, this, [this] { pausePlayback(); });
    mBrowse.setCardBackupOffer(mBackup.cardBackup().offer());

    connect(&mPlayback, &PlaybackController::recordingLoaded, &mTrack, &TrackController::onOpenGPSFile);
    connect(&mPlayback, &PlaybackController::recordingOpening, &mTrack, &TrackController::showTripOf);
    connect(&mPlayback, &PlaybackController::positionChanged, &mTrack, &TrackController::mapGoTo);
    connect(&mPlayback, &PlaybackController::ticked, &mTrack, &TrackController::onPlayTimerChange);
    connect(&mPlayback, &PlaybackController::fullScreenRequested, this, &AppDelegate::onButtonPlayFullScreen);
    connect(&mPlayback, &PlaybackController::selectedMovieCurrentTimeChanged, this,
            &AppDelegate::selectedMovieCurrentTimeChanged);
    connect(&mPlayback, &PlaybackController::dualModeChanged, this, [this](bool enabled, bool changed) {
        BitmapButton* switchButton = mToolbarView->oWindowSwitchBtn();
        switchButton->setVisible(enabled);
        switchButton->setEnabled(enabled);
        if (changed)
            mLayout.relayoutStoredSize();
    });

    connect(&mTrack, &TrackController::routeClicked, &mPlayback, &PlaybackController::openAt);
    connect(&mTrack, &TrackController::trackOpened, this, [this](bool hasGps) {
        mToolbarView->oPrintBtn()->setEnabled(true);
        mToolbarView->oCaptureBtn()->setEnabled(true);
        mToolbarView->oExportBtn()->setEnabled(hasGps);
    });

    const auto isMapFullScreen = [this] { return mLayout.screenMode() == kScreenMapFull; };
    mPlayback.setMapFullScreenQuery(isMapFullScreen);
    mTrack.setMapFullScreenQuery(isMapFullScreen);
}

void AppDelegate::addObservers()
{
    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.removeObserver(this);
    mPlayback.addObservers();
    mBrowse.addObservers();
    mTrack.addObservers();
    center.addObserver(this, kToolbarButtonClickedNotification,
                       [this](const Notification& n) { onToolbarCommand(n.object.toInt()); });
    center.addObserver(this, kSettingsMenuItemClickedNotification, [this](const Notification& n) {
        const auto menu = SettingsMenu(n.userInfo.value(kSettingsMenuKey).toInt());
        if (menu == SettingsMenu::Language)
            languageMenuItemClicked(n.object.toInt());
        else if (menu == SettingsMenu::Skin)
            skinMenuItemClicked(n.object.toInt());
        else
            aboutMenuItemClicked();
    });
    center.addObserver(this, kMapViewFullMapNotification, [this](const Notification&) { onButtonMapFullScreen(); });
}

void AppDelegate::onToolbarCommand(int command)
{
    switch (ToolbarView::Button(command)) {
    case ToolbarView::Browse: onButtonBrowse(); break;
    case ToolbarView::Print: onButtonPrint(); break;
    case ToolbarView::Backup: onButtonBackup(); break;
    case ToolbarView::Capture: onButtonCapture(); break;
    case ToolbarView::UploadYouTube: onButtonUploadYouTube(); break;
    case ToolbarView::Export: onButtonExport(); break;
    case ToolbarView::UploadFacebook: onButtonUploadFacebook(); break;
    case ToolbarView::WindowSwitch: onButtonWindowSwitch(); break;
    case ToolbarView::Setting:
    case ToolbarView::ButtonCount: break;
    }
}

void AppDelegate::enableMediaButton(bool on)
{
    mPlayback.setControlsEnabled(on);
    mToolbarView->oUploadYouTubeBtn()->setEnabled(on);
    mToolbarView->oUploadFacebookBtn()->setEnabled(on);
    mToolbarView->oBackupBtn()->setEnabled(on);
    const bool open = on && getState() != kPlayStateClosed;
    mToolbarView->oPrintBtn()->setEnabled(open);
    mToolbarView->oCaptureBtn()->setEnabled(open);
    mToolbarView->oExportBtn()->setEnabled(on && mTrack.hasGps());
}

void AppDelegate::onButtonMapFullScreen()
{
    mLayout.onButtonMapFullScreen();
    if (getState() == kPlayStatePaused)
        QTimer::singleShot(kCenterMapDelayMs, &mTrack, &TrackController::onCenterMap);
}

bool AppDelegate::handlePlaybackKey(int key)
{
    const ScreenMode mode = mLayout.screenMode();
    switch (key) {
    case Qt::Key_F:
        if (mode == kScreenMapFull)
            return false;
        onButtonPlayFullScreen();
        return true;
    case Qt::Key_Escape:
        if (mode == kScreenVideoFull)
            onButtonPlayFullScreen();
        else if (mode == kScreenMapFull)
            onButtonMapFullScreen();
        else
            return false;
        return true;
    default: return mPlayback.handleKey(key);
    }
}
