#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The text files of the EFW2 module: Windows-1252, no byte order mark, each
// line (the last one too) ended by CR LF. File errors raise EInOutError with
// the file and the system's reason.

// The client file of a company: its ".W325" file's name with the extension
// replaced by ".txt" ("ACME.W325" gives "ACME.txt").
QString ClientFileName(const QString &W3File);

QByteArray TextFileBytes(const QStringList &Lines);
// The lines of Path, a file of at most MaxSize bytes; CR LF and LF both end a
// line.
QStringList ReadTextLines(const QString &Path, qint64 MaxSize);

// Replaces Path whole or not at all: the lines go to a new file beside it,
// which then takes the old one's place. With ReadOnly the new file carries
// the read-only mark from the start, so the file is never seen writable.
void ReplaceTextFile(const QString &Path, const QStringList &Lines, bool ReadOnly);

// The two halves of ReplaceTextFile, for a set of files that are all to be
// written or none: each is first written beside its place (Path + ".new"),
// then all take their places; a staged file that is not wanted is removed.
void StageTextFile(const QString &Path, const QStringList &Lines, bool ReadOnly);
void CommitStagedFile(const QString &Path);
void DiscardStagedFile(const QString &Path);

struct TTextFile {
    QString Path;
    QStringList Lines;
    bool ReadOnly = false;
};
// A set of files all or none: every one is staged, then Between runs (what
// must succeed with them), then all take their places. A failure before that
// removes what was staged and leaves every file as it was.
void ReplaceTextFiles(const QList<TTextFile> &Files, const std::function<void()> &Between = {});

// Sets or clears the read-only mark (the write permission bits).
void SetReadOnly(const QString &Path, bool ReadOnly);
bool IsReadOnly(const QString &Path);
// Deletes Path when it exists.
void DeleteIfExists(const QString &Path);
