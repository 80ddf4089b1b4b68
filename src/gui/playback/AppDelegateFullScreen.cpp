// The controller's full screen: the video with its play bar, or the map, over the whole
// screen, and back to the window exactly as it was.
#include "AppDelegate.h"

#include "LocalizedText.h"
#include "MainWindow.h"
#include "PanelHost.h"
#include "ToolbarView.h"
#include "controls/PlayControlView.h"

#include <QDebug>
#include <QMenuBar>
#include <QScreen>

void AppDelegate::onButtonPlayFullScreen()
{
    if (m_nScreenMode != kScreenNormal) {
        m_nScreenMode = kScreenNormal;
        showFullScreen(false);
    } else {
        m_nScreenMode = kScreenVideoFull;
        showFullScreen(true);
    }
}

void AppDelegate::onButtonMapFullScreen()
{
    const bool leaving = m_nScreenMode != kScreenNormal;
    m_nScreenMode = leaving ? kScreenNormal : kScreenMapFull;
    showFullScreen(!leaving);
}

bool AppDelegate::isMenuBarHidden() const
{
    return mWindow->menuBar()->isHidden();
}

void AppDelegate::showFullScreen(bool full)
{
    for (QWidget* panel : {static_cast<QWidget*>(mToolbarView), static_cast<QWidget*>(mCalendarView),
                           static_cast<QWidget*>(mFileListView), static_cast<QWidget*>(mGsensorView)})
        panel->setVisible(!full);
    if (full) {
        (m_nScreenMode == kScreenVideoFull ? static_cast<QWidget*>(mMapView) : static_cast<QWidget*>(mPlaybarView))->hide();
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
        mMapView->show();
        mPlaybarView->show();
        mWindow->menuBar()->show();
        mWindow->setWindowFlags(Qt::WindowFlags(m_styleMask));
        mWindow->setWindowTitle(pmLoadString("IDR_MAINFRAME"));
        mWindow->setWindowState(mNormalWindowState);
        mWindow->setGeometry(m_rectNormalScreen);
        mWindow->show();
        mWindowSize = QSizeF(m_rectNormalScreen.width(), m_rectNormalScreen.height());
    }
    scheduleRelayoutContents(kFirstLayoutDelayMs);
    qInfo().noquote() << "Do Full Screen";
}
