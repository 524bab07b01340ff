#pragma once

class TRecordSet;

// Swaps the descriptor under an open record set for a read-only one of the
// same file, as a disk that stops taking writes would: reads go on, every
// write fails with EBADF until the set is closed. False when it could not.
bool MakeWritesFail(TRecordSet &Set);
