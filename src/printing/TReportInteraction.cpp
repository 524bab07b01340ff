#include "TReportInteraction.h"

namespace {
TReportInteraction *Installed = nullptr;
}

bool TReportInteraction::OutputOptions(const QString &, int, TOutputOptions &, bool)
{
    return true;
}

void TReportInteraction::StatusShow(const QString &) { }

void TReportInteraction::StatusText(const QString &) { }

void TReportInteraction::StatusHide() { }

void TReportInteraction::OverridePreview(TRvSystem &, int, QObject *&) { }

TReportInteraction &TReportInteraction::Current()
{
    static TReportInteraction Silent;
    return Installed ? *Installed : Silent;
}

void TReportInteraction::Install(TReportInteraction *Interaction)
{
    Installed = Interaction;
}
