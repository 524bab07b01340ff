#pragma once

#include "TUserInteraction.h"

#include <QPointer>

class TFrmMsgWin;
class QWidget;

// The program's answer to the core's questions: real message boxes, the
// wait cursor, the wait window and the folder picker.
class TQtInteraction : public TUserInteraction {
public:
    TQtInteraction();
    ~TQtInteraction() override;

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
    bool SelectSaveDocument(const QString &Caption, const QString &Folder, const QString &Filter,
        const QString &DefaultExt, QString &File) override;
    bool AskPassword(
        const QString &Caption, const QString &Prompt, int PasswordCase, QString &Typed) override;

private:
    QPointer<TFrmMsgWin> FWaitWindow;
};
