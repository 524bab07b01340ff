#pragma once

#include <QStringList>

class QTextStream;

// qmrk-w2-cli transfer: carries last year's companies into this year's
// files without a display, through the same transfer as the window.
class TCliTransfer {
public:
    TCliTransfer(QTextStream &Out, QTextStream &Err);
    // Args: the arguments after "transfer". Returns the exit code: 0 done,
    // 1 a company failed or a folder is unusable, 2 wrong command line.
    int Run(const QStringList &Args);

    static QString HelpText();

private:
    struct TRequest {
        QString From;
        QString To;
        bool Overwrite = false;
        QStringList Names;
    };
    bool Parse(const QStringList &Args, TRequest &Request, QString &Problem) const;
    int Usage(const QString &Problem);
    int Fail(const QString &Problem);

    QTextStream &FOut;
    QTextStream &FErr;
};
