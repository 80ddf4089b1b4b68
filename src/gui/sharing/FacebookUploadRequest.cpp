#include "FacebookUploadRequest.h"

#include "UploadBodyDevice.h"
#include "UploadTransfer.h"
#include "sharing/FacebookRequest.h"

#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QThread>
#include <QUrl>

namespace {

const char* const kVideosPath = "/me/videos";

// The proxy the manager would choose for the address; only a tunnelling one can carry a
// request written on a socket of our own (an encrypted one could not go through any other).
QNetworkProxy proxyFor(const QNetworkAccessManager& manager, const QUrl& address)
{
    QList<QNetworkProxy> proxies{manager.proxy()};
    if (manager.proxy().type() == QNetworkProxy::DefaultProxy) {
        const QNetworkProxyQuery query(address);
        proxies = manager.proxyFactory() ? manager.proxyFactory()->queryProxy(query)
                                         : QNetworkProxyFactory::proxyForQuery(query);
    }
    for (const QNetworkProxy& proxy : proxies) {
        if (proxy.type() == QNetworkProxy::NoProxy || (proxy.capabilities() & QNetworkProxy::TunnelingCapability))
            return proxy;
    }
    return QNetworkProxy(QNetworkProxy::NoProxy);
}

QByteArray requestHead(const QUrl& address, qint64 bodyLength)
{
    QByteArray target = address.path(QUrl::FullyEncoded).toUtf8();
    if (target.isEmpty())
        target = "/";
    if (address.hasQuery())
        target += '?' + address.query(QUrl::FullyEncoded).toUtf8();
    QByteArray host = address.host(QUrl::FullyEncoded).toUtf8();
    if (host.contains(':'))
        host = '[' + host + ']';
    const int defaultPort = address.scheme() == "https" ? 443 : 80;
    if (address.port(defaultPort) != defaultPort)
        host += ':' + QByteArray::number(address.port());
    return QByteArray::fromStdString(pmUploadRequestHead(target.toStdString(), host.toStdString(), bodyLength));
}

} // namespace

FacebookUploadRequest::FacebookUploadRequest(QNetworkAccessManager* manager, QObject* parent)
    : QObject(parent), mManager(manager)
{
}

FacebookUploadRequest::~FacebookUploadRequest()
{
    cancel();
}

// What a cancelled transfer left queued is dropped.
template <typename... Args>
void FacebookUploadRequest::follow(void (UploadTransfer::*signal)(Args...),
                                   void (FacebookUploadRequest::*handler)(Args...))
{
    connect(mTransfer, signal, this, [this, handler, run = mRun](Args... args) {
        if (run == mRun)
            (this->*handler)(args...);
    });
}

bool FacebookUploadRequest::start(const QString& videoBase, const QString& token, const QString& path,
                                  const QString& title, const QString& description, int timeoutMs)
{
    cancel();
    mToken = token;
    const QString fileName = QFileInfo(path).fileName();
    auto body = std::make_unique<UploadBodyDevice>(QByteArray::fromStdString(pmUploadBodyHead(fileName.toStdString())),
                                                   path, QByteArray::fromStdString(pmUploadBodyTail()));
    if (!body->open(QIODevice::ReadOnly))
        return false;
    mBodyLength = body->size();
    mFileSize = body->fileSize();
    const std::string query = pmUploadQuery(token.toStdString(), title.toStdString(), description.toStdString());
    const QUrl address(videoBase + kVideosPath + QString::fromStdString(query));
    mTransfer = new UploadTransfer(address, requestHead(address, mBodyLength), std::move(body),
                                   proxyFor(*mManager, address), timeoutMs);
    mThread = std::make_unique<QThread>();
    mThread->setObjectName("upload");
    mTransfer->moveToThread(mThread.get());
    // Deleted on its own thread, where its socket lives, before the thread ends.
    connect(mThread.get(), &QThread::finished, mTransfer, &QObject::deleteLater);
    follow(&UploadTransfer::bytesSent, &FacebookUploadRequest::bytesSent);
    follow(&UploadTransfer::dataReceived, &FacebookUploadRequest::dataReceived);
    follow(&UploadTransfer::finished, &FacebookUploadRequest::onTransferFinished);
    follow(&UploadTransfer::failed, &FacebookUploadRequest::fail);
    mThread->start();
    QMetaObject::invokeMethod(mTransfer, &UploadTransfer::start, Qt::QueuedConnection);
    return true;
}

void FacebookUploadRequest::cancel()
{
    ++mRun;
    if (!mThread)
        return;
    mThread->quit();
    mThread->wait();
    mThread.reset();
    mTransfer = nullptr;
}

QString FacebookUploadRequest::hideToken(const QString& text) const
{
    QString hidden = QString::fromStdString(pmHideSecret(text.toStdString(), mToken.toStdString()));
    // An address may show the token percent-encoded.
    return QString::fromStdString(pmHideSecret(hidden.toStdString(), pmPercentEncodeQueryValue(mToken.toStdString())));
}

void FacebookUploadRequest::onTransferFinished()
{
    cancel();
    emit finished();
}

void FacebookUploadRequest::fail(int code, const QString& description)
{
    const QString told = hideToken(description);
    cancel();
    emit failed(code, told);
}
