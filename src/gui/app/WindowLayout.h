#pragma once
// Where the panels of the main window go for its size, the screen mode, the camera mode and
// the writing direction, and the switches to and from full screen that change them. It owns
// no panel: the subsystems made them, and it places them.

#include "MainWindowLayout.h"

#include <QObject>
#include <QRect>
#include <QSizeF>
#include <QTimer>

class BrowseController;
class MainWindow;
class PlaybackController;
class ToolbarView;
class TrackController;

class WindowLayout : public QObject {
    Q_OBJECT
public:
    WindowLayout(BrowseController& browse, PlaybackController& playback, TrackController& track,
                 QObject* parent = nullptr);

    void setWindow(MainWindow* window, ToolbarView* toolbar);
    void reset();

    // WindowLayout.cpp
    void relayout(double width, double height);
    void relayoutContents();
    void scheduleRelayoutContents(int delayMs);
    // The stored size again, as after a change of camera mode.
    void relayoutStoredSize();
    void windowWillResize(int width, int height);
    bool windowShouldZoom(int width, int height);
    // The first activation stores the window's size and lays it out once it has settled.
    void storeFirstSize(double width, double height);
    int getSwitchButtonPosition() const;
    QSizeF storedWindowSize() const { return mWindowSize; }
    bool isRightToLeft() const { return bR2L; }
    void setRightToLeft(bool rightToLeft) { bR2L = rightToLeft; }

    // WindowFullScreen.cpp
    void onButtonPlayFullScreen();
    void onButtonMapFullScreen();
    void showFullScreen(bool full);
    ScreenMode screenMode() const { return m_nScreenMode; }
    void setScreenMode(ScreenMode mode) { m_nScreenMode = mode; }
    bool isMenuBarHidden() const;

private:
    PanelMetrics panelMetrics() const;
    void settleWindowFrame();

    BrowseController& mBrowse;
    PlaybackController& mPlayback;
    TrackController& mTrack;
    MainWindow* mWindow = nullptr;
    ToolbarView* mToolbarView = nullptr;
    QTimer mRelayoutTimer;
    QSizeF mWindowSize{0, 0}; // the stored window size, title bar included
    bool bR2L = false;
    ScreenMode m_nScreenMode = kScreenNormal;
    QRect m_rectNormalScreen;
    int m_styleMask = 0; // the window's flags before going full screen
    Qt::WindowStates mNormalWindowState;
};
