#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

// Rules of the program shell that need no window: start-up checks, folders,
// the settings key, and the file names the file commands work with.

// The program runs unless the screen is both narrower than 1280 and lower than 800.
bool ScreenIsLargeEnough(const QSize &Screen);

// The company file named on the command line: the arguments joined with
// blanks (an unquoted path with blanks is rebuilt), when it ends in ".W225"
// exactly and the file exists; else empty.
QString CommandLineCompanyFile(const QStringList &Arguments);

// Documents/QMRK/2025/Data/, each folder created when missing, Documents
// itself too. A folder that cannot be made is reported once, with its path
// and the system's reason. An empty Documents means the home folder.
QString PrepareDataDir(const QString &Documents);

// The settings key of this program, or of the test settings while tests run.
QString RegBaseKey(bool DevEnvironment);

// The files a web update fetches into the program folder: the version file
// "update.ini" and the setup program "QMRK_25.EXE".
QString UpdateVersionFileName();
QString UpdateSetupProgramName();
// Deletes what a web update left in the program folder.
void DeleteUpdateLeftovers(const QString &ProgramDir);

// True when Path ends in ".W225", letter case ignored (the open dialog's rule).
bool HasCompanyExtension(const QString &Path);

// The name Save As gives the copy: the chosen file name cut before its first
// '.', then ".W225" ("Acme 2025.old.W225" gives "Acme 2025.W225").
QString SaveAsTargetName(const QString &ChosenPath);
