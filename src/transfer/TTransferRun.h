#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// What became of one of last year's companies.
struct TTransferOutcome {
    enum class TKind { Transferred, Skipped, Failed };
    QString Name; // last year's employer file name, "ACME.W324"
    TKind Kind = TKind::Failed;
    QString NewW2File; // this year's employee file, written or (skipped) already there
    int Employees = 0; // records written into it
    QString Reason; // why it failed: the file and the system's reason
};

// Carries last year's companies of FromFolder into new pairs of this year in
// DataDir. Last year's files are only read. Each new pair is written under
// temporary names beside its targets and put in place as a pair only when
// both files are complete, so a failure leaves this year's pair as it was
// and no temporary file behind.
class TTransferRun {
public:
    TTransferRun(const QString &FromFolder, const QString &DataDir, bool NoOverwrite);

    // Last year's employer files of Folder, file names without the folder,
    // letter case ignored in the extension ("acme.w324" too), sorted by name.
    static QStringList LastYearFiles(const QString &Folder);
    // True when DataDir already holds this year's company of last year's
    // employer file Name: its employer file, or an employee file alone.
    static bool CompanyExists(const QString &DataDir, const QString &Name);
    // This year's employee file in DataDir for last year's employer file Name.
    static QString NewW2FileFor(const QString &DataDir, const QString &Name);

    // One company: skipped when it exists and NoOverwrite, else transferred,
    // or failed with the reason. Raises nothing for a file that cannot be
    // read or written.
    TTransferOutcome TransferCompany(const QString &Name);

    // The transfer of Names in order, under the wait window and cursor, with
    // PauseMs before the first and after the last, so the window is seen.
    // Each outcome goes to Told as it comes; for a failure the wait window is
    // down meanwhile, so a message about it is not hidden behind. Returns the
    // number of companies transferred.
    int Run(
        const QStringList &Names, const std::function<void(const TTransferOutcome &)> &Told, int PauseMs = 0);

    // The wait window's text.
    static QString WaitText();

private:
    void Transfer(const QString &Name, TTransferOutcome &Outcome);

    QString FFromFolder;
    QString FDataDir;
    bool FNoOverwrite;
};
