#pragma once

#include <QStringList>

class QTextStream;

// qmrk-w2-cli report: renders one page of a report of a report project with
// the given parameters to PDF, HTML or a snapshot, for checking layouts and
// for batch use. Needs a QGuiApplication (fonts).
class TCliReport {
public:
    TCliReport(QTextStream &Out, QTextStream &Err);
    // Args: the arguments after "report". Returns the exit code.
    int Run(const QStringList &Args);

    static QString HelpText();

private:
    struct TRequest {
        QString Project;
        QString Report;
        QList<QPair<QString, QString>> Params;
        QString Output;
        QString Kind; // "pdf", "html" or "snapshot"
    };
    bool Parse(const QStringList &Args, TRequest &Request, QString &Problem) const;
    void Render(const TRequest &Request) const;

    QTextStream &FOut;
    QTextStream &FErr;
};
