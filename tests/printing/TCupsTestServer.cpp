#include "TCupsTestServer.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QUrl>

#include <pwd.h>
#include <unistd.h>

namespace {

const QStringList SystemFolders = { QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"),
    QStringLiteral("/sbin"), QStringLiteral("/bin") };

QString Find(const QString &Name)
{
    const QString Found = QStandardPaths::findExecutable(Name);
    return Found.isEmpty() ? QStandardPaths::findExecutable(Name, SystemFolders) : Found;
}

bool WriteText(const QString &Path, const QString &Text)
{
    QFile File(Path);
    return File.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && File.write(Text.toUtf8()) == Text.toUtf8().size();
}

const char *CupsPdfPpd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";
const char *DuplexPpd = "/usr/share/ppd/cupsfilters/pxlmono.ppd";

} // namespace

TCupsTestServer::TCupsTestServer(int MaxCopies)
    : FMaxCopies(MaxCopies)
{
}

TCupsTestServer::~TCupsTestServer()
{
    Stop();
}

QString TCupsTestServer::Socket() const
{
    return FRoot ? FRoot->filePath(QStringLiteral("cups.sock")) : QString();
}

QString TCupsTestServer::QueuePpd(const QString &Queue) const
{
    return FRoot ? FRoot->filePath(QStringLiteral("ppd/%1.ppd").arg(Queue)) : QString();
}

QString TCupsTestServer::PrinterAttributes(const QString &Queue) const
{
    const QString Uri = QStringLiteral("ipp://%1/printers/%2")
                            .arg(QString::fromLatin1(QUrl::toPercentEncoding(Socket())), Queue);
    QString Why;
    return Tool(QStringLiteral("ipptool"),
        { QStringLiteral("-tv"), Uri, QStringLiteral("get-printer-attributes.test") }, &Why)
        .value_or(Why);
}

QString TCupsTestServer::WaitingJobs(const QString &Queue) const
{
    if (!FRoot)
        return {};
    const QString Test = FRoot->filePath(QStringLiteral("jobs.test"));
    if (!WriteText(Test,
            QStringLiteral("{\n NAME \"jobs\"\n OPERATION Get-Jobs\n GROUP operation-attributes-tag\n"
                           " ATTR charset attributes-charset utf-8\n"
                           " ATTR naturalLanguage attributes-natural-language en\n"
                           " ATTR uri printer-uri $uri\n ATTR keyword which-jobs not-completed\n"
                           " ATTR keyword requested-attributes "
                           "job-name,sides,media,media-source,copies,multiple-document-handling,Collate\n"
                           " STATUS successful-ok\n}\n")))
        return {};
    const QString Uri = QStringLiteral("ipp://%1/printers/%2")
                            .arg(QString::fromLatin1(QUrl::toPercentEncoding(Socket())), Queue);
    QString Why;
    return Tool(QStringLiteral("ipptool"), { QStringLiteral("-tv"), Uri, Test }, &Why).value_or(Why);
}

QString TCupsTestServer::PdfOutputFolder()
{
    // cups-pdf writes to the home folder the password database gives the
    // job's user ("Out ${HOME}/PDF"), not to the test's own HOME.
    const passwd *User = getpwuid(geteuid());
    return QString::fromLocal8Bit(User ? User->pw_dir : "/root") + QStringLiteral("/PDF");
}

