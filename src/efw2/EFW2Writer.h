#pragma once

#include <QString>
#include <QStringList>

struct TEFW2Client;
struct TSubmitterData;

// Which of the optional records a client's part of the submission carries,
// and the count its RF gives.
struct TEFW2Part {
    bool ExcludeRA = false; // a later client of a multi-client submission
    bool ExcludeRF = false; // not the last client
    qint32 RFCount = 0; // RW records of the whole submission, this client's included
};

// One client's lines in file order: RA (unless excluded), RE, one RW per
// valid employee each followed by its RO when it has one, RT, RU when any RO
// was written, RF (unless excluded).
QStringList BuildClientLines(
    const TSubmitterData &Submitter, const TEFW2Client &Client, const TEFW2Part &Part);
