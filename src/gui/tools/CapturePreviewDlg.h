#pragma once
// The preview of a captured frame, with Save As. In dual-camera mode it shows both pictures
// stacked and offers the camera buttons; saving both cameras writes two files, each through
// its own save panel. The proposed names come from the moment Save As was pressed.

#include <QDateTime>
#include <QDialog>
#include <QImage>

#include <memory>

namespace Ui {
class CapturePreviewDlg;
}
class CameraButtonStrip;
class QLabel;
class QPushButton;

class CapturePreviewDlg : public QDialog {
    Q_OBJECT
public:
    enum Option { kSingleCamera = 0, kCamera1 = 1, kCamera2 = 2, kBothCameras = 3 };

    // subImage is the second camera's picture, null outside dual-camera mode.
    CapturePreviewDlg(const QImage& image, const QImage& subImage, QWidget* parent);
    ~CapturePreviewDlg() override;

    bool isOK() const { return m_bOK; }
    int captureOptions() const { return m_nCaptureOptions; }
    // The picture the preview shows (the combined one for both cameras).
    const QImage& shownImage() const { return mShownImage; }

    void saveAs();
    void cancel();
    void setCaptureImage();
    // Both pictures stacked, the first on top, the second scaled to the first's size.
    static QImage combine2Image(const QImage& first, const QImage& second);
    static QString captureFileName(int option, const QDateTime& moment);
    // Asks for a file in the capture folder and writes the picture; false when nothing was written.
    bool saveCaptureImage(bool close, int option, const QDateTime& moment);

    QLabel* imageView() const;
    QPushButton* okButton() const;
    QPushButton* cancelButton() const;
    CameraButtonStrip* cameraButtons() const { return mCameraButtons; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void onCameraChosen(int option);

    std::unique_ptr<Ui::CapturePreviewDlg> ui;
    QImage m_videoImage;
    QImage m_videoSubImage;
    QImage m_videoCombinedImage;
    QImage mShownImage;
    CameraButtonStrip* mCameraButtons = nullptr;
    qint16 m_nCaptureOptions = kSingleCamera;
    bool m_bOK = false;
    QDateTime m_dateComponents;
};
