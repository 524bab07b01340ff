#pragma once

#include <QStringList>

class QTextStream;

// qmrk-w2-cli printers: the installed printers, the default one marked, each
// with the paper sizes and paper sources the printer setup window offers.
class TCliPrinters {
public:
    explicit TCliPrinters(QTextStream &Out);
    int Run(const QStringList &Args, QTextStream &Err);

    static QString HelpText();

private:
    QTextStream &FOut;
};
