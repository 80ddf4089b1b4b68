#include "WindowLayout.h"

#include "LogText.h"
#include "MainWindow.h"
#include "controls/PanelHost.h"
#include "ToolbarView.h"
#include "browse/BrowseController.h"
#include "browse/CalendarView.h"
#include "browse/FileListView.h"
#include "controls/PlayControlView.h"
#include "display/GSensorView.h"
#include "display/MapView.h"
#include "display/TrackController.h"
#include "playback/PlaybackController.h"

WindowLayout::WindowLayout(BrowseController& browse, PlaybackController& playback, TrackController& track,
                           QObject* parent)
    : QObject(parent), mBrowse(browse), mPlayback(playback), mTrack(track)
{
    mRelayoutTimer.setSingleShot(true);
    connect(&mRelayoutTimer, &QTimer::timeout, this, &WindowLayout::relayoutContents);
}

void WindowLayout::setWindow(MainWindow* window, ToolbarView* toolbar)
{
    mWindow = window;
    mToolbarView = toolbar;
}

// The stored window size starts at 0 by 0 with the controller; the window is shown and sized
// before launching finishes, so a size stored by then is kept.
void WindowLayout::reset()
{
    m_nScreenMode = kScreenNormal;
    m_rectNormalScreen = QRect();
}

PanelMetrics WindowLayout::panelMetrics() const
{
    PanelMetrics m;
    m.toolbarHeight = mToolbarView->height();
    PlayControlView* playbarView = mPlayback.playbarView();
    const QSize playbar = playbarView ? playbarView->backgroundSize() : QSize();
    m.playbarHeight = playbar.isEmpty() ? 44 : playbar.height();
    const QSize calendar = mBrowse.calendarView()->calendarSize();
    m.calendarWidth = calendar.width();
    m.calendarHeight = mBrowse.calendarHeight();
    GSensorView* gsensorView = mTrack.gsensorView();
    const QSize gsensor = sizeOr(gsensorView ? gsensorView->backgroundSize() : QSize(), 340, 212);
    m.gsensorWidth = gsensor.width();
    m.gsensorHeight = gsensor.height();
    return m;
}

void WindowLayout::relayout(double width, double height)
{
    LayoutMode mode;
    mode.screenMode = m_nScreenMode;
    mode.dualCamera = mPlayback.isDualCameraMode();
    mode.rightToLeft = bR2L;
    const PanelFrames frames = layoutMainWindow(width, height, panelMetrics(), mode);

    const bool swapped = mPlayback.isVideoSwitched();
    PanelHost* large = swapped ? mPlayback.playerView2() : mPlayback.playerView();
    PanelHost* small = swapped ? mPlayback.playerView() : mPlayback.playerView2();
    PlayControlView* playbar = mPlayback.playbarView();
    FileListView* fileList = mBrowse.fileListView();
    CalendarView* calendar = mBrowse.calendarView();
    MapView* map = mTrack.mapView();
    GSensorView* gsensor = mTrack.gsensorView();
    playbar->setGeometry(frames.toQt(frames.playbar));
    large->setGeometry(frames.toQt(frames.largeVideo));
    small->setGeometry(frames.toQt(frames.smallVideo));
    small->setVisible(frames.smallVideoVisible);
    if (m_nScreenMode == kScreenMapFull)
        map->setGeometry(frames.toQt(frames.map));
    for (QWidget* panel : {static_cast<QWidget*>(mToolbarView), static_cast<QWidget*>(fileList),
                           static_cast<QWidget*>(calendar), static_cast<QWidget*>(gsensor)})
        panel->setVisible(frames.panelsVisible);
    playbar->setVisible(m_nScreenMode != kScreenMapFull);
    if (m_nScreenMode != kScreenMapFull)
        playbar->relayoutContents(bR2L, frames.playbar.width(), frames.playbar.height());
    if (!frames.panelsVisible) {
        (m_nScreenMode == kScreenMapFull ? static_cast<QWidget*>(map) : large)->raise();
        return;
    }
    fileList->setGeometry(frames.toQt(frames.fileList));
    fileList->relayoutContents(bR2L, fileList->size());
    mToolbarView->setGeometry(frames.toQt(frames.toolbar));
    calendar->setGeometry(frames.toQt(frames.calendar));
    calendar->relayoutContents(bR2L);
    gsensor->setGeometry(frames.toQt(frames.gsensor));
    map->setGeometry(frames.toQt(frames.map));
    mToolbarView->relayoutContents(bR2L, getSwitchButtonPosition());
    mToolbarView->raise();
}

void WindowLayout::relayoutContents()
{
    if (mWindowSize.width() == 0 || mWindowSize.height() == 0) {
        pmWriteLog("AppDelegate::relayoutContents () frame size is 0");
        mWindowSize = QSizeF(kFallbackWidth, kFallbackHeight);
    }
    relayout(mWindowSize.width(), mWindowSize.height());
    pmWriteLogText(QString::asprintf("AppDelegate::relayoutContents () %fx%f OK!", mWindowSize.width(), mWindowSize.height()));
}

void WindowLayout::scheduleRelayoutContents(int delayMs)
{
    mRelayoutTimer.start(delayMs);
}

void WindowLayout::relayoutStoredSize()
{
    if (mWindowSize.width() > 0 && mWindowSize.height() > 0)
        relayout(mWindowSize.width(), mWindowSize.height());
}

void WindowLayout::storeFirstSize(double width, double height)
{
    mWindowSize = QSizeF(width, height);
    scheduleRelayoutContents(kFirstLayoutDelayMs);
}

void WindowLayout::windowWillResize(int width, int height)
{
    if (!mToolbarView)
        return; // the window is still being made
    relayout(width, height);
    mWindowSize = QSizeF(width, height);
    scheduleRelayoutContents(kResizeLayoutDelayMs);
}

bool WindowLayout::windowShouldZoom(int width, int height)
{
    mWindowSize = QSizeF(width, height);
    scheduleRelayoutContents(kFirstLayoutDelayMs);
    return true;
}

int WindowLayout::getSwitchButtonPosition() const
{
    const FileListView* fileList = mBrowse.fileListView();
    if (!fileList)
        return 668;
    return switchButtonPosition(fileList->geometry(), bR2L);
}

