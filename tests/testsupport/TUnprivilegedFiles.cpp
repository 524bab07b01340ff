#include "TUnprivilegedFiles.h"

#include <sys/fsuid.h>

namespace {
constexpr int Nobody = 65534;
}

TUnprivilegedFiles::TUnprivilegedFiles()
    : FOldUser(0)
    , FOldGroup(::setfsgid(Nobody))
{
    FOldUser = ::setfsuid(Nobody);
}

TUnprivilegedFiles::~TUnprivilegedFiles()
{
    ::setfsuid(FOldUser);
    ::setfsgid(FOldGroup);
}
