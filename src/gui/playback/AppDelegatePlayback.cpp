// The controller's playback: opening a play-list entry into a player view and turning the
// play bar's commands into player operations.
#include "AppDelegate.h"

#include "PanelHost.h"
#include "ToolbarView.h"
#include "controls/BitmapButton.h"

void AppDelegate::createPlaybackPanels(QWidget* content)
{
    mPlayerView = new PanelHost("playerView", Qt::black, content);
    mPlayerView2 = new PanelHost("playerView2", Qt::black, content);
    mPlayerView2->hide();
    mPlaybarView = new PanelHost("playbarView", QColor(0x20, 0x20, 0x20), content);
    mPlaybarView->setBackgroundImageName("playbar_background.png", PanelHost::Fill::Tiled);
}

void AppDelegate::addPlaybackObservers()
{
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

