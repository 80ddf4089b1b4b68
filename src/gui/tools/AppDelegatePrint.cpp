// The controller's printing: the preview of one page of the current moment, then the print
// dialog.
#include "AppDelegate.h"

#include "MainWindow.h"
#include "PreferenceKeys.h"
#include "Preferences.h"
#include "PrintCanvasView.h"
#include "PrintWindowController.h"
#include "SkinImages.h"

QImage AppDelegate::getGSensorBitmap() const
{
    // The empty graph, until the G-sensor panel hands over its curve.
    return pmGetSkinImage("GSensorGraphic.png");
}

void AppDelegate::showPrintPreview(const QImage& image, const QImage& subImage)
{
    PrintPageContent content;
    content.videoImage = image;
    content.videoImage2 = subImage;
    content.gsensorImage = getGSensorBitmap();
    content.speedUnit = pmGetProfileInt(kPrefSpeedUnit, kDefaultSpeedUnit);
    PrintWindowController dialog(content, mWindow);
    mPrintWindow = &dialog;
    dialog.exec();
    mPrintWindow = nullptr;
}
