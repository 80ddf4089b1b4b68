#pragma once
// The selection of recordings for a backup, and for an upload (at most ten there): one row per
// play-list entry, several rows selectable. The choice is handed over through the
// upload-video-changed notification: type 2 with the selected row indexes, type 0 on cancel.

#include "library/AMediaFile.h"

#include "NotificationNames.h"

#include <QDialog>
#include <QList>

#include <memory>
#include <vector>

namespace Ui {
class BackupDlg;
}
class QPushButton;
class QTableWidget;

class BackupDlg : public QDialog {
    Q_OBJECT
public:
    BackupDlg(std::vector<AMediaFile> playlist, QWidget* parent);
    ~BackupDlg() override;

    void setTitle(const QString& title);
    void setNMaxSelFileCount(int count) { m_nMaxSelFileCount = count; }
    int nMaxSelFileCount() const { return m_nMaxSelFileCount; }
    int getSelCount() const { return m_nSelCount; }
    // The selected rows, in ascending order.
    QList<int> selectedRows() const;

    QTableWidget* tableView() const;
    QPushButton* okButton() const;
    QPushButton* cancelButton() const;

    void okButtonAction();
    void cancelButtonAction();
    static void postNotification(UploadType type, const QList<int>& selectedFile);
    void setLayerString();

    void reject() override;
    void done(int result) override;

private:
    void fillTable();

    std::unique_ptr<Ui::BackupDlg> ui;
    std::vector<AMediaFile> mBackupFilelist;
    int m_nSelCount = 0;
    int m_nMaxSelFileCount = -1;
    QString m_strBackupTitle;
    bool mEnded = false;
};
