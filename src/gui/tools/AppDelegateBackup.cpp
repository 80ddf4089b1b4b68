// The controller's backup: choosing recordings and a folder, then copying them with their GPS
// logs on a worker thread behind a progress window.
#include "AppDelegate.h"

#include "BackupCopyThread.h"
#include "BackupDlg.h"
#include "LocalizedText.h"
#include "LogText.h"
#include "MainWindow.h"
#include "MessageBox.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "Preferences.h"
#include "ProgressDlg.h"
#include "gps/GpsLogFile.h"
#include "util/FileQueries.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {

// The hand-over observer, kept apart from the controller's other observers of the name.
const char kBackupObserver = 0;

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

void AppDelegate::onButtonBackup()
{
    if (mPlaylist.empty() || mCopyThread)
        return;
    NotificationCenter::defaultCenter().addObserver(&kBackupObserver, kUploadVideoChangedNotification,
                                                    [this](const Notification& n) { UploadVideoChanged(n); });
    openBackupDlg(pmLoadString("IDS_BACKUP"), true);
}

void AppDelegate::openBackupDlg(const QString& title, bool backupButton)
{
    m_bBackupButton = backupButton;
    BackupDlg dialog(mPlaylist.entries(), mWindow);
    if (!backupButton)
        dialog.setNMaxSelFileCount(kUploadSelectionLimit);
    dialog.setTitle(title);
    _backupDlg = &dialog;
    dialog.exec();
    _backupDlg = nullptr;
}

void AppDelegate::UploadVideoChanged(const Notification& notification)
{
    const int type = notification.userInfo.value(kUploadTypeKey).toInt();
    if (type == BackupDlg::kUploadLoggedIn)
        return;
    NotificationCenter::defaultCenter().removeObserver(&kBackupObserver, kUploadVideoChangedNotification);
    if (type == BackupDlg::kUploadSelected && m_bBackupButton) {
        const auto indexes = notification.object.value<QList<int>>();
        // After the selection dialog's modal run has ended.
        QMetaObject::invokeMethod(this, [this, indexes] { doBackup(indexes); }, Qt::QueuedConnection);
    }
}

void AppDelegate::doBackup(const QList<int>& indexes)
{
    mSelFileIndexSet = indexes;
    std::sort(mSelFileIndexSet.begin(), mSelFileIndexSet.end());
    mSelFileIndexSet.erase(std::unique(mSelFileIndexSet.begin(), mSelFileIndexSet.end()), mSelFileIndexSet.end());
    mBackupSources.clear();
    for (int index : mSelFileIndexSet)
        if (mPlaylist.isValidIndex(index))
            mBackupSources.push_back(mPlaylist.at(index).URL());
    if (mBackupSources.empty())
        return;

    auto* chooser = new QFileDialog(mWindow, pmLoadString("IDS_BACKUP"), pmGetDocumentsFolder());
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    chooser->setOption(QFileDialog::DontUseNativeDialog);
    chooser->setFileMode(QFileDialog::Directory);
    chooser->setOption(QFileDialog::ShowDirsOnly);
    chooser->setLabelText(QFileDialog::Accept, pmLoadString("IDS_SAVE"));
    chooser->setLabelText(QFileDialog::Reject, pmLoadString("IDS_CANCEL"));
    chooser->setWindowModality(Qt::WindowModal);
    connect(chooser, &QFileDialog::fileSelected, this, [this](const QString& folder) {
        if (pmIsReadOnly(folder.toStdString())) {
            pmMessageBox(pmLoadString("IDS_ERR_FOLDER_READ_ONLY"));
            return;
        }
        m_lCurrentSize.bytesCopied = 0;
        m_lCurrentSize.cancelled = false;
        quint64 total = 0;
        for (const std::string& source : mBackupSources)
            total += pmGetFileSize(source);
        mProgressDlg = new ProgressDlg(m_lCurrentSize, mWindow);
        mProgressDlg->setLTotalSize(total);
        mProgressDlg->show();
        mProgressDlg->startTimer();
        mCopyThread = std::make_unique<BackupCopyThread>([this, folder] { startCopyFileThread(folder); },
                                                         m_lCurrentSize);
        connect(mCopyThread.get(), &QThread::finished, this, &AppDelegate::finishBackup, Qt::QueuedConnection);
        mCopyThread->start();
    });
    chooser->open();
}

void AppDelegate::startCopyFileThread(const QString& destFolder)
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

bool AppDelegate::writeMediaToPath(const QString& sourcePath, const QString& destFolderPath)
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

void AppDelegate::finishBackup()
{
    if (!mCopyThread || mCopyThread->isRunning())
        return;
    mCopyThread.reset();
    delete std::exchange(mProgressDlg, nullptr);
    pmWriteLog("AppDelegate::finishBackup - backup ended");
}
