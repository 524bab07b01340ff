#pragma once

class TRecordSet;

// Swaps the descriptor under an open record set for a read-only one of the
// same file, as a disk that stops taking writes would: reads go on, every
// write fails with EBADF until the set is closed. False when it could not.
bool MakeWritesFail(TRecordSet &Set);

// Swaps the descriptor for a write-only one of the same file, as a disk that
// fails reads would: every read fails with EBADF until RestoreReads or the
// set is closed. False when it could not.
bool MakeReadsFail(TRecordSet &Set);

// Puts a read-write descriptor of the same file back under the set, so a
// test can post after a failed read. False when it could not.
bool RestoreReads(TRecordSet &Set);
