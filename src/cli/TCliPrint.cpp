#include "TCliPrint.h"

#include "EException.h"
#include "FormPrintText.h"
#include "TCompanyDump.h"
#include "TEmployeeListPrintSource.h"
#include "TPrinterSettings.h"
#include "TPrinterSetup.h"
#include "TRvProject.h"
#include "TW2Printing.h"
#include "TW3Printing.h"
#include "TaxFormsProject.h"
#include "TextUtils.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int ExitDone = 0;
constexpr int ExitFileError = 1;
constexpr int ExitUsage = 2;

const QStringList FormNames { QStringLiteral("employee"), QStringLiteral("employer"), QStringLiteral("state"),
    QStringLiteral("ssa"), QStringLiteral("w3") };

// A last name as a file name: upper case, and '_' for every character other
// than letters, digits and '-' (no folder separators, no hidden files).
QString FileNamePart(const QString &LastName)
{
    QString Name = PrintUpper(TrimText(LastName));
    for (QChar &Ch : Name)
        if (!Ch.isLetterOrNumber() && Ch != QLatin1Char('-'))
            Ch = QLatin1Char('_');
    return Name;
}

bool ReadNumber(const QString &Text, int &Value)
{
    bool Ok = false;
    Value = Text.toInt(&Ok);
    return Ok && Value >= 1;
}

} // namespace

TCliPrint::TCliPrint(QTextStream &Out, QTextStream &Err)
    : FOut(Out)
    , FErr(Err)
{
}

QString TCliPrint::HelpText()
{
    return QStringLiteral("  print --form employee|employer|state|ssa|w3 [--first N] [--last M] [--no-mask]\n"
                          "        [--project FILE] (--pdf OUT.pdf | --per-employee DIR | --printer [NAME])\n"
                          "        COMPANY.W225\n"
                          "               print Forms W-2 or the W-3 of a company as the program prints\n"
                          "               them, into a PDF file: the employee copy (one employee a\n"
                          "               page, social security numbers masked unless --no-mask), the\n"
                          "               employer's Copy D or the state's Copy 1 (four a page), the\n"
                          "               SSA's Copy A (two a page, every employee by last and first\n"
                          "               name) or the W-3. --first and --last choose the record\n"
                          "               numbers of the employee, employer and state copies (all by\n"
                          "               default). --per-employee writes each employee's employee\n"
                          "               copy to DIR (an existing folder) as NNNN-LASTNAME.pdf, the\n"
                          "               record number and the last name. The report project is\n"
                          "               TaxForms.RAV beside the program unless --project names one.\n"
                          "               The company files are only read. Exit status 1 when the\n"
                          "               company or the project cannot be read or the output cannot\n"
                          "               be written (nothing is left written), 2 for a wrong command\n"
                          "               line.\n")
        + TCliPrinterOption::HelpText();
}

void TCliPrint::ToPdf(TRvSystem &System, const QString &FileName)
{
    System.DefaultDest = TReportDest::File;
    System.OutputFormat = TFileFormat::PDF;
    System.OutputFileName = FileName;
    System.SystemSetups = 0;
    System.SystemOptions &= ~SystemOption::ShowStatus;
}

void TCliPrint::ReadCompany(TCompanyDump &Company, const QString &W2File)
{
    if (QString Problem; !Company.ReadComplete(W2File, QStringLiteral("so nothing was printed"), Problem))
        throw EException(Problem);
}

int TCliPrint::RunGuarded(QTextStream &Err, const QString &Command, const std::function<int()> &Body)
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        Err << "qmrk-w2-cli: " << Command << " needs a QGuiApplication for its fonts\n";
        return ExitFileError;
    }
    try {
        return Body();
    } catch (const EException &Error) {
        Err << "qmrk-w2-cli: " << EscapeControlChars(Error.Message()) << "\n";
        return ExitFileError;
    }
}

QString TCliPrint::PerEmployeeFileName(int RecNo, const QString &LastName)
{
    const QString Name = FileNamePart(LastName);
    return QStringLiteral("%1%2%3.pdf")
        .arg(RecNo, 4, 10, QLatin1Char('0'))
        .arg(Name.isEmpty() ? QString() : QStringLiteral("-"), Name);
}

