#include "MainWindowLayout.h"

#include "controls/ViewGeometry.h"
#include <cmath>

namespace {

// Where the two video hosts wait, out of sight, while something else fills the window.
const QRectF kParkedFrame(0, -10, 2, 2);

PanelFrames normalLayout(double W, double H, const PanelMetrics& m, const LayoutMode& mode)
{
    const double T = m.toolbarHeight;
    const double P = m.playbarHeight;
    const double F = m.fileListWidth;
    const double K = m.calendarHeight;
    const double G = m.gsensorWidth;
    const bool rtl = mode.rightToLeft;
    PanelFrames f;
    f.contentHeight = H - kTitleBarHeight;

    f.playbar = QRectF(rtl ? F : 0, 212, W - F, P);
    const double fileListHeight = H - T - K - 22 + 2 - (mode.dualCamera ? 184 : 0);
    f.fileList = QRectF(rtl ? 0 : W - F, 0, F, fileListHeight);
    // The tool bar stays pinned to the top edge of the content.
    f.toolbar = QRectF(0, f.contentHeight - T, W, T);
    f.calendar = QRectF(rtl ? 0 : W - m.calendarWidth, fileListHeight, m.calendarWidth, K);
    f.gsensor = QRectF(rtl ? m.calendarWidth : W - m.calendarWidth - G, 0, G, m.gsensorHeight);
    f.map = QRectF(rtl ? F + G : 0, 0, W - G - F + 1, 212);

    f.largeVideo = QRectF(rtl ? F : 0, 212 + P, W - F, H - T - 212 - P - 22 + 2);
    f.smallVideo = QRectF(rtl ? 0 : W - 291, f.toolbar.y() - 184, 291, 184);
    f.smallVideoVisible = mode.dualCamera;
    return f;
}

PanelFrames videoFullScreenLayout(double W, double H, const PanelMetrics& m)
{
    PanelFrames f;
    f.contentHeight = H;
    f.playbar = QRectF(0, 0, W, m.playbarHeight);
    f.largeVideo = QRectF(0, m.playbarHeight, W, H - m.playbarHeight);
    f.smallVideo = kParkedFrame;
    f.panelsVisible = false;
    return f;
}

PanelFrames mapFullScreenLayout(double W, double H)
{
    PanelFrames f;
    f.contentHeight = H;
    f.map = QRectF(0, 0, W, H);
    f.largeVideo = kParkedFrame;
    f.smallVideo = kParkedFrame;
    f.panelsVisible = false;
    return f;
}

} // namespace

QRect PanelFrames::toQt(const QRectF& yUp) const
{
    return pmYUpToQt(yUp, contentHeight);
}

PanelFrames layoutMainWindow(double W, double H, const PanelMetrics& metrics, const LayoutMode& mode)
{
    switch (mode.screenMode) {
    case kScreenVideoFull:
        return videoFullScreenLayout(W, H, metrics);
    case kScreenMapFull:
        return mapFullScreenLayout(W, H);
    default:
        return normalLayout(W, H, metrics, mode);
    }
}

int switchButtonPosition(const QRectF& fileListFrame, bool rightToLeft)
{
    const double edge = fileListFrame.x() + (rightToLeft ? fileListFrame.width() : 0);
    return static_cast<int>(std::trunc(edge)) - 22;
}
