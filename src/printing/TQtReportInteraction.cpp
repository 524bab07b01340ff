#include "TQtReportInteraction.h"

#include "TFrmOutputOptions.h"
#include "TFrmReportPreview.h"
#include "TFrmReportStatus.h"

#include <QApplication>

TQtReportInteraction::TQtReportInteraction()
{
    TReportInteraction::Install(this);
}

TQtReportInteraction::~TQtReportInteraction()
{
    StatusHide();
    TReportInteraction::Install(nullptr);
}

bool TQtReportInteraction::OutputOptions(
    const QString &Caption, int Setups, TOutputOptions &Options, bool FromPreview)
{
    TFrmOutputOptions Dialog(Caption, Setups, FromPreview, QApplication::activeWindow());
    Dialog.GetData(Options);
    if (Dialog.exec() != QDialog::Accepted)
        return false;
    Dialog.PutData(Options);
    return true;
}

void TQtReportInteraction::StatusShow(const QString &Caption)
{
    StatusHide();
    FStatus = new TFrmReportStatus(Caption, QApplication::activeWindow());
    FStatus->show();
}

void TQtReportInteraction::StatusText(const QString &Text)
{
    if (FStatus)
        FStatus->SetStatus(Text);
}

void TQtReportInteraction::StatusHide()
{
    delete FStatus.data();
}

void TQtReportInteraction::OverridePreview(TRvSystem &System, int Mode, QObject *&Form)
{
    TFrmReportPreview::OverridePreview(System, Mode, Form, QApplication::activeWindow());
}
