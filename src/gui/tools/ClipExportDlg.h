#pragma once
// The choices of a clip export: which cameras (front, rear, both side by side, the rear in
// the front's picture), which overlay, the sound, and the file's name in the export folder.
// The name proposed is the first recording's with the clip's start and end seconds. Laid out
// by Qt, so a right-to-left language mirrors it.

#include "ClipExporter.h"

#include <QDialog>

#include <memory>

namespace Ui {
class ClipExportDlg;
}
class QComboBox;
class QLineEdit;
class QPushButton;

struct ClipExportChoice {
    ClipCameras cameras = ClipCameras::Front;
    ClipOverlay overlay = ClipOverlay::None;
    bool sound = true;
    QString output; // the folder and the file name
};

class ClipExportDlg : public QDialog {
    Q_OBJECT
public:
    // from: seconds into the first recording; to: seconds into the last. Without a rear
    // recording only the front camera is offered.
    ClipExportDlg(const QString& firstRecording, double from, double to, bool hasRear, const QString& folder,
                  QWidget* parent);
    ~ClipExportDlg() override;

    ClipExportChoice choice() const;
    // "FILE0002F_12-47.mp4" for FILE0002F.MP4 from 12.4 s to 46.2 s.
    static QString defaultFileName(const QString& firstRecording, double from, double to);

    QComboBox* camerasBox() const;
    QComboBox* overlayBox() const;
    QComboBox* soundBox() const;
    QLineEdit* fileNameEdit() const;
    QPushButton* okButton() const;
    QPushButton* cancelButton() const;

    // Keeps the dialog open on a read-only folder, and on an existing file the user keeps.
    void accept() override;

private:
    void setLayerString(bool hasRear);
    QString fileName() const;

    std::unique_ptr<Ui::ClipExportDlg> ui;
    QString mFolder;
};
