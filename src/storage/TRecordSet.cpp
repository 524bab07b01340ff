#include "TRecordSet.h"

#include "AppInfo.h"
#include "EFileReadException.h"
#include "ERecordFileException.h"
#include "FileUtils.h"
#include "MsgBox.h"
#include "TWaitCursor.h"
#include "TextUtils.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr quint32 AccessRead = 0;
constexpr quint32 AccessReadWrite = 2;
constexpr quint32 ShareDenyWrite = 0x20;
constexpr quint32 ShareDenyNone = 0x40;

QString SystemReason(int Error)
{
    return QString::fromLocal8Bit(std::strerror(Error));
}

int OpenFlags(quint32 Access)
{
    switch (Access) {
    case 0:
        return O_RDONLY | O_CLOEXEC;
    case 1:
        return O_WRONLY | O_CLOEXEC;
    default:
        return O_RDWR | O_CLOEXEC;
    }
}

// Compatibility, exclusive and deny-write opens keep other openers out with
// an exclusive lock; deny-read and deny-none take none.
bool ShareTakesLock(quint32 Share)
{
    return Share <= ShareDenyWrite;
}

QString OpenFailureText(const QString &FileName, int Error)
{
    if (Error == EWOULDBLOCK)
        return QStringLiteral("%1: the file is in use by another program").arg(FileName);
    return QStringLiteral("%1: %2").arg(FileName, SystemReason(Error));
}

// Opens Path for Access, when it is a regular file of at most MaxSize bytes,
// and takes the lock Share asks for. Returns the descriptor, or -1 with errno
// set (EWOULDBLOCK: another opener holds it) and Problem naming the file and
// the reason.
int OpenShared(const QString &Path, int Flags, quint32 Share, qint64 MaxSize, QString &Problem)
{
    int Fd = -1;
    try {
        Fd = OpenRegularFile(Path, Flags, MaxSize);
    } catch (const EFileReadException &Unfit) {
        Problem = Unfit.Message();
        errno = EINVAL;
        return -1;
    }
    if (Fd >= 0 && ShareTakesLock(Share) && ::flock(Fd, LOCK_EX | LOCK_NB) != 0) {
        const int Error = errno;
        ::close(Fd);
        errno = Error;
        Fd = -1;
    }
    if (Fd < 0) {
        const int Error = errno;
        Problem = OpenFailureText(Path, Error);
        errno = Error;
    }
    return Fd;
}

qint64 FileSize(int Fd)
{
    struct stat Info;
    return ::fstat(Fd, &Info) == 0 ? qint64(Info.st_size) : -1;
}

// Reads up to Size bytes; returns the count read (short at the end of the
// file) or -1 with errno set.
qint64 ReadFully(int Fd, char *Data, qint64 Size, qint64 Offset)
{
    qint64 Done = 0;
    while (Done < Size) {
        const ssize_t Got = ::pread(Fd, Data + Done, size_t(Size - Done), off_t(Offset + Done));
        if (Got < 0 && errno == EINTR)
            continue;
        if (Got < 0)
            return -1;
        if (Got == 0)
            break;
        Done += Got;
    }
    return Done;
}

void FillCaptionIfBlank(QString &Caption)
{
    if (IsBlank(Caption))
        Caption = ::AppTitle();
}

} // namespace

TRecordSet::TRecordSet(QObject *Owner)
    : TRecordSetComponent(Owner)
    , OpenErrText(QStringLiteral("Unable to open database file"))
    , NewErrText(QStringLiteral("Unable to create new record.~You have reached the maximum number of "
                                "records that~can be created with this version of the program."))
    , DelErrText(QStringLiteral("Unable to delete current record~you cannot delete the first record "
                                "when~its the only record in the database."))
    , DelMsgText(QStringLiteral("Confirm request~Delete current record from database?"))
    , FBuffer(32, '\0')
{
}

// Owners close the set first; only the descriptor is let go here, so no
// notification fires and nothing is written.
TRecordSet::~TRecordSet()
{
    if (FFileHandle >= 0)
        ::close(FFileHandle);
}

