#include "BackupDlg.h"

#include "ui_BackupDlg.h"

#include "LocalizedText.h"
#include "LogText.h"
#include "MessageBox.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "util/CalendarDate.h"
#include "util/FileQueries.h"

#include <QHeaderView>
#include <QLocale>

#include <algorithm>
#include <utility>

BackupDlg::BackupDlg(std::vector<AMediaFile> playlist, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::BackupDlg>()), mBackupFilelist(std::move(playlist))
{
    ui->setupUi(this);
    setWindowModality(Qt::WindowModal);
    connect(ui->okButton, &QPushButton::clicked, this, &BackupDlg::okButtonAction);
    connect(ui->cancelButton, &QPushButton::clicked, this, &BackupDlg::cancelButtonAction);
    setLayerString();
    fillTable();
    pmWriteLog("BackupDlg Start");
}

BackupDlg::~BackupDlg() = default;

QTableWidget* BackupDlg::tableView() const { return ui->mTableView; }
QPushButton* BackupDlg::okButton() const { return ui->okButton; }
QPushButton* BackupDlg::cancelButton() const { return ui->cancelButton; }

void BackupDlg::setTitle(const QString& title)
{
    m_strBackupTitle = title;
    setWindowTitle(title);
}

void BackupDlg::setLayerString()
{
    ui->okButton->setText(pmLoadString("IDS_OK"));
    ui->cancelButton->setText(pmLoadString("IDS_CANCEL"));
    ui->SelFileTitleLab->setText(QStringLiteral("%1:").arg(pmLoadString("IDS_VIDEO_FILES")));
    ui->mTableView->setHorizontalHeaderLabels(
        {pmLoadString("IDS_FILE_NAME"), pmLoadString("IDS_FILE_DATE"), pmLoadString("IDS_FILE_SIZE")});
}

void BackupDlg::fillTable()
{
    QTableWidget* table = ui->mTableView;
    table->setRowCount(static_cast<int>(mBackupFilelist.size()));
    const QLocale locale;
    for (int row = 0; row < table->rowCount(); ++row) {
        const AMediaFile& file = mBackupFilelist[static_cast<size_t>(row)];
        const std::string date = file.fileDate()
            ? pmDateText(*file.fileDate()) + " " + pmTimeText(*file.fileDate()) : std::string("-");
        const auto size = static_cast<qint64>(pmGetFileSize(file.URL()));
        const QString cells[] = {QString::fromStdString(std::string(file.localizedName())),
                                 QString::fromStdString(date), locale.formattedDataSize(size)};
        for (int column = 0; column < 3; ++column)
            table->setItem(row, column, new QTableWidgetItem(cells[column]));
        table->item(row, 2)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    table->resizeColumnsToContents();
}

QList<int> BackupDlg::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : ui->mTableView->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void BackupDlg::okButtonAction()
{
    const QList<int> rows = selectedRows();
    m_nSelCount = static_cast<int>(rows.size());
    if (m_nMaxSelFileCount > 0 && m_nSelCount > m_nMaxSelFileCount) {
        pmMessageBox(pmLoadString("IDS_ERR_OVER_MAX_UPLOAD"));
        return;
    }
    accept();
    postNotification(UploadType::Selected, rows);
}

void BackupDlg::cancelButtonAction()
{
    reject();
}

void BackupDlg::reject()
{
    // The Escape key ends the dialog here too, and the controller must hear of it.
    QDialog::reject();
    postNotification(UploadType::Cancelled, {});
}

void BackupDlg::postNotification(UploadType type, const QList<int>& selectedFile)
{
    NotificationCenter::defaultCenter().postNotification(kUploadVideoChangedNotification,
                                                         QVariant::fromValue(selectedFile),
                                                         {{kUploadTypeKey, int(type)}});
}

void BackupDlg::done(int result)
{
    QDialog::done(result);
    if (!std::exchange(mEnded, true))
        pmWriteLog("BackupDlg End");
}
