#include "TTransferRun.h"

#include "AppInfo.h"
#include "CompanyFiles.h"
#include "ECopyFileException.h"
#include "EFileReadException.h"
#include "EmployeeLayout.h"
#include "EmployerLayout.h"
#include "FileUtils.h"
#include "PriorYearRecords.h"
#include "TRecordSet.h"
#include "TUserInteraction.h"
#include "TextUtils.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace {

// Why the company is left out; carries the text of the outcome.
struct TTransferFailure {
    QString Reason;
};

QString LastYearW3Extension()
{
    return W3FileExtension(TaxYear - 1);
}

QString LastYearW2Extension()
{
    return W2FileExtension(TaxYear - 1);
}

QString BaseNameOf(const QString &Name)
{
    const qsizetype Dot = Name.lastIndexOf(QLatin1Char('.'));
    return Dot > 0 ? Name.left(Dot) : Name;
}

// Folder + FileName, or the name in Folder that differs from FileName only
// in letter case: files copied from Windows may be "acme.w224".
QString FindLoosely(const QString &Folder, const QString &FileName)
{
    const QString Exact = Folder + FileName;
    if (QFileInfo::exists(Exact))
        return Exact;
    const QStringList Names
        = QDir(Folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
    for (const QString &Candidate : Names)
        if (Candidate.compare(FileName, Qt::CaseInsensitive) == 0)
            return Folder + Candidate;
    return Exact;
}

// The whole of Path, at most the size a file of MaxRec records of RecSize
// bytes can have; at least one record when What names the record.
QByteArray ReadLastYearFile(const QString &Path, int MaxRec, int RecSize, const char *What = nullptr)
{
    QByteArray Data;
    QString Reason;
    try {
        if (!ReadRegularFile(Path, TRecordSet::FileSizeLimit(MaxRec, RecSize), Data, Reason))
            throw TTransferFailure { QStringLiteral("cannot read %1: %2").arg(Path, Reason) };
    } catch (const EFileReadException &Error) {
        throw TTransferFailure { Error.Message() };
    }
    if (What && Data.size() < RecSize)
        throw TTransferFailure { QStringLiteral("%1 holds no whole %2 record (%3 bytes)")
                                     .arg(Path, QLatin1String(What))
                                     .arg(Data.size()) };
    return Data;
}

// Runs Step, a file operation on Path, turning its copy error into the failure.
template <typename TStep> auto OnFile(const QString &Path, TStep Step)
{
    try {
        return Step();
    } catch (const ECopyFileException &Error) {
        throw TTransferFailure { QStringLiteral("cannot write %1: %2").arg(Path, Error.Reason()) };
    }
}

void Pause(int Ms)
{
    if (Ms <= 0)
        return;
    // The wait window is painted while the pause lasts.
    const QDeadlineTimer Deadline(Ms);
    while (!Deadline.hasExpired()) {
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::AllEvents, int(Deadline.remainingTime()));
        QThread::msleep(qMin<qint64>(10, Deadline.remainingTime()));
    }
}

} // namespace

TTransferRun::TTransferRun(const QString &FromFolder, const QString &DataDir, bool NoOverwrite)
    : FFromFolder(AddPathDelimiter(FromFolder))
    , FDataDir(AddPathDelimiter(DataDir))
    , FNoOverwrite(NoOverwrite)
{
}

