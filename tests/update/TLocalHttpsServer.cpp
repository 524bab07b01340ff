#include "TLocalHttpsServer.h"

#include <QSslConfiguration>
#include <QSslSocket>

TLocalHttpsServer::TLocalHttpsServer(const TTestAuthority &Identity)
{
    QSslConfiguration Ssl = QSslConfiguration::defaultConfiguration();
    Ssl.setLocalCertificate(Identity.ServerCertificate);
    Ssl.setPrivateKey(Identity.ServerKey);
    Ssl.setPeerVerifyMode(QSslSocket::VerifyNone);
    FServer.setSslConfiguration(Ssl);
    FServer.setHandshakeTimeout(5000);
    connect(&FServer, &QTcpServer::pendingConnectionAvailable, this, [this] {
        while (QTcpSocket *Socket = FServer.nextPendingConnection()) {
            connect(Socket, &QTcpSocket::readyRead, this, [this, Socket] { Answer(Socket); });
            connect(Socket, &QTcpSocket::disconnected, Socket, &QObject::deleteLater);
            Answer(Socket);
        }
    });
    connect(&FServer, &QSslServer::errorOccurred, this,
        [this](QSslSocket *, QAbstractSocket::SocketError) { ++FRefused; });
}

TLocalHttpsServer::~TLocalHttpsServer()
{
    FServer.close();
}

bool TLocalHttpsServer::Start()
{
    return FServer.listen(QHostAddress::LocalHost, 0);
}

QString TLocalHttpsServer::Address() const
{
    return QStringLiteral("https://127.0.0.1:%1").arg(FServer.serverPort());
}

void TLocalHttpsServer::Answer(QTcpSocket *Socket)
{
    // Requests are small; what came before the end of the head waits on the socket.
    const QByteArray Received = Socket->property("Received").toByteArray() + Socket->readAll();
    if (!Received.contains("\r\n\r\n")) {
        Socket->setProperty("Received", Received);
        return;
    }
    Socket->setProperty("Received", QByteArray());
    const QList<QByteArray> RequestLine = Received.left(Received.indexOf("\r\n")).split(' ');
    const QString Path = RequestLine.size() >= 2 ? QString::fromLatin1(RequestLine.at(1)) : QString();
    FRequests.append(Path);
    if (FRedirects.contains(Path)) {
        Socket->write("HTTP/1.1 302 Found\r\nLocation: " + FRedirects.value(Path)
            + "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        Socket->disconnectFromHost();
        return;
    }
    const auto Found = FFiles.constFind(Path);
    const bool Known = RequestLine.value(0) == "GET" && Found != FFiles.constEnd();
    const QByteArray Body = Known ? *Found : QByteArray("not here");
    QByteArray Response = Known ? "HTTP/1.1 200 OK\r\n" : "HTTP/1.1 404 Not Found\r\n";
    Response += "Content-Type: application/octet-stream\r\nContent-Length: " + QByteArray::number(Body.size())
        + "\r\nConnection: close\r\n\r\n" + Body;
    Socket->write(Response);
    Socket->disconnectFromHost();
}
