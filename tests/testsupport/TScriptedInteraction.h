#pragma once

#include "TUserInteraction.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// One thing the code under test asked of the person at the screen.
struct TAskedCall {
    QString Kind; // "MsgBox", "SelectFolder", "ShowWaitMessage", "HideWaitMessage", "AskPassword",
                  // "SelectOpenFile", "SelectSaveFile"
    QString Text; // message text after TildeToCR; the prompt of AskPassword; the folder and filter of a file
                  // dialog
    QString Caption;
    int Flags = 0; // message box flags; the letter-case mode of AskPassword
};

// Stands in for the person: answers from a script and records every call.
// Information boxes (a single OK button) answer OK unscripted; a question
// without a scripted answer is recorded as unexpected and answered with its
// safe button. Install() makes it the current interaction until destroyed.
class TScriptedInteraction : public TUserInteraction {
public:
    TScriptedInteraction();
    ~TScriptedInteraction() override;

    void AnswerMsgBox(int Result) { FMsgAnswers.enqueue(Result); }
    // nullopt: the person cancels the picker.
    void AnswerSelectFolder(std::optional<QString> Folder) { FFolderAnswers.enqueue(Folder); }
    // The text typed into the next password prompt; nullopt: the person cancels.
    void AnswerPassword(std::optional<QString> Typed) { FPasswordAnswers.enqueue(Typed); }
    // nullopt: the person cancels the file dialog.
    void AnswerOpenFile(std::optional<QString> File) { FOpenFileAnswers.enqueue(File); }
    void AnswerSaveFile(std::optional<QString> File) { FSaveFileAnswers.enqueue(File); }
    // Runs while each message box is up, before it is answered: a window test
    // puts a modal window there that takes the focus, as the real box does.
    void WhileBoxShows(std::function<void()> Action) { FWhileBoxShows = std::move(Action); }

    int MessageBox(const QString &Text, const QString &Caption, int Flags) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void ShowWaitMessage(const QString &Caption, const QString &Text) override;
    void HideWaitMessage() override;
    bool SelectFolder(const QString &Caption, QString &Folder) override;
    bool SelectOpenFile(
        const QString &Caption, const QString &Folder, const QString &Filter, QString &File) override;
    bool SelectSaveFile(
        const QString &Caption, const QString &Folder, const QString &Filter, QString &File) override;
    bool AskPassword(
        const QString &Caption, const QString &Prompt, int PasswordCase, QString &Typed) override;

    const QList<TAskedCall> &Calls() const { return FCalls; }
    QList<TAskedCall> MessageBoxes() const;
    // Texts of the message boxes shown, in order.
    QStringList MessageTexts() const;
    int WaitCursorDepth() const { return FWaitDepth; }
    int WaitCursorShown() const { return FWaitShown; }
    bool WaitMessageShown() const { return FWaitMessage; }

    // Empty when every scripted answer was used and nothing unexpected was
    // asked; else what went wrong. Tests check it in cleanup().
    QString Problems() const;
    void Clear();

private:
    bool TakeTextAnswer(QQueue<std::optional<QString>> &Answers, const QString &What, QString &Text);

    QQueue<int> FMsgAnswers;
    QQueue<std::optional<QString>> FFolderAnswers;
    QQueue<std::optional<QString>> FPasswordAnswers;
    QQueue<std::optional<QString>> FOpenFileAnswers;
    QQueue<std::optional<QString>> FSaveFileAnswers;
    std::function<void()> FWhileBoxShows;
    QList<TAskedCall> FCalls;
    QStringList FUnexpected;
    int FWaitDepth = 0;
    int FWaitShown = 0;
    bool FWaitMessage = false;
};
