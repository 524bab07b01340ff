#include "TConsoleInteraction.h"

#include "MsgBox.h"

#include <cstdio>

int TConsoleInteraction::MessageBox(const QString &Text, const QString &Caption, int Flags)
{
    QString Shown = Text;
    Shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(Caption), qUtf8Printable(Shown));
    return MsgBoxSafeAnswer(Flags);
}
