#pragma once

#include "TCliPrinterOption.h"

#include <QStringList>

class QTextStream;
class TW2PrintSource;
class TW2Printing;
class TRvSystem;

// qmrk-w2-cli print: the program's W-2 and W-3 print runs, with the same
// report project, into PDF files or on a printer instead of the preview. The company pair is
// only read. Needs a QGuiApplication (fonts).
class TCliPrint {
public:
    TCliPrint(QTextStream &Out, QTextStream &Err);
    // Args: the arguments after "print". Returns the exit code.
    int Run(const QStringList &Args, const QString &ProgramDir);

    static QString HelpText();

    // The file of one employee's copy: the record number and the last name,
    // "0007-ADAMS.pdf"; characters a file name cannot carry become '_'.
    static QString PerEmployeeFileName(int RecNo, const QString &LastName);

private:
    struct TRequest {
        QString Form;
        int First = 0; // 0: the first record
        int Last = 0; // 0: the last record
        bool Mask = true;
        QString Pdf;
        QString PerEmployeeDir;
        QString Project;
        QString Company;
    };
    bool Parse(const QStringList &Args, TRequest &Request, QString &Problem);
    int Usage(const QString &Problem) const;
    int Print(const TRequest &Request, const QString &ProgramDir);
    // Sends System's run to its file or, with --printer, to the printer.
    void Route(TRvSystem &System, const TRequest &Request);
    int Done(bool Printed, const TRequest &Request) const;
    void PrintPerEmployee(TW2Printing &Printing, TW2PrintSource &Source, const TRequest &Request) const;

    QTextStream &FOut;
    QTextStream &FErr;
    TCliPrinterOption FPrinter;
};
