#include "EFW2Files.h"

#include "AnsiCodePage.h"
#include "EInOutError.h"
#include "FileUtils.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace {

// The mode bits; the "User" flags tell what this process may do, which for
// the superuser is everything, and are left out.
constexpr QFileDevice::Permissions WriteBits
    = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
constexpr QFileDevice::Permissions UserBits
    = QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;

[[noreturn]] void Fail(const QString &What, const QString &Path, const QString &Reason)
{
    throw EInOutError(QStringLiteral("%1 %2: %3").arg(What, Path, Reason));
}

// Writes Bytes to a new file at Path, to the disk and not only the cache.
void WriteNewFile(const QString &Path, const QByteArray &Bytes)
{
    QFile File(Path);
    if (!File.open(QIODevice::WriteOnly | QIODevice::Truncate))
        Fail(QStringLiteral("Cannot create"), Path, File.errorString());
    if (File.write(Bytes) != Bytes.size() || !File.flush())
        Fail(QStringLiteral("Cannot write"), Path, File.errorString());
    if (::fsync(File.handle()) != 0)
        Fail(QStringLiteral("Cannot write"), Path, QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

QString ClientFileName(const QString &W3File)
{
    return QFileInfo(W3File).completeBaseName() + QStringLiteral(".txt");
}

namespace {

bool IsAscii(const QString &Text)
{
    for (QChar Ch : Text)
        if (Ch.unicode() >= 0x80)
            return false;
    return true;
}

} // namespace

QByteArray TextFileBytes(const QStringList &Lines)
{
    QByteArray Bytes;
    Bytes.reserve(Lines.size() * 514);
    for (const QString &Line : Lines) {
        // Windows-1252 is ASCII below 128, and EFW2 lines never go above.
        Bytes += IsAscii(Line) ? Line.toLatin1() : ToAnsi(Line);
        Bytes += "\r\n";
    }
    return Bytes;
}

QStringList ReadTextLines(const QString &Path, qint64 MaxSize)
{
    QByteArray Bytes;
    QString Reason;
    if (!ReadRegularFile(Path, MaxSize, Bytes, Reason))
        Fail(QStringLiteral("Cannot read"), Path, Reason);
    QStringList Lines;
    // Split keeps the empty piece after the last line end.
    for (const QByteArray &Line : Bytes.split('\n'))
        Lines.append(FromAnsi(Line.endsWith('\r') ? Line.chopped(1) : Line));
    if (!Lines.isEmpty() && Lines.last().isEmpty())
        Lines.removeLast();
    return Lines;
}

namespace {

QString StagedName(const QString &Path)
{
    return Path + QStringLiteral(".new");
}

} // namespace

void StageTextFile(const QString &Path, const QStringList &Lines, bool ReadOnly)
{
    const QString NewFile = StagedName(Path);
    try {
        // What an earlier failed run may have left.
        QFile::remove(NewFile);
        WriteNewFile(NewFile, TextFileBytes(Lines));
        if (ReadOnly)
            SetReadOnly(NewFile, true);
    } catch (...) {
        QFile::remove(NewFile);
        throw;
    }
}

void CommitStagedFile(const QString &Path)
{
    std::error_code Error;
    std::filesystem::rename(
        QFile::encodeName(StagedName(Path)).toStdString(), QFile::encodeName(Path).toStdString(), Error);
    if (Error) {
        DiscardStagedFile(Path);
        Fail(QStringLiteral("Cannot replace"), Path, QString::fromStdString(Error.message()));
    }
}

void DiscardStagedFile(const QString &Path)
{
    QFile::remove(StagedName(Path));
}

void ReplaceTextFiles(const QList<TTextFile> &Files, const std::function<void()> &Between)
{
    QStringList Staged;
    try {
        for (const TTextFile &File : Files) {
            StageTextFile(File.Path, File.Lines, File.ReadOnly);
            Staged.append(File.Path);
        }
        if (Between)
            Between();
    } catch (...) {
        for (const QString &Path : std::as_const(Staged))
            DiscardStagedFile(Path);
        throw;
    }
    for (const QString &Path : std::as_const(Staged))
        CommitStagedFile(Path);
}

void ReplaceTextFile(const QString &Path, const QStringList &Lines, bool ReadOnly)
{
    StageTextFile(Path, Lines, ReadOnly);
    CommitStagedFile(Path);
}

void SetReadOnly(const QString &Path, bool ReadOnly)
{
    const QFileDevice::Permissions Old = QFile::permissions(Path) & ~UserBits;
    const QFileDevice::Permissions New = ReadOnly ? Old & ~WriteBits : Old | QFileDevice::WriteOwner;
    if (New != Old && !QFile::setPermissions(Path, New))
        Fail(
            QStringLiteral("Cannot change the read-only mark of"), Path, QStringLiteral("permission denied"));
}

bool IsReadOnly(const QString &Path)
{
    return !(QFile::permissions(Path) & WriteBits);
}

void DeleteIfExists(const QString &Path)
{
    QFile File(Path);
    if (File.exists() && !File.remove())
        Fail(QStringLiteral("Cannot delete"), Path, File.errorString());
}
