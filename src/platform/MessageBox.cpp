#include "MessageBox.h"

#include "LocalizedText.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

QPushButton* prepareAlert(QMessageBox& box, const QString& message, const QString& title)
{
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(pmLoadString("IDR_MAINFRAME"));
    box.setText(title.isEmpty() ? pmLoadString("IDR_MAINFRAME") : title);
    box.setInformativeText(message);
    QPushButton* ok = box.addButton(pmLoadString("IDS_OK"), QMessageBox::AcceptRole);
    box.setEscapeButton(ok);
    return ok;
}

} // namespace

int pmMessageBox(const QString& message, const QString& title)
{
    QMessageBox box(QApplication::activeWindow());
    QPushButton* ok = prepareAlert(box, message, title);
    box.exec(); // with a custom button the result code says nothing; the clicked button does
    return box.clickedButton() == ok ? 1 : 2;
}

void pmShowMessageSheet(QWidget* window, const QString& message)
{
    auto* box = new QMessageBox(window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    prepareAlert(*box, message, QString());
    box->setWindowModality(Qt::WindowModal);
    box->open();
}