bool TCliPrint::Parse(const QStringList &Args, TRequest &Request, QString &Problem)
{
    for (int I = 0; I < Args.size(); ++I) {
        const QString &Arg = Args.at(I);
        if (FPrinter.Take(Args, I))
            continue;
        if (Arg == QLatin1String("--no-mask")) {
            Request.Mask = false;
            continue;
        }
        if (!Arg.startsWith(QLatin1String("--"))) {
            if (!Request.Company.isEmpty()) {
                Problem = QStringLiteral("print takes one company file");
                return false;
            }
            Request.Company = Arg;
            continue;
        }
        if (I + 1 >= Args.size()) {
            Problem = QStringLiteral("%1 needs a value").arg(Arg);
            return false;
        }
        const QString Value = Args.at(++I);
        if (Arg == QLatin1String("--form")) {
            if (!FormNames.contains(Value)) {
                Problem = QStringLiteral("--form takes %1, not '%2'")
                              .arg(FormNames.join(QLatin1Char('|')), Value);
                return false;
            }
            Request.Form = Value;
        } else if (Arg == QLatin1String("--first") || Arg == QLatin1String("--last")) {
            int &Number = Arg == QLatin1String("--first") ? Request.First : Request.Last;
            if (!ReadNumber(Value, Number)) {
                Problem = QStringLiteral("%1 takes a record number from 1, not '%2'").arg(Arg, Value);
                return false;
            }
        } else if (Arg == QLatin1String("--pdf")) {
            Request.Pdf = Value;
        } else if (Arg == QLatin1String("--per-employee")) {
            Request.PerEmployeeDir = Value;
        } else if (Arg == QLatin1String("--project")) {
            Request.Project = Value;
        } else {
            Problem = QStringLiteral("unknown option '%1' for print").arg(Arg);
            return false;
        }
    }
    const int Outputs
        = int(!Request.Pdf.isEmpty()) + int(!Request.PerEmployeeDir.isEmpty()) + int(FPrinter.Requested());
    if (Request.Form.isEmpty() || Request.Company.isEmpty() || Outputs != 1) {
        Problem = QStringLiteral(
            "print needs --form, one of --pdf, --per-employee and --printer, and a company file");
        return false;
    }
    const bool Ranged = Request.Form != QLatin1String("ssa") && Request.Form != QLatin1String("w3");
    if (!Ranged && (Request.First > 0 || Request.Last > 0)) {
        Problem = QStringLiteral("--first and --last do not apply to --form %1").arg(Request.Form);
        return false;
    }
    if (!Request.PerEmployeeDir.isEmpty() && Request.Form != QLatin1String("employee")) {
        Problem = QStringLiteral("--per-employee prints the employee copy only (--form employee)");
        return false;
    }
    return true;
}

int TCliPrint::Usage(const QString &Problem) const
{
    FErr << "qmrk-w2-cli: " << EscapeControlChars(Problem) << "\nTry 'qmrk-w2-cli print --help'.\n";
    return ExitUsage;
}

int TCliPrint::Run(const QStringList &Args, const QString &ProgramDir)
{
    TRequest Request;
    QString Problem;
    if (!Parse(Args, Request, Problem))
        return Usage(Problem);
    return RunPrinting(FErr, QStringLiteral("print"), FPrinter, [&] { return Print(Request, ProgramDir); });
}

int TCliPrint::RunPrinting(
    QTextStream &Err, const QString &Command, TCliPrinterOption &Printer, const std::function<int()> &Body)
{
    return RunGuarded(Err, Command, [&] {
        TCliPrinterOption::UseProgramSettings();
        if (Printer.Requested())
            if (const QString Refused = Printer.Problem(); !Refused.isEmpty())
                throw EException(Refused);
        return Body();
    });
}

void TCliPrint::Route(TRvSystem &System, TCliPrinterOption &Printer, const QString &Pdf)
{
    if (Printer.Requested())
        Printer.Apply(System);
    else
        ToPdf(System, Pdf);
}

