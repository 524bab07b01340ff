#include "TFailingWrites.h"

#include "TRecordSet.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Puts a descriptor of the same file, opened with Flags, under the set's own.
bool SwapDescriptor(TRecordSet &Set, int Flags)
{
    if (Set.FileHandle() < 0)
        return false;
    const int Other = ::open(QFile::encodeName(Set.FileName()).constData(), Flags | O_CLOEXEC);
    if (Other < 0)
        return false;
    const bool Swapped = ::dup2(Other, Set.FileHandle()) >= 0;
    ::close(Other);
    return Swapped;
}

} // namespace

bool MakeWritesFail(TRecordSet &Set)
{
    return SwapDescriptor(Set, O_RDONLY);
}

bool MakeReadsFail(TRecordSet &Set)
{
    return SwapDescriptor(Set, O_WRONLY);
}

bool RestoreReads(TRecordSet &Set)
{
    return SwapDescriptor(Set, O_RDWR);
}
