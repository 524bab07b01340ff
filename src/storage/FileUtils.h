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

// Asks for a folder with Caption as the instruction; true and the folder when
// the person confirms. Folder starts empty.
bool SelectFolder(const QString &Caption, QString &Folder);

// The modeless "please wait" window during a long file operation; one at a time.
void ShowWaitMessage(const QString &Caption, const QString &Text);
void HideWaitMessage();

// Runs under development or test (QMRK_TEST_SETTINGS=1), which selects the
// test settings key.
bool IsDevEnvironmentRunning();
