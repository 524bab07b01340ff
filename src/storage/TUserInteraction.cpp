#include "TUserInteraction.h"

#include "TConsoleInteraction.h"

namespace {
TUserInteraction *Installed = nullptr;
}

TUserInteraction &TUserInteraction::Current()
{
    static TConsoleInteraction Console;
    return Installed ? *Installed : Console;
}

void TUserInteraction::Install(TUserInteraction *Interaction)
{
    Installed = Interaction;
}
