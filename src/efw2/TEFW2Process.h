#pragma once

#include "EFW2LimitChecks.h"
#include "EFW2Writer.h"
#include "TEFW2Client.h"
#include "TSubmitterData.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// One client of a Process run: where it comes from (how messages name it),
// its records, which optional records its part carries and its client file.
struct TEFW2Job {
    QString Source;
    TEFW2Client Client;
    TEFW2Part Part;
    QString Target;
};

// Why a run wrote nothing.
enum class TEFW2Stop {
    None, // written
    NoEmployees, // a client without valid W-2 employees
    Submitter, // a submitter rule failed
    Client, // a client's amounts or forms were refused, or it is in the run twice
    Findings, // the limit findings were not accepted
};

struct TEFW2Outcome {
    TEFW2Stop Stop = TEFW2Stop::None;
    int Job = -1; // the client refused, counted from 0
    QString Field; // the control of the failed submitter rule or form check
    QString Message;
    QList<TEFW2Finding> Findings;
    QList<QStringList> Lines; // each client's lines, once written

    bool Written() const { return Stop == TEFW2Stop::None; }
};

// Decides about the limit findings (never called without any): true writes
// the files anyway.
using TEFW2FindingsDecision = std::function<bool(const QList<TEFW2Finding> &Findings)>;

// The Process run, for the EFW2 window and for "qmrk-w2-cli efw2" alike:
// every check runs before anything is written, in this order: each client
// has valid employees (and none is in the run twice); the submitter rules;
// each client's amounts and forms; the 2025 limits, whose findings Decide
// accepts or refuses. Then each client's lines are built and the client
// files, with MasterFile when it is not empty holding every client's lines
// in turn, are written all or none (read-only). File errors raise
// EInOutError; nothing else does.
class TEFW2Process {
public:
    TEFW2Process(const TSubmitterData &Submitter, QList<TEFW2Job> Jobs);

    TEFW2Outcome Run(const TEFW2FindingsDecision &Decide, const QString &MasterFile = QString());

private:
    bool CheckClients(TEFW2Outcome &Outcome) const;
    bool CheckForms(TEFW2Outcome &Outcome) const;
    bool CheckLimits(TEFW2Outcome &Outcome, const TEFW2FindingsDecision &Decide) const;
    void Write(TEFW2Outcome &Outcome, const QString &MasterFile) const;

    TSubmitterData FSubmitter;
    QList<TEFW2Job> FJobs;
};
