#include "TPrinterSetup.h"

#include "AppInfo.h"
#include "EPrintCancelled.h"
#include "MsgBox.h"
#include "TAppGlobals.h"
#include "TAppRegistry.h"
#include "TBaseReport.h"
#include "TPrinterCatalog.h"
#include "TPrinterSettings.h"
#include "TRvProject.h"
#include "TRvSystem.h"
#include "TextUtils.h"

namespace {

QString &Override()
{
    static QString Name;
    return Name;
}

// Never prints silently somewhere else: the person says whether the default
// printer will do.
void ConfirmMissingPrinter(const QString &Name)
{
    const QString Default = TPrinterCatalog::Current().DefaultPrinter();
    if (Default.isEmpty()) {
        MsgBox(QStringLiteral("The printer %1 saved in Print Setup is not installed, and there is no other "
                              "printer.~~Nothing was printed.")
                   .arg(Name),
            AppTitle(), MsgFlag::IconError);
        throw EPrintCancelled();
    }
    const int Answer = MsgBox(TPrinterSetup::MissingPrinterText(Name, Default), AppTitle(),
        MsgFlag::OkCancel | MsgFlag::IconQuestion | MsgFlag::DefaultButton2);
    if (Answer != MsgResult::Ok)
        throw EPrintCancelled();
}

TDuplex DuplexOf(quint8 Duplex)
{
    switch (Duplex) {
    case 1:
        return TDuplex::Vertical;
    case 2:
        return TDuplex::Horizontal;
    default:
        return TDuplex::Simplex;
    }
}

TOrientation OrientationOf(quint8 Orientation)
{
    switch (Orientation) {
    case 0:
        return TOrientation::Portrait;
    case 1:
        return TOrientation::Landscape;
    default:
        return TOrientation::Default;
    }
}

} // namespace

QString TPrinterSetup::MissingPrinterText(const QString &Name, const QString &Default)
{
    return QStringLiteral("The printer %1 saved in Print Setup is not installed.~~Choose OK to print on the "
                          "default printer %2 instead, or Cancel to print nothing.")
        .arg(Name, Default);
}

void TPrinterSetup::BeforePrint(const TRvSystem &System, TBaseReport &Output, TRvProject *Forms)
{
    SetPrinterSetup(Output, System.Destination() != TReportDest::File);
    if (Forms)
        SetFormPrinting(*Forms, TAppGlobals::Instance().PrinterSettings);
}

TPrinterSettings &TPrinterSetup::LoadStored()
{
    TAppGlobals &Globals = TAppGlobals::Instance();
    if (Globals.AppRegistry)
        Globals.PrinterSettings.LoadFromFile(*Globals.AppRegistry, TPrinterSettings::StoredKey());
    return Globals.PrinterSettings;
}

void TPrinterSetup::SetPrinterSetup(TBaseReport &Output, bool OnPaper)
{
    TPrinterSettings Settings = LoadStored();
    if (!Override().isEmpty())
        Settings.Name = Override();
    const QString Name = TrimText(Settings.Name);
    if (Name.isEmpty())
        return;
    if (!Output.SelectPrinter(Name) && OnPaper)
        ConfirmMissingPrinter(Name);
    Output.SelectPaper(TrimText(Settings.Paper));
    Output.SelectBin(TrimText(Settings.Bin));
    Output.SetOrientation(OrientationOf(Settings.Orientation));
    if (Output.SupportCollate())
        Output.SetCollate(Settings.Collate);
    if (Output.SupportDuplex())
        Output.SetDuplex(DuplexOf(Settings.Duplex));
    Output.SetCopies(Settings.Copies);
}

void TPrinterSetup::SetFormPrinting(TRvProject &Forms, const TPrinterSettings &Settings)
{
    Forms.PrintBackground = !Settings.DataOnly;
    Forms.PreviewBackground = Settings.DataOnly;
    Forms.DataOffsetX = Settings.DataOnly ? Settings.OffsetX / 100.0 : 0.0;
    Forms.DataOffsetY = Settings.DataOnly ? Settings.OffsetY / 100.0 : 0.0;
}

void TPrinterSetup::SetPrinterOverride(const QString &Name)
{
    Override() = Name;
}

QString TPrinterSetup::PrinterOverride()
{
    return Override();
}
