#pragma once
// The print preview: the page as it will print, the camera buttons in dual-camera mode, and
// Print, which hands the page to the print dialog (a printer or a PDF file). The dialog stays
// open after printing; Cancel closes it.

#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class PrintWindow;
}
class CameraButtonStrip;
class PrintCanvasView;
class QPrinter;
class QPushButton;
struct PrintPageContent;

class PrintWindowController : public QDialog {
    Q_OBJECT
public:
    PrintWindowController(const PrintPageContent& content, QWidget* parent);
    ~PrintWindowController() override;

    void printOnePage();
    void cancel();
    // Prints the page on a printer already set up (the print dialog's choice, or a PDF file).
    void printOn(QPrinter& printer) const;
    // Answers the print dialog; replaceable so that tests and scripts can choose a printer.
    void setPrintDialogRunner(std::function<bool(QPrinter&)> runner) { mRunDialog = std::move(runner); }

    int captureOptions() const { return m_nCaptureOptions; }
    PrintCanvasView* canvasView() const;
    QPushButton* okButton() const;
    QPushButton* cancelButton() const;
    CameraButtonStrip* cameraButtons() const { return mCameraButtons; }
    QPrinter* thePrintInfo() const { return mPrinter.get(); }

private:
    std::unique_ptr<Ui::PrintWindow> ui;
    std::unique_ptr<QPrinter> mPrinter;
    std::function<bool(QPrinter&)> mRunDialog;
    CameraButtonStrip* mCameraButtons = nullptr;
    qint16 m_nCaptureOptions = 0;
};
