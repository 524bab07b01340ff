#include "ShellRules.h"

#include "AppInfo.h"
#include "CompanyFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

QString PrepareDataDir(const QString &Documents)
{
    const QString Base = Documents.isEmpty() ? QDir::homePath() : Documents;
    QDir Folder(Base);
    for (const QString &Part : { QStringLiteral("QMRK"), QStringLiteral("2025"), QStringLiteral("Data") }) {
        if (!Folder.exists(Part))
            Folder.mkdir(Part);
        Folder.cd(Part);
    }
    return Base + QStringLiteral("/QMRK/2025/Data/");
}

QString RegBaseKey(bool DevEnvironment)
{
    return QStringLiteral("Software\\%1\\%2\\")
        .arg(DevEnvironment ? QStringLiteral("QMRKTest") : QStringLiteral("QMRK"), YearText());
}

void DeleteUpdateLeftovers(const QString &ProgramDir)
{
    QFile::remove(ProgramDir + QStringLiteral("QMRK_%1.EXE").arg(YearDigits()));
    QFile::remove(ProgramDir + QStringLiteral("update.ini"));
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
