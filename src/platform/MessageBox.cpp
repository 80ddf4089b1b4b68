#include "MessageBox.h"

#include "LocalizedText.h"

#include <QApplication>
#include <QMessageBox>

int pmMessageBox(const QString& message, const QString& title)
{
    QMessageBox box(QApplication::activeWindow());
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(pmLoadString("IDR_MAINFRAME"));
    box.setText(title.isEmpty() ? pmLoadString("IDR_MAINFRAME") : title);
    box.setInformativeText(message);
    box.addButton(pmLoadString("IDS_OK"), QMessageBox::AcceptRole);
    return box.exec() != 0 ? 1 : 2;
}
