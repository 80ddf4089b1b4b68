#include "BackupFlow.h"

#include "BackupDlg.h"
#include "BackupMessages.h"
#include "LocalizedText.h"
#include "LogText.h"
#include "MessageBox.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "Preferences.h"
#include "browse/BrowseController.h"
#include "controls/FileDialog.h"
#include "playback/PlaybackController.h"
#include "util/FileQueries.h"

#include <algorithm>

namespace {

constexpr int kUploadSelectionLimit = 10;

} // namespace

BackupFlow::BackupFlow(BrowseController& browse, PlaybackController& playback, QObject* parent)
    : QObject(parent), mBrowse(browse), mPlayback(playback)
{
    connect(&mSession, &BackupSession::finished, this, &BackupFlow::finishBackup);
}

BackupFlow::~BackupFlow()
{
    NotificationCenter::defaultCenter().removeObserver(this);
}

void BackupFlow::setWindow(QWidget* window)
{
    mWindow = window;
    mSession.setWindow(window);
}

void BackupFlow::onButtonBackup()
{
    if (mBrowse.playlist().empty() || mSession.isRunning())
        return;
    mPlayback.pausePlayback();
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
    startCopyFileThread(folder);
}

void BackupFlow::startCopyFileThread(const QString& destFolder)
{
    startRun(mBackupSources, destFolder);
}

bool BackupFlow::writeMediaToPath(const QString& sourcePath, const QString& destFolderPath)
{
    return startRun({sourcePath.toStdString()}, destFolderPath);
}

bool BackupFlow::startRun(std::vector<std::string> sources, const QString& folder)
{
    // The sizes are read on the copy thread: a card's files can be slow to look at.
    mRunning = mSession.start([sources = std::move(sources), into = folder.toStdString()] {
        return BackupPlan::forRecordings(sources, into);
    }, mCopyOptions);
    return mRunning;
}

void BackupFlow::finishBackup()
{
    if (!mRunning)
        return;
    mRunning = false;
    pmWriteLog("AppDelegate::finishBackup - backup ended");
    // A full bar says that everything was copied; recordings found already backed up are
    // news, as the bar moved past them without copying.
    const BackupResult& result = mSession.result();
    if (result.skipped > result.sameFile)
        pmMessageBox(pmBackupSummaryText(result));
}
