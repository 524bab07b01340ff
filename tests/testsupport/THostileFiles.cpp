#include "THostileFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace THostileFiles {

void AddCompanyFileRows()
{
    const qint64 Huge = qint64(64) << 30;
    QTest::newRow("employees: named pipe")
        << QStringLiteral("Acme.W225") << QStringLiteral("fifo") << qint64(0) << qint64(0);
    QTest::newRow("employees: endless device")
        << QStringLiteral("Acme.W225") << QStringLiteral("zero") << qint64(0) << qint64(0);
    QTest::newRow("employees: one byte over")
        << QStringLiteral("Acme.W225") << QStringLiteral("oversized") << qint64(4800481) << qint64(4800480);
    QTest::newRow("employees: sparse 64 GiB")
        << QStringLiteral("Acme.W225") << QStringLiteral("oversized") << Huge << qint64(4800480);
    QTest::newRow("employer: named pipe")
        << QStringLiteral("Acme.W325") << QStringLiteral("fifo") << qint64(0) << qint64(0);
    QTest::newRow("employer: endless device")
        << QStringLiteral("Acme.W325") << QStringLiteral("zero") << qint64(0) << qint64(0);
    QTest::newRow("employer: one byte over")
        << QStringLiteral("Acme.W325") << QStringLiteral("oversized") << qint64(608609) << qint64(608608);
}

void Make(const QString &Path, const QString &Kind, qint64 Size)
{
    QFile::remove(Path);
    const QByteArray Name = QFile::encodeName(Path);
    bool Made = false;
    if (Kind == QLatin1String("fifo")) {
        Made = ::mkfifo(Name.constData(), 0644) == 0;
    } else if (Kind == QLatin1String("zero") || Kind == QLatin1String("null")) {
        Made = QFile::link(QStringLiteral("/dev/") + Kind, Path);
    } else if (Kind == QLatin1String("folder")) {
        Made = QDir().mkdir(Path);
    } else if (Kind == QLatin1String("oversized")) {
        const int Fd = ::open(Name.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        Made = Fd >= 0 && ::ftruncate(Fd, off_t(Size)) == 0;
        if (Fd >= 0)
            ::close(Fd);
    }
    if (!Made)
        qFatal("cannot make the %s %s", qPrintable(Kind), qPrintable(Path));
}

QString Problem(const QString &Kind, qint64 Size, qint64 MaxSize)
{
    if (Kind == QLatin1String("fifo"))
        return QStringLiteral(" is not a regular file (it is a named pipe)");
    if (Kind == QLatin1String("zero") || Kind == QLatin1String("null"))
        return QStringLiteral(" is not a regular file (it is a character device)");
    if (Kind == QLatin1String("folder"))
        return QStringLiteral(" is not a regular file (it is a folder)");
    return QStringLiteral(" is too large (%1 bytes; at most %2)").arg(Size).arg(MaxSize);
}

TCliRun RunCli(const QString &Program, const QStringList &Args, int TimeoutMs)
{
    TCliRun Run;
    QProcess Cli;
    Cli.start(Program, Args);
    if (!Cli.waitForStarted())
        return Run;
    Run.Finished = Cli.waitForFinished(TimeoutMs);
    if (!Run.Finished) {
        Cli.kill();
        Cli.waitForFinished();
    }
    Run.Code = Cli.exitStatus() == QProcess::NormalExit ? Cli.exitCode() : -1;
    Run.Out = Cli.readAllStandardOutput();
    Run.Err = Cli.readAllStandardError();
    return Run;
}

} // namespace THostileFiles

TFifoReleaser::TFifoReleaser(const QString &Path)
    : FPath(QFile::encodeName(Path))
{
    struct stat Info;
    if (::lstat(FPath.constData(), &Info) != 0 || !S_ISFIFO(Info.st_mode))
        return;
    FThread = std::thread([this] {
        while (!FStop) {
            // Succeeds only while a reader has the pipe open.
            const int Fd = ::open(FPath.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (Fd >= 0) {
                ::close(Fd);
                ++FReleased;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
}

TFifoReleaser::~TFifoReleaser()
{
    FStop = true;
    if (FThread.joinable())
        FThread.join();
}
