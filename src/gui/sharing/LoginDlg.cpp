#include "LoginDlg.h"

#include "LocalizedText.h"
#include "LogText.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "PreferenceKeys.h"
#include "Preferences.h"
#include "ServiceAddresses.h"
#include "WaitingWindow/WaitingWindowController.h"
#include "sharing/FacebookRequest.h"
#include "ui_LoginDlg.h"

#include <QDebug>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

const char* const kOAuthPath = "/v2.3/dialog/oauth";
const char* const kLoginSuccessPath = "/connect/login_success.html";
const char* const kPermissionsPath = "/me/permissions";

void consoleLine(const char* line)
{
    pmWriteConsoleText(line);
}

// The permissions answer grants publishing when "data" lists publish_actions as granted.
bool grantsPublishing(const QByteArray& answer)
{
    const QJsonArray permissions = QJsonDocument::fromJson(answer).object().value("data").toArray();
    for (const QJsonValue& entry : permissions) {
        const QJsonObject permission = entry.toObject();
        if (permission.value("permission").toString() == "publish_actions"
            && permission.value("status").toString() == "granted")
            return true;
    }
    return false;
}

} // namespace

LoginDlg::LoginDlg(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::LoginDlg>()), mNetwork(new QNetworkAccessManager(this))
{
    ui->setupUi(this);
    setWindowModality(Qt::ApplicationModal);
    mPermissionTimer.setSingleShot(true);
    connect(&mPermissionTimer, &QTimer::timeout, this, [this] {
        if (mPermissionReply)
            mPermissionReply->abort(); // answered as a failure by permissionAnswered
    });
    connect(ui->cancelButton, &QPushButton::clicked, this, &LoginDlg::cancelButtonAction);
    connect(ui->m_loginView->page(), &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& load) {
        // The starting page that only navigates to the sign-in says nothing.
        if (load.url().scheme() != "http" && load.url().scheme() != "https")
            return;
        if (load.status() == QWebEngineLoadingInfo::LoadSucceededStatus
            || load.status() == QWebEngineLoadingInfo::LoadFailedStatus)
            webLoadComplete();
    });
}

LoginDlg::~LoginDlg()
{
    if (mPermissionReply) {
        mPermissionReply->disconnect(this);
        mPermissionReply->abort();
    }
}

QWebEngineView* LoginDlg::loginView() const
{
    return ui->m_loginView;
}

QString LoginDlg::signInAddress()
{
    const QString redirect = pmFacebookWwwBase() + kLoginSuccessPath;
    const std::string query = pmSignInQuery(kFacebookAppId, redirect.toStdString());
    return pmFacebookWwwBase() + kOAuthPath + '?' + QString::fromStdString(query);
}

void LoginDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!mLoaded) {
        mLoaded = true;
        windowDidLoad();
    }
}

void LoginDlg::windowDidLoad()
{
    if (parentWidget())
        move(parentWidget()->window()->geometry().center() - rect().center());
    setLayerString();
    pmWriteLogText("LoginDlg Start");
    doLogin();
}

void LoginDlg::setLayerString()
{
    setWindowTitle(pmLoadString("IDS_UPLOAD_FACEBOOK"));
    // The service's own page asks for the credentials.
    for (QWidget* control : {static_cast<QWidget*>(ui->okButton), static_cast<QWidget*>(ui->cancelButton),
                             static_cast<QWidget*>(ui->loginTitleLab), static_cast<QWidget*>(ui->emailLab),
                             static_cast<QWidget*>(ui->passwordLab), static_cast<QWidget*>(ui->emailText),
                             static_cast<QWidget*>(ui->passwordText)})
        control->hide();
}