void TRecordSet::Fire(const TRecordSetEvent &Event)
{
    if (Event)
        Event(this);
}

bool TRecordSet::ConsumeCancel()
{
    const bool Vetoed = FCancel;
    FCancel = false;
    return Vetoed;
}

void TRecordSet::SetRecSize(int Value)
{
    if (Value == FRecSize || Value < 32)
        return;
    FRecSize = Value;
    FBuffer = QByteArray(Value, '\0');
}

void TRecordSet::SetCurrentRecord(int Value)
{
    if (!FActive || Value < 1 || Value > FLastRec)
        return;
    FFilePos = qint64(Value - 1) * FRecSize;
    FCurRec = int(FFilePos / FRecSize) + 1;
}

int TRecordSet::RecordCount()
{
    if (!FActive)
        return 0;
    const qint64 Size = FileSize(FFileHandle);
    if (Size < 0)
        RaiseIoError(QStringLiteral("Unable to measure the file %1."), errno);
    FFilePos = Size;
    return int(Size / FRecSize);
}

quint32 TRecordSet::AccessCode() const
{
    return quint32(FFileOpenMode);
}

quint32 TRecordSet::ShareCode() const
{
    return quint32(FFileShareMode) * 0x10;
}

void TRecordSet::OpenRecSet()
{
    if (FActive)
        return;
    FillCaptionIfBlank(OpenErrCaption);
    FillCaptionIfBlank(AppTitle);
    Fire(OnBeforeOpen);
    if (ConsumeCancel())
        return;
    FLastOpenError.clear();
    if (IsBlank(FFileName)) {
        FLastOpenError = QStringLiteral("no file name was given");
        OpenFailed();
        return;
    }
    FOpenMode = AccessCode();
    FShareMode = ShareCode();
    FBrowseOnly = false;

    struct stat Info;
    // Only a file that is surely not there is created; any other failure to
    // look (a folder we may not read) is left to the open to report.
    const bool Exists = ::stat(FFileName.toLocal8Bit().constData(), &Info) == 0 || errno != ENOENT;
    bool Opened = false;
    if (Exists)
        Opened = OpenExisting(FOpenMode, FShareMode);
    else if (FAutoCreate) {
        const int Error = CreateFile();
        // Another opener may have created it between the test and the create.
        Opened = Error == 0 || (Error == EEXIST && OpenExisting(FOpenMode, FShareMode));
    }
    if (!Opened) {
        if (!Exists && !FAutoCreate)
            FLastOpenError = OpenFailureText(FFileName, ENOENT);
        OpenFailed();
        return;
    }
    Fire(OnAfterOpen);
}

bool TRecordSet::OpenExisting(quint32 Access, quint32 Share)
{
    const qint64 Limit = FileSizeLimit(FMaxRec, FRecSize);
    FFileHandle = OpenShared(FFileName, OpenFlags(Access), Share, Limit, FLastOpenError);
    // A file that is no record file at all is not tried again read-only.
    if (FFileHandle < 0 && Share == ShareDenyWrite && errno != EINVAL) {
        FFileHandle = OpenShared(FFileName, OpenFlags(AccessRead), ShareDenyNone, Limit, FLastOpenError);
        if (FFileHandle >= 0) {
            FBrowseOnly = true;
            BecomeActive();
            if (FShowOpenMode)
                MsgBox(BrowseOnlyMessage(), AppTitle, MsgFlag::IconInformation);
            return true;
        }
    }
    if (FFileHandle < 0)
        return false;
    FLastOpenError.clear();
    BecomeActive();
    return true;
}

qint64 TRecordSet::FileSizeLimit(int MaxRec, int RecSize)
{
    return (qint64(qMax(MaxRec, 1)) + 1) * RecSize;
}

QString TRecordSet::BrowseOnlyMessage() const
{
    return FFileName + QStringLiteral(" is already in use!~~The file has been opened in browse only")
        + QStringLiteral(" mode. You will not be able to record any changes.");
}

