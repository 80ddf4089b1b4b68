#include "PrintWindowController.h"

#include "ui_PrintWindow.h"

#include "CameraButtonStrip.h"
#include "LocalizedText.h"
#include "LogText.h"
#include "PrintCanvasView.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace {

constexpr int kCameraStripHeight = 39;

bool runPrintDialog(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowModality(Qt::WindowModal);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

PrintWindowController::PrintWindowController(const PrintPageContent& content, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::PrintWindow>())
{
    ui->setupUi(this);
    setWindowModality(Qt::WindowModal);
    setWindowTitle(pmLoadString("IDS_PRINT_PREVIEW"));
    ui->okButton->setText(pmLoadString("IDS_PRINT"));
    ui->cancelButton->setText(pmLoadString("IDS_CANCEL"));
    connect(ui->okButton, &QPushButton::clicked, this, &PrintWindowController::printOnePage);
    connect(ui->cancelButton, &QPushButton::clicked, this, &PrintWindowController::cancel);
    mRunDialog = [this](QPrinter& printer) { return runPrintDialog(printer, this); };

    ui->canvasView->setContent(content);
    m_nCaptureOptions = static_cast<qint16>(ui->canvasView->printOptions());
    if (m_nCaptureOptions == 3) {
        ui->cameraStrip->setFixedHeight(kCameraStripHeight);
        auto* layout = new QHBoxLayout(ui->cameraStrip);
        layout->setContentsMargins(0, 0, 0, 0);
        mCameraButtons = new CameraButtonStrip(ui->cameraStrip);
        layout->addWidget(mCameraButtons);
        connect(mCameraButtons, &CameraButtonStrip::optionChosen, this, [this](int option) {
            m_nCaptureOptions = static_cast<qint16>(option);
            ui->canvasView->setPrintOptions(option, true);
        });
    } else {
        ui->cameraStrip->hide();
    }
    adjustSize();
}

PrintWindowController::~PrintWindowController() = default;

PrintCanvasView* PrintWindowController::canvasView() const { return ui->canvasView; }
QPushButton* PrintWindowController::okButton() const { return ui->okButton; }
QPushButton* PrintWindowController::cancelButton() const { return ui->cancelButton; }

void PrintWindowController::printOnePage()
{
    if (!mPrinter)
        mPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QMarginsF margins = mPrinter->pageLayout().margins(QPageLayout::Point);
    margins.setTop(0);
    mPrinter->setPageMargins(margins, QPageLayout::Point);
    if (mRunDialog(*mPrinter))
        printOn(*mPrinter);
}

void PrintWindowController::printOn(QPrinter& printer) const
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        pmWriteLog("PrintWindowController::printOn - the printer cannot be opened");
        return;
    }
    // The page keeps its shape, as large as the printable area allows, from its top.
    const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
    const double scale = std::min(area.width() / PrintCanvasView::kPageWidth,
                                  area.height() / PrintCanvasView::kPageHeight);
    const QSizeF size(PrintCanvasView::kPageWidth * scale, PrintCanvasView::kPageHeight * scale);
    canvasView()->drawPage(painter, QRectF(QPointF((area.width() - size.width()) / 2, 0), size));
    painter.end();
}

void PrintWindowController::cancel()
{
    reject();
}
