// The controller's frame capture: pause, take the pictures of both cameras at the first
// player's time, preview them and save them as JPEG files.
#include "AppDelegate.h"

#include "CapturePreviewDlg.h"
#include "MainWindow.h"

bool AppDelegate::showCapturePreview(const QImage& image, const QImage& subImage)
{
    CapturePreviewDlg dialog(image, subImage, mWindow);
    mCapturePreviewDlg = &dialog;
    dialog.exec();
    mCapturePreviewDlg = nullptr;
    return dialog.isOK();
}
