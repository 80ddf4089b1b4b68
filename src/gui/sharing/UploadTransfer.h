#pragma once
// One upload request on the wire, run on a thread of its own so that the window's thread never
// paces it: the request head, then the body read from the recording in large blocks as fast as
// the connection takes them (only a few blocks wait in memory), then the service's answer.
// Progress is reported at most every 50 ms and once more when the last byte is out; the
// time-out counts from the last byte sent or received. Nothing is reported after the first of
// finished() or failed().

#include "sharing/HttpResponseParser.h"

#include <QAbstractSocket>
#include <QByteArray>
#include <QNetworkProxy>
#include <QObject>
#include <QTimer>
#include <QUrl>

#include <memory>

class QSslSocket;
class UploadBodyDevice;

class UploadTransfer : public QObject {
    Q_OBJECT
public:
    // The body is opened and taken over; head is the request line and headers.
    UploadTransfer(const QUrl& address, QByteArray head, std::unique_ptr<UploadBodyDevice> body,
                   const QNetworkProxy& proxy, int timeoutMs);
    ~UploadTransfer() override;

    // Connects and sends; call it on the transfer's thread.
    void start();

signals:
    void bytesSent(qint64 sent, qint64 total);
    void dataReceived(const QByteArray& data);
    void finished();
    void failed(int code, const QString& description);

private:
    void onConnected();
    void sendMore();
    qint64 queued() const;
    void onBytesWritten(qint64 count);
    void onWireWritten();
    void onReadyRead();
    void onClosed();
    void onSocketError(QAbstractSocket::SocketError error);
    void onAnswer();
    void reportProgress();
    qint64 bodySent() const;
    bool allSent() const;
    void end();
    void succeed();
    void fail(int code, const QString& description);

    QUrl mAddress;
    QByteArray mHead;
    UploadBodyDevice* mBody; // a child
    QNetworkProxy mProxy;
    QAbstractSocket* mSocket = nullptr;
    QSslSocket* mTls = nullptr; // the same socket when the address is encrypted
    HttpResponseParser mAnswer;
    QTimer mIdleTimer;
    QTimer mProgressTimer;
    QByteArray mBlock;
    qint64 mOnWire = 0;   // bytes of the request written out (encrypted, on a secure connection)
    qint64 mReported = 0; // body bytes last reported sent
    bool mAnswered = false; // a success answer came before the last byte was out
    bool mEnded = false;
};