QStringList TTransferRun::LastYearFiles(const QString &Folder)
{
    // Name filters ignore letter case unless told otherwise.
    return QDir(Folder).entryList(QStringList { QLatin1Char('*') + LastYearW3Extension() },
        QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
}

QString TTransferRun::NewW2FileFor(const QString &DataDir, const QString &Name)
{
    return AddPathDelimiter(DataDir) + BaseNameOf(Name) + W2FileExtension();
}

bool TTransferRun::CompanyExists(const QString &DataDir, const QString &Name)
{
    // An employee file without its employer file still holds employees.
    const QString W2 = NewW2FileFor(DataDir, Name);
    return QFileInfo::exists(W3FileFor(W2)) || QFileInfo::exists(W2);
}

QString TTransferRun::WaitText()
{
    return QStringLiteral("Transferring files... please wait");
}

TTransferOutcome TTransferRun::TransferCompany(const QString &Name)
{
    TTransferOutcome Outcome;
    Outcome.Name = Name;
    Outcome.NewW2File = NewW2FileFor(FDataDir, Name);
    if (FNoOverwrite && CompanyExists(FDataDir, Name)) {
        Outcome.Kind = TTransferOutcome::TKind::Skipped;
        return Outcome;
    }
    try {
        Transfer(Name, Outcome);
        Outcome.Kind = TTransferOutcome::TKind::Transferred;
    } catch (const TTransferFailure &Failure) {
        Outcome.Kind = TTransferOutcome::TKind::Failed;
        Outcome.Reason = Failure.Reason;
    }
    return Outcome;
}

void TTransferRun::Transfer(const QString &Name, TTransferOutcome &Outcome)
{
    if (Name.contains(QLatin1Char('/')) || IsBlank(Name))
        throw TTransferFailure {
            QStringLiteral("'%1' is not the name of a file in %2").arg(Name, FFromFolder)
        };
    const QString OldW3 = FindLoosely(FFromFolder, Name);
    const QString OldW2 = FindLoosely(FFromFolder, BaseNameOf(Name) + LastYearW2Extension());
    const QByteArray Employer
        = CarryEmployer(ReadLastYearFile(OldW3, MaxEmployerRecords, EmployerLayout::RecSize, "employer")
                            .left(EmployerLayout::RecSize));
    const QByteArray Employees
        = CarryEmployees(ReadLastYearFile(OldW2, MaxEmployeeRecords, EmployeeLayout::RecSize));

    const QString NewW2 = Outcome.NewW2File;
    const QString NewW3 = W3FileFor(NewW2);
    OnFile(NewW2, [&] { CheckCopyTarget(NewW2); });
    OnFile(NewW3, [&] { CheckCopyTarget(NewW3); });
    const QString StagedW3 = OnFile(NewW3, [&] { return StageNewFile(Employer, NewW3); });
    QString StagedW2;
    try {
        StagedW2 = OnFile(NewW2, [&] { return StageNewFile(Employees, NewW2); });
    } catch (...) {
        QFile::remove(StagedW3);
        throw;
    }
    try {
        CommitStagedPair(StagedW2, StagedW3, NewW2);
    } catch (const ECopyFileException &Error) {
        throw TTransferFailure { QStringLiteral("cannot put the new %1 and %2 in place: %3")
                                     .arg(NewW2, QFileInfo(NewW3).fileName(), Error.Reason()) };
    }
    Outcome.Employees = int(Employees.size() / EmployeeLayout::RecSize);
}

int TTransferRun::Run(
    const QStringList &Names, const std::function<void(const TTransferOutcome &)> &Told, int PauseMs)
{
    TUserInteraction &Person = TUserInteraction::Current();
    bool Waiting = false;
    const auto ShowWait = [&] {
        Person.ShowWaitMessage(AppTitle(), WaitText());
        Person.BeginWaitCursor();
        Waiting = true;
    };
    const auto HideWait = [&] {
        if (!Waiting)
            return;
        Person.EndWaitCursor();
        Person.HideWaitMessage();
        Waiting = false;
    };
    int Transferred = 0;
    try {
        ShowWait();
        Pause(PauseMs);
        for (const QString &Name : Names) {
            if (!Waiting)
                ShowWait();
            const TTransferOutcome Outcome = TransferCompany(Name);
            if (Outcome.Kind == TTransferOutcome::TKind::Transferred)
                ++Transferred;
            if (Outcome.Kind == TTransferOutcome::TKind::Failed)
                HideWait();
            if (Told)
                Told(Outcome);
        }
        if (Waiting)
            Pause(PauseMs);
    } catch (...) {
        HideWait();
        throw;
    }
    HideWait();
    return Transferred;
}
