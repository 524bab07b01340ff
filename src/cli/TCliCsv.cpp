#include "TCliCsv.h"

#include "CompanyFiles.h"
#include "EException.h"
#include "EmployeeExport.h"
#include "FileUtils.h"
#include "TCompanyDump.h"
#include "TEmployeeImport.h"
#include "TextUtils.h"

#include <QTextStream>

namespace {

// A spreadsheet of 10,000 employees is a few megabytes; this is room enough.
constexpr qint64 MaxCsvSize = 256 * 1024 * 1024;

} // namespace

TCliCsv::TCliCsv(QTextStream &Out, QTextStream &Err)
    : FOut(Out)
    , FErr(Err)
{
}

QString TCliCsv::HelpText()
{
    return QStringLiteral("  import --csv FILE PATH%1\n"
                          "               add the employees of a CSV file to a company: the first row\n"
                          "               names the columns by the employee record's field names. Every\n"
                          "               row must pass the W-2 checks, or nothing is written and every\n"
                          "               problem is printed as \"row N, Field: message\". A company with\n"
                          "               a file password is refused.\n"
                          "  export --csv FILE PATH%1\n"
                          "               write every employee of a company to a CSV file (UTF-8).\n")
        .arg(W2FileExtension());
}

int TCliCsv::RunOnFiles(const QString &Command, const QStringList &Args, TWork Work)
{
    if (Args.size() != 3 || Args[0] != QLatin1String("--csv")) {
        FErr << "qmrk-w2-cli: " << Command << " takes --csv FILE and the path of a " << W2FileExtension()
             << " file\nTry 'qmrk-w2-cli --help'.\n";
        return 2;
    }
    const QString &W2File = Args[2];
    if (!W2File.endsWith(W2FileExtension())) {
        FErr << "qmrk-w2-cli: " << EscapeControlChars(W2File) << " is not a " << W2FileExtension()
             << " file\nTry 'qmrk-w2-cli --help'.\n";
        return 2;
    }
    try {
        return (this->*Work)(Args[1], W2File);
    } catch (const EException &Error) {
        return Fail(Error.Message());
    }
}

int TCliCsv::Fail(const QString &Problem)
{
    FErr << "qmrk-w2-cli: " << EscapeControlChars(Problem) << "\n";
    return 1;
}

int TCliCsv::Import(const QStringList &Args)
{
    return RunOnFiles(QStringLiteral("import"), Args, &TCliCsv::ImportCsv);
}

int TCliCsv::ImportCsv(const QString &CsvFile, const QString &W2File)
{
    TEmployeeImport Import;
    QString Problem;
    if (!Import.ReadCompany(W2File, Problem))
        return Fail(Problem);
    // Only the program asks for the file password; without a display
    // nobody can give it, and no one else may change the company.
    if (!IsBlank(Import.Employer().FilePassword()))
        return Fail(W2File
            + QStringLiteral(": the company has a file password; import its employees in the program"));
    QByteArray Csv;
    if (!ReadRegularFile(CsvFile, MaxCsvSize, Csv, Problem))
        return Fail(CsvFile + QStringLiteral(": ") + Problem);
    Import.Load(Csv);
    for (const TImportProblem &Found : Import.Problems())
        FErr << EscapeControlChars(Found.Text()) << "\n";
    if (!Import.Problems().isEmpty())
        return 1;
    if (const QString Failure = Import.WriteCompany(W2File); !Failure.isEmpty())
        return Fail(W2File + QStringLiteral(": ") + Failure + QStringLiteral("; nothing was imported"));
    FOut << CountText(Import.Records().size(), QStringLiteral("employee"), QStringLiteral("employees"))
         << " imported.\n";
    return 0;
}

int TCliCsv::Export(const QStringList &Args)
{
    return RunOnFiles(QStringLiteral("export"), Args, &TCliCsv::ExportCsv);
}

int TCliCsv::ExportCsv(const QString &CsvFile, const QString &W2File)
{
    TCompanyDump Company;
    QString Problem;
    if (!Company.ReadComplete(W2File, QStringLiteral("nothing was exported"), Problem))
        return Fail(Problem);
    if (const QString Failure = WriteEmployeesCsv(CsvFile, Company.Employees()); !Failure.isEmpty())
        return Fail(CsvFile + QStringLiteral(": ") + Failure);
    FOut << CountText(Company.Employees().size(), QStringLiteral("employee"), QStringLiteral("employees"))
         << " exported.\n";
    return 0;
}
