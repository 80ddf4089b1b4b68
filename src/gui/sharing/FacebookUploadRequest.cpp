#include "FacebookUploadRequest.h"

#include "UploadBodyDevice.h"
#include "sharing/FacebookRequest.h"

#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace {

const char* const kVideosPath = "/me/videos";

QNetworkRequest uploadRequest(const QUrl& address, qint64 bodyLength)
{
    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setRawHeader("Content-Type", QByteArray::fromStdString(pmUploadContentTypeHeader()));
    request.setRawHeader("Content-Length", QByteArray::number(bodyLength));
    return request;
}

} // namespace

FacebookUploadRequest::FacebookUploadRequest(QNetworkAccessManager* manager, QObject* parent)
    : QObject(parent), mManager(manager)
{
    mIdleTimer.setSingleShot(true);
    connect(&mIdleTimer, &QTimer::timeout, this, [this] { fail(kTimedOut, "The request timed out."); });
}

FacebookUploadRequest::~FacebookUploadRequest()
{
    cancel();
}

bool FacebookUploadRequest::start(const QString& videoBase, const QString& token, const QString& path,
                                  const QString& title, const QString& description, int timeoutMs)
{
    cancel();
    mToken = token;
    const QString fileName = QFileInfo(path).fileName();
    mBody = new UploadBodyDevice(QByteArray::fromStdString(pmUploadBodyHead(fileName.toStdString())), path,
                                 QByteArray::fromStdString(pmUploadBodyTail()), this);
    if (!mBody->open(QIODevice::ReadOnly)) {
        delete mBody;
        mBody = nullptr;
        return false;
    }
    mBodyLength = mBody->size();
    mFileSize = mBody->fileSize();
    const std::string query = pmUploadQuery(token.toStdString(), title.toStdString(), description.toStdString());
    const QUrl address(videoBase + kVideosPath + QString::fromStdString(query));
    mReply = mManager->post(uploadRequest(address, mBodyLength), mBody);
    mIdleTimer.setInterval(timeoutMs);
    mIdleTimer.start();
    connect(mReply, &QNetworkReply::uploadProgress, this, [this](qint64 sent, qint64 total) {
        mIdleTimer.start();
        emit bytesSent(sent, total);
    });
    connect(mReply, &QNetworkReply::readyRead, this, [this] {
        mIdleTimer.start();
        emit dataReceived(mReply->readAll());
    });
    connect(mReply, &QNetworkReply::finished, this, &FacebookUploadRequest::onReplyFinished);
    return true;
}

void FacebookUploadRequest::cancel()
{
    mIdleTimer.stop();
    if (mReply) {
        mReply->disconnect(this);
        mReply->abort();
        mReply->deleteLater();
        mReply = nullptr;
    }
    if (mBody) {
        mBody->deleteLater();
        mBody = nullptr;
    }
}

QString FacebookUploadRequest::hideToken(const QString& text) const
{
    QString hidden = QString::fromStdString(pmHideSecret(text.toStdString(), mToken.toStdString()));
    // An address may show the token percent-encoded.
    return QString::fromStdString(pmHideSecret(hidden.toStdString(), pmPercentEncodeQueryValue(mToken.toStdString())));
}

void FacebookUploadRequest::onReplyFinished()
{
    mIdleTimer.stop();
    QNetworkReply* reply = mReply;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray rest = reply->readAll();
    if (!rest.isEmpty())
        emit dataReceived(rest);
    // An error status means the service did not take the video, whatever the bytes sent.
    if (status >= 400)
        fail(status, reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
    else if (reply->error() != QNetworkReply::NoError)
        fail(-int(reply->error()), reply->errorString());
    else {
        cancel();
        emit finished();
    }
}

void FacebookUploadRequest::fail(int code, const QString& description)
{
    const QString told = hideToken(description);
    cancel();
    emit failed(code, told);
}
