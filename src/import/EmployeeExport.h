#pragma once

#include "EmployeeRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Employees out to a CSV file that a spreadsheet program opens and the import
// reads back: a header of the field names in record order, then one row per
// employee; amounts with two decimals and no separators, check marks as 1 and
// 0; UTF-8 with a byte-order mark (so accents read right), CR LF line ends.
QByteArray EmployeesCsv(const QList<EmployeeRecord> &Employees);

// Writes EmployeesCsv to CsvFile whole or not at all (a temporary file and
// a rename). Empty when done, else the system's reason.
QString WriteEmployeesCsv(const QString &CsvFile, const QList<EmployeeRecord> &Employees);
