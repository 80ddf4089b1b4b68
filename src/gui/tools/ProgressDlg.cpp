#include "LogText.h"
#include "ProgressDlg.h"

#include "ui_ProgressDlg.h"

#include "BackupMessages.h"
#include "LocalizedText.h"
#include "backup/FileCopy.h"

#include <QDebug>

#include <algorithm>

namespace {

// The bar counts in KiB so that totals past 2 GiB fit its int range.
int barUnits(quint64 bytes)
{
    return static_cast<int>(std::min<quint64>(bytes / 1024, INT_MAX));
}

} // namespace

ProgressDlg::ProgressDlg(CopyControl& control, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::ProgressDlg>()), mControl(control)
{
    ui->setupUi(this);
    setWindowModality(Qt::WindowModal);
    setWindowTitle(pmLoadString("IDS_BACKUP"));
    ui->cancelButton->setText(pmLoadString("IDS_CANCEL"));
    connect(ui->cancelButton, &QPushButton::clicked, this, &ProgressDlg::onCancel);
    mUpdateProgressTimeTimer.setInterval(kRefreshMs);
    connect(&mUpdateProgressTimeTimer, &QTimer::timeout, this, &ProgressDlg::updatePanel);
    drawProgress();
}

ProgressDlg::~ProgressDlg() = default;

QProgressBar* ProgressDlg::progressIndicator() const { return ui->progressIndicator; }
QLabel* ProgressDlg::percentTextField() const { return ui->PercentTextField; }
QLabel* ProgressDlg::skippedTextField() const { return ui->SkippedTextField; }
QPushButton* ProgressDlg::cancelButton() const { return ui->cancelButton; }

void ProgressDlg::setLTotalSize(quint64 total)
{
    m_lTotalSize = total;
    ui->progressIndicator->setMaximum(std::max(1, barUnits(total)));
}

void ProgressDlg::setLCurrentSize(quint64 current)
{
    mControl.bytesCopied.store(current);
}

quint64 ProgressDlg::lCurrentSize() const
{
    return mControl.bytesCopied.load(std::memory_order_relaxed);
}

int ProgressDlg::percentOf(quint64 copied, quint64 total)
{
    if (total == 0)
        return 100;
    const quint64 totalUnits = total >= 1024 ? total / 1024 : total;
    const quint64 copiedUnits = total >= 1024 ? copied / 1024 : copied;
    return std::min(100, static_cast<int>(double(copiedUnits) / double(totalUnits) * 100));
}

void ProgressDlg::onCancel()
{
    m_bCanceled = true;
    mControl.cancelled.store(true);
    mUpdateProgressTimeTimer.stop();
    hide();
}

void ProgressDlg::reject()
{
    onCancel(); // Escape cancels like the button
}

void ProgressDlg::startTimer()
{
    mUpdateProgressTimeTimer.start();
}

void ProgressDlg::stopTimer()
{
    updatePanel();
    mUpdateProgressTimeTimer.stop();
    hide();
}

void ProgressDlg::updatePanel()
{
    if (const int skipped = mControl.filesSkipped.load(std::memory_order_relaxed); skipped != mSkippedShown) {
        mSkippedShown = skipped;
        ui->SkippedTextField->setText(pmBackupSkippedText(skipped));
        ui->SkippedTextField->setVisible(skipped > 0);
    }
    const quint64 current = lCurrentSize();
    if (static_cast<qint64>(current) == mCurrentlyTotalBytesWritten)
        return;
    mCurrentlyTotalBytesWritten = static_cast<qint64>(current);
    m_nPercent = percentOf(current, m_lTotalSize);
    pmWriteConsoleText(QString::asprintf("m_lCurrentSize : %llu  lTotalSize : %llu",
                                           static_cast<unsigned long long>(current),
                                           static_cast<unsigned long long>(m_lTotalSize)));
    drawProgress();
}

void ProgressDlg::drawProgress()
{
    const int units = m_lTotalSize == 0 ? (m_nPercent == 100 ? ui->progressIndicator->maximum() : 0)
                                        : barUnits(static_cast<quint64>(std::max<qint64>(mCurrentlyTotalBytesWritten, 0)));
    ui->progressIndicator->setValue(std::min(units, ui->progressIndicator->maximum()));
    ui->PercentTextField->setText(QString::asprintf("%d %%", m_nPercent));
}
