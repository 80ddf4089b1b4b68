#pragma once
// The backup: the selection dialog over the play list, the destination folder, then the copy
// of the chosen recordings and their GPS logs on a worker thread behind a progress window.
// The selection dialog also serves the upload, limited to ten rows; a selection made for an
// upload is the upload flow's, never a backup.

#include "backup/FileCopy.h"

#include <QList>
#include <QObject>
#include <QString>

#include <memory>
#include <string>
#include <vector>

class BackupCopyThread;
class BackupDlg;
class BrowseController;
class ProgressDlg;
struct Notification;
class QWidget;

class BackupFlow : public QObject {
    Q_OBJECT
public:
    // Why the selection dialog is open.
    enum class Purpose { Backup, Upload };

    explicit BackupFlow(BrowseController& browse, QObject* parent = nullptr);
    ~BackupFlow() override;

    void setWindow(QWidget* window) { mWindow = window; }
    void onButtonBackup();
    // Runs the selection dialog over the play list, modally.
    void openBackupDlg(const QString& title, Purpose purpose);
    void UploadVideoChanged(const Notification& notification);
    void doBackup(const QList<int>& indexes);
    // On the copy thread.
    void startCopyFileThread(const QString& destFolder);
    bool writeMediaToPath(const QString& sourcePath, const QString& destFolderPath);

    BackupDlg* backupDlg() const { return _backupDlg; }
    // The progress window of the running backup, or of the last one (closed).
    ProgressDlg* progressDlg() const { return mProgressDlg; }
    bool isBackupRunning() const { return mCopyThread != nullptr; }
    quint64 copiedBytes() const { return m_lCurrentSize.bytesCopied.load(); }

private:
    void startCopy(const QString& folder);
    void finishBackup();

    BrowseController& mBrowse;
    QWidget* mWindow = nullptr;
    Purpose mPurpose = Purpose::Backup;
    QList<int> mSelFileIndexSet;
    std::vector<std::string> mBackupSources; // the paths of mSelFileIndexSet, for the copy thread
    BackupDlg* _backupDlg = nullptr;
    ProgressDlg* mProgressDlg = nullptr;
    CopyControl m_lCurrentSize; // bytes copied and the cancel flag, shared with the copy thread
    std::unique_ptr<BackupCopyThread> mCopyThread; // after the counter it uses
};
