#include "FileUtils.h"

#include "ECopyFileException.h"
#include "MsgBox.h"
#include "TUserInteraction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

bool CopyFailed = false;

namespace {

std::filesystem::path NativePath(const QString &Path)
{
    return std::filesystem::path(QFile::encodeName(Path).toStdString());
}

} // namespace

void CopyFileChecked(const QString &Source, const QString &Dest, bool FailIfExists)
{
    CopyFailed = false;
    const std::filesystem::copy_options Options = FailIfExists
        ? std::filesystem::copy_options::none
        : std::filesystem::copy_options::overwrite_existing;
    std::error_code Error;
    std::filesystem::copy_file(NativePath(Source), NativePath(Dest), Options, Error);
    if (!Error)
        return;
    CopyFailed = true;
    // The misspelling is the message the program has always shown.
    throw ECopyFileException(
        TildeToCR(QStringLiteral("The following error occured during the copy file process:~")
            + QString::fromLocal8Bit(Error.message())));
}

int CountMatchingFiles(const QString &Mask)
{
    const QFileInfo MaskInfo(Mask);
    QString Pattern = MaskInfo.fileName();
    // Windows took "*.*" for every name, with or without a dot.
    if (Pattern == QLatin1String("*.*"))
        Pattern = QStringLiteral("*");
    // Name filters ignore letter case unless QDir::CaseSensitive is given.
    const QDir Folder(MaskInfo.path());
    return int(Folder
                   .entryList(QStringList { Pattern },
                       QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort)
                   .size());
}

bool SelectFolder(const QString &Caption, QString &Folder)
{
    Folder.clear();
    return TUserInteraction::Current().SelectFolder(Caption, Folder);
}

void ShowWaitMessage(const QString &Caption, const QString &Text)
{
    TUserInteraction::Current().ShowWaitMessage(Caption, Text);
}

void HideWaitMessage()
{
    TUserInteraction::Current().HideWaitMessage();
}

bool IsDevEnvironmentRunning()
{
    return qEnvironmentVariable("QMRK_TEST_SETTINGS") == QLatin1String("1");
}