// Returns 0 when the file was created and opened, else the errno of the
// create (EEXIST: it appeared meanwhile), with nothing created.
int TRecordSet::CreateFile()
{
    const QByteArray Path = FFileName.toLocal8Bit();
    const int Fd = ::open(Path.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (Fd < 0) {
        const int Error = errno;
        FLastOpenError = OpenFailureText(FFileName, Error);
        return Error;
    }
    if (ShareTakesLock(FShareMode))
        ::flock(Fd, LOCK_EX | LOCK_NB);
    FBuffer.fill('\0');
    const int Error = WriteFully(Fd, FBuffer.constData(), FRecSize, 0);
    if (Error != 0) {
        ::close(Fd);
        ::unlink(Path.constData());
        RaiseIoError(QStringLiteral("Unable to create the file %1."), Error);
    }
    FFileHandle = Fd;
    FActive = true;
    FFilePos = FRecSize;
    FLastRec = FFirstRec;
    FCurRec = FFirstRec;
    Fire(OnCreateFile);
    return 0;
}

void TRecordSet::BecomeActive()
{
    FActive = true;
    FCurRec = FFirstRec;
    FLastRec = RecordCount();
}

void TRecordSet::OpenFailed()
{
    FActive = false;
    FFileHandle = -1;
    MsgBox(OpenErrText, OpenErrCaption, MsgFlag::IconError);
}

void TRecordSet::CloseRecSet()
{
    if (!FActive)
        return;
    Fire(OnBeforeClose);
    if (ConsumeCancel())
        return;
    ::close(FFileHandle);
    FFileHandle = -1;
    FActive = false;
    Fire(OnAfterClose);
}

void TRecordSet::ReadAtPosition()
{
    const qint64 Got = ReadFully(FFileHandle, FBuffer.data(), FRecSize, FFilePos);
    if (Got < 0)
        RaiseIoError(QStringLiteral("Unable to read record %1 of the file %2.").arg(FCurRec), errno);
    FFilePos += Got;
}

void TRecordSet::WriteAtPosition()
{
    const int Error = WriteFully(FFileHandle, FBuffer.constData(), FRecSize, FFilePos);
    if (Error != 0)
        RaiseIoError(QStringLiteral("Unable to write record %1 to the file %2.").arg(FCurRec), Error);
    FFilePos += FRecSize;
}

void TRecordSet::EnsureWritable(const QString &What) const
{
    if (FBrowseOnly)
        throw ERecordFileException(
            TildeToCR(QStringLiteral("The file %1 is open in browse only mode.~%2").arg(FFileName, What)));
}

void TRecordSet::RaiseIoError(const QString &What, int Error) const
{
    throw ERecordFileException(TildeToCR(What.arg(FFileName) + QLatin1Char('~') + SystemReason(Error)));
}

// Owners load their copy of the record only from OnAfterRead, so after a
// failed read they still hold the record the cursor stood on before: the
// cursor goes back there, and a later post writes that copy where it came
// from instead of over the record the move was aiming at.
void TRecordSet::ReadMovedFrom(int OldCur, qint64 OldPos)
{
    SetCurrentRecord(FCurRec);
    try {
        ReadAtPosition();
    } catch (...) {
        FCurRec = OldCur;
        FFilePos = OldPos;
        throw;
    }
    Fire(OnAfterRead);
}

void TRecordSet::GetRec()
{
    if (!FActive)
        return;
    ReadMovedFrom(FCurRec, FFilePos);
}

void TRecordSet::FirstRec()
{
    if (!FActive)
        return;
    const int OldCur = FCurRec;
    FCurRec = FFirstRec;
    ReadMovedFrom(OldCur, FFilePos);
}

void TRecordSet::LastRec()
{
    if (!FActive)
        return;
    const int OldCur = FCurRec;
    FCurRec = FLastRec;
    ReadMovedFrom(OldCur, FFilePos);
}

void TRecordSet::NextRec()
{
    if (!FActive)
        return;
    const int OldCur = FCurRec;
    FCurRec = FCurRec + 1 > FLastRec ? FFirstRec : FCurRec + 1;
    ReadMovedFrom(OldCur, FFilePos);
}

void TRecordSet::PriorRec()
{
    if (!FActive)
        return;
    const int OldCur = FCurRec;
    FCurRec = FCurRec - 1 < FFirstRec ? FLastRec : FCurRec - 1;
    ReadMovedFrom(OldCur, FFilePos);
}

void TRecordSet::RootRec()
{
    if (!FActive)
        return;
    PushRec();
    FCurRec = 0;
}

void TRecordSet::ScanRecords(int Count, const std::function<void(int Index)> &Visit)
{
    const int Home = FCurRec;
    try {
        RootRec();
        for (int I = 0; I < Count; ++I) {
            NextRec();
            Visit(I);
        }
    } catch (...) {
        SetCurrentRecord(Home);
        throw;
    }
    PopRec();
}

void TRecordSet::PushRec()
{
    if (FActive)
        FPriorRec = FCurRec;
}

void TRecordSet::PopRec()
{
    if (!FActive)
        return;
    FCurRec = FPriorRec;
    GetRec();
}

void TRecordSet::NewRecData()
{
    if (FActive)
        FBuffer.fill('\0');
}

void TRecordSet::PostRec()
{
    if (!FActive)
        return;
    Fire(OnBeforePost);
    if (ConsumeCancel())
        return;
    SetCurrentRecord(FCurRec);
    if (!FBrowseOnly)
        WriteAtPosition();
    Fire(OnAfterPost);
}

void TRecordSet::NewRec()
{
    if (!FActive)
        return;
    if (FLastRec >= FMaxRec) {
        FillCaptionIfBlank(NewErrCaption);
        MsgBox(NewErrText, NewErrCaption, MsgFlag::IconError);
        return;
    }
    Fire(OnBeforeNewRec);
    if (ConsumeCancel())
        return;
    EnsureWritable(QStringLiteral("No record can be added."));

    const int OldLast = FLastRec;
    const int OldCur = FCurRec;
    const qint64 OldSize = FileSize(FFileHandle);
    FLastRec = OldLast + 1;
    SetCurrentRecord(FLastRec);
    FBuffer.fill('\0');
    try {
        WriteAtPosition();
    } catch (...) {
        // Take back what reached the disk, so the file keeps its old records only.
        if (OldSize >= 0 && FileSize(FFileHandle) > OldSize)
            (void)::ftruncate(FFileHandle, OldSize);
        FLastRec = OldLast;
        FCurRec = OldCur;
        throw;
    }
    GetRec();
    Fire(OnAfterNewRec);
}

void TRecordSet::DeleteRec()
{
    if (!FActive)
        return;
    if (RecordCount() <= 1) {
        FillCaptionIfBlank(DelErrCaption);
        MsgBox(DelErrText, DelErrCaption, MsgFlag::IconError);
        return;
    }
    FillCaptionIfBlank(DelMsgCaption);
    if (MsgBox(DelMsgText, DelMsgCaption, MsgFlag::OkCancel | MsgFlag::IconQuestion | MsgFlag::DefaultButton2)
        != MsgResult::Ok)
        return;
    Fire(OnBeforeDelete);
    if (ConsumeCancel())
        return;
    EnsureWritable(QStringLiteral("No record can be deleted."));

    if (FOpenMode != AccessReadWrite)
        throw ERecordFileException(TildeToCR(
            QStringLiteral("The file %1 is not open for reading and writing.~No record can be deleted.")
                .arg(FFileName)));

    TWaitCursor Wait;
    const int Deleted = FCurRec;
    const int OldLast = FLastRec;
    const QByteArray Old = ReadAllRecords();
    QByteArray Kept = Old;
    Kept.remove(qint64(Deleted - 1) * FRecSize, FRecSize);
    ReplaceFileWith(Kept);
    // Owners see every moved record, as when the records were moved one by one.
    for (int I = Deleted; I < OldLast; ++I) {
        FCurRec = I + 1;
        std::memcpy(FBuffer.data(), Old.constData() + qint64(I) * FRecSize, size_t(FRecSize));
        Fire(OnAfterRead);
    }
    FLastRec = RecordCount();
    FCurRec = Deleted > FLastRec ? FFirstRec : Deleted;
    GetRec();
    Fire(OnAfterDelete);
}

QByteArray TRecordSet::ReadAllRecords() const
{
    QByteArray Bytes(qint64(FLastRec) * FRecSize, Qt::Uninitialized);
    const qint64 Got = ReadFully(FFileHandle, Bytes.data(), Bytes.size(), 0);
    if (Got < 0)
        RaiseIoError(QStringLiteral("Unable to read the file %1 to delete a record."), errno);
    if (Got < Bytes.size())
        throw ERecordFileException(TildeToCR(
            QStringLiteral("Unable to delete a record: the file %1 is shorter than its %2 records.~Another "
                           "program may have changed it.")
                .arg(FFileName)
                .arg(FLastRec)));
    return Bytes;
}

// The records are not moved down in place: writes that fail half-way would
// leave an employee twice in the file. Instead the whole new file is written
// beside the old one and flushed, and only then takes its name, so a failure
// anywhere before leaves the old file as it was. The new file carries the
// lock from its first moment under the name, and its descriptor becomes the
// set's own, opened as the old one was (reading and writing).
void TRecordSet::ReplaceFileWith(const QByteArray &Bytes)
{
    char *Resolved = ::realpath(FFileName.toLocal8Bit().constData(), nullptr);
    if (!Resolved)
        RaiseReopenError(SystemReason(errno));
    // A link is followed: the file it names is replaced, not the link.
    const QByteArray Target(Resolved);
    std::free(Resolved);
    struct stat Open;
    struct stat Named;
    if (::fstat(FFileHandle, &Open) != 0)
        RaiseIoError(QStringLiteral("Unable to measure the file %1."), errno);
    if (::stat(Target.constData(), &Named) != 0)
        RaiseReopenError(SystemReason(errno));
    if (Named.st_dev != Open.st_dev || Named.st_ino != Open.st_ino)
        RaiseReopenError(QStringLiteral("Another program has put another file in its place."));

    QByteArray Staged = Target + ".delete-XXXXXX";
    const int Fd = ::mkostemp(Staged.data(), O_CLOEXEC);
    if (Fd < 0)
        RaiseIoError(
            QStringLiteral("Unable to make a new copy of the file %1 without the deleted record."), errno);
    // The owner is kept where the system allows it (a file of another user
    // edited by the administrator); the permission bits always.
    int Error = ::fchown(Fd, Open.st_uid, Open.st_gid) != 0 && errno != EPERM ? errno : 0;
    if (Error == 0 && ::fchmod(Fd, Open.st_mode & 07777) != 0)
        Error = errno;
    if (Error == 0 && ShareTakesLock(FShareMode) && ::flock(Fd, LOCK_EX | LOCK_NB) != 0)
        Error = errno;
    if (Error == 0)
        Error = WriteFully(Fd, Bytes.constData(), Bytes.size(), 0);
    if (Error == 0 && ::fsync(Fd) != 0)
        Error = errno;
    if (Error == 0 && ::rename(Staged.constData(), Target.constData()) != 0)
        Error = errno;
    if (Error != 0) {
        ::close(Fd);
        ::unlink(Staged.constData());
        RaiseIoError(
            QStringLiteral("Unable to write the file %1 without the deleted record; it is unchanged."),
            Error);
    }
    SyncFolderOf(QString::fromLocal8Bit(Target));
    ::close(FFileHandle);
    FFileHandle = Fd;
}

// The name no longer leads to the file that is open (another program removed
// or replaced it): nothing is deleted, and the set lets go of the file, so
// nothing more is written where no one will find it.
void TRecordSet::RaiseReopenError(const QString &Reason)
{
    ::close(FFileHandle);
    FFileHandle = -1;
    FActive = false;
    throw ERecordFileException(
        TildeToCR(QStringLiteral("Unable to reopen the file %1 to delete a record; no record was deleted.~")
                      .arg(FFileName)
            + Reason));
}
