#pragma once

#include <QString>

class QSaveFile;

// Puts a save file in place of its target only when every byte written to it
// reached the disk: Qt's buffered file takes a write that a full disk cut
// short for a whole one when nothing is written after it, and the target
// would be replaced by the front part of the file. Empty when the target was
// replaced, else what went wrong; the target is then untouched.
QString CommitSaveFile(QSaveFile &File);
