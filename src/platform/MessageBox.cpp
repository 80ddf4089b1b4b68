#include "MessageBox.h"

#include "LocalizedText.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

int pmMessageBox(const QString& message, const QString& title)
{
    QMessageBox box(QApplication::activeWindow());
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(pmLoadString("IDR_MAINFRAME"));
    box.setText(title.isEmpty() ? pmLoadString("IDR_MAINFRAME") : title);
    box.setInformativeText(message);
    QPushButton* ok = box.addButton(pmLoadString("IDS_OK"), QMessageBox::AcceptRole);
    box.setEscapeButton(ok);
    box.exec(); // with a custom button the result code says nothing; the clicked button does
    return box.clickedButton() == ok ? 1 : 2;
}
