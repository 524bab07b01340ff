#include "ShellRules.h"

#include "AppInfo.h"
#include "CompanyFiles.h"
#include "MsgBox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

bool ScreenIsLargeEnough(const QSize &Screen)
{
    return Screen.width() >= 1280 || Screen.height() >= 800;
}

QString CommandLineCompanyFile(const QStringList &Arguments)
{
    QString Joined;
    for (const QString &Argument : Arguments)
        Joined += Argument + QLatin1Char(' ');
    while (Joined.endsWith(QLatin1Char(' ')))
        Joined.chop(1);
    if (!Joined.endsWith(W2FileExtension(), Qt::CaseSensitive) || !QFileInfo(Joined).isFile())
        return QString();
    return QFileInfo(Joined).absoluteFilePath();
}

namespace {

QString SystemReason(int Error)
{
    return QString::fromLocal8Bit(std::strerror(Error));
}

// Empty when Path is a folder now, made here or already there; else why not.
QString MakeOneFolder(const QByteArray &Path)
{
    struct stat Info;
    if (::stat(Path.constData(), &Info) != 0) {
        // EEXIST: another program made it meanwhile.
        if (::mkdir(Path.constData(), 0777) != 0 && errno != EEXIST)
            return SystemReason(errno);
        if (::stat(Path.constData(), &Info) != 0)
            return SystemReason(errno);
    }
    return S_ISDIR(Info.st_mode) ? QString() : SystemReason(ENOTDIR);
}

// Makes Path and every missing folder above it. The first folder that cannot
// be made is reported with the system's reason, and nothing below it is
// tried, so the person is told once.
void MakeFolderPath(const QString &Path)
{
    QString Done;
    for (const QString &Part : QDir(Path).absolutePath().split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        Done += QLatin1Char('/') + Part;
        const QString Reason = MakeOneFolder(QFile::encodeName(Done));
        if (!Reason.isEmpty()) {
            MsgBox(QStringLiteral("The folder %1 could not be created:~%2").arg(Done, Reason), AppTitle(),
                MsgFlag::IconError);
            return;
        }
    }
}

} // namespace

QString PrepareDataDir(const QString &Documents)
{
    const QString Base = Documents.isEmpty() ? QDir::homePath() : Documents;
    const QString DataDir = Base + QStringLiteral("/QMRK/%1/Data/").arg(YearText());
    // A fresh account may have no Documents folder though the system names one.
    MakeFolderPath(DataDir);
    return DataDir;
}

QString RegBaseKey(bool DevEnvironment)
{
    return QStringLiteral("Software\\%1\\%2\\")
        .arg(DevEnvironment ? QStringLiteral("QMRKTest") : QStringLiteral("QMRK"), YearText());
}

QString UpdateVersionFileName()
{
    return QStringLiteral("update.ini");
}

QString UpdateSetupProgramName()
{
    return QStringLiteral("QMRK_%1.EXE").arg(YearDigits());
}

void DeleteUpdateLeftovers(const QString &ProgramDir)
{
    QFile::remove(ProgramDir + UpdateSetupProgramName());
    QFile::remove(ProgramDir + UpdateVersionFileName());
}

bool HasCompanyExtension(const QString &Path)
{
    return QFileInfo(Path).fileName().toUpper().endsWith(W2FileExtension());
}

QString SaveAsTargetName(const QString &ChosenPath)
{
    const QString Name = QFileInfo(ChosenPath).fileName();
    const qsizetype Dot = Name.indexOf(QLatin1Char('.'));
    return (Dot < 0 ? Name : Name.left(Dot)) + W2FileExtension();
}
