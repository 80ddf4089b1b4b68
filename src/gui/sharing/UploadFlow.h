#pragma once
// The upload: the YouTube site, and the Facebook upload from the sign-in through the choice of
// recordings (the backup's selection dialog, limited to ten rows) to the upload editor.

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class BackupFlow;
class BrowseController;
class EditUploadDlg;
class LoginDlg;
struct Notification;
class PlaybackController;
class QWidget;

class UploadFlow : public QObject {
    Q_OBJECT
public:
    UploadFlow(BrowseController& browse, PlaybackController& playback, BackupFlow& selection,
               std::function<bool()>& connectivityCheck, QObject* parent = nullptr);
    ~UploadFlow() override;

    void setWindow(QWidget* window) { mWindow = window; }
    void onButtonUploadYouTube();
    void onButtonUploadFacebook();
    void doVideoUpload(int videoWebsite);
    void doLogin();
    void UploadVideoChangedForUpload(const Notification& notification);
    void editUploadVideos(const QList<int>& rows);

    LoginDlg* loginDlg() const;
    EditUploadDlg* editUploadDlg() const;
    const QString& fbKey() const { return mFBKey; }

private:
    void chooseRecordings();

    BrowseController& mBrowse;
    PlaybackController& mPlayback;
    BackupFlow& mSelection;
    std::function<bool()>& mConnectivityCheck; // the application's, replaced by tests
    QWidget* mWindow = nullptr;
    qint16 m_nVideoWebsite = 0;
    bool mChoosing = false; // the selection dialog is open for this upload
    QString mFBKey;
    QPointer<LoginDlg> mLoginDlg;           // kept until the next sign-in replaces it
    QPointer<EditUploadDlg> mEditUploadDlg; // kept until the next upload replaces it
};
