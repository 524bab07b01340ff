#include "TScriptedInteraction.h"

#include "MsgBox.h"

TScriptedInteraction::TScriptedInteraction()
{
    TUserInteraction::Install(this);
}

TScriptedInteraction::~TScriptedInteraction()
{
    TUserInteraction::Install(nullptr);
}

int TScriptedInteraction::MessageBox(const QString &Text, const QString &Caption, int Flags)
{
    FCalls.append({ QStringLiteral("MsgBox"), Text, Caption, Flags });
    if (!FMsgAnswers.isEmpty())
        return FMsgAnswers.dequeue();
    if ((Flags & MsgFlag::ButtonsMask) != MsgFlag::Ok)
        FUnexpected.append(QStringLiteral("unscripted question: ") + Text);
    return MsgBoxSafeAnswer(Flags);
}

void TScriptedInteraction::BeginWaitCursor()
{
    ++FWaitDepth;
    ++FWaitShown;
}

void TScriptedInteraction::EndWaitCursor()
{
    --FWaitDepth;
}

void TScriptedInteraction::ShowWaitMessage(const QString &Caption, const QString &Text)
{
    FCalls.append({ QStringLiteral("ShowWaitMessage"), Text, Caption, 0 });
    FWaitMessage = true;
}

void TScriptedInteraction::HideWaitMessage()
{
    FCalls.append({ QStringLiteral("HideWaitMessage"), QString(), QString(), 0 });
    FWaitMessage = false;
}

bool TScriptedInteraction::SelectFolder(const QString &Caption, QString &Folder)
{
    FCalls.append({ QStringLiteral("SelectFolder"), QString(), Caption, 0 });
    if (FFolderAnswers.isEmpty()) {
        FUnexpected.append(QStringLiteral("unscripted folder picker: ") + Caption);
        return false;
    }
    const std::optional<QString> Answer = FFolderAnswers.dequeue();
    if (!Answer)
        return false;
    Folder = *Answer;
    return true;
}

bool TScriptedInteraction::AskPassword(
    const QString &Caption, const QString &Prompt, int PasswordCase, QString &Typed)
{
    FCalls.append({QStringLiteral("AskPassword"), Prompt, Caption, PasswordCase});
    if (FPasswordAnswers.isEmpty()) {
        FUnexpected.append(QStringLiteral("unscripted password prompt: ") + Prompt);
        return false;
    }
    const std::optional<QString> Answer = FPasswordAnswers.dequeue();
    if (!Answer)
        return false;
    Typed = *Answer;
    return true;
}

QList<TAskedCall> TScriptedInteraction::MessageBoxes() const
{
    QList<TAskedCall> Result;
    for (const TAskedCall &Call : FCalls)
        if (Call.Kind == QLatin1String("MsgBox"))
            Result.append(Call);
    return Result;
}

QStringList TScriptedInteraction::MessageTexts() const
{
    QStringList Result;
    for (const TAskedCall &Call : MessageBoxes())
        Result.append(Call.Text);
    return Result;
}

QString TScriptedInteraction::Problems() const
{
    QStringList Result = FUnexpected;
    if (!FMsgAnswers.isEmpty())
        Result.append(QStringLiteral("%1 scripted message answer(s) unused").arg(FMsgAnswers.size()));
    if (!FFolderAnswers.isEmpty())
        Result.append(QStringLiteral("%1 scripted folder answer(s) unused").arg(FFolderAnswers.size()));
    if (!FPasswordAnswers.isEmpty())
        Result.append(QStringLiteral("%1 scripted password answer(s) unused").arg(FPasswordAnswers.size()));
    if (FWaitDepth != 0)
        Result.append(QStringLiteral("wait cursor left at depth %1").arg(FWaitDepth));
    if (FWaitMessage)
        Result.append(QStringLiteral("wait message left showing"));
    return Result.join(QStringLiteral("; "));
}

void TScriptedInteraction::Clear()
{
    FMsgAnswers.clear();
    FFolderAnswers.clear();
    FPasswordAnswers.clear();
    FCalls.clear();
    FUnexpected.clear();
    FWaitDepth = 0;
    FWaitShown = 0;
    FWaitMessage = false;
}
