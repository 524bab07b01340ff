#pragma once

#include <QStringList>

class QTextStream;
class TW2PrintSource;
class TW2Printing;

// qmrk-w2-cli print: the program's W-2 and W-3 print runs, with the same
// report project, into PDF files instead of the preview. The company pair is
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
    bool Parse(const QStringList &Args, TRequest &Request, QString &Problem) const;
    int Usage(const QString &Problem) const;
    int Print(const TRequest &Request, const QString &ProgramDir) const;
    void PrintPerEmployee(TW2Printing &Printing, TW2PrintSource &Source, const TRequest &Request) const;

    QTextStream &FOut;
    QTextStream &FErr;
};
