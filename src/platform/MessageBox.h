#pragma once
// The one-button alert every user-facing error goes through.

#include <QString>

class QWidget;

// A modal alert headed by the title (the "IDR_MAINFRAME" text when none is given) with the
// message and a single "IDS_OK" button. Returns 1 when the alert ended with a non-zero
// result, 2 otherwise.
int pmMessageBox(const QString& message, const QString& title = QString());
// The same alert as a sheet over the window: it returns at once and closes itself when
// answered, so nothing waits for the user.
void pmShowMessageSheet(QWidget* window, const QString& message);
