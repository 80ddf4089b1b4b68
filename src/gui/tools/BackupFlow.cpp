#include "BackupFlow.h"

#include "BackupCopyThread.h"
#include "BackupDlg.h"
#include "LocalizedText.h"
#include "LogText.h"
#include "MessageBox.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "Preferences.h"
#include "ProgressDlg.h"
#include "browse/BrowseController.h"
#include "controls/FileDialog.h"
#include "gps/GpsLogFile.h"
#include "util/FileQueries.h"

#include <QFileInfo>

#include <algorithm>

namespace {

constexpr int kUploadSelectionLimit = 10;

// What the user is told when a recording could not be copied; empty when nothing is said.
QString failureMessage(CopyStatus status, const std::string& source)
{
    const QString name = QFileInfo(QString::fromStdString(source)).fileName();
    switch (status) {
    case CopyStatus::NoDiskSpace:
        return pmLoadString("IDS_ERR_NO_DISK_SPACE");
    case CopyStatus::SameFile:
        return QStringLiteral("%1\n%2").arg(pmLoadString("IDS_ERR_BACKUP_SAME_FILE"), name);
    case CopyStatus::ReadFailed:
    case CopyStatus::WriteFailed:
    case CopyStatus::Exists:
        return QStringLiteral("%1\n%2").arg(pmLoadString("IDS_ERR_BACKUP_FAILED"), name);
    case CopyStatus::Copied:
    case CopyStatus::Cancelled:
        break;
    }
    return {};
}

} // namespace

BackupFlow::BackupFlow(BrowseController& browse, QObject* parent) : QObject(parent), mBrowse(browse) {}

BackupFlow::~BackupFlow()
{
    NotificationCenter::defaultCenter().removeObserver(this);
}

void BackupFlow::onButtonBackup()
{
    if (mBrowse.playlist().empty() || mCopyThread)
        return;
    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.removeObserver(this, kUploadVideoChangedNotification);
    center.addObserver(this, kUploadVideoChangedNotification, [this](const Notification& n) { UploadVideoChanged(n); });
    openBackupDlg(pmLoadString("IDS_BACKUP"), Purpose::Backup);
}

void BackupFlow::openBackupDlg(const QString& title, Purpose purpose)
{
    mPurpose = purpose;
    BackupDlg dialog(mBrowse.playlist().entries(), mWindow);
    if (purpose == Purpose::Upload)
        dialog.setNMaxSelFileCount(kUploadSelectionLimit);
    dialog.setTitle(title);
    _backupDlg = &dialog;
    dialog.exec();
    _backupDlg = nullptr;
}

void BackupFlow::UploadVideoChanged(const Notification& notification)
{
    const auto type = UploadType(notification.userInfo.value(kUploadTypeKey).toInt());
    if (type == UploadType::LoggedIn)
        return;
    NotificationCenter::defaultCenter().removeObserver(this, kUploadVideoChangedNotification);
    if (type == UploadType::Selected && mPurpose == Purpose::Backup) {
        const auto indexes = notification.object.value<QList<int>>();
        // After the selection dialog's modal run has ended.
        QMetaObject::invokeMethod(this, [this, indexes] { doBackup(indexes); }, Qt::QueuedConnection);
    }
}

void BackupFlow::doBackup(const QList<int>& indexes)
{
    mSelFileIndexSet = indexes;
    std::sort(mSelFileIndexSet.begin(), mSelFileIndexSet.end());
    mSelFileIndexSet.erase(std::unique(mSelFileIndexSet.begin(), mSelFileIndexSet.end()), mSelFileIndexSet.end());
    mBackupSources.clear();
    const Playlist& playlist = mBrowse.playlist();
    for (int index : mSelFileIndexSet)
        if (playlist.isValidIndex(index))
            mBackupSources.push_back(playlist.at(index).URL());
    if (mBackupSources.empty())
        return;

    QFileDialog* chooser =
        pmFolderDialog(mWindow, pmLoadString("IDS_BACKUP"), pmGetDocumentsFolder(), pmLoadString("IDS_SAVE"));
    connect(chooser, &QFileDialog::fileSelected, this, &BackupFlow::startCopy);
    chooser->open();
}

void BackupFlow::startCopy(const QString& folder)
{
    if (pmIsReadOnly(folder.toStdString())) {
        pmMessageBox(pmLoadString("IDS_ERR_FOLDER_READ_ONLY"));
        return;
    }
    m_lCurrentSize.bytesCopied = 0;
    m_lCurrentSize.cancelled = false;
    quint64 total = 0;
    for (const std::string& source : mBackupSources)
        total += pmGetFileSize(source);
    delete mProgressDlg; // the last run's, kept closed for its final figures
    mProgressDlg = new ProgressDlg(m_lCurrentSize, mWindow);
    mProgressDlg->setLTotalSize(total);
    mProgressDlg->show();
    mProgressDlg->startTimer();
    mCopyThread = std::make_unique<BackupCopyThread>([this, folder] { startCopyFileThread(folder); },
                                                     m_lCurrentSize);
    connect(mCopyThread.get(), &QThread::finished, this, &BackupFlow::finishBackup, Qt::QueuedConnection);
    mCopyThread->start();
}

void BackupFlow::startCopyFileThread(const QString& destFolder)
{
    for (const std::string& source : mBackupSources) {
        if (!writeMediaToPath(QString::fromStdString(source), destFolder))
            break;
        // The log goes beside its recording; one of that name already there is kept.
        if (const auto log = pmGetGpsLogFile(source)) {
            CopyOptions logCopy;
            logCopy.replaceExisting = false;
            logCopy.checkFreeSpace = false;
            pmCopyFileIntoFolder(*log, destFolder.toStdString(), nullptr, logCopy);
        }
    }
    mCopyThread->runOnMainThread([this] {
        if (mProgressDlg)
            mProgressDlg->stopTimer();
    });
}

bool BackupFlow::writeMediaToPath(const QString& sourcePath, const QString& destFolderPath)
{
    pmWriteLogText(QStringLiteral("sourcePath : %1 destFolderPath:%2").arg(sourcePath, destFolderPath));
    const std::string source = sourcePath.toStdString();
    const CopyStatus status = pmCopyFileIntoFolder(source, destFolderPath.toStdString(), &m_lCurrentSize);
    const QString message = failureMessage(status, source);
    if (!message.isEmpty())
        mCopyThread->showMessageAndWait(message);
    // A recording whose destination is itself is skipped; the run goes on with the next.
    return status == CopyStatus::Copied || status == CopyStatus::SameFile;
}

void BackupFlow::finishBackup()
{
    if (!mCopyThread || mCopyThread->isRunning())
        return;
    mCopyThread.reset();
    pmWriteLog("AppDelegate::finishBackup - backup ended");
}
