#pragma once

#include "EmployeeRecord.h"
#include "EmployerRecord.h"
#include "TSubmitterData.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Companies and submitter data for the EFW2 tests. The records are built
// with the record setters; the settings file with bytes placed by offset.
namespace EFW2Fixtures {

// Passes every submitter rule.
TSubmitterData Submitter();
// Passes the W-3 checks.
EmployerRecord Employer(const QString &Name = QStringLiteral("Acme Tool & Die Co."));
// Passes the W-2 checks; Wages in boxes 1, 3, 5 and 16.
EmployeeRecord Employee(const QString &First, const QString &Last, double Wages = 50000);
// Count valid employees "Emp1 Last".."EmpN Last" with wages 1000 * i.
QList<EmployeeRecord> Employees(int Count, const QString &Last = QStringLiteral("Worker"));

// Writes Folder/Name.W325 and Folder/Name.W225; returns the .W225 path.
QString WriteCompany(const QString &Folder, const QString &Name, const EmployerRecord &Employer,
    const QList<EmployeeRecord> &Employees);

// The 564 bytes of a settings file holding Submitter in the window's slots,
// written by offset.
QByteArray SettingsBytes(const TSubmitterData &Submitter, qint32 TotalRecords = 0,
    bool ExcludeSubmitter = false, bool ExcludeFinal = false, bool LastClientConfirmed = false);

// The record identifiers of Lines ("RA", "RE", ...).
QStringList RecordIds(const QStringList &Lines);
// Lines of a text file split at CR LF; fails when a line does not end so.
QStringList CrLfLines(const QByteArray &Bytes);

} // namespace EFW2Fixtures
