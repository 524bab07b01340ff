#include "TEFW2Process.h"

#include "EFW2ClientChecks.h"
#include "EFW2Files.h"
#include "EInOutError.h"
#include "SubmitterRules.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString NoEmployeesText = QStringLiteral("This client file does not have any valid W-2 employees.");

TEFW2Outcome &Stop(
    TEFW2Outcome &Outcome, TEFW2Stop Why, int Job, const QString &Field, const QString &Message)
{
    Outcome.Stop = Why;
    Outcome.Job = Job;
    Outcome.Field = Field;
    Outcome.Message = Message;
    return Outcome;
}

} // namespace

TEFW2Process::TEFW2Process(const TSubmitterData &Submitter, QList<TEFW2Job> Jobs)
    : FSubmitter(Submitter)
    , FJobs(std::move(Jobs))
{
}

TEFW2Outcome TEFW2Process::Run(const TEFW2FindingsDecision &Decide, const QString &MasterFile)
{
    TEFW2Outcome Outcome;
    if (!CheckClients(Outcome))
        return Outcome;
    const TSubmitterCheck Check = ValidateSubmitter(FSubmitter);
    if (!Check.Passed())
        return Stop(Outcome, TEFW2Stop::Submitter, -1, Check.Field, Check.Message);
    if (!CheckForms(Outcome) || !CheckLimits(Outcome, Decide))
        return Outcome;
    Write(Outcome, MasterFile);
    return Outcome;
}

// A client is processed once per submission, and no client file may take
// the place of another file of the run.
bool TEFW2Process::CheckClients(TEFW2Outcome &Outcome) const
{
    QStringList Names;
    QStringList Targets;
    for (int I = 0; I < FJobs.size(); ++I) {
        const TEFW2Job &Job = FJobs.at(I);
        const QString Name = Job.Client.Employer.EmployerName();
        if (Names.contains(Name, Qt::CaseInsensitive)) {
            Stop(Outcome, TEFW2Stop::Client, I, QString(),
                QStringLiteral("the client %1 is already in this submission; a client is processed once")
                    .arg(Name));
            return false;
        }
        const QString Target = QFileInfo(Job.Target).fileName();
        if (Targets.contains(Target, Qt::CaseInsensitive)) {
            Stop(Outcome, TEFW2Stop::Client, I, QString(),
                QStringLiteral("its client file %1 would overwrite another file of this submission")
                    .arg(Target));
            return false;
        }
        Names.append(Name);
        Targets.append(Target);
        if (Job.Client.ValidCount() == 0) {
            Stop(Outcome, TEFW2Stop::NoEmployees, I, QString(), NoEmployeesText);
            return false;
        }
    }
    return true;
}

bool TEFW2Process::CheckForms(TEFW2Outcome &Outcome) const
{
    for (int I = 0; I < FJobs.size(); ++I) {
        const TEFW2Refusal Refusal = CheckEFW2Client(FJobs.at(I).Client);
        if (Refusal.Refused()) {
            Stop(Outcome, TEFW2Stop::Client, I, Refusal.Field, Refusal.Text());
            return false;
        }
    }
    return true;
}

bool TEFW2Process::CheckLimits(TEFW2Outcome &Outcome, const TEFW2FindingsDecision &Decide) const
{
    for (int I = 0; I < FJobs.size(); ++I)
        for (TEFW2Finding Finding : CheckEFW2Limits(FJobs.at(I).Client)) {
            Finding.Job = I;
            Outcome.Findings.append(Finding);
        }
    if (Outcome.Findings.isEmpty() || Decide(Outcome.Findings))
        return true;
    Stop(Outcome, TEFW2Stop::Findings, -1, QString(), QString());
    return false;
}

void TEFW2Process::Write(TEFW2Outcome &Outcome, const QString &MasterFile) const
{
    // The folder is made only now: a refused run leaves no trace.
    for (const TEFW2Job &Job : FJobs)
        if (const QString Folder = QFileInfo(Job.Target).absolutePath(); !QDir().mkpath(Folder))
            throw EInOutError(QStringLiteral("Cannot create the folder %1").arg(Folder));
    QList<TTextFile> Files;
    QStringList Master;
    for (const TEFW2Job &Job : FJobs) {
        const QStringList Lines = BuildClientLines(FSubmitter, Job.Client, Job.Part);
        Outcome.Lines.append(Lines);
        Files.append({ Job.Target, Lines, true });
        Master += Lines;
    }
    if (!MasterFile.isEmpty())
        Files.append({ MasterFile, Master, true });
    ReplaceTextFiles(Files);
}
