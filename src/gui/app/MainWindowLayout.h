#pragma once
// Where the panels of the main window go for a window size, screen mode, camera mode and
// writing direction. Frames are computed y-up with the origin at the content's bottom-left,
// then turned into Qt's top-down frames by toQt().

#include "controls/ViewGeometry.h"

#include <QRect>
#include <QSize>
#include <QRectF>

// Fixed sizes of the window, in points.
inline constexpr double kTitleBarHeight = 22;
inline constexpr double kBottomBandHeight = 212;
inline constexpr double kFileListWidth = 291;
inline constexpr int kMinWindowWidth = 980;
inline constexpr int kMinWindowHeight = 660;
// Used only when no size is known yet; it is below the minimum width.
inline constexpr double kFallbackWidth = 977;
inline constexpr double kFallbackHeight = 664;

// Delays of the layouts scheduled after the first activation and after a live resize.
inline constexpr int kFirstLayoutDelayMs = 100;
inline constexpr int kResizeLayoutDelayMs = 500;

enum ScreenMode { kScreenNormal = 0, kScreenVideoFull = 1, kScreenMapFull = 2 };

// The sizes the panels keep, and the panels' current frames where a rule keeps a value.
struct PanelMetrics {
    double toolbarHeight = 30;  // T
    double playbarHeight = 44;  // P
    double fileListWidth = kFileListWidth; // F
    double calendarWidth = 291;
    double calendarHeight = 241; // K, changes when the month grid folds
    double gsensorWidth = 340;  // G
    double gsensorHeight = kBottomBandHeight;
};

struct LayoutMode {
    int screenMode = kScreenNormal;
    bool dualCamera = false;
    bool rightToLeft = false;
};

struct PanelFrames {
    QRectF playbar, fileList, toolbar, calendar, gsensor, map;
    // By role: the controller puts the first video's host in the large area unless swapped.
    QRectF largeVideo, smallVideo;
    bool smallVideoVisible = false;
    bool panelsVisible = true; // false in the full-screen modes
    double contentHeight = 0;  // the height the y-up frames are measured in

    QRect toQt(const QRectF& yUp) const;
};

// The frames for a window of width W and height H (the title bar included in normal mode).
PanelFrames layoutMainWindow(double W, double H, const PanelMetrics& metrics, const LayoutMode& mode);

// The x of the tool bar's window-switch button for a file list panel frame.
int switchButtonPosition(const QRectF& fileListFrame, bool rightToLeft);
