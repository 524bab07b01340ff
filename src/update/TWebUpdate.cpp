#include "TWebUpdate.h"

#include "AppInfo.h"
#include "EDownloadException.h"
#include "MakerAddresses.h"
#include "MsgBox.h"
#include "ShellRules.h"
#include "TAppGlobals.h"
#include "TUserInteraction.h"
#include "TVersionFile.h"

#include <QCryptographicHash>
#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProcess>
#include <QSaveFile>
#include <QSslConfiguration>

namespace {

QString TestServer;
std::optional<QList<QSslCertificate>> TestAuthorities;
std::optional<bool> TestConnected;
std::function<void(const QString &)> TestStart;

// A server that stops sending for this long has failed.
constexpr int TransferTimeoutMs = 30000;

QString Server()
{
    return TestServer.isEmpty() ? UpdateServer() : TestServer;
}

QUrl ServerFile(const QString &Name)
{
    return QUrl(Server() + QStringLiteral("/public/") + Name);
}

QNetworkRequest SecureRequest(const QUrl &URL)
{
    QNetworkRequest Request(URL);
    Request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    Request.setTransferTimeout(TransferTimeoutMs);
    QSslConfiguration Ssl = QSslConfiguration::defaultConfiguration();
    Ssl.setPeerVerifyMode(QSslSocket::VerifyPeer);
    if (TestAuthorities)
        Ssl.setCaCertificates(*TestAuthorities);
    Request.setSslConfiguration(Ssl);
    return Request;
}

// Downloads URL into LocalFile; with Sha256 (lower-case hexadecimal) the file
// is kept only when what arrived has that digest.
bool Fetch(const QUrl &URL, const QString &LocalFile, const QByteArray &Sha256)
{
    if (!URL.isValid() || URL.scheme() != QLatin1String("https"))
        return false;
    QSaveFile File(LocalFile);
    if (!File.open(QIODevice::WriteOnly))
        return false;
    QNetworkAccessManager Manager;
    QNetworkReply *Reply = Manager.get(SecureRequest(URL));
    QCryptographicHash Digest(QCryptographicHash::Sha256);
    bool Written = true;
    const auto Take = [&] {
        const QByteArray Chunk = Reply->readAll();
        Digest.addData(Chunk);
        Written = Written && File.write(Chunk) == Chunk.size();
    };
    QObject::connect(Reply, &QNetworkReply::readyRead, Take);
    QEventLoop Loop;
    QObject::connect(Reply, &QNetworkReply::finished, &Loop, &QEventLoop::quit);
    // The wait window paints, but no command can start while this one waits.
    if (!Reply->isFinished())
        Loop.exec(QEventLoop::ExcludeUserInputEvents);
    Take();
    const bool Arrived = Reply->error() == QNetworkReply::NoError && Written;
    if (!Arrived || (!Sha256.isEmpty() && Digest.result().toHex() != Sha256)) {
        File.cancelWriting();
        return false;
    }
    return File.commit();
}

// Shows the wait cursor and window around Step, taking both down also when
// Step raises.
bool WhileWaiting(const QString &Text, bool (*Step)())
{
    TUserInteraction &Person = TUserInteraction::Current();
    Person.BeginWaitCursor();
    Person.ShowWaitMessage(AppTitle(), Text);
    struct TTakeDown {
        TUserInteraction &Person;
        ~TTakeDown()
        {
            Person.EndWaitCursor();
            Person.HideWaitMessage();
        }
    } TakeDown { Person };
    return Step();
}

void StartProgram(const QString &Program)
{
    if (TestStart) {
        TestStart(Program);
        return;
    }
    QProcess::startDetached(Program, {});
}

} // namespace

bool TWebUpdate::IsInternetConnected()
{
    if (TestConnected)
        return *TestConnected;
    if (!QNetworkInformation::instance()
        && !QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability))
        return true;
    const QNetworkInformation::Reachability State = QNetworkInformation::instance()->reachability();
    return State == QNetworkInformation::Reachability::Online
        || State == QNetworkInformation::Reachability::Unknown;
}

