#include "SelfSignedIdentity.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

SelfSignedIdentity::SelfSignedIdentity()
{
    QTemporaryDir dir;
    const QString certificatePath = dir.filePath("certificate.pem");
    const QString keyPath = dir.filePath("key.pem");
    QProcess openssl;
    openssl.setProcessChannelMode(QProcess::MergedChannels);
    // An elliptic-curve key: made at once, where an RSA key takes a noticeable moment.
    openssl.start("openssl", {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                              "-nodes", "-days", "1", "-subj", "/CN=127.0.0.1", "-addext",
                              "subjectAltName=IP:127.0.0.1", "-keyout", keyPath, "-out", certificatePath});
    if (!openssl.waitForFinished(30000) || openssl.exitStatus() != QProcess::NormalExit || openssl.exitCode() != 0) {
        mError = "openssl: " + openssl.errorString() + ' ' + QString::fromLocal8Bit(openssl.readAll());
        return;
    }
    mCertificate = QSslCertificate(readAll(certificatePath), QSsl::Pem);
    mKey = QSslKey(readAll(keyPath), QSsl::Ec, QSsl::Pem);
    if (!isValid())
        mError = "openssl wrote a certificate or key Qt cannot read";
}

QSslConfiguration SelfSignedIdentity::serverConfiguration() const
{
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificate(mCertificate);
    configuration.setPrivateKey(mKey);
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    return configuration;
}

QSslConfiguration SelfSignedIdentity::trustedBy(QSslConfiguration client) const
{
    client.addCaCertificate(mCertificate);
    return client;
}
