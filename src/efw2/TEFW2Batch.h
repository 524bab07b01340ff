#pragma once

#include "TEFW2Client.h"
#include "TEFW2Process.h"
#include "TSubmitterData.h"

#include <QList>
#include <QString>
#include <QStringList>

class QTextStream;

// "qmrk-w2-cli efw2": the EFW2 files of one or several companies without the
// window. The submitter data comes from a settings file in the window's
// format. One company gives its client file as Process with both exclusion
// boxes clear; several give each client's file as the multi-client
// submission would, in the order given, and the master file holding the
// whole submission. The run is the window's Process run (TEFW2Process):
// every check runs before anything is written. The limit findings go to
// stderr; --strict refuses the run on an error among them. The settings
// file, "QMRK.CP" and the company files are only read.
class TEFW2Batch {
public:
    TEFW2Batch(QTextStream &Out, QTextStream &Err);
    // Args: the arguments after "efw2". Returns the exit code.
    int Run(const QStringList &Args);
    static QString HelpText();

    static constexpr int ExitDone = 0;
    static constexpr int ExitFileError = 1;
    static constexpr int ExitUsage = 2;
    static constexpr int ExitRefused = 3;

private:
    struct TCompany {
        QString W2File;
        TEFW2Client Client;
        QString Target; // the client file
        QStringList Lines;
    };

    bool ParseArguments(const QStringList &Args);
    int Refuse(const QString &Where, const QString &Message);
    void ReadCompanies();
    QList<TEFW2Job> MakeJobs();
    bool AcceptFindings(const QList<TEFW2Job> &Jobs, const QList<TEFW2Finding> &Findings);
    int RefuseOutcome(const QList<TEFW2Job> &Jobs, const TEFW2Outcome &Outcome);
    void Report();

    QTextStream &FOut;
    QTextStream &FErr;
    TSubmitterData FSubmitter;
    QString FSettingsFile;
    QString FOutDir;
    QStringList FCompanyFiles;
    QList<TCompany> FCompanies;
    QString FMasterFile;
    bool FStrict = false;
};
