#include "TEFW2Submission.h"

#include "EFW2Files.h"
#include "EFW2Settings.h"

#include <QFile>

TEFW2Submission::TEFW2Submission(
    QStringList &MasterList, const QString &ClientsFile, const QString &MasterFile)
    : FMaster(MasterList)
    , FClientsFile(ClientsFile)
    , FMasterFile(MasterFile)
{
}

void TEFW2Submission::Load()
{
    if (QFile::exists(FClientsFile))
        FClients = ReadTextLines(FClientsFile, MaxClientsFileSize);
    if (QFile::exists(FMasterFile)) {
        SetReadOnly(FMasterFile, false);
        FMaster = ReadTextLines(FMasterFile, MaxMasterFileSize);
    }
}

void TEFW2Submission::Save(const std::function<void()> &AlongWith)
{
    QList<TTextFile> Files;
    if (!FMaster.isEmpty())
        Files.append({ FMasterFile, FMaster, true });
    if (!FClients.isEmpty())
        Files.append({ FClientsFile, FClients, false });
    ReplaceTextFiles(Files, AlongWith);
    if (QFile::exists(FMasterFile))
        SetReadOnly(FMasterFile, true);
    FClients.clear();
}

void TEFW2Submission::Clear()
{
    FMaster.clear();
    FClients.clear();
    DeleteIfExists(FMasterFile);
    DeleteIfExists(FClientsFile);
}

bool TEFW2Submission::HasClient(const QString &EmployerName) const
{
    return FClients.contains(EmployerName, Qt::CaseInsensitive);
}

void TEFW2Submission::AddClient(const QString &EmployerName)
{
    FClients.append(EmployerName);
}

void TEFW2Submission::AppendToMaster(const QStringList &Lines)
{
    FMaster.append(Lines);
}

qint32 TEFW2Submission::RFCount(const EFW2Settings &Settings, int ValidCount)
{
    return Settings.LastClientConfirmed() ? Settings.TotalRecords() + ValidCount : ValidCount;
}

QString EFW2ProcessBlockText(TEFW2ProcessBlock Block)
{
    switch (Block) {
    case TEFW2ProcessBlock::None:
        break;
    case TEFW2ProcessBlock::SubmissionComplete:
        return QStringLiteral("The submission is complete: its last client has been processed. "
                              "Press Reset to start a new submission.");
    case TEFW2ProcessBlock::FormsNotReviewed:
        return QStringLiteral("Process is available once the forms have been reviewed since this "
                              "company was opened: close the Form W-3 window, and close the Form W-2 "
                              "window while its Print All button is enabled.");
    case TEFW2ProcessBlock::ClientProcessed:
        return QStringLiteral("This client has already been processed in this submission.");
    }
    return QString();
}

TEFW2ControlStates TEFW2Submission::OpeningStates(
    int FormsReviewState, const EFW2Settings &Settings, const QString &EmployerName) const
{
    TEFW2ControlStates States;
    States.Reset = Settings.TotalRecords() > 0;
    if (Settings.LastClientConfirmed())
        States.Block = TEFW2ProcessBlock::SubmissionComplete;
    else if (FormsReviewState != 2)
        States.Block = TEFW2ProcessBlock::FormsNotReviewed;
    else if (HasClient(EmployerName))
        States.Block = TEFW2ProcessBlock::ClientProcessed;
    States.Process = States.Block == TEFW2ProcessBlock::None;
    States.Submitter = States.Final = States.Process;
    // A middle or last client cannot ask for another RA record.
    if (Settings.ExcludeSubmitter() && Settings.ExcludeFinal() && !FClients.isEmpty())
        States.Submitter = false;
    // A submission started as single-client files cannot turn into a multi-client one.
    if (!FClients.isEmpty() && FMaster.isEmpty())
        States.Submitter = States.Final = false;
    return States;
}

TEFW2ControlStates TEFW2Submission::ResetStates(int FormsReviewState)
{
    TEFW2ControlStates States;
    States.Process = FormsReviewState == 2;
    if (!States.Process)
        States.Block = TEFW2ProcessBlock::FormsNotReviewed;
    States.Submitter = States.Final = States.Process;
    return States;
}
