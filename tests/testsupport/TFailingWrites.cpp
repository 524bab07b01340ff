#include "TFailingWrites.h"

#include "TRecordSet.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

bool MakeWritesFail(TRecordSet &Set)
{
    if (Set.FileHandle() < 0)
        return false;
    const int ReadOnly = ::open(QFile::encodeName(Set.FileName()).constData(), O_RDONLY | O_CLOEXEC);
    if (ReadOnly < 0)
        return false;
    const bool Swapped = ::dup2(ReadOnly, Set.FileHandle()) >= 0;
    ::close(ReadOnly);
    return Swapped;
}
