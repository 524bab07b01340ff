#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

// Last year's companies as another copy of the program left them, and this
// year's records the transfer must make of them, both built byte by byte.
namespace TTransferFixtures {

// Last year's employer: every field filled, filler set, stale tails after
// shortened texts, over-long length bytes, a stored password.
QByteArray OldEmployer(const QByteArray &Name);
QByteArray NewEmployer(const QByteArray &Name);
// Last year's employee I (from 0): amounts, codes and state lines filled,
// tails and over-long lengths in some; record 2 is blank (all zero).
QByteArray OldEmployee(int I);
QByteArray NewEmployee(int I);

// Writes Folder/W3Name and Folder/W2Name with Count employees; a few bytes
// after the last record when Tail.
void WriteOldCompany(
    const QString &Folder, const QString &W3Name, const QString &W2Name, int Count = 12, bool Tail = false);
// The employee file the transfer must make of WriteOldCompany's.
QByteArray NewEmployeeFile(int Count = 12);

// Every file of Folder (hidden ones too) with the SHA-256 of its bytes, its
// size, modification time and permissions, to show nothing was changed.
QMap<QString, QString> Fingerprint(const QString &Folder);
// The names in Folder, hidden ones too, so a temporary file left shows.
QStringList FilesIn(const QString &Folder);

} // namespace TTransferFixtures
