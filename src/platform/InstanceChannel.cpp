#include "InstanceChannel.h"

#include "util/Log.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace {

constexpr int kConnectTimeoutMs = 500;
// The request is the folder to open as UTF-8, possibly empty, then, when a recording is to be
// played, a NUL (which no path holds) and the recording; the connection's end ends it. An
// older program reading a request without the NUL sees only its folder.
constexpr char kSeparator = '\0';

} // namespace

InstanceChannel::InstanceChannel(const QString& name, QObject* parent)
    : QObject(parent), mName(name)
{
}

bool InstanceChannel::askRunningInstanceToReopen(const QString& folder, const QString& recording)
{
    QLocalSocket socket;
    socket.connectToServer(mName);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    QByteArray request = folder.toUtf8();
    if (!recording.isEmpty())
        request += kSeparator + recording.toUtf8();
    socket.write(request);
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
                const QByteArray request = socket->readAll();
                const qsizetype separator = request.indexOf(kSeparator);
                if (separator < 0)
                    emit reopenRequested(QString::fromUtf8(request), QString());
                else
                    emit reopenRequested(QString::fromUtf8(request.first(separator)),
                                         QString::fromUtf8(request.sliced(separator + 1)));
                socket->deleteLater();
            });
        }
    });
    return true;
}
