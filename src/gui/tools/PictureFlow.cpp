#include "PictureFlow.h"

#include "CapturePreviewDlg.h"
#include "FrameGrab.h"
#include "LogText.h"
#include "PreferenceKeys.h"
#include "Preferences.h"
#include "PrintCanvasView.h"
#include "PrintWindowController.h"
#include "display/TrackController.h"
#include "playback/PlaybackController.h"

PictureFlow::PictureFlow(PlaybackController& playback, TrackController& track, QObject* parent)
    : QObject(parent), mPlayback(playback), mTrack(track)
{
}

bool PictureFlow::canTakePictures()
{
    return mPlayback.getState() != kPlayStateClosed && !mToolDialogPending;
}

template <typename Action> void PictureFlow::takePictures(Action action)
{
    mPlayback.pausePlayback();
    mToolDialogPending = true;
    const QFuture<QImage> rear =
        mPlayback.has2Videos() ? mPlayback.getCurrentImage2() : QtFuture::makeReadyFuture(QImage());
    pmWhenPictures(mPlayback.getCurrentImage(), rear, this,
                   [this, action](const QImage& image, const QImage& subImage) {
                       action(image, subImage);
                       mToolDialogPending = false;
                   });
}

void PictureFlow::onButtonCapture()
{
    if (!canTakePictures())
        return;
    const PlayState state = mPlayback.getState();
    takePictures([this, state](const QImage& image, const QImage& subImage) {
        const bool saved = showCapturePreview(image, subImage);
        if (state == kPlayStatePlaying && !saved)
            mPlayback.onButtonPlay();
    });
}

bool PictureFlow::showCapturePreview(const QImage& image, const QImage& subImage)
{
    CapturePreviewDlg dialog(image, subImage, mWindow);
    mCapturePreviewDlg = &dialog;
    dialog.exec();
    mCapturePreviewDlg = nullptr;
    return dialog.isOK();
}

void PictureFlow::onButtonPrint()
{
    if (!canTakePictures())
        return;
    pmWriteLog("printPreview Start");
    takePictures([this](const QImage& image, const QImage& subImage) { showPrintPreview(image, subImage); });
}

void PictureFlow::showPrintPreview(const QImage& image, const QImage& subImage)
{
    PrintPageContent content;
    content.videoImage = image;
    content.videoImage2 = subImage;
    content.gsensorImage = mTrack.getGSensorBitmap();
    if (const GpsData* sample = mTrack.getCurGpsData())
        content.sample = *sample;
    content.speedUnit = pmGetProfileInt(kPrefSpeedUnit, kDefaultSpeedUnit);
    PrintWindowController dialog(content, mWindow);
    mPrintWindow = &dialog;
    dialog.exec();
    mPrintWindow = nullptr;
}
