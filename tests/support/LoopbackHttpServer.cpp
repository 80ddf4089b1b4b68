#include "LoopbackHttpServer.h"

#include "EncryptingTcpServer.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace {

constexpr qint64 kSocketBuffer = 256 * 1024;

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 302: return "Found";
    case 400: return "Bad Request";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    case 503: return "Service Unavailable";
    default: return "Status";
    }
}

} // namespace

struct LoopbackHttpServer::Connection {
    QTcpSocket* socket = nullptr;
    QByteArray buffer;
    Request request;
    bool headParsed = false;
    bool done = false;
    qint64 contentLength = 0;
};

QByteArray LoopbackHttpServer::Request::header(const QByteArray& name) const
{
    const QList<QByteArray> lines = head.split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return line.mid(colon + 1).trimmed();
    }
    return {};
}

LoopbackHttpServer::Answer LoopbackHttpServer::Answer::redirect(const QByteArray& location)
{
    Answer answer;
    answer.status = 302;
    answer.headers.append({"Location", location});
    return answer;
}

LoopbackHttpServer::Answer LoopbackHttpServer::Answer::text(const QByteArray& body, int status)
{
    Answer answer;
    answer.status = status;
    answer.body = body;
    return answer;
}

LoopbackHttpServer::LoopbackHttpServer(QObject* parent) : QObject(parent), mServer(new EncryptingTcpServer(this))
{
    connect(mServer, &QTcpServer::newConnection, this, &LoopbackHttpServer::onNewConnection);
}

LoopbackHttpServer::~LoopbackHttpServer()
{
    for (auto& [socket, connection] : mConnections)
        delete connection;
}

void LoopbackHttpServer::setEncryption(const QSslConfiguration& configuration)
{
    mServer->setConfiguration(configuration);
}

bool LoopbackHttpServer::listen()
{
    return mServer->listen(QHostAddress::LocalHost);
}

quint16 LoopbackHttpServer::port() const
{
    return mServer->serverPort();
}

QString LoopbackHttpServer::baseUrl() const
{
    return QString("%1://127.0.0.1:%2").arg(mServer->isEncrypting() ? "https" : "http").arg(port());
}

void LoopbackHttpServer::route(const QByteArray& path, Handler handler)
{
    mRoutes[path] = std::move(handler);
}

QList<LoopbackHttpServer::Request> LoopbackHttpServer::requests() const
{
    QMutexLocker lock(&mMutex);
    return mRequests;
}

int LoopbackHttpServer::requestCount() const
{
    QMutexLocker lock(&mMutex);
    return int(mRequests.size());
}

void LoopbackHttpServer::resumeReading()
{
    mStallAfter = -1;
    mStalled = false;
    std::vector<Connection*> open;
    for (auto& [socket, connection] : mConnections)
        open.push_back(connection);
    for (Connection* connection : open) {
        if (std::any_of(mConnections.begin(), mConnections.end(), [connection](const auto& entry) { return entry.second == connection; }))
            readFrom(connection);
    }
}

void LoopbackHttpServer::onNewConnection()
{
    while (QTcpSocket* socket = mServer->nextPendingConnection()) {
        socket->setReadBufferSize(kSocketBuffer);
        auto* connection = new Connection;
        connection->socket = socket;
        mConnections[socket] = connection;
        ++mOpen;
        connect(socket, &QTcpSocket::readyRead, this, [this, connection] { readFrom(connection); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            auto found = mConnections.find(socket);
            if (found != mConnections.end()) {
                delete found->second;
                mConnections.erase(found);
                --mOpen;
            }
            socket->deleteLater();
        });
    }
}

void LoopbackHttpServer::readFrom(Connection* connection)
{
    QTcpSocket* socket = connection->socket;
    while (!connection->done) {
        if (!connection->headParsed) {
            connection->buffer += socket->readAll();
            if (!parseHead(connection))
                return;
            continue;
        }
        const qint64 have = connection->request.bodyLength;
        const qint64 remaining = connection->contentLength - have;
        if (remaining > 0 && mStallAfter >= 0 && have >= mStallAfter) {
            mStalled = true;
            return;
        }
        if (remaining > 0 && mCloseAfter >= 0 && have >= mCloseAfter) {
            connection->done = true;
            socket->abort(); // may delete the connection
            return;
        }
        qint64 wanted = remaining;
        for (const qint64 limit : {mStallAfter, mCloseAfter}) {
            if (limit >= 0)
                wanted = std::min(wanted, limit - have);
        }
        QByteArray chunk = connection->buffer.isEmpty() ? socket->read(std::min<qint64>(wanted, kSocketBuffer))
                                                        : connection->buffer.left(wanted);
        if (!connection->buffer.isEmpty())
            connection->buffer.remove(0, chunk.size());
        if (chunk.isEmpty() && wanted > 0)
            return;
        connection->request.bodyLength += chunk.size();
        mBodyBytes += chunk.size();
        if (mKeepBodies)
            connection->request.body += chunk;
        if (connection->request.bodyLength >= connection->contentLength) {
            finishRequest(connection); // the answer may close and delete the connection
            return;
        }
    }
}

bool LoopbackHttpServer::parseHead(Connection* connection)
{
    const qsizetype end = connection->buffer.indexOf("\r\n\r\n");
    if (end < 0)
        return false;
    Request& request = connection->request;
    request.head = connection->buffer.left(end + 4);
    connection->buffer.remove(0, end + 4);
    const QList<QByteArray> requestLine = request.head.left(request.head.indexOf("\r\n")).split(' ');
    request.method = requestLine.value(0);
    request.target = requestLine.value(1);
    const qsizetype question = request.target.indexOf('?');
    request.path = question < 0 ? request.target : request.target.left(question);
    request.query = question < 0 ? QByteArray() : request.target.mid(question + 1);
    connection->contentLength = request.header("Content-Length").toLongLong();
    connection->headParsed = true;
    if (request.header("Expect").compare("100-continue", Qt::CaseInsensitive) == 0)
        connection->socket->write("HTTP/1.1 100 Continue\r\n\r\n");
    return true;
}

void LoopbackHttpServer::finishRequest(Connection* connection)
{
    connection->done = true;
    {
        QMutexLocker lock(&mMutex);
        mRequests.append(connection->request);
    }
    auto route = mRoutes.find(connection->request.path);
    const Answer reply = route != mRoutes.end() ? route->second(connection->request)
                         : mFallback                ? mFallback(connection->request)
                                                    : Answer::text("not found", 404);
    emit requestReceived();
    QTcpSocket* socket = connection->socket;
    if (reply.delayMs > 0)
        QTimer::singleShot(reply.delayMs, socket, [this, socket, reply] { answer(socket, reply); });
    else
        answer(socket, reply);
}

void LoopbackHttpServer::answer(QTcpSocket* socket, const Answer& reply)
{
    if (reply.action == Answer::NeverAnswer)
        return;
    if (reply.action == Answer::Close) {
        socket->abort();
        return;
    }
    QByteArray out = "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + reasonPhrase(reply.status) + "\r\n";
    out += "Content-Type: " + reply.contentType + "\r\n";
    out += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
    for (const auto& [name, value] : reply.headers)
        out += name + ": " + value + "\r\n";
    out += "Connection: close\r\n\r\n" + reply.body;
    socket->write(out);
    socket->disconnectFromHost();
}
