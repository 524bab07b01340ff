#include "TCliLabels.h"

#include "EException.h"
#include "TCliPrint.h"
#include "TCompanyDump.h"
#include "TEmployeeListPrintSource.h"
#include "TW2LabelPrinting.h"
#include "TextUtils.h"

#include <QFileInfo>
#include <QTextStream>

namespace {

constexpr int ExitDone = 0;
constexpr int ExitUsage = 2;

} // namespace

TCliLabels::TCliLabels(QTextStream &Out, QTextStream &Err)
    : FOut(Out)
    , FErr(Err)
{
}

QString TCliLabels::HelpText()
{
    return QStringLiteral("  labels (--pdf OUT.pdf | --printer [NAME]) COMPANY.W225\n"
                          "               print the employee mailing labels of a company as the\n"
                          "               program prints them, into a PDF file: one label for every\n"
                          "               employee record, blank ones included, on Avery 5160\n"
                          "               sheets (30 a page), with a POSTNET bar code for a ZIP+4\n"
                          "               address. The company files are only read. Exit status 1\n"
                          "               when the company cannot be read or the output cannot be\n"
                          "               written (nothing is left written), 2 for a wrong command\n"
                          "               line.\n")
        + TCliPrinterOption::HelpText();
}

bool TCliLabels::Parse(const QStringList &Args, TRequest &Request, QString &Problem)
{
    for (int I = 0; I < Args.size(); ++I) {
        const QString &Arg = Args.at(I);
        if (FPrinter.Take(Args, I))
            continue;
        if (!Arg.startsWith(QLatin1String("--"))) {
            if (!Request.Company.isEmpty()) {
                Problem = QStringLiteral("labels takes one company file");
                return false;
            }
            Request.Company = Arg;
            continue;
        }
        if (Arg != QLatin1String("--pdf")) {
            Problem = QStringLiteral("unknown option '%1' for labels").arg(Arg);
            return false;
        }
        if (I + 1 >= Args.size()) {
            Problem = QStringLiteral("%1 needs a value").arg(Arg);
            return false;
        }
        Request.Pdf = Args.at(++I);
    }
    if (Request.Pdf.isEmpty() == !FPrinter.Requested() || Request.Company.isEmpty()) {
        Problem = QStringLiteral("labels needs one of --pdf and --printer, and a company file");
        return false;
    }
    return true;
}

int TCliLabels::Usage(const QString &Problem) const
{
    FErr << "qmrk-w2-cli: " << EscapeControlChars(Problem) << "\nTry 'qmrk-w2-cli labels --help'.\n";
    return ExitUsage;
}

int TCliLabels::Run(const QStringList &Args)
{
    TRequest Request;
    QString Problem;
    if (!Parse(Args, Request, Problem))
        return Usage(Problem);
    return TCliPrint::RunPrinting(FErr, QStringLiteral("labels"), FPrinter, [&] { return Print(Request); });
}

int TCliLabels::Print(const TRequest &Request)
{
    TCompanyDump Company;
    TCliPrint::ReadCompany(Company, Request.Company);
    if (Company.Employees().isEmpty())
        throw EException(QStringLiteral("%1 holds no employee records, so nothing was printed.")
                             .arg(QFileInfo(Request.Company).absoluteFilePath()));
    TEmployeeListPrintSource Source(Company.Employer(), Company.Employees());
    TW2LabelPrinting Labels;
    TCliPrint::Route(Labels.RptW2Labels, FPrinter, Request.Pdf);
    return TCliPrint::Done(FOut, Labels.Print(Source), FPrinter, Request.Pdf);
}
