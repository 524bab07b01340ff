#include "FileUtils.h"

#include "ECopyFileException.h"
#include "EFileReadException.h"
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

QString FileKind(mode_t Mode)
{
    if (S_ISDIR(Mode))
        return QStringLiteral("a folder");
    if (S_ISFIFO(Mode))
        return QStringLiteral("a named pipe");
    if (S_ISCHR(Mode))
        return QStringLiteral("a character device");
    if (S_ISBLK(Mode))
        return QStringLiteral("a block device");
    if (S_ISSOCK(Mode))
        return QStringLiteral("a socket");
    return QStringLiteral("of an unknown kind");
}

[[noreturn]] void Unfit(const QString &Path, const QString &Problem)
{
    throw EFileReadException(Path + QLatin1Char(' ') + Problem);
}

[[noreturn]] void TooLarge(const QString &Path, const QString &Size, qint64 MaxSize)
{
    Unfit(Path, QStringLiteral("is too large (%1 bytes; at most %2)").arg(Size).arg(MaxSize));
}

void CheckFit(const QString &Path, const struct stat &Info, qint64 MaxSize)
{
    if (!S_ISREG(Info.st_mode))
        Unfit(Path, QStringLiteral("is not a regular file (it is %1)").arg(FileKind(Info.st_mode)));
    if (qint64(Info.st_size) > MaxSize)
        TooLarge(Path, QString::number(qint64(Info.st_size)), MaxSize);
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
    for (qint64 Offset = 0;;) {
        const ssize_t Got = ::read(From, Chunk, sizeof Chunk);
        if (Got < 0 && errno == EINTR)
            continue;
        if (Got < 0)
            return errno;
        if (Got == 0)
            break;
        if (const int Error = WriteFully(To, Chunk, Got, Offset); Error != 0)
            return Error;
        Offset += Got;
    }
    return ::fsync(To) == 0 ? 0 : errno;
}

// Closes the staged file To, which Error (0 or an errno) says was written
// whole or not: its name, or else it is removed and the copy error raised.
QString FinishStaged(int To, int Error, const QByteArray &Template)
{
    if (::close(To) != 0 && Error == 0)
        Error = errno;
    if (Error != 0) {
        ::unlink(Template.constData());
        RaiseCopyError(SystemReason(Error));
    }
    return QFile::decodeName(Template);
}

// Closes Fd keeping the errno of the failure that led here.
int CloseFailed(int Fd)
{
    const int Error = errno;
    ::close(Fd);
    errno = Error;
    return -1;
}

} // namespace

int WriteFully(int Fd, const char *Data, qint64 Size, qint64 Offset)
{
    qint64 Done = 0;
    while (Done < Size) {
        const ssize_t Put = ::pwrite(Fd, Data + Done, size_t(Size - Done), off_t(Offset + Done));
        if (Put < 0 && errno == EINTR)
            continue;
        if (Put < 0)
            return errno;
        if (Put == 0)
            return ENOSPC;
        Done += Put;
    }
    return 0;
}

int OpenRegularFile(const QString &Path, int Flags, qint64 MaxSize)
{
    const QByteArray Name = QFile::encodeName(Path);
    struct stat Looked;
    // Looked at before it is opened: opening some devices already does something.
    if (::stat(Name.constData(), &Looked) != 0)
        return -1;
    CheckFit(Path, Looked, MaxSize);
    const int Fd = ::open(Name.constData(), Flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (Fd < 0)
        return -1;
    struct stat Opened;
    if (::fstat(Fd, &Opened) != 0)
        return CloseFailed(Fd);
    try {
        CheckFit(Path, Opened, MaxSize);
        if (Opened.st_dev != Looked.st_dev || Opened.st_ino != Looked.st_ino)
            Unfit(Path, QStringLiteral("was replaced by another file while it was opened"));
    } catch (...) {
        ::close(Fd);
        throw;
    }
    // Reads and writes of the regular file may wait again, as everywhere else.
    const int Status = ::fcntl(Fd, F_GETFL);
    if (Status < 0 || ::fcntl(Fd, F_SETFL, Status & ~O_NONBLOCK) != 0)
        return CloseFailed(Fd);
    return Fd;
}

bool OpenRegularFile(QFile &File, qint64 MaxSize, QString &Reason)
{
    const int Fd = OpenRegularFile(File.fileName(), O_RDONLY, MaxSize);
    if (Fd < 0) {
        Reason = SystemReason(errno);
        return false;
    }
    if (!File.open(Fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(Fd);
        Reason = File.errorString();
        return false;
    }
    return true;
}

bool ReadRegularFile(const QString &Path, qint64 MaxSize, QByteArray &Data, QString &Reason)
{
    const int Fd = OpenRegularFile(Path, O_RDONLY, MaxSize);
    if (Fd < 0) {
        Reason = SystemReason(errno);
        return false;
    }
    // One byte more than allowed tells a file that grew after it was looked at.
    QByteArray Bytes;
    qint64 Done = 0;
    int Error = 0;
    for (;;) {
        const qint64 Want = qMin<qint64>(MaxSize + 1 - Done, 1 << 20);
        if (Want <= 0)
            break;
        Bytes.resize(Done + Want);
        const ssize_t Got = ::read(Fd, Bytes.data() + Done, size_t(Want));
        if (Got < 0 && errno == EINTR)
            continue;
        if (Got < 0) {
            Error = errno;
            break;
        }
        if (Got == 0)
            break;
        Done += Got;
    }
    ::close(Fd);
    if (Error != 0) {
        Reason = SystemReason(Error);
        return false;
    }
    if (Done > MaxSize)
        TooLarge(Path, QStringLiteral("more than %1").arg(MaxSize), MaxSize);
    Bytes.resize(Done);
    Data = Bytes;
    return true;
}

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
        TildeToCR(QStringLiteral("The following error occured during the copy file process:~") + Reason),
        Reason);
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
    const int Error = ::fchmod(To, Info.st_mode & 07777) == 0 ? CopyDescriptor(From, To) : errno;
    ::close(From);
    return FinishStaged(To, Error, Template);
}

QString StageNewFile(const QByteArray &Bytes, const QString &Dest)
{
    QByteArray Template = QFile::encodeName(Dest) + ".new-XXXXXX";
    const int To = ::mkostemp(Template.data(), O_CLOEXEC);
    if (To < 0)
        RaiseCopyError(SystemReason(errno));
    // mkostemp makes the file private; a new company file gets what any new file of this user gets.
    const mode_t Mask = ::umask(0);
    ::umask(Mask);
    int Error = ::fchmod(To, 0666 & ~Mask) == 0 ? WriteFully(To, Bytes.constData(), Bytes.size(), 0) : errno;
    if (Error == 0 && ::fsync(To) != 0)
        Error = errno;
    return FinishStaged(To, Error, Template);
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
