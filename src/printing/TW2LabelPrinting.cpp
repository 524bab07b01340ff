#include "TW2LabelPrinting.h"

#include "LabelText.h"
#include "TBaseReport.h"
#include "TPrinterSetup.h"
#include "TRPBarsPostNet.h"
#include "TW2PrintSource.h"

TW2LabelPrinting::TW2LabelPrinting()
{
    RptW2Labels.TitleSetup = QStringLiteral("Employee Labels Setup");
    RptW2Labels.TitleStatus = QStringLiteral("Employee Labels Status");
    RptW2Labels.TitlePreview = QStringLiteral("Employee Labels Preview (Avery 5160)");
    RptW2Labels.SystemPrinter.Title = QStringLiteral("Quillmark W-2 Labels");
    RptW2Labels.SystemFiler.FileName = QStringLiteral("QMRK.RPT");
    RptW2Labels.SystemFiler.StreamMode = TStreamMode::File;
    RptW2Labels.SystemFiler.StatusFormat = QStringLiteral("Generating page %p");
    RptW2Labels.SystemPrinter.StatusFormat = QStringLiteral("Printing page %p");
    RptW2Labels.SystemPreview.Maximized = true;
    RptW2Labels.SystemPreview.ZoomFactor = 100;
    RptW2Labels.SystemPreview.MarginPercent = 2.5;
    RptW2Labels.SystemPreview.ShadowDepth = 5;
    RptW2Labels.OnBeforePrint = [this](TBaseReport &Output) { RptW2LabelsBeforePrint(Output); };
    RptW2Labels.OnPrint = [this](TBaseReport &Output) { RptW2LabelsPrint(Output); };
    RptW2Labels.OnAfterPrint = [this] { RptW2LabelsAfterPrint(); };
    LabelShell.OnReportBefore = [this](TBaseReport &Output) { LabelShellReportBefore(Output); };
    LabelShell.OnLabelPrint = [this](TBaseReport &Output) { LabelShellLabelPrint(Output); };
    LabelShell.OnLabelAfter = [this](TBaseReport &Output) { return LabelShellLabelAfter(Output); };
}

TW2LabelPrinting::~TW2LabelPrinting() = default;

bool TW2LabelPrinting::Print(TW2PrintSource &Source)
{
    FSource = &Source;
    try {
        const bool Done = RptW2Labels.Execute();
        // A run that fails in its preview never reaches its after-print event.
        EndRun();
        return Done;
    } catch (...) {
        EndRun();
        throw;
    }
}

void TW2LabelPrinting::RptW2LabelsBeforePrint(TBaseReport &Output)
{
    // The printer choice of Print Setup; labels are never printed as data
    // alone, so no form project is given.
    TPrinterSetup::BeforePrint(RptW2Labels, Output, nullptr);
    if (OnBeforePrint)
        OnBeforePrint(Output);
}

void TW2LabelPrinting::RptW2LabelsPrint(TBaseReport &Output)
{
    FBarCode = std::make_unique<TRPBarsPostNet>(Output);
    FBarCode->Left = BarCodeLeft;
    FBarCode->UseChecksum = true;
    FBarCode->PrintReadable = false;
    LabelShell.Execute(Output);
}

void TW2LabelPrinting::RptW2LabelsAfterPrint()
{
    EndRun();
}

void TW2LabelPrinting::EndRun()
{
    if (FRemembered) {
        FRemembered = false;
        FSource->Restore();
    }
    FBarCode.reset();
    FEmployee = nullptr;
}

void TW2LabelPrinting::LabelShellReportBefore(TBaseReport &Output)
{
    FSource->Remember();
    FRemembered = true;
    FRecNo = FSource->FirstRecord();
    FEmployee = FRecNo <= FSource->LastRecord() ? &FSource->Read(FRecNo) : nullptr;
    Output.SetFont(QStringLiteral("Arial"), 9);
}

void TW2LabelPrinting::LabelShellLabelPrint(TBaseReport &Output)
{
    if (!FEmployee)
        return;
    const TLabelLines Lines = LabelLines(*FEmployee);
    Output.YPos = Lines.HasBarCode() ? TextTopWithBarCode : TextTopWithoutBarCode;
    Output.PrintLn(Lines.Name);
    Output.PrintLn(Lines.Street);
    Output.PrintLn(Lines.CityStateZip);
    if (Lines.HasBarCode()) {
        FBarCode->Text = Lines.BarCodeDigits;
        FBarCode->Bottom = Output.YPos + BarCodeDrop;
        FBarCode->Print();
    }
}

bool TW2LabelPrinting::LabelShellLabelAfter(TBaseReport &)
{
    if (FRecNo >= FSource->LastRecord())
        return false;
    FEmployee = &FSource->Read(++FRecNo);
    return true;
}
