#pragma once

#include <QString>

struct TEFW2Client;

// Why a client's EFW2 records cannot be written: the form that failed (the
// employer's W-3, or the W-2 of one employee, with its record number and
// name) and the message. Empty when the client can be written.
struct TEFW2Refusal {
    int RecordNumber = 0; // 0: the employer
    QString EmployeeName;
    QString Field; // the entry window's control
    QString Message;

    bool Refused() const { return !Message.isEmpty(); }
    // "Form W-2 of employee record 3 (JOHN SMITH): Social security number is invalid."
    QString Text() const;
};

// Runs, in this order, the amount fields of the employer and of each
// employee that gets an RW line (each a finite number of zero or more), the
// W-3 checks on the employer, then for each of those employees the W-2
// checks and the widths of its RW and RO amounts, then the widths of the RT
// and RU totals; returns the first failure.
TEFW2Refusal CheckEFW2Client(const TEFW2Client &Client);
