#include "UploadFlow.h"

#include "EditUploadDlg.h"
#include "LocalizedText.h"
#include "LogText.h"
#include "LoginDlg.h"
#include "MessageBox.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "ServiceAddresses.h"
#include "browse/BrowseController.h"
#include "playback/PlaybackController.h"
#include "tools/BackupFlow.h"

#include <QDesktopServices>
#include <QUrl>

#include <utility>

namespace {

constexpr int kFacebook = 1;

} // namespace

UploadFlow::UploadFlow(BrowseController& browse, PlaybackController& playback, BackupFlow& selection,
                       std::function<bool()>& connectivityCheck, QObject* parent)
    : QObject(parent), mBrowse(browse), mPlayback(playback), mSelection(selection),
      mConnectivityCheck(connectivityCheck)
{
}

UploadFlow::~UploadFlow()
{
    NotificationCenter::defaultCenter().removeObserver(this);
}

LoginDlg* UploadFlow::loginDlg() const
{
    return mLoginDlg;
}

EditUploadDlg* UploadFlow::editUploadDlg() const
{
    return mEditUploadDlg;
}

void UploadFlow::onButtonUploadYouTube()
{
    QDesktopServices::openUrl(QUrl(pmYouTubeHome()));
}

void UploadFlow::onButtonUploadFacebook()
{
    doVideoUpload(kFacebook);
}

void UploadFlow::doVideoUpload(int videoWebsite)
{
    m_nVideoWebsite = qint16(videoWebsite);
    if (mBrowse.playlist().empty())
        return;
    if (!mConnectivityCheck()) {
        pmMessageBox(pmLoadString("IDS_ERR_NO_INTERNET"));
        return;
    }
    mPlayback.pausePlayback(); // also puts the play button back to its first image
    doLogin();
}

void UploadFlow::doLogin()
{
    NotificationCenter& center = NotificationCenter::defaultCenter();
    // A sign-in window closed by its title bar reports nothing: never observe twice.
    center.removeObserver(this, kUploadVideoChangedNotification);
    center.addObserver(this, kUploadVideoChangedNotification,
                       [this](const Notification& note) { UploadVideoChangedForUpload(note); });
    if (mLoginDlg)
        mLoginDlg->deleteLater();
    mLoginDlg = new LoginDlg(mWindow);
    mLoginDlg->setVideoWebsite(m_nVideoWebsite);
    mLoginDlg->exec();
}

void UploadFlow::UploadVideoChangedForUpload(const Notification& notification)
{
    const auto type = UploadType(notification.userInfo.value(kUploadTypeKey).toInt());
    if (type == UploadType::LoggedIn) {
        mFBKey = notification.userInfo.value(kFBKeyKey).toString();
        // Once the sign-in window's modal run has ended.
        QMetaObject::invokeMethod(this, &UploadFlow::chooseRecordings, Qt::QueuedConnection);
        return;
    }
    NotificationCenter::defaultCenter().removeObserver(this, kUploadVideoChangedNotification);
    // A sign-in window closed by its title bar leaves this observer behind: a later backup's
    // selection is not an upload's.
    const bool choosing = std::exchange(mChoosing, false);
    if (type == UploadType::Selected && choosing) {
        const auto rows = notification.object.value<QList<int>>();
        QMetaObject::invokeMethod(this, [this, rows] { editUploadVideos(rows); }, Qt::QueuedConnection);
    }
}

void UploadFlow::chooseRecordings()
{
    mChoosing = true;
    mSelection.openBackupDlg(pmLoadString("IDS_UPLOAD_FACEBOOK"), BackupFlow::Purpose::Upload);
}

void UploadFlow::editUploadVideos(const QList<int>& rows)
{
    if (rows.isEmpty())
        return;
    pmWriteLogText("editUploadVideos start - upload to facebook !");
    if (mEditUploadDlg)
        mEditUploadDlg->deleteLater();
    QStringList paths;
    for (const AMediaFile& file : mBrowse.playlist().entries())
        paths.append(QString::fromStdString(file.URL()));
    mEditUploadDlg = new EditUploadDlg(mWindow);
    mEditUploadDlg->setPlaylistPaths(paths);
    mEditUploadDlg->setSelectedFileIndexSet(rows);
    mEditUploadDlg->setVideoWebsite(m_nVideoWebsite);
    mEditUploadDlg->setFBKey(mFBKey);
    mEditUploadDlg->show();
    pmWriteLogText("editUploadVideos show !");
}
