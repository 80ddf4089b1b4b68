#include "EncryptingTcpServer.h"

#include <QSslSocket>

void EncryptingTcpServer::incomingConnection(qintptr handle)
{
    if (!isEncrypting()) {
        QTcpServer::incomingConnection(handle);
        return;
    }
    auto* socket = new QSslSocket(this);
    if (!socket->setSocketDescriptor(handle)) {
        delete socket;
        return;
    }
    socket->setSslConfiguration(mConfiguration);
    // Readers only see decrypted bytes, so the connection can be handed out before the handshake ends.
    socket->startServerEncryption();
    addPendingConnection(socket);
}
