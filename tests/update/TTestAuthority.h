#pragma once

#include <QSslCertificate>
#include <QSslKey>
#include <QString>

// A certificate authority of the test's own and a server certificate for
// 127.0.0.1 signed by it, made with the openssl command in Folder.
class TTestAuthority {
public:
    // False (with the reason in Error) when openssl is missing or fails.
    bool Make(const QString &Folder, const QString &Name, QString &Error);

    QSslCertificate Authority;
    QSslCertificate ServerCertificate;
    QSslKey ServerKey;
};
