#pragma once
// Every file and folder chooser of the program is Qt's own dialog, window-modal over its
// parent, with its buttons in the chosen language (the system's dialog would answer in the
// system's language whatever the user chose).

#include <QFileDialog>

// Sets up a dialog made by the caller: open a folder, or save a file.
enum class FileDialogKind { ChooseFolder, SaveFile };
void pmPrepareFileDialog(QFileDialog& dialog, FileDialogKind kind, const QString& acceptText);

// A folder chooser that deletes itself once closed; connect to fileSelected, then open().
QFileDialog* pmFolderDialog(QWidget* parent, const QString& title, const QString& folder, const QString& acceptText);
