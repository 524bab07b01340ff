#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// "import --csv FILE COMPANY.W225" and "export --csv FILE COMPANY.W225":
// employees from and to a CSV file. The command line maps nothing: a column
// that names no field is refused by its name.
class TCliCsv {
public:
    TCliCsv(QTextStream &Out, QTextStream &Err);
    // Exit status: 0 done, 1 refused or not readable or writable (nothing
    // written), 2 wrong command line.
    int Import(const QStringList &Args);
    int Export(const QStringList &Args);
    static QString HelpText();

private:
    bool ParseArgs(
        const QString &Command, const QStringList &Args, QString &CsvFile, QString &W2File, int &Status);
    int Fail(const QString &Problem);

    QTextStream &FOut;
    QTextStream &FErr;
};