bool TWebUpdate::DownloadFile(const QUrl &URL, const QString &LocalFile)
{
    try {
        return Fetch(URL, LocalFile, {});
    } catch (...) {
        return false;
    }
}

bool TWebUpdate::CheckForUpdate()
{
    // Both downloads are kept beside the program. A folder that cannot take
    // them (an installed, read-only one) says so, rather than blaming the
    // server.
    {
        QSaveFile Probe(VersionFilePath());
        if (!Probe.open(QIODevice::WriteOnly))
            throw EDownloadException(QStringLiteral("Unable to download update: %1 cannot be written (%2).")
                                         .arg(TAppGlobals::Instance().ProgramDir, Probe.errorString()));
        Probe.cancelWriting();
    }
    if (!DownloadFile(ServerFile(QStringLiteral("update.txt")), VersionFilePath()))
        throw EDownloadException(QStringLiteral("Unable to contact server."));
    const double Current = VersionText().toDouble();
    const TVersionFile Offer = TVersionFile::Read(VersionFilePath());
    // Without a digest there is nothing to check the download against.
    return Current < Offer.Version(Current) && !Offer.Sha256().isEmpty();
}

bool TWebUpdate::DownloadUpdate()
{
    const QByteArray Sha256 = TVersionFile::Read(VersionFilePath()).Sha256();
    bool Done = false;
    try {
        Done = !Sha256.isEmpty() && Fetch(ServerFile(UpdateSetupProgramName()), SetupProgramPath(), Sha256);
    } catch (...) {
        Done = false;
    }
    if (!Done) {
        QFile::remove(SetupProgramPath());
        throw EDownloadException(QStringLiteral("Unable to download update."));
    }
    QFile::setPermissions(SetupProgramPath(), QFile::permissions(SetupProgramPath()) | QFile::ExeOwner);
    return true;
}

bool TWebUpdate::Run()
{
    const QString Title = AppTitle();
    if (!IsInternetConnected()
        && MsgBox(QStringLiteral("An internet connection was not detected. Proceed anyway?"), Title,
               MsgFlag::OkCancel | MsgFlag::IconQuestion)
            != MsgResult::Ok)
        return false;
    if (!WhileWaiting(QStringLiteral("Contacting Server... Please Wait"), &CheckForUpdate)) {
        MsgBox(QStringLiteral("Your current version is up-to-date."), Title, MsgFlag::IconInformation);
        return false;
    }
    if (MsgBox(QStringLiteral("There is an update available.~Would you like to download and install it?"),
            Title, MsgFlag::OkCancel | MsgFlag::IconQuestion)
        != MsgResult::Ok)
        return false;
    WhileWaiting(QStringLiteral("Downloading Update... Please Wait"), &DownloadUpdate);
    MsgBox(QStringLiteral("The program must shut down in order to install the update."), Title, MsgFlag::Ok);
    StartProgram(SetupProgramPath());
    return true;
}

QString TWebUpdate::VersionFilePath()
{
    return TAppGlobals::Instance().ProgramDir + UpdateVersionFileName();
}

QString TWebUpdate::SetupProgramPath()
{
    return TAppGlobals::Instance().ProgramDir + UpdateSetupProgramName();
}

void TWebUpdate::SetServerForTest(const QString &Server)
{
    TestServer = Server;
}

void TWebUpdate::SetAuthoritiesForTest(const QList<QSslCertificate> &Authorities)
{
    if (Authorities.isEmpty())
        TestAuthorities.reset();
    else
        TestAuthorities = Authorities;
}

void TWebUpdate::SetInternetConnectedForTest(std::optional<bool> Connected)
{
    TestConnected = Connected;
}

void TWebUpdate::SetStartProgramForTest(std::function<void(const QString &)> Start)
{
    TestStart = std::move(Start);
}
