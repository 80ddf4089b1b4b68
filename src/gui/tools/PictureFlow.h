#pragma once
// The pictures of the moment: capture (pause, take the pictures of both cameras at the first
// player's time, preview them, save them as JPEG files) and printing (a preview of one page
// with the pictures, the sample and the G-sensor curve, then the print dialog). The pictures
// are decoded off the GUI thread; one dialog at a time.

#include <QImage>
#include <QObject>

class CapturePreviewDlg;
class PlaybackController;
class PrintWindowController;
class QWidget;
class TrackController;

class PictureFlow : public QObject {
    Q_OBJECT
public:
    PictureFlow(PlaybackController& playback, TrackController& track, QObject* parent = nullptr);

    void setWindow(QWidget* window) { mWindow = window; }

    // Playback resumes after a cancelled capture when it was playing.
    void onButtonCapture();
    // The preview of the pictures taken; true when a file was written.
    bool showCapturePreview(const QImage& image, const QImage& subImage);
    CapturePreviewDlg* capturePreviewDlg() const { return mCapturePreviewDlg; }

    void onButtonPrint();
    void showPrintPreview(const QImage& image, const QImage& subImage);
    PrintWindowController* printWindow() const { return mPrintWindow; }

private:
    // A recording is open and no dialog is being prepared.
    bool canTakePictures();
    // Pauses, then hands both pictures of the moment to the action once they are decoded.
    template <typename Action> void takePictures(Action action);

    PlaybackController& mPlayback;
    TrackController& mTrack;
    QWidget* mWindow = nullptr;
    bool mToolDialogPending = false; // pictures for a capture or print preview are being decoded
    CapturePreviewDlg* mCapturePreviewDlg = nullptr;
    PrintWindowController* mPrintWindow = nullptr;
};
