#pragma once
// The Facebook sign-in: the service's OAuth pages in an embedded web view, the access token
// read from the address the service redirects to, and a check that the user allowed
// publishing. Exactly one UploadVideoChanged notification reports each sign-in's outcome.

#include "NotificationNames.h"

#include <QDialog>
#include <QString>
#include <QTimer>

#include <memory>

class QNetworkAccessManager;
class QNetworkReply;
class QWebEngineView;
namespace Ui {
class LoginDlg;
}

class LoginDlg : public QDialog {
    Q_OBJECT
public:
    // The application's registration with Facebook.
    static constexpr const char* kFacebookAppId = "1538726549812034";
    static constexpr int kPermissionTimeoutMs = 30 * 1000;

    explicit LoginDlg(QWidget* parent = nullptr);
    ~LoginDlg() override;

    void setVideoWebsite(int website) { m_nVideoWebsite = qint16(website); }
    int videoWebsite() const { return m_nVideoWebsite; }
    const QString& fbKey() const { return m_strFBKey; }
    QWebEngineView* loginView() const;
    // How long the permission check may take (tests shorten it).
    void setPermissionTimeoutMs(int milliseconds) { mPermissionTimeoutMs = milliseconds; }

    // The address of the sign-in dialog on the service's web host, its escapes as sent.
    static QString signInAddress();

    void doLogin();
    void cancelButtonAction();
    void getFacebookKey(const QString& address);
    void checkPermission();
    void postNotification(UploadType result);
    void setLayerString();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void windowDidLoad();
    void webLoadComplete();
    void permissionAnswered();
    void endPermissionCheck(bool granted);

    std::unique_ptr<Ui::LoginDlg> ui;
    QNetworkAccessManager* mNetwork;
    QNetworkReply* mPermissionReply = nullptr;
    QTimer mPermissionTimer;
    int mPermissionTimeoutMs = kPermissionTimeoutMs;
    qint16 m_nVideoWebsite = 0;
    QString m_strFBClientID = kFacebookAppId;
    QString m_strFBKey;
    bool mLoaded = false;
    bool mKeyFound = false; // the token is read; later page loads say nothing new
    bool mReported = false;
};
