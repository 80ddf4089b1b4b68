#include "FileDialog.h"

#include "LocalizedText.h"

void pmPrepareFileDialog(QFileDialog& dialog, FileDialogKind kind, const QString& acceptText)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (kind == FileDialogKind::ChooseFolder) {
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    dialog.setLabelText(QFileDialog::Accept, acceptText);
    dialog.setLabelText(QFileDialog::Reject, pmLoadString("IDS_CANCEL"));
    dialog.setWindowModality(Qt::WindowModal);
}

QFileDialog* pmFolderDialog(QWidget* parent, const QString& title, const QString& folder, const QString& acceptText)
{
    auto* dialog = new QFileDialog(parent, title, folder);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    pmPrepareFileDialog(*dialog, FileDialogKind::ChooseFolder, acceptText);
    return dialog;
}
