#pragma once

#include "TTestAuthority.h"

#include <QByteArray>
#include <QMap>
#include <QSslServer>
#include <QStringList>

// A small HTTPS server on 127.0.0.1 inside the test process: it answers GET
// requests for the files it was given and 404 for any other path. It serves
// from the event loop of the thread it lives in, so it answers while the
// code under test waits for its download.
class TLocalHttpsServer : public QObject {
    Q_OBJECT
public:
    explicit TLocalHttpsServer(const TTestAuthority &Identity);
    ~TLocalHttpsServer() override;

    bool Start();
    // https://127.0.0.1:port
    QString Address() const;
    void Serve(const QString &Path, const QByteArray &Body) { FFiles.insert(Path, Body); }
    // Answers Path with "302 Found" and Location.
    void Redirect(const QString &Path, const QByteArray &Location) { FRedirects.insert(Path, Location); }
    // Paths asked for, in order, by clients that completed the TLS handshake.
    const QStringList &Requests() const { return FRequests; }
    int RefusedHandshakes() const { return FRefused; }

private:
    void Answer(QTcpSocket *Socket);

    QSslServer FServer;
    QMap<QString, QByteArray> FFiles;
    QMap<QString, QByteArray> FRedirects;
    QStringList FRequests;
    int FRefused = 0;
};
