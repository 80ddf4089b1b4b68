#include "LoopbackHttpServer.h"

#include <QTcpSocket>

LoopbackHttpServer::LoopbackHttpServer(Handler handler, QObject* parent) : QObject(parent), mHandler(std::move(handler))
{
    mServer.listen(QHostAddress::LocalHost);
    connect(&mServer, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = mServer.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

QString LoopbackHttpServer::url(const QString& path) const
{
    return QString("http://127.0.0.1:%1%2").arg(port()).arg(path);
}

void LoopbackHttpServer::serve(QTcpSocket* socket)
{
    // Requests here are small GETs: the request line and headers arrive together.
    QByteArray request = socket->property("pending").toByteArray() + socket->readAll();
    if (!request.contains("\r\n\r\n")) {
        socket->setProperty("pending", request);
        return;
    }
    socket->setProperty("pending", QByteArray());
    const QList<QByteArray> requestLine = request.left(request.indexOf("\r\n")).split(' ');
    const QString path = requestLine.size() > 1 ? QString::fromUtf8(requestLine[1]) : QString("/");
    mRequests.append(path);
    const HttpAnswer answer = mHandler(path);
    if (answer.silent)
        return;
    QByteArray reply = "HTTP/1.1 " + QByteArray::number(answer.status) + (answer.status < 400 ? " OK" : " Error");
    reply += "\r\nContent-Type: " + answer.contentType;
    reply += "\r\nContent-Length: " + QByteArray::number(answer.body.size());
    reply += "\r\nAccess-Control-Allow-Origin: *\r\nConnection: close\r\n\r\n" + answer.body;
    socket->write(reply);
    socket->disconnectFromHost();
}
