#include "TUserInteraction.h"

#include "TConsoleInteraction.h"

#include <QFileInfo>

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

bool TUserInteraction::SelectSaveDocument(const QString &Caption, const QString &Folder,
    const QString &Filter, const QString &DefaultExt, QString &File)
{
    if (!SelectSaveFile(Caption, Folder, Filter, File))
        return false;
    if (!DefaultExt.isEmpty() && QFileInfo(File).suffix().isEmpty())
        File += QLatin1Char('.') + DefaultExt;
    return true;
}
