// The controller's window layout: where the panels go for the window's size and modes.
#include "AppDelegate.h"

#include "LogText.h"
#include "PanelHost.h"
#include "ToolbarView.h"
#include "controls/PlayControlView.h"

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
    if (m_nScreenMode != kScreenMapFull)
        mPlaybarView->relayoutContents(bR2L, frames.playbar.width(), frames.playbar.height());
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
    pmWriteLogText(QString::asprintf("AppDelegate::relayoutContents () %fx%f OK!", mWindowSize.width(), mWindowSize.height()));
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

