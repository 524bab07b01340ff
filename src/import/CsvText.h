#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Comma-separated values as spreadsheet and payroll programs write them
// (RFC 4180): fields in double quotes may hold commas, quotes (doubled) and
// line breaks; records end in CR LF or LF.

// The text of a CSV file: UTF-8, a byte-order mark dropped; bytes that are
// not valid UTF-8 are read as Windows-1252, what older spreadsheet programs
// save.
QString DecodeCsvText(const QByteArray &Bytes);

// One record of the file and the number it has in the file, the first
// record being 1 (a quoted line break does not start a record).
struct TCsvRecord {
    int Row = 0;
    QStringList Fields;
};

// Splits Text into records. False, with Row and Error, at the first malformed
// record (an unterminated quote, a quote inside an unquoted field, text after
// a closing quote); Records then hold the records before it.
bool ParseCsv(const QString &Text, QList<TCsvRecord> &Records, int &Row, QString &Error);

// Field as it stands in a file: in quotes when it holds a comma, a quote or
// a line break, quotes doubled.
QString CsvField(const QString &Field);
