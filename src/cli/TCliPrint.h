#pragma once

#include "TCliPrinterOption.h"

#include <QStringList>

#include <functional>

class QTextStream;
class TCompanyDump;
class TRvSystem;
class TW2PrintSource;
class TW2Printing;
// qmrk-w2-cli print: the program's W-2 and W-3 print runs, with the same
// report project, into PDF files or on a printer instead of the preview. The company pair is
// only read. Needs a QGuiApplication (fonts).
class TCliPrint {
public:
    TCliPrint(QTextStream &Out, QTextStream &Err);
    // Args: the arguments after "print". Returns the exit code.
    int Run(const QStringList &Args, const QString &ProgramDir);

    static QString HelpText();

    // Shared by the commands that print: a run straight into the PDF file
    // FileName, with no output options and no status window.
    static void ToPdf(TRvSystem &System, const QString &FileName);
    // Reads the company pair of W2File whole, or raises the reason nothing
    // was printed.
    static void ReadCompany(TCompanyDump &Company, const QString &W2File);
    // Runs Body, a print command; a raised error is told on Err and ends the
    // command with exit status 1.
    static int RunGuarded(QTextStream &Err, const QString &Command, const std::function<int()> &Body);
    // RunGuarded for a run that may go to a printer: the program's stored
    // printer setup is read and a printer that cannot print refuses the run
    // before anything is done.
    static int RunPrinting(QTextStream &Err, const QString &Command, TCliPrinterOption &Printer,
        const std::function<int()> &Body);
    // Sends System's run to the PDF file Pdf or, with --printer, to the printer.
    static void Route(TRvSystem &System, TCliPrinterOption &Printer, const QString &Pdf);
    // The end of a run: where it went on Out, or the error of a cancelled run.
    static int Done(QTextStream &Out, bool Printed, const TCliPrinterOption &Printer, const QString &Pdf);

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
    void PrintPerEmployee(TW2Printing &Printing, TW2PrintSource &Source, const TRequest &Request) const;

    QTextStream &FOut;
    QTextStream &FErr;
    TCliPrinterOption FPrinter;
};