void LoginDlg::doLogin()
{
    pmStartWait();
    // A QUrl would rewrite the redirect's escapes ("%2e" to "."); the page's own navigation
    // sends the address exactly as written.
    const QByteArray quoted = QJsonDocument(QJsonArray{signInAddress()}).toJson(QJsonDocument::Compact);
    ui->m_loginView->setHtml(QString("<script>location.replace(%1[0]);</script>").arg(QString::fromUtf8(quoted)),
                             QUrl("about:blank"));
}

void LoginDlg::cancelButtonAction()
{
    postNotification(UploadType::Cancelled);
}

void LoginDlg::webLoadComplete()
{
    if (mKeyFound)
        return;
    pmEndWait();
    ui->m_loginView->stop();
    getFacebookKey(ui->m_loginView->url().toString(QUrl::FullyEncoded));
}

void LoginDlg::getFacebookKey(const QString& address)
{
    if (address.isEmpty())
        return;
    consoleLine("--- Start to parse facebook key ---");
    const FacebookKeyResult result = pmParseFacebookKey(address.toStdString());
    switch (result.kind) {
    case FacebookKeyResult::NotLoginSuccess:
        consoleLine("--- End to parse facebook key : login success address not found! ---");
        break;
    case FacebookKeyResult::Token:
        mKeyFound = true;
        m_strFBKey = QString::fromStdString(result.token);
        pmSetProfileString(kPrefFacebookKey, m_strFBKey);
        checkPermission();
        consoleLine("--- End to parse facebook key ---");
        break;
    case FacebookKeyResult::Error:
        consoleLine("User canceled facebook login");
        postNotification(UploadType::Cancelled);
        break;
    case FacebookKeyResult::NoToken:
        consoleLine("access_token is not found");
        break;
    }
}

void LoginDlg::checkPermission()
{
    pmWriteLogText("LoginDlg::checkPermission () - start");
    ui->m_loginView->hide();
    pmStartWait();
    // Asked without blocking: the window keeps painting and the limit ends a silent service.
    QNetworkRequest request(QUrl(pmFacebookGraphBase() + kPermissionsPath + "?access_token=" + m_strFBKey));
    mPermissionReply = mNetwork->get(request);
    connect(mPermissionReply, &QNetworkReply::finished, this, &LoginDlg::permissionAnswered);
    mPermissionTimer.start(mPermissionTimeoutMs);
}

void LoginDlg::permissionAnswered()
{
    mPermissionTimer.stop();
    QNetworkReply* reply = mPermissionReply;
    mPermissionReply = nullptr;
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError) {
        pmWriteLogText("LoginDlg::CheckPermission - FB Permission API failed !");
        endPermissionCheck(false);
        return;
    }
    endPermissionCheck(grantsPublishing(reply->readAll()));
}

void LoginDlg::endPermissionCheck(bool granted)
{
    pmEndWait();
    pmWriteLogText(granted ? "LoginDlg::CheckPermission - End - granted" : "LoginDlg::CheckPermission - End - declined");
    postNotification(granted ? UploadType::LoggedIn : UploadType::Cancelled);
}

void LoginDlg::postNotification(UploadType result)
{
    if (mReported)
        return;
    mReported = true;
    done(result == UploadType::LoggedIn ? Accepted : Rejected);
    QVariantMap userInfo{{kUploadTypeKey, int(result)}};
    if (!m_strFBKey.isEmpty())
        userInfo.insert(kFBKeyKey, m_strFBKey);
    NotificationCenter::defaultCenter().postNotification(kUploadVideoChangedNotification, {}, userInfo);
}

void LoginDlg::done(int result)
{
    mPermissionTimer.stop();
    if (mPermissionReply) {
        // Closed while the check runs: nothing more is reported.
        mPermissionReply->disconnect(this);
        mPermissionReply->abort();
        mPermissionReply->deleteLater();
        mPermissionReply = nullptr;
        pmEndWait();
    }
    mReported = true;
    const bool wasVisible = isVisible();
    QDialog::done(result);
    if (wasVisible)
        pmWriteLogText("LoginDlg End");
}
