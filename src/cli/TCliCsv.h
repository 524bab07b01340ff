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
    using TWork = int (TCliCsv::*)(const QString &CsvFile, const QString &W2File);
    // Checks the command line of Command and runs Work on its two files; an
    // error Work raises is reported as its exit status.
    int RunOnFiles(const QString &Command, const QStringList &Args, TWork Work);
    int ImportCsv(const QString &CsvFile, const QString &W2File);
    int ExportCsv(const QString &CsvFile, const QString &W2File);
    int Fail(const QString &Problem);

    QTextStream &FOut;
    QTextStream &FErr;
};
