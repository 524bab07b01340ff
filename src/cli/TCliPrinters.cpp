#include "TCliPrinters.h"

#include "TPrinterCatalog.h"
#include "TextUtils.h"

#include <QTextStream>

namespace {

void List(QTextStream &Out, const QString &Heading, const QStringList &Names)
{
    Out << "  " << Heading << ":" << (Names.isEmpty() ? " (none)" : "") << "\n";
    for (const QString &Name : Names)
        Out << "    " << EscapeControlChars(Name) << "\n";
}

} // namespace

TCliPrinters::TCliPrinters(QTextStream &Out)
    : FOut(Out)
{
}

QString TCliPrinters::HelpText()
{
    return QStringLiteral("  printers     list the installed printers, the default one marked\n"
                          "               \"(default)\", each with its paper sizes and paper sources\n"
                          "               as Print Setup offers them.\n");
}

int TCliPrinters::Run(const QStringList &Args, QTextStream &Err)
{
    if (!Args.isEmpty()) {
        Err << "qmrk-w2-cli: printers takes no arguments\nTry 'qmrk-w2-cli printers --help'.\n";
        return 2;
    }
    TPrinterCatalog &Catalog = TPrinterCatalog::Current();
    const QStringList Printers = Catalog.PrinterNames();
    if (Printers.isEmpty())
        FOut << "No printer is installed.\n";
    const QString Default = Catalog.DefaultPrinter();
    for (const QString &Printer : Printers) {
        FOut << EscapeControlChars(Printer) << (Printer == Default ? " (default)" : "") << "\n";
        List(FOut, QStringLiteral("Paper sizes"), Catalog.PaperNames(Printer));
        List(FOut, QStringLiteral("Paper sources"), Catalog.BinNames(Printer));
    }
    return 0;
}
