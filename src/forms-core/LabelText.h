#pragma once

#include <QString>

class EmployeeRecord;

// What an employee's mailing label says: three address lines and, for a
// complete ZIP+4 code, the nine digits of its bar code. Plain functions over
// the record so that the program, the command-line tool and the tests print
// the same label.
struct TLabelLines {
    QString Name;
    QString Street;
    QString CityStateZip;
    // The nine digits of the ZIP+4 code, or empty when the address carries no
    // complete ZIP+4 code and so gets no bar code.
    QString BarCodeDigits;

    bool HasBarCode() const { return !BarCodeDigits.isEmpty(); }
};

// First name and one blank, cut to 16 characters, then the last name; the
// whole line cut to 31.
QString LabelNameLine(const QString &FirstName, const QString &LastName);

// The nine digits of the ZIP+4 code that ends the last address line (its last
// ten characters, 99999-9999), or empty when it does not end in one.
QString LabelBarCodeDigits(const QString &CityStateZip);

TLabelLines LabelLines(const EmployeeRecord &Employee);
