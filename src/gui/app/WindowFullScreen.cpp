// The window's full screen: the video with its play bar, or the map, over the whole
// screen, and back to the window exactly as it was.
#include "WindowLayout.h"

#include "LocalizedText.h"
#include "LogText.h"
#include "MainWindow.h"
#include "ToolbarView.h"
#include "browse/BrowseController.h"
#include "browse/CalendarView.h"
#include "browse/FileListView.h"
#include "controls/PlayControlView.h"
#include "display/GSensorView.h"
#include "display/MapView.h"
#include "display/TrackController.h"
#include "playback/PlaybackController.h"

#include <QMenuBar>
#include <QScreen>

namespace {

// Before the layout that follows each switch.
constexpr int kSettleFrameDelayMs = 50;

} // namespace

void WindowLayout::onButtonPlayFullScreen()
{
    if (m_nScreenMode != kScreenNormal) {
        m_nScreenMode = kScreenNormal;
        showFullScreen(false);
    } else {
        m_nScreenMode = kScreenVideoFull;
        showFullScreen(true);
    }
}

void WindowLayout::onButtonMapFullScreen()
{
    const bool leaving = m_nScreenMode != kScreenNormal;
    m_nScreenMode = leaving ? kScreenNormal : kScreenMapFull;
    showFullScreen(!leaving);
}

bool WindowLayout::isMenuBarHidden() const
{
    return mWindow->menuBar()->isHidden();
}

void WindowLayout::showFullScreen(bool full)
{
    QWidget* map = mTrack.mapView();
    QWidget* playbar = mPlayback.playbarView();
    for (QWidget* panel : {static_cast<QWidget*>(mToolbarView), static_cast<QWidget*>(mBrowse.calendarView()),
                           static_cast<QWidget*>(mBrowse.fileListView()), static_cast<QWidget*>(mTrack.gsensorView())})
        panel->setVisible(!full);
    if (full) {
        (m_nScreenMode == kScreenVideoFull ? map : playbar)->hide();
        m_rectNormalScreen = mWindow->geometry();
        m_styleMask = int(mWindow->windowFlags());
        mNormalWindowState = mWindow->windowState();
        mWindow->menuBar()->hide();
        QScreen* screen = mWindow->screen();
        const QRect screenFrame = screen ? screen->geometry() : mWindow->geometry();
        mWindow->showFullScreen();
        mWindow->setGeometry(screenFrame);
        mWindowSize = QSizeF(screenFrame.width(), screenFrame.height());
    } else {
        map->show();
        playbar->show();
        mWindow->menuBar()->show();
        // Changing the flags re-creates the window: only when full screen changed them.
        if (mWindow->windowFlags() != Qt::WindowFlags(m_styleMask))
            mWindow->setWindowFlags(Qt::WindowFlags(m_styleMask));
        mWindow->setWindowTitle(pmLoadString("IDR_MAINFRAME"));
        mWindow->setWindowState(mNormalWindowState);
        mWindow->setGeometry(m_rectNormalScreen);
        mWindow->show();
        mWindowSize = QSizeF(m_rectNormalScreen.width(), m_rectNormalScreen.height());
    }
    QTimer::singleShot(kSettleFrameDelayMs, this, &WindowLayout::settleWindowFrame);
    // A timer of its own: the resize that the new frame causes restarts the window's.
    QTimer::singleShot(kFirstLayoutDelayMs, this, &WindowLayout::relayoutContents);
    pmWriteConsoleText("Do Full Screen");
}

// The window system carries out state changes later and adds its own frame to a restored
// window; a switch back before it got to the first would leave the window full screen.
void WindowLayout::settleWindowFrame()
{
    if (m_nScreenMode != kScreenNormal) {
        if (!mWindow->isFullScreen())
            mWindow->showFullScreen();
        return;
    }
    if (mWindow->isFullScreen()) {
        mWindow->setWindowState(mNormalWindowState);
        // The frame comes back with this state change: settle once more after it.
        QTimer::singleShot(kSettleFrameDelayMs, this, &WindowLayout::settleWindowFrame);
    }
    if (mWindow->geometry() != m_rectNormalScreen)
        mWindow->setGeometry(m_rectNormalScreen);
}
