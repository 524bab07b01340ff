#include "TW3Printing.h"

#include "FormPrintText.h"
#include "TPrinterSetup.h"
#include "TRvProject.h"

TW3Printing::TW3Printing(TRvProject &Project)
    : FProject(Project)
{
    RptFormW3.TitleSetup = QStringLiteral("Form W-3 Setup");
    RptFormW3.TitleStatus = QStringLiteral("Form W-3 Status");
    RptFormW3.TitlePreview = QStringLiteral("Form W-3 Preview");
    RptFormW3.SystemPrinter.Title = QStringLiteral("Form W-3 Report");
    RptFormW3.SystemFiler.StatusFormat = QStringLiteral("Generating page %p");
    RptFormW3.SystemPrinter.StatusFormat = QStringLiteral("Printing page %p");
    RptFormW3.SystemFiler.StreamMode = TStreamMode::Memory;
    RptFormW3.SystemPreview.Maximized = true;
    RptFormW3.SystemPreview.ZoomFactor = 100;
    RptFormW3.SystemPreview.MarginPercent = 2.5;
    RptFormW3.OnPrint = [this](TBaseReport &Output) { RptFormW3Print(Output); };
    RptFormW3.OnBeforePrint = [this](TBaseReport &Output) {
        TPrinterSetup::BeforePrint(RptFormW3, Output, &FProject);
        if (OnBeforePrint)
            OnBeforePrint(Output);
    };
}

void TW3Printing::AttachEngine()
{
    FProject.Engine = &RptFormW3;
}

bool TW3Printing::Print(const EmployerRecord &Employer)
{
    FEmployer = Employer;
    AttachEngine();
    return RptFormW3.Execute();
}

void TW3Printing::RptFormW3Print(TBaseReport &)
{
    FProject.Open();
    FProject.SelectReport(QStringLiteral("FormW3"));
    try {
        for (const auto &[Name, Text] : W3Params(FEmployer))
            FProject.SetParam(Name, Text);
        FProject.Execute();
    } catch (...) {
        FProject.ClearParams();
        FProject.Close();
        throw;
    }
    FProject.ClearParams();
    FProject.Close();
}
