#include "TEFW2Batch.h"

#include "CompanyFiles.h"

#include "EFW2ClientChecks.h"
#include "EFW2Files.h"
#include "EFW2Settings.h"
#include "EFW2Writer.h"
#include "EInOutError.h"
#include "SubmitterRules.h"
#include "TCompanyDump.h"
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
    return QStringLiteral("  efw2 --settings QMRK.W2S --out DIR COMPANY%1 [COMPANY%1 ...]\n"
                          "               write the SSA EFW2 wage report of the companies into DIR,\n"
                          "               with the submitter data of the EFW2 window's settings file.\n"
                          "               One company gives DIR/NAME.txt (RA, RE, RW..., RT, RF);\n"
                          "               several give each client's file in the order given (the\n"
                          "               first with RA, the last with RF) and DIR/FormsW2Report.txt\n"
                          "               with the whole submission. The settings, QMRK.CP and the\n"
                          "               company files are only read. When the submitter data, a\n"
                          "               company without valid employees or a W-2 or W-3 check\n"
                          "               refuses, the reason goes to stderr, nothing is written\n"
                          "               and the exit status is 3. A company file that is missing\n"
                          "               or damaged (a record cut short) writes nothing either,\n"
                          "               with exit status 1.\n")
        .arg(W2FileExtension());
}

bool TEFW2Batch::ParseArguments(const QStringList &Args)
{
    for (int I = 0; I < Args.size(); ++I) {
        const QString &Arg = Args.at(I);
        if ((Arg == QLatin1String("--settings") || Arg == QLatin1String("--out")) && I + 1 < Args.size())
            (Arg == QLatin1String("--settings") ? FSettingsFile : FOutDir) = Args.at(++I);
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
             << " file\n"
             << "Try '" << Program << " --help'.\n";
        return ExitUsage;
    }
    try {
        FSubmitter = ReadEFW2Settings(FSettingsFile).Submitter();
        const TSubmitterCheck Check = ValidateSubmitter(FSubmitter);
        if (!Check.Passed())
            return Refuse(FSettingsFile, QStringLiteral("%1 (%2)").arg(Check.Message, Check.Field));
        ReadCompanies();
        if (const int Code = CheckCompanies(); Code != ExitDone)
            return Code;
        BuildLines();
        WriteFiles();
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

int TEFW2Batch::CheckCompanies()
{
    QStringList Targets;
    QStringList Names;
    if (FCompanies.size() > 1)
        Targets.append(MasterFileName.toLower());
    for (const TCompany &Company : std::as_const(FCompanies)) {
        const QString Name = Company.Client.Employer.EmployerName();
        if (Names.contains(Name, Qt::CaseInsensitive))
            return Refuse(Company.W2File,
                QStringLiteral("the client %1 is already in this submission; a client is processed once")
                    .arg(Name));
        const QString Target = QFileInfo(Company.Target).fileName();
        if (Targets.contains(Target.toLower()))
            return Refuse(Company.W2File,
                QStringLiteral("its client file %1 would overwrite another file of this "
                               "submission")
                    .arg(Target));
        Names.append(Name);
        Targets.append(Target.toLower());
        if (Company.Client.ValidCount() == 0)
            return Refuse(
                Company.W2File, QStringLiteral("This client file does not have any valid W-2 employees."));
        const TEFW2Refusal Refusal = CheckEFW2Client(Company.Client);
        if (Refusal.Refused())
            return Refuse(Company.W2File, Refusal.Text());
    }
    return ExitDone;
}

// The parts of a multi-client submission: the first client with the RA, the
// last with the RF counting every client's RW records.
void TEFW2Batch::BuildLines()
{
    qint32 Total = 0;
    for (const TCompany &Company : std::as_const(FCompanies))
        Total += Company.Client.ValidCount();
    const bool Several = FCompanies.size() > 1;
    for (int I = 0; I < FCompanies.size(); ++I) {
        TCompany &Company = FCompanies[I];
        const bool Last = I == FCompanies.size() - 1;
        const TEFW2Part Part { Several && I > 0, Several && !Last, Total };
        Company.Lines = BuildClientLines(FSubmitter, Company.Client, Part);
        if (Several)
            FMasterLines.append(Company.Lines);
    }
    if (Several)
        FMasterFile = QDir(FOutDir).filePath(MasterFileName);
}

void TEFW2Batch::WriteFiles()
{
    if (!QDir().mkpath(FOutDir))
        throw EInOutError(QStringLiteral("Cannot create the folder %1").arg(FOutDir));
    QList<TTextFile> Files;
    for (const TCompany &Company : std::as_const(FCompanies))
        Files.append({ Company.Target, Company.Lines, true });
    if (!FMasterFile.isEmpty())
        Files.append({ FMasterFile, FMasterLines, true });
    ReplaceTextFiles(Files);
}

void TEFW2Batch::Report()
{
    qint32 Total = 0;
    for (const TCompany &Company : std::as_const(FCompanies)) {
        FOut << EscapeControlChars(Company.Target) << ": "
             << EscapeControlChars(Company.Client.Employer.EmployerName()) << ", "
             << Company.Client.ValidCount() << " employee records, " << Company.Lines.size() << " lines\n";
        Total += Company.Client.ValidCount();
    }
    if (!FMasterFile.isEmpty())
        FOut << EscapeControlChars(FMasterFile) << ": " << FCompanies.size() << " clients, "
             << FMasterLines.size() << " lines\n";
    FOut << "Total employee records: " << Total << "\n";
}
