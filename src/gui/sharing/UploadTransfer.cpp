#include "UploadTransfer.h"

#include "FacebookUploadRequest.h"
#include "UploadBodyDevice.h"

#include <QNetworkReply>
#include <QSslSocket>

#include <string>

namespace {

// Large enough that a loopback or LAN connection is never waiting for the next read, small
// enough that a multi-gigabyte recording keeps the memory flat.
constexpr qint64 kBlockSize = 512 * 1024;
constexpr qint64 kMaxQueued = 2 * 1024 * 1024;
constexpr int kProgressIntervalMs = 50;

// The codes failed() reports, as the network access manager gives them for the same causes.
QNetworkReply::NetworkError networkError(QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError: return QNetworkReply::ConnectionRefusedError;
    case QAbstractSocket::RemoteHostClosedError: return QNetworkReply::RemoteHostClosedError;
    case QAbstractSocket::HostNotFoundError: return QNetworkReply::HostNotFoundError;
    case QAbstractSocket::SocketTimeoutError: return QNetworkReply::TimeoutError;
    case QAbstractSocket::SslHandshakeFailedError: return QNetworkReply::SslHandshakeFailedError;
    case QAbstractSocket::ProxyConnectionRefusedError: return QNetworkReply::ProxyConnectionRefusedError;
    case QAbstractSocket::ProxyConnectionClosedError: return QNetworkReply::ProxyConnectionClosedError;
    case QAbstractSocket::ProxyNotFoundError: return QNetworkReply::ProxyNotFoundError;
    case QAbstractSocket::ProxyConnectionTimeoutError: return QNetworkReply::ProxyTimeoutError;
    case QAbstractSocket::ProxyAuthenticationRequiredError: return QNetworkReply::ProxyAuthenticationRequiredError;
    default: return QNetworkReply::UnknownNetworkError;
    }
}

} // namespace

UploadTransfer::UploadTransfer(const QUrl& address, QByteArray head, std::unique_ptr<UploadBodyDevice> body,
                               const QNetworkProxy& proxy, int timeoutMs)
    : mAddress(address), mHead(std::move(head)), mBody(body.release()), mProxy(proxy), mIdleTimer(this),
      mProgressTimer(this), mBlock(kBlockSize, Qt::Uninitialized)
{
    mBody->setParent(this); // moves to the transfer's thread with it
    mIdleTimer.setSingleShot(true);
    mIdleTimer.setInterval(timeoutMs);
    connect(&mIdleTimer, &QTimer::timeout, this, [this] { fail(FacebookUploadRequest::kTimedOut, "The request timed out."); });
    mProgressTimer.setSingleShot(true);
    mProgressTimer.setInterval(kProgressIntervalMs);
    connect(&mProgressTimer, &QTimer::timeout, this, &UploadTransfer::reportProgress);
}

UploadTransfer::~UploadTransfer()
{
    end();
}

void UploadTransfer::start()
{
    const bool secure = mAddress.scheme() == "https";
    if (!secure && mAddress.scheme() != "http") {
        fail(-int(QNetworkReply::ProtocolUnknownError), "Protocol \"" + mAddress.scheme() + "\" is unknown");
        return;
    }
    mTls = secure ? new QSslSocket(this) : nullptr;
    mSocket = mTls ? mTls : static_cast<QAbstractSocket*>(new QTcpSocket(this));
    mSocket->setProxy(mProxy);
    connect(mSocket, &QAbstractSocket::readyRead, this, &UploadTransfer::onReadyRead);
    connect(mSocket, &QAbstractSocket::disconnected, this, &UploadTransfer::onClosed);
    connect(mSocket, &QAbstractSocket::errorOccurred, this, &UploadTransfer::onSocketError);
    mIdleTimer.start();
    const quint16 port = quint16(mAddress.port(secure ? 443 : 80));
    if (mTls) {
        connect(mTls, &QSslSocket::encrypted, this, &UploadTransfer::onConnected);
        mTls->connectToHostEncrypted(mAddress.host(), port);
    } else {
        connect(mSocket, &QAbstractSocket::connected, this, &UploadTransfer::onConnected);
        mSocket->connectToHost(mAddress.host(), port);
    }
}

