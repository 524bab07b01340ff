#include "FileUtils.h"

#include "ECopyFileException.h"
#include "MsgBox.h"
#include "TUserInteraction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

bool CopyFailed = false;

namespace {

std::filesystem::path NativePath(const QString &Path)
{
    return std::filesystem::path(QFile::encodeName(Path).toStdString());
}

QString SystemReason(int Error)
{
    return QString::fromLocal8Bit(std::strerror(Error));
}

// The descriptor of Source opened for reading, with its status in Info;
// raises the copy error unless it is a regular file. Opening does not wait
// for a writer when Source is a pipe.
int OpenCopySource(const QString &Source, struct stat &Info)
{
    const int Fd = ::open(QFile::encodeName(Source).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (Fd < 0)
        RaiseCopyError(SystemReason(errno));
    if (::fstat(Fd, &Info) != 0) {
        const int Error = errno;
        ::close(Fd);
        RaiseCopyError(SystemReason(Error));
    }
    if (!S_ISREG(Info.st_mode)) {
        ::close(Fd);
        RaiseCopyError(S_ISDIR(Info.st_mode) ? SystemReason(EISDIR) : QStringLiteral("Not a regular file"));
    }
    return Fd;
}

// Copies the rest of From into To and flushes To to the disk; 0 or the errno.
int CopyDescriptor(int From, int To)
{
    char Chunk[65536];
    for (;;) {
        const ssize_t Got = ::read(From, Chunk, sizeof Chunk);
        if (Got < 0 && errno == EINTR)
            continue;
        if (Got < 0)
            return errno;
        if (Got == 0)
            break;
        for (ssize_t Done = 0; Done < Got;) {
            const ssize_t Put = ::write(To, Chunk + Done, size_t(Got - Done));
            if (Put < 0 && errno == EINTR)
                continue;
            if (Put < 0)
                return errno;
            if (Put == 0)
                return ENOSPC;
            Done += Put;
        }
    }
    return ::fsync(To) == 0 ? 0 : errno;
}

} // namespace

void SyncFolderOf(const QString &Path)
{
    const int Fd = ::open(
        QFile::encodeName(QFileInfo(Path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (Fd >= 0) {
        (void)::fsync(Fd);
        ::close(Fd);
    }
}

void RaiseCopyError(const QString &Reason)
{
    CopyFailed = true;
    // The misspelling is the message the program has always shown.
    throw ECopyFileException(
        TildeToCR(QStringLiteral("The following error occured during the copy file process:~") + Reason));
}

void CopyFileChecked(const QString &Source, const QString &Dest, bool FailIfExists)
{
    CopyFailed = false;
    const std::filesystem::copy_options Options = FailIfExists
        ? std::filesystem::copy_options::none
        : std::filesystem::copy_options::overwrite_existing;
    std::error_code Error;
    std::filesystem::copy_file(NativePath(Source), NativePath(Dest), Options, Error);
    if (Error)
        RaiseCopyError(QString::fromLocal8Bit(Error.message()));
}

void CheckCopySource(const QString &Source)
{
    struct stat Info;
    ::close(OpenCopySource(Source, Info));
}

void CheckCopyTarget(const QString &Dest)
{
    const QByteArray Path = QFile::encodeName(Dest);
    struct stat Info;
    // The permissions of this process as it runs, as the copy's open would meet them.
    if (::lstat(Path.constData(), &Info) == 0
        && ::faccessat(AT_FDCWD, Path.constData(), W_OK, AT_EACCESS) != 0)
        RaiseCopyError(SystemReason(errno));
}

QString StageFileCopy(const QString &Source, const QString &Dest)
{
    struct stat Info;
    const int From = OpenCopySource(Source, Info);
    QByteArray Template = QFile::encodeName(Dest) + ".copy-XXXXXX";
    const int To = ::mkostemp(Template.data(), O_CLOEXEC);
    if (To < 0) {
        const int Error = errno;
        ::close(From);
        RaiseCopyError(SystemReason(Error));
    }
    int Error = ::fchmod(To, Info.st_mode & 07777) == 0 ? CopyDescriptor(From, To) : errno;
    ::close(From);
    if (::close(To) != 0 && Error == 0)
        Error = errno;
    if (Error != 0) {
        ::unlink(Template.constData());
        RaiseCopyError(SystemReason(Error));
    }
    return QFile::decodeName(Template);
}

void CommitStagedCopy(const QString &Staged, const QString &Dest)
{
    if (::rename(QFile::encodeName(Staged).constData(), QFile::encodeName(Dest).constData()) != 0)
        RaiseCopyError(SystemReason(errno));
    SyncFolderOf(Dest);
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