int TCliPrint::Done(QTextStream &Out, bool Printed, const TCliPrinterOption &Printer, const QString &Pdf)
{
    if (!Printed)
        throw EException(QStringLiteral("The print run was cancelled; nothing was printed."));
    if (Printer.Requested())
        Out << "Printed on " << EscapeControlChars(Printer.Printer()) << "\n";
    else
        Out << EscapeControlChars(QFileInfo(Pdf).absoluteFilePath()) << "\n";
    return ExitDone;
}

int TCliPrint::Print(const TRequest &Request, const QString &ProgramDir)
{
    TCompanyDump Company;
    ReadCompany(Company, Request.Company);
    TRvProject &Project = TaxFormsProject();
    Project.ProjectFile = Request.Project.isEmpty() ? ProgramDir + TaxFormsFileName() : Request.Project;
    if (Request.Form == QLatin1String("w3")) {
        TW3Printing Printing(Project);
        Route(Printing.RptFormW3, FPrinter, Request.Pdf);
        return Done(FOut, Printing.Print(Company.Employer()), FPrinter, Request.Pdf);
    }
    TEmployeeListPrintSource Source(Company.Employer(), Company.Employees());
    const int Count = Source.RecordCount();
    const int First = Request.First > 0 ? Request.First : 1;
    const int Last = Request.Last > 0 ? Request.Last : Count;
    if (Count == 0 || First > Last || Last > Count)
        return Usage(QStringLiteral("%1 holds the records 1 to %2; --first %3 --last %4 is not among them")
                         .arg(Request.Company)
                         .arg(Count)
                         .arg(First)
                         .arg(Last));
    TW2Printing Printing(Project);
    if (!Request.PerEmployeeDir.isEmpty()) {
        TRequest Range = Request;
        Range.First = First;
        Range.Last = Last;
        PrintPerEmployee(Printing, Source, Range);
        return ExitDone;
    }
    const int FormType = int(FormNames.indexOf(Request.Form));
    Route(Printing.SystemFor(FormType), FPrinter, Request.Pdf);
    return Done(FOut, Printing.Print(Source, FormType, First, Last, Request.Mask), FPrinter, Request.Pdf);
}

void TCliPrint::PrintPerEmployee(TW2Printing &Printing, TW2PrintSource &Source, const TRequest &Request) const
{
    const QFileInfo Dir(Request.PerEmployeeDir);
    if (!Dir.isDir())
        throw EException(QStringLiteral("The folder %1 does not exist.").arg(Dir.absoluteFilePath()));
    // Every copy is made in a folder of its own beside the others first: a
    // failure leaves the folder as it was.
    QTemporaryDir Work(Dir.absoluteFilePath() + QStringLiteral("/.qmrk-print-XXXXXX"));
    if (!Work.isValid())
        throw EException(QStringLiteral("The folder %1 cannot be written: %2")
                             .arg(Dir.absoluteFilePath(), Work.errorString()));
    // These copies are handed to the employees as files: always the whole
    // form, even when Print Setup prints the data alone onto printed forms.
    Printing.OnBeforePrint = [](TBaseReport &) { TPrinterSetup::SetFormPrinting(TaxFormsProject(), {}); };
    QStringList Names;
    for (int R = Request.First; R <= Request.Last; ++R) {
        const QString Name = PerEmployeeFileName(R, Source.Read(R).LastName());
        ToPdf(Printing.RptEmployeeW2, Work.filePath(Name));
        Printing.Print(Source, 0, R, R, Request.Mask);
        Names.append(Name);
    }
    QDir Target(Dir.absoluteFilePath());
    QStringList Moved;
    for (const QString &Name : std::as_const(Names)) {
        const QString To = Target.filePath(Name);
        // rename(2) replaces an older copy of the same name in one step.
        if (std::rename(QFile::encodeName(Work.filePath(Name)).constData(), QFile::encodeName(To).constData())
            != 0) {
            for (const QString &Done : std::as_const(Moved))
                QFile::remove(Target.filePath(Done));
            throw EException(QStringLiteral("The file %1 cannot be written.").arg(To));
        }
        Moved.append(Name);
    }
    for (const QString &Name : std::as_const(Names))
        FOut << EscapeControlChars(Target.absoluteFilePath(Name)) << "\n";
}
