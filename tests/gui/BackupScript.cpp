#include "BackupScript.h"

#include "ModalScript.h"
#include "tools/BackupDlg.h"

#include <QPushButton>
#include <QTableWidget>
#include <QTest>

void scriptBackupOfEveryRow(ModalScript& script, const QString& folder)
{
    script.then<BackupDlg>([](BackupDlg* dialog) {
        QTableWidget* table = dialog->tableView();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier,
                          table->visualRect(table->model()->index(0, 0)).center());
        QTest::keyClick(table, Qt::Key_A, Qt::ControlModifier);
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    });
    script.answerFileDialog(folder);
}