bool TCupsTestServer::Start(QString &Why)
{
    if (geteuid() != 0) {
        Why = QStringLiteral("the printing test runs its own CUPS server and cups-pdf, which need root");
        return false;
    }
    const QString Daemon = Find(QStringLiteral("cupsd"));
    if (Daemon.isEmpty() || Find(QStringLiteral("lpadmin")).isEmpty()
        || Find(QStringLiteral("ipptool")).isEmpty()
        || !QFile::exists(QStringLiteral("/usr/lib/cups/backend/cups-pdf"))
        || !QFile::exists(QLatin1String(CupsPdfPpd)) || !QFile::exists(QLatin1String(DuplexPpd))) {
        Why = QStringLiteral(
            "CUPS, ipptool or cups-pdf is not installed; 'bash tools/setup.sh test' installs cups, "
            "cups-ipp-utils and printer-driver-cups-pdf");
        return false;
    }
    // Sockets take paths of at most 107 bytes, so the folder stays short.
    FRoot = std::make_unique<QTemporaryDir>(QStringLiteral("/tmp/qmrk-cups-XXXXXX"));
    if (!FRoot->isValid()) {
        Why = QStringLiteral("no folder for the CUPS server");
        return false;
    }
    // Filters run as the user lp and must reach the spooled files.
    QFile::setPermissions(FRoot->path(),
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
            | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther);
    const QDir Root(FRoot->path());
    for (const char *Sub : { "spool", "spool/tmp", "cache", "state", "log", "ppd" })
        Root.mkpath(QLatin1String(Sub));
    const QString Files
        = QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/spool/tmp\nCacheDir %1/cache\n"
                         "StateDir %1/state\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                         "PageLog %1/log/page_log\nSystemGroup root\nFileDevice Yes\n")
              .arg(FRoot->path());
    const QString Daemonconf
        = QStringLiteral("LogLevel info\nListen %1\nBrowsing No\nWebInterface No\nMaxCopies %2\n"
                         "DefaultAuthType None\nMaxJobs 0\nPreserveJobHistory Yes\n"
                         "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                         "<Policy default>\n  JobPrivateAccess all\n  JobPrivateValues none\n"
                         "  <Limit All>\n    Order deny,allow\n  </Limit>\n"
                         "</Policy>\n")
              .arg(Socket())
              .arg(FMaxCopies);
    if (!WriteText(Root.filePath(QStringLiteral("cups-files.conf")), Files)
        || !WriteText(Root.filePath(QStringLiteral("cupsd.conf")), Daemonconf)) {
        Why = QStringLiteral("the CUPS configuration could not be written");
        return false;
    }
    FDaemon.setProcessChannelMode(QProcess::MergedChannels);
    FDaemon.start(Daemon,
        { QStringLiteral("-f"), QStringLiteral("-c"), Root.filePath(QStringLiteral("cupsd.conf")),
            QStringLiteral("-s"), Root.filePath(QStringLiteral("cups-files.conf")) });
    if (!FDaemon.waitForStarted(10000)) {
        Why = QStringLiteral("cupsd did not start: %1").arg(FDaemon.errorString());
        return false;
    }
    qputenv("CUPS_SERVER", Socket().toLocal8Bit());
    return true;
}

std::optional<QString> TCupsTestServer::Tool(const QString &Name, const QStringList &Args, QString *Why) const
{
    QProcess Process;
    QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
    Environment.insert(QStringLiteral("CUPS_SERVER"), Socket());
    Process.setProcessEnvironment(Environment);
    Process.start(Find(Name), Args);
    if (!Process.waitForFinished(20000) || Process.exitStatus() != QProcess::NormalExit
        || Process.exitCode() != 0) {
        if (Process.state() != QProcess::NotRunning) {
            Process.kill();
            Process.waitForFinished(5000);
        }
        if (Why)
            *Why = QStringLiteral("%1 %2 failed: %3")
                       .arg(Name, Args.join(u' '), QString::fromLocal8Bit(Process.readAllStandardError()));
        return std::nullopt;
    }
    return QString::fromLocal8Bit(Process.readAllStandardOutput());
}

bool TCupsTestServer::Ready() const
{
    return FDaemon.state() == QProcess::Running
        && Tool(QStringLiteral("lpstat"), { QStringLiteral("-r") })
               .value_or(QString())
               .contains(QLatin1String("scheduler is running"));
}

bool TCupsTestServer::AddQueues(QString &Why) const
{
    return Tool(QStringLiteral("lpadmin"),
               { QStringLiteral("-p"), QStringLiteral("PDF"), QStringLiteral("-v"),
                   QStringLiteral("cups-pdf:/"), QStringLiteral("-P"), QLatin1String(CupsPdfPpd),
                   QStringLiteral("-o"), QStringLiteral("printer-is-shared=no"), QStringLiteral("-o"),
                   QStringLiteral("PageSize=Letter"), QStringLiteral("-E") },
               &Why)
               .has_value()
        && Tool(QStringLiteral("lpadmin"),
            { QStringLiteral("-p"), QStringLiteral("Office"), QStringLiteral("-v"),
                QStringLiteral("file:/dev/null"), QStringLiteral("-P"), QLatin1String(DuplexPpd),
                QStringLiteral("-o"), QStringLiteral("OptionDuplex=True"), QStringLiteral("-E") },
            &Why)
               .has_value()
        && Tool(QStringLiteral("cupsdisable"), { QStringLiteral("Office") }, &Why).has_value();
}

void TCupsTestServer::Stop()
{
    if (FDaemon.state() != QProcess::NotRunning) {
        FDaemon.terminate();
        if (!FDaemon.waitForFinished(10000)) {
            FDaemon.kill();
            FDaemon.waitForFinished(5000);
        }
    }
    FRoot.reset();
}
