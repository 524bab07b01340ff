#pragma once

#include "TUserInteraction.h"

// Used where no window can be shown (the command-line tool): messages go to
// standard error and questions take their safe answer (Cancel or No where
// offered) so nothing is changed without a person saying so.
class TConsoleInteraction : public TUserInteraction {
public:
    int MessageBox(const QString &Text, const QString &Caption, int Flags) override;
    void BeginWaitCursor() override { }
    void EndWaitCursor() override { }
    void ShowWaitMessage(const QString &, const QString &) override { }
    void HideWaitMessage() override { }
    bool SelectFolder(const QString &, QString &) override { return false; }
    // No password can be typed without a window: the prompt counts as cancelled.
    bool AskPassword(const QString &, const QString &, int, QString &) override { return false; }
    bool SelectOpenFile(const QString &, const QString &, const QString &, QString &) override
    {
        return false;
    }
    bool SelectSaveFile(const QString &, const QString &, const QString &, QString &) override
    {
        return false;
    }
};
