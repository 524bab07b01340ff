#include "ShellRules.h"

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
    if (!Joined.endsWith(QLatin1String(".W225"), Qt::CaseSensitive) || !QFileInfo(Joined).isFile())
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
    return DevEnvironment ? QStringLiteral("Software\\QMRKTest\\2025\\")
                          : QStringLiteral("Software\\QMRK\\2025\\");
}

void DeleteUpdateLeftovers(const QString &ProgramDir)
{
    QFile::remove(ProgramDir + QStringLiteral("QMRK_25.EXE"));
    QFile::remove(ProgramDir + QStringLiteral("update.ini"));
}

bool HasCompanyExtension(const QString &Path)
{
    return QFileInfo(Path).fileName().toUpper().endsWith(QLatin1String(".W225"));
}

QString SaveAsTargetName(const QString &ChosenPath)
{
    const QString Name = QFileInfo(ChosenPath).fileName();
    const qsizetype Dot = Name.indexOf(QLatin1Char('.'));
    return (Dot < 0 ? Name : Name.left(Dot)) + QStringLiteral(".W225");
}
