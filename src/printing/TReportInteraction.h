#pragma once

#include "TOutputOptions.h"

#include <QString>

class QObject;
class TRvSystem;

// What a report run asks of the person at the screen: the output options
// dialog, the status window and the engine's own preview. The base class
// needs no display (the command-line tool): it keeps the preset options, shows
// no status and no preview. The program installs the windows; tests install
// scripted answers.
class TReportInteraction {
public:
    virtual ~TReportInteraction() = default;

    // The output options dialog under Caption, offering what Setups (the
    // SystemSetup flags) allow; FromPreview: the form for printing from the
    // preview (printer only). False when the person cancels.
    virtual bool OutputOptions(const QString &Caption, int Setups, TOutputOptions &Options, bool FromPreview);
    virtual void StatusShow(const QString &Caption);
    virtual void StatusText(const QString &Text);
    virtual void StatusHide();
    // The preview of a report system without a preview override, in the
    // override's four modes (0 create, 1 show, 2 wait, 3 free).
    virtual void OverridePreview(TRvSystem &System, int Mode, QObject *&Form);

    static TReportInteraction &Current();
    // Installs Interaction (not owned); nullptr restores the base.
    static void Install(TReportInteraction *Interaction);
};
