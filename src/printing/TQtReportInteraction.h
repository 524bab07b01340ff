#pragma once

#include "TReportInteraction.h"

#include <QPointer>

class TFrmReportStatus;

// The program's report dialogs: the output options dialog, the status window
// and the preview window for report systems without a preview override.
// Installs itself for its lifetime.
class TQtReportInteraction : public TReportInteraction {
public:
    TQtReportInteraction();
    ~TQtReportInteraction() override;

    bool OutputOptions(
        const QString &Caption, int Setups, TOutputOptions &Options, bool FromPreview) override;
    void StatusShow(const QString &Caption) override;
    void StatusText(const QString &Text) override;
    void StatusHide() override;
    void OverridePreview(TRvSystem &System, int Mode, QObject *&Form) override;

private:
    QPointer<TFrmReportStatus> FStatus;
};
