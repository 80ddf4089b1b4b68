// The controller's printing: the preview of one page of the current moment, then the print
// dialog.
#include "AppDelegate.h"

#include "display/GSensorView.h"

#include "FrameGrab.h"
#include "LogText.h"
#include "MainWindow.h"
#include "PreferenceKeys.h"
#include "Preferences.h"
#include "PrintCanvasView.h"
#include "PrintWindowController.h"
#include "SkinImages.h"

void AppDelegate::onButtonPrint()
{
    if (getState() == 0 || mToolDialogPending)
        return;
    pmWriteLog("printPreview Start");
    pausePlayback();
    mToolDialogPending = true;
    pmWhenPictures(getCurrentImage(), has2Videos() ? getCurrentImage2() : QtFuture::makeReadyFuture(QImage()),
                   this, [this](const QImage& image, const QImage& subImage) {
                       showPrintPreview(image, subImage);
                       mToolDialogPending = false;
                   });
}

QImage AppDelegate::getGSensorBitmap() const
{
    return mGsensorView->getGensorBitmap();
}

void AppDelegate::showPrintPreview(const QImage& image, const QImage& subImage)
{
    PrintPageContent content;
    content.videoImage = image;
    content.videoImage2 = subImage;
    content.gsensorImage = getGSensorBitmap();
    if (const GpsData* sample = getCurGpsData())
        content.sample = *sample;
    content.speedUnit = pmGetProfileInt(kPrefSpeedUnit, kDefaultSpeedUnit);
    PrintWindowController dialog(content, mWindow);
    mPrintWindow = &dialog;
    dialog.exec();
    mPrintWindow = nullptr;
}
