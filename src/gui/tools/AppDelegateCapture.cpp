// The controller's frame capture: pause, take the pictures of both cameras at the first
// player's time, preview them and save them as JPEG files.
#include "AppDelegate.h"

#include "CapturePreviewDlg.h"
#include "FrameGrab.h"
#include "MainWindow.h"

void AppDelegate::onButtonCapture()
{
    const int state = getState();
    if (state == 0 || mToolDialogPending)
        return;
    pausePlayback();
    mToolDialogPending = true;
    pmWhenPictures(getCurrentImage(), has2Videos() ? getCurrentImage2() : QtFuture::makeReadyFuture(QImage()),
                   this, [this, state](const QImage& image, const QImage& subImage) {
                       const bool saved = showCapturePreview(image, subImage);
                       mToolDialogPending = false;
                       if (state == 2 && !saved)
                           onButtonPlay();
                   });
}

bool AppDelegate::showCapturePreview(const QImage& image, const QImage& subImage)
{
    CapturePreviewDlg dialog(image, subImage, mWindow);
    mCapturePreviewDlg = &dialog;
    dialog.exec();
    mCapturePreviewDlg = nullptr;
    return dialog.isOK();
}
