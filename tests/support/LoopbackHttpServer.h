#pragma once
// A tiny HTTP server on 127.0.0.1 for tests: the connectivity page, map tiles. Each request's
// path goes to a handler that picks the answer; a silent answer keeps the connection open
// without a byte, like a server that hangs.

#include <QByteArray>
#include <QStringList>
#include <QTcpServer>

#include <functional>

struct HttpAnswer {
    int status = 200;
    QByteArray contentType = "text/plain";
    QByteArray body;
    bool silent = false;
};

class LoopbackHttpServer : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<HttpAnswer(const QString& path)>;

    explicit LoopbackHttpServer(Handler handler, QObject* parent = nullptr);
    bool isListening() const { return mServer.isListening(); }
    quint16 port() const { return mServer.serverPort(); }
    // "http://127.0.0.1:<port>" followed by the path.
    QString url(const QString& path) const;
    void setHandler(Handler handler) { mHandler = std::move(handler); }
    QStringList requests() const { return mRequests; }
    void clearRequests() { mRequests.clear(); }

private:
    void serve(QTcpSocket* socket);

    QTcpServer mServer;
    Handler mHandler;
    QStringList mRequests;
};
