// The controller's sharing: the YouTube site, and the Facebook upload from sign-in through the
// choice of recordings to the upload editor.
#include "AppDelegate.h"

#include "EditUploadDlg.h"
#include "tools/BackupDlg.h"
#include "LocalizedText.h"
#include "LogText.h"
#include "LoginDlg.h"
#include "MainWindow.h"
#include "MessageBox.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "ServiceAddresses.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

constexpr int kFacebook = 1;

} // namespace

LoginDlg* AppDelegate::loginDlg() const
{
    return mLoginDlg;
}

EditUploadDlg* AppDelegate::editUploadDlg() const
{
    return mEditUploadDlg;
}

void AppDelegate::onButtonUploadYouTube()
{
    QDesktopServices::openUrl(QUrl(pmYouTubeHome()));
}

void AppDelegate::onButtonUploadFacebook()
{
    doVideoUpload(kFacebook);
}

void AppDelegate::doVideoUpload(int videoWebsite)
{
    m_nVideoWebsite = qint16(videoWebsite);
    if (mPlaylist.empty())
        return;
    if (!mConnectivityCheck()) {
        pmMessageBox(pmLoadString("IDS_ERR_NO_INTERNET"));
        return;
    }
    pausePlayback(); // also puts the play button back to its first image
    doLogin();
}

void AppDelegate::doLogin()
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

void AppDelegate::UploadVideoChangedForUpload(const Notification& notification)
{
    const int type = notification.userInfo.value(kUploadTypeKey).toInt();
    if (type == BackupDlg::kUploadLoggedIn) {
        mFBKey = notification.userInfo.value(kFBKeyKey).toString();
        // Once the sign-in window's modal run has ended.
        QMetaObject::invokeMethod(this, [this] { openBackupDlg(pmLoadString("IDS_UPLOAD_FACEBOOK"), false); },
                                  Qt::QueuedConnection);
        return;
    }
    NotificationCenter::defaultCenter().removeObserver(this, kUploadVideoChangedNotification);
    if (type == BackupDlg::kUploadSelected && !m_bBackupButton) {
        const auto rows = notification.object.value<QList<int>>();
        QMetaObject::invokeMethod(this, [this, rows] { editUploadVideos(rows); }, Qt::QueuedConnection);
    }
}

void AppDelegate::editUploadVideos(const QList<int>& rows)
{
    if (rows.isEmpty())
        return;
    pmWriteLogText("editUploadVideos start - upload to facebook !");
    if (mEditUploadDlg)
        mEditUploadDlg->deleteLater();
    QStringList paths;
    for (const AMediaFile& file : mPlaylist.entries())
        paths.append(QString::fromStdString(file.URL()));
    mEditUploadDlg = new EditUploadDlg(mWindow);
    mEditUploadDlg->setPlaylistPaths(paths);
    mEditUploadDlg->setSelectedFileIndexSet(rows);
    mEditUploadDlg->setVideoWebsite(m_nVideoWebsite);
    mEditUploadDlg->setFBKey(mFBKey);
    mEditUploadDlg->show();
    pmWriteLogText("editUploadVideos show !");
}
