#include "TTestAuthority.h"

#include <QFile>
#include <QProcess>

namespace {

bool RunOpenssl(const QStringList &Arguments, const QString &Folder, QString &Error)
{
    QProcess Openssl;
    Openssl.setWorkingDirectory(Folder);
    Openssl.start(QStringLiteral("openssl"), Arguments);
    if (!Openssl.waitForFinished(30000) || Openssl.exitStatus() != QProcess::NormalExit
        || Openssl.exitCode() != 0) {
        Error = QStringLiteral("openssl %1: %2 %3")
                    .arg(Arguments.join(QLatin1Char(' ')), Openssl.errorString(),
                        QString::fromLocal8Bit(Openssl.readAllStandardError()));
        return false;
    }
    return true;
}

QByteArray ReadAll(const QString &Path)
{
    QFile File(Path);
    return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
}

} // namespace

bool TTestAuthority::Make(const QString &Folder, const QString &Name, QString &Error)
{
    const QString Ca = Name + QStringLiteral("-ca");
    const QString Server = Name + QStringLiteral("-server");
    const QString Extensions = Folder + QLatin1Char('/') + Server + QStringLiteral(".ext");
    QFile Ext(Extensions);
    if (!Ext.open(QIODevice::WriteOnly)
        || Ext.write("basicConstraints=critical,CA:FALSE\nkeyUsage=critical,digitalSignature\n"
                     "extendedKeyUsage=serverAuth\nsubjectAltName=IP:127.0.0.1\n")
            < 0) {
        Error = QStringLiteral("cannot write ") + Extensions;
        return false;
    }
    Ext.close();
    const QStringList EcKey = { QStringLiteral("-newkey"), QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
        QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes") };
    if (!RunOpenssl(QStringList { QStringLiteral("req"), QStringLiteral("-x509") } + EcKey
                + QStringList { QStringLiteral("-keyout"), Ca + QStringLiteral(".key"),
                    QStringLiteral("-out"), Ca + QStringLiteral(".crt"), QStringLiteral("-days"),
                    QStringLiteral("2"), QStringLiteral("-subj"),
                    QStringLiteral("/CN=") + Name + QStringLiteral(" Test Authority"),
                    QStringLiteral("-addext"), QStringLiteral("basicConstraints=critical,CA:TRUE"),
                    QStringLiteral("-addext"), QStringLiteral("keyUsage=critical,keyCertSign,cRLSign") },
            Folder, Error)
        || !RunOpenssl(QStringList { QStringLiteral("req") } + EcKey
                + QStringList { QStringLiteral("-keyout"), Server + QStringLiteral(".key"),
                    QStringLiteral("-out"), Server + QStringLiteral(".csr"), QStringLiteral("-subj"),
                    QStringLiteral("/CN=127.0.0.1") },
            Folder, Error)
        || !RunOpenssl(
            { QStringLiteral("x509"), QStringLiteral("-req"), QStringLiteral("-in"),
                Server + QStringLiteral(".csr"), QStringLiteral("-CA"), Ca + QStringLiteral(".crt"),
                QStringLiteral("-CAkey"), Ca + QStringLiteral(".key"), QStringLiteral("-CAcreateserial"),
                QStringLiteral("-out"), Server + QStringLiteral(".crt"), QStringLiteral("-days"),
                QStringLiteral("2"), QStringLiteral("-extfile"), Extensions },
            Folder, Error))
        return false;
    const QString Base = Folder + QLatin1Char('/');
    Authority = QSslCertificate(ReadAll(Base + Ca + QStringLiteral(".crt")));
    ServerCertificate = QSslCertificate(ReadAll(Base + Server + QStringLiteral(".crt")));
    ServerKey = QSslKey(ReadAll(Base + Server + QStringLiteral(".key")), QSsl::Ec);
    if (Authority.isNull() || ServerCertificate.isNull() || ServerKey.isNull()) {
        Error = QStringLiteral("the certificates of ") + Name + QStringLiteral(" did not load");
        return false;
    }
    return true;
}
