#include "TCliPrinterOption.h"

#include "CompanyFiles.h"
#include "FileUtils.h"
#include "ShellRules.h"
#include "TAppGlobals.h"
#include "TAppRegistry.h"
#include "TPrinterCatalog.h"
#include "TPrinterSetup.h"
#include "TRvSystem.h"
#include "TextUtils.h"

TCliPrinterOption::~TCliPrinterOption()
{
    if (FOverriding)
        TPrinterSetup::SetPrinterOverride(QString());
}

bool TCliPrinterOption::Take(const QStringList &Args, int &I)
{
    const QString &Arg = Args.at(I);
    if (Arg.startsWith(QLatin1String("--printer="))) {
        FRequested = true;
        FName = Arg.mid(int(qstrlen("--printer=")));
        return true;
    }
    if (Arg != QLatin1String("--printer"))
        return false;
    FRequested = true;
    const QString Next = Args.value(I + 1);
    if (!Next.isEmpty() && !Next.startsWith(QLatin1Char('-'))
        && !Next.endsWith(W2FileExtension(), Qt::CaseInsensitive)) {
        FName = Next;
        ++I;
    }
    return true;
}

QString TCliPrinterOption::HelpText()
{
    return QStringLiteral("               --printer [NAME] prints on the CUPS queue NAME instead, with\n"
                          "               the paper, source, orientation, collation, two-sided\n"
                          "               printing, copies and data-only printing saved in Print\n"
                          "               Setup; without NAME on the printer saved there, or on the\n"
                          "               default printer when none is saved. Exit status 1 when the\n"
                          "               queue is not installed or refuses the job.\n");
}

void TCliPrinterOption::UseProgramSettings()
{
    TAppGlobals &Globals = TAppGlobals::Instance();
    if (Globals.RegBaseKey.isEmpty())
        Globals.RegBaseKey = RegBaseKey(IsDevEnvironmentRunning());
    if (!Globals.AppRegistry)
        Globals.AppRegistry = std::make_unique<TAppRegistry>();
}

QString TCliPrinterOption::StoredPrinter() const
{
    return TrimText(TPrinterSetup::LoadStored().Name);
}

QString TCliPrinterOption::Printer() const
{
    if (!FName.isEmpty())
        return FName;
    const QString Stored = StoredPrinter();
    return Stored.isEmpty() ? TPrinterCatalog::Current().DefaultPrinter() : Stored;
}

QString TCliPrinterOption::Problem() const
{
    TPrinterCatalog &Catalog = TPrinterCatalog::Current();
    if (!FName.isEmpty())
        return Catalog.PrinterNames().contains(FName)
            ? QString()
            : QStringLiteral("The printer %1 is not installed; nothing was printed.").arg(FName);
    const QString Stored = StoredPrinter();
    if (!Stored.isEmpty())
        return Catalog.PrinterNames().contains(Stored)
            ? QString()
            : QStringLiteral("The printer %1 saved in Print Setup is not installed; nothing was printed. "
                             "Name a printer with --printer NAME.")
                  .arg(Stored);
    return Catalog.DefaultPrinter().isEmpty()
        ? QStringLiteral("No printer is installed; nothing was printed.")
        : QString();
}

void TCliPrinterOption::Apply(TRvSystem &System)
{
    System.DefaultDest = TReportDest::Printer;
    System.SystemSetups = 0;
    System.SystemOptions &= ~SystemOption::ShowStatus;
    if (!FName.isEmpty()) {
        TPrinterSetup::SetPrinterOverride(FName);
        FOverriding = true;
    }
}
