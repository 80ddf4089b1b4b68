#include "ClipExportDlg.h"

#include "ui_ClipExportDlg.h"

#include "LocalizedText.h"
#include "MessageBox.h"
#include "SkinImages.h"
#include "util/FileQueries.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include <cmath>

ClipExportDlg::ClipExportDlg(const QString& firstRecording, double from, double to, bool hasRear,
                             const QString& folder, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::ClipExportDlg>()), mFolder(folder)
{
    ui->setupUi(this);
    setWindowModality(Qt::WindowModal);
    setLayoutDirection(pmIsRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    setLayerString(hasRear);
    ui->fileNameEdit->setText(defaultFileName(firstRecording, from, to));
    ui->folderPath->setText(QDir::toNativeSeparators(folder));
    connect(ui->okButton, &QPushButton::clicked, this, &ClipExportDlg::accept);
    connect(ui->cancelButton, &QPushButton::clicked, this, &ClipExportDlg::reject);
    connect(ui->fileNameEdit, &QLineEdit::textChanged, this, [this] { ui->okButton->setEnabled(!fileName().isEmpty()); });
}

ClipExportDlg::~ClipExportDlg() = default;

QComboBox* ClipExportDlg::camerasBox() const { return ui->camerasBox; }
QComboBox* ClipExportDlg::overlayBox() const { return ui->overlayBox; }
QComboBox* ClipExportDlg::soundBox() const { return ui->soundBox; }
QLineEdit* ClipExportDlg::fileNameEdit() const { return ui->fileNameEdit; }
QPushButton* ClipExportDlg::okButton() const { return ui->okButton; }
QPushButton* ClipExportDlg::cancelButton() const { return ui->cancelButton; }

void ClipExportDlg::setLayerString(bool hasRear)
{
    setWindowTitle(pmLoadString("IDS_EXPORT_CLIP"));
    ui->camerasLabel->setText(pmLoadString("IDS_CLIP_CAMERAS"));
    ui->overlayLabel->setText(pmLoadString("IDS_CLIP_OVERLAY"));
    ui->soundLabel->setText(pmLoadString("IDS_CLIP_SOUND"));
    ui->fileNameLabel->setText(pmLoadString("IDS_FILE_NAME"));
    ui->folderLabel->setText(pmLoadString("IDS_CLIP_FOLDER"));
    ui->okButton->setText(pmLoadString("IDS_SAVE"));
    ui->cancelButton->setText(pmLoadString("IDS_CANCEL"));
    ui->camerasBox->addItem(pmLoadString("IDS_CLIP_FRONT"), int(ClipCameras::Front));
    if (hasRear) {
        ui->camerasBox->addItem(pmLoadString("IDS_CLIP_REAR"), int(ClipCameras::Rear));
        ui->camerasBox->addItem(pmLoadString("IDS_CLIP_SIDE_BY_SIDE"), int(ClipCameras::SideBySide));
        ui->camerasBox->addItem(pmLoadString("IDS_CLIP_PICTURE_IN_PICTURE"), int(ClipCameras::PictureInPicture));
    }
    ui->overlayBox->addItem(pmLoadString("IDS_CLIP_OVERLAY_NONE"), int(ClipOverlay::None));
    ui->overlayBox->addItem(pmLoadString("IDS_CLIP_OVERLAY_TIME"), int(ClipOverlay::DateTime));
    ui->overlayBox->addItem(pmLoadString("IDS_CLIP_OVERLAY_FULL"), int(ClipOverlay::Full));
    ui->soundBox->addItem(pmLoadString("IDS_CLIP_SOUND_FRONT"), true);
    ui->soundBox->addItem(pmLoadString("IDS_CLIP_SOUND_NONE"), false);
}

QString ClipExportDlg::defaultFileName(const QString& firstRecording, double from, double to)
{
    const auto whole = [](double seconds) { return QString::number(static_cast<long long>(seconds)); };
    return QStringLiteral("%1_%2-%3.mp4")
        .arg(QFileInfo(firstRecording).completeBaseName(), whole(std::floor(from)), whole(std::ceil(to)));
}

// The name as typed, with ".mp4" added when it has no extension; empty when it is no name.
QString ClipExportDlg::fileName() const
{
    QString name = ui->fileNameEdit->text().trimmed();
    if (name.contains(QLatin1Char('/')) || name == QLatin1String(".") || name == QLatin1String(".."))
        return {};
    if (!name.isEmpty() && QFileInfo(name).suffix().isEmpty())
        name += QLatin1String(".mp4");
    return name;
}

ClipExportChoice ClipExportDlg::choice() const
{
    return {ClipCameras(ui->camerasBox->currentData().toInt()), ClipOverlay(ui->overlayBox->currentData().toInt()),
            ui->soundBox->currentData().toBool(), QDir(mFolder).filePath(fileName())};
}

void ClipExportDlg::accept()
{
    if (fileName().isEmpty())
        return;
    if (pmIsReadOnly(mFolder.toStdString())) {
        pmMessageBox(pmLoadString("IDS_ERR_FOLDER_READ_ONLY"));
        return;
    }
    if (QFileInfo::exists(choice().output)) {
        QMessageBox ask(QMessageBox::Question, pmLoadString("IDS_EXPORT_CLIP"), pmLoadString("IDS_CLIP_REPLACE"),
                        QMessageBox::Ok | QMessageBox::Cancel, this);
        ask.button(QMessageBox::Ok)->setText(pmLoadString("IDS_OK"));
        ask.button(QMessageBox::Cancel)->setText(pmLoadString("IDS_CANCEL"));
        if (ask.exec() != QMessageBox::Ok)
            return;
    }
    QDialog::accept();
}
