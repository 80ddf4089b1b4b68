#pragma once
// A certificate for 127.0.0.1 and its key, made by the openssl tool when the test runs, so
// no secret lives in the sources. The certificate is its own authority: a client trusts the
// loopback host by adding it to its CA certificates.

#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QString>

class SelfSignedIdentity {
public:
    SelfSignedIdentity(); // isValid() tells whether the tool made one
    bool isValid() const { return !mCertificate.isNull() && !mKey.isNull(); }
    const QString& error() const { return mError; }

    const QSslCertificate& certificate() const { return mCertificate; }
    // What a loopback host presents.
    QSslConfiguration serverConfiguration() const;
    // The given client configuration, trusting this certificate besides its own authorities.
    QSslConfiguration trustedBy(QSslConfiguration client) const;

private:
    QSslCertificate mCertificate;
    QSslKey mKey;
    QString mError;
};
