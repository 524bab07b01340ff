#include "TEFW2Batch.h"

#include "AppInfo.h"

#include "CompanyFiles.h"

#include "EFW2Files.h"
#include "EFW2Settings.h"
#include "EInOutError.h"
#include "TCompanyDump.h"
#include "TEFW2Process.h"
#include "TextUtils.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

const QString Program = QStringLiteral("qmrk-w2-cli");
const QString MasterFileName = QStringLiteral("FormsW2Report.txt");

QString ClientFileOf(const QString &W2File)
{
    return ClientFileName(QFileInfo(W2File).fileName());
}

} // namespace

TEFW2Batch::TEFW2Batch(QTextStream &Out, QTextStream &Err)
    : FOut(Out)
    , FErr(Err)
{
}

QString TEFW2Batch::HelpText()
{
    return QStringLiteral(
        "  efw2 --settings QMRK.W2S --out DIR COMPANY%1 [COMPANY%1 ...] [--strict]\n"
        "               write the SSA EFW2 wage report of the companies into DIR,\n"
        "               with the submitter data of the EFW2 window's settings file.\n"
        "               One company gives DIR/NAME.txt (RA, RE, RW and RO..., RT, RU, RF);\n"
        "               several give each client's file in the order given (the\n"
        "               first with RA, the last with RF) and DIR/FormsW2Report.txt\n"
        "               with the whole submission. The settings, QMRK.CP and the\n"
        "               company files are only read. When the submitter data, a\n"
        "               company without valid employees or a W-2 or W-3 check\n"
        "               refuses, or an amount field holds no number of zero or\n"
        "               more, the reason goes to stderr, nothing is written\n"
        "               and the exit status is 3. Each amount that the SSA's\n"
        "               %2 checks would report is a line on stderr (Error or\n"
        "               Notice) and the files are written; with --strict an\n"
        "               Error refuses the run, writes nothing, exit status 3.\n"
        "               A company file that is missing or damaged (a record\n"
        "               cut short) writes nothing either, with exit status 1.\n")
        .arg(W2FileExtension(), YearText());
}

bool TEFW2Batch::ParseArguments(const QStringList &Args)
{
    for (int I = 0; I < Args.size(); ++I) {
        const QString &Arg = Args.at(I);
        if ((Arg == QLatin1String("--settings") || Arg == QLatin1String("--out")) && I + 1 < Args.size())
            (Arg == QLatin1String("--settings") ? FSettingsFile : FOutDir) = Args.at(++I);
        else if (Arg == QLatin1String("--strict"))
            FStrict = true;
        else if (Arg.startsWith(QLatin1String("--")))
            return false;
        else
            FCompanyFiles.append(Arg);
    }
    return !FSettingsFile.isEmpty() && !FOutDir.isEmpty() && !FCompanyFiles.isEmpty();
}

int TEFW2Batch::Refuse(const QString &Where, const QString &Message)
{
    FErr << Program << ": " << EscapeControlChars(Where) << ": " << EscapeControlChars(Message) << "\n";
    return ExitRefused;
}

int TEFW2Batch::Run(const QStringList &Args)
{
    if (!ParseArguments(Args)) {
        FErr << Program << ": efw2 takes --settings FILE, --out DIR and at least one " << W2FileExtension()
             << " file, and --strict as an option\n"
             << "Try '" << Program << " --help'.\n";
        return ExitUsage;
    }
    try {
        FSubmitter = ReadEFW2Settings(FSettingsFile).Submitter();
        ReadCompanies();
        const QList<TEFW2Job> Jobs = MakeJobs();
        const TEFW2Outcome Outcome
            = TEFW2Process(FSubmitter, Jobs)
                  .Run([this, &Jobs](
                           const QList<TEFW2Finding> &Findings) { return AcceptFindings(Jobs, Findings); },
                      FMasterFile);
        if (!Outcome.Written())
            return RefuseOutcome(Jobs, Outcome);
        for (int I = 0; I < FCompanies.size(); ++I)
            FCompanies[I].Lines = Outcome.Lines.at(I);
    } catch (const EException &Error) {
        FErr << Program << ": " << EscapeControlChars(Error.Message()) << "\n";
        return ExitFileError;
    }
    Report();
    return ExitDone;
}

void TEFW2Batch::ReadCompanies()
{
    for (const QString &W2File : std::as_const(FCompanyFiles)) {
        TCompanyDump Dump;
        // A report without every employee is a wrong filing.
        if (QString Problem;
            !Dump.ReadComplete(W2File, QStringLiteral("so no EFW2 file was written"), Problem))
            throw EInOutError(Problem);
        TCompany Company;
        Company.W2File = W2File;
        Company.Client = MakeEFW2Client(Dump.Employer(), Dump.Employees());
        Company.Target = QDir(FOutDir).filePath(ClientFileOf(W2File));
        FCompanies.append(Company);
    }
}

// The parts of a multi-client submission: the first client with the RA, the
// last with the RF counting every client's RW records. The master file
// holds them all.
QList<TEFW2Job> TEFW2Batch::MakeJobs()
{
    qint32 Total = 0;
    for (const TCompany &Company : std::as_const(FCompanies))
        Total += Company.Client.ValidCount();
    const bool Several = FCompanies.size() > 1;
    QList<TEFW2Job> Jobs;
    for (int I = 0; I < FCompanies.size(); ++I) {
        const TCompany &Company = FCompanies.at(I);
        const bool Last = I == FCompanies.size() - 1;
        Jobs.append({ Company.W2File, Company.Client, { Several && I > 0, Several && !Last, Total },
            Company.Target });
    }
    if (Several)
        FMasterFile = QDir(FOutDir).filePath(MasterFileName);
    return Jobs;
}

// Every finding is a line on stderr; with --strict an error refuses the run.
bool TEFW2Batch::AcceptFindings(const QList<TEFW2Job> &Jobs, const QList<TEFW2Finding> &Findings)
{
    for (const TEFW2Finding &Finding : Findings)
        FErr << Program << ": " << EscapeControlChars(Jobs.at(Finding.Job).Source) << ": "
             << EscapeControlChars(Finding.Text()) << "\n";
    return !(FStrict && HasErrors(Findings));
}

int TEFW2Batch::RefuseOutcome(const QList<TEFW2Job> &Jobs, const TEFW2Outcome &Outcome)
{
    switch (Outcome.Stop) {
    case TEFW2Stop::Submitter:
        return Refuse(FSettingsFile, QStringLiteral("%1 (%2)").arg(Outcome.Message, Outcome.Field));
    case TEFW2Stop::Findings:
        FErr << Program << ": --strict: the errors above refuse the run; no EFW2 file was written\n";
        return ExitRefused;
    default:
        return Refuse(Jobs.at(Outcome.Job).Source, Outcome.Message);
    }
}

void TEFW2Batch::Report()
{
    qint32 Total = 0;
    qsizetype MasterLines = 0;
    for (const TCompany &Company : std::as_const(FCompanies)) {
        FOut << EscapeControlChars(Company.Target) << ": "
             << EscapeControlChars(Company.Client.Employer.EmployerName()) << ", "
             << Company.Client.ValidCount() << " employee records, " << Company.Lines.size() << " lines\n";
        Total += Company.Client.ValidCount();
        MasterLines += Company.Lines.size();
    }
    if (!FMasterFile.isEmpty())
        FOut << EscapeControlChars(FMasterFile) << ": " << FCompanies.size() << " clients, " << MasterLines
             << " lines\n";
    FOut << "Total employee records: " << Total << "\n";
}
