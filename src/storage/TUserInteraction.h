#pragma once

#include <QString>

// Everything the core asks of the person at the screen goes through here:
// messages and questions, the wait cursor and wait window, pickers and
// prompts. The program installs the Qt implementation at start-up; tests
// install a scripted one; the command-line tool keeps the console default.
class TUserInteraction {
public:
    virtual ~TUserInteraction() = default;

    // Shows Text (line breaks already as carriage returns) and returns the
    // button pressed: 1 OK, 2 Cancel, 6 Yes, 7 No.
    virtual int MessageBox(const QString &Text, const QString &Caption, int Flags) = 0;

    // Nested: every Begin is matched by one End.
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;

    virtual void ShowWaitMessage(const QString &Caption, const QString &Text) = 0;
    virtual void HideWaitMessage() = 0;

    // True and the chosen folder when the person confirms.
    virtual bool SelectFolder(const QString &Caption, QString &Folder) = 0;

    // Asks for a password in a masked field with Prompt under Caption;
    // PasswordCase forces the letter case of what is typed (0 as typed,
    // 1 upper, 2 lower). True and the text when the person confirms.
    virtual bool AskPassword(const QString &Caption, const QString &Prompt, int PasswordCase, QString &Typed)
        = 0;

    // The file chosen in an open dialog (it must exist) or a save dialog,
    // starting in Folder and offering Filter ("Label (*.ext)"); false when
    // the person cancels.
    virtual bool SelectOpenFile(
        const QString &Caption, const QString &Folder, const QString &Filter, QString &File)
        = 0;
    virtual bool SelectSaveFile(
        const QString &Caption, const QString &Folder, const QString &Filter, QString &File)
        = 0;

    // A save dialog for documents: DefaultExt ("pdf") is added to a name given
    // without an extension, and replacing an existing file is confirmed. The
    // base asks SelectSaveFile and adds the extension.
    virtual bool SelectSaveDocument(const QString &Caption, const QString &Folder, const QString &Filter,
        const QString &DefaultExt, QString &File);

    static TUserInteraction &Current();
    // Installs Interaction (not owned); nullptr restores the console default.
    static void Install(TUserInteraction *Interaction);
};
