#pragma once

#include <QString>

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

// Asks for a folder with Caption as the instruction; true and the folder when
// the person confirms. Folder starts empty.
bool SelectFolder(const QString &Caption, QString &Folder);

// The modeless "please wait" window during a long file operation; one at a time.
void ShowWaitMessage(const QString &Caption, const QString &Text);
void HideWaitMessage();

// Runs under development or test (QMRK_TEST_SETTINGS=1), which selects the
// test settings key.
bool IsDevEnvironmentRunning();
