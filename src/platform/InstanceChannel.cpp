#include "InstanceChannel.h"

#include "util/Log.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace {

constexpr int kConnectTimeoutMs = 500;
// The request is the folder to open as UTF-8, possibly empty; the connection's end ends it.

} // namespace

InstanceChannel::InstanceChannel(const QString& name, QObject* parent)
    : QObject(parent), mName(name)
{
}

bool InstanceChannel::askRunningInstanceToReopen(const QString& folder)
{
    QLocalSocket socket;
    socket.connectToServer(mName);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    socket.write(folder.toUtf8());
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool InstanceChannel::listen()
{
    mServer = new QLocalServer(this);
    mServer->setSocketOptions(QLocalServer::UserAccessOption);
    // A channel left behind by a program that crashed would refuse the name.
    QLocalServer::removeServer(mName);
    if (!mServer->listen(mName)) {
        pmWriteLog("InstanceChannel - cannot listen: " + mServer->errorString().toStdString());
        return false;
    }
    connect(mServer, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = mServer->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
                emit reopenRequested(QString::fromUtf8(socket->readAll()));
                socket->deleteLater();
            });
        }
    });
    return true;
}
