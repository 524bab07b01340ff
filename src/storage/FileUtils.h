#pragma once

#include <QByteArray>
#include <QString>

class QFile;

// Files and the system around them.

// Set by a failed CopyFileChecked, cleared by the next one; the file commands
// test it after their copies.
extern bool CopyFailed;

// Copies Source to Dest, overwriting an existing Dest unless FailIfExists. On
// failure sets CopyFailed and raises ECopyFileException with the system's
// reason.
void CopyFileChecked(const QString &Source, const QString &Dest, bool FailIfExists);

// Raises the copy error of CopyFileChecked with Reason, setting CopyFailed.
[[noreturn]] void RaiseCopyError(const QString &Reason);

// The steps of a copy that replaces its target whole or not at all.
// CheckCopySource raises the copy error unless Source is an existing regular
// file that can be read; CheckCopyTarget when Dest exists and may not be
// written (the read-only mark keeps a file from being replaced). StageFileCopy copies Source into a new file
// beside Dest, every byte on the disk and with Source's permission bits, and returns its path; Dest is not
// touched, and a failed copy leaves no file behind. CommitStagedCopy renames the staged file to Dest,
// replacing it. Both raise the copy error.
void CheckCopySource(const QString &Source);
void CheckCopyTarget(const QString &Dest);
QString StageFileCopy(const QString &Source, const QString &Dest);
void CommitStagedCopy(const QString &Staged, const QString &Dest);
// Writes Bytes into a new file beside Dest, every byte on the disk, and returns its path, for
// CommitStagedCopy; Dest is not touched, and a failed write leaves no file behind. Raises the copy error.
QString StageNewFile(const QByteArray &Bytes, const QString &Dest);

// Flushes the folder holding Path, so a rename in it survives a power loss;
// on file systems that refuse it the rename stands all the same.
void SyncFolderOf(const QString &Path);

// Number of entries (files and folders, hidden ones too) whose names match
// the wildcard file part of Mask, ignoring letter case: files copied from
// Windows may be "acme.w324".
int CountMatchingFiles(const QString &Mask);

// Every file the program reads is opened through these: a named pipe or a
// device would make an ordinary open or read wait forever or never end, and
// a huge file would be read until memory runs out. Each reader gives the
// largest size its kind of file can sensibly have.
//
// Opens Path with the open(2) Flags (O_RDONLY, O_RDWR) after checking that it
// is a regular file of at most MaxSize bytes, and checks the opened
// descriptor again, so a file swapped for a pipe meanwhile is refused too;
// the open never waits. Returns the descriptor, or -1 with errno set when the
// file cannot be opened (missing, no permission). A file that is not fit to
// read raises EFileReadException: "PATH is not a regular file (it is a named
// pipe)", "PATH is too large (N bytes; at most M)".
int OpenRegularFile(const QString &Path, int Flags, qint64 MaxSize);
// The same for File, named by its file name, opened read-only; false with the
// system's Reason when it cannot be opened.
bool OpenRegularFile(QFile &File, qint64 MaxSize, QString &Reason);
// The whole of Path, checked as above; false with the system's Reason when it
// cannot be opened or read.
bool ReadRegularFile(const QString &Path, qint64 MaxSize, QByteArray &Data, QString &Reason);

// Writes all Size bytes of Data at Offset of Fd; returns 0, or the errno of
// the failure (ENOSPC for a write the device took only in part).
int WriteFully(int Fd, const char *Data, qint64 Size, qint64 Offset);

// Asks for a folder with Caption as the instruction; true and the folder when
// the person confirms. Folder starts empty.
bool SelectFolder(const QString &Caption, QString &Folder);

// The modeless "please wait" window during a long file operation; one at a time.
void ShowWaitMessage(const QString &Caption, const QString &Text);
void HideWaitMessage();

// Runs under development or test (QMRK_TEST_SETTINGS=1), which selects the
// test settings key.
bool IsDevEnvironmentRunning();
