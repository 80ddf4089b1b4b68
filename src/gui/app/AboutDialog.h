#pragma once
// The about box: the logo, the version and the copyright, and one button that closes it.

#include <QDialog>

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};
