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
    if (FWhileBoxShows)
        FWhileBoxShows();
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

bool TScriptedInteraction::TakeTextAnswer(
    QQueue<std::optional<QString>> &Answers, const QString &What, QString &Text)
{
    if (Answers.isEmpty()) {
        FUnexpected.append(QStringLiteral("unscripted ") + What);
        return false;
    }
    const std::optional<QString> Answer = Answers.dequeue();
    if (!Answer)
        return false;
    Text = *Answer;
    return true;
}

bool TScriptedInteraction::SelectFolder(const QString &Caption, QString &Folder)
{
    FCalls.append({ QStringLiteral("SelectFolder"), QString(), Caption, 0 });
    return TakeTextAnswer(FFolderAnswers, QStringLiteral("folder picker: ") + Caption, Folder);
}

bool TScriptedInteraction::SelectOpenFile(
    const QString &Caption, const QString &Folder, const QString &Filter, QString &File)
{
    FCalls.append({ QStringLiteral("SelectOpenFile"), Folder + QLatin1Char('|') + Filter, Caption, 0 });
    return TakeTextAnswer(FOpenFileAnswers, QStringLiteral("open dialog: ") + Caption, File);
}

bool TScriptedInteraction::SelectSaveFile(
    const QString &Caption, const QString &Folder, const QString &Filter, QString &File)
{
    FCalls.append({ QStringLiteral("SelectSaveFile"), Folder + QLatin1Char('|') + Filter, Caption, 0 });
    return TakeTextAnswer(FSaveFileAnswers, QStringLiteral("save dialog: ") + Caption, File);
}

bool TScriptedInteraction::AskPassword(
    const QString &Caption, const QString &Prompt, int PasswordCase, QString &Typed)
{
    FCalls.append({ QStringLiteral("AskPassword"), Prompt, Caption, PasswordCase });
    return TakeTextAnswer(FPasswordAnswers, QStringLiteral("password prompt: ") + Prompt, Typed);
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
    if (!FOpenFileAnswers.isEmpty() || !FSaveFileAnswers.isEmpty())
        Result.append(QStringLiteral("%1 scripted file dialog answer(s) unused")
                          .arg(FOpenFileAnswers.size() + FSaveFileAnswers.size()));
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
    FOpenFileAnswers.clear();
    FSaveFileAnswers.clear();
    FCalls.clear();
    FUnexpected.clear();
    FWaitDepth = 0;
    FWaitShown = 0;
    FWaitMessage = false;
}
