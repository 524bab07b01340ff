#pragma once

#include "EmployeeRecord.h"
#include "EmployerRecord.h"

#include <QList>
#include <QString>
#include <QStringList>

// Reads a company pair for inspection without opening it as the program
// does: no file is created, locked or changed, so it also works while the
// program has the pair open.
class TCompanyDump {
public:
    // Reads W2File (which must end in ".W225", letter case counting, as the
    // program's command line requires) and the .W325 beside it. False with
    // Error() set when either cannot be read.
    bool Read(const QString &W2File);
    QString Error() const { return FError; }
    // What was read but left out: partial records at the end of a file.
    QStringList Warnings() const { return FWarnings; }
    // Read for a run that needs every employee (printing, the wage report):
    // a record cut short counts as a damaged file, since what was read may
    // leave employees out. False with Problem set: Error(), or "...: the
    // company file is damaged, " followed by NotDone (what the run left undone).
    bool ReadComplete(const QString &W2File, const QString &NotDone, QString &Problem);

    const EmployerRecord &Employer() const { return FEmployer; }
    const QList<EmployeeRecord> &Employees() const { return FEmployees; }

    // {"employer": {...}, "employees": [{...}, ...]}: every field under its
    // name in record order; texts as strings, money as numbers (null when
    // not finite), flags as true/false, int32 as numbers.
    QString ToJson() const;

private:
    bool ReadFile(const QString &Path, qint64 MaxSize, QByteArray &Data);
    bool ReadEmployer(const QString &Path);
    bool ReadEmployees(const QString &Path);

    EmployerRecord FEmployer;
    QList<EmployeeRecord> FEmployees;
    QString FError;
    QStringList FWarnings;
};