void UploadTransfer::onConnected()
{
    // The signals that pace the body only from here: the handshake's own bytes fire
    // encryptedBytesWritten() too, and a body block queued then would go out ahead of the head.
    connect(mSocket, &QAbstractSocket::bytesWritten, this, &UploadTransfer::onBytesWritten);
    if (mTls) {
        // bytesWritten() tells what was encrypted; this, what left for the network.
        connect(mTls, &QSslSocket::encryptedBytesWritten, this, &UploadTransfer::onWireWritten);
    }
    mSocket->write(mHead.constData(), mHead.size());
    sendMore();
}

void UploadTransfer::sendMore()
{
    while (!mEnded && queued() < kMaxQueued && mBody->pos() < mBody->size()) {
        const qint64 count = std::min(kBlockSize, mBody->size() - mBody->pos());
        if (mBody->read(mBlock.data(), count) != count) {
            fail(FacebookUploadRequest::kFileUnreadable, "The recording could not be read.");
            return;
        }
        mSocket->write(mBlock.constData(), count);
    }
}

qint64 UploadTransfer::queued() const
{
    return mSocket->bytesToWrite() + (mTls ? mTls->encryptedBytesToWrite() : 0);
}

void UploadTransfer::onBytesWritten(qint64 count)
{
    if (mEnded)
        return;
    mOnWire += count;
    reportProgress();
    if (allSent() && mAnswered)
        succeed();
    else
        onWireWritten();
}

void UploadTransfer::onWireWritten()
{
    if (mEnded)
        return;
    mIdleTimer.start();
    sendMore();
}

void UploadTransfer::onReadyRead()
{
    if (mEnded)
        return;
    mIdleTimer.start();
    const QByteArray bytes = mSocket->readAll();
    std::string body;
    const auto state = mAnswer.feed(std::string_view(bytes.constData(), size_t(bytes.size())), body);
    if (!body.empty())
        emit dataReceived(QByteArray::fromStdString(body));
    if (state == HttpResponseParser::State::Done)
        onAnswer();
    else if (state == HttpResponseParser::State::Error)
        fail(-int(QNetworkReply::ProtocolFailure), "The service's answer could not be read.");
}

void UploadTransfer::onClosed()
{
    if (mEnded)
        return;
    onReadyRead(); // what came with the close
    if (mEnded)
        return;
    if (mAnswer.close() == HttpResponseParser::State::Done)
        onAnswer();
    else
        fail(-int(QNetworkReply::RemoteHostClosedError), "Connection closed");
}

void UploadTransfer::onSocketError(QAbstractSocket::SocketError error)
{
    if (mEnded)
        return;
    // A service may answer and close before it read the whole body: its answer counts.
    if (error == QAbstractSocket::RemoteHostClosedError)
        onClosed();
    else
        fail(-int(networkError(error)), mSocket->errorString());
}

void UploadTransfer::onAnswer()
{
    const int status = mAnswer.status();
    // An error status means the service did not take the video, whatever the bytes sent; a
    // redirection is not followed with the body, so the video did not arrive either.
    if (status >= 300)
        fail(status, QString::fromStdString(mAnswer.reason()));
    else if (allSent())
        succeed();
    else
        mAnswered = true;
}

void UploadTransfer::reportProgress()
{
    const qint64 sent = bodySent();
    // Once per interval, with the latest count when the interval ends; the last byte at once.
    if (sent == mReported || (mProgressTimer.isActive() && sent < mBody->size()))
        return;
    mReported = sent;
    mProgressTimer.start();
    emit bytesSent(sent, mBody->size());
}

qint64 UploadTransfer::bodySent() const
{
    return std::max<qint64>(0, mOnWire - mHead.size());
}

bool UploadTransfer::allSent() const
{
    return mOnWire >= mHead.size() + mBody->size();
}

void UploadTransfer::end()
{
    mEnded = true;
    mIdleTimer.stop();
    mProgressTimer.stop();
    if (mSocket)
        mSocket->abort();
}

void UploadTransfer::succeed()
{
    end();
    emit finished();
}

void UploadTransfer::fail(int code, const QString& description)
{
    end();
    emit failed(code, description);
}
