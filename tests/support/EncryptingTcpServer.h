#pragma once
// A TCP server whose accepted connections are server-side TLS sockets, the handshake already
// started: a drop-in for QTcpServer where a test needs an https host (Qt 6.4 has no
// QSslServer). Without a configuration it accepts plain sockets like QTcpServer.

#include <QSslConfiguration>
#include <QTcpServer>

class EncryptingTcpServer : public QTcpServer {
    Q_OBJECT
public:
    explicit EncryptingTcpServer(QObject* parent = nullptr) : QTcpServer(parent) {}

    // Certificate and private key the connections present; set before listening.
    void setConfiguration(const QSslConfiguration& configuration) { mConfiguration = configuration; }
    bool isEncrypting() const { return !mConfiguration.isNull(); }

protected:
    void incomingConnection(qintptr handle) override;

private:
    QSslConfiguration mConfiguration;
};
