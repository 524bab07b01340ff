#include "TW2Printing.h"

#include "FormPrintText.h"
#include "TBaseReport.h"
#include "TPrinterSetup.h"
#include "TRvProject.h"
#include "TW2PrintSource.h"

namespace {

constexpr int CopyD1Slots = 4;

void SetUpSystem(TRvSystem &System, const QString &Copy, const QString &JobTitle)
{
    System.TitleSetup = Copy + QStringLiteral(" Form W-2 Setup");
    System.TitleStatus = Copy + QStringLiteral(" Form W-2 Status");
    System.TitlePreview = Copy + QStringLiteral(" Form W-2 Preview");
    System.SystemPrinter.Title = JobTitle;
    System.SystemFiler.FileName = QStringLiteral("QMRK.RPT");
    System.SystemFiler.StreamMode = TStreamMode::File;
    System.SystemFiler.StatusFormat = QStringLiteral("Generating page %p");
    System.SystemPrinter.StatusFormat = QStringLiteral("Printing page %p");
    System.SystemPreview.Maximized = true;
    System.SystemPreview.ZoomFactor = 120;
    System.SystemPreview.MarginPercent = 2.5;
}

void SetParams(TRvProject &Project, const TReportParams &Params, int Slot = 0)
{
    for (const auto &[Name, Text] : Params)
        Project.SetParam(Slot == 0 ? Name : W2SlotParamName(Name, Slot), Text);
}

// Open, select, run the pages, and always clear and close, also after a
// failure, with the record that was current read again.
void RunReport(
    TRvProject &Project, TW2PrintSource &Source, const QString &Report, const std::function<void()> &Pages)
{
    Project.Open();
    Project.SelectReport(Report);
    Source.Remember();
    try {
        Pages();
    } catch (...) {
        Project.ClearParams();
        Project.Close();
        Source.Restore();
        throw;
    }
    Source.Restore();
    Project.ClearParams();
    Project.Close();
}

} // namespace

TW2Printing::TW2Printing(TRvProject &Project)
    : FProject(Project)
{
    SetUpSystem(RptEmployeeW2, QStringLiteral("Employee"), QStringLiteral("Employee Form W-2 Report"));
    SetUpSystem(RptEmployeeW2D1, QStringLiteral("Employer"), QStringLiteral("Employee Form W-2 Report"));
    SetUpSystem(RptSSAW2, QStringLiteral("SSA"), QStringLiteral("SSA Form W-2 Report"));
    RptEmployeeW2.OnPrint = [this](TBaseReport &Output) { RptEmployeeW2Print(Output); };
    RptEmployeeW2D1.OnPrint = [this](TBaseReport &Output) { RptEmployeeW2D1Print(Output); };
    RptSSAW2.OnPrint = [this](TBaseReport &Output) { RptSSAW2Print(Output); };
    for (TRvSystem *System : { &RptEmployeeW2, &RptEmployeeW2D1, &RptSSAW2 })
        System->OnBeforePrint = [this, System](TBaseReport &Output) {
            TPrinterSetup::BeforePrint(*System, Output, &FProject);
            if (OnBeforePrint)
                OnBeforePrint(Output);
        };
}

QString TW2Printing::CopyCaption(int FormType)
{
    return FormType == 2 ? QStringLiteral("Copy 1 \u2014 For State, City, or Local Tax Department")
                         : QStringLiteral("Copy D \u2014 For Employer");
}

TRvSystem &TW2Printing::SystemFor(int FormType)
{
    switch (W2CopyOfFormType(FormType)) {
    case TW2Copy::Employee:
        return RptEmployeeW2;
    case TW2Copy::SSA:
        return RptSSAW2;
    case TW2Copy::Employer:
    case TW2Copy::State:
        break;
    }
    const QString Copy = FormType == 2 ? QStringLiteral("State") : QStringLiteral("Employer");
    RptEmployeeW2D1.TitleSetup = Copy + QStringLiteral(" Form W-2 Setup");
    RptEmployeeW2D1.TitleStatus = Copy + QStringLiteral(" Form W-2 Status");
    RptEmployeeW2D1.TitlePreview = Copy + QStringLiteral(" Form W-2 Preview");
    return RptEmployeeW2D1;
}

bool TW2Printing::Print(TW2PrintSource &Source, int FormType, int First, int Last, bool MaskSSN)
{
    FSource = &Source;
    FFormType = int(W2CopyOfFormType(FormType));
    FFirst = First;
    FLast = Last;
    FMaskSSN = MaskSSN;
    TRvSystem &System = SystemFor(FFormType);
    FProject.Engine = &System;
    return System.Execute();
}

void TW2Printing::SetSlot(int Slot, const TW2PrintSource &Source, const EmployeeRecord &Employee)
{
    const TW2Copy Copy = W2CopyOfFormType(FFormType);
    SetParams(FProject, W2EmployerParams(Source.Employer()), Slot);
    SetParams(FProject, W2EmployeeParams(Employee, Copy, FMaskSSN), Slot);
}

void TW2Printing::RptEmployeeW2Print(TBaseReport &Output)
{
    TW2PrintSource &Source = *FSource;
    RunReport(FProject, Source, QStringLiteral("FormW2"), [&] {
        SetParams(FProject, W2EmployerParams(Source.Employer()));
        for (int R = FFirst; R <= FLast; ++R) {
            SetParams(FProject, W2EmployeeParams(Source.Read(R), TW2Copy::Employee, FMaskSSN));
            FProject.Execute();
            if (R != FLast)
                Output.NewPage();
        }
    });
}

void TW2Printing::RptEmployeeW2D1Print(TBaseReport &Output)
{
    TW2PrintSource &Source = *FSource;
    RunReport(FProject, Source, QStringLiteral("FormW2_CopyD1"), [&] {
        int Slot = 0;
        for (int R = FFirst; R <= FLast; ++R) {
            ++Slot;
            SetSlot(Slot, Source, Source.Read(R));
            FProject.SetParam(QStringLiteral("FormType"), CopyCaption(FFormType));
            if (Slot == CopyD1Slots || R == FLast)
                FProject.Execute();
            if (Slot == CopyD1Slots && R != FLast) {
                Output.NewPage();
                FProject.ClearParams();
                Slot = 0;
            }
        }
    });
}

void TW2Printing::RptSSAW2Print(TBaseReport &Output)
{
    TW2PrintSource &Source = *FSource;
    const QList<int> Records = Source.SortedRecords();
    const int N = int(Records.size());
    RunReport(FProject, Source, QStringLiteral("FormW2_SSA"), [&] {
        for (int K = 0; K < N; ++K) {
            const int Slot = K % 2 == 0 ? 1 : 2;
            SetSlot(Slot, Source, Source.Read(Records.at(K)));
            if (N % 2 == 1 && K == N - 1)
                FProject.SetParam(QStringLiteral("Void2"), QStringLiteral("X"));
            if (Slot == 2 || K == N - 1)
                FProject.Execute();
            if (Slot == 2 && K + 1 < N) {
                Output.NewPage();
                FProject.ClearParams();
            }
        }
    });
}
