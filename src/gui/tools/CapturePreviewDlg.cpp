#include "CapturePreviewDlg.h"

#include "controls/FileDialog.h"
#include "ui_CapturePreviewDlg.h"

#include "CameraButtonStrip.h"
#include "JpegFile.h"
#include "LocalizedText.h"
#include "MessageBox.h"
#include "Preferences.h"
#include "WaitingWindow/WaitingWindowController.h"

#include <QFileInfo>
#include <QPainter>

namespace {

// The image view gives up this much height to the camera buttons in dual-camera mode.
constexpr int kCameraStripHeight = 39;

} // namespace

CapturePreviewDlg::CapturePreviewDlg(const QImage& image, const QImage& subImage, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::CapturePreviewDlg>()), m_videoImage(image.copy()),
      m_videoSubImage(subImage.copy())
{
    ui->setupUi(this);
    setWindowModality(Qt::WindowModal);
    setWindowTitle(pmLoadString("IDS_CAPTURE_PREVIEW"));
    ui->okButton->setText(pmLoadString("IDS_SAVE_AS"));
    ui->cancelButton->setText(pmLoadString("IDS_CANCEL"));
    connect(ui->okButton, &QPushButton::clicked, this, &CapturePreviewDlg::saveAs);
    connect(ui->cancelButton, &QPushButton::clicked, this, &CapturePreviewDlg::cancel);

    if (!m_videoSubImage.isNull()) {
        m_videoCombinedImage = combine2Image(m_videoImage, m_videoSubImage);
        m_nCaptureOptions = kBothCameras;
        ui->cameraStrip->setFixedHeight(kCameraStripHeight);
        auto* layout = new QHBoxLayout(ui->cameraStrip);
        layout->setContentsMargins(0, 0, 0, 0);
        mCameraButtons = new CameraButtonStrip(ui->cameraStrip);
        layout->addWidget(mCameraButtons);
        connect(mCameraButtons, &CameraButtonStrip::optionChosen, this, &CapturePreviewDlg::onCameraChosen);
    } else {
        ui->cameraStrip->hide();
    }
    setCaptureImage();
}

CapturePreviewDlg::~CapturePreviewDlg() = default;

QLabel* CapturePreviewDlg::imageView() const { return ui->imageView; }
QPushButton* CapturePreviewDlg::okButton() const { return ui->okButton; }
QPushButton* CapturePreviewDlg::cancelButton() const { return ui->cancelButton; }

QImage CapturePreviewDlg::combine2Image(const QImage& first, const QImage& second)
{
    const int w = first.width();
    const int h = first.height();
    QImage combined(w, 2 * h, QImage::Format_RGB32);
    QPainter painter(&combined);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(0, 0, w, h), first);
    painter.drawImage(QRect(0, h, w, h), second);
    return combined;
}

void CapturePreviewDlg::setCaptureImage()
{
    mShownImage = m_nCaptureOptions == kBothCameras ? m_videoCombinedImage
        : m_nCaptureOptions == kCamera2             ? m_videoSubImage
                                                    : m_videoImage;
    const QSize room = ui->imageView->size();
    ui->imageView->setPixmap(QPixmap::fromImage(
        mShownImage.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void CapturePreviewDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    setCaptureImage();
}

void CapturePreviewDlg::onCameraChosen(int option)
{
    m_nCaptureOptions = static_cast<qint16>(option);
    setCaptureImage();
}

QString CapturePreviewDlg::captureFileName(int option, const QDateTime& moment)
{
    const QDate d = moment.date();
    const QTime t = moment.time();
    QString name = QString::asprintf("%04d%02d%02d-%02d%02d%02d", d.year(), d.month(), d.day(), t.hour(),
                                     t.minute(), t.second());
    if (option == kCamera1 || option == kCamera2)
        name += QString::asprintf("-%d", option);
    return name + QStringLiteral(".jpg");
}

void CapturePreviewDlg::saveAs()
{
    m_dateComponents = QDateTime::currentDateTime();
    if (m_nCaptureOptions == kBothCameras) {
        saveCaptureImage(false, kCamera1, m_dateComponents);
        saveCaptureImage(true, kCamera2, m_dateComponents);
    } else {
        saveCaptureImage(true, m_nCaptureOptions, m_dateComponents);
    }
}

void CapturePreviewDlg::cancel()
{
    m_bOK = false;
    reject();
}

bool CapturePreviewDlg::saveCaptureImage(bool close, int option, const QDateTime& moment)
{
    const QImage& picture = option == kCamera2 ? m_videoSubImage : m_videoImage;
    QFileDialog panel(this, pmLoadString("IDS_SAVE_AS"), pmGetCaptureFolder());
    pmPrepareFileDialog(panel, FileDialogKind::SaveFile, pmLoadString("IDS_SAVE"));
    panel.selectFile(captureFileName(option, moment));
    bool written = false;
    if (panel.exec() == QDialog::Accepted && !panel.selectedFiles().isEmpty()) {
        const QString path = panel.selectedFiles().constFirst();
        pmStartWait();
        pmSaveCaptureFolder(QFileInfo(path).absolutePath());
        written = pmWriteJpegFile(picture, path);
        pmEndWait();
        if (written)
            m_bOK = true;
        else
            pmMessageBox(pmLoadString("IDS_ERR_CAPTURE_SAVE_FAILED"));
    }
    if (close)
        done(m_bOK ? QDialog::Accepted : QDialog::Rejected);
    return written;
}
