// The controller's playback: opening a play-list entry into a player view and turning the
// play bar's commands into player operations.
#include "AppDelegate.h"

#include "PanelHost.h"
#include "ToolbarView.h"
#include "SkinImages.h"
#include "controls/BitmapButton.h"
#include "controls/PlayControlView.h"

void AppDelegate::createPlaybackPanels(QWidget* content)
{
    mPlayerView = new PanelHost("playerView", Qt::black, content);
    mPlayerView2 = new PanelHost("playerView2", Qt::black, content);
    mPlayerView2->hide();
    // As high as its background; the window's layout gives it its width.
    const int barHeight = sizeOr(pmGetSkinImage("playbar_background.png").size(), 689, 44).height();
    mPlaybarView = new PlayControlView(QRect(0, 0, 689, barHeight), content);
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

