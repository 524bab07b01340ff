#include "TWaitCursor.h"

#include "TUserInteraction.h"

TWaitCursor::TWaitCursor()
{
    TUserInteraction::Current().BeginWaitCursor();
}

TWaitCursor::~TWaitCursor()
{
    TUserInteraction::Current().EndWaitCursor();
}
