#pragma once
// The backup: the selection dialog over the play list, the destination folder, then the copy
// of the chosen recordings and their GPS logs on the copy thread behind a progress window.
// The selection dialog also serves the upload, limited to ten rows; a selection made for an
// upload is the upload flow's, never a backup. The backup of an inserted card runs on the same
// session, so that only one backup runs at a time.

#include "BackupSession.h"
#include "CardBackup.h"

#include <QList>
#include <QObject>
#include <QString>

#include <string>
#include <vector>

class BackupDlg;
class BrowseController;
class PlaybackController;
class ProgressDlg;
struct Notification;
class QWidget;

class BackupFlow : public QObject {
    Q_OBJECT
public:
    // Why the selection dialog is open.
    enum class Purpose { Backup, Upload };

    BackupFlow(BrowseController& browse, PlaybackController& playback, QObject* parent = nullptr);
    ~BackupFlow() override;

    void setWindow(QWidget* window);
    void onButtonBackup();
    // Runs the selection dialog over the play list, modally.
    void openBackupDlg(const QString& title, Purpose purpose);
    void UploadVideoChanged(const Notification& notification);
    void doBackup(const QList<int>& indexes);
    // Starts the copy thread over the chosen recordings into the folder.
    void startCopyFileThread(const QString& destFolder);
    // Backs one recording (and its GPS log) up into the folder on a run of its own; false when
    // a backup is running already.
    bool writeMediaToPath(const QString& sourcePath, const QString& destFolderPath);
    // How the copies are made: checked, skipped, and where a test stands in for the medium.
    void setCopyOptions(const CopyOptions& options) { mCopyOptions = options; }

    BackupDlg* backupDlg() const { return _backupDlg; }
    // The progress window of the running backup, or of the last one (closed).
    ProgressDlg* progressDlg() const { return mSession.progressDlg(); }
    bool isBackupRunning() const { return mSession.isRunning(); }
    quint64 copiedBytes() const { return mSession.bytesDone(); }
    CardBackup& cardBackup() { return mCardBackup; }

private:
    void startCopy(const QString& folder);
    bool startRun(std::vector<std::string> sources, const QString& folder);
    void finishBackup();

    BrowseController& mBrowse;
    PlaybackController& mPlayback;
    QWidget* mWindow = nullptr;
    Purpose mPurpose = Purpose::Backup;
    QList<int> mSelFileIndexSet;
    std::vector<std::string> mBackupSources; // the paths of mSelFileIndexSet, for the copy thread
    BackupDlg* _backupDlg = nullptr;
    CopyOptions mCopyOptions;
    BackupSession mSession{nullptr}; // its window comes with setWindow
    CardBackup mCardBackup{mSession}; // after the session it runs on
    bool mRunning = false;            // the session's run is this flow's, not the card's
};
