#pragma once

#include <QStringList>

class QTextStream;

// qmrk-w2-cli: the program's work without a display, for batch use and
// checks. Run returns the process exit code.
class TCli {
public:
    TCli(QTextStream &Out, QTextStream &Err);
    int Run(const QStringList &Args);

private:
    int Help();
    static bool IsHelp(const QString &Arg);
    static QString DumpHelpText();
    static QString ProgramDir();
    // The usage of one command; false when Command is none.
    bool CommandHelp(const QString &Command);
    int Dump(const QStringList &Args);
    int Usage(const QString &Problem);

    QTextStream &FOut;
    QTextStream &FErr;
};
