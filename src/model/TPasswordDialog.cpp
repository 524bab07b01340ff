#include "TPasswordDialog.h"

#include "AppInfo.h"
#include "TUserInteraction.h"

namespace {
// What the prompt window says when no prompt is set.
const char DesignPrompt[] = "Enter pasword";
} // namespace

TPasswordDialog::TPasswordDialog(QObject *Owner)
    : QObject(Owner)
{
}

bool TPasswordDialog::Execute()
{
    const QString Title = Caption.isEmpty() ? AppTitle() : Caption;
    const QString Shown = Prompt.isEmpty() ? QString::fromLatin1(DesignPrompt) : Prompt;
    FCancel = false;
    QString Typed;
    if (!TUserInteraction::Current().AskPassword(Title, Shown, int(PasswordCase), Typed)) {
        FCancel = true;
        return false;
    }
    return Typed == Password;
}
