#pragma once

#include "TCliPrinterOption.h"

#include <QStringList>

class QTextStream;

// qmrk-w2-cli labels: the program's employee mailing labels into a PDF file,
// as they come out on paper (no label outlines), or on a printer. The company pair is only
// read. Needs a QGuiApplication (fonts).
class TCliLabels {
public:
    TCliLabels(QTextStream &Out, QTextStream &Err);
    // Args: the arguments after "labels". Returns the exit code.
    int Run(const QStringList &Args);

    static QString HelpText();

private:
    struct TRequest {
        QString Pdf;
        QString Company;
    };
    bool Parse(const QStringList &Args, TRequest &Request, QString &Problem);
    int Usage(const QString &Problem) const;
    int Print(const TRequest &Request);

    QTextStream &FOut;
    QTextStream &FErr;
    TCliPrinterOption FPrinter;
};
