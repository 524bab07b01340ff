#pragma once

#include "EmployeeRecord.h"
#include "EmployerRecord.h"
#include "TImportProblem.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Employees from a CSV file into a company. The first row names the columns
// by the employee record's field names (letter case ignored, any order, any
// subset); every further row becomes one new employee, built as the W-2
// window builds one: the employer's new-record defaults first, then the
// row's values, boxes 3 to 6 and 16a from box 1 when boxes 3 and 5 are both
// left empty, the address line derived; then the W-2 checks. The company is
// changed only when every row passes, and then all at once.
class TEmployeeImport {
public:
    // ColumnField values beside an index into EmployeeRecord::Fields().
    static constexpr int Unmapped = -1; // a name the record does not know: a problem until mapped
    static constexpr int Ignored = -2; // left out of the import

    // Reads the company the rows go into; false with Problem when it cannot
    // be read whole. Nothing is locked or changed.
    bool ReadCompany(const QString &W2File, QString &Problem);
    // The company given directly (tests, benchmarks).
    void SetCompany(const EmployerRecord &Employer, const QList<EmployeeRecord> &Employees);

    const EmployerRecord &Employer() const { return FEmployer; }

    // Reads the CSV file's bytes and maps the columns by name; then Check().
    void Load(const QByteArray &Csv);

    const QStringList &Headers() const { return FHeaders; }
    int RowCount() const { return int(FRows.size()); }
    int FileRow(int Row) const { return FRows[Row].Row; }
    QString Cell(int Row, int Column) const { return FRows[Row].Fields.value(Column); }

    int ColumnField(int Column) const { return FColumnFields[Column]; }
    // Maps Column to a field (Unmapped, Ignored or an index) and checks again.
    void SetColumnField(int Column, int Field);
    // The fields a column can be mapped to: every field the W-2 window
    // enters (the address line is derived, box 9 is not entered).
    static QList<int> MappableFields();

    // Builds and checks every row again; while a column is unmapped or a
    // field named twice, only the header's problems are listed.
    void Check();
    const QList<TImportProblem> &Problems() const { return FProblems; }
    bool Ready() const { return FProblems.isEmpty() && !FRecords.isEmpty(); }
    const QList<EmployeeRecord> &Records() const { return FRecords; }
    // The company holds only its first record, still blank: the first row takes its place.
    bool ReplacesFirstRecord() const;

    // The employee file after the import: the records already there, byte for
    // byte, then the new ones.
    QByteArray EmployeeFileBytes() const;
    // Replaces the employee file read by ReadCompany through a temporary file
    // and a rename, after checking that nobody holds it and that it is still
    // what was read. Empty when done, else what kept it from being done (the
    // file is then as it was).
    QString WriteCompany(const QString &W2File) const;

private:
    struct TRow {
        int Row = 0;
        QStringList Fields;
    };

    void MapColumns();
    void CheckHeader();
    void CheckRow(const TRow &Row);
    bool PutValue(QByteArray &Record, int Field, const QString &Cell, QString &Message) const;
    int ColumnOf(const QString &FieldName) const;
    void AddProblem(int Row, int Column, const QString &Field, const QString &Message);
    void CheckDuplicates();

    EmployerRecord FEmployer;
    QList<EmployeeRecord> FExisting;
    QByteArray FExistingBytes;
    QStringList FHeaders;
    QList<int> FColumnFields;
    QList<TRow> FRows;
    QList<TImportProblem> FFileProblems; // what reading the file found; stays until the next Load
    QList<TImportProblem> FProblems;
    QList<EmployeeRecord> FRecords;
    QList<int> FRecordRows; // the file row of each record
};
