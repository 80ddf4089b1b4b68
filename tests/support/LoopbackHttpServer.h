#pragma once
// A small HTTP/1.1 server on 127.0.0.1 for tests and benchmarks: routes by path, keeps every
// request byte for byte, and misbehaves on request (never answers, answers late, closes the
// connection or stops reading part-way through a body). One request per connection; every
// answer closes it. Counters may be read from another thread while the server runs on its own.
// Speaks https instead when given a certificate.

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QPair>
#include <QSslConfiguration>
#include <QString>

#include <atomic>
#include <functional>
#include <map>

class EncryptingTcpServer;
class QTcpSocket;

class LoopbackHttpServer : public QObject {
    Q_OBJECT
public:
    struct Request {
        QByteArray method;
        QByteArray target; // path and query as sent
        QByteArray path;
        QByteArray query;  // without "?"
        QByteArray head;   // request line and header lines, up to and with the empty line
        QByteArray body;   // empty when bodies are not kept
        qint64 bodyLength = 0;
        QByteArray header(const QByteArray& name) const; // first value, case-insensitive name
        QByteArray raw() const { return head + body; }
    };

    struct Answer {
        enum Action { Respond, NeverAnswer, Close };
        Action action = Respond;
        int status = 200;
        QByteArray body;
        QByteArray contentType = "text/html; charset=utf-8";
        QList<QPair<QByteArray, QByteArray>> headers;
        int delayMs = 0;
        static Answer redirect(const QByteArray& location);
        static Answer text(const QByteArray& body, int status = 200);
    };
    using Handler = std::function<Answer(const Request&)>;

    explicit LoopbackHttpServer(QObject* parent = nullptr);
    ~LoopbackHttpServer() override;

    // Connections are encrypted with the configuration's certificate and key; set before listen().
    void setEncryption(const QSslConfiguration& configuration);
    bool listen();
    quint16 port() const;
    QString baseUrl() const; // "http://127.0.0.1:PORT", or https when encrypted

    // Requests for an unknown path go to the fallback, which answers 404 unless set.
    void route(const QByteArray& path, Handler handler);
    void setFallback(Handler handler) { mFallback = std::move(handler); }
    // Bodies are counted but not kept when false (for big uploads).
    void setKeepBodies(bool keep) { mKeepBodies = keep; }
    // Reading stops once a request's body reached this many bytes, until resumeReading().
    void setStallAfterBodyBytes(qint64 bytes) { mStallAfter = bytes; }
    void resumeReading();
    // The connection is closed without an answer once a body reached this many bytes.
    void setCloseAfterBodyBytes(qint64 bytes) { mCloseAfter = bytes; }

    QList<Request> requests() const;
    int requestCount() const;
    qint64 bodyBytesReceived() const { return mBodyBytes.load(); } // of all requests
    bool isStalled() const { return mStalled.load(); }
    int openConnections() const { return mOpen.load(); }

signals:
    void requestReceived();

private:
    struct Connection;
    void onNewConnection();
    void readFrom(Connection* connection);
    bool parseHead(Connection* connection);
    void finishRequest(Connection* connection);
    void answer(QTcpSocket* socket, const Answer& answer);

    EncryptingTcpServer* mServer;
    std::map<QByteArray, Handler> mRoutes;
    Handler mFallback;
    std::map<QTcpSocket*, Connection*> mConnections;
    mutable QMutex mMutex;
    QList<Request> mRequests;
    bool mKeepBodies = true;
    qint64 mStallAfter = -1;
    qint64 mCloseAfter = -1;
    std::atomic<qint64> mBodyBytes{0};
    std::atomic<bool> mStalled{false};
    std::atomic<int> mOpen{0};
};
